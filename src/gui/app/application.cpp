#include "gui/app/application.h"

#include "core/cli/terminaltext.h"
#include "core/cli/terminationwatcher.h"
#include "core/settings/startup.h"
#include "gui/about/aboutwindow.h"
#include "gui/compact/compactwindow.h"
#include "gui/favourites/favouriteswindow.h"
#include "gui/main/mainwindow.h"
#include "gui/sheets/registerswindow.h"
#include "gui/sheets/symbologywindow.h"
#include "gui/widgets/accessibility.h"
#include "gui/widgets/buttonkeys.h"
#include "gui/widgets/closewatch.h"

#include <QCoreApplication>

#include <cstdio>

namespace tessaron {

Application::Application(Desktop &desktop, const QString &programDir)
    : m_desktop(desktop), m_programDir(programDir)
{
    installAccessibleInterfaces();
    installButtonKeys();
    registerWindows();
}

template <typename Window> void Application::registerSecondary(WindowKind kind)
{
    m_registry.setFactory(kind, [this](Lang lang) -> QWidget * {
        auto *window = new Window(lang, context());
        // However it is left, it leads back to the main window of its language.
        whenClosed(window, [this, lang] { m_registry.show(WindowKind::Main, lang); });
        return window;
    });
}

void Application::registerWindows()
{
    m_registry.setFactory(WindowKind::Main, [this](Lang lang) -> QWidget * {
        return new MainWindow(lang, context());
    });
    registerSecondary<FavouritesWindow>(WindowKind::Favourites);
    registerSecondary<RegistersWindow>(WindowKind::Registers);
    registerSecondary<SymbologyWindow>(WindowKind::Symbology);
    // The compact window leads back only through its own button: its close box
    // leaves the program without a window, and so ends it.
    m_registry.setFactory(WindowKind::Compact, [this](Lang lang) -> QWidget * {
        return new CompactWindow(lang, context());
    });
    // The About window, the start-up screen, leads on to the main window too.
    registerSecondary<AboutWindow>(WindowKind::About);
}

void Application::start(const QString &settingsFile)
{
    // The About window is the start-up screen; it finds the browser and leads on
    // to the main window of the same language.
    QString problem;
    const Lang lang = startLanguage(settingsFile, &problem);
    // A settings file that stands there but cannot be read is said, not passed
    // over: the language it holds would otherwise be lost without a word.
    if (!problem.isEmpty()) {
        const QString said = QStringLiteral("tessaron: the settings file %1 cannot be read: %2; "
                                            "starting in Spanish\n")
                                 .arg(printable(settingsFile, 4096), problem);
        std::fputs(said.toLocal8Bit().constData(), stderr);
    }
    m_registry.show(WindowKind::About, lang);
}

int Application::run(const QString &settingsFile)
{
    // The connections last as long as this run: `ending` goes with it.
    QObject ending;
    QObject::connect(
        &m_registry, &WindowRegistry::quitRequested, &ending, [] { QCoreApplication::exit(0); },
        Qt::QueuedConnection);
    TerminationWatcher termination;
    QObject::connect(&termination, &TerminationWatcher::terminationRequested, &ending,
                     [this] { m_registry.exitNow(); });
    start(settingsFile);
    return QCoreApplication::exec();
}

} // namespace tessaron
