#pragma once

#include "core/models/navigator.h"
#include "core/texts/lang.h"

#include <QMap>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <set>

namespace tessaron {

// Keeps each window twin at most once: showing an open one raises it, showing a
// closed one creates it anew. Closing a window deletes it. When the last window
// has closed, or on Exit, it says the program should end.
class WindowRegistry : public QObject, public Navigator {
    Q_OBJECT
public:
    using Factory = std::function<QWidget *(Lang)>;

    explicit WindowRegistry(QObject *parent = nullptr);
    ~WindowRegistry() override;

    void setFactory(WindowKind kind, Factory factory);
    [[nodiscard]] bool canShow(WindowKind kind) const override
    {
        return m_factories.contains(kind);
    }

    // Shows the twin, creating it when it is not open. False when this kind of
    // window is not part of the program.
    bool show(WindowKind kind, Lang lang) override;
    // The twin while it is open; null otherwise.
    [[nodiscard]] QWidget *window(WindowKind kind, Lang lang) const;
    [[nodiscard]] int openCount() const;

    // Ends the program at once: every window is hidden, no question is asked, and
    // the windows are deleted with the registry.
    void exitNow() override;

Q_SIGNALS:
    void quitRequested();

private:
    using Key = std::pair<WindowKind, Lang>;
    void checkLastWindow();

    QMap<WindowKind, Factory> m_factories;
    QMap<Key, QPointer<QWidget>> m_windows;
    // Twins whose window is being made: a message box shown meanwhile runs an
    // event loop, and a timer there must not make a second copy.
    std::set<Key> m_building;
    bool m_exiting = false;
};

} // namespace tessaron
