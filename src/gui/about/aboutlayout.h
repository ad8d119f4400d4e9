#pragma once

#include "core/texts/lang.h"
#include "gui/widgets/layoutrow.h"

#include <QSize>

#include <array>

namespace tessaron {

// Where the About window's controls stand, in twips, and how they look. The
// twins differ in the window's width and the legal notice's height.
struct AboutLayout {
    QSize client;
    int frameWidth; // pixels
    std::array<LayoutRow, 2> frames;
    LayoutRow picture;
    LayoutRow description;
    LayoutRow legalNotice;
    LayoutRow button;
};

[[nodiscard]] const AboutLayout &aboutLayout(Lang lang);

} // namespace tessaron
