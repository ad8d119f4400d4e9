#include "gui/widgets/windowplacement.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cstdint>

namespace tessaron {

namespace {

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

// An X11 event as the xcb platform hands it to native filters: its type, and for a
// property change the window whose property changed.
struct XcbPropertyNotify {
    std::uint8_t responseType;
    std::uint8_t pad;
    std::uint16_t sequence;
    std::uint32_t window;
};
constexpr std::uint8_t kXcbPropertyNotify = 28;

// The frame a window manager puts around a window is known only once it says so:
// until then a window is centred on its own size, and once its frame is known,
// once more on the framed size, which is what the eye sees centred. An X11 window
// manager tells the frame by setting a property on the window (_NET_FRAME_EXTENTS),
// so each property change of the window is a moment to look; the frame is read
// once Qt has taken the change in. A window manager that frames nothing sets no
// such property, and the first place stays. Nothing is polled.
class FrameCentring : public QObject, public QAbstractNativeEventFilter {
public:
    static constexpr char kName[] = "frameCentring";

    explicit FrameCentring(QWidget *window) : QObject(window), m_window(window)
    {
        setObjectName(QLatin1String(kName));
        window->installEventFilter(this);
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
    ~FrameCentring() override { QCoreApplication::instance()->removeNativeEventFilter(this); }
    FrameCentring(const FrameCentring &) = delete;
    FrameCentring &operator=(const FrameCentring &) = delete;

    bool eventFilter(QObject *, QEvent *event) override
    {
        // A platform that knows the frame when the window shows (Wayland's own
        // decorations) has it at once.
        if (event->type() == QEvent::Show || event->type() == QEvent::Move ||
            event->type() == QEvent::Resize)
            look();
        return false;
    }

    bool nativeEventFilter(const QByteArray &type, void *message, qintptr *) override
    {
        if (type != "xcb_generic_event_t" || !m_window || !m_window->windowHandle())
            return false;
        const auto *event = static_cast<const XcbPropertyNotify *>(message);
        if ((event->responseType & 0x7f) == kXcbPropertyNotify &&
            event->window == m_window->windowHandle()->winId())
            QTimer::singleShot(0, this, &FrameCentring::look); // after Qt has read it
        return false;
    }

private:
    void look()
    {
        QWindow *handle = m_window ? m_window->windowHandle() : nullptr;
        if (!handle || !m_window->isVisible() || handle->frameMargins().isNull())
            return;
        moveToCentre(m_window);
        m_window->removeEventFilter(this);
        deleteLater();
    }

    QPointer<QWidget> m_window;
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
