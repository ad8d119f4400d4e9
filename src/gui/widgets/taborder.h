#pragma once

#include <QList>

class QWidget;

namespace tessaron {

// Chains `controls` for Tab and Shift+Tab in the order given, which the windows
// give as their reading order: line by line from the top, left to right. (Left to
// right wins over a few pixels of height: the two lower figure rows of a window
// stand at slightly different heights, and are still read as one line.) Hidden
// controls keep their turn for when they are shown.
void chainTabOrder(const QList<QWidget *> &controls);

} // namespace tessaron
