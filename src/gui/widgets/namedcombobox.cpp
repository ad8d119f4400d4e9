#include "gui/widgets/namedcombobox.h"

#include "gui/widgets/accessibility.h"

namespace tessaron {

NamedComboBox::NamedComboBox(QWidget *parent) : QComboBox(parent)
{
    installAccessibleInterfaces();
}

} // namespace tessaron
