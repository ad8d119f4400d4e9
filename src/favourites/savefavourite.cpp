#include "savefavourite.h"

#include "favouritescursor.h"

#include "coding/addresses.h"
#include "coding/modtessaron.h"

namespace tessaron {

SaveOutcome saveFavourite(FavouritesCursor &cursor, const QString &storePath, ModTessaron &state,
                          Family family, const QString &caption)
{
    if (caption == u"?")
        return {SaveOutcome::Result::NoName, {}};
    const QString code = figureCode(family, caption);
    state.codi(family) = code;
    state.adreca(family) = figureAddress(caption, code);
    try {
        if (!cursor.isOpen())
            cursor.open(storePath);
        cursor.add(state.adreca(family), caption, familyLetter(family));
    } catch (const StoreError &error) {
        if (error.kind() == StoreError::Kind::Duplicate)
            return {SaveOutcome::Result::AlreadySaved, {}};
        // The next save starts afresh, on the store as it is then (it may have been
        // replaced, repaired or unlocked meanwhile).
        cursor.close();
        return {SaveOutcome::Result::Failed, error.message()};
    }
    try {
        cursor.moveFirst();
    } catch (const StoreError &) {
        // The row is stored; where the cursor stands afterwards matters to no one here.
    }
    return {SaveOutcome::Result::Saved, {}};
}

} // namespace tessaron
