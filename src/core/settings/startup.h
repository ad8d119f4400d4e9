#pragma once

#include "core/texts/lang.h"

#include <QString>

namespace tessaron {

// The language the program starts in: English only when section "Idioma", key
// "Inici" holds exactly "Angles"; Spanish otherwise, whatever the file holds or
// lacks.
// When the file stands there but cannot be read, `problem` (if given) says why;
// a file that does not exist is no problem: the program has never been told.
[[nodiscard]] Lang startLanguage(const QString &settingsFile, QString *problem = nullptr);

// The value `tessaron --language` writes for a language.
[[nodiscard]] QString languageSetting(Lang lang);

} // namespace tessaron
