#include "gui/app/windowregistry.h"

#include <QSignalSpy>
#include <QTest>

using namespace tessaron;

class TestWindowRegistry : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void eachTwinOnceAndAnewAfterClosing();
    void programEndsWithItsLastWindow();
    void exitClosesEverything();
    void askingAgainWhileItIsBeingMadeMakesNoSecondCopy();
};

namespace {

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

} // namespace

void TestWindowRegistry::eachTwinOnceAndAnewAfterClosing()
{
    WindowRegistry registry;
    int made = 0;
    registry.setFactory(WindowKind::Main, [&](Lang) {
        ++made;
        return new QWidget;
    });
    QVERIFY(!registry.show(WindowKind::Compact, Lang::Spanish)); // not part of the program

    QVERIFY(registry.show(WindowKind::Main, Lang::Spanish));
    QWidget *first = registry.window(WindowKind::Main, Lang::Spanish);
    first->showMinimized();
    QVERIFY(registry.show(WindowKind::Main, Lang::Spanish));
    QCOMPARE(made, 1);
    QCOMPARE(registry.window(WindowKind::Main, Lang::Spanish), first);
    QVERIFY(!first->isMinimized());

    QVERIFY(registry.show(WindowKind::Main, Lang::English));
    QCOMPARE(made, 2);
    QCOMPARE(registry.openCount(), 2);

    // Closed and shown again in the same turn, before the deletion: a new window.
    first->close();
    QVERIFY(!registry.window(WindowKind::Main, Lang::Spanish));
    QVERIFY(registry.show(WindowKind::Main, Lang::Spanish));
    QCOMPARE(made, 3);
    QVERIFY(registry.window(WindowKind::Main, Lang::Spanish) != nullptr);
}

void TestWindowRegistry::programEndsWithItsLastWindow()
{
    WindowRegistry registry;
    registry.setFactory(WindowKind::Main, [](Lang) { return new QWidget; });
    QSignalSpy quit(&registry, &WindowRegistry::quitRequested);
    registry.show(WindowKind::Main, Lang::Spanish);
    registry.show(WindowKind::Main, Lang::English);

    // Navigating: open the target, close this one. The program goes on.
    registry.window(WindowKind::Main, Lang::English)->close();
    settle();
    QCOMPARE(quit.count(), 0);

    registry.window(WindowKind::Main, Lang::Spanish)->close();
    settle();
    QCOMPARE(quit.count(), 1);
}

void TestWindowRegistry::exitClosesEverything()
{
    QPointer<QWidget> w;
    {
        WindowRegistry registry;
        registry.setFactory(WindowKind::Main, [](Lang) { return new QWidget; });
        QSignalSpy quit(&registry, &WindowRegistry::quitRequested);
        registry.show(WindowKind::Main, Lang::Spanish);
        w = registry.window(WindowKind::Main, Lang::Spanish);
        registry.exitNow();
        QCOMPARE(quit.count(), 1);
        settle();
        // Gone from the screen at once; deleted only with the registry, after the
        // event loop, so that no window goes while its own code runs.
        QVERIFY(w && !w->isVisible());
        QCOMPARE(registry.openCount(), 0);
        QVERIFY(!registry.show(WindowKind::Main, Lang::Spanish));
    }
    QVERIFY(w.isNull());
}

void TestWindowRegistry::askingAgainWhileItIsBeingMadeMakesNoSecondCopy()
{
    // A window whose making shows a message: a timer firing in that message's event
    // loop asks for the same window again.
    WindowRegistry registry;
    int made = 0;
    registry.setFactory(WindowKind::Main, [&](Lang lang) {
        ++made;
        registry.show(WindowKind::Main, lang);
        return new QWidget;
    });
    QVERIFY(registry.show(WindowKind::Main, Lang::English));
    QCOMPARE(made, 1);
    QCOMPARE(registry.openCount(), 1);
}

QTEST_MAIN(TestWindowRegistry)
#include "tst_windowregistry.moc"
