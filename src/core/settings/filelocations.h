#pragma once

#include <QString>

namespace tessaron {

// The file name of the favourites store.
inline constexpr char kStoreFileName[] = "TESSARON.MDB";

// Where the favourites store is.
struct StoreLocation {
    QString path;
    // Set when neither the user's store nor the installed template exists: the
    // template's expected path, so that a message can name both.
    QString missingTemplate;
    // Set when the user's store was to be made from the template and could not
    // be: what failed, in the system's words ("PATH: Permission denied").
    QString makeProblem;
};

// The favourites store: the one beside the program when one stands there (a build
// tree, a copy run from one folder); otherwise the user's own,
// $XDG_DATA_HOME/tessaron/TESSARON.MDB. An entry of that name (a file, a
// directory, a link, even one that leads nowhere) is the store, and opening it
// says why it cannot be used. The program never makes the table itself.
[[nodiscard]] StoreLocation findStore(const QString &programDir);
// The same, but the user's own is made by copying the installed empty template
// the first time it is missing.
[[nodiscard]] StoreLocation findOrMakeStoreFromTemplate(const QString &programDir);

// A help file: beside the program first, then in the data folders
// (../share/tessaron from the program, then $XDG_DATA_DIRS/tessaron). The path
// beside the program when it is nowhere, so that the help viewer can name it.
[[nodiscard]] QString locateHelpFile(const QString &programDir, const QString &fileName);

} // namespace tessaron
