#pragma once

#include "core/favourites/storeerror.h"
#include "core/texts/lang.h"

#include <QString>

namespace tessaron {

// The head lines of a message about the favourites store, in one language.
struct StoreTexts {
    QString openFailed;      // the favourites store could not be opened
    QString templateMissing; // ... and the empty one installed with the program is missing (%1)
    // The same within a line, after the reason (the command line says it all in one).
    QString templateMissingInLine;
};

[[nodiscard]] const StoreTexts &storeTexts(Lang lang);

// What went wrong with the favourites store, in a twin's language: "path: reason".
// The common causes are told in the language; any other keeps the engine's words.
[[nodiscard]] QString storeProblemText(Lang lang, const StoreError &error);

} // namespace tessaron
