#pragma once

#include "core/texts/lang.h"

#include <QList>
#include <QString>

namespace tessaron {

// What a main-window menu item does.
enum class MainCommand {
    None, // a menu title or a separator
    Symbology,
    Registers,
    Favourites,
    Compact,
    Exit,
    OtherLanguage,
    HelpContents,
    HelpIndex,
    About,
};

struct MenuItemSpec {
    QString caption; // "-" is a separator
    QString name;
    MainCommand command = MainCommand::None;
    QString shortcut;  // in QKeySequence's portable text, e.g. "Ctrl+F"
    int helpTopic = 0; // the topic F1 opens while the item is highlighted; 0 for none
};

struct MenuSpec {
    QString caption;
    QString name;
    QList<MenuItemSpec> items;
};

// The texts and control names of one main-window twin; the layout they share
// lives with the window.
struct MainWindowTexts {
    QString windowName;
    QString caption;
    QString helpFile;
    QString titleName;
    QString nameBoxName;
    QString nameBoxAccessibleName;
    QString plainLabelName;
    QString plainWwwName;
    QString plainComName;
    QString figureLabelPrefix; // + 1..4
    QString favouritesCaption;
    QString favouritesTip;
    QString registersCaption;
    QString registersTip;
    QString symbologyTip;
    QString saveCaption;
    QString saveTip;
    QString noAddress;    // a save while the labels show no name
    QString saved;        // a save that stored its row
    QString alreadySaved; // a save of an address the store already holds
    QString saveFailed;   // a save that failed for another reason
    QList<MenuSpec> menus;
};

[[nodiscard]] const MainWindowTexts &mainWindowTexts(Lang lang);

} // namespace tessaron
