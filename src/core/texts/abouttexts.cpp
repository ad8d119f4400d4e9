#include "core/texts/abouttexts.h"

#include "core/version.h"

namespace tessaron {

const AboutTexts &aboutTexts(Lang lang)
{
    static const AboutTexts spanish{
        QStringLiteral("frmAcerca_Cast"),
        QStringLiteral("Acerca de \"Tessaron v%1\"").arg(QLatin1StringView(kVersion)),
        QStringLiteral("Sistema para la codificación y registro de nombres y marcas en internet y "
                       "que posteriormente facilita mostrarlos identificados mediante figuras "
                       "geométricas."),
        QStringLiteral("Este programa está protegido por la ley de propiedad intelectual. Queda "
                       "prohibida su copia o distribución sin autorización."),
        QStringLiteral("Acepto"),
        QStringLiteral("Emblema de Tessaron: abre la página de inicio"),
    };
    static const AboutTexts english{
        QStringLiteral("frmAcerca_Ang"),
        QStringLiteral("About \"Tessaron v%1\"").arg(QLatin1StringView(kVersion)),
        QStringLiteral("System for the code and registration of names and marks in internet and "
                       "that later on it facilitates to show them identified by geometric "
                       "figures."),
        QStringLiteral("This program is protected by copyright law. Copying or distributing it "
                       "without permission is prohibited."),
        QStringLiteral("OK"),
        QStringLiteral("Tessaron emblem: opens the home page"),
    };
    return lang == Lang::Spanish ? spanish : english;
}

} // namespace tessaron
