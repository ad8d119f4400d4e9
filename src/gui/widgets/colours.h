#pragma once

#include <QColor>
#include <QPalette>

class QWidget;

namespace tessaron {

// The program's palette: every colour a window gives its texts, labels and
// panels, named once.
inline const QColor kRed(255, 0, 0);
inline const QColor kDarkRed(128, 0, 0);
inline const QColor kBlue(0, 0, 255);
inline const QColor kDarkBlue(0, 0, 192);
inline const QColor kGreen(0, 128, 0);
inline const QColor kGrey(192, 192, 192);     // the symbology sheet's and main window's panels
inline const QColor kDarkGrey(128, 128, 128); // the symbology sheet's frames
inline const QColor kLightYellow(255, 255, 192);
inline const QColor kIconLine(0, 0, 160);   // the figures of the drawn icon
inline const QColor kIconDisc(30, 90, 200); // the disc behind them

// Gives a control a colour of its own for one role; an invalid colour leaves the
// control's own. A background colour is also painted (labels do not by default).
void setColour(QWidget *widget, QPalette::ColorRole role, const QColor &colour);

} // namespace tessaron
