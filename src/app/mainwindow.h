#pragma once

#include "appcontext.h"
#include "windowregistry.h"

#include "coding/figurecoding.h"
#include "favourites/favouritescursor.h"
#include "ui/lang.h"
#include "ui/mainwindowtexts.h"

#include <QMainWindow>

#include <array>

class QLineEdit;
class QMenu;
class QPushButton;

namespace tessaron {

class ClickableLabel;
class FigureCanvas;
class NameBox;

// The hub window, built for one language: `frmPrin_Cast` or `frmPrin_Ang`.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(Lang lang, const AppContext &context);

    // The help file this twin opens, with the program's directory.
    [[nodiscard]] QString helpFilePath() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void createMenus();
    void connectSignals();
    void load();

    void run(MainCommand command);
    // Opens another window and closes this one; stays when that window is not there.
    void navigate(WindowKind kind, Lang lang);
    void showCaption(const QString &caption);
    // Command4 to Command7: saves the figure address of one family.
    void saveFamily(Family family);
    [[nodiscard]] QString storePath() const;

    Lang m_lang;
    const MainWindowTexts &m_texts;
    AppContext m_context;
    FigureCanvas *m_canvas = nullptr;
    QLineEdit *m_nameBox = nullptr;
    NameBox *m_nameCheck = nullptr;
    ClickableLabel *m_plainLabel = nullptr;
    std::array<ClickableLabel *, 4> m_figureLabels{};
    std::array<QPushButton *, 4> m_saveButtons{};
    QPushButton *m_favourites = nullptr;
    QPushButton *m_registers = nullptr;
    QPushButton *m_symbology = nullptr;
    FavouritesCursor m_data1;
};

} // namespace tessaron
