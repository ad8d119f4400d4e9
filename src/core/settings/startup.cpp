#include "core/settings/startup.h"

#include "core/settings/ini.h"

#include <QFileInfo>

namespace tessaron {

Lang startLanguage(const QString &settingsFile, QString *problem)
{
    QString why;
    const QString value =
        LlegirIni(QStringLiteral("Idioma"), QStringLiteral("Inici"), settingsFile, &why);
    if (problem) {
        const QFileInfo entry(settingsFile);
        *problem = entry.exists() || entry.isSymLink() ? why : QString();
    }
    return value == u"Angles" ? Lang::English : Lang::Spanish;
}

QString languageSetting(Lang lang)
{
    return lang == Lang::English ? QStringLiteral("Angles") : QStringLiteral("Espanyol");
}

} // namespace tessaron
