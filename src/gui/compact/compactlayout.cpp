#include "gui/compact/compactlayout.h"

#include "gui/widgets/colours.h"
#include "gui/widgets/twips.h"

namespace tessaron {

CompactLayout compactLayout(Lang lang, const CompactTexts &t)
{
    CompactLayout l;
    l.client = QRect(0, 0, 6555, 1170);
    // clang-format off
    l.labels = {{
        {t.prefixName, QStringLiteral("WWW."), QRect(240, 120, 735, 255), {9.75, true}},
        {QStringLiteral("Label2"), QStringLiteral(".COM"), QRect(4680, 120, 615, 255), {9.75, true}},
    }};
    // clang-format on
    l.nameBox = QRect(1080, 120, 3495, 285);
    l.nameBoxFont = {8.25};
    l.back = QRect(5400, 120, lang == Lang::Spanish ? 1095 : 975, 615);
    l.inFront = QRect(5520, 840, 855, 195);
    l.plainTag = {t.plainTagName, QRect(240, 720, 495, 255)};
    const std::array<int, 4> tagLefts{1200, 2280, 3360, 4560};
    for (std::size_t i = 0; i < l.tags.size(); ++i)
        l.tags[i] = {t.tagPrefix + QString::number(i + 1), QRect(tagLefts[i], 720, 495, 255)};
    l.tagBackground = kLightYellow;
    const int width = 3;
    l.outlines = {{
        {Family::R, rectFromTwips(1080, 600, 735, 495), width},
        {Family::C, rectFromTwips(2160, 600, 735, 495), width},
        {Family::T, {}, width, polygonFromTwips({{3600, 480}, {4080, 1080}, {3120, 1080}})},
        {Family::P,
         {},
         width,
         polygonFromTwips({{4680, 600},
                           {4920, 600},
                           {5160, 720},
                           {5160, 960},
                           {4920, 1080},
                           {4680, 1080},
                           {4440, 960},
                           {4440, 720}})},
    }};
    return l;
}

} // namespace tessaron
