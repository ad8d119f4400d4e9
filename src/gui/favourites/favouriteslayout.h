#pragma once

#include "core/texts/lang.h"
#include "gui/widgets/layoutrow.h"

#include <QSize>

#include <array>

namespace tessaron {

// Where the favourites window's controls stand, in twips, and how they look;
// the contents of a panel stand within their panel.
struct FavouritesLayout {
    QSize client;
    bool sizable; // the English twin's border can be resized; no control moves
    // One family's row in the by-name panel: its outline, its label and its
    // delete button.
    struct NameRow {
        OutlineRow outline;
        LayoutRow label;
        LayoutRow deleteButton;
    };

    LayoutRow title;
    LayoutRow figureLink;
    LayoutRow nameLink;
    LayoutRow figureMarker;
    LayoutRow nameMarker;
    // The three panels, one shown at a time, stand in the same place.
    LayoutRow figurePanel;
    LayoutRow namePanel;
    LayoutRow noEntriesPanel;
    // The by-figure panel.
    std::array<OutlineRow, 4> figureOutlines;
    std::array<LayoutRow, 4> lists;
    std::array<LayoutRow, 4> openButtons;
    // The by-name panel. The search prompt is as wide as the room up to the
    // search box, so it is never cut.
    LayoutRow searchPrompt;
    LayoutRow searchBox;
    LayoutRow searchButton;
    LayoutRow previous;
    LayoutRow next;
    std::array<NameRow, 4> nameRows;
    // The panel shown when the store has no entries; each twin's text has a
    // width of its own.
    LayoutRow noEntries;
};

[[nodiscard]] const FavouritesLayout &favouritesLayout(Lang lang);

} // namespace tessaron
