#include "core/cli/favouritesexport.h"
#include "core/cli/outputsink.h"
#include "core/coding/modtessaron.h"
#include "core/favourites/favouritescursor.h"
#include "core/favourites/favouritesstore.h"
#include "support/datafolders.h"
#include "support/exportrun.h"
#include "support/hostilerows.h"
#include "support/storehelper.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>

#include <unistd.h>

using namespace tessaron;

namespace {

// The bookmarks read back as a browser reads them: folders and their links.
QStringList bookmarks(const QByteArray &html)
{
    static const QRegularExpression item(R"re(<H3>([^<]*)</H3>|<A HREF="([^"]*)">([^<]*)</A>)re");
    QStringList read;
    for (const QRegularExpressionMatch &m : item.globalMatch(QString::fromUtf8(html)))
        read << (m.captured(1).isEmpty() ? m.captured(2) + " | " + m.captured(3)
                                         : "folder " + m.captured(1));
    return read;
}

const QByteArray kCsv = "address,name,family\r\n"
                        "http://www.tessaron-abc-rmt.com,abc,r\r\n"
                        "http://www.tessaron-abc-tlx.com,abc,t\r\n"
                        "http://www.tessaron-zz-pys.com,zz,p\r\n";

const QStringList kBookmarks{"folder Tessaron: four sides",
                             "http://www.tessaron-abc-rmt.com | abc (four sides)",
                             "folder Tessaron: three sides",
                             "http://www.tessaron-abc-tlx.com | abc (three sides)",
                             "folder Tessaron: more than four sides",
                             "http://www.tessaron-zz-pys.com | zz (more than four sides)"};

} // namespace

class TestFavouritesExport : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void wellFormedStoresExportWhole_data();
    void wellFormedStoresExportWhole();
    void eachFamilyHasItsFolder_data();
    void eachFamilyHasItsFolder();
    void manyRowsComeOutInFolderOrder();
    void hostileRowsAreLeftOutAndNamed_data();
    void hostileRowsAreLeftOutAndNamed();
    void anUnreadableStoreIsSaid();
    void aNewInstallationExportsAtOnce();
};

void TestFavouritesExport::wellFormedStoresExportWhole_data()
{
    QTest::addColumn<int>("format");
    QTest::newRow("csv") << int(ExportFormat::Csv);
    QTest::newRow("html") << int(ExportFormat::Html);
}

void TestFavouritesExport::wellFormedStoresExportWhole()
{
    QFETCH(int, format);
    Store store(wellFormedRows());
    const Exported e = exported(ExportFormat(format), store.path);
    QCOMPARE(e.status, 0);
    QCOMPARE(e.err, QByteArray());
    if (ExportFormat(format) == ExportFormat::Csv) {
        QCOMPARE(e.out, kCsv);
    } else {
        QVERIFY(e.out.startsWith("<!DOCTYPE NETSCAPE-Bookmark-file-1>"));
        QCOMPARE(bookmarks(e.out), kBookmarks);
        QCOMPARE(e.out.count("<DL><p>"), e.out.count("</DL><p>"));
    }
}

void TestFavouritesExport::eachFamilyHasItsFolder_data()
{
    // The families a store holds ("abc" saved in each of `families`), and the
    // bookmarks a browser reads back: a folder for each family there is, in the
    // order four sides, circle or ellipse, three sides, more than four sides.
    QTest::addColumn<QString>("families");
    QTest::addColumn<QStringList>("expected");
    const QString r = "folder Tessaron: four sides";
    const QString rAbc = "http://www.tessaron-abc-rmt.com | abc (four sides)";
    const QString c = "folder Tessaron: circle or ellipse";
    const QString cAbc = "http://www.tessaron-abc-cto.com | abc (circle or ellipse)";
    const QString t = "folder Tessaron: three sides";
    const QString tAbc = "http://www.tessaron-abc-tlx.com | abc (three sides)";
    const QString p = "folder Tessaron: more than four sides";
    const QString pAbc = "http://www.tessaron-abc-piq.com | abc (more than four sides)";
    QTest::newRow("none") << "" << QStringList{};
    QTest::newRow("four sides") << "r" << QStringList{r, rAbc};
    QTest::newRow("circle or ellipse") << "c" << QStringList{c, cAbc};
    QTest::newRow("three sides") << "t" << QStringList{t, tAbc};
    QTest::newRow("more than four sides") << "p" << QStringList{p, pAbc};
    QTest::newRow("all but the first") << "ctp" << QStringList{c, cAbc, t, tAbc, p, pAbc};
    QTest::newRow("first and last") << "rp" << QStringList{r, rAbc, p, pAbc};
    QTest::newRow("all four") << "pctr" << QStringList{r, rAbc, c, cAbc, t, tAbc, p, pAbc};
}

void TestFavouritesExport::eachFamilyHasItsFolder()
{
    QFETCH(QString, families);
    QFETCH(QStringList, expected);
    const QHash<QChar, QString> addresses{{u'r', "http://www.tessaron-abc-rmt.com"},
                                          {u'c', "http://www.tessaron-abc-cto.com"},
                                          {u't', "http://www.tessaron-abc-tlx.com"},
                                          {u'p', "http://www.tessaron-abc-piq.com"}};
    QList<StoredRowText> rows;
    for (QChar letter : families)
        rows.append({letter, "abc", letter, addresses.value(letter)});
    Store store(rows);
    const Exported e = exported(ExportFormat::Html, store.path);
    QCOMPARE(e.status, 0);
    QCOMPARE(e.err, QByteArray());
    QCOMPARE(bookmarks(e.out), expected);
    QCOMPARE(e.out.count("<DL><p>"), 1 + expected.size() / 2);
    QCOMPARE(e.out.count("</DL><p>"), 1 + expected.size() / 2);
}

void TestFavouritesExport::manyRowsComeOutInFolderOrder()
{
    // Enough rows that the later folders, kept aside while the store is read in
    // name order, pass through their files in several blocks.
    ModTessaron state; // rows as the save buttons write them
    const int names = 3000;
    QList<StoredRowText> rows;
    for (int i = 0; i < names; ++i) {
        const QString name = QStringLiteral("n%1").arg(i, 5, 10, QLatin1Char('0'));
        for (Family family : kFamilies)
            rows.append(
                {name, name, QString(familyLetter(family)), state.formFigureAddress(family, name)});
    }
    Store store(rows);
    const Exported e = exported(ExportFormat::Html, store.path);
    QCOMPARE(e.status, 0);
    QVERIFY(e.out.size() > 4 * 64 * 1024);
    const QStringList read = bookmarks(e.out);
    QCOMPARE(read.size(), 4 * (names + 1));
    const QStringList titles{"four sides", "circle or ellipse", "three sides",
                             "more than four sides"};
    for (int f = 0; f < 4; ++f) {
        const int at = f * (names + 1);
        QCOMPARE(read[at], "folder Tessaron: " + titles[f]);
        for (int i : {0, 1, names / 2, names - 1}) {
            const QString name = QStringLiteral("n%1").arg(i, 5, 10, QLatin1Char('0'));
            QVERIFY2(read[at + 1 + i].endsWith(" | " + name + " (" + titles[f] + ")"),
                     qPrintable(read[at + 1 + i]));
        }
    }
}

void TestFavouritesExport::hostileRowsAreLeftOutAndNamed_data()
{
    QTest::addColumn<int>("format");
    QTest::newRow("csv") << int(ExportFormat::Csv);
    QTest::newRow("html") << int(ExportFormat::Html);
}

void TestFavouritesExport::hostileRowsAreLeftOutAndNamed()
{
    QFETCH(int, format);
    const QList<StoredRowText> hostile = hostileRows();
    Store store(wellFormedRows() + hostile);
    const Exported e = exported(ExportFormat(format), store.path);
    QCOMPARE(e.status, 1);
    // Exactly the rows the program writes, as a store of them alone exports.
    if (ExportFormat(format) == ExportFormat::Csv)
        QCOMPARE(e.out, kCsv);
    else
        QCOMPARE(bookmarks(e.out), kBookmarks);
    for (const char *raw : {"\x1b", "<img", "<h1", "javascript:", "=HYPERLINK", "evil"})
        QVERIFY2(!e.out.contains(raw), raw);
    QVERIFY(!e.out.contains('\0'));

    // The first ten left out are named, escaped, and the rest counted.
    const QList<QByteArray> lines = e.err.split('\n');
    QCOMPARE(lines.size(), kLeftOutNamed + 2); // and the empty piece after the last line end
    for (qsizetype i = 0; i < kLeftOutNamed; ++i)
        QVERIFY2(lines[i].startsWith("tessaron: left out a row this program did not write ("),
                 lines[i].constData());
    QCOMPARE(lines[kLeftOutNamed], QByteArray("tessaron: 2 more rows left out"));
    QVERIFY(!e.err.contains('\x1b'));
    QVERIFY(!e.err.contains('\0'));
    QVERIFY(e.err.contains("name \"a\\x00b\\x1b[31m\""));
    QVERIFY(e.err.contains("name \"@evil.example/x\", family \"r\""));
    QVERIFY(e.err.contains("(the family is not r, c, t or p): name \"abc\", family \"R\""));
    QVERIFY(e.err.contains("(the address is not the one formed from the name and the family): "
                           "name \"abc\", family \"c\", address \"javascript:alert(1)\""));
}

void TestFavouritesExport::anUnreadableStoreIsSaid()
{
    PrivateDataFolders data;
    QTemporaryDir dir;
    const Exported e = exported(ExportFormat::Csv, dir.filePath("TESSARON.MDB"));
    QCOMPARE(e.status, 1);
    QVERIFY2(e.err.contains(data.userStore().toUtf8() + ": the file does not exist; nor is the "
                                                        "empty store it is made from there: "),
             e.err.constData());
    QCOMPARE(e.out, QByteArray());
}

void TestFavouritesExport::aNewInstallationExportsAtOnce()
{
    // An installation that has never run: prefix/bin and prefix/share/tessaron.
    PrivateDataFolders data;
    QTemporaryDir prefix;
    QVERIFY(QDir().mkpath(prefix.filePath("bin")) &&
            QDir().mkpath(prefix.filePath("share/tessaron")));
    const QString program = prefix.filePath("bin/tessaron");
    QVERIFY(QFile::copy(qEnvironmentVariable("TESSARON_BINARY"), program));
    QVERIFY(QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner));
    const auto run = [&program] {
        QProcess process;
        process.start(program, {"--favourites", "csv"});
        process.waitForFinished(20000);
        return std::tuple{process.exitCode(), process.readAllStandardOutput(),
                          process.readAllStandardError()};
    };

    // No template either: both places are named, and no store is made.
    const auto [noTemplate, noOut, noErr] = run();
    QCOMPARE(noTemplate, 1);
    QCOMPARE(noOut, QByteArray());
    QVERIFY2(noErr.contains(data.userStore().toUtf8()), noErr.constData());
    QVERIFY2(
        noErr.contains(QDir::cleanPath(prefix.filePath("share/tessaron/TESSARON.MDB")).toUtf8()),
        noErr.constData());
    QVERIFY(!QFile::exists(data.userStore()));

    // With the template the user's store is made, as the windows make it.
    QVERIFY(createEmptyStore(prefix.filePath("share/tessaron/TESSARON.MDB")));
    const auto [made, madeOut, madeErr] = run();
    QCOMPARE(made, 0);
    QCOMPARE(madeOut, QByteArray("address,name,family\r\n"));
    QCOMPARE(madeErr, QByteArray());
    QVERIFY(QFile::exists(data.userStore()));

    // A data folder that cannot be made is said as that, not as a missing file.
    QVERIFY(QFile::remove(data.userStore()));
    QFile blocker(data.home.filePath("blocker"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    qputenv("XDG_DATA_HOME", blocker.fileName().toUtf8() + "/share");
    const auto [blocked, blockedOut, blockedErr] = run();
    QCOMPARE(blocked, 1);
    QVERIFY2(blockedErr.contains("could not be made (") && blockedErr.contains("Not a directory"),
             blockedErr.constData());
}

QTEST_GUILESS_MAIN(TestFavouritesExport)
#include "tst_favouritesexport.moc"
