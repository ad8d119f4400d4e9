#include "browser.h"

#include "addresses.h"
#include "modtessaron.h"
#include "ui/desktop.h"

#include <QFileInfo>
#include <QStandardPaths>

namespace tessaron {

namespace {

const QString kNoName = QStringLiteral("?");

bool launch(const ModTessaron &state, Desktop &desktop, const QString &address)
{
    if (state.NavegadorExe.isEmpty())
        return false;
    return desktop.startBrowser(state.NavegadorExe, address);
}

} // namespace

QString discoverBrowser()
{
    QStringList candidates =
        qEnvironmentVariable("BROWSER").split(u':', Qt::SkipEmptyParts);
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

bool openFigureAddress(ModTessaron &state, Desktop &desktop, Family family,
                       const QString &caption)
{
    if (caption == kNoName)
        return false;
    const QString code = figureCode(family, caption);
    state.codi(family) = code;
    state.adreca(family) = figureAddress(caption, code);
    return launch(state, desktop, state.adreca(family));
}

bool openPlainAddress(ModTessaron &state, Desktop &desktop, const QString &caption)
{
    if (caption == kNoName)
        return false;
    state.AdrecaCom = plainAddress(caption);
    return launch(state, desktop, state.AdrecaCom);
}

} // namespace tessaron
