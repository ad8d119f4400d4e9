#pragma once

#include "coding/figurecoding.h"

#include <QString>

namespace tessaron {

class FavouritesCursor;
struct ModTessaron;

struct SaveOutcome {
    enum class Result {
        NoName,       // the figure label shows "?"
        Saved,        // a new row
        AlreadySaved, // the store already holds this address
        Failed,       // anything else: nothing was stored, `reason` says why
    };
    Result result;
    QString reason;
};

// Saves the figure address of `family` for the name a figure label shows. The
// code and address are kept in the shared texts first. A cursor that is not open
// (the store was missing when the window opened) is opened again, so a save
// works as soon as the store is back.
[[nodiscard]] SaveOutcome saveFavourite(FavouritesCursor &cursor, const QString &storePath,
                                        ModTessaron &state, Family family,
                                        const QString &caption);

} // namespace tessaron
