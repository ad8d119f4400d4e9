#include "gui/about/aboutwindow.h"
#include "gui/main/mainwindow.h"
#include "support/apphelper.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace tessaron;

class TestAboutWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void loadStartsTheAnimationAndFindsTheBrowser();
    void framesAdvanceAndWrap();
    void everyWayOfClosingShowsTheMainWindowOnce_data();
    void everyWayOfClosingShowsTheMainWindowOnce();
    void clickOnTheAnimationOpensTheHomePage();
    void openedFromSpanishLeadsToSpanishAfterASwitch();
    void secondAboutClickDoesNotRestartIt();
    void startUpOpensTheSettingsLanguage();
    void layout_data();
    void layout();
    void closeTimerWaitsForAScreenReader_data();
    void closeTimerWaitsForAScreenReader();
};

void TestAboutWindow::loadStartsTheAnimationAndFindsTheBrowser()
{
    TestApp app;
    qputenv("BROWSER", "/bin/true");
    app.app.state().NavegadorExe.clear();
    auto *about = app.open<AboutWindow>(WindowKind::About, Lang::Spanish);
    QVERIFY(about);
    QCOMPARE(about->conta(), 1);
    // The first frame is drawn once the window is up, as the event loop turns.
    QCOMPARE(about->shownFrame(), 0);
    QTRY_COMPARE(about->shownFrame(), 1);
    auto *closeTimer = about->findChild<QTimer *>("Timer1");
    auto *animation = about->findChild<QTimer *>("Timer2");
    QVERIFY(closeTimer->isActive());
    QCOMPARE(closeTimer->interval(), 10000);
    QVERIFY(animation->isActive());
    QCOMPARE(animation->interval(), 100);
    QCOMPARE(app.app.state().NavegadorExe, QStringLiteral("/bin/true"));
    qunsetenv("BROWSER");
}

void TestAboutWindow::framesAdvanceAndWrap()
{
    TestApp app;
    auto *about = app.open<AboutWindow>(WindowKind::About, Lang::English);
    QTRY_COMPARE(about->shownFrame(), 1);
    QList<int> shown{about->shownFrame()};
    for (int tick = 0; tick < 40; ++tick) {
        about->Timer2_Timer();
        QVERIFY(about->conta() >= 0 && about->conta() <= 17);
        shown << about->shownFrame();
    }
    for (int i = 0; i < shown.size(); ++i)
        QCOMPARE(shown.at(i), i % 18 + 1);
    // The real timer drives it too.
    const int before = about->shownFrame();
    QTRY_VERIFY_WITH_TIMEOUT(about->shownFrame() != before, 2000);
}

void TestAboutWindow::everyWayOfClosingShowsTheMainWindowOnce_data()
{
    QTest::addColumn<int>("lang");
    QTest::addColumn<QString>("how");
    for (Lang lang : {Lang::Spanish, Lang::English}) {
        const char *tag = lang == Lang::Spanish ? "es" : "en";
        for (const char *how :
             {"timer", "button", "close box", "animation", "Return", "Tab and Space"})
            QTest::addRow("%s %s", tag, how) << int(lang) << QString::fromLatin1(how);
    }
}

void TestAboutWindow::everyWayOfClosingShowsTheMainWindowOnce()
{
    QFETCH(int, lang);
    QFETCH(QString, how);
    TestApp app;
    int mainWindowsMade = 0;
    auto *about = app.open<AboutWindow>(WindowKind::About, Lang(lang));
    if (how == "timer")
        about->Timer1_Timer();
    else if (how == "button")
        about->findChild<QPushButton *>("Command1")->click();
    else if (how == "close box")
        about->close();
    else if (how == "animation")
        QTest::mouseClick(about->findChild<QLabel *>("Picture1"), Qt::LeftButton);
    else {
        // The button has the focus from the start; Tab goes on to the animation.
        QApplication::setActiveWindow(about);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command1"));
        if (how == "Tab and Space") {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Picture1"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
            QCOMPARE(app.desktop.launches.size(), 1);
        } else {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QVERIFY(app.desktop.launches.isEmpty());
        }
    }
    TestApp::settle();
    QVERIFY(!app.app.registry().window(WindowKind::About, Lang(lang)));
    QWidget *main = app.app.registry().window(WindowKind::Main, Lang(lang));
    QVERIFY(main);
    QCOMPARE(main->objectName(), Lang(lang) == Lang::Spanish ? "frmPrin_Cast" : "frmPrin_Ang");
    for (QWidget *w : QApplication::topLevelWidgets())
        mainWindowsMade += (qobject_cast<MainWindow *>(w) && w->isVisible()) ? 1 : 0;
    QCOMPARE(mainWindowsMade, 1);
    QCOMPARE(app.quits, 0);
}

void TestAboutWindow::clickOnTheAnimationOpensTheHomePage()
{
    TestApp app;
    auto *about = app.open<AboutWindow>(WindowKind::About, Lang::Spanish);
    app.app.state().NavegadorExe = "/usr/bin/test-browser";
    about->Picture1_Click();
    QCOMPARE(app.desktop.launches,
             (QList<FakeDesktop::Launch>{{"/usr/bin/test-browser", "http://www.tessaron.com"}}));
    QVERIFY(app.desktop.opened.isEmpty());

    // No browser program: the desktop's own handler opens the page instead.
    about = app.open<AboutWindow>(WindowKind::About, Lang::Spanish);
    app.app.state().NavegadorExe.clear();
    about->Picture1_Click();
    QCOMPARE(app.desktop.opened, QStringList{"http://www.tessaron.com"});
    QCOMPARE(app.desktop.launches.size(), 1);
}

void TestAboutWindow::openedFromSpanishLeadsToSpanishAfterASwitch()
{
    TestApp app;
    auto *spanish = app.open<MainWindow>(WindowKind::Main, Lang::Spanish);
    spanish->findChild<QAction *>("mnucreditos")->trigger();
    auto *about =
        qobject_cast<AboutWindow *>(app.app.registry().window(WindowKind::About, Lang::Spanish));
    QVERIFY(about);
    QCOMPARE(app.app.registry().window(WindowKind::Main, Lang::Spanish), spanish); // stays open
    spanish->findChild<QAction *>("mnuenglish")->trigger();
    TestApp::settle();
    QVERIFY(!app.app.registry().window(WindowKind::Main, Lang::Spanish));
    QVERIFY(app.app.registry().window(WindowKind::Main, Lang::English));
    about->Timer1_Timer();
    TestApp::settle();
    QVERIFY(app.app.registry().window(WindowKind::Main, Lang::Spanish));
    QVERIFY(app.app.registry().window(WindowKind::Main, Lang::English));
}

void TestAboutWindow::secondAboutClickDoesNotRestartIt()
{
    TestApp app;
    auto *main = app.open<MainWindow>(WindowKind::Main, Lang::English);
    main->findChild<QAction *>("mnuAbout")->trigger();
    auto *about =
        qobject_cast<AboutWindow *>(app.app.registry().window(WindowKind::About, Lang::English));
    QVERIFY(about);
    for (int i = 0; i < 5; ++i)
        about->Timer2_Timer();
    auto *closeTimer = about->findChild<QTimer *>("Timer1");
    QTest::qWait(300);
    const int remaining = closeTimer->remainingTime();
    main->findChild<QAction *>("mnuAbout")->trigger();
    QCOMPARE(app.app.registry().window(WindowKind::About, Lang::English), about);
    QVERIFY(about->shownFrame() >= 6);
    QVERIFY(closeTimer->remainingTime() <= remaining);
}

void TestAboutWindow::startUpOpensTheSettingsLanguage()
{
    QTemporaryDir config;
    const QString settings = config.filePath("tessaron.ini");
    {
        TestApp app;
        app.app.start(settings);
        QVERIFY(app.app.registry().window(WindowKind::About, Lang::Spanish));
        QVERIFY(!QFile::exists(settings));
    }
    QFile f(settings);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("[Idioma]\nInici=Angles\n");
    f.close();
    {
        TestApp app;
        app.app.start(settings);
        auto *about = qobject_cast<AboutWindow *>(
            app.app.registry().window(WindowKind::About, Lang::English));
        QVERIFY(about);
        about->Timer1_Timer();
        TestApp::settle();
        QVERIFY(app.app.registry().window(WindowKind::Main, Lang::English));
    }
}

void TestAboutWindow::layout_data()
{
    QTest::addColumn<int>("lang");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("noticeHeight");
    QTest::newRow("es") << int(Lang::Spanish) << "Acerca de \"Tessaron v1.1\"" << QSize(376, 390)
                        << "Acepto" << 73;
    QTest::newRow("en") << int(Lang::English) << "About \"Tessaron v1.1\"" << QSize(382, 390)
                        << "OK" << 57;
}

void TestAboutWindow::layout()
{
    QFETCH(int, lang);
    QFETCH(QString, caption);
    QFETCH(QSize, size);
    QFETCH(QString, button);
    QFETCH(int, noticeHeight);
    TestApp app;
    auto *about = app.open<AboutWindow>(WindowKind::About, Lang(lang));
    QCOMPARE(about->windowTitle(), caption);
    QCOMPARE(about->size(), size);
    QCOMPARE(about->minimumSize(), about->maximumSize());
    QVERIFY(about->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!about->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!about->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QCOMPARE(about->findChild<QPushButton *>("Command1")->text(), button);
    QCOMPARE(about->findChild<QLabel *>("Label8")->height(), noticeHeight);
    QVERIFY(about->findChild<QLabel *>("Label8")->text().size() > 20);
    QTRY_COMPARE(about->findChild<QLabel *>("Picture1")->pixmap().size(), QSize(80, 80));
    QVERIFY(!about->findChild<QLabel *>("Picture1")->accessibleName().isEmpty());
}

void TestAboutWindow::closeTimerWaitsForAScreenReader_data()
{
    QTest::addColumn<int>("lang");
    QTest::newRow("es") << int(Lang::Spanish);
    QTest::newRow("en") << int(Lang::English);
}

// Run twice: as it is, where no screen reader listens, and by with_reader.sh on a
// private accessibility bus with Qt's bridge on, where Qt takes one to be there
// (TESSARON_TEST_SCREEN_READER=1).
void TestAboutWindow::closeTimerWaitsForAScreenReader()
{
    QFETCH(int, lang);
    const bool reader = qEnvironmentVariableIntValue("TESSARON_TEST_SCREEN_READER") == 1;
    TestApp app;
    auto *about = app.open<AboutWindow>(WindowKind::About, Lang(lang));
    QVERIFY(about);
    // The bridge takes a turn of the event loop to find the bus.
    if (reader)
        QTRY_VERIFY_WITH_TIMEOUT(QAccessible::isActive(), 5000);
    else
        QVERIFY(!QAccessible::isActive());
    // The real close timer, made short.
    auto *closeTimer = about->findChild<QTimer *>("Timer1");
    QCOMPARE(closeTimer->interval(), 10000);
    closeTimer->setInterval(50);
    closeTimer->start();
    QTest::qWait(400);
    TestApp::settle();
    QCOMPARE(app.app.registry().window(WindowKind::About, Lang(lang)) != nullptr, reader);
    QCOMPARE(app.app.registry().window(WindowKind::Main, Lang(lang)) != nullptr, !reader);
    if (!reader)
        return;
    // The button still closes it, and leads on to the main window.
    about->findChild<QPushButton *>("Command1")->click();
    TestApp::settle();
    QVERIFY(!app.app.registry().window(WindowKind::About, Lang(lang)));
    QVERIFY(app.app.registry().window(WindowKind::Main, Lang(lang)));
}

QTEST_MAIN(TestAboutWindow)
#include "tst_aboutwindow.moc"
