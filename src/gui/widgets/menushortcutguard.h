#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>

class QWidget;

namespace tessaron {

// Lets a window's menu shortcuts win over a text box's own key bindings. On X11
// a line edit takes Ctrl+E (end of line) for itself, which would keep Ctrl+E from
// ending the program while the name box has the focus.
class MenuShortcutGuard : public QObject {
    Q_OBJECT
public:
    // Guards `box`; the shortcuts are those the actions inside `window` have now.
    MenuShortcutGuard(QWidget *box, QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Read once: the check then runs on every key press without walking the window.
    QList<QKeySequence> m_shortcuts;
};

} // namespace tessaron
