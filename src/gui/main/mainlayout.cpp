#include "gui/main/mainlayout.h"

#include "core/texts/mainwindowtexts.h"
#include "gui/widgets/colours.h"

namespace tessaron {

namespace {

// One figure row: its label, with a "www." and a ".com" label at its sides.
struct FigureRowPlace {
    QRect label;
    int wwwLeft;
    int comLeft;
    int sideWidth;
};

constexpr std::array<FigureRowPlace, 4> kFigureRows{{
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
    l.client = QSize(9285, 4995);
    const auto left = Qt::AlignLeft | Qt::AlignVCenter;
    const Look large{.font = FontSpec{15.75}, .text = kBlue, .alignment = left};
    const Look plainSide{.font = FontSpec{12, true}, .background = kGrey, .alignment = left};
    l.labels = {
        {t.titleName,
         title,
         {.font = FontSpec{26.25, true, true},
          .text = kRed,
          .alignment = Qt::AlignHCenter | Qt::AlignTop},
         QStringLiteral("Tessaron")},
        {QStringLiteral("Label1"), QRect(2400, 1080, 735, 375), large, QStringLiteral("www.")},
        {QStringLiteral("Label2"), QRect(6120, 1080, 735, 375), large, QStringLiteral(".com")},
        {t.plainWwwName, QRect(2400, 1560, 735, 255), plainSide, QStringLiteral("www .")},
        {t.plainComName, QRect(6120, 1560, 735, 255), plainSide, QStringLiteral(". com")},
    };
    l.nameBox = {t.nameBoxName, QRect(3240, 1080, 2775, 375), {.font = FontSpec{14.25}}};
    const Look nameLabel{
        .font = FontSpec{9.75, true}, .background = kLightYellow, .alignment = Qt::AlignCenter};
    l.plainLabel = {t.plainLabelName, QRect(3240, 1560, 2775, 255), nameLabel};
    // The "www." and ".com" labels of the rows are Label3 to Label10, in row order.
    int number = 3;
    const Look side{.font = FontSpec{9.75, true}, .alignment = left};
    auto sideLabel = [&](const QString &caption, int leftEdge, int top, int width) {
        return LayoutRow{QStringLiteral("Label%1").arg(number++), QRect(leftEdge, top, width, 255),
                         side, caption};
    };
    for (std::size_t i = 0; i < kFigureRows.size(); ++i) {
        const FigureRowPlace &row = kFigureRows[i];
        MainLayout::FigureRow &placed = l.figureRows[i];
        placed.label = {t.figureLabelPrefix + QString::number(i + 1), row.label, nameLabel};
        placed.www = sideLabel(QStringLiteral("www."), row.wwwLeft, row.label.top(), row.sideWidth);
        placed.com = sideLabel(QStringLiteral(".com"), row.comLeft, row.label.top(), row.sideWidth);
    }
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
    l.outlines = {{
        {Family::R, QRect(120, 2160, 4095, 735), outlineWidth},
        {Family::C, QRect(5040, 2160, 4095, 735), outlineWidth},
        {Family::T, {}, outlineWidth, {{0, 4440}, {2280, 3480}, {4440, 4440}}},
        {Family::P,
         {},
         outlineWidth,
         {{5040, 3840},
          {5040, 4080},
          {6360, 4440},
          {7920, 4440},
          {9120, 4080},
          {9120, 3840},
          {7920, 3480},
          {6360, 3480}}},
    }};
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
