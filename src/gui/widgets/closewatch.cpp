#include "gui/widgets/closewatch.h"

#include <QEvent>
#include <QObject>
#include <QWidget>

namespace tessaron {

namespace {

class CloseWatch : public QObject {
public:
    CloseWatch(QWidget *window, std::function<void()> then)
        : QObject(window), m_then(std::move(then))
    {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Close)
            m_then();
        return false;
    }

private:
    std::function<void()> m_then;
};

} // namespace

void whenClosed(QWidget *window, std::function<void()> then)
{
    new CloseWatch(window, std::move(then));
}

} // namespace tessaron
