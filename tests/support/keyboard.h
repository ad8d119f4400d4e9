#pragma once

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QHash>
#include <QStringList>
#include <QTest>
#include <QWidget>

// The object names of the controls Tab visits in `window`, from the one with the
// focus round to it again (that one first). Stops after 50 steps, so a chain
// that never comes back shows as a long list.
inline QStringList tabCycle(QWidget *window)
{
    QApplication::setActiveWindow(window);
    QWidget *start = QApplication::focusWidget();
    if (!start || start->window() != window)
        return {QStringLiteral("<no focus in the window>")};
    QStringList names{start->objectName()};
    for (int step = 0; step < 50; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget *now = QApplication::focusWidget();
        if (now == start)
            break;
        names << (now ? now->objectName() : QStringLiteral("<none>"));
    }
    return names;
}

// What assistive technology reads as a control's name.
inline QString accessibleName(QWidget *widget)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
    return iface ? iface->text(QAccessible::Name) : QString();
}

// The names that two or more buttons of `window` that Tab can reach share.
inline QStringList sharedButtonNames(QWidget *window)
{
    QHash<QString, int> uses;
    const QList<QAbstractButton *> buttons = window->findChildren<QAbstractButton *>();
    for (QAbstractButton *button : buttons) {
        if (button->isVisibleTo(window) && (button->focusPolicy() & Qt::TabFocus))
            ++uses[accessibleName(button)];
    }
    QStringList shared;
    for (auto it = uses.cbegin(); it != uses.cend(); ++it) {
        if (it.value() > 1)
            shared << it.key();
    }
    return shared;
}

// Presses `key` on `widget` as the user would: the widget has the focus first.
inline void pressOn(QWidget *widget, Qt::Key key)
{
    widget->setFocus(Qt::TabFocusReason);
    QTest::keyClick(widget, key);
}
