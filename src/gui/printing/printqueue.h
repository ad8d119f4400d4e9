#pragma once

#include "core/desktop.h"

#include <QObject>
#include <QString>
#include <QTimer>

namespace tessaron {

// A queue as the CUPS scheduler sees it now.
struct QueueState {
    bool known = false; // false when the scheduler did not answer about it
    bool stopped = false;
    bool accepting = true;
};

[[nodiscard]] QueueState queueState(const QString &queue);

// The highest job number the scheduler has given on `queue` so far; 0 for none.
[[nodiscard]] int lastJobId(const QString &queue);

enum class JobState { Unknown, Waiting, Printing, Stopped, Cancelled, Aborted, Completed };

struct JobInfo {
    int id = 0;
    JobState state = JobState::Unknown;
};

// The first job on `queue` numbered above `afterId` and titled `title`; id 0 for none.
[[nodiscard]] JobInfo findJob(const QString &queue, int afterId, const QString &title);

// Follows a page sent to a queue for a while, asking the scheduler a few times a
// second, and calls `report` once if the queue stops, gives up or cancels the
// job, or stops while the job waits in it. Each question is a short local call,
// so the windows go on answering meanwhile. Deletes itself when done.
class JobFollower : public QObject {
    Q_OBJECT
public:
    JobFollower(const QString &queue, int afterId, const QString &title, JobFaultReport report,
                int followForMs);

private:
    void look();
    void finish(std::optional<JobFault> fault);

    QString m_queue;
    int m_afterId;
    QString m_title;
    JobFaultReport m_report;
    int m_jobId = 0;
    int m_looksLeft;
    QTimer m_timer;
};

} // namespace tessaron
