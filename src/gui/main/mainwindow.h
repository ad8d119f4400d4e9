#pragma once

#include "core/models/appcontext.h"
#include "core/texts/lang.h"
#include "core/texts/mainwindowtexts.h"

#include <QMainWindow>

#include <array>

class QLineEdit;
class QPushButton;

namespace tessaron {

class ClickableLabel;
class FigureCanvas;
class MainModel;

// The hub window, built for one language: `frmPrin_Cast` or `frmPrin_Ang`. Its
// rules are the model's; the window builds its controls from the layout and
// text tables and binds them to the model.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(Lang lang, const AppContext &context);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void createMenus();
    void connectSignals();
    void load();
    void showCaption(const QString &caption);

    Lang m_lang;
    MainModel *m_model;
    FigureCanvas *m_canvas = nullptr;
    QLineEdit *m_nameBox = nullptr;
    ClickableLabel *m_plainLabel = nullptr;
    std::array<ClickableLabel *, 4> m_figureLabels{};
    std::array<QPushButton *, 4> m_saveButtons{};
    QPushButton *m_favourites = nullptr;
    QPushButton *m_registers = nullptr;
    QPushButton *m_symbology = nullptr;
};

} // namespace tessaron
