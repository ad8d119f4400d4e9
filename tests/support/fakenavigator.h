#pragma once

#include "core/models/navigator.h"

#include <QString>
#include <QStringList>

#include <set>

// Records the windows a model asked for, as "Kind es" or "Kind en"; knows the
// kinds of window it is told the program has.
class FakeNavigator : public tessaron::Navigator {
public:
    std::set<tessaron::WindowKind> kinds{tessaron::WindowKind::Main, tessaron::WindowKind::About};
    QStringList shown;
    int exits = 0;

    static QString describe(tessaron::WindowKind kind, tessaron::Lang lang)
    {
        static const char *const names[] = {"Main",      "About",     "Favourites",
                                            "Registers", "Symbology", "Compact"};
        return QString::fromLatin1(names[int(kind)]) +
               (lang == tessaron::Lang::Spanish ? QStringLiteral(" es") : QStringLiteral(" en"));
    }

    bool canShow(tessaron::WindowKind kind) const override { return kinds.count(kind) > 0; }
    bool show(tessaron::WindowKind kind, tessaron::Lang lang) override
    {
        shown << describe(kind, lang);
        return canShow(kind);
    }
    void exitNow() override { ++exits; }
};
