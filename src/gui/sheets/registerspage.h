#pragma once

#include <QStringList>

class QPainter;

namespace tessaron {

// The printed registers page: the four figures and the four registers beside
// them, in centimetres from the top left of the printable area, thin black lines
// and a plain 12-point face; nothing else.
void drawRegistersPage(QPainter &painter, double dotsPerInch, const QStringList &registers);

} // namespace tessaron
