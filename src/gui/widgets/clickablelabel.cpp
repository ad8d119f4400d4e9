#include "gui/widgets/clickablelabel.h"

#include "core/coding/namecheck.h"
#include "gui/widgets/accessibility.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace tessaron {

namespace {

// What assistive technology sees of a label that acts: a link, named by what it
// shows and its context, with a press action that does what a click does, for
// screen readers that activate without moving the focus.
class AccessibleClickableLabel : public QAccessibleWidget {
public:
    explicit AccessibleClickableLabel(ClickableLabel *label)
        : QAccessibleWidget(label, QAccessible::Link)
    {
    }

    // A label that holds no name opens nothing: it is read as the plain text it
    // is, without the description of what it would open.
    QAccessible::Role role() const override
    {
        return label()->holdsNoName() ? QAccessible::StaticText : QAccessible::Link;
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return label()->spokenName();
        if (t == QAccessible::Description && label()->holdsNoName())
            return {};
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = label()->isChoice();
        state.checked = label()->isCurrent();
        return state;
    }

    QStringList actionNames() const override
    {
        if (label()->holdsNoName())
            return QAccessibleWidget::actionNames();
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &actionName) override
    {
        if (actionName == pressAction()) {
            if (!label()->holdsNoName())
                Q_EMIT label()->clicked();
        } else {
            QAccessibleWidget::doAction(actionName);
        }
    }

private:
    ClickableLabel *label() const { return static_cast<ClickableLabel *>(widget()); }
};

QAccessibleInterface *accessibleFor(QObject *label)
{
    return new AccessibleClickableLabel(static_cast<ClickableLabel *>(label));
}

} // namespace

ClickableLabel::ClickableLabel(QWidget *parent) : ClickableLabel(QString(), parent) {}

ClickableLabel::ClickableLabel(const QString &text, QWidget *parent) : QLabel(parent)
{
    // Before anything is set: the first question about the label makes its
    // interface, and Qt keeps it for the label's life.
    addAccessibleInterface(ClickableLabel::staticMetaObject.className(), accessibleFor);
    // These labels show names, some read from a store that anyone may have written:
    // always as the text they are, never as markup that Qt would guess at.
    setTextFormat(Qt::PlainText);
    setText(text);
    setFocusPolicy(Qt::TabFocus);
}

void ClickableLabel::setSpokenContext(const QString &context, const QString &noName)
{
    m_context = context;
    m_noName = noName;
    QAccessibleEvent event(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

QString ClickableLabel::spokenName() const
{
    if (!accessibleName().isEmpty())
        return accessibleName();
    const QString shown = holdsNoName() ? m_noName : text();
    if (m_context.isEmpty())
        return shown;
    if (shown.isEmpty())
        return m_context;
    return shown + QStringLiteral(", ") + m_context;
}

bool ClickableLabel::holdsNoName() const
{
    return !m_noName.isEmpty() && text() == kNoNameCaption;
}

void ClickableLabel::setCurrent(bool current)
{
    m_choice = true;
    if (m_current == current)
        return;
    m_current = current;
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) &&
        !holdsNoName())
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
        if (!event->isAutoRepeat() && !holdsNoName())
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
