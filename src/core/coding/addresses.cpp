#include "core/coding/addresses.h"

namespace tessaron {

QString registerAddress(const QString &name, const QString &code)
{
    return QStringLiteral("www.") + kSitePrefix + u'-' + name + u'-' + code +
           QStringLiteral(".com");
}

QString figureAddress(const QString &name, const QString &code)
{
    return QStringLiteral("http://") + registerAddress(name, code);
}

QString plainAddress(const QString &name)
{
    return QStringLiteral("http://www.") + name + QStringLiteral(".com");
}

} // namespace tessaron
