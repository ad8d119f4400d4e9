#include "core/cli/outputsink.h"

#include "core/cli/terminaltext.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <unistd.h>

namespace tessaron {

int writeAllTo(int fd, std::string_view bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return errno;
        if (written == 0)
            return EIO;
        done += std::size_t(written);
    }
    return 0;
}

OutputSink::OutputSink(int fd, QString what) : m_fd(fd), m_what(std::move(what))
{
    m_pending.reserve(kBlock * 2);
}

bool OutputSink::flush()
{
    if (m_errno == 0 && !m_pending.isEmpty())
        m_errno = writeAllTo(m_fd, {m_pending.constData(), std::size_t(m_pending.size())});
    m_pending.resize(0); // keeps its room for what comes next
    return m_errno == 0;
}

bool OutputSink::finish()
{
    flush();
    if (m_fd >= 0) {
        if (::close(m_fd) != 0 && m_errno == 0 && errno != EINTR)
            m_errno = errno;
        m_fd = -1;
    }
    return m_errno == 0;
}

int endAfterFailedOutput(const OutputSink &sink)
{
    if (sink.error() == EPIPE) {
        // The program may have been started with SIGPIPE ignored; the reader is
        // gone either way, and the status says so as it would for any program.
        std::signal(SIGPIPE, SIG_DFL);
        std::raise(SIGPIPE);
    }
    const QByteArray line =
        QStringLiteral("tessaron: cannot write %1: %2\n")
            .arg(printable(sink.what(), 4096), QString::fromLocal8Bit(std::strerror(sink.error())))
            .toLocal8Bit();
    (void)writeAllTo(STDERR_FILENO, {line.constData(), std::size_t(line.size())});
    return 1;
}

} // namespace tessaron
