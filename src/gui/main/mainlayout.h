#pragma once

#include "core/texts/lang.h"
#include "gui/widgets/layoutrow.h"

#include <QList>
#include <QSize>

#include <array>

namespace tessaron {

// Where the main window's controls stand, in twips, and how they look, for one
// twin: the names that differ come from the twin's text table.
struct MainLayout {
    // A figure label with the "www." and ".com" labels at its sides, which stand
    // over its edges: they are made after it.
    struct FigureRow {
        LayoutRow label;
        LayoutRow www;
        LayoutRow com;
    };

    QSize client;
    // The English twin puts the name back into its box before it centres itself.
    bool nameBeforeCentring = false;
    QList<LayoutRow> labels; // captions that never change
    LayoutRow nameBox;
    LayoutRow plainLabel;
    std::array<FigureRow, 4> figureRows;
    LayoutRow favourites;
    LayoutRow registers;
    LayoutRow symbology;
    std::array<LayoutRow, 4> saveButtons;
    std::array<OutlineRow, 4> outlines;
};

[[nodiscard]] const MainLayout &mainLayout(Lang lang);

} // namespace tessaron
