#include "core/texts/accessibletexts.h"

namespace tessaron {

namespace {

// The families' words in a language, from the one family table.
std::array<QString, 4> familyWords(Lang lang)
{
    std::array<QString, 4> words;
    for (Family family : kFamilies) {
        const std::string_view w =
            lang == Lang::Spanish ? facts(family).spanishWords : facts(family).englishWords;
        words[static_cast<std::size_t>(family)] = QString::fromUtf8(w.data(), qsizetype(w.size()));
    }
    return words;
}

// The same words beginning a sentence: a control's whole name.
std::array<QString, 4> capitalised(std::array<QString, 4> words)
{
    for (QString &w : words)
        w[0] = w[0].toUpper();
    return words;
}

} // namespace

const AccessibleTexts &accessibleTexts(Lang lang)
{
    static const AccessibleTexts spanish{
        familyWords(Lang::Spanish),
        QStringLiteral("Abre la dirección de figura de %1"),
        QStringLiteral("Abre la dirección sin figura"),
        QStringLiteral("Muestra los favoritos por figura"),
        QStringLiteral("Muestra los favoritos por nombre"),
        QStringLiteral("Abre la página de Tessaron"),
        QStringLiteral("%1: %2"),
        capitalised(familyWords(Lang::Spanish)),
        QStringLiteral("Sin figura"),
        QStringLiteral("sin figura"),
        QStringLiteral("Modo actual: buscar por figuras"),
        QStringLiteral("Modo actual: buscar por nombre"),
        QStringLiteral("modo actual"),
        QStringLiteral("sin nombre"),
        QStringLiteral("%1, formulario reducido"),
        QStringLiteral("%1, %2"),
        {
            QStringLiteral("Dos rectángulos, un trapecio y un rombo"),
            QStringLiteral("Un óvalo, un círculo y una curva cerrada a mano alzada"),
            QStringLiteral("Un triángulo rectángulo y un triángulo isósceles"),
            QStringLiteral("Un octógono alargado y una flecha de seis lados"),
        },
        QStringLiteral("%1: %2"),
        QStringLiteral(", "),
        QStringLiteral("; "),
    };
    static const AccessibleTexts english{
        familyWords(Lang::English),
        QStringLiteral("Opens the figure address of %1"),
        QStringLiteral("Opens the address without figure"),
        QStringLiteral("Shows the favorites by figure"),
        QStringLiteral("Shows the favorites by name"),
        QStringLiteral("Opens the Tessaron page"),
        QStringLiteral("%1: %2"),
        capitalised(familyWords(Lang::English)),
        QStringLiteral("Without figure"),
        QStringLiteral("without figure"),
        QStringLiteral("Current mode: search by shape"),
        QStringLiteral("Current mode: search by name"),
        QStringLiteral("current mode"),
        QStringLiteral("no name"),
        QStringLiteral("%1, reduced form"),
        QStringLiteral("%1, %2"),
        {
            QStringLiteral("Two rectangles, a trapezoid and a rhombus"),
            QStringLiteral("An oval, a circle and a closed curve drawn freehand"),
            QStringLiteral("A right triangle and an isosceles triangle"),
            QStringLiteral("An elongated octagon and a six-sided arrow"),
        },
        QStringLiteral("%1: %2"),
        QStringLiteral(", "),
        QStringLiteral("; "),
    };
    return lang == Lang::Spanish ? spanish : english;
}

} // namespace tessaron
