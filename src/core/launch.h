#pragma once

#include <QString>

namespace tessaron {

class Desktop;
struct ModTessaron;

// How a window opens an address: through the desktop's own handler, or by
// starting the browser program that was found (`NavegadorExe`) with the address
// as its one argument.
enum class Launch { DesktopHandler, Browser };

// Opens `address` the way `how` says; with no browser program found, a browser
// launch starts nothing. Failures are not reported: the windows say nothing of them.
void launchAddress(Launch how, const ModTessaron &state, Desktop &desktop, const QString &address);

} // namespace tessaron
