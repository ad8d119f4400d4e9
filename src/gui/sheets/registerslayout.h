#pragma once

#include "core/texts/lang.h"
#include "gui/widgets/figurecanvas.h"
#include "gui/widgets/fonts.h"

#include <QColor>
#include <QList>
#include <QRect>
#include <QString>

#include <array>

namespace tessaron {

// Where the registers window's figures, registers, instructions and arrows
// stand, in twips, and how they look. The Spanish twin's figures stand 120 twips
// lower, and its registers are narrower, to leave room for its instructions.
struct RegistersLayout {
    // How an instruction stands out: a heading, the plain text, or the half of a
    // sentence that the reader must act on.
    enum class Style { Plain, Heading, Emphasis };
    struct Instruction {
        QString name; // its text's
        QRect twips;
        Style style = Style::Plain;
    };

    QSize client;                          // pixels
    std::array<FamilyOutline, 4> outlines; // pixels
    std::array<QRect, 4> registers;
    FontSpec registerFont;
    QColor registerColour;
    QList<Instruction> instructions; // with the arrows, only where there are any
    std::array<QRect, 2> arrows;
};

[[nodiscard]] const RegistersLayout &registersLayout(Lang lang);

} // namespace tessaron
