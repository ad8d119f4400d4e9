#include "gui/about/aboutlayout.h"

namespace tessaron {

namespace {

AboutLayout layoutFor(int width, int legalNoticeHeight)
{
    const Look text{.font = FontSpec{9.75},
                    .alignment = Qt::AlignHCenter | Qt::AlignTop,
                    .flow = TextFlow::Wrapped};
    return {
        .client = QSize(width, 5850),
        .frameWidth = 2,
        .frames = {{{{}, QRect(120, 2160, 5415, 1215)}, {{}, QRect(120, 3600, 5415, 2175)}}},
        .picture = {QStringLiteral("Picture1"),
                    QRect(840, 240, 1215, 1215),
                    {.alignment = Qt::AlignLeft | Qt::AlignTop}},
        .description = {QStringLiteral("Label5"), QRect(240, 2400, 5175, 735), text},
        .legalNotice = {QStringLiteral("Label8"), QRect(360, 4680, 3255, legalNoticeHeight), text},
        .button = {QStringLiteral("Command1"), QRect(3840, 4920, 1455, 495)},
    };
}

} // namespace

const AboutLayout &aboutLayout(Lang lang)
{
    static const AboutLayout spanish = layoutFor(5640, 1095);
    static const AboutLayout english = layoutFor(5730, 855);
    return lang == Lang::Spanish ? spanish : english;
}

} // namespace tessaron
