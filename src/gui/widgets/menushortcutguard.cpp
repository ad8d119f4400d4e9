#include "gui/widgets/menushortcutguard.h"

#include <QAction>
#include <QKeyEvent>
#include <QWidget>

namespace tessaron {

MenuShortcutGuard::MenuShortcutGuard(QWidget *box, QWidget *window) : QObject(box)
{
    for (const QAction *action : window->findChildren<QAction *>()) {
        if (!action->shortcut().isEmpty())
            m_shortcuts << action->shortcut();
    }
    box->installEventFilter(this);
}

bool MenuShortcutGuard::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::ShortcutOverride)
        return QObject::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    const QKeySequence pressed(key->keyCombination());
    for (const QKeySequence &shortcut : std::as_const(m_shortcuts)) {
        if (shortcut.matches(pressed) == QKeySequence::ExactMatch) {
            // Not accepted: the shortcut goes to the menu item instead of the box.
            event->ignore();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tessaron
