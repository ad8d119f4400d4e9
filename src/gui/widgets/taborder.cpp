#include "gui/widgets/taborder.h"

#include <QWidget>

namespace tessaron {

void chainTabOrder(const QList<QWidget *> &controls)
{
    for (qsizetype i = 1; i < controls.size(); ++i)
        QWidget::setTabOrder(controls.at(i - 1), controls.at(i));
}

} // namespace tessaron
