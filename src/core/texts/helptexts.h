#pragma once

#include "core/texts/lang.h"

#include <QString>

namespace tessaron {

// The help window's own words in one language.
struct HelpTexts {
    QString title;
    QString index;       // the label above the keyword index
    QString findKeyword; // the index's search box, for screen readers
    QString cannotOpen;  // %1 the help file, %2 the reason
};

[[nodiscard]] const HelpTexts &helpTexts(Lang lang);

} // namespace tessaron
