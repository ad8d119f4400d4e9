#pragma once

#include "gui/sheets/sheetwindow.h"

#include <array>

class QLabel;

namespace tessaron {

// The domain registers sheet, built for one language: `frmReg_Cast` or
// `frmReg_Ang`. It shows the registers the main window left in the shared texts
// and prints them. However it closes, it says so, and the application shows the
// main window of its language.
class RegistersWindow : public SheetWindow {
    Q_OBJECT
public:
    RegistersWindow(Lang lang, const AppContext &context);

    void drawPage(QPainter &painter, double dotsPerInch) const override;

private:
    void createControls();
    void createInstructions(QWidget *client);

    std::array<QLabel *, 4> m_registers{};
    QList<QWidget *> m_instructions; // the Spanish twin's panel, in reading order
};

} // namespace tessaron
