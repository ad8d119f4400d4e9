#include "gui/widgets/fonts.h"

namespace tessaron {

void installFontSubstitutions()
{
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
}

QFont arial(FontSpec wanted)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(wanted.points);
    font.setBold(wanted.bold);
    font.setUnderline(wanted.underline);
    return font;
}

QFont letterForLetter(QFont font)
{
    // Latin text needs no shaping; without it the font's ligatures stay unused.
    font.setStyleStrategy(QFont::StyleStrategy(font.styleStrategy() | QFont::PreferNoShaping));
    return font;
}

QFont controlFont()
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.25);
    return font;
}

} // namespace tessaron
