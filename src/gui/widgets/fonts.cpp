#include "gui/widgets/fonts.h"

namespace tessaron {

void installFontSubstitutions()
{
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
}

QFont designedFont(FontSpec wanted)
{
    QFont font(wanted.face == Face::Arial ? QStringLiteral("Arial")
                                          : QStringLiteral("MS Sans Serif"));
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
    return designedFont({8.25, false, false, Face::Control});
}

} // namespace tessaron
