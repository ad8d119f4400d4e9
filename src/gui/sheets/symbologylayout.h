#pragma once

#include "core/texts/lang.h"
#include "gui/widgets/layoutrow.h"

#include <QList>
#include <QSize>

#include <array>

namespace tessaron {

// Where the symbology sheet's figures, texts and boxes of examples stand, in
// twips. The texts come in reading order: row by row, the example inside the
// figure, then its explanation; the triangle's example is two lines, "www."
// above the name. The examples keep to one line, the explanations wrap. A
// text's row is named as its words are.
struct SymbologyLayout {
    QSize client;
    bool greyBackground; // else the button face
    std::array<OutlineRow, 4> outlines;
    QList<LayoutRow> texts;
    std::array<LayoutRow, 4> pictures; // the white boxes of examples, by family
};

[[nodiscard]] const SymbologyLayout &symbologyLayout(Lang lang);

} // namespace tessaron
