#include "core/favourites/savefavourite.h"

#include "core/favourites/favouritescursor.h"

namespace tessaron {

SaveOutcome saveFavourite(FavouritesCursor &cursor, const QString &storePath,
                          const QString &address, const QString &name, const QString &familyLetter)
{
    try {
        cursor.open(storePath);
        cursor.add(address, name, familyLetter);
    } catch (const StoreError &error) {
        if (error.kind() == StoreError::Kind::Duplicate)
            return {SaveOutcome::Result::AlreadySaved, {}};
        cursor.close();
        return {SaveOutcome::Result::Failed, error};
    }
    try {
        (void)cursor.moveFirst();
    } catch (const StoreError &) {
        // The row is stored; where the cursor stands afterwards matters to no one here.
    }
    return {SaveOutcome::Result::Saved, {}};
}

} // namespace tessaron
