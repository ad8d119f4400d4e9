#include "core/coding/browser.h"

#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>

namespace tessaron {

QString discoverBrowser()
{
    QStringList candidates = qEnvironmentVariable("BROWSER").split(u':', Qt::SkipEmptyParts);
    candidates << QStringLiteral("xdg-open") << QStringLiteral("sensible-browser")
               << QStringLiteral("x-www-browser");
    for (const QString &entry : candidates) {
        const QString candidate = entry.trimmed();
        // An entry with blanks or a %s needs a shell to be read; the launch uses none.
        if (candidate.isEmpty() || candidate.contains(u' ') || candidate.contains(u'%'))
            continue;
        const QString found = QStandardPaths::findExecutable(candidate);
        if (!found.isEmpty() && !QFileInfo(found).isDir())
            return found;
    }
    return {};
}

} // namespace tessaron
