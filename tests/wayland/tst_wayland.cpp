#include "gui/compact/compactwindow.h"
#include "gui/help/helpviewer.h"
#include "gui/systemdesktop.h"
#include "gui/widgets/fonts.h"
#include "support/apphelper.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

using namespace tessaron;

// The windows on a Wayland compositor (a private weston on its headless backend,
// started by with_weston.sh): each one becomes a surface of its own, opens, takes
// the keys typed into it and closes, and a typed name reaches the browser.
class TestWayland : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void everyWindowOpensAndCloses_data();
    void everyWindowOpensAndCloses();
    void theHelpWindowOpens();
    void aTypedNameReachesTheBrowser_data();
    void aTypedNameReachesTheBrowser();
    void aTypedNameReachesTheBrowserProgram();
    void keepInFrontIsNotOffered();
};

namespace {

// With TESSARON_WAYLAND_SHOTS naming a folder (tools/wayland_screenshots.sh), each
// window the test opens is photographed there by weston's screenshooter.
void takeScreenshot(const QString &name)
{
    const QString folder = qEnvironmentVariable("TESSARON_WAYLAND_SHOTS");
    if (folder.isEmpty())
        return;
    QTest::qWait(500); // drawn and placed
    QProcess shooter;
    shooter.setWorkingDirectory(folder);
    shooter.start(QStringLiteral("weston-screenshooter"), {});
    QVERIFY(shooter.waitForFinished(10000));
    QDir dir(folder);
    const QStringList taken = dir.entryList({QStringLiteral("wayland-screenshot-*.png")});
    QCOMPARE(taken.size(), 1);
    dir.remove(name + QStringLiteral(".png"));
    QVERIFY(dir.rename(taken.first(), name + QStringLiteral(".png")));
}

} // namespace

void TestWayland::initTestCase()
{
    // Run elsewhere, this would prove nothing about Wayland.
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("wayland"));
    installFontSubstitutions();
    static QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
}

void TestWayland::everyWindowOpensAndCloses_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("lang");
    const std::pair<WindowKind, const char *> kinds[] = {
        {WindowKind::About, "about"},           {WindowKind::Main, "main"},
        {WindowKind::Favourites, "favourites"}, {WindowKind::Registers, "registers"},
        {WindowKind::Symbology, "symbology"},   {WindowKind::Compact, "compact"}};
    for (const auto &[kind, name] : kinds) {
        QTest::addRow("%s es", name) << int(kind) << int(Lang::Spanish);
        QTest::addRow("%s en", name) << int(kind) << int(Lang::English);
    }
}

void TestWayland::everyWindowOpensAndCloses()
{
    QFETCH(int, kind);
    QFETCH(int, lang);
    TestApp app;
    app.app.registry().show(WindowKind(kind), Lang(lang));
    QWidget *w = app.app.registry().window(WindowKind(kind), Lang(lang));
    QVERIFY(w);
    QVERIFY(QTest::qWaitForWindowExposed(w));
    // A surface of the compositor's, with the window's own title and size.
    QVERIFY(w->windowHandle());
    QVERIFY(w->windowHandle()->handle());
    QVERIFY(!w->windowTitle().isEmpty());
    QVERIFY(w->width() > 100 && w->height() > 50);
    takeScreenshot(QString::fromLatin1(QTest::currentDataTag()).replace(u' ', u'-'));
    // What is typed into a text box of the window lands there.
    if (auto *box = w->findChild<QLineEdit *>()) {
        box->setFocus();
        QTest::keyClicks(box, "xyz");
        QVERIFY2(box->text().endsWith(u"xyz"), qPrintable(box->text()));
    }
    QPointer<QWidget> window(w);
    QVERIFY(w->close());
    TestApp::settle();
    QVERIFY(window.isNull());
    QVERIFY(!app.app.registry().window(WindowKind(kind), Lang(lang)));
}

void TestWayland::theHelpWindowOpens()
{
    HelpViewer viewer;
    viewer.showHelp(QStringLiteral(TESSARON_HELP_DIR "/help.hlp"), HelpCommand::Topic, 400,
                    Lang::English);
    viewer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    QVERIFY(viewer.windowHandle()->handle());
    QCOMPARE(viewer.view(), HelpViewer::View::Topic);
    takeScreenshot(QStringLiteral("help-en"));
    QVERIFY(viewer.close());
}

void TestWayland::aTypedNameReachesTheBrowser_data()
{
    QTest::addColumn<int>("lang");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("label");
    QTest::newRow("es") << int(Lang::Spanish) << "txtAdreca"
                        << "lblAdreca1";
    QTest::newRow("en") << int(Lang::English) << "txtaAdreca"
                        << "lblaAdreca1";
}

void TestWayland::aTypedNameReachesTheBrowser()
{
    QFETCH(int, lang);
    QFETCH(QString, box);
    QFETCH(QString, label);
    TestApp app;
    app.app.registry().show(WindowKind::Main, Lang(lang));
    QWidget *w = app.app.registry().window(WindowKind::Main, Lang(lang));
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QTest::keyClicks(w->findChild<QLineEdit *>(box), "Abc");
    QTest::mouseClick(w->findChild<QLabel *>(label), Qt::LeftButton);
    takeScreenshot(QStringLiteral("main-typed-") + QString::fromLatin1(QTest::currentDataTag()));
    const QList<FakeDesktop::Launch> expected{
        {"/usr/bin/test-browser", "http://www.tessaron-abc-rmt.com"}};
    QCOMPARE(app.desktop.launches, expected);
}

void TestWayland::aTypedNameReachesTheBrowserProgram()
{
    // The real desktop service starting a browser program that writes down its
    // arguments, as $BROWSER would name it.
    QTemporaryDir dir;
    QDir::setCurrent(dir.path()); // the browser starts in a folder that exists
    const QString browser = dir.filePath("browser");
    const QString record = dir.filePath("record");
    {
        QFile script(browser);
        QVERIFY(script.open(QIODevice::WriteOnly));
        QVERIFY(script.write("#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$0.tmp\" && mv \"$0.tmp\" " +
                             QFile::encodeName(record) + "\n") > 0);
        script.close();
        QVERIFY(script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    }
    PrivateDataFolders folders;
    QTemporaryDir programDir;
    SystemDesktop desktop;
    Application app(desktop, programDir.path());
    app.state().NavegadorExe = browser;
    app.registry().show(WindowKind::Compact, Lang::English);
    QWidget *w = app.registry().window(WindowKind::Compact, Lang::English);
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QTest::keyClicks(w->findChild<QLineEdit *>("txtpaAdreca"), "abc");
    QTest::mouseClick(w->findChild<QLabel *>("lblpaAdreca3"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(record), 5000);
    QFile got(record);
    QVERIFY(got.open(QIODevice::ReadOnly));
    QCOMPARE(got.readAll(), QByteArray("http://www.tessaron-abc-tlx.com\n"));
    app.registry().exitNow();
}

void TestWayland::keepInFrontIsNotOffered()
{
    TestApp app;
    for (Lang lang : {Lang::Spanish, Lang::English}) {
        auto *w = app.open<CompactWindow>(WindowKind::Compact, lang);
        QVERIFY(QTest::qWaitForWindowExposed(w));
        // No Wayland compositor keeps a window in front when asked: the switch is
        // not shown rather than shown doing nothing.
        QVERIFY(!w->findChild<QCheckBox *>("Check_VFlot")->isVisible());
        QVERIFY(w->findChild<QLineEdit *>()->isVisible());
        takeScreenshot(lang == Lang::Spanish ? QStringLiteral("compact-es")
                                             : QStringLiteral("compact-en"));
    }
}

QTEST_MAIN(TestWayland)
#include "tst_wayland.moc"
