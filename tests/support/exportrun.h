#pragma once

#include "core/cli/favouritesexport.h"
#include "core/cli/outputsink.h"
#include "core/favourites/favouritescursor.h"
#include "core/favourites/favouritesstore.h"
#include "support/hostilerows.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>

#include <unistd.h>

// A store of its own in a folder of its own, as beside a program.
struct Store {
    QTemporaryDir dir;
    QString path = dir.filePath("TESSARON.MDB");

    explicit Store(const QList<StoredRowText> &rows = {})
    {
        QVERIFY(tessaron::createEmptyStore(path));
        QVERIFY(insertRows(path, rows));
    }
};

struct Exported {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

// Runs an export of the store at `path` (the store beside a program) into two
// files, as the command line runs it into its outputs.
inline Exported exported(tessaron::ExportFormat format, const QString &path)
{
    tessaron::FavouritesStore store(QFileInfo(path).path());
    QTemporaryFile out;
    QTemporaryFile err;
    Exported result;
    if (!out.open() || !err.open())
        return result;
    tessaron::OutputSink outSink(::dup(out.handle()), "standard output");
    tessaron::OutputSink errSink(::dup(err.handle()), "standard error");
    result.status = tessaron::exportFavourites(format, store, outSink, errSink);
    (void)errSink.finish();
    // The duplicated descriptors share the files' offsets: read from the start.
    if (out.seek(0))
        result.out = out.readAll();
    if (err.seek(0))
        result.err = err.readAll();
    return result;
}
