#pragma once

#include "core/texts/lang.h"
#include "gui/widgets/layoutrow.h"

#include <QList>
#include <QSize>

#include <array>

namespace tessaron {

// Where the registers window's figures, registers, instructions and arrows
// stand, in twips, and how they look. The Spanish twin's figures stand 120 twips
// lower, and its registers are narrower, to leave room for its instructions.
// An instruction's row is named as its words are.
struct RegistersLayout {
    QSize client;
    std::array<OutlineRow, 4> outlines;
    std::array<LayoutRow, 4> registers;
    QList<LayoutRow> instructions; // with the arrows, only where there are any
    std::array<LayoutRow, 2> arrows;
};

[[nodiscard]] const RegistersLayout &registersLayout(Lang lang);

} // namespace tessaron
