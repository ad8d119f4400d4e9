#include "core/favourites/favouriterow.h"
#include "core/favourites/favouritescursor.h"
#include "core/texts/storetexts.h"
#include "support/hostilerows.h"
#include "support/storehelper.h"

#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <csignal>
#include <unistd.h>

using namespace tessaron;

namespace {

// The kind of StoreError `f` throws; nothing when it throws none, which the
// comparison then reports in the test that asked.
template <typename F> std::optional<StoreError::Kind> failureOf(F &&f)
{
    try {
        f();
    } catch (const StoreError &e) {
        return e.kind();
    }
    return std::nullopt;
}

// The "nom:figura" of the row a move gave; "none" when it gave none.
QString rowText(const std::optional<StoredRow> &row)
{
    return row ? row->nom + ':' + row->figura : QStringLiteral("none");
}

// Walks from the first row to the end: "nom:figura" for each row.
QStringList walk(FavouritesCursor &cursor)
{
    QStringList seen;
    for (std::optional<StoredRow> row = cursor.moveFirst(); row; row = cursor.moveNext()) {
        seen << rowText(row);
        if (seen.last() != cursor.currentName() + ':' + cursor.currentFamily())
            return seen << QStringLiteral("the move gave another row than it stands on");
    }
    if (!cursor.atEnd())
        seen << QStringLiteral("not at the end after the last row");
    return seen;
}

} // namespace

class TestFavouritesCursor : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void rowRule_data();
    void rowRule();
    void init();
    void emptyTable();
    void rowsOfOneNameStandTogether();
    void findByNameIgnoresCase();
    void deleteTheOnlyRow();
    void deleteInTheMiddleThenStep();
    void duplicateAddFailsAndChangesNothing();
    void enginesCodesNameTheirCauses();
    void openFailures_data();
    void openFailures();
    void waitsForAShortLock();
    void findIgnoresCaseInAStoreMadeElsewhere();
    void anAddSurvivesAKillRightAfter();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_store;
};

Q_DECLARE_METATYPE(RowFault)

void TestFavouritesCursor::rowRule_data()
{
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("figura");
    QTest::addColumn<QString>("adreca");
    QTest::addColumn<RowFault>("fault");
    for (const StoredRowText &row : wellFormedRows())
        QTest::newRow(qPrintable(row.label))
            << row.nom << row.figura << row.adreca << RowFault::None;
    QTest::newRow("longest name") << QString(40, u'z') << "c"
                                  << "http://www.tessaron-" + QString(40, u'z') + "-csd.com"
                                  << RowFault::None;
    QTest::newRow("hyphens inside and at the end")
        << "a--b-"
        << "r"
        << "http://www.tessaron-a--b--rpj.com" << RowFault::None;
    const QList<RowFault> faults{RowFault::Name,    RowFault::Name,    RowFault::Name,
                                 RowFault::Address, RowFault::Address, RowFault::Address,
                                 RowFault::Family,  RowFault::Family,  RowFault::Name,
                                 RowFault::Name,    RowFault::Name,    RowFault::Name};
    const QList<StoredRowText> hostile = hostileRows();
    QCOMPARE(hostile.size(), faults.size());
    for (qsizetype i = 0; i < hostile.size(); ++i)
        QTest::newRow(qPrintable(hostile[i].label))
            << hostile[i].nom << hostile[i].figura << hostile[i].adreca << faults[i];
    QTest::newRow("41 characters")
        << QString(41, u'z') << "c"
        << "http://www.tessaron-" + QString(41, u'z') + "-cxx.com" << RowFault::Name;
    QTest::newRow("leading hyphen") << "-ab"
                                    << "r"
                                    << "http://www.tessaron--ab-rxx.com" << RowFault::Name;
    QTest::newRow("Kelvin sign") << QStringView(u"\u212Aab").toString() << "r"
                                 << "http://www.tessaron-kab-rxx.com" << RowFault::Name;
    QTest::newRow("address with a trailing blank")
        << "abc"
        << "r"
        << "http://www.tessaron-abc-rmt.com " << RowFault::Address;
    QTest::newRow("address in capitals") << "abc"
                                         << "r"
                                         << "HTTP://WWW.TESSARON-ABC-RMT.COM" << RowFault::Address;
    QTest::newRow("two-letter family") << "abc"
                                       << "rc"
                                       << "http://www.tessaron-abc-rmt.com" << RowFault::Family;
}

void TestFavouritesCursor::rowRule()
{
    QFETCH(QString, nom);
    QFETCH(QString, figura);
    QFETCH(QString, adreca);
    QFETCH(RowFault, fault);
    QCOMPARE(rowFault(nom, figura, adreca), fault);
}

void TestFavouritesCursor::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_store = m_dir->filePath("TESSARON.MDB");
    QVERIFY(createEmptyStore(m_store));
}

void TestFavouritesCursor::emptyTable()
{
    FavouritesCursor cursor;
    cursor.open(m_store);
    QVERIFY(cursor.atBegin());
    QVERIFY(cursor.atEnd());
    // An empty table is an ordinary state: every move gives nothing.
    QCOMPARE(rowText(cursor.moveFirst()), QStringLiteral("none"));
    QCOMPARE(rowText(cursor.moveLast()), QStringLiteral("none"));
    QCOMPARE(rowText(cursor.moveNext()), QStringLiteral("none"));
    QCOMPARE(rowText(cursor.movePrevious()), QStringLiteral("none"));
    QCOMPARE(rowText(cursor.current()), QStringLiteral("none"));
    // Asking for the current row's parts where there is none is the caller's fault.
    QCOMPARE(failureOf([&] { (void)cursor.currentName(); }),
             std::optional(StoreError::Kind::NoRow));
    QCOMPARE(failureOf([&] { cursor.deleteCurrent(); }), std::optional(StoreError::Kind::NoRow));
    QVERIFY(!cursor.findFirst("abc"));
    QVERIFY(cursor.atBegin() && cursor.atEnd());
}

void TestFavouritesCursor::rowsOfOneNameStandTogether()
{
    FavouritesCursor cursor;
    cursor.open(m_store);
    // Added out of order and interleaved with other names.
    cursor.add("http://www.tessaron-abc-piq.com", "abc", "p");
    cursor.add("http://www.tessaron-zed-rxx.com", "zed", "r");
    cursor.add("http://www.tessaron-abc-cto.com", "abc", "c");
    cursor.add("http://www.tessaron-aaa-tzz.com", "aaa", "t");
    cursor.add("http://www.tessaron-abc-rmt.com", "abc", "r");
    cursor.add("http://www.tessaron-abc-tlx.com", "abc", "t");
    const QStringList expected{"aaa:t", "abc:c", "abc:p", "abc:r", "abc:t", "zed:r"};
    QCOMPARE(walk(cursor), expected);

    // And backwards from the last row.
    QStringList back;
    for (std::optional<StoredRow> row = cursor.moveLast(); row; row = cursor.movePrevious())
        back.prepend(rowText(row));
    QCOMPARE(back, expected);
    QVERIFY(cursor.atBegin());
    QCOMPARE(rowText(cursor.movePrevious()), QStringLiteral("none")); // stays before the first
    QCOMPARE(rowText(cursor.moveNext()), QStringLiteral("aaa:t"));    // from before the first row
    QCOMPARE(cursor.currentName(), QStringLiteral("aaa"));
}

void TestFavouritesCursor::findByNameIgnoresCase()
{
    FavouritesCursor cursor;
    cursor.open(m_store);
    cursor.add("http://www.tessaron-abc-rmt.com", "abc", "r");
    cursor.add("http://www.tessaron-abc-piq.com", "abc", "p");
    cursor.add("http://www.tessaron-abd-rxx.com", "abd", "r");
    QVERIFY(cursor.findFirst("ABC"));
    QCOMPARE(cursor.currentName(), QStringLiteral("abc"));
    QCOMPARE(cursor.currentFamily(), QStringLiteral("p"));
    QVERIFY(cursor.findLast("Abc"));
    QCOMPARE(cursor.currentFamily(), QStringLiteral("r"));
    QVERIFY(!cursor.findFirst("ab"));
    // Bound, never spliced into the statement.
    QVERIFY(!cursor.findFirst("x' OR '1'='1"));
    QVERIFY(!cursor.findFirst("abc' --"));
}

void TestFavouritesCursor::deleteTheOnlyRow()
{
    FavouritesCursor cursor;
    cursor.open(m_store);
    cursor.add("http://www.tessaron-abc-rmt.com", "abc", "r");
    QCOMPARE(rowText(cursor.moveFirst()), QStringLiteral("abc:r"));
    cursor.deleteCurrent();
    QCOMPARE(rowText(cursor.current()), QStringLiteral("none"));
    QCOMPARE(failureOf([&] { (void)cursor.currentName(); }),
             std::optional(StoreError::Kind::NoRow));
    QCOMPARE(rowText(cursor.moveFirst()), QStringLiteral("none"));
    QVERIFY(storedRows(m_store).isEmpty());
}

void TestFavouritesCursor::deleteInTheMiddleThenStep()
{
    FavouritesCursor cursor;
    cursor.open(m_store);
    for (const char *name : {"a", "b", "c"})
        cursor.add(QString("http://www.tessaron-%1-rxx.com").arg(name), name, "r");
    QCOMPARE(rowText(cursor.moveFirst()), QStringLiteral("a:r"));
    QCOMPARE(rowText(cursor.moveNext()), QStringLiteral("b:r"));
    cursor.deleteCurrent();
    QCOMPARE(rowText(cursor.moveNext()), QStringLiteral("c:r"));
    QCOMPARE(cursor.currentName(), QStringLiteral("c"));
    QCOMPARE(rowText(cursor.movePrevious()), QStringLiteral("a:r"));
    QCOMPARE(cursor.currentName(), QStringLiteral("a"));
}

void TestFavouritesCursor::duplicateAddFailsAndChangesNothing()
{
    FavouritesCursor cursor;
    cursor.open(m_store);
    cursor.add("http://www.tessaron-abc-rmt.com", "abc", "r");
    QCOMPARE(failureOf([&] { cursor.add("http://www.tessaron-abc-rmt.com", "abc", "r"); }),
             std::optional(StoreError::Kind::Duplicate));
    QCOMPARE(storedRows(m_store), QStringList{"http://www.tessaron-abc-rmt.com|abc|r"});
    // The next add starts afresh.
    cursor.add("http://www.tessaron-abc-cto.com", "abc", "c");
    QCOMPARE(storedRows(m_store).size(), 2);
}

void TestFavouritesCursor::enginesCodesNameTheirCauses()
{
    using C = StoreError::Cause;
    const QList<std::pair<int, C>> table{
        {5, C::Locked},
        {517, C::Locked}, // SQLITE_BUSY and BUSY_SNAPSHOT
        {6, C::Locked},
        {8, C::ReadOnly},
        {1032, C::ReadOnly}, // READONLY_DBMOVED: the file
                             // was replaced
        {13, C::DiskFull},
        {26, C::NotADatabase},
        {1, C::Other},
        {14, C::Other},
        {19, C::Other},
    };
    for (const auto &[code, cause] : table)
        QCOMPARE(StoreError::causeOfEngineCode(code), cause);
    // The rest keeps the engine's own words, in either language.
    const StoreError other(StoreError::Kind::Engine, C::Other, "/x/T.MDB", "disk I/O error");
    QCOMPARE(storeProblemText(Lang::Spanish, other), QStringLiteral("/x/T.MDB: disk I/O error"));
    const StoreError full(StoreError::Kind::Engine, C::DiskFull, "/x/T.MDB",
                          "database or disk is full");
    QCOMPARE(storeProblemText(Lang::Spanish, full),
             QStringLiteral("/x/T.MDB: el disco está lleno"));
    QCOMPARE(storeProblemText(Lang::English, full), QStringLiteral("/x/T.MDB: the disk is full"));
}

void TestFavouritesCursor::openFailures_data()
{
    QTest::addColumn<StoreFault>("fault");
    QTest::newRow("missing file") << StoreFault::Missing;
    QTest::newRow("a directory") << StoreFault::Directory;
    QTest::newRow("not a database") << StoreFault::NotADatabase;
    QTest::newRow("no AdrecaFig table") << StoreFault::NoTable;
}

void TestFavouritesCursor::openFailures()
{
    QFETCH(StoreFault, fault);
    const QString path = m_dir->filePath("other.mdb");
    QVERIFY(makeFaultyStore(path, fault));
    FavouritesCursor cursor;
    try {
        cursor.open(path);
        QFAIL("open should fail");
    } catch (const StoreError &e) {
        QCOMPARE(e.kind(), StoreError::Kind::CannotOpen);
        QVERIFY2(e.message().contains(path), qPrintable(e.message()));
    }
    QVERIFY(!cursor.isOpen());
    QCOMPARE(failureOf([&] { cursor.moveFirst(); }), std::optional(StoreError::Kind::CannotOpen));
    QCOMPARE(failureOf([&] { cursor.add("a", "b", "c"); }),
             std::optional(StoreError::Kind::CannotOpen));
    if (fault == StoreFault::Missing)
        QVERIFY(!QFile::exists(path)); // never created
}

void TestFavouritesCursor::findIgnoresCaseInAStoreMadeElsewhere()
{
    // A table whose nom compares letter case, as another tool may have made it.
    const QString other = m_dir->filePath("plain.mdb");
    QVERIFY(execOn(
        other, {"CREATE TABLE AdrecaFig (Adreca TEXT UNIQUE, nom TEXT, figura TEXT)",
                "INSERT INTO AdrecaFig VALUES ('http://www.tessaron-abc-rmt.com', 'abc', 'r')"}));
    FavouritesCursor cursor;
    cursor.open(other);
    QVERIFY(cursor.findFirst("ABC"));
    QVERIFY(cursor.findLast("aBc"));
    QCOMPARE(cursor.currentFamily(), QStringLiteral("r"));
}

void TestFavouritesCursor::waitsForAShortLock()
{
    FavouritesCursor cursor;
    cursor.open(m_store);
    QProcess holder;
    QVERIFY(startLockHolder(holder, m_store, 1000));
    QElapsedTimer timer;
    timer.start();
    cursor.add("http://www.tessaron-abc-rmt.com", "abc", "r");
    QVERIFY(timer.elapsed() >= 500); // it did wait for the other process
    QVERIFY(holder.waitForFinished(10000));
    QCOMPARE(storedRows(m_store), QStringList{"http://www.tessaron-abc-rmt.com|abc|r"});
}

void TestFavouritesCursor::anAddSurvivesAKillRightAfter()
{
    // Another process adds a row and is killed the moment add() returns.
    QProcess writer;
    writer.start(QCoreApplication::applicationFilePath(), {"--add-then-kill", m_store});
    QVERIFY(writer.waitForFinished(10000));
    QCOMPARE(writer.exitStatus(), QProcess::CrashExit);
    QCOMPARE(storedRows(m_store), QStringList{"http://www.tessaron-abc-rmt.com|abc|r"});
    FavouritesCursor cursor;
    cursor.open(m_store); // no hot journal left behind that would stop a reader
    QCOMPARE(cursor.currentName(), QStringLiteral("abc"));
}

int main(int argc, char **argv)
{
    if (const int held = holdLockIfAsked(argc, argv); held >= 0)
        return held;
    if (argc == 3 && QByteArray(argv[1]) == "--add-then-kill") {
        QCoreApplication app(argc, argv);
        FavouritesCursor cursor;
        cursor.open(QString::fromLocal8Bit(argv[2]));
        cursor.add("http://www.tessaron-abc-rmt.com", "abc", "r");
        ::kill(::getpid(), SIGKILL);
    }
    QCoreApplication app(argc, argv);
    TestFavouritesCursor test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_favouritescursor.moc"
