// The settings file reader and writer on any file: no crash, and after a write
// every line but the one written is still there, byte for byte, in its order.
#include "core/settings/ini.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

using namespace tessaron;

namespace {

void require(bool holds)
{
    if (!holds)
        std::abort();
}

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
    if (EscriureIni(QStringLiteral("Idioma"), QStringLiteral("Inici"), QStringLiteral("Angles"),
                    path) != u"1")
        return 0;
    require(LlegirIni(QStringLiteral("Idioma"), QStringLiteral("Inici"), path) == u"Angles");
    const bool utf16 = before.startsWith("\xFF\xFE") || before.startsWith("\xFE\xFF");
    if (utf16)
        return 0; // a UTF-16 file's lines are not split on the byte 0x0A
    // Every old line stands in the new file in its order, but at most one (the
    // line replaced).
    QByteArrayList oldLines = before.split('\n');
    const QByteArrayList newLines = readAll(path).split('\n');
    qsizetype next = 0;
    int missing = 0;
    for (const QByteArray &line : oldLines) {
        qsizetype found = -1;
        for (qsizetype i = next; i < newLines.size(); ++i) {
            if (newLines.at(i) == line) {
                found = i;
                break;
            }
        }
        if (found < 0)
            ++missing;
        else
            next = found + 1;
    }
    require(missing <= 1);
    return 0;
}
