#include "gui/app/application.h"

#include "core/settings/startup.h"
#include "gui/about/aboutwindow.h"
#include "gui/main/mainwindow.h"

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
        auto *about = new AboutWindow(lang, context());
        // However it closes, the About window leads on to the main window of its language.
        QObject::connect(about, &AboutWindow::closed, &m_registry, [this](Lang closedLang) {
            m_registry.show(WindowKind::Main, closedLang);
        });
        return about;
    });
}

void Application::start(const QString &settingsFile)
{
    // The About window is the start-up screen; it finds the browser and leads on
    // to the main window of the same language.
    m_registry.show(WindowKind::About, startLanguage(settingsFile));
}

} // namespace tessaron
