#include "gui/sheets/registerslayout.h"

#include "core/texts/sheettexts.h"
#include "gui/widgets/colours.h"

namespace tessaron {

namespace {

RegistersLayout layoutFor(Lang lang, QSize client, int top, const std::array<QRect, 4> &registers)
{
    RegistersLayout l;
    l.client = client;
    const int width = 2;
    l.outlines = {{
        {Family::R, QRect(120, 480 + top, 1215, 495), width},
        {Family::C, QRect(120, 1200 + top, 1215, 495), width},
        {Family::T, {}, width, {{720, 1920 + top}, {1320, 2400 + top}, {120, 2400 + top}}},
        {Family::P,
         {},
         width,
         {{480, 2760 + top},
          {960, 2760 + top},
          {1320, 2880 + top},
          {1320, 3000 + top},
          {960, 3120 + top},
          {480, 3120 + top},
          {120, 3000 + top},
          {120, 2880 + top}}},
    }};
    // One line at the designed size: a long register shows what fits its box,
    // and the page prints it in full.
    const Look registerLook{
        .font = FontSpec{11.25, true}, .text = kDarkBlue, .flow = TextFlow::OneLineKept};
    const QString &prefix = registersTexts(lang).labelPrefix;
    for (std::size_t i = 0; i < registers.size(); ++i)
        l.registers[i] = {prefix + QString::number(i + 1), registers[i], registerLook};
    const Look arrow{.alignment = Qt::AlignCenter};
    l.arrows = {{{QStringLiteral("Image1"), QRect(6000, 360, 480, 480), arrow},
                 {QStringLiteral("Image2"), QRect(6000, 1680, 480, 480), arrow}}};
    return l;
}

RegistersLayout spanishLayout()
{
    RegistersLayout l = layoutFor(Lang::Spanish, QSize(9135, 3570), 120,
                                  {QRect(1560, 720, 4455, 375), QRect(1560, 1440, 4335, 375),
                                   QRect(1560, 2160, 4335, 375), QRect(1560, 2880, 4455, 375)});
    // The heading stands out; the half of a sentence the reader must act on is
    // green, the rest black.
    const Look heading{.font = FontSpec{9.75, true, true, Face::Control}, .text = kRed};
    const FontSpec bold{8.25, true, false, Face::Control};
    const Look plain{.font = bold, .text = Qt::black, .flow = TextFlow::Wrapped};
    const Look emphasis{.font = bold, .text = kGreen, .flow = TextFlow::Wrapped};
    l.instructions = {
        {QStringLiteral("Label5"), QRect(6960, 0, 1815, 375), heading},
        {QStringLiteral("Label1"), QRect(6600, 480, 2415, 495), plain},
        {QStringLiteral("Label2"), QRect(6600, 960, 2175, 495), emphasis},
        {QStringLiteral("Label3"), QRect(6600, 1800, 2535, 495), plain},
        {QStringLiteral("Label4"), QRect(6600, 2280, 2415, 615), emphasis},
    };
    return l;
}

} // namespace

const RegistersLayout &registersLayout(Lang lang)
{
    static const RegistersLayout spanish = spanishLayout();
    static const RegistersLayout english =
        layoutFor(Lang::English, QSize(9105, 3450), 0,
                  {QRect(1560, 600, 7335, 375), QRect(1560, 1320, 7335, 375),
                   QRect(1560, 2040, 7335, 375), QRect(1560, 2760, 7335, 375)});
    return lang == Lang::Spanish ? spanish : english;
}

} // namespace tessaron
