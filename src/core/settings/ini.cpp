#include "core/settings/ini.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringList>

#include <optional>

namespace tessaron {

namespace {

// A settings file is a few lines; anything far larger is not one, and reading it
// would only slow the start.
constexpr qint64 kMaxIniFileSize = 1024 * 1024;

struct IniLine {
    enum class Kind { Other, Section, Key } kind = Kind::Other;
    QString name; // section or key, trimmed
    QString value;
};

IniLine parseLine(const QString &line)
{
    const QString trimmed = line.trimmed();
    IniLine parsed;
    if (trimmed.startsWith(u'[')) {
        const qsizetype close = trimmed.indexOf(u']');
        parsed.kind = IniLine::Kind::Section;
        parsed.name = trimmed.mid(1, close < 0 ? -1 : close - 1).trimmed();
        return parsed;
    }
    if (trimmed.startsWith(u';'))
        return parsed;
    const qsizetype equals = trimmed.indexOf(u'=');
    if (equals <= 0)
        return parsed;
    parsed.kind = IniLine::Kind::Key;
    parsed.name = trimmed.left(equals).trimmed();
    QString value = trimmed.mid(equals + 1).trimmed();
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') &&
        value.back() == value.front())
        value = value.mid(1, value.size() - 2);
    parsed.value = value.left(kMaxIniValueLength);
    return parsed;
}

// The file's lines, or nothing when it cannot be read as a settings file.
std::optional<QStringList> readLines(const QString &path, bool *crlf = nullptr)
{
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > kMaxIniFileSize)
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.read(kMaxIniFileSize + 1);
    if (bytes.size() > kMaxIniFileSize)
        return std::nullopt;
    if (crlf)
        *crlf = bytes.contains("\r\n");
    QString text = QString::fromUtf8(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QStringList lines = text.split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool unsafe(const QString &text)
{
    return text.contains(u'\n') || text.contains(u'\r') || text.contains(QChar(u'\0'));
}

} // namespace

QString LlegirIni(const QString &section, const QString &key, const QString &file)
{
    const std::optional<QStringList> lines = readLines(file);
    if (!lines)
        return {};
    bool inSection = false;
    for (const QString &line : *lines) {
        const IniLine parsed = parseLine(line);
        if (parsed.kind == IniLine::Kind::Section) {
            if (inSection)
                break; // the first section of that name is the one that counts
            inSection = sameName(parsed.name, section.trimmed());
        } else if (inSection && parsed.kind == IniLine::Kind::Key &&
                   sameName(parsed.name, key.trimmed())) {
            return parsed.value;
        }
    }
    return {};
}

QString EscriureIni(const QString &section, const QString &key, const QString &value,
                    const QString &file)
{
    const QString sectionName = section.trimmed();
    const QString keyName = key.trimmed();
    // A line break or a bracket would make the file say something else than asked.
    if (sectionName.isEmpty() || keyName.isEmpty() || unsafe(sectionName) || unsafe(keyName) ||
        unsafe(value) || sectionName.contains(u']') || keyName.contains(u'=') ||
        keyName.startsWith(u'[') || keyName.startsWith(u';'))
        return QStringLiteral("0");

    QStringList lines;
    bool crlf = false;
    if (QFileInfo::exists(file)) {
        const std::optional<QStringList> existing = readLines(file, &crlf);
        if (!existing)
            return QStringLiteral("0"); // never overwrite what could not be read
        lines = *existing;
    }

    const QString newLine = keyName + u'=' + value;
    qsizetype sectionAt = -1;
    qsizetype lastOfSection = -1;
    qsizetype keyAt = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const IniLine parsed = parseLine(lines.at(i));
        if (parsed.kind == IniLine::Kind::Section) {
            if (sectionAt >= 0)
                break;
            if (sameName(parsed.name, sectionName))
                sectionAt = lastOfSection = i;
        } else if (sectionAt >= 0) {
            if (!lines.at(i).trimmed().isEmpty())
                lastOfSection = i;
            if (parsed.kind == IniLine::Kind::Key && sameName(parsed.name, keyName)) {
                keyAt = i;
                break;
            }
        }
    }
    if (keyAt >= 0) {
        lines[keyAt] = newLine;
    } else if (sectionAt >= 0) {
        lines.insert(lastOfSection + 1, newLine);
    } else {
        if (!lines.isEmpty() && !lines.last().trimmed().isEmpty())
            lines << QString();
        lines << u'[' + sectionName + u']' << newLine;
    }

    QDir().mkpath(QFileInfo(file).absolutePath());
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly))
        return QStringLiteral("0");
    const QString eol = crlf ? QStringLiteral("\r\n") : QStringLiteral("\n");
    out.write((lines.join(eol) + eol).toUtf8());
    return out.commit() ? QStringLiteral("1") : QStringLiteral("0");
}

QString settingsFilePath()
{
    QString dir = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (dir.isEmpty() || QDir::isRelativePath(dir))
        dir = QDir::homePath() + QStringLiteral("/.config");
    return QDir(dir).filePath(QStringLiteral("tessaron.ini"));
}

} // namespace tessaron
