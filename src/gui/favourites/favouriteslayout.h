#pragma once

#include "core/texts/lang.h"
#include "gui/widgets/figurecanvas.h"
#include "gui/widgets/fonts.h"

#include <QColor>
#include <QPolygon>
#include <QRect>
#include <QSize>
#include <QString>

#include <array>

namespace tessaron {

// Where the favourites window's controls stand, in twips, and how they look;
// the contents of a panel stand within their panel.
struct FavouritesLayout {
    QSize client; // pixels
    bool sizable; // the English twin's border can be resized; no control moves
    struct Label {
        QString name;
        QRect twips;
        FontSpec font;
        QColor colour; // of the text; invalid for the window's own
    };
    struct Place {
        QString name;
        QRect twips;
    };
    // One family's row in the by-name panel: its outline, its label and its
    // delete button.
    struct NameRow {
        QRect outline;
        QRect label;
        Place deleteButton;
    };

    Label title;
    Place figureLink;
    Place nameLink;
    FontSpec linkFont;
    QColor linkColour;
    Place figureMarker;
    Place nameMarker;
    QRect panel;
    // The by-figure panel.
    std::array<FamilyOutline, 4> figureOutlines; // pixels
    std::array<QRect, 4> lists;
    std::array<QRect, 4> openButtons;
    // The by-name panel. The search prompt is as wide as the room up to the
    // search box, so it is never cut.
    Label searchPrompt;
    Place searchBox;
    Place searchButton;
    Place previous;
    Place next;
    int rowOutlineWidth;
    std::array<NameRow, 4> nameRows;
    FontSpec nameLabelFont;
    QColor nameLabelBackground;
    // The panel shown when the store has no entries; each twin's text has a
    // width of its own.
    QRect noEntries;
    FontSpec noEntriesFont;
    QColor noEntriesColour;
};

[[nodiscard]] const FavouritesLayout &favouritesLayout(Lang lang);

} // namespace tessaron
