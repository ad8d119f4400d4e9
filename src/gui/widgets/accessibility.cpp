#include "gui/widgets/accessibility.h"

#include "core/accessibility/textsegments.h"
#include "gui/widgets/accessiblelineedit.h"
#include "gui/widgets/announcer.h"
#include "gui/widgets/namedcombobox.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QItemSelectionModel>
#include <QLineEdit>

#include <algorithm>

namespace tessaron {

namespace {

// A drop-down list: named as it was named, valued by its pick, and with the list
// it drops as its one child, as Qt's own list has. The pick is also its text,
// which is where screen readers such as Orca read a list's value from.
class AccessibleNamedComboBox : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit AccessibleNamedComboBox(NamedComboBox *list)
        : QAccessibleWidget(list, QAccessible::ComboBox)
    {
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // The pick, read as a text that cannot be edited or selected.
    void selection(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override
    {
        const QString pick = list()->currentText();
        const int start = std::clamp(startOffset, 0, int(pick.size()));
        const int end =
            endOffset < 0 ? int(pick.size()) : std::clamp(endOffset, start, int(pick.size()));
        return pick.mid(start, end - start);
    }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType type, int *startOffset,
                             int *endOffset) const override
    {
        return piece(textSpanBefore(list()->currentText(), offset, textUnitFor(type)), startOffset,
                     endOffset);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType type, int *startOffset,
                            int *endOffset) const override
    {
        return piece(textSpanAfter(list()->currentText(), offset, textUnitFor(type)), startOffset,
                     endOffset);
    }
    QString textAtOffset(int offset, QAccessible::TextBoundaryType type, int *startOffset,
                         int *endOffset) const override
    {
        return piece(textSpanAt(list()->currentText(), offset, textUnitFor(type)), startOffset,
                     endOffset);
    }
    int characterCount() const override { return int(list()->currentText().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = offset;
        return {};
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return list()->currentText();
        return QAccessibleWidget::text(t);
    }

    int childCount() const override { return 1; }

    QAccessibleInterface *child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(list()->view()) : nullptr;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child && child->object() == list()->view() ? 0 : -1;
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = list()->view()->isVisible();
        return state;
    }

    QStringList actionNames() const override
    {
        return QStringList{showMenuAction(), pressAction()};
    }

    void doAction(const QString &actionName) override
    {
        if (actionName != showMenuAction() && actionName != pressAction())
            return;
        if (list()->view()->isVisible())
            list()->hidePopup();
        else
            list()->showPopup();
    }

private:
    NamedComboBox *list() const { return static_cast<NamedComboBox *>(widget()); }

    QString piece(TextSpan span, int *startOffset, int *endOffset) const
    {
        *startOffset = span.start;
        *endOffset = span.end;
        return span.isEmpty() || span.start < 0
                   ? QString()
                   : list()->currentText().mid(span.start, span.end - span.start);
    }
};

// A text for screen readers to say as it appears, in the notification role that
// Orca speaks when such an object is shown.
class AccessibleAnnouncer : public QAccessibleWidget {
public:
    explicit AccessibleAnnouncer(Announcer *announcer)
        : QAccessibleWidget(announcer, QAccessible::Notification)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<Announcer *>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

// Tells readers the current item of a list as soon as the list has the focus.
// Qt tells them only the list ("list with 2 items"), and makes its first item
// current without showing it, so the first Down went on to the second.
class CurrentItemOnFocus : public QObject {
public:
    explicit CurrentItemOnFocus(QAbstractItemView *view) : QObject(view), m_view(view)
    {
        view->installEventFilter(this);
    }

    bool eventFilter(QObject *, QEvent *event) override
    {
        // Qt tells readers of the list itself once the focus event has been handled.
        if (event->type() == QEvent::FocusIn)
            QMetaObject::invokeMethod(this, &CurrentItemOnFocus::tell, Qt::QueuedConnection);
        return false;
    }

private:
    void tell()
    {
        if (!m_view->hasFocus() || !m_view->model())
            return;
        QModelIndex current = m_view->currentIndex();
        if (!current.isValid()) {
            current = m_view->model()->index(0, 0, m_view->rootIndex());
            if (!current.isValid())
                return;
        }
        // Current and seen as such, so that Down goes on from it.
        m_view->selectionModel()->setCurrentIndex(current, QItemSelectionModel::ClearAndSelect);
        QAccessibleEvent event(m_view, QAccessible::Focus);
        event.setChild(current.row());
        QAccessible::updateAccessibility(&event);
    }

    QAbstractItemView *m_view;
};

// The interfaces that the windows' own widgets add, by class name.
QHash<QString, AccessibleMaker> &addedInterfaces()
{
    static QHash<QString, AccessibleMaker> added;
    return added;
}

QAccessibleInterface *accessibleFor(const QString &className, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    if (const AccessibleMaker make = addedInterfaces().value(className))
        return make(object);
    if (className == QLatin1String(Announcer::staticMetaObject.className()))
        return new AccessibleAnnouncer(static_cast<Announcer *>(object));
    if (className == QLatin1String("QLineEdit"))
        return new AccessibleLineEdit(static_cast<QLineEdit *>(object));
    if (className == QLatin1String(NamedComboBox::staticMetaObject.className()))
        return new AccessibleNamedComboBox(static_cast<NamedComboBox *>(object));
    return nullptr;
}

} // namespace

void sayCurrentItemOnFocus(QAbstractItemView *view)
{
    new CurrentItemOnFocus(view);
}

void addAccessibleInterface(const char *className, AccessibleMaker make)
{
    installAccessibleInterfaces();
    addedInterfaces().insert(QLatin1String(className), make);
}

void installAccessibleInterfaces()
{
    static const bool installed = [] {
        QAccessible::installFactory(accessibleFor);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace tessaron
