#include "gui/about/aboutwindow.h"
#include "gui/compact/compactwindow.h"
#include "gui/favourites/favouriteswindow.h"
#include "gui/main/mainwindow.h"
#include "support/apphelper.h"
#include "support/savednames.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace tessaron;

// Return and Enter press the focused push button of every window, as Space does.
class TestButtonKeys : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void pressTheFocusedButton_data();
    void pressTheFocusedButton();
};

namespace {

enum class Mode { None, Figure, Name };

QWidget *openWindow(TestApp &app, WindowKind kind, Lang lang, Mode mode)
{
    app.app.registry().show(kind, lang);
    QWidget *window = app.app.registry().window(kind, lang);
    if (window && mode != Mode::None) {
        auto *link = window->findChild<QWidget *>(mode == Mode::Figure ? "Label1" : "Label2");
        if (link)
            QTest::mouseClick(link, Qt::LeftButton);
    }
    return window;
}

} // namespace

void TestButtonKeys::pressTheFocusedButton_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("lang");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("clicks");

    struct Button {
        const char *row;
        WindowKind kind;
        Mode mode;
        const char *name;
        // A window's default button takes Return with a modifier too, as Qt's
        // default buttons always have.
        bool isDefault = false;
    };
    const Button buttons[] = {
        {"main, save four sides", WindowKind::Main, Mode::None, "Command4"},
        {"main, save more sides", WindowKind::Main, Mode::None, "Command7"},
        {"main, favourites", WindowKind::Main, Mode::None, "Command3"},
        {"main, registers", WindowKind::Main, Mode::None, "Command2"},
        {"main, symbology", WindowKind::Main, Mode::None, "Command1"},
        {"favourites, open circle", WindowKind::Favourites, Mode::Figure, "Command2"},
        {"favourites, search", WindowKind::Favourites, Mode::Name, "cmdbuscar"},
        {"favourites, next", WindowKind::Favourites, Mode::Name, "Command8"},
        {"favourites, previous", WindowKind::Favourites, Mode::Name, "Command7"},
        {"favourites, delete three sides", WindowKind::Favourites, Mode::Name, "cmdBorra_T"},
        {"compact, large form", WindowKind::Compact, Mode::None, "Command1"},
        {"about, OK", WindowKind::About, Mode::None, "Command1", true},
    };
    struct Key {
        const char *row;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int clicks;
    };
    const Key keys[] = {
        {"Return", Qt::Key_Return, Qt::NoModifier, 1},
        {"keypad Enter", Qt::Key_Enter, Qt::KeypadModifier, 1},
        {"Space", Qt::Key_Space, Qt::NoModifier, 1},
        // Keys with a modifier belong to shortcuts.
        {"Ctrl+Return", Qt::Key_Return, Qt::ControlModifier, 0},
        {"Alt+Enter", Qt::Key_Enter, Qt::AltModifier | Qt::KeypadModifier, 0},
    };
    for (Lang lang : {Lang::Spanish, Lang::English})
        for (const Button &b : buttons)
            for (const Key &k : keys)
                QTest::addRow("%s, %s, %s", lang == Lang::Spanish ? "es" : "en", b.row, k.row)
                    << int(b.kind) << int(lang) << int(b.mode) << QString::fromLatin1(b.name)
                    << int(k.key) << int(k.modifiers)
                    << (b.isDefault && k.key != Qt::Key_Space ? 1 : k.clicks);
}

void TestButtonKeys::pressTheFocusedButton()
{
    QFETCH(int, kind);
    QFETCH(int, lang);
    QFETCH(int, mode);
    QFETCH(QString, button);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, clicks);
    TestApp app;
    saveSomeNames(app, Lang(lang));
    QWidget *window = openWindow(app, WindowKind(kind), Lang(lang), Mode(mode));
    QVERIFY(window);
    auto *pushButton = window->findChild<QPushButton *>(button);
    QVERIFY2(pushButton, qPrintable(button));
    QVERIFY(pushButton->isVisible());
    QApplication::setActiveWindow(window);
    pushButton->setFocus(Qt::TabFocusReason);
    QSignalSpy clicked(pushButton, &QPushButton::clicked);
    QTest::keyClick(pushButton, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(clicked.size(), clicks);
    // A held key presses once.
    if (clicks == 1 && key != Qt::Key_Space && pushButton->isVisible()) {
        QKeyEvent held(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), QString(), true);
        QApplication::sendEvent(pushButton, &held);
        QCOMPARE(clicked.size(), 1);
    }
    TestApp::settle();
}

QTEST_MAIN(TestButtonKeys)
#include "tst_buttonkeys.moc"
