#pragma once

#include "core/favourites/favouritescursor.h"
#include "core/settings/filelocations.h"
#include "core/texts/lang.h"

#include <QString>

#include <optional>

namespace tessaron {

// The favourites store as every window and the command line find it: the file
// beside the program when one stands there, otherwise the user's own, made from
// the installed empty store the first time anything needs it. One place also
// says what went wrong with it, so the windows and the command line agree.
class FavouritesStore {
public:
    explicit FavouritesStore(QString programDir) : m_programDir(std::move(programDir)) {}

    // Where the store is; the user's own is made by copying the installed empty
    // store when neither it nor one beside the program stands there.
    const StoreLocation &locateOrMakeFromTemplate();
    // Opens `cursor` on the store; a failure is thrown as StoreError, which names
    // why the user's store could not be made when that is the cause.
    void open(FavouritesCursor &cursor,
              FavouritesCursor::Wait wait = FavouritesCursor::Wait::ForOtherCopies);
    // The same, unless the cursor is open on the file that stands there now (a
    // restore may have put another file in its place).
    void ensureOpen(FavouritesCursor &cursor);
    // Opens `cursor` and says nothing of a failure; the text to show when the
    // store cannot be used, empty when it opened or only another copy of the
    // program holds it (every later step waits for that copy).
    [[nodiscard]] QString openForWindow(FavouritesCursor &cursor, Lang lang);
    // What went wrong, as a window says it in `lang`: a head line, "path: reason",
    // and the installed empty store's path when it is missing too.
    [[nodiscard]] QString problemText(Lang lang, const StoreError &error) const;
    // A failure to open the store, told by its cause: a missing store that could
    // not be made is said to be that.
    [[nodiscard]] StoreError explained(const StoreError &error) const;
    // The same for the command line, on one line.
    [[nodiscard]] QString commandLineProblem(const StoreError &error) const;

private:
    QString m_programDir;
    StoreLocation m_location;
};

} // namespace tessaron
