// Makes the empty favourites store that is shipped beside the program.
#include "core/favourites/favouritescursor.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: make_store PATH\n", stderr);
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    // A store that is already there may hold someone's favourites: leave it.
    if (QFileInfo::exists(path))
        return 0;
    QString error;
    if (!tessaron::createEmptyStore(path, &error)) {
        std::fprintf(stderr, "make_store: %s: %s\n", argv[1], qPrintable(error));
        return 1;
    }
    return 0;
}
