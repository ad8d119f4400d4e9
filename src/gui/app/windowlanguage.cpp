#include "gui/app/windowlanguage.h"

#include "core/texts/abouttexts.h"
#include "core/texts/compacttexts.h"
#include "core/texts/favouritestexts.h"
#include "core/texts/mainwindowtexts.h"
#include "core/texts/sheettexts.h"

#include <QFileInfo>
#include <QObject>
#include <QVariant>

namespace tessaron {

namespace {

// Each twin's window carries its name from the text tables from its first moment,
// before it shows and before anything it does at load can open a box.
std::optional<Lang> languageOfName(const QString &name)
{
    for (const Lang lang : {Lang::Spanish, Lang::English}) {
        const QString names[] = {mainWindowTexts(lang).windowName, favouritesTexts(lang).windowName,
                                 compactTexts(lang).windowName,    aboutTexts(lang).windowName,
                                 registersTexts(lang).windowName,  symbologyTexts(lang).windowName};
        for (const QString &own : names) {
            if (own == name)
                return lang;
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<Lang> windowLanguage(const QObject *object)
{
    for (const QObject *o = object; o; o = o->parent()) {
        const QVariant said = o->property(kLanguageProperty);
        if (said.isValid())
            return Lang(said.toInt());
        if (const std::optional<Lang> lang = languageOfName(o->objectName()))
            return lang;
    }
    return std::nullopt;
}

std::optional<Lang> helpFileLanguage(const QString &helpFile)
{
    const QString name = QFileInfo(helpFile).fileName();
    for (const Lang lang : {Lang::Spanish, Lang::English}) {
        if (name == mainWindowTexts(lang).helpFile)
            return lang;
    }
    return std::nullopt;
}

} // namespace tessaron
