#include "core/coding/browser.h"
#include "gui/systemdesktop.h"
#include "gui/widgets/icons.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace tessaron;

namespace {

// A stand-in browser that writes each argument it gets on a line of its own.
QString writeRecorder(const QTemporaryDir &dir, const QString &name)
{
    const QString path = dir.filePath(name);
    QFile script(path);
    if (!script.open(QIODevice::WriteOnly))
        qFatal("cannot write the recorder script");
    script.write("#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"$0.args.tmp\"\n"
                 "mv \"$0.args.tmp\" \"$0.args\"\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

} // namespace

class TestDesktop : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void discoveryTakesTheFirstUsableBrowserEntry();
    void discoveryFallsBackAndCanFindNothing();
    void launchPassesTheAddressAsOneArgument_data();
    void launchPassesTheAddressAsOneArgument();
    void launchOfNothingFails();
    void windowIconIsTheDesktopsPicture();
};

void TestDesktop::windowIconIsTheDesktopsPicture()
{
    const QImage installed = QIcon(":/icons/com.tessaron.tessaron.svg").pixmap(64, 64).toImage();
    QVERIFY2(!installed.isNull(), "the SVG icon engine (libqt6svg6) is missing");
    QCOMPARE(applicationIcon().pixmap(64, 64).toImage(), installed);
}

void TestDesktop::discoveryTakesTheFirstUsableBrowserEntry()
{
    QTemporaryDir dir;
    const QString recorder = writeRecorder(dir, "recorder");
    // A missing program and an entry that needs a shell are skipped.
    qputenv("BROWSER",
            (dir.filePath("missing") + ":firefox %s:" + recorder + ":/bin/true").toLocal8Bit());
    QCOMPARE(discoverBrowser(), recorder);
    qunsetenv("BROWSER");
}

void TestDesktop::discoveryFallsBackAndCanFindNothing()
{
    const QByteArray path = qgetenv("PATH");
    QTemporaryDir dir;
    const QString xdgOpen = writeRecorder(dir, "xdg-open");
    qunsetenv("BROWSER");
    qputenv("PATH", dir.path().toLocal8Bit());
    QCOMPARE(discoverBrowser(), xdgOpen);
    qputenv("PATH", "");
    QCOMPARE(discoverBrowser(), QString());
    qputenv("PATH", path);
}

void TestDesktop::launchPassesTheAddressAsOneArgument_data()
{
    QTest::addColumn<QString>("address");
    QTest::newRow("figure address") << "http://www.tessaron-abc-tlx.com";
    QTest::newRow("blanks, quotes and shell words")
        << "http://x y/'a' \"b\" $(touch " + QDir::tempPath() + "/tessaron-shell-ran); ls";
}

void TestDesktop::launchPassesTheAddressAsOneArgument()
{
    QFETCH(QString, address);
    QTemporaryDir dir;
    const QString recorder = writeRecorder(dir, "recorder");
    qputenv("BROWSER", recorder.toLocal8Bit());
    SystemDesktop desktop;
    QVERIFY(desktop.startBrowser(discoverBrowser(), address));
    QFile args(recorder + ".args");
    QTRY_VERIFY_WITH_TIMEOUT(args.exists(), 10000);
    QVERIFY(args.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(args.readAll()), address + u'\n');
    QVERIFY(!QFile::exists(QDir::tempPath() + "/tessaron-shell-ran"));
    qunsetenv("BROWSER");
}

void TestDesktop::launchOfNothingFails()
{
    SystemDesktop desktop;
    QVERIFY(!desktop.startBrowser(QString(), "http://www.abc.com"));
    QVERIFY(!desktop.startBrowser("/nonexistent/browser", "http://www.abc.com"));
}

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
