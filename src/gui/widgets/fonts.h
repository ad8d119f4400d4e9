#pragma once

#include <QFont>

namespace tessaron {

// Maps the faces the windows name to the metric-compatible faces installed here.
void installFontSubstitutions();

// The two faces the windows name: Arial for their own texts, the control face
// for buttons and other controls whose font is not named.
enum class Face { Arial, Control };

struct FontSpec {
    qreal points;
    bool bold = false;
    bool underline = false;
    Face face = Face::Arial;
};

[[nodiscard]] QFont designedFont(FontSpec wanted);
// The control face at its own size.
[[nodiscard]] QFont controlFont();
// `font` drawing each character as itself: no ligature or other substitution, so
// that an address on the screen or on paper (and copied from a PDF file) reads
// letter for letter as typed; "ffi" stays three letters.
[[nodiscard]] QFont letterForLetter(QFont font);

} // namespace tessaron
