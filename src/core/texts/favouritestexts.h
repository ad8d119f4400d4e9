#pragma once

#include "core/launch.h"
#include "core/texts/lang.h"

#include <QString>

#include <array>

namespace tessaron {

// The texts, control names and twin differences of one favourites-window twin.
struct FavouritesTexts {
    QString windowName; // frmbdd, frmdb
    QString caption;
    QString helpFile;
    int helpTopic;
    QString figureLink;
    QString nameLink;
    QString openButton;
    QString searchPrompt;
    QString searchButton;
    QString searchTip;
    QString searchBoxName; // for screen readers
    QString previousTip;
    QString nextTip;
    QString deleteTip;
    QString noEntries;
    QString menu;
    QString menuName;
    QString figureItem;
    QString nameItem;
    QString exitItem;
    QString exitName;
    QString exitShortcut;
    // Open button 1 of the English twin ends its message with a full stop; 2 to 4 do not.
    std::array<QString, 4> nothingPicked;
    QString emptySearch;
    QString noMatch;
    QString deleteQuestion;
    // A stored row this program could not have written, with its name for %1.
    QString damagedRow;
    // A file dropped on the window: %1 its name. The result: %1 the file, %2 rows
    // added, %3 there already, %4 left out, %5 links to other pages; then, when
    // rows were left out, the line before the ones that name them.
    QString importQuestion;
    QString importDone;
    QString importLeftOut;
    QString importNothing;   // %1 the file; the reason follows
    Launch openButtonLaunch; // Command1 to Command4
    Launch nameLabelLaunch;  // lbladreca1 to lbladreca4
};

[[nodiscard]] const FavouritesTexts &favouritesTexts(Lang lang);

} // namespace tessaron
