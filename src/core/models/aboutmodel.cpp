#include "core/models/aboutmodel.h"

#include "core/coding/browser.h"
#include "core/coding/modtessaron.h"
#include "core/desktop.h"
#include "core/launch.h"
#include "core/texts/abouttexts.h"

namespace tessaron {

AboutModel::AboutModel(ModTessaron &state, Desktop &desktop) : m_state(state), m_desktop(desktop) {}

int AboutModel::load()
{
    m_conta = 1;
    m_state.NavegadorExe = discoverBrowser();
    return m_conta;
}

int AboutModel::tick()
{
    ++m_conta;
    const int shown = (m_conta >= 1 && m_conta <= kAboutFrameCount) ? m_conta : 0;
    if (m_conta == kAboutFrameCount)
        m_conta = 0;
    return shown;
}

void AboutModel::openHomePage()
{
    launchAddress(Launch::BrowserElseDesktopHandler, m_state, m_desktop,
                  QString::fromLatin1(kHomePage));
}

} // namespace tessaron
