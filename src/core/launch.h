#pragma once

#include <QString>

namespace tessaron {

class Desktop;
struct ModTessaron;

// How a window opens an address: through the desktop's own handler, by starting
// the browser program that was found (`NavegadorExe`) with the address as its one
// argument, or by that program when one was found and the handler otherwise (the
// About window's home page).
enum class Launch { DesktopHandler, Browser, BrowserElseDesktopHandler };

// Opens `address` the way `how` says; with no browser program found, a browser
// launch starts nothing. Failures are not reported: the windows say nothing of them.
void launchAddress(Launch how, const ModTessaron &state, Desktop &desktop, const QString &address);

} // namespace tessaron
