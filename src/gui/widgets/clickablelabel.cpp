#include "gui/widgets/clickablelabel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace tessaron {

ClickableLabel::ClickableLabel(QWidget *parent) : ClickableLabel(QString(), parent) {}

ClickableLabel::ClickableLabel(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    setFocusPolicy(Qt::TabFocus);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
    QLabel::mouseReleaseEvent(event);
}

void ClickableLabel::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if ((event->modifiers() & ~Qt::KeyboardModifiers(Qt::KeypadModifier)) != Qt::NoModifier)
            break;
        event->accept();
        // A held key acts once, as one click does.
        if (!event->isAutoRepeat())
            Q_EMIT clicked();
        return;
    default:
        break;
    }
    QLabel::keyPressEvent(event);
}

void ClickableLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // Drawn by hand rather than by the style: some styles show a focus frame only
    // after a key press, and a label that was given the focus must show it at once.
    QPainter painter(this);
    painter.setPen(QPen(palette().color(foregroundRole()), 1, Qt::DotLine));
    painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}

} // namespace tessaron
