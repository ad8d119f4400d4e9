#include "core/texts/helptexts.h"

namespace tessaron {

const HelpTexts &helpTexts(Lang lang)
{
    static const HelpTexts spanish{
        QStringLiteral("Ayuda de Tessaron"),
        QStringLiteral("Índice"),
        QStringLiteral("Buscar una palabra clave"),
        QStringLiteral("Texto de la ayuda"),
        QStringLiteral("Palabras clave"),
        QStringLiteral("%1, enlace"),
        QStringLiteral("No se puede abrir el archivo de ayuda:\n\n%1\n\n(%2)"),
    };
    static const HelpTexts english{
        QStringLiteral("Tessaron Help"),
        QStringLiteral("Index"),
        QStringLiteral("Find a keyword"),
        QStringLiteral("Help text"),
        QStringLiteral("Keywords"),
        QStringLiteral("%1, link"),
        QStringLiteral("Cannot open the help file:\n\n%1\n\n(%2)"),
    };
    return lang == Lang::Spanish ? spanish : english;
}

} // namespace tessaron
