#pragma once

#include "core/texts/compacttexts.h"
#include "core/texts/lang.h"
#include "gui/widgets/layoutrow.h"

#include <QSize>

#include <array>

namespace tessaron {

// Where the compact window's controls stand, in twips, and how they look; the
// names that differ between the twins come from their texts.
struct CompactLayout {
    QSize client;
    std::array<LayoutRow, 2> labels; // "WWW." and ".COM"
    LayoutRow nameBox;
    LayoutRow back;
    LayoutRow inFront;
    LayoutRow plainTag;
    std::array<LayoutRow, 4> tags;
    std::array<OutlineRow, 4> outlines;
};

[[nodiscard]] CompactLayout compactLayout(Lang lang, const CompactTexts &t);

} // namespace tessaron
