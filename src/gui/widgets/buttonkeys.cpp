#include "gui/widgets/buttonkeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>

namespace tessaron {

namespace {

class ButtonKeys : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            return false;
        // Keys with Ctrl, Alt or Shift belong to shortcuts, not to the button.
        if ((key->modifiers() & ~Qt::KeyboardModifiers(Qt::KeypadModifier)) != Qt::NoModifier)
            return false;
        auto *button = qobject_cast<QPushButton *>(watched);
        if (!button || !button->isEnabled() || !button->isVisible())
            return false;
        // A held key presses once, as one press of Space does.
        if (!key->isAutoRepeat())
            button->click();
        return true;
    }
};

} // namespace

void installButtonKeys()
{
    static QObject *filter = [] {
        auto *keys = new ButtonKeys(qApp);
        qApp->installEventFilter(keys);
        return keys;
    }();
    Q_UNUSED(filter);
}

} // namespace tessaron
