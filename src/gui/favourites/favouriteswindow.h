#pragma once

#include "core/models/appcontext.h"
#include "core/models/favouritesmodel.h"
#include "core/texts/lang.h"

#include <QMainWindow>

#include <array>

class QAction;
class QComboBox;
class QCursor;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tessaron {

class ClickableLabel;
class FigureCanvas;

// The favourites window, built for one language: `frmbdd` or `frmdb`. Its rules
// are the model's; the window places the controls and shows the model's state.
class FavouritesWindow : public QMainWindow {
    Q_OBJECT
public:
    FavouritesWindow(Lang lang, const AppContext &context);

private:
    void createControls();
    void createFigurePanel();
    // The links and the name labels share one pointer, drawn for the screen.
    void createNamePanel(const QCursor &hand);
    void createNoEntriesPanel();
    void createMenus();
    void connectSignals();
    void load();
    void showMode(FavouritesModel::Mode mode);
    void showLabels();
    // The names the rows show, with their families, as screen readers are told.
    [[nodiscard]] QString spokenShownNames() const;

    Lang m_lang;
    FavouritesModel *m_model;
    QWidget *m_client = nullptr;
    ClickableLabel *m_figureLink = nullptr;
    ClickableLabel *m_nameLink = nullptr;
    QWidget *m_figureMarker = nullptr;
    QWidget *m_nameMarker = nullptr;
    FigureCanvas *m_figurePanel = nullptr;
    FigureCanvas *m_namePanel = nullptr;
    QWidget *m_noEntriesPanel = nullptr;
    QLabel *m_noEntries = nullptr;
    std::array<QComboBox *, 4> m_lists{};
    std::array<QPushButton *, 4> m_openButtons{};
    QLineEdit *m_searchBox = nullptr;
    QPushButton *m_searchButton = nullptr;
    QPushButton *m_previous = nullptr;
    QPushButton *m_next = nullptr;
    std::array<ClickableLabel *, 4> m_nameLabels{};
    std::array<QPushButton *, 4> m_deleteButtons{};
    QAction *m_figureItem = nullptr;
    QAction *m_nameItem = nullptr;
};

} // namespace tessaron
