#pragma once

#include "core/models/aboutmodel.h"

#include <QImage>
#include <QList>

namespace tessaron {

// The About window's emblem: the Earth with the program's name turning around
// it, one step of a full turn per frame (kAboutFrameCount frames).

// Frame `number` (1..18) of the emblem animation; a null image for any other
// number, so a stray timer tick cannot index past the end.
// Drawn for a screen of `ratio` device pixels a logical pixel, and kept.
[[nodiscard]] QImage aboutFrame(int number, qreal ratio = 1.0);
// All 18 at one device pixel a logical pixel, in order (drawn as asked). The
// lettering needs fonts, so a QGuiApplication must exist by then.
[[nodiscard]] const QList<QImage> &aboutFrames();
// The angle in degrees, counter-clockwise from the right-hand side of the
// globe, at which frame `number` places the start of the lettering; 0 for a
// number outside 1..18.
[[nodiscard]] double aboutFrameAngle(int number);

} // namespace tessaron
