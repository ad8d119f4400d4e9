#include "gui/widgets/nameboxbinding.h"

#include "core/models/nameentry.h"

#include <QLineEdit>
#include <QSignalBlocker>

#include <limits>

namespace tessaron {

void bindNameBox(QLineEdit *box, NameEntry *entry)
{
    box->setMaxLength(std::numeric_limits<int>::max());
    QObject::connect(box, &QLineEdit::textChanged, entry, &NameEntry::check);
    QObject::connect(entry, &NameEntry::boxTextChanged, box, [box](const QString &text) {
        if (box->text() != text) {
            const QSignalBlocker blocker(box);
            box->setText(text);
        }
    });
}

} // namespace tessaron
