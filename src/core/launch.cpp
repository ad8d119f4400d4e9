#include "core/launch.h"

#include "core/coding/modtessaron.h"
#include "core/desktop.h"

namespace tessaron {

void launchAddress(Launch how, const ModTessaron &state, Desktop &desktop, const QString &address)
{
    const bool browser = !state.NavegadorExe.isEmpty();
    if (how == Launch::DesktopHandler || (how == Launch::BrowserElseDesktopHandler && !browser))
        desktop.openAddress(address);
    else if (browser)
        desktop.startBrowser(state.NavegadorExe, address);
}

} // namespace tessaron
