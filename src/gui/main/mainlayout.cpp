#include "gui/main/mainlayout.h"

#include "core/texts/mainwindowtexts.h"
#include "gui/widgets/colours.h"
#include "gui/widgets/twips.h"

namespace tessaron {

namespace {

// One figure row: its label, with a "www." and a ".com" label at its sides.
struct FigureRow {
    QRect label;
    int wwwLeft;
    int comLeft;
    int sideWidth;
};

constexpr std::array<FigureRow, 4> kFigureRows{{
    {QRect(1080, 2400, 2295, 255), 360, 3480, 615},
    {QRect(6000, 2400, 2295, 255), 5280, 8400, 615},
    {QRect(1200, 4080, 2055, 255), 600, 3240, 600},
    {QRect(6000, 3840, 2295, 255), 5280, 8400, 615},
}};

MainLayout layoutFor(Lang lang, const MainWindowTexts &t)
{
    MainLayout l;
    const QRect title =
        lang == Lang::Spanish ? QRect(240, 120, 8775, 735) : QRect(120, 120, 9015, 735);
    l.nameBeforeCentring = lang == Lang::English;
    l.client = QRect(0, 0, 9285, 4995);
    const auto centredTop = Qt::AlignHCenter | Qt::AlignTop;
    const auto left = Qt::AlignLeft | Qt::AlignVCenter;
    // clang-format off
    l.labels = {
        {t.titleName, QStringLiteral("Tessaron"), title, {26.25, true, true}, centredTop, kRed, {}},
        {QStringLiteral("Label1"), QStringLiteral("www."), QRect(2400, 1080, 735, 375), {15.75}, left, kBlue, {}},
        {QStringLiteral("Label2"), QStringLiteral(".com"), QRect(6120, 1080, 735, 375), {15.75}, left, kBlue, {}},
        {t.plainWwwName, QStringLiteral("www ."), QRect(2400, 1560, 735, 255), {12, true}, left, {}, kGrey},
        {t.plainComName, QStringLiteral(". com"), QRect(6120, 1560, 735, 255), {12, true}, left, {}, kGrey},
    };
    // clang-format on
    // The "www." and ".com" labels of the rows are Label3 to Label10, in row order.
    int number = 3;
    auto sideLabel = [&](const QString &text, int leftEdge, int top, int width) {
        return MainLayout::Label{QStringLiteral("Label%1").arg(number++),
                                 text,
                                 QRect(leftEdge, top, width, 255),
                                 {9.75, true},
                                 left,
                                 {},
                                 {}};
    };
    for (std::size_t i = 0; i < kFigureRows.size(); ++i) {
        const FigureRow &row = kFigureRows[i];
        MainLayout::FigureRow &placed = l.figureRows[i];
        placed.label = row.label;
        placed.www = sideLabel(QStringLiteral("www."), row.wwwLeft, row.label.top(), row.sideWidth);
        placed.com = sideLabel(QStringLiteral(".com"), row.comLeft, row.label.top(), row.sideWidth);
    }
    l.nameBox = QRect(3240, 1080, 2775, 375);
    l.nameBoxFont = {14.25};
    l.plainLabel = QRect(3240, 1560, 2775, 255);
    l.nameLabelFont = {9.75, true};
    l.nameLabelBackground = kLightYellow;
    l.favourites = {QStringLiteral("Command3"), QRect(240, 1200, 1935, 375)};
    l.registers = {QStringLiteral("Command2"), QRect(7080, 1200, 1935, 375)};
    l.symbology = {QStringLiteral("Command1"), QRect(4320, 3000, 615, 615)};
    l.saveButtons = {{
        {QStringLiteral("Command4"), QRect(1440, 3000, 1575, 255)},
        {QStringLiteral("Command5"), QRect(6360, 3000, 1575, 255)},
        {QStringLiteral("Command6"), QRect(1440, 4560, 1575, 255)},
        {QStringLiteral("Command7"), QRect(6360, 4560, 1575, 255)},
    }};
    const int outlineWidth = 3;
    // clang-format off
    l.outlines = {{
        {Family::R, rectFromTwips(120, 2160, 4095, 735), outlineWidth},
        {Family::C, rectFromTwips(5040, 2160, 4095, 735), outlineWidth},
        {Family::T, {}, outlineWidth, polygonFromTwips({{0, 4440}, {2280, 3480}, {4440, 4440}})},
        {Family::P, {}, outlineWidth,
         polygonFromTwips({{5040, 3840}, {5040, 4080}, {6360, 4440}, {7920, 4440},
                           {9120, 4080}, {9120, 3840}, {7920, 3480}, {6360, 3480}})},
    }};
    // clang-format on
    return l;
}

} // namespace

const MainLayout &mainLayout(Lang lang)
{
    static const MainLayout spanish = layoutFor(Lang::Spanish, mainWindowTexts(Lang::Spanish));
    static const MainLayout english = layoutFor(Lang::English, mainWindowTexts(Lang::English));
    return lang == Lang::Spanish ? spanish : english;
}

} // namespace tessaron
