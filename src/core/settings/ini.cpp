#include "core/settings/ini.h"

#include "core/settings/profiletext.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <optional>

namespace tessaron {

namespace {

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

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool unsafe(const QString &text)
{
    return text.contains(u'\n') || text.contains(u'\r') || text.contains(QChar(u'\0'));
}

} // namespace

QString LlegirIni(const QString &section, const QString &key, const QString &file, QString *why)
{
    const std::optional<ProfileText> text = ProfileText::read(file, why);
    if (!text)
        return {};
    bool inSection = false;
    for (qsizetype i = 0; i < text->size(); ++i) {
        const IniLine parsed = parseLine(text->line(i));
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

bool EscriureIni(const QString &section, const QString &key, const QString &value,
                 const QString &file, QString *why)
{
    const auto fail = [why](const QString &reason) {
        if (why)
            *why = reason;
        return false;
    };
    const QString sectionName = section.trimmed();
    const QString keyName = key.trimmed();
    // A line break or a bracket would make the file say something else than asked.
    if (sectionName.isEmpty() || keyName.isEmpty() || unsafe(sectionName) || unsafe(keyName) ||
        unsafe(value) || sectionName.contains(u']') || keyName.contains(u'=') ||
        keyName.startsWith(u'[') || keyName.startsWith(u';'))
        return fail(QStringLiteral("the section, key or value would change the file's lines"));

    ProfileText text;
    const QFileInfo info(file);
    if (info.exists() || info.isSymLink()) {
        QString reason;
        std::optional<ProfileText> existing = ProfileText::read(file, &reason);
        if (!existing)
            return fail(reason); // never overwrite what could not be read
        text = std::move(*existing);
    }

    const QString newLine = keyName + u'=' + value;
    const QString sectionLine = u'[' + sectionName + u']';
    if (!text.canHold(newLine) || !text.canHold(sectionLine))
        return fail(QStringLiteral("the file is in Latin-1, which cannot hold the new line"));
    qsizetype sectionAt = -1;
    qsizetype lastOfSection = -1;
    qsizetype keyAt = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QString line = text.line(i);
        const IniLine parsed = parseLine(line);
        if (parsed.kind == IniLine::Kind::Section) {
            if (sectionAt >= 0)
                break;
            if (sameName(parsed.name, sectionName))
                sectionAt = lastOfSection = i;
        } else if (sectionAt >= 0) {
            if (!line.trimmed().isEmpty())
                lastOfSection = i;
            if (parsed.kind == IniLine::Kind::Key && sameName(parsed.name, keyName)) {
                keyAt = i;
                break;
            }
        }
    }
    if (keyAt >= 0) {
        text.replace(keyAt, newLine);
    } else if (sectionAt >= 0) {
        text.insert(lastOfSection + 1, newLine);
    } else {
        if (text.size() > 0 && !text.line(text.size() - 1).trimmed().isEmpty())
            text.append(QString());
        text.append(sectionLine);
        text.append(newLine);
    }

    const QString folder = info.absolutePath();
    if (!QDir().mkpath(folder))
        return fail(QStringLiteral("its folder %1 cannot be made").arg(folder));
    // A settings file that is a link to another (kept with the user's other
    // settings, say) stays a link: the file at the end of its links, which was
    // read above, is the one rewritten.
    const QString target = info.isSymLink() ? info.canonicalFilePath() : file;
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        return fail(out.errorString());
    out.write(text.bytes());
    if (!out.commit())
        return fail(out.errorString());
    return true;
}

QString settingsFilePath()
{
    QString dir = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (dir.isEmpty() || QDir::isRelativePath(dir))
        dir = QDir::homePath() + QStringLiteral("/.config");
    return QDir(dir).filePath(QStringLiteral("tessaron.ini"));
}

} // namespace tessaron
