#include "gui/widgets/clickablelabel.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace tessaron {

namespace {

// What assistive technology sees of a label that acts: still a label (a picture
// while it shows one), read by the text it shows, with a press action that does
// what a click does, for screen readers that activate without moving the focus.
class AccessibleClickableLabel : public QAccessibleWidget {
public:
    explicit AccessibleClickableLabel(ClickableLabel *label) : QAccessibleWidget(label) {}

    QAccessible::Role role() const override
    {
        return label()->pixmap().isNull() ? QAccessible::StaticText : QAccessible::Graphic;
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && label()->accessibleName().isEmpty())
            return label()->text();
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override
    {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &actionName) override
    {
        if (actionName == pressAction())
            Q_EMIT label()->clicked();
        else
            QAccessibleWidget::doAction(actionName);
    }

private:
    ClickableLabel *label() const { return static_cast<ClickableLabel *>(widget()); }
};

QAccessibleInterface *accessibleFor(const QString &className, QObject *object)
{
    if (className == QLatin1String(ClickableLabel::staticMetaObject.className()))
        return new AccessibleClickableLabel(static_cast<ClickableLabel *>(object));
    return nullptr;
}

} // namespace

ClickableLabel::ClickableLabel(QWidget *parent) : ClickableLabel(QString(), parent) {}

ClickableLabel::ClickableLabel(const QString &text, QWidget *parent) : QLabel(parent)
{
    // These labels show names, some read from a store that anyone may have written:
    // always as the text they are, never as markup that Qt would guess at.
    setTextFormat(Qt::PlainText);
    setText(text);
    setFocusPolicy(Qt::TabFocus);
    static const bool installed = [] {
        QAccessible::installFactory(accessibleFor);
        return true;
    }();
    Q_UNUSED(installed);
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
