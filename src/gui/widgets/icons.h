#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>

namespace tessaron {

// The program's pictures, drawn rather than shipped so that none can go missing.

// The four figure families side by side: the symbology button's picture.
[[nodiscard]] QPixmap symbologyPixmap(int size);
// The window icon: the four figures around a globe.
[[nodiscard]] QIcon applicationIcon();
// The pointer over a name label: an arrow pointing at a small globe, saying
// "this opens a web address".
[[nodiscard]] QCursor addressCursor();

} // namespace tessaron
