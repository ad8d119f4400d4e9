#include "gui/compact/compactlayout.h"

#include "gui/widgets/colours.h"

namespace tessaron {

CompactLayout compactLayout(Lang lang, const CompactTexts &t)
{
    CompactLayout l;
    l.client = QSize(6555, 1170);
    const Look side{.font = FontSpec{9.75, true}};
    l.labels = {{
        {t.prefixName, QRect(240, 120, 735, 255), side, QStringLiteral("WWW.")},
        {QStringLiteral("Label2"), QRect(4680, 120, 615, 255), side, QStringLiteral(".COM")},
    }};
    l.nameBox = {t.boxName, QRect(1080, 120, 3495, 285), {.font = FontSpec{8.25}}};
    l.back = {QStringLiteral("Command1"),
              QRect(5400, 120, lang == Lang::Spanish ? 1095 : 975, 615)};
    l.inFront = {QStringLiteral("Check_VFlot"), QRect(5520, 840, 855, 195)};
    const Look tag{.background = kLightYellow};
    l.plainTag = {t.plainTagName, QRect(240, 720, 495, 255), tag};
    const std::array<int, 4> tagLefts{1200, 2280, 3360, 4560};
    for (std::size_t i = 0; i < l.tags.size(); ++i)
        l.tags[i] = {t.tagPrefix + QString::number(i + 1), QRect(tagLefts[i], 720, 495, 255), tag};
    const int width = 3;
    l.outlines = {{
        {Family::R, QRect(1080, 600, 735, 495), width},
        {Family::C, QRect(2160, 600, 735, 495), width},
        {Family::T, {}, width, {{3600, 480}, {4080, 1080}, {3120, 1080}}},
        {Family::P,
         {},
         width,
         {{4680, 600},
          {4920, 600},
          {5160, 720},
          {5160, 960},
          {4920, 1080},
          {4680, 1080},
          {4440, 960},
          {4440, 720}}},
    }};
    return l;
}

} // namespace tessaron
