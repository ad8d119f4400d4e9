#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QWidget;

namespace tessaron {

// Lets one local file be dropped anywhere on a window, its boxes included (which
// would otherwise take the file's name as text), and hands its path to `dropped`
// once the drop is over, from the event loop: the drag's source is not kept
// waiting while a question is up. Anything else dragged (text, several files, a
// remote address) is left to the widgets as before.
class FileDrop : public QObject {
    Q_OBJECT
public:
    FileDrop(QWidget *window, std::function<void(const QString &)> dropped);

    // The one local file that `event`'s data names, or an empty text.
    [[nodiscard]] static QString droppedFile(const QEvent *event);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<void(const QString &)> m_dropped;
};

} // namespace tessaron
