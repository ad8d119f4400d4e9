#pragma once

#include <QColor>
#include <QPalette>

class QWidget;

namespace tessaron {

// Gives a control a colour of its own for one role; an invalid colour leaves the
// control's own. A background colour is also painted (labels do not by default).
void setColour(QWidget *widget, QPalette::ColorRole role, const QColor &colour);

} // namespace tessaron
