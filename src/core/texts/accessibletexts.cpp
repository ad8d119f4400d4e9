#include "core/texts/accessibletexts.h"

namespace tessaron {

const AccessibleTexts &accessibleTexts(Lang lang)
{
    static const AccessibleTexts spanish{
        {QStringLiteral("cuatro lados"), QStringLiteral("círculo o elipse"),
         QStringLiteral("tres lados"), QStringLiteral("más de cuatro lados")},
        QStringLiteral("Abre la dirección de figura de %1"),
        QStringLiteral("Abre la dirección sin figura"),
        QStringLiteral("Muestra los favoritos por figura"),
        QStringLiteral("Muestra los favoritos por nombre"),
        QStringLiteral("Abre la página de Tessaron"),
        QStringLiteral("%1: %2"),
        {QStringLiteral("Cuatro lados"), QStringLiteral("Círculo o elipse"),
         QStringLiteral("Tres lados"), QStringLiteral("Más de cuatro lados")},
        QStringLiteral("Sin figura"),
        QStringLiteral("sin figura"),
        QStringLiteral("Modo actual: buscar por figuras"),
        QStringLiteral("Modo actual: buscar por nombre"),
        QStringLiteral("modo actual"),
    };
    static const AccessibleTexts english{
        {QStringLiteral("four sides"), QStringLiteral("circle or ellipse"),
         QStringLiteral("three sides"), QStringLiteral("more than four sides")},
        QStringLiteral("Opens the figure address of %1"),
        QStringLiteral("Opens the address without figure"),
        QStringLiteral("Shows the favorites by figure"),
        QStringLiteral("Shows the favorites by name"),
        QStringLiteral("Opens the Tessaron page"),
        QStringLiteral("%1: %2"),
        {QStringLiteral("Four sides"), QStringLiteral("Circle or ellipse"),
         QStringLiteral("Three sides"), QStringLiteral("More than four sides")},
        QStringLiteral("Without figure"),
        QStringLiteral("without figure"),
        QStringLiteral("Current mode: search by shape"),
        QStringLiteral("Current mode: search by name"),
        QStringLiteral("current mode"),
    };
    return lang == Lang::Spanish ? spanish : english;
}

} // namespace tessaron
