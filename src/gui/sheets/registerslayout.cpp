#include "gui/sheets/registerslayout.h"

#include "gui/widgets/colours.h"
#include "gui/widgets/twips.h"

namespace tessaron {

namespace {

RegistersLayout layoutFor(QSize clientTwips, int top, const std::array<QRect, 4> &registers)
{
    RegistersLayout l;
    l.client = sizeFromTwips(clientTwips.width(), clientTwips.height());
    const int width = 2;
    l.outlines = {{
        {Family::R, rectFromTwips(120, 480 + top, 1215, 495), width},
        {Family::C, rectFromTwips(120, 1200 + top, 1215, 495), width},
        {Family::T,
         {},
         width,
         polygonFromTwips({{720, 1920 + top}, {1320, 2400 + top}, {120, 2400 + top}})},
        {Family::P,
         {},
         width,
         polygonFromTwips({{480, 2760 + top},
                           {960, 2760 + top},
                           {1320, 2880 + top},
                           {1320, 3000 + top},
                           {960, 3120 + top},
                           {480, 3120 + top},
                           {120, 3000 + top},
                           {120, 2880 + top}})},
    }};
    l.registers = registers;
    l.registerFont = {11.25, true};
    l.registerColour = kDarkBlue;
    l.arrows = {QRect(6000, 360, 480, 480), QRect(6000, 1680, 480, 480)};
    return l;
}

RegistersLayout spanishLayout()
{
    using Style = RegistersLayout::Style;
    RegistersLayout l = layoutFor(QSize(9135, 3570), 120,
                                  {QRect(1560, 720, 4455, 375), QRect(1560, 1440, 4335, 375),
                                   QRect(1560, 2160, 4335, 375), QRect(1560, 2880, 4455, 375)});
    l.instructions = {
        {QStringLiteral("Label5"), QRect(6960, 0, 1815, 375), Style::Heading},
        {QStringLiteral("Label1"), QRect(6600, 480, 2415, 495)},
        {QStringLiteral("Label2"), QRect(6600, 960, 2175, 495), Style::Emphasis},
        {QStringLiteral("Label3"), QRect(6600, 1800, 2535, 495)},
        {QStringLiteral("Label4"), QRect(6600, 2280, 2415, 615), Style::Emphasis},
    };
    return l;
}

} // namespace

const RegistersLayout &registersLayout(Lang lang)
{
    static const RegistersLayout spanish = spanishLayout();
    static const RegistersLayout english =
        layoutFor(QSize(9105, 3450), 0,
                  {QRect(1560, 600, 7335, 375), QRect(1560, 1320, 7335, 375),
                   QRect(1560, 2040, 7335, 375), QRect(1560, 2760, 7335, 375)});
    return lang == Lang::Spanish ? spanish : english;
}

} // namespace tessaron
