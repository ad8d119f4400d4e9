#pragma once

#include <QTemporaryDir>

// The user's data folder and the installed data folders of a test: empty
// temporary ones, so that no test reads or writes the real ~/.local/share or
// finds a template installed on the machine.
struct PrivateDataFolders {
    QTemporaryDir home;
    QTemporaryDir installed;

    PrivateDataFolders()
    {
        qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());
        qputenv("XDG_DATA_DIRS", installed.path().toLocal8Bit());
    }
    // Where the user's own store goes.
    [[nodiscard]] QString userStore() const { return home.filePath("tessaron/TESSARON.MDB"); }
};
