#include "core/texts/compacttexts.h"

#include "core/version.h"

namespace tessaron {

const CompactTexts &compactTexts(Lang lang)
{
    static const CompactTexts spanish{
        QStringLiteral("frmPeti_Cast"),
        QStringLiteral("Tessaron v") + QLatin1StringView(kVersion),
        QStringLiteral("Label1"),
        QStringLiteral("txtpAdreca"),
        QStringLiteral("Nombre de dominio"),
        QStringLiteral("&Formulario grande"),
        QStringLiteral("Ir al formulario grande"),
        QStringLiteral("Delante"),
        QStringLiteral("lblpAdreca"),
        QStringLiteral("lblpAdrecaCom"),
    };
    static const CompactTexts english{
        QStringLiteral("frmPeti_Ang"),
        QStringLiteral("Tessaron v") + QLatin1StringView(kVersion),
        QStringLiteral("Label3"),
        QStringLiteral("txtpaAdreca"),
        QStringLiteral("Domain name"),
        QStringLiteral("&Big form"),
        QStringLiteral("Go to big form"),
        QStringLiteral("Visible"),
        QStringLiteral("lblpaAdreca"),
        QStringLiteral("lblpaAdrecaCom"),
    };
    return lang == Lang::Spanish ? spanish : english;
}

} // namespace tessaron
