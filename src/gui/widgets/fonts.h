#pragma once

#include <QFont>

namespace tessaron {

// Maps the faces the windows name to the metric-compatible faces installed here.
void installFontSubstitutions();

struct FontSpec {
    qreal points;
    bool bold = false;
    bool underline = false;
};

[[nodiscard]] QFont arial(FontSpec wanted);
// The face of buttons and other controls whose font is not named.
[[nodiscard]] QFont controlFont();

} // namespace tessaron
