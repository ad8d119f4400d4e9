#pragma once

#include "core/coding/figurecoding.h"
#include "core/favourites/favouritescursor.h"
#include "core/favourites/favouritesstore.h"
#include "core/models/appcontext.h"
#include "core/models/familylistmodel.h"
#include "core/texts/favouritestexts.h"
#include "core/texts/lang.h"

#include <QObject>
#include <QString>

#include <array>
#include <functional>

namespace tessaron {

// The favourites window's rules, for one twin: its modes, the four figure-mode
// lists, the four name labels of name mode, searching, stepping name by name,
// opening and deleting, and the no-entries state that every store failure leads
// to. Each step is an indexed lookup on the store; only figure mode reads every
// row, in one query, and keeps only the names.
class FavouritesModel : public QObject {
    Q_OBJECT
public:
    enum class Mode { None, Figure, Name, NoEntries };

    // `window` is the window the model serves: its messages are modal to it.
    FavouritesModel(Lang lang, const AppContext &context, QObject *window);

    [[nodiscard]] const FavouritesTexts &texts() const { return m_texts; }
    [[nodiscard]] Mode mode() const { return m_mode; }
    // Name label n: the shown name, or "?".
    [[nodiscard]] QString label(Family family) const;
    // Figure-mode list n: the names saved in that family, in store order.
    [[nodiscard]] FamilyListModel *list(Family family) const;
    // Whether name label n shows a row this program could not have written.
    [[nodiscard]] bool labelDamaged(Family family) const;
    [[nodiscard]] QString helpFilePath() const;

    // The rest of the window's load: the program's directory becomes the current
    // one, and once the event loop runs the store is opened; a store that cannot
    // be opened is reported.
    void load();
    void enterFigureMode();
    void enterNameMode();
    // Open button n, with row `picked` of list n picked (-1 when none is).
    void openPicked(Family family, int picked);
    void search(const QString &text);
    // The next or the previous saved name, with the arrow buttons.
    enum class Step { Next, Previous };
    void step(Step direction);
    // A click on name label n.
    void openShown(Family family);
    // Delete button n: asks, then deletes the shown name's row of that family.
    void deleteShown(Family family);
    void help();

Q_SIGNALS:
    void modeChanged(Mode mode);
    void labelsChanged();
    // Name mode starts with an empty search box.
    void searchCleared();

private:
    // Runs a step on the store; a step that finds the store empty (false) and any
    // store failure lead to the no-entries state.
    void onStore(const std::function<bool()> &step);
    void setMode(Mode mode);
    void clearLabels();
    [[nodiscard]] bool displayEmpty() const;
    void fillForward();
    void fillBackward();
    void fill(bool forward);
    // Opens a row's address; a row this program could not have written is said
    // to be damaged and never opened.
    void open(Family family, const QString &name, bool damaged, Launch how);
    void setLabel(const StoredRow &row);

    Lang m_lang;
    const FavouritesTexts &m_texts;
    AppContext m_context;
    Mode m_mode = Mode::None;
    std::array<QString, 4> m_labels;
    std::array<bool, 4> m_labelDamaged{};
    std::array<FamilyListModel *, 4> m_lists{};
    FavouritesStore m_store;
    FavouritesCursor m_cursor;
};

} // namespace tessaron
