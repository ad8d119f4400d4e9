#include "core/cli/codestream.h"

#include "core/cli/commandline.h"
#include "core/cli/outputsink.h"
#include "core/cli/terminaltext.h"
#include "core/coding/namecheck.h"

#include <QByteArray>
#include <QString>

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace tessaron {

namespace {

constexpr qsizetype kBufferSize = 64 * 1024;

class LineCoder {
public:
    LineCoder(int output, int errors)
        : m_output(output, QStringLiteral("standard output")),
          m_errors(errors, QStringLiteral("standard error"))
    {
        m_pending.reserve(kBufferSize * 2);
    }

    // One whole line, without its line feed; `overlong` when it was cut.
    void take(std::string_view line, bool overlong)
    {
        ++m_number;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        // Nearly every line is a plain name: coded from its bytes, with no text made.
        if (!overlong && isKeptName(line, Capitals::Allowed)) {
            appendCodeLinesAscii(m_pending, line);
            if (m_pending.size() >= kBufferSize)
                flush();
            return;
        }
        const QString name = decodeBytes(QByteArrayView(line.data(), qsizetype(line.size())));
        const QString reason =
            overlong ? QStringLiteral("the line is longer than %1 bytes").arg(kMaxNameLineBytes)
                     : refusalReason(name);
        if (reason.isEmpty()) {
            appendCodeLines(m_pending, name);
            return;
        }
        m_refused = true;
        flush(); // the refusal follows the names before it
        m_errors << QStringLiteral("tessaron: line %1: %2\n")
                        .arg(m_number)
                        .arg(refusalLine(name, reason));
        m_errors.flush();
    }

    bool flush()
    {
        m_output << m_pending;
        m_pending.resize(0); // keeps its room for the next names
        return m_output.flush();
    }
    [[nodiscard]] bool refused() const { return m_refused; }
    [[nodiscard]] bool finish()
    {
        flush();
        return m_output.finish();
    }
    [[nodiscard]] const OutputSink &output() const { return m_output; }

private:
    OutputSink m_output;
    OutputSink m_errors;
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
            return endAfterFailedOutput(coder.output());
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
            if (!feed) {
                const qsizetype room = kMaxNameLineBytes - line.size();
                overlong = overlong || stop - at > room;
                line.append(at, std::min<qsizetype>(stop - at, room));
                break;
            }
            // A whole line in the buffer is coded where it stands.
            if (line.isEmpty() && !overlong) {
                coder.take({at, std::size_t(stop - at)}, stop - at > kMaxNameLineBytes);
            } else {
                const qsizetype room = kMaxNameLineBytes - line.size();
                overlong = overlong || stop - at > room;
                line.append(at, std::min<qsizetype>(stop - at, room));
                coder.take({line.constData(), std::size_t(line.size())}, overlong);
                line.clear();
                overlong = false;
            }
            at = feed + 1;
        }
    }
    if (!line.isEmpty() || overlong)
        coder.take({line.constData(), std::size_t(line.size())}, overlong);
    if (!coder.finish())
        return endAfterFailedOutput(coder.output());
    return coder.refused() ? kExitUsage : 0;
}

} // namespace tessaron
