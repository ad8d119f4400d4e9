#pragma once

#include <QString>

namespace tessaron {

class Desktop;
class WindowRegistry;
struct ModTessaron;

// What every window is handed: the shared texts, the desktop services, the
// registry that opens the other windows, and the program's directory (where the
// help files and the favourites store live).
struct AppContext {
    ModTessaron &state;
    Desktop &desktop;
    WindowRegistry &registry;
    QString programDir;
};

} // namespace tessaron
