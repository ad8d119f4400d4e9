#pragma once

#include <QByteArray>
#include <QString>

#include <string_view>

namespace tessaron {

// What the command line writes to one file descriptor, gathered into large blocks
// and every write checked, so that a full disk or a closed pipe is never taken
// for success. After the first failed write the rest is dropped.
class OutputSink {
public:
    // `what` names the output in a message: "standard output", a path.
    OutputSink(int fd, QString what);
    OutputSink(const OutputSink &) = delete;
    OutputSink &operator=(const OutputSink &) = delete;

    OutputSink &operator<<(std::string_view bytes)
    {
        m_pending.append(bytes.data(), qsizetype(bytes.size()));
        if (m_pending.size() >= kBlock)
            flush();
        return *this;
    }
    OutputSink &operator<<(char byte)
    {
        m_pending.append(byte);
        return *this;
    }
    OutputSink &operator<<(const QByteArray &bytes)
    {
        return *this << std::string_view(bytes.constData(), std::size_t(bytes.size()));
    }
    OutputSink &operator<<(const QString &text) { return *this << text.toUtf8(); }

    // Writes what is gathered; false once any write has failed.
    bool flush();
    // Writes the rest and closes the descriptor, whose close can report a write
    // that failed late (a full disk on some file systems); false on any failure.
    [[nodiscard]] bool finish();
    [[nodiscard]] bool failed() const { return m_errno != 0; }
    // The errno of the first failure; 0 when none.
    [[nodiscard]] int error() const { return m_errno; }
    [[nodiscard]] const QString &what() const { return m_what; }

private:
    static constexpr qsizetype kBlock = 64 * 1024;
    int m_fd;
    QString m_what;
    QByteArray m_pending;
    int m_errno = 0;
};

// Writes all of `bytes` to `fd`, however many calls it takes; the errno of the
// failure, or 0.
[[nodiscard]] int writeAllTo(int fd, std::string_view bytes);

// The end of a command whose output failed: a reader that went away (a closed
// pipe, as `| head` leaves) ends the program as such a pipe ends any program,
// quietly and by SIGPIPE; anything else is said in one line on standard error,
// "tessaron: cannot write WHAT: REASON", and the result is 1.
[[nodiscard]] int endAfterFailedOutput(const OutputSink &sink);

} // namespace tessaron
