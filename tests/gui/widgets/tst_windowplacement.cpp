// Every window stands centred as the window manager frames it: run under Xvfb
// with openbox, which puts a title bar and borders around each window.
#include "gui/help/helpviewer.h"
#include "gui/widgets/fonts.h"
#include "support/apphelper.h"

#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWindow>

using namespace tessaron;

namespace {

QPoint centredFrame(const QWidget *w)
{
    const QRect screen = w->screen()->geometry();
    const QRect outer = w->frameGeometry();
    return {screen.x() + (screen.width() - outer.width()) / 2,
            screen.y() + (screen.height() - outer.height()) / 2};
}

bool framed(const QWidget *w)
{
    return w->windowHandle() && w->windowHandle()->frameMargins().top() > 0;
}

} // namespace

class TestWindowPlacement : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void centredWithItsFrame_data();
    void centredWithItsFrame();
    void helpWindowCentredWithItsFrame();
    void englishFavouritesMayShrink();
    void withoutAWindowManagerNothingWaits();
};

void TestWindowPlacement::initTestCase()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs an X server with a window manager (run with -platform xcb under openbox)");
    installFontSubstitutions();
}

void TestWindowPlacement::centredWithItsFrame_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("lang");
    const std::pair<WindowKind, const char *> kinds[] = {
        {WindowKind::Main, "main"},           {WindowKind::Favourites, "favourites"},
        {WindowKind::Compact, "compact"},     {WindowKind::About, "about"},
        {WindowKind::Registers, "registers"}, {WindowKind::Symbology, "symbology"}};
    for (const auto &[kind, name] : kinds) {
        QTest::addRow("es %s", name) << int(kind) << int(Lang::Spanish);
        QTest::addRow("en %s", name) << int(kind) << int(Lang::English);
    }
}

void TestWindowPlacement::centredWithItsFrame()
{
    QFETCH(int, kind);
    QFETCH(int, lang);
    TestApp app;
    QWidget *w = app.open<QWidget>(WindowKind(kind), Lang(lang));
    QVERIFY(w);
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QTRY_VERIFY_WITH_TIMEOUT(framed(w), 5000);
    QTRY_COMPARE_WITH_TIMEOUT(w->frameGeometry().topLeft(), centredFrame(w), 5000);
    // It stays there: nothing moves it afterwards.
    QTest::qWait(300);
    QCOMPARE(w->frameGeometry().topLeft(), centredFrame(w));
    app.app.registry().exitNow();
}

void TestWindowPlacement::helpWindowCentredWithItsFrame()
{
    HelpViewer viewer;
    viewer.showHelp("/nonexistent/help.hlp", HelpCommand::Contents, 0, Lang::English);
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    QTRY_VERIFY_WITH_TIMEOUT(framed(&viewer), 5000);
    QTRY_COMPARE_WITH_TIMEOUT(viewer.frameGeometry().topLeft(), centredFrame(&viewer), 5000);
}

void TestWindowPlacement::englishFavouritesMayShrink()
{
    TestApp app;
    QWidget *w = app.open<QWidget>(WindowKind::Favourites, Lang::English);
    QVERIFY(QTest::qWaitForWindowExposed(w));
    const QSize designed = w->size();
    auto *title = w->findChild<QWidget *>("lblaTitol");
    QVERIFY(title);
    const QPoint titleAt = title->mapTo(w, QPoint(0, 0));
    const QSize smaller = designed - QSize(200, 100);
    w->resize(smaller);
    QTRY_COMPARE_WITH_TIMEOUT(w->size(), smaller, 5000);
    w->resize(designed + QSize(100, 50));
    QTRY_COMPARE_WITH_TIMEOUT(w->size(), designed + QSize(100, 50), 5000);
    QCOMPARE(title->mapTo(w, QPoint(0, 0)), titleAt); // nothing moves
    app.app.registry().exitNow();
}

// With no window manager nothing frames a window: it stays where it was put,
// centred on its own size, and nothing goes on waiting or looking for a frame.
void TestWindowPlacement::withoutAWindowManagerNothingWaits()
{
    if (qEnvironmentVariable("TESSARON_NO_WINDOW_MANAGER") != u"1")
        QSKIP("run by tst_windowplacement_nowm, on an X server without a window manager");
    TestApp app;
    QWidget *w = app.open<QWidget>(WindowKind::Main, Lang::Spanish);
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QTest::qWait(500);
    QVERIFY(!framed(w));
    QCOMPARE(w->frameGeometry().topLeft(), centredFrame(w));
    // Timer events in the next 600 ms, whoever gets them: a caret's blink at most,
    // where a wait for a frame looked every 25 ms.
    struct TimerCount : QObject {
        int count = 0;
        bool eventFilter(QObject *, QEvent *event) override
        {
            count += event->type() == QEvent::Timer ? 1 : 0;
            return false;
        }
    } timers;
    qApp->installEventFilter(&timers);
    QTest::qWait(600);
    qApp->removeEventFilter(&timers);
    QVERIFY2(timers.count <= 3, qPrintable(QString::number(timers.count)));
    app.app.registry().exitNow();
}

QTEST_MAIN(TestWindowPlacement)
#include "tst_windowplacement.moc"
