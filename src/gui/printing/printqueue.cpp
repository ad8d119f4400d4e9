#include "gui/printing/printqueue.h"

#include <cups/cups.h>
#include <memory>

namespace tessaron {

namespace {

constexpr int kLookEveryMs = 250;
constexpr int kSchedulerTimeoutMs = 3000;

// A connection of its own to the scheduler, with a short time limit: a scheduler
// that hangs must not hold the windows for long.
struct Connection {
    http_t *http = nullptr;
    Connection()
    {
        http = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                            kSchedulerTimeoutMs, nullptr);
        if (http)
            httpSetTimeout(http, kSchedulerTimeoutMs / 1000.0, nullptr, nullptr);
    }
    ~Connection()
    {
        if (http)
            httpClose(http);
    }
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;
};

struct Jobs {
    cups_job_t *list = nullptr;
    int count = 0;
    Jobs(http_t *http, const QString &queue)
    {
        count = cupsGetJobs2(http, &list, queue.toUtf8().constData(), 0, CUPS_WHICHJOBS_ALL);
        if (count < 0)
            count = 0;
    }
    ~Jobs() { cupsFreeJobs(count, list); }
    Jobs(const Jobs &) = delete;
    Jobs &operator=(const Jobs &) = delete;
};

JobState stateOf(ipp_jstate_t state)
{
    switch (state) {
    case IPP_JSTATE_PENDING:
    case IPP_JSTATE_HELD:
        return JobState::Waiting;
    case IPP_JSTATE_PROCESSING:
        return JobState::Printing;
    case IPP_JSTATE_STOPPED:
        return JobState::Stopped;
    case IPP_JSTATE_CANCELED:
        return JobState::Cancelled;
    case IPP_JSTATE_ABORTED:
        return JobState::Aborted;
    case IPP_JSTATE_COMPLETED:
        return JobState::Completed;
    }
    return JobState::Unknown;
}

} // namespace

QueueState queueState(const QString &queue)
{
    Connection connection;
    if (!connection.http)
        return {};
    cups_dest_t *dest = cupsGetNamedDest(connection.http, queue.toUtf8().constData(), nullptr);
    if (!dest)
        return {};
    QueueState state;
    state.known = true;
    const char *printerState = cupsGetOption("printer-state", dest->num_options, dest->options);
    state.stopped = printerState && QByteArray(printerState).toInt() == IPP_PSTATE_STOPPED;
    const char *accepting =
        cupsGetOption("printer-is-accepting-jobs", dest->num_options, dest->options);
    state.accepting = !accepting || qstrcmp(accepting, "false") != 0;
    cupsFreeDests(1, dest);
    return state;
}

int lastJobId(const QString &queue)
{
    Connection connection;
    if (!connection.http)
        return 0;
    const Jobs jobs(connection.http, queue);
    int last = 0;
    for (int i = 0; i < jobs.count; ++i)
        last = std::max(last, jobs.list[i].id);
    return last;
}

JobInfo findJob(const QString &queue, int afterId, const QString &title)
{
    Connection connection;
    if (!connection.http)
        return {};
    const Jobs jobs(connection.http, queue);
    JobInfo found;
    for (int i = 0; i < jobs.count; ++i) {
        const cups_job_t &job = jobs.list[i];
        if (job.id <= afterId || QString::fromUtf8(job.title) != title)
            continue;
        if (found.id == 0 || job.id < found.id)
            found = {job.id, stateOf(job.state)};
    }
    return found;
}

JobFollower::JobFollower(const QString &queue, int afterId, const QString &title,
                         JobFaultReport report, int followForMs)
    : m_queue(queue), m_afterId(afterId), m_title(title), m_report(std::move(report)),
      m_looksLeft(std::max(1, followForMs / kLookEveryMs))
{
    connect(&m_timer, &QTimer::timeout, this, &JobFollower::look);
    m_timer.start(kLookEveryMs);
}

void JobFollower::look()
{
    --m_looksLeft;
    const JobInfo job = findJob(m_queue, m_jobId > 0 ? m_jobId - 1 : m_afterId, m_title);
    if (job.id > 0)
        m_jobId = job.id;
    switch (job.state) {
    case JobState::Stopped:
        return finish(JobFault::Stopped);
    case JobState::Aborted:
        return finish(JobFault::Aborted);
    case JobState::Cancelled:
        return finish(JobFault::Cancelled);
    case JobState::Completed:
        return finish(std::nullopt);
    case JobState::Waiting:
        // A queue whose device fails stops itself and keeps the job waiting.
        if (queueState(m_queue).stopped)
            return finish(JobFault::PrinterStopped);
        break;
    case JobState::Printing:
    case JobState::Unknown:
        break;
    }
    if (m_looksLeft <= 0)
        finish(std::nullopt);
}

void JobFollower::finish(std::optional<JobFault> fault)
{
    m_timer.stop();
    deleteLater();
    if (fault && m_report)
        m_report(*fault, m_queue);
}

} // namespace tessaron
