#include "core/cli/favouritesexport.h"
#include "core/favourites/favouritescursor.h"
#include "support/datafolders.h"
#include "support/storehelper.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtTest>

using namespace tessaron;

namespace {

// A store holding, among plain rows, an address with every character that needs
// escaping, which another tool could have written.
struct Store {
    QTemporaryDir dir;
    QString path = dir.filePath("TESSARON.MDB");

    Store()
    {
        QVERIFY(createEmptyStore(path));
        QVERIFY(execOn(
            path,
            {
                "INSERT INTO AdrecaFig VALUES ('http://www.tessaron-zz-pah.com', 'zz', 'p')",
                "INSERT INTO AdrecaFig VALUES ('http://www.tessaron-abc-rmt.com', 'abc', 'r')",
                "INSERT INTO AdrecaFig VALUES ('http://www.tessaron-abc-tlx.com', 'abc', 't')",
                "INSERT INTO AdrecaFig VALUES ('http://x.example/?a=1&b=<2>\"q\"', 'we,ird', 't')",
            }));
    }
};

QString exported(ExportFormat format, const QString &path, int *status = nullptr)
{
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    const int result = exportFavourites(format, path, outStream, errStream);
    if (status)
        *status = result;
    return result == 0 ? out : err;
}

QString unescapeHtml(QString text)
{
    text.replace("&lt;", "<").replace("&gt;", ">").replace("&quot;", "\"").replace("&amp;", "&");
    return text;
}

} // namespace

class TestFavouritesExport : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void csvInStoreOrderWithQuoting();
    void htmlParsesBackIntoFolders();
    void anUnreadableStoreIsSaid();
};

void TestFavouritesExport::csvInStoreOrderWithQuoting()
{
    Store store;
    QCOMPARE(exported(ExportFormat::Csv, store.path),
             QStringLiteral("address,name,family\r\n"
                            "http://www.tessaron-abc-rmt.com,abc,r\r\n"
                            "http://www.tessaron-abc-tlx.com,abc,t\r\n"
                            "\"http://x.example/?a=1&b=<2>\"\"q\"\"\",\"we,ird\",t\r\n"
                            "http://www.tessaron-zz-pah.com,zz,p\r\n"));
}

void TestFavouritesExport::htmlParsesBackIntoFolders()
{
    Store store;
    const QString html = exported(ExportFormat::Html, store.path);
    QVERIFY(html.startsWith("<!DOCTYPE NETSCAPE-Bookmark-file-1>"));
    QVERIFY(!html.contains("<2>")); // escaped, not markup
    // Read back as a browser does: folders with their links, in order.
    static const QRegularExpression item(R"re(<H3>([^<]*)</H3>|<A HREF="([^"]*)">([^<]*)</A>)re");
    QStringList read;
    for (const QRegularExpressionMatch &m : item.globalMatch(html))
        read << (m.captured(1).isEmpty()
                     ? unescapeHtml(m.captured(2)) + " | " + unescapeHtml(m.captured(3))
                     : "folder " + unescapeHtml(m.captured(1)));
    QCOMPARE(read, (QStringList{"folder Tessaron: four sides",
                                "http://www.tessaron-abc-rmt.com | abc (four sides)",
                                "folder Tessaron: three sides",
                                "http://www.tessaron-abc-tlx.com | abc (three sides)",
                                "http://x.example/?a=1&b=<2>\"q\" | we,ird (three sides)",
                                "folder Tessaron: more than four sides",
                                "http://www.tessaron-zz-pah.com | zz (more than four sides)"}));
    QCOMPARE(html.count("<DL><p>"), html.count("</DL><p>"));
}

void TestFavouritesExport::anUnreadableStoreIsSaid()
{
    int status = 0;
    QTemporaryDir dir;
    const QString message = exported(ExportFormat::Csv, dir.filePath("TESSARON.MDB"), &status);
    QCOMPARE(status, 1);
    QVERIFY2(message.contains(dir.filePath("TESSARON.MDB") + ": the file does not exist"),
             qPrintable(message));

    // The program run from a folder with no store, and no store of the user's.
    PrivateDataFolders data;
    QTemporaryDir programDir;
    const QString program = programDir.filePath("tessaron");
    QVERIFY(QFile::copy(qEnvironmentVariable("TESSARON_BINARY"), program));
    QVERIFY(QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner));
    QProcess run;
    run.start(program, {"--favourites", "html"});
    QVERIFY(run.waitForFinished(20000));
    QCOMPARE(run.exitCode(), 1);
    QCOMPARE(run.readAllStandardOutput(), QByteArray());
    QVERIFY(run.readAllStandardError().contains(data.userStore().toUtf8()));
    QVERIFY(!QFile::exists(data.userStore())); // an export makes no store
}

QTEST_GUILESS_MAIN(TestFavouritesExport)
#include "tst_favouritesexport.moc"
