#include "gui/sheets/symbologywindow.h"

#include "core/texts/sheettexts.h"
#include "gui/sheets/symbologypicture.h"

#include <QPainter>

namespace tessaron {

namespace {

// Logical pixels an inch: 1,440 twips at 15 twips a pixel.
constexpr double kPixelsPerInch = 96.0;

} // namespace

SymbologyWindow::SymbologyWindow(Lang lang, const AppContext &context)
    : SheetWindow(lang, context, symbologyTexts(lang)), m_picture(new SymbologyPicture(lang, this))
{
    setCentralWidget(m_picture);
    place(m_picture->size());
}

void SymbologyWindow::drawPage(QPainter &painter, double dotsPerInch) const
{
    painter.save();
    painter.scale(dotsPerInch / kPixelsPerInch, dotsPerInch / kPixelsPerInch);
    m_picture->drawPage(painter);
    painter.restore();
}

} // namespace tessaron
