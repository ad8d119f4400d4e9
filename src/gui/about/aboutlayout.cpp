#include "gui/about/aboutlayout.h"

namespace tessaron {

namespace {

AboutLayout layoutFor(int width, int legalNoticeHeight)
{
    AboutLayout l;
    l.client = QRect(0, 0, width, 5850);
    l.frameWidth = 2;
    l.frames = {QRect(120, 2160, 5415, 1215), QRect(120, 3600, 5415, 2175)};
    l.picture = QRect(840, 240, 1215, 1215);
    l.textFont = {9.75};
    l.description = {QStringLiteral("Label5"), QRect(240, 2400, 5175, 735)};
    l.legalNotice = {QStringLiteral("Label8"), QRect(360, 4680, 3255, legalNoticeHeight)};
    l.button = QRect(3840, 4920, 1455, 495);
    return l;
}

} // namespace

const AboutLayout &aboutLayout(Lang lang)
{
    static const AboutLayout spanish = layoutFor(5640, 1095);
    static const AboutLayout english = layoutFor(5730, 855);
    return lang == Lang::Spanish ? spanish : english;
}

} // namespace tessaron
