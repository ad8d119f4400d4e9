#pragma once

#include "core/models/appcontext.h"
#include "core/texts/lang.h"
#include "core/texts/sheettexts.h"

#include <QMainWindow>

class QPainter;

namespace tessaron {

class SheetModel;

// What the two printed sheets share: a fixed window with no minimize or maximize
// button, one print command in its menu bar, F1 for its help topic and Escape to
// leave it. A sheet builds its client area and draws its page.
class SheetWindow : public QMainWindow {
    Q_OBJECT
public:
    SheetWindow(Lang lang, const AppContext &context, const SheetTexts &texts);

    // The printed page, as the print command draws it.
    virtual void drawPage(QPainter &painter, double dotsPerInch) const = 0;

protected:
    // Sizes the window to its client area (pixels) and centres it; once the
    // client is built.
    void place(QSize client);
    [[nodiscard]] Lang lang() const { return m_lang; }
    [[nodiscard]] SheetModel *model() const { return m_model; }

private:
    Lang m_lang;
    const SheetTexts &m_texts;
    SheetModel *m_model;
};

} // namespace tessaron
