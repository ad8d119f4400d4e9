#include "gui/app/windowregistry.h"

#include <QTimer>

namespace tessaron {

WindowRegistry::WindowRegistry(QObject *parent) : QObject(parent) {}

WindowRegistry::~WindowRegistry()
{
    // The windows use what the application owns: they go before it does.
    for (const QPointer<QWidget> &w : std::as_const(m_windows))
        delete w.data();
}

void WindowRegistry::setFactory(WindowKind kind, Factory factory)
{
    m_factories.insert(kind, std::move(factory));
}

QWidget *WindowRegistry::window(WindowKind kind, Lang lang) const
{
    QWidget *w = m_windows.value({kind, lang});
    // A window that has been closed is on its way out, even before it is deleted.
    return (w && w->isVisible()) ? w : nullptr;
}

bool WindowRegistry::show(WindowKind kind, Lang lang)
{
    if (m_exiting)
        return false;
    if (QWidget *open = window(kind, lang)) {
        if (open->isMinimized())
            open->showNormal();
        open->raise();
        open->activateWindow();
        return true;
    }
    const auto factory = m_factories.constFind(kind);
    if (factory == m_factories.constEnd())
        return false;
    const Key key{kind, lang};
    if (m_building.count(key) > 0)
        return true; // it shows as soon as it is made
    m_building.insert(key);
    QWidget *created = (*factory)(lang);
    m_building.erase(key);
    created->setAttribute(Qt::WA_DeleteOnClose);
    connect(created, &QObject::destroyed, this,
            [this] { QTimer::singleShot(0, this, &WindowRegistry::checkLastWindow); });
    m_windows.insert(key, created);
    created->show();
    created->raise();
    created->activateWindow();
    return true;
}

int WindowRegistry::openCount() const
{
    int count = 0;
    for (const QPointer<QWidget> &w : m_windows)
        count += (w && w->isVisible()) ? 1 : 0;
    return count;
}

void WindowRegistry::checkLastWindow()
{
    if (!m_exiting && openCount() == 0)
        Q_EMIT quitRequested();
}

void WindowRegistry::exitNow()
{
    m_exiting = true;
    // Hidden, not deleted: the program may be inside a window's own code, say a
    // message shown from a key press in its name box, and that window must not go
    // while it runs. The windows go with the registry, after the event loop.
    for (const QPointer<QWidget> &w : std::as_const(m_windows)) {
        if (w)
            w->hide();
    }
    Q_EMIT quitRequested();
}

} // namespace tessaron
