#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>

namespace tessaron {

// The program's pictures, drawn rather than shipped so that none can go missing.

// The four figure families side by side: the symbology button's picture, drawn
// for 1x and 2x screens.
[[nodiscard]] QIcon symbologyIcon();
// The window icon: the four figures around a globe.
[[nodiscard]] QIcon applicationIcon();
// The pointer over a name label: an arrow pointing at a small globe, saying
// "this opens a web address".
// Drawn for a screen of `ratio` device pixels a logical pixel.
[[nodiscard]] QCursor addressCursor(qreal ratio);

// The pictures of the previous and next buttons: an arrow pointing back or on,
// drawn for 1x and 2x screens.
[[nodiscard]] QIcon stepIcon(bool forward);
// The picture of a delete button: a red cross, drawn for 1x and 2x screens.
[[nodiscard]] QIcon deleteIcon();
// The pointing hand over links and name labels, drawn for a screen of `ratio`
// device pixels a logical pixel.
[[nodiscard]] QCursor handCursor(qreal ratio);

} // namespace tessaron
