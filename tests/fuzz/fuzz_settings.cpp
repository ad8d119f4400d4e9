// The settings file reader and writer on any file: no crash, and after a write
// every line but the one written is still there, byte for byte, in its order.
#include "core/settings/ini.h"
#include "require.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>

using namespace tessaron;

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tessaron.ini"));
    const QByteArray before(reinterpret_cast<const char *>(data), qsizetype(size));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(before);
    }
    [[maybe_unused]] const QString read =
        LlegirIni(QStringLiteral("Idioma"), QStringLiteral("Inici"), path);
    if (!EscriureIni(QStringLiteral("Idioma"), QStringLiteral("Inici"), QStringLiteral("Angles"),
                     path))
        return 0;
    require(LlegirIni(QStringLiteral("Idioma"), QStringLiteral("Inici"), path) == u"Angles");
    const bool utf16 = before.startsWith("\xFF\xFE") || before.startsWith("\xFE\xFF");
    if (utf16)
        return 0; // a UTF-16 file's lines are not split on the byte 0x0A
    // Either one line was replaced in place, or lines were added (the key in its
    // section, or the section at the end): every old line is still there, in order.
    // A UTF-8 byte-order mark stays at the start of the file, before any line.
    QByteArray after = readAll(path);
    QByteArray old = before;
    if (old.startsWith("\xEF\xBB\xBF")) {
        require(after.startsWith("\xEF\xBB\xBF"));
        old.remove(0, 3);
        after.remove(0, 3);
    }
    const QByteArrayList oldLines = old.split('\n');
    const QByteArrayList newLines = after.split('\n');
    if (oldLines.size() == newLines.size()) {
        qsizetype differing = 0;
        for (qsizetype i = 0; i < oldLines.size(); ++i)
            differing += oldLines.at(i) != newLines.at(i) ? 1 : 0;
        require(differing <= 1);
    } else {
        qsizetype next = 0;
        for (const QByteArray &line : oldLines) {
            while (next < newLines.size() && newLines.at(next) != line)
                ++next;
            require(next < newLines.size());
            ++next;
        }
    }
    return 0;
}
