#include "core/cli/codestream.h"

#include "core/cli/commandline.h"
#include "core/cli/terminaltext.h"

#include <QByteArray>
#include <QString>

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace tessaron {

namespace {

constexpr qsizetype kBufferSize = 64 * 1024;

// Writes all of `bytes`, however many calls it takes; false once the reader is gone.
bool writeAll(int fd, const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

class LineCoder {
public:
    LineCoder(int output, int errors) : m_output(output), m_errors(errors) {}

    // One whole line, without its line feed; `overlong` when it was cut.
    void take(QByteArray line, bool overlong)
    {
        ++m_number;
        if (line.endsWith('\r'))
            line.chop(1);
        const QString name = decodeBytes(line);
        const QString reason =
            overlong ? QStringLiteral("the line is longer than %1 bytes").arg(kMaxNameLineBytes)
                     : refusalReason(name);
        if (reason.isEmpty()) {
            appendCodeLines(m_pending, name);
            if (m_pending.size() >= kBufferSize)
                flush();
            return;
        }
        m_refused = true;
        flush(); // the refusal follows the names before it
        writeAll(m_errors, QStringLiteral("tessaron: line %1: %2\n")
                               .arg(m_number)
                               .arg(refusalLine(name, reason))
                               .toUtf8());
    }

    bool flush()
    {
        const bool ok = writeAll(m_output, m_pending);
        m_pending.resize(0); // keeps its room for the next names
        return ok;
    }
    [[nodiscard]] bool refused() const { return m_refused; }

private:
    int m_output;
    int m_errors;
    qint64 m_number = 0;
    bool m_refused = false;
    QByteArray m_pending;
};

} // namespace

int streamCodes(int input, int output, int errors)
{
    LineCoder coder(output, errors);
    QByteArray line;
    bool overlong = false;
    char buffer[kBufferSize];
    for (;;) {
        // Whatever is coded goes out before the program waits for more input.
        if (!coder.flush())
            return 1;
        const ssize_t got = ::read(input, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        const char *at = buffer;
        const char *end = buffer + got;
        while (at < end) {
            const char *feed = static_cast<const char *>(memchr(at, '\n', size_t(end - at)));
            const char *stop = feed ? feed : end;
            const qsizetype room = kMaxNameLineBytes - line.size();
            if (stop - at > room) {
                overlong = true;
                line.append(at, room);
            } else {
                line.append(at, stop - at);
            }
            if (!feed)
                break;
            coder.take(line, overlong);
            line.clear();
            overlong = false;
            at = feed + 1;
        }
    }
    if (!line.isEmpty() || overlong)
        coder.take(line, overlong);
    if (!coder.flush())
        return 1;
    return coder.refused() ? kExitUsage : 0;
}

} // namespace tessaron
