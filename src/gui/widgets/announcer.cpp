#include "gui/widgets/announcer.h"

#include "gui/widgets/accessibility.h"

#include <QEvent>

namespace tessaron {

namespace {

constexpr char kAnnouncerName[] = "announcer";

} // namespace

Announcer *Announcer::of(QWidget *widget)
{
    QWidget *window = widget->window();
    if (auto *existing = window->findChild<Announcer *>(QLatin1String(kAnnouncerName),
                                                        Qt::FindDirectChildrenOnly))
        return existing;
    return new Announcer(window);
}

Announcer::Announcer(QWidget *window) : QWidget(window)
{
    installAccessibleInterfaces();
    setObjectName(QLatin1String(kAnnouncerName));
    // Nothing to see or to reach: it is there for screen readers only.
    setGeometry(0, 0, 0, 0);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
    window->installEventFilter(this);
}

void Announcer::announce(const QString &text)
{
    m_text = text;
    m_pending = true;
    if (window()->isActiveWindow())
        showText();
}

void Announcer::showText()
{
    m_pending = false;
    // Shown anew each time: a reader speaks a notification as it appears.
    hide();
    show();
    Q_EMIT announced(m_text);
}

bool Announcer::eventFilter(QObject *watched, QEvent *event)
{
    // A window shown again would show its last text again, and readers would say
    // it as news.
    if (watched == window() && event->type() == QEvent::Hide)
        hide();
    if (watched == window() && event->type() == QEvent::WindowActivate && m_pending) {
        // After the focus that the activation restores has been told to readers.
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (m_pending && window()->isActiveWindow())
                    showText();
            },
            Qt::QueuedConnection);
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tessaron
