#pragma once

#include "core/coding/modtessaron.h"
#include "core/models/appcontext.h"
#include "gui/app/windowregistry.h"

namespace tessaron {

class Desktop;

// The running program: the shared texts, the window registry with a maker for
// every window, and the way in.
class Application {
public:
    Application(Desktop &desktop, const QString &programDir);

    // Reads the start-up language from the settings file and opens the first window.
    void start(const QString &settingsFile);
    // Starts, then runs the event loop until the program ends: its last window
    // closed, Exit, or SIGTERM / SIGINT (a logout, a Ctrl+C), whatever box is open
    // then. The exit status.
    int run(const QString &settingsFile);

    [[nodiscard]] ModTessaron &state() { return m_state; }
    [[nodiscard]] WindowRegistry &registry() { return m_registry; }
    [[nodiscard]] AppContext context() { return {m_state, m_desktop, m_registry, m_programDir}; }

private:
    void registerWindows();
    // A window that the main window opens and that leads back to it when it closes.
    template <typename Window> void registerSecondary(WindowKind kind);

    Desktop &m_desktop;
    QString m_programDir;
    ModTessaron m_state;
    WindowRegistry m_registry;
};

} // namespace tessaron
