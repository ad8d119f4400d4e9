#pragma once

class QWidget;

namespace tessaron {

// Puts a window in the middle of its screen: left = (screen width - window
// width) / 2, top = (screen height - window height) / 2, with the outer size.
void centreOnScreen(QWidget *window);

} // namespace tessaron
