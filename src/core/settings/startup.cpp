#include "core/settings/startup.h"

#include "core/settings/ini.h"

namespace tessaron {

Lang startLanguage(const QString &settingsFile)
{
    return LlegirIni(QStringLiteral("Idioma"), QStringLiteral("Inici"), settingsFile) == u"Angles"
               ? Lang::English
               : Lang::Spanish;
}

QString languageSetting(Lang lang)
{
    return lang == Lang::English ? QStringLiteral("Angles") : QStringLiteral("Espanyol");
}

} // namespace tessaron
