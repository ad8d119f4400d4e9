#include "core/texts/storetexts.h"

#include <array>

namespace tessaron {

namespace {

using Cause = StoreError::Cause;

struct CauseText {
    Cause cause;
    const char *spanish;
    const char *english;
};

// %1 in a text stands for the system's own words.
constexpr std::array<CauseText, 10> kCauses{{
    {Cause::Missing, "el archivo no existe", "the file does not exist"},
    {Cause::NotAFile, "no es un archivo", "it is not a file"},
    {Cause::NotADatabase, "no es una base de datos", "it is not a database"},
    {Cause::NoTable, "no contiene la tabla AdrecaFig", "it holds no table AdrecaFig"},
    {Cause::ReadOnly, "es de solo lectura", "it is read-only"},
    {Cause::Locked, "otro programa la tiene bloqueada", "another program has locked it"},
    {Cause::DiskFull, "el disco está lleno", "the disk is full"},
    {Cause::NotMade, "no se ha podido crear (%1)", "it could not be made (%1)"},
    {Cause::BrokenLink, "es un enlace a %1, que no existe",
     "it is a link to %1, which does not exist"},
    {Cause::LinkLoop, "es un enlace que vuelve sobre sí mismo",
     "it is a link that leads back to itself"},
}};

} // namespace

QString storeProblemText(Lang lang, const StoreError &error)
{
    QString reason = error.reason();
    for (const CauseText &text : kCauses) {
        if (text.cause == error.cause())
            reason = QString::fromUtf8(lang == Lang::Spanish ? text.spanish : text.english)
                         .replace(QStringLiteral("%1"), error.reason());
    }
    return error.path() + QStringLiteral(": ") + reason;
}

const StoreTexts &storeTexts(Lang lang)
{
    static const StoreTexts spanish{
        QStringLiteral("No se ha podido abrir la base de datos de favoritos."),
        QStringLiteral(
            "Tampoco se encuentra la base de datos vacía que se instala con el programa: %1"),
        QStringLiteral("tampoco está la base de datos vacía de la que se crea: %1")};
    static const StoreTexts english{
        QStringLiteral("The favorites database could not be opened."),
        QStringLiteral("Nor can the empty database installed with the program be found: %1"),
        QStringLiteral("nor is the empty store it is made from there: %1")};
    return lang == Lang::Spanish ? spanish : english;
}

} // namespace tessaron
