#include "gui/sheets/symbologylayout.h"

#include "gui/widgets/twips.h"

namespace tessaron {

namespace {

constexpr auto kOneLine = SheetText::Layout::OneLine;
constexpr auto kWrapped = SheetText::Layout::Wrapped;

// clang-format off
const SymbologyLayout kSpanish{
    sizeFromTwips(6465, 5265),
    true,
    {
        {QStringLiteral("Label6"), QRect(240, 600, 1335, 255), kOneLine},
        {QStringLiteral("Label1"), QRect(1920, 360, 2175, 615), kWrapped},
        {QStringLiteral("Label7"), QRect(240, 1800, 1335, 255), kOneLine},
        {QStringLiteral("Label2"), QRect(1920, 1560, 2175, 735), kWrapped},
        {QStringLiteral("Label5_2"), QRect(720, 3120, 495, 255), kOneLine},
        {QStringLiteral("Label5_0"), QRect(480, 3360, 975, 255), kOneLine},
        {QStringLiteral("Label3"), QRect(1920, 2880, 2175, 615), kWrapped},
        {QStringLiteral("Label5_1"), QRect(240, 4560, 1335, 255), kOneLine},
        {QStringLiteral("Label4"), QRect(1920, 4320, 2055, 975), kWrapped},
    },
};

const SymbologyLayout kEnglish{
    sizeFromTwips(6450, 5250),
    false,
    {
        {QStringLiteral("Label6"), QRect(360, 600, 1215, 255), kOneLine},
        {QStringLiteral("Label1"), QRect(1920, 360, 2175, 615), kWrapped},
        {QStringLiteral("Label7"), QRect(360, 1800, 1215, 255), kOneLine},
        {QStringLiteral("Label2"), QRect(1800, 1560, 2295, 735), kWrapped},
        {QStringLiteral("Label5_2"), QRect(720, 3120, 495, 255), kOneLine},
        {QStringLiteral("Label5_0"), QRect(600, 3360, 735, 255), kOneLine},
        {QStringLiteral("Label3"), QRect(1920, 2880, 2175, 615), kWrapped},
        {QStringLiteral("Label5_1"), QRect(360, 4560, 1215, 255), kOneLine},
        {QStringLiteral("Label4"), QRect(1920, 4320, 2055, 735), kWrapped},
    },
};
// clang-format on

} // namespace

const SymbologyLayout &symbologyLayout(Lang lang)
{
    return lang == Lang::Spanish ? kSpanish : kEnglish;
}

} // namespace tessaron
