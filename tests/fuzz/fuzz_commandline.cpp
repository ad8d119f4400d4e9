// The command line on any argument list: no crash, and whatever it echoes of a
// refused name is safe to show on a terminal.
#include "core/cli/commandline.h"
#include "core/cli/terminaltext.h"
#include "require.h"

#include <QByteArray>
#include <QStringList>

#include <cstdint>

using namespace tessaron;

namespace {

// No control character and no lone half of a surrogate pair.
void requireShowable(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        require(c.unicode() >= 0x20 && c.unicode() != 0x7F &&
                !(c.unicode() >= 0x80 && c.unicode() <= 0x9F));
        if (c.isHighSurrogate()) {
            require(i + 1 < text.size() && text.at(i + 1).isLowSurrogate());
            ++i;
        } else {
            require(!c.isLowSurrogate());
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // Arguments are separated by NUL bytes, as in argv.
    QStringList arguments{QStringLiteral("tessaron")};
    for (const QByteArray &word :
         QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)).split('\0'))
        arguments << decodeBytes(word);
    const CommandLineRequest request = parseCommandLine(arguments, size % 2 == 0);
    if (request.action == CommandLineRequest::Action::Refused)
        requireShowable(request.message.split(u'\n').value(0));
    for (const QString &name : request.names) {
        const QString reason = refusalReason(name);
        if (!reason.isEmpty()) {
            requireShowable(refusalLine(name, reason));
            require(printable(name).size() <= kEchoLimit * 10 + 3);
        }
    }
    return 0;
}
