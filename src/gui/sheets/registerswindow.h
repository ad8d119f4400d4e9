#pragma once

#include "core/models/appcontext.h"
#include "core/texts/lang.h"

#include <QMainWindow>

#include <array>

class QLabel;

namespace tessaron {

class SheetModel;

// The domain registers sheet, built for one language: `frmReg_Cast` or
// `frmReg_Ang`. It shows the registers the main window left in the shared texts
// and prints them. However it closes, it says so, and the application shows the
// main window of its language.
class RegistersWindow : public QMainWindow {
    Q_OBJECT
public:
    RegistersWindow(Lang lang, const AppContext &context);

    // The printed page, as the print command draws it.
    void drawPage(QPainter &painter, double dotsPerInch) const;

Q_SIGNALS:
    void closed(Lang lang);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void createInstructions(QWidget *client);

    Lang m_lang;
    SheetModel *m_model;
    std::array<QLabel *, 4> m_registers{};
};

} // namespace tessaron
