#pragma once

#include "core/favourites/storeerror.h"

#include <QString>

#include <optional>

namespace tessaron {

class FavouritesCursor;

struct SaveOutcome {
    enum class Result {
        Saved,        // a new row
        AlreadySaved, // the store already holds this address
        Failed,       // anything else: nothing was stored, `error` says why
    };
    Result result;
    std::optional<StoreError> error;
};

// Adds one favourite: the figure address, the name it was formed from and the
// family's letter. The cursor is opened afresh on the file that stands at
// `storePath` now, so a save works as soon as a missing store is back, and goes
// into a store that was replaced while the window was open.
[[nodiscard]] SaveOutcome saveFavourite(FavouritesCursor &cursor, const QString &storePath,
                                        const QString &address, const QString &name,
                                        const QString &familyLetter);

} // namespace tessaron
