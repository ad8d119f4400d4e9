#include "gui/widgets/accessibility.h"

#include "gui/widgets/accessiblelineedit.h"
#include "gui/widgets/namedcombobox.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QLineEdit>

namespace tessaron {

namespace {

// A drop-down list: named as it was named, valued by its pick, and with the list
// it drops as its one child, as Qt's own list has.
class AccessibleNamedComboBox : public QAccessibleWidget {
public:
    explicit AccessibleNamedComboBox(NamedComboBox *list)
        : QAccessibleWidget(list, QAccessible::ComboBox)
    {
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
};

QAccessibleInterface *accessibleFor(const QString &className, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    if (className == QLatin1String("QLineEdit"))
        return new AccessibleLineEdit(static_cast<QLineEdit *>(object));
    if (className == QLatin1String(NamedComboBox::staticMetaObject.className()))
        return new AccessibleNamedComboBox(static_cast<NamedComboBox *>(object));
    return nullptr;
}

} // namespace

void installAccessibleInterfaces()
{
    static const bool installed = [] {
        QAccessible::installFactory(accessibleFor);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace tessaron
