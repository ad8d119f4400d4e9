#include "gui/widgets/colours.h"

#include <QWidget>

namespace tessaron {

void setColour(QWidget *widget, QPalette::ColorRole role, const QColor &colour)
{
    if (!colour.isValid())
        return;
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
    if (role == QPalette::Window)
        widget->setAutoFillBackground(true);
}

} // namespace tessaron
