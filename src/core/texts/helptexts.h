#pragma once

#include "core/texts/lang.h"

#include <QString>

namespace tessaron {

// The help window's own words in one language.
struct HelpTexts {
    QString title;
    QString index;       // the label above the keyword index
    QString findKeyword; // the index's search box, for screen readers
    // For screen readers: the text of the help, the list of keywords, and a link
    // reached with Tab in the text (%1, the link's words).
    QString helpText;
    QString keywordList;
    QString link;
    QString cannotOpen; // %1 the help file, %2 the reason
};

[[nodiscard]] const HelpTexts &helpTexts(Lang lang);

} // namespace tessaron
