#include "gui/widgets/windowplacement.h"

#include <QScreen>
#include <QWidget>

namespace tessaron {

void centreOnScreen(QWidget *window)
{
    const QScreen *screen = window->screen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    const QRect outer = window->frameGeometry();
    window->move(area.x() + (area.width() - outer.width()) / 2,
                 area.y() + (area.height() - outer.height()) / 2);
}

qreal screenRatio(const QWidget *widget)
{
    const QScreen *screen = widget->screen();
    return screen ? screen->devicePixelRatio() : 1.0;
}

} // namespace tessaron
