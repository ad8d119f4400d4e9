#pragma once

#include "core/coding/figurecoding.h"
#include "core/favourites/favouritescursor.h"
#include "core/favourites/favouritesstore.h"
#include "core/models/appcontext.h"
#include "core/models/nameentry.h"
#include "core/models/navigator.h"
#include "core/texts/lang.h"
#include "core/texts/mainwindowtexts.h"

#include <QObject>

namespace tessaron {

// The main window's rules, for one twin: the current name and the captions
// derived from it, the label clicks, the save buttons, the registers and the
// menu commands. The window binds its controls to it and decides nothing.
class MainModel : public QObject {
    Q_OBJECT
public:
    // `window` is the window the model serves: its messages are modal to it.
    MainModel(Lang lang, const AppContext &context, QObject *window);

    [[nodiscard]] Lang lang() const { return m_lang; }
    [[nodiscard]] const MainWindowTexts &texts() const { return m_texts; }
    [[nodiscard]] NameEntry &nameEntry() { return *m_nameEntry; }
    // What the plain-name label and the four figure labels show.
    [[nodiscard]] QString caption() const { return m_nameEntry->caption(); }
    // The name the window's box is given when it loads.
    [[nodiscard]] const QString &startName() const;
    [[nodiscard]] QString helpFilePath() const;

    // The rest of the window's load: the program's directory becomes the current
    // one, and once the event loop runs the favourites store is opened without
    // waiting; a store that cannot be opened is reported, and the window stays
    // usable (a save tries the store again).
    void load();

    // A click on a figure label, or on the plain-name label: opens the address
    // in the browser. Nothing happens while the labels show no name.
    void openFigureAddress(Family family);
    void openPlainAddress();
    // A save button: keeps the family's figure address as a favourite and says how it went.
    void save(Family family);
    // A menu item or a button.
    void run(MainCommand command);
    // F1 on a highlighted menu item; topic 0 is the contents.
    void helpOnMenuItem(int topic);

Q_SIGNALS:
    // The window must close: the user went to another window.
    void closeRequested();
    // The store is in use and may keep the window waiting (true), or no longer (false).
    void storeBusy(bool busy);

private:
    void launch(const QString &address);
    // Opens another window and closes this one; stays when that window is not there.
    void navigate(WindowKind kind, Lang lang);

    Lang m_lang;
    const MainWindowTexts &m_texts;
    AppContext m_context;
    NameEntry *m_nameEntry;
    FavouritesStore m_store;
    FavouritesCursor m_cursor;
};

} // namespace tessaron
