#pragma once

#include "gui/sheets/sheetwindow.h"

namespace tessaron {

class SymbologyPicture;

// The symbology sheet, built for one language: `frmSimb_Cast` or `frmSimb_Ang`.
// It shows how a name is written into each figure family and prints itself.
// However it closes, it says so, and the application shows the main window of
// its language.
class SymbologyWindow : public SheetWindow {
    Q_OBJECT
public:
    SymbologyWindow(Lang lang, const AppContext &context);

    // The printed page: the client area at its own size, 1,440 twips an inch.
    void drawPage(QPainter &painter, double dotsPerInch) const override;

private:
    SymbologyPicture *m_picture;
};

} // namespace tessaron
