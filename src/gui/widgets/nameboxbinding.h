#pragma once

class QLineEdit;

namespace tessaron {

class NameEntry;

// Binds a name box to its rules: each change of the box's text runs the entry's
// check, and the texts the check leaves are put back into the box without
// counting as changes of their own. The box gets no length limit: the check is
// what cuts a name.
void bindNameBox(QLineEdit *box, NameEntry *entry);

} // namespace tessaron
