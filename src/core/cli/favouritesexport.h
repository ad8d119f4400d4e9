#pragma once

#include <QString>

class QTextStream;

namespace tessaron {

enum class ExportFormat { Csv, Html };

// Prints every favourite of the store at `storePath`, in store order, as CSV
// (header "address,name,family", RFC 4180 quoting and line ends) or as a
// bookmarks file in the Netscape format that browsers import, with a folder for
// each figure family. Rows are written as they are read: the store is never held
// in memory. When the store cannot be read, one line on `err` says why, and the
// result is 1; 0 otherwise.
[[nodiscard]] int exportFavourites(ExportFormat format, const QString &storePath, QTextStream &out,
                                   QTextStream &err);

} // namespace tessaron
