#include "gui/widgets/windowplacement.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace tessaron {

namespace {

// How long after a window shows its frame is waited for: a window manager frames
// a window as it maps it, well within this.
constexpr int kFrameWaitMs = 3000;
constexpr int kLookEveryMs = 25;

void moveToCentre(QWidget *window)
{
    const QScreen *screen = window->screen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    const QRect outer = window->frameGeometry();
    window->move(area.x() + (area.width() - outer.width()) / 2,
                 area.y() + (area.height() - outer.height()) / 2);
}

// The frame a window manager puts around a window is known only once the window
// is on the screen: until then a window is centred on its own size, and once its
// frame is known, once more on the framed size, which is what the eye sees
// centred. A window manager without frames leaves the first place as it is.
class FrameCentring : public QObject {
public:
    static constexpr char kName[] = "frameCentring";

    explicit FrameCentring(QWidget *window) : QObject(window), m_window(window)
    {
        setObjectName(QLatin1String(kName));
        window->installEventFilter(this);
        connect(&m_look, &QTimer::timeout, this, &FrameCentring::look);
    }

    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::Show:
            m_shown.start();
            m_look.start(kLookEveryMs);
            look();
            break;
        case QEvent::Move:
        case QEvent::Resize:
            if (m_shown.isValid())
                look();
            break;
        default:
            break;
        }
        return false;
    }

private:
    void look()
    {
        QWindow *handle = m_window ? m_window->windowHandle() : nullptr;
        if (!handle || !m_window->isVisible())
            return;
        if (!handle->frameMargins().isNull()) {
            moveToCentre(m_window);
            done();
        } else if (m_shown.elapsed() > kFrameWaitMs) {
            done();
        }
    }

    void done()
    {
        m_look.stop();
        m_window->removeEventFilter(this);
        deleteLater();
    }

    QPointer<QWidget> m_window;
    QTimer m_look;
    QElapsedTimer m_shown;
};

} // namespace

void centreOnScreen(QWidget *window)
{
    moveToCentre(window);
    if (!window->isVisible() && !window->findChild<QObject *>(QLatin1String(FrameCentring::kName),
                                                              Qt::FindDirectChildrenOnly))
        new FrameCentring(window);
}

qreal screenRatio(const QWidget *widget)
{
    const QScreen *screen = widget->screen();
    return screen ? screen->devicePixelRatio() : 1.0;
}

} // namespace tessaron
