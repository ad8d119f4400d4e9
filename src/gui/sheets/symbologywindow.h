#pragma once

#include "core/models/appcontext.h"
#include "core/texts/lang.h"

#include <QMainWindow>

namespace tessaron {

class SheetModel;
class SymbologyPicture;

// The symbology sheet, built for one language: `frmSimb_Cast` or `frmSimb_Ang`.
// It shows how a name is written into each figure family and prints itself.
// However it closes, it says so, and the application shows the main window of
// its language.
class SymbologyWindow : public QMainWindow {
    Q_OBJECT
public:
    SymbologyWindow(Lang lang, const AppContext &context);

    // The printed page: the client area at its own size, 1,440 twips an inch.
    void drawPage(QPainter &painter, double dotsPerInch) const;

Q_SIGNALS:
    void closed(Lang lang);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    Lang m_lang;
    SheetModel *m_model;
    SymbologyPicture *m_picture;
};

} // namespace tessaron
