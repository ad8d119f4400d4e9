#pragma once

#include <QObject>

class QSocketNotifier;

namespace tessaron {

// Turns SIGTERM, SIGINT and SIGHUP (a logout, a Ctrl+C in the terminal, the
// terminal closed) into an orderly end: the signal handler only writes a byte, and the event loop
// reacts.
class TerminationWatcher : public QObject {
    Q_OBJECT
public:
    explicit TerminationWatcher(QObject *parent = nullptr);
    ~TerminationWatcher() override;

Q_SIGNALS:
    void terminationRequested();

private:
    QSocketNotifier *m_notifier = nullptr;
};

} // namespace tessaron
