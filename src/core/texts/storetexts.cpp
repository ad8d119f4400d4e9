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

constexpr std::array<CauseText, 7> kCauses{{
    {Cause::Missing, "el archivo no existe", "the file does not exist"},
    {Cause::NotAFile, "no es un archivo", "it is not a file"},
    {Cause::NotADatabase, "no es una base de datos", "it is not a database"},
    {Cause::NoTable, "no contiene la tabla AdrecaFig", "it holds no table AdrecaFig"},
    {Cause::ReadOnly, "es de solo lectura", "it is read-only"},
    {Cause::Locked, "otro programa la tiene bloqueada", "another program has locked it"},
    {Cause::DiskFull, "el disco está lleno", "the disk is full"},
}};

} // namespace

QString storeProblemText(Lang lang, const StoreError &error)
{
    QString reason = error.reason();
    for (const CauseText &text : kCauses) {
        if (text.cause == error.cause())
            reason = QString::fromUtf8(lang == Lang::Spanish ? text.spanish : text.english);
    }
    return error.path() + QStringLiteral(": ") + reason;
}

} // namespace tessaron
