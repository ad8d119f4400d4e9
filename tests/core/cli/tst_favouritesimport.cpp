#include "core/cli/favouritesexport.h"
#include "core/cli/favouritesimport.h"
#include "core/cli/outputsink.h"
#include "core/coding/modtessaron.h"
#include "core/favourites/favouritescursor.h"
#include "core/favourites/favouritesstore.h"
#include "support/datafolders.h"
#include "support/exportrun.h"
#include "support/hostilerows.h"
#include "support/storehelper.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>

#include <csignal>
#include <fcntl.h>
#include <sys/mount.h>
#include <thread>
#include <unistd.h>

using namespace tessaron;

namespace {

struct Outcome {
    int status = -1;
    int signal = -1;
    QByteArray err;
};

// Imports `file` into the store at `storePath` as the command line does, and
// gives what it said.
Outcome importFile(const QString &file, const QString &storePath, int input = -1)
{
    FavouritesStore store(QFileInfo(storePath).path());
    QTemporaryFile err;
    Outcome outcome;
    if (!err.open())
        return outcome;
    OutputSink errSink(::dup(err.handle()), "standard error");
    const ImportOutcome result = importFavourites(file, input, store, errSink);
    (void)errSink.finish();
    outcome.status = result.status;
    outcome.signal = result.signal;
    if (err.seek(0))
        outcome.err = err.readAll();
    return outcome;
}

// The same from bytes, put in a file first.
Outcome importBytes(const QByteArray &bytes, const QString &storePath, QString *fileName = nullptr)
{
    QTemporaryFile file;
    if (!file.open() || file.write(bytes) != bytes.size() || !file.flush())
        return {};
    if (fileName)
        *fileName = file.fileName();
    return importFile(file.fileName(), storePath);
}

// The file an export writes; a failed export gives words no export holds.
QByteArray exportedFile(ExportFormat format, const QString &storePath)
{
    const Exported e = exported(format, storePath);
    return e.status == 0 ? e.out : "the export failed";
}

// Rows as the save buttons write them: `names` names, each in the families of
// its number, so that every family has a share.
QList<StoredRowText> savedRows(int names)
{
    ModTessaron state;
    QList<StoredRowText> rows;
    for (int i = 0; i < names; ++i) {
        const QString name = QStringLiteral("name-%1").arg(i * 7919 % 100003);
        for (Family family : kFamilies) {
            if ((i + int(family)) % 3 != 0)
                rows.append({name, name, QString(familyLetter(family)),
                             state.formFigureAddress(family, name)});
        }
    }
    return rows;
}

QString row(const StoredRowText &r)
{
    return r.adreca + '|' + r.nom + '|' + r.figura;
}

// A copy of the program with a store of its own beside it.
struct Program {
    QTemporaryDir dir;
    QString path = dir.filePath("tessaron");
    QString store = dir.filePath("TESSARON.MDB");

    Program()
    {
        QVERIFY(QFile::copy(qEnvironmentVariable("TESSARON_BINARY"), path));
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner));
        QVERIFY(createEmptyStore(store));
        QVERIFY(insertRows(store, wellFormedRows()));
    }
};

// True when another connection holds the store's write lock: the import has
// begun its transaction.
bool storeIsHeld(const QString &path)
{
    const QString name = QUuid::createUuid().toString();
    bool held = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", name);
        db.setDatabaseName(path);
        db.setConnectOptions("QSQLITE_BUSY_TIMEOUT=0");
        if (db.open()) {
            QSqlQuery q(db);
            held = !q.exec("BEGIN IMMEDIATE");
            if (!held)
                q.exec("ROLLBACK");
        }
    }
    QSqlDatabase::removeDatabase(name);
    return held;
}

QByteArray csvRows(int from, int count)
{
    ModTessaron state;
    QByteArray csv;
    for (int i = from; i < from + count; ++i) {
        const QString name = QStringLiteral("row%1").arg(i);
        csv += state.formFigureAddress(Family::R, name).toUtf8() + ',' + name.toUtf8() + ",r\r\n";
    }
    return csv;
}

// A small file system of its own, for a full disk or a read-only store; only
// root may mount one.
struct SmallDisk {
    QTemporaryDir dir;
    bool mounted = false;
    explicit SmallDisk(const QByteArray &size)
    {
        mounted = ::mount("tmpfs", QFile::encodeName(dir.path()).constData(), "tmpfs", 0,
                          ("size=" + size).constData()) == 0;
    }
    bool makeReadOnly()
    {
        return ::mount("tmpfs", QFile::encodeName(dir.path()).constData(), "tmpfs",
                       MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }
    ~SmallDisk()
    {
        if (mounted)
            ::umount2(QFile::encodeName(dir.path()).constData(), MNT_DETACH);
    }
};

} // namespace

class TestFavouritesImport : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void anExportComesBackWhole_data();
    void anExportComesBackWhole();
    void files_data();
    void files();
    void moreThanTenLeftOutAreCounted();
    void aLineWithoutEndIsRefusedAtTheBound_data();
    void aLineWithoutEndIsRefusedAtTheBound();
    void aLockedStoreIsWaitedForThenReported();
    void aStoreFreedInTimeIsWritten();
    void aReadOnlyStoreIsLeftAsItWas();
    void aFullDiskLeavesTheStoreAsItWas();
    void aSignalBetweenRowsUndoesTheImport();
    void aSignalEndsTheProgramWithNothingAdded_data();
    void aSignalEndsTheProgramWithNothingAdded();
    void killedMidImportLeavesNoRow();
    void fromStandardInput();
    void aNewInstallationImportsIntoTheUsersOwnStore();
    void aFileNameOfAnyBytes();
    void eachStoreFaultIsSaidBothWays_data();
    void eachStoreFaultIsSaidBothWays();
    void aReadThatFailsMidFileImportsNothing_data();
    void aReadThatFailsMidFileImportsNothing();
};

void TestFavouritesImport::anExportComesBackWhole_data()
{
    QTest::addColumn<int>("format");
    QTest::newRow("csv") << int(ExportFormat::Csv);
    QTest::newRow("html") << int(ExportFormat::Html);
}

void TestFavouritesImport::anExportComesBackWhole()
{
    // Enough rows that the file passes through the reader in many blocks.
    QFETCH(int, format);
    const QList<StoredRowText> rows = wellFormedRows() + savedRows(2000);
    Store original(rows);
    const QByteArray file = exportedFile(ExportFormat(format), original.path);
    QVERIFY(file.size() > 4 * 64 * 1024);

    Store empty;
    QString name;
    const Outcome first = importBytes(file, empty.path, &name);
    QCOMPARE(first.status, 0);
    QCOMPARE(first.err, QStringLiteral("tessaron: imported %1: %2 added, 0 already there, 0 left "
                                       "out, 0 links not figure addresses\n")
                            .arg(name)
                            .arg(rows.size())
                            .toUtf8());
    QCOMPARE(exportedFile(ExportFormat(format), empty.path), file);
    QCOMPARE(exportedFile(ExportFormat::Csv, empty.path),
             exportedFile(ExportFormat::Csv, original.path));

    // A second import finds every row there.
    const QStringList before = storedRows(empty.path);
    const Outcome second = importBytes(file, empty.path, &name);
    QCOMPARE(second.status, 0);
    QCOMPARE(second.err, QStringLiteral("tessaron: imported %1: 0 added, %2 already there, 0 left "
                                        "out, 0 links not figure addresses\n")
                             .arg(name)
                             .arg(rows.size())
                             .toUtf8());
    QCOMPARE(storedRows(empty.path), before);
}

void TestFavouritesImport::files_data()
{
    // Each file is imported into a store that holds "abc" in r; FILE in the
    // expected message stands for the file's name.
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("message");
    QTest::addColumn<QStringList>("added"); // after the row that was there, in this order

    const QString abcR = "http://www.tessaron-abc-rmt.com|abc|r";
    const QString abcC = "http://www.tessaron-abc-cto.com|abc|c";
    const QString abcT = "http://www.tessaron-abc-tlx.com|abc|t";
    const QString abcP = "http://www.tessaron-abc-piq.com|abc|p";
    const QString zzP = "http://www.tessaron-zz-pys.com|zz|p";
    const QString xyR = "http://www.tessaron-x-y-rms.com|x-y|r";
    const QByteArray notFavourites =
        "tessaron: FILE: it is not a file of favourites: it begins neither with the line "
        "address,name,family nor with <!DOCTYPE NETSCAPE-Bookmark-file-1>; nothing was "
        "imported\n";

    QTest::newRow("this program's csv")
        << QByteArray("address,name,family\r\n"
                      "http://www.tessaron-abc-rmt.com,abc,r\r\n"
                      "http://www.tessaron-abc-tlx.com,abc,t\r\n"
                      "http://www.tessaron-zz-pys.com,zz,p\r\n")
        << 0
        << QByteArray("tessaron: imported FILE: 2 added, 1 already there, 0 left out, 0 links "
                      "not figure addresses\n")
        << QStringList{abcT, zzP};
    QTest::newRow("this program's bookmarks")
        << QByteArray("<!DOCTYPE NETSCAPE-Bookmark-file-1>\n"
                      "<!-- Tessaron's favourites, one folder for each figure family. -->\n"
                      "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">\n"
                      "<TITLE>Tessaron</TITLE>\n<H1>Tessaron</H1>\n<DL><p>\n"
                      "    <DT><H3>Tessaron: four sides</H3>\n    <DL><p>\n"
                      "        <DT><A HREF=\"http://www.tessaron-abc-rmt.com\">abc (four "
                      "sides)</A>\n    </DL><p>\n"
                      "    <DT><H3>Tessaron: three sides</H3>\n    <DL><p>\n"
                      "        <DT><A HREF=\"http://www.tessaron-abc-tlx.com\">abc (three "
                      "sides)</A>\n    </DL><p>\n</DL><p>\n")
        << 0
        << QByteArray("tessaron: imported FILE: 1 added, 1 already there, 0 left out, 0 links "
                      "not figure addresses\n")
        << QStringList{abcT};
    QTest::newRow("a browser's bookmarks")
        << QByteArray(
               "\xEF\xBB\xBF<!DOCTYPE NETSCAPE-Bookmark-file-1>\r\n"
               "<!-- This is an automatically generated file.\r\n"
               "     It will be read and overwritten.\r\n"
               "     DO NOT EDIT! <A HREF=\"http://www.tessaron-zz-rlq.com\">no</A> -->\r\n"
               "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">\r\n"
               "<TITLE>Bookmarks</TITLE>\r\n<H1>Bookmarks Menu</H1>\r\n<DL><p>\r\n"
               "    <DT><H3 ADD_DATE=\"1700000000\" PERSONAL_TOOLBAR_FOLDER=\"true\">Bar</H3>\r\n"
               "    <DL><p>\r\n"
               "        <DT><A HREF=\"https://www.debian.org/\" ADD_DATE=\"1700000001\" "
               "ICON=\"data:image/png;base64,iVBORw0KGgo=\">Debian &gt; home</A>\r\n"
               "        <DT><H3>Deeper</H3>\r\n        <DL><p>\r\n"
               "            <dt><a add_date=\"1\" "
               "href=\"http://www.tessaron-zz-pys.com/\">zz</a>\r\n"
               "            <DT><A HREF=\"https://example.com/?q=a&amp;b=c\">search</A>\r\n"
               "            <DT><H3>Deepest</H3>\r\n            <DL><p>\r\n"
               "                <DT><A HREF='http://www.tessaron-abc-tlx.com'>abc</A>\r\n"
               "            </DL><p>\r\n        </DL><p>\r\n    </DL><p>\r\n"
               "    <DT><A Href=http://www.tessaron-abc-cto.com>bare</A>\r\n"
               "    <DT><A HREF=\"http://www.tessaron&#45;x-y&#x2D;rms.com\">by reference</A>\r\n"
               "    <DT><A HREF=\"http://www.tessaron-abc-rmt.com\">there already</A>\r\n"
               "    <DT><A NAME=\"top\">no address</A>\r\n"
               "    <DT><A HREF=\"http://www.tessaron-a&amp;b-rxx.com\">ampersand</A>\r\n"
               "    <DT><A HREF=\"HTTP://WWW.TESSARON-ABC-RMH.COM\">capitals</A>\r\n"
               "    <DT><A HREF=\"http://www.tessaron-abc-xmt.com\">foreign family</A>\r\n"
               "    <DT><A HREF=\"http://www.tessaron-abc-rmx.com\">wrong code</A>\r\n"
               "    <DT><A HREF=\"https://www.tessaron-abc-piq.com/\">secure</A>\r\n"
               "    <DT><A HREF=\"mailto:someone@example.com\">mail</A>\r\n"
               "</DL><p>\r\n")
        << 1
        << QByteArray(
               "tessaron: left out the link on line 26, a figure address this program would not "
               "write (the name is not one of 1 to 40 small letters, digits and hyphens): name "
               "\"a&b\", family \"r\", address \"http://www.tessaron-a&b-rxx.com\"\n"
               "tessaron: left out the link on line 27, a figure address this program would not "
               "write (the name is not one of 1 to 40 small letters, digits and hyphens): name "
               "\"ABC\", family \"R\", address \"HTTP://WWW.TESSARON-ABC-RMH.COM\"\n"
               "tessaron: left out the link on line 28, a figure address this program would not "
               "write (the family is not r, c, t or p): name \"abc\", family \"x\", address "
               "\"http://www.tessaron-abc-xmt.com\"\n"
               "tessaron: left out the link on line 29, a figure address this program would not "
               "write (the address is not the one formed from the name and the family): name "
               "\"abc\", family \"r\", address \"http://www.tessaron-abc-rmx.com\"\n"
               "tessaron: left out the link on line 30, a figure address this program would not "
               "write (the address is not the one formed from the name and the family): name "
               "\"abc\", family \"p\", address \"https://www.tessaron-abc-piq.com\"\n"
               "tessaron: imported FILE: 4 added, 1 already there, 5 left out, 3 links not "
               "figure addresses\n")
        << QStringList{zzP, abcT, abcC, xyR};
    QTest::newRow("csv with quoting, a BOM and bare line feeds")
        << QByteArray("\xEF\xBB\xBF\"address\",\"name\",\"family\"\n"
                      "\"http://www.tessaron-abc-tlx.com\",\"abc\",\"t\"\n"
                      "\n"
                      "\"http://www.tessaron-x\ny-rms.com\",\"x\ny\",r\n"
                      "\"a,\"\"b\"\"\",abc,r\n"
                      "http://www.tessaron-abc-piq.com,abc,p")
        << 1
        << QByteArray("tessaron: left out line 4, a row this program would not write (the name "
                      "is not one of 1 to 40 small letters, digits and hyphens): name \"x\\ny\", "
                      "family \"r\", address \"http://www.tessaron-x\\ny-rms.com\"\n"
                      "tessaron: left out line 7, a row this program would not write (the "
                      "address is not the one formed from the name and the family): name "
                      "\"abc\", family \"r\", address \"a,\"b\"\"\n"
                      "tessaron: imported FILE: 2 added, 0 already there, 2 left out, 0 links "
                      "not figure addresses\n")
        << QStringList{abcT, abcP};
    QTest::newRow("csv with a missing and an extra column")
        << QByteArray("address,name,family\r\n"
                      "http://www.tessaron-abc-tlx.com,abc\r\n"
                      "http://www.tessaron-abc-piq.com,abc,p,extra\r\n"
                      "http://www.tessaron-zz-pys.com,zz,p\r\n")
        << 1
        << QByteArray("tessaron: left out line 2, which has 2 fields, not the 3 of "
                      "address,name,family\n"
                      "tessaron: left out line 3, which has 4 fields, not the 3 of "
                      "address,name,family\n"
                      "tessaron: imported FILE: 1 added, 0 already there, 2 left out, 0 links "
                      "not figure addresses\n")
        << QStringList{zzP};
    QTest::newRow("a header with a column missing")
        << QByteArray("address,name\r\nhttp://www.tessaron-zz-pys.com,zz\r\n") << 2 << notFavourites
        << QStringList{};
    static constexpr char kBadBytes[] = "address,name,family\n"
                                        "http://www.tessaron-ab\xff-rxx.com,ab\xff,r\n"
                                        "http://www.tessaron-zz-pys.com,zz,p\n"
                                        "http://www.tessaron-a\0b-rxx.com,a\0b\x1b[31m,r\n";
    QTest::newRow("invalid UTF-8 and NUL bytes in rows")
        << QByteArray(kBadBytes, sizeof kBadBytes - 1) << 1
        << QByteArray("tessaron: left out line 2, a row this program would not write (the name "
                      "is not one of 1 to 40 small letters, digits and hyphens): name "
                      "\"ab\\xff\", family \"r\", address \"http://www.tessaron-ab\\xff-rxx.com\"\n"
                      "tessaron: left out line 4, a row this program would not write (the name "
                      "is not one of 1 to 40 small letters, digits and hyphens): name "
                      "\"a\\x00b\\x1b[31m\", family \"r\", address "
                      "\"http://www.tessaron-a\\x00b-rxx.com\"\n"
                      "tessaron: imported FILE: 1 added, 0 already there, 2 left out, 0 links "
                      "not figure addresses\n")
        << QStringList{zzP};
    QTest::newRow("an empty file")
        << QByteArray() << 2 << QByteArray("tessaron: FILE: it is empty; nothing was imported\n")
        << QStringList{};
    QTest::newRow("binary") << QByteArray("\x7f"
                                          "ELF\x02\x01\x01\0\0\0\0\0\0\0\0\0\x03\0>\0\n\0\0",
                                          24)
                            << 2 << notFavourites << QStringList{};
    QTest::newRow("NUL bytes") << QByteArray(100000, '\0') << 2 << notFavourites << QStringList{};
    QTest::newRow("invalid UTF-8 in the header")
        << QByteArray("address,n\xe4me,family\nhttp://www.tessaron-zz-pys.com,zz,p\n") << 2
        << notFavourites << QStringList{};
    QTest::newRow("a quote never closed")
        << QByteArray("address,name,family\n"
                      "http://www.tessaron-zz-pys.com,zz,p\n"
                      "\"http://www.tessaron-abc-tlx.com,abc,t\n")
        << 2
        << QByteArray("tessaron: FILE: the quoted field begun on line 3 is never closed; "
                      "nothing was imported\n")
        << QStringList{};
    QTest::newRow("a tag without end")
        << QByteArray("<!doctype netscape-bookmark-file-1>\n"
                      "<DT><A HREF=\"http://www.tessaron-zz-pys.com\">zz</A>\n<A HREF=\"") +
               QByteArray(1100000, 'x')
        << 2
        << QByteArray("tessaron: FILE: the tag begun on line 3 is longer than 1048576 bytes; "
                      "nothing was imported\n")
        << QStringList{};
    QTest::newRow("a page of text between tags")
        << QByteArray("<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<P>") + QByteArray(3000000, 'x') +
               QByteArray("</P><A HREF=\"http://www.tessaron-zz-pys.com\">zz</A>")
        << 0
        << QByteArray("tessaron: imported FILE: 1 added, 0 already there, 0 left out, 0 links "
                      "not figure addresses\n")
        << QStringList{zzP};
}

void TestFavouritesImport::files()
{
    QFETCH(QByteArray, file);
    QFETCH(int, status);
    QFETCH(QByteArray, message);
    QFETCH(QStringList, added);
    const StoredRowText there = wellFormedRows().first();
    Store store({there});
    QString name;
    const Outcome outcome = importBytes(file, store.path, &name);
    // Whole, where QCOMPARE would cut the texts short.
    const QByteArray expected = message.replace("FILE", name.toUtf8());
    QVERIFY2(outcome.err == expected,
             ("said:\n" + outcome.err + "expected:\n" + expected).constData());
    QCOMPARE(outcome.status, status);
    QCOMPARE(storedRows(store.path), QStringList{row(there)} + added);
}

void TestFavouritesImport::moreThanTenLeftOutAreCounted()
{
    QByteArray csv = "address,name,family\n";
    // Any row of the hostile ones, but none longer than a record may be.
    for (const StoredRowText &r : hostileRows() + wellFormedRows()) {
        QByteArray fields[3] = {r.adreca.toUtf8(), r.nom.left(1000).toUtf8(), r.figura.toUtf8()};
        for (QByteArray &f : fields)
            f = '"' + f.replace("\"", "\"\"") + '"';
        csv += fields[0] + ',' + fields[1] + ',' + fields[2] + "\r\n";
    }
    Store store;
    QString name;
    const Outcome outcome = importBytes(csv, store.path, &name);
    QCOMPARE(outcome.status, 1);
    const QList<QByteArray> lines = outcome.err.split('\n');
    QCOMPARE(lines.size(), kLeftOutNamed + 3); // and the empty piece after the last line end
    for (qsizetype i = 0; i < kLeftOutNamed; ++i)
        QVERIFY2(lines[i].startsWith("tessaron: left out line "), lines[i].constData());
    QCOMPARE(lines[kLeftOutNamed], QByteArray("tessaron: 2 more rows left out"));
    QCOMPARE(lines[kLeftOutNamed + 1], "tessaron: imported " + name.toUtf8() +
                                           ": 3 added, 0 already there, 12 left out, 0 links "
                                           "not figure addresses");
    QVERIFY(!outcome.err.contains('\x1b'));
    QVERIFY(!outcome.err.contains('\0'));
    QStringList wellFormed;
    for (const StoredRowText &r : wellFormedRows())
        wellFormed << row(r);
    QCOMPARE(storedRows(store.path), wellFormed);
}

void TestFavouritesImport::aLineWithoutEndIsRefusedAtTheBound_data()
{
    QTest::addColumn<QByteArray>("head");
    QTest::addColumn<QByteArray>("said");
    QTest::newRow("csv") << QByteArray("address,name,family\n") + csvRows(0, 500)
                         << QByteArray("standard input: line 502 is longer than 4096 bytes");
    QTest::newRow("bookmarks")
        << QByteArray("<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<DL><p><A HREF=\"http://www.tessaron"
                      "-zz-pys.com\">zz</A>\n<A ")
        << QByteArray("standard input: the tag begun on line 3 is longer than 1048576 bytes");
    QTest::newRow("nothing but zero bytes")
        << QByteArray() << QByteArray("standard input: it is not a file of favourites");
}

void TestFavouritesImport::aLineWithoutEndIsRefusedAtTheBound()
{
    // A gigabyte of zero bytes after the head: the program stops at its bound,
    // long before the end, in a memory limit far below the gigabyte.
    QFETCH(QByteArray, head);
    QFETCH(QByteArray, said);
    Program program;
    const QStringList before = storedRows(program.store);
    QTemporaryFile headFile;
    QVERIFY(headFile.open() && headFile.write(head) == head.size() && headFile.flush());
    // AddressSanitizer reserves terabytes of address space for itself, so under it
    // the limit is on the memory used, which it watches, not on the address space.
#if defined(__SANITIZE_ADDRESS__)
    const QString limit = "export ASAN_OPTIONS=\"$ASAN_OPTIONS:hard_rss_limit_mb=400\"; ";
#else
    const QString limit = "ulimit -v 400000; ";
#endif
    QProcess process;
    process.start("bash", {"-c",
                           limit + "cat \"$1\" - < /dev/zero | head -c 1000000000 | "
                                   "\"$0\" --import -; echo \"status ${PIPESTATUS[2]}\" >&2",
                           program.path, headFile.fileName()});
    QVERIFY(process.waitForFinished(60000));
    const QByteArray err = process.readAllStandardError();
    QVERIFY2(err.contains("tessaron: " + said), err.constData());
    QVERIFY2(err.endsWith("; nothing was imported\nstatus 2\n"), err.constData());
    QCOMPARE(storedRows(program.store), before);
}

void TestFavouritesImport::aLockedStoreIsWaitedForThenReported()
{
    Store store(wellFormedRows());
    const QStringList before = storedRows(store.path);
    QProcess holder;
    QVERIFY(startLockHolder(holder, store.path, 8000));
    QElapsedTimer clock;
    clock.start();
    QString name;
    const Outcome outcome =
        importBytes("address,name,family\n" + csvRows(0, 10), store.path, &name);
    const qint64 waited = clock.elapsed();
    QCOMPARE(outcome.status, 1);
    QCOMPARE(outcome.err, "tessaron: the favourites cannot be written: " + store.path.toUtf8() +
                              ": another program has locked it; nothing was imported\n");
    QVERIFY2(waited >= kBusyTimeoutMs - 500 && waited < kBusyTimeoutMs + 2500,
             qPrintable(QString::number(waited)));
    QVERIFY(holder.waitForFinished(10000));
    QCOMPARE(storedRows(store.path), before);
}

void TestFavouritesImport::aStoreFreedInTimeIsWritten()
{
    Store store;
    QProcess holder;
    QVERIFY(startLockHolder(holder, store.path, 1000));
    QString name;
    const Outcome outcome =
        importBytes("address,name,family\n" + csvRows(0, 10), store.path, &name);
    QCOMPARE(outcome.status, 0);
    QCOMPARE(storedRows(store.path).size(), 10);
    QVERIFY(holder.waitForFinished(10000));
}

void TestFavouritesImport::aReadOnlyStoreIsLeftAsItWas()
{
    // Root writes any file whatever its mode: a file system mounted read-only
    // stops root too. Anyone else is stopped by the file's mode.
    SmallDisk disk("1m");
    const QString path = disk.dir.filePath("TESSARON.MDB");
    QVERIFY(createEmptyStore(path));
    QVERIFY(insertRows(path, wellFormedRows()));
    const QStringList before = storedRows(path);
    if (disk.mounted)
        QVERIFY(disk.makeReadOnly());
    else
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner) &&
                QFile::setPermissions(disk.dir.path(), QFile::ReadOwner | QFile::ExeOwner));
    const Outcome outcome = importBytes("address,name,family\n" + csvRows(0, 10), path);
    QFile::setPermissions(disk.dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(outcome.status, 1);
    QCOMPARE(outcome.err, "tessaron: the favourites cannot be written: " + path.toUtf8() +
                              ": it is read-only; nothing was imported\n");
    QCOMPARE(storedRows(path), before);
}

void TestFavouritesImport::aFullDiskLeavesTheStoreAsItWas()
{
    SmallDisk disk("256k");
    if (!disk.mounted)
        QSKIP("a small file system of its own needs root to mount it");
    const QString path = disk.dir.filePath("TESSARON.MDB");
    QVERIFY(createEmptyStore(path));
    QVERIFY(insertRows(path, wellFormedRows()));
    const QStringList before = storedRows(path);
    QTemporaryFile file; // on the larger disk
    const QByteArray csv = "address,name,family\n" + csvRows(0, 20000);
    QVERIFY(file.open() && file.write(csv) == csv.size() && file.flush());
    const Outcome outcome = importFile(file.fileName(), path);
    QCOMPARE(outcome.status, 1);
    QVERIFY2(outcome.err.startsWith("tessaron: the favourites cannot be written: " + path.toUtf8() +
                                    ": the disk is full"),
             outcome.err.constData());
    QCOMPARE(storedRows(path), before);
    QVERIFY(!QFile::exists(path + "-journal"));
}

void TestFavouritesImport::aSignalBetweenRowsUndoesTheImport()
{
    // The rows come through a pipe; SIGTERM arrives while they are being
    // added, before the last is written.
    Store store(wellFormedRows());
    const QStringList before = storedRows(store.path);
    int fds[2];
    QVERIFY(::pipe(fds) == 0);
    std::thread writer([fd = fds[1]] {
        const auto put = [fd](const QByteArray &bytes) {
            for (qsizetype at = 0; at < bytes.size();) {
                const ssize_t n = ::write(fd, bytes.constData() + at, size_t(bytes.size() - at));
                if (n <= 0)
                    return;
                at += n;
            }
        };
        put("address,name,family\n" + csvRows(0, 5000));
        ::kill(::getpid(), SIGTERM);
        put(csvRows(5000, 5000));
        ::close(fd);
    });
    const Outcome outcome = importFile("-", store.path, fds[0]);
    // The rest of the rows find no reader: the writer is told so, not ended.
    const auto previous = std::signal(SIGPIPE, SIG_IGN);
    ::close(fds[0]);
    writer.join();
    std::signal(SIGPIPE, previous);
    QCOMPARE(outcome.signal, SIGTERM);
    QCOMPARE(outcome.err,
             QByteArray("tessaron: standard input: ended by SIGTERM; nothing was imported\n"));
    QCOMPARE(storedRows(store.path), before);
}

void TestFavouritesImport::aSignalEndsTheProgramWithNothingAdded_data()
{
    QTest::addColumn<int>("signal");
    QTest::addColumn<QByteArray>("name");
    QTest::newRow("TERM") << int(SIGTERM) << QByteArray("SIGTERM");
    QTest::newRow("INT") << int(SIGINT) << QByteArray("SIGINT");
    QTest::newRow("HUP") << int(SIGHUP) << QByteArray("SIGHUP");
}

void TestFavouritesImport::aSignalEndsTheProgramWithNothingAdded()
{
    // The program has added rows and waits for more on its input when the
    // signal comes.
    QFETCH(int, signal);
    QFETCH(QByteArray, name);
    Program program;
    const QStringList before = storedRows(program.store);
    QProcess process;
    process.start(program.path, {"--import", "-"});
    QVERIFY(process.waitForStarted(20000));
    process.write("address,name,family\n" + csvRows(0, 3000));
    QVERIFY(process.waitForBytesWritten(20000));
    QTRY_VERIFY_WITH_TIMEOUT(storeIsHeld(program.store), 20000);
    QTest::qWait(200);
    ::kill(pid_t(process.processId()), signal);
    QVERIFY(process.waitForFinished(20000));
    QCOMPARE(process.exitStatus(), QProcess::CrashExit);
    QCOMPARE(process.exitCode(), signal);
    QCOMPARE(process.readAllStandardError(),
             "tessaron: standard input: ended by " + name + "; nothing was imported\n");
    QCOMPARE(storedRows(program.store), before);
}

void TestFavouritesImport::killedMidImportLeavesNoRow()
{
    // More rows than SQLite keeps in memory, so that pages of the transaction
    // are in the store file itself when the program is killed: the journal left
    // behind takes them back at the next open.
    Program program;
    const QStringList before = storedRows(program.store);
    QProcess process;
    process.start(program.path, {"--import", "-"});
    QVERIFY(process.waitForStarted(20000));
    process.write("address,name,family\n" + csvRows(0, 60000));
    QVERIFY(process.waitForBytesWritten(20000));
    QTRY_VERIFY_WITH_TIMEOUT(storeIsHeld(program.store), 20000);
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(program.store).size() > 1024 * 1024, 20000);
    process.kill();
    QVERIFY(process.waitForFinished(20000));
    QVERIFY(QFile::exists(program.store + "-journal"));
    // The next connection finds the journal and undoes the rows: an export's,
    // which only reads, as well as a window's.
    const QByteArray csv = exportedFile(ExportFormat::Csv, program.store);
    QVERIFY(!QFile::exists(program.store + "-journal"));
    QCOMPARE(csv, "address,name,family\r\n"
                  "http://www.tessaron-abc-rmt.com,abc,r\r\n"
                  "http://www.tessaron-abc-tlx.com,abc,t\r\n"
                  "http://www.tessaron-zz-pys.com,zz,p\r\n");
    QCOMPARE(storedRows(program.store), before);
    QVERIFY(execOn(program.store, {"PRAGMA integrity_check"}));
}

void TestFavouritesImport::fromStandardInput()
{
    Program program;
    QProcess process;
    process.start(program.path, {"--import", "-"});
    QVERIFY(process.waitForStarted(20000));
    process.write("address,name,family\n" + csvRows(0, 3) +
                  "http://www.tessaron-abc-rmt.com,abc,r\n");
    process.closeWriteChannel();
    QVERIFY(process.waitForFinished(20000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.readAllStandardError(),
             QByteArray("tessaron: imported standard input: 3 added, 1 already there, 0 left "
                        "out, 0 links not figure addresses\n"));
    QCOMPARE(process.readAllStandardOutput(), QByteArray());
    QCOMPARE(process.exitCode(), 0);
    QCOMPARE(storedRows(program.store).size(), wellFormedRows().size() + 3);
}

void TestFavouritesImport::aNewInstallationImportsIntoTheUsersOwnStore()
{
    // An installation that has never run, as the exports find its store.
    PrivateDataFolders data;
    QTemporaryDir prefix;
    QVERIFY(QDir().mkpath(prefix.filePath("bin")) &&
            QDir().mkpath(prefix.filePath("share/tessaron")));
    const QString program = prefix.filePath("bin/tessaron");
    QVERIFY(QFile::copy(qEnvironmentVariable("TESSARON_BINARY"), program));
    QVERIFY(QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner));
    QVERIFY(createEmptyStore(prefix.filePath("share/tessaron/TESSARON.MDB")));
    QTemporaryFile file;
    const QByteArray csv = "address,name,family\r\nhttp://www.tessaron-zz-pys.com,zz,p\r\n";
    QVERIFY(file.open() && file.write(csv) == csv.size() && file.flush());
    QProcess process;
    process.start(program, {"--import", file.fileName()});
    QVERIFY(process.waitForFinished(20000));
    QCOMPARE(process.exitCode(), 0);
    QCOMPARE(storedRows(data.userStore()), QStringList{"http://www.tessaron-zz-pys.com|zz|p"});
    QCOMPARE(storedRows(prefix.filePath("share/tessaron/TESSARON.MDB")), QStringList{});
}

void TestFavouritesImport::aFileNameOfAnyBytes()
{
    // A name that is no UTF-8 is opened as the bytes it is, and shown escaped; a
    // "%2" in it is part of the name, not a place for a count.
    Program program;
    QTemporaryDir dir;
    QProcess process;
    process.start("bash", {"-c",
                           "f=\"$1/a$(printf '\\xff\\x1b')%2b.csv\"; "
                           "printf 'address,name,family\\nhttp://www.tessaron-zz-pys.com,zz,p\\n' "
                           "> \"$f\"; \"$0\" --import \"$f\"; status=$?; "
                           // Qt cannot name this file to remove it: the shell does.
                           "rm -f \"$f\"; exit $status",
                           program.path, dir.path()});
    QVERIFY(process.waitForFinished(20000));
    QCOMPARE(process.readAllStandardError(),
             "tessaron: imported " + dir.path().toUtf8() +
                 "/a\\xff\\x1b%2b.csv: 0 added, 1 already there, 0 left out, 0 links not "
                 "figure "
                 "addresses\n");
    QCOMPARE(process.exitCode(), 0);
}

void TestFavouritesImport::eachStoreFaultIsSaidBothWays_data()
{
    QTest::addColumn<StoreFault>("fault");
    QTest::addColumn<QString>("reason"); // %1: the store
    QTest::newRow("a folder") << StoreFault::Directory << "it is not a file";
    QTest::newRow("not a database") << StoreFault::NotADatabase << "it is not a database";
    QTest::newRow("no table") << StoreFault::NoTable << "it holds no table AdrecaFig";
    QTest::newRow("a link to nothing")
        << StoreFault::DanglingLink << "it is a link to %1.gone, which does not exist";
    QTest::newRow("a loop of links")
        << StoreFault::LinkLoop << "it is a link that leads back to itself";
}

void TestFavouritesImport::eachStoreFaultIsSaidBothWays()
{
    // The exports and the import open the store their own way, around the
    // windows' cursor, and say what is wrong with it in the same words.
    QFETCH(StoreFault, fault);
    QFETCH(QString, reason);
    PrivateDataFolders data;
    Store store;
    QVERIFY(makeFaultyStore(store.path, fault));
    const QByteArray said = (store.path + ": " + reason.replace("%1", store.path)).toUtf8();

    const Outcome imported = importBytes("address,name,family\n" + csvRows(0, 3), store.path);
    QCOMPARE(imported.status, 1);
    QVERIFY2(imported.err.contains(said), imported.err.constData());

    const Exported e = exported(ExportFormat::Csv, store.path);
    QCOMPARE(e.status, 1);
    QVERIFY2(e.err.contains(said), e.err.constData());
    // Neither made a store of its own elsewhere.
    QVERIFY(!QFileInfo::exists(data.userStore()));
}

void TestFavouritesImport::aReadThatFailsMidFileImportsNothing_data()
{
    QTest::addColumn<int>("format");
    QTest::newRow("csv") << int(ExportFormat::Csv);
    QTest::newRow("html") << int(ExportFormat::Html);
}

void TestFavouritesImport::aReadThatFailsMidFileImportsNothing()
{
    // A whole export waits in a pipe that never says it has ended, and whose
    // reads do not wait: once the rows are read, the next read fails (EAGAIN).
    // That is a failure of the file, not its end.
    QFETCH(int, format);
    Store source(savedRows(30));
    const QByteArray file = exportedFile(ExportFormat(format), source.path);
    QVERIFY(file.size() > 1024 && file.size() < 60000); // past the sniff, within the pipe
    int ends[2];
    QVERIFY(::pipe(ends) == 0);
    QVERIFY(::fcntl(ends[0], F_SETFL, O_NONBLOCK) == 0);
    QCOMPARE(::write(ends[1], file.constData(), std::size_t(file.size())), file.size());
    Store store;
    const Outcome outcome = importFile("-", store.path, ends[0]);
    ::close(ends[0]);
    ::close(ends[1]);
    QCOMPARE(outcome.status, 2);
    QVERIFY2(outcome.err.endsWith(": Resource temporarily unavailable; nothing was imported\n"),
             outcome.err.constData());
    QCOMPARE(storedRows(store.path), QStringList());
}

int main(int argc, char **argv)
{
    if (const int held = holdLockIfAsked(argc, argv); held >= 0)
        return held;
    QCoreApplication app(argc, argv);
    TestFavouritesImport test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_favouritesimport.moc"
