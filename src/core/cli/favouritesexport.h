#pragma once

#include "core/cli/leftoutrows.h"

#include <QString>

namespace tessaron {

class FavouritesStore;
class OutputSink;

enum class ExportFormat { Csv, Html };

// Prints the favourites of `store` (the user's own made first when it is
// missing, as the windows make it), in store order, to `out`:
// as CSV (header "address,name,family", RFC 4180 quoting and line ends) or as a
// bookmarks file in the Netscape format that browsers import, with a folder for
// each figure family. Only rows this program could have written are exported;
// each other row is named on `err` (the first kLeftOutNamed, then a count). The
// store is read once and never held in memory. The result: 0 when every row was
// written; 1 when a row was left out, the store cannot be read or a write
// failed (all said on `err`).
[[nodiscard]] int exportFavourites(ExportFormat format, FavouritesStore &store, OutputSink &out,
                                   OutputSink &err);

} // namespace tessaron
