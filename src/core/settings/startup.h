#pragma once

#include "core/texts/lang.h"

#include <QString>

namespace tessaron {

// The language the program starts in: English only when section "Idioma", key
// "Inici" holds exactly "Angles"; Spanish otherwise, whatever the file holds or
// lacks.
[[nodiscard]] Lang startLanguage(const QString &settingsFile);

// The value `tessaron --language` writes for a language.
[[nodiscard]] QString languageSetting(Lang lang);

} // namespace tessaron
