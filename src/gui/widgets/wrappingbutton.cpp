#include "gui/widgets/wrappingbutton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace tessaron {

void WrappingButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    const QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    painter.drawItemText(area, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic,
                         option.palette, isEnabled(), caption, QPalette::ButtonText);
}

} // namespace tessaron
