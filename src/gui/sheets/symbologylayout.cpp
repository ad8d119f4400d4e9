#include "gui/sheets/symbologylayout.h"

namespace tessaron {

namespace {

// The texts stand in the control face, black on the sheet's background.
const Look kOneLine{.text = Qt::black, .flow = TextFlow::OneLine};
const Look kWrapped{.text = Qt::black, .flow = TextFlow::Wrapped};

SymbologyLayout layoutFor(QSize client, bool greyBackground, QList<LayoutRow> texts)
{
    const int width = 3;
    const std::array<int, 4> pictureTops{0, 1320, 2640, 3960};
    SymbologyLayout l{
        client,
        greyBackground,
        {{
            {Family::R, QRect(120, 480, 1575, 495), width},
            {Family::C, QRect(120, 1560, 1575, 735), width},
            {Family::T, {}, width, {{120, 3600}, {960, 2760}, {1800, 3600}}},
            {Family::P,
             {},
             width,
             {{120, 4560},
              {480, 4320},
              {1320, 4320},
              {1680, 4560},
              {1680, 4800},
              {1320, 5040},
              {480, 5040},
              {120, 4800}}},
        }},
        std::move(texts),
        {},
    };
    for (std::size_t i = 0; i < l.pictures.size(); ++i)
        l.pictures[i] = {QStringLiteral("Picture%1").arg(i + 1),
                         QRect(4200, pictureTops[i], 2175, 1215)};
    return l;
}

} // namespace

const SymbologyLayout &symbologyLayout(Lang lang)
{
    // clang-format off
    static const SymbologyLayout spanish = layoutFor(QSize(6465, 5265), true, {
        {QStringLiteral("Label6"), QRect(240, 600, 1335, 255), kOneLine},
        {QStringLiteral("Label1"), QRect(1920, 360, 2175, 615), kWrapped},
        {QStringLiteral("Label7"), QRect(240, 1800, 1335, 255), kOneLine},
        {QStringLiteral("Label2"), QRect(1920, 1560, 2175, 735), kWrapped},
        {QStringLiteral("Label5_2"), QRect(720, 3120, 495, 255), kOneLine},
        {QStringLiteral("Label5_0"), QRect(480, 3360, 975, 255), kOneLine},
        {QStringLiteral("Label3"), QRect(1920, 2880, 2175, 615), kWrapped},
        {QStringLiteral("Label5_1"), QRect(240, 4560, 1335, 255), kOneLine},
        {QStringLiteral("Label4"), QRect(1920, 4320, 2055, 975), kWrapped},
    });
    static const SymbologyLayout english = layoutFor(QSize(6450, 5250), false, {
        {QStringLiteral("Label6"), QRect(360, 600, 1215, 255), kOneLine},
        {QStringLiteral("Label1"), QRect(1920, 360, 2175, 615), kWrapped},
        {QStringLiteral("Label7"), QRect(360, 1800, 1215, 255), kOneLine},
        {QStringLiteral("Label2"), QRect(1800, 1560, 2295, 735), kWrapped},
        {QStringLiteral("Label5_2"), QRect(720, 3120, 495, 255), kOneLine},
        {QStringLiteral("Label5_0"), QRect(600, 3360, 735, 255), kOneLine},
        {QStringLiteral("Label3"), QRect(1920, 2880, 2175, 615), kWrapped},
        {QStringLiteral("Label5_1"), QRect(360, 4560, 1215, 255), kOneLine},
        {QStringLiteral("Label4"), QRect(1920, 4320, 2055, 735), kWrapped},
    });
    // clang-format on
    return lang == Lang::Spanish ? spanish : english;
}

} // namespace tessaron
