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

// Where the main window's controls stand, in twips, and how they look, for one
// twin: the names and places that differ come from the twin's text table.
struct MainLayout {
    // A label whose caption never changes.
    struct Label {
        QString name;
        QString text;
        QRect twips;
        FontSpec font;
        Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
        QColor colour;     // of the text; invalid for the window's own
        QColor background; // invalid for none
    };
    struct Button {
        QString name;
        QRect twips;
    };
    // A figure label with the "www." and ".com" labels at its sides, which stand
    // over its edges: they are made after it.
    struct FigureRow {
        QRect label;
        Label www;
        Label com;
    };

    QRect client;
    // The English twin puts the name back into its box before it centres itself.
    bool nameBeforeCentring = false;
    QList<Label> labels;
    QRect nameBox;
    FontSpec nameBoxFont;
    // The plain-name label and the four figure labels share their looks.
    QRect plainLabel;
    std::array<FigureRow, 4> figureRows;
    FontSpec nameLabelFont;
    QColor nameLabelBackground;
    Button favourites;
    Button registers;
    Button symbology;
    std::array<Button, 4> saveButtons;
    std::array<FamilyOutline, 4> outlines; // pixels
};

[[nodiscard]] const MainLayout &mainLayout(Lang lang);

} // namespace tessaron
