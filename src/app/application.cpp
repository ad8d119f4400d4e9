#include "application.h"

#include "mainwindow.h"

#include "coding/browser.h"

namespace tessaron {

Application::Application(Desktop &desktop, const QString &programDir)
    : m_desktop(desktop), m_programDir(programDir)
{
    registerWindows();
}

void Application::registerWindows()
{
    m_registry.setFactory(WindowKind::Main, [this](Lang lang) -> QWidget * {
        return new MainWindow(lang, context());
    });
}

void Application::start()
{
    m_state.NavegadorExe = discoverBrowser();
    m_registry.show(WindowKind::Main, Lang::Spanish);
}

} // namespace tessaron
