#pragma once

#include "core/favourites/storeerror.h"
#include "core/texts/lang.h"

#include <QString>

namespace tessaron {

// What went wrong with the favourites store, in a twin's language: "path: reason".
// The common causes are told in the language; any other keeps the engine's words.
[[nodiscard]] QString storeProblemText(Lang lang, const StoreError &error);

} // namespace tessaron
