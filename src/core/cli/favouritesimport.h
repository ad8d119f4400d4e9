#pragma once

#include <QString>

namespace tessaron {

class FavouritesStore;
class OutputSink;

// How an import ended.
struct ImportOutcome {
    // 0 when every row of the file was taken (added, or there already); 1 when
    // some were left out, or the store could not be written; 2 when the file
    // could not be read or is not a file of favourites.
    int status = 0;
    // The signal (TERM, INT or HUP) that ended the import with nothing added,
    // or 0.
    int signal = 0;
    // Whether the rows went in: false when nothing was imported.
    bool committed = false;
    // What the file held, once committed: rows added, rows the store held
    // already, rows left out, and a bookmarks file's links to other pages.
    qint64 added = 0;
    qint64 present = 0;
    qint64 leftOut = 0;
    qint64 otherLinks = 0;
};

// Adds to the user's store (found as the exports find it, and made from the
// installed empty one when missing) the favourites held in `file`, or in the
// file open on `input` when `file` is "-". The file is recognised by what it
// holds: this program's CSV (the header "address,name,family") or a bookmarks
// file ("<!DOCTYPE NETSCAPE-Bookmark-file-1>"), a UTF-8 byte order mark
// allowed before either. Only rows this program could have written enter; an
// address already stored is passed over. It is all or nothing: one transaction,
// undone on a file that turns out unreadable, a store that fails, or SIGTERM,
// SIGINT or SIGHUP. The file is read in blocks, never whole. Each row left out
// is named on `err` (the first kLeftOutNamed, then a count), then one line says
// how many rows were added, were there already, were left out, and how many
// links were not figure addresses.
[[nodiscard]] ImportOutcome importFavourites(const QString &file, int input, FavouritesStore &store,
                                             OutputSink &err);

} // namespace tessaron
