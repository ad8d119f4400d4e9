#pragma once

#include <Qt>

class QWidget;

namespace tessaron {

// The title bar of the program's main windows: a system menu, minimise and close,
// and no maximise button (their controls stand at fixed places).
inline constexpr Qt::WindowFlags kFixedWindowFlags =
    Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
    Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;

// Puts a window in the middle of its screen: left = (screen width - window
// width) / 2, top = (screen height - window height) / 2, with the outer size,
// frame included. A window not shown yet is placed again once the window manager
// has framed it (when it says so; nothing waits or polls for it).
void centreOnScreen(QWidget *window);

// The device pixel ratio of the screen `widget` stands on; 1 before it has one.
[[nodiscard]] qreal screenRatio(const QWidget *widget);

} // namespace tessaron
