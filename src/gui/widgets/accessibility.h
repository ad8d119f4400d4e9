#pragma once

class QAbstractItemView;
class QAccessibleInterface;
class QObject;

namespace tessaron {

// Installs, once, what assistive technology is given for the program's controls
// instead of Qt's own: text boxes that answer every reading query (Qt 6.4's never
// returns from the word at a box's end, and freezes the program with it), the
// labels that act, the lists that keep their family as their name, and the
// About window read as a dialog. Safe to call any number of times.
void installAccessibleInterfaces();

// What assistive technology is given for widgets of the class `className` (its
// meta-object's name) that a window of the program makes: the program's one
// factory, installed once with it, asks these too. Call it before the first such
// widget is asked about (Qt keeps the first interface it made for a widget).
using AccessibleMaker = QAccessibleInterface *(*)(QObject *widget);
void addAccessibleInterface(const char *className, AccessibleMaker make);

// A list that gets the focus makes its current item (its first, when it has
// none) current and selected, and tells screen readers that item, as Down and Up
// do: a list opened with Alt+Down says where it stands, and Down moves on from
// there.
void sayCurrentItemOnFocus(QAbstractItemView *view);

} // namespace tessaron
