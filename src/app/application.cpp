#include "application.h"

#include "mainwindow.h"
#include "startup.h"

#include "about/aboutwindow.h"

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
    m_registry.setFactory(WindowKind::About, [this](Lang lang) -> QWidget * {
        return new AboutWindow(lang, context());
    });
}

void Application::start(const QString &settingsFile)
{
    // The About window is the start-up screen; it finds the browser and leads on
    // to the main window of the same language.
    m_registry.show(WindowKind::About, startLanguage(settingsFile));
}

} // namespace tessaron
