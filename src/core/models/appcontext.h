#pragma once

#include <QString>

namespace tessaron {

class Desktop;
class Navigator;
struct ModTessaron;

// What every window's model is handed: the shared texts, the desktop services,
// the way to the other windows, and the program's directory (where the help
// files and the favourites store live).
struct AppContext {
    ModTessaron &state;
    Desktop &desktop;
    Navigator &navigator;
    QString programDir;
};

} // namespace tessaron
