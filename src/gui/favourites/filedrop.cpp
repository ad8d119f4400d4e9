#include "gui/favourites/filedrop.h"

#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWidget>

namespace tessaron {

FileDrop::FileDrop(QWidget *window, std::function<void(const QString &)> dropped)
    : QObject(window), m_dropped(std::move(dropped))
{
    window->setAcceptDrops(true);
    window->installEventFilter(this);
    for (QWidget *child : window->findChildren<QWidget *>()) {
        if (child->acceptDrops())
            child->installEventFilter(this);
    }
}

QString FileDrop::droppedFile(const QEvent *event)
{
    const auto type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return {};
    const QMimeData *data = static_cast<const QDropEvent *>(event)->mimeData();
    if (!data || !data->hasUrls())
        return {};
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.front().isLocalFile())
        return {};
    return urls.front().toLocalFile();
}

bool FileDrop::eventFilter(QObject *watched, QEvent *event)
{
    const QString file = droppedFile(event);
    if (file.isEmpty())
        return QObject::eventFilter(watched, event);
    auto *drop = static_cast<QDropEvent *>(event);
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (event->type() == QEvent::Drop) {
        QTimer::singleShot(0, this, [this, file] { m_dropped(file); });
    }
    return true;
}

} // namespace tessaron
