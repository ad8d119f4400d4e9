#include "gui/widgets/namedcombobox.h"

#include "gui/widgets/accessibility.h"
#include "gui/widgets/announcer.h"

#include <QAbstractItemView>

namespace tessaron {

NamedComboBox::NamedComboBox(QWidget *parent) : QComboBox(parent)
{
    installAccessibleInterfaces();
    sayCurrentItemOnFocus(view());
}

void NamedComboBox::keyPressEvent(QKeyEvent *event)
{
    const int before = currentIndex();
    QComboBox::keyPressEvent(event);
    // Screen readers drop the change of a list's value when its name stays the
    // same, and this list's name is its family: the pick is said instead.
    if (currentIndex() != before && currentIndex() >= 0 && !view()->isVisible())
        Announcer::of(this)->announce(currentText());
}

} // namespace tessaron
