#pragma once

#include <functional>

class QWidget;

namespace tessaron {

// Runs `then` each time `window` is asked to close, before it goes: the program's
// windows always let themselves be closed, and the window that follows is shown
// while this one still stands, so the program never stands without a window.
void whenClosed(QWidget *window, std::function<void()> then);

} // namespace tessaron
