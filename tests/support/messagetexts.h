#pragma once

#include "core/texts/lang.h"

#include <QString>

// The messages of both twins, written out as the users read them: every test
// that expects a message takes its text from here.
struct ExpectedMessages {
    QString leadingHyphen;
    QString badCharacterBefore; // + the position with its leading blank
    QString badCharacterAfter;
    QString tooLong;
    QString tooLongCompact;
    QString noAddress;
    QString saved;
    QString alreadySaved;
    QString saveFailed;      // followed by a line with the reason
    QString storeOpenFailed; // followed by a line with the reason

    [[nodiscard]] QString badCharacter(int position) const
    {
        return badCharacterBefore + QStringLiteral(" %1").arg(position) + badCharacterAfter;
    }
};

inline const ExpectedMessages &expectedMessages(tessaron::Lang lang)
{
    static const ExpectedMessages spanish{
        "El primer carácter no puede ser un guion, se borrará.",
        "El carácter ",
        " és erroneo, se borrará",
        "Hay demasiados carácteres, se va a borrar el último. (Este programa solo permite hasta "
        "40 carácteres.)",
        "Hay demasiados carácteres, se va a borrar el último. (Este programa solo permite hasta "
        "40 carácteres.)",
        "No hay ninguna dirección introducida.",
        "Dirección guardada en favoritos.",
        "Esta dirección ya esta guardada",
        "No se ha podido guardar la dirección.\n",
        "No se ha podido abrir la base de datos de favoritos.\n",
    };
    static const ExpectedMessages english{
        "The first character cannot be a hyphen.It will be eliminated.",
        "The character ",
        " is erroneous.It will be eliminated.",
        "There are too many characters,it will be eliminated the last. (This program allows "
        "only 40 characters.)",
        "There are too many characters,it will be eliminated the last. (This program allows "
        "only 40 characters.) ",
        "There is not any introduced address.",
        "The address is kept in favorites.",
        "This address is already kept.",
        "The address could not be saved.\n",
        "The favorites database could not be opened.\n",
    };
    return lang == tessaron::Lang::Spanish ? spanish : english;
}
