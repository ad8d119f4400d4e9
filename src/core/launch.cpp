#include "core/launch.h"

#include "core/coding/modtessaron.h"
#include "core/desktop.h"

namespace tessaron {

void launchAddress(Launch how, const ModTessaron &state, Desktop &desktop, const QString &address)
{
    if (how == Launch::DesktopHandler)
        desktop.openAddress(address);
    else if (!state.NavegadorExe.isEmpty())
        desktop.startBrowser(state.NavegadorExe, address);
}

} // namespace tessaron
