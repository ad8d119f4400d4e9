#include "core/coding/figurecoding.h"
#include "core/coding/modtessaron.h"
#include "gui/app/application.h"
#include "gui/compact/compactwindow.h"
#include "gui/main/mainwindow.h"
#include "gui/systemdesktop.h"
#include "gui/widgets/fonts.h"
#include "support/apphelper.h"
#include "support/keyboard.h"
#include "support/messagetexts.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>

using namespace tessaron;

namespace {

struct Twin {
    Lang lang;
    QString window;
    QString box;
    QString tag; // + 1..4
    QString plainTag;
    QString mainBox;
};

const Twin kSpanish{Lang::Spanish, "frmPeti_Cast",  "txtpAdreca",
                    "lblpAdreca",  "lblpAdrecaCom", "txtAdreca"};
const Twin kEnglish{Lang::English, "frmPeti_Ang",    "txtpaAdreca",
                    "lblpaAdreca", "lblpaAdrecaCom", "txtaAdreca"};

const Twin &twinOf(int lang)
{
    return Lang(lang) == Lang::Spanish ? kSpanish : kEnglish;
}

} // namespace

class TestCompactWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void opensFromTheMainWindowWithTheName_data();
    void opensFromTheMainWindowWithTheName();
    void checkRunLeavesTheCurrentNameAlone_data();
    void checkRunLeavesTheCurrentNameAlone();
    void tagsOpenTheNameAsTyped();
    void backButtonAndCloseBox_data();
    void backButtonAndCloseBox();
    void controls();
    void keepInFrontSwitch();
    void keepInFrontOnlyWhereItWorks_data();
    void keepInFrontOnlyWhereItWorks();
    void keepInFrontOnX11();
    void tagsFromTheKeyboard();
    void screenReadersTellTheControlsApart();
    void screenReadersTellItFromTheMainWindow_data();
    void screenReadersTellItFromTheMainWindow();
};

void TestCompactWindow::initTestCase()
{
    installFontSubstitutions();
}

void TestCompactWindow::opensFromTheMainWindowWithTheName_data()
{
    QTest::addColumn<int>("lang");
    QTest::newRow("es") << int(Lang::Spanish);
    QTest::newRow("en") << int(Lang::English);
}

void TestCompactWindow::opensFromTheMainWindowWithTheName()
{
    QFETCH(int, lang);
    const Twin &twin = twinOf(lang);
    TestApp app;
    auto *main = app.open<MainWindow>(WindowKind::Main, twin.lang);
    QTest::keyClicks(main->findChild<QLineEdit *>(twin.mainBox), "AbC");
    QApplication::setActiveWindow(main);
    QTest::keyClick(main, Qt::Key_R, Qt::ControlModifier);
    TestApp::settle();
    QVERIFY(!app.app.registry().window(WindowKind::Main, twin.lang));
    QWidget *w = app.app.registry().window(WindowKind::Compact, twin.lang);
    QVERIFY(w);
    QCOMPARE(w->objectName(), twin.window);
    auto *box = w->findChild<QLineEdit *>(twin.box);
    QCOMPARE(box->text(), QStringLiteral("abc"));
    QCOMPARE(QApplication::focusWidget(), box);
    QVERIFY(app.desktop.messages.isEmpty());
}

void TestCompactWindow::checkRunLeavesTheCurrentNameAlone_data()
{
    QTest::addColumn<int>("lang");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("messages"); // "message|box text at that moment"
    QTest::addColumn<QString>("box");
    for (Lang lang : {Lang::Spanish, Lang::English}) {
        const ExpectedMessages &m = expectedMessages(lang);
        const char *tag = lang == Lang::Spanish ? "es" : "en";
        QTest::addRow("%s hyphen first", tag)
            << int(lang) << "-a" << QStringList{m.leadingHyphen + "|-"} << "a";
        QTest::addRow("%s bad character", tag)
            << int(lang) << "Ab!" << QStringList{m.badCharacter(3) + "|Ab!"} << "Ab";
        QTest::addRow("%s 41st character", tag)
            << int(lang) << QString(41, u'x')
            << QStringList{m.tooLongCompact + "|" + QString(41, u'x')} << QString(40, u'x');
    }
}

void TestCompactWindow::checkRunLeavesTheCurrentNameAlone()
{
    QFETCH(int, lang);
    QFETCH(QString, typed);
    QFETCH(QStringList, messages);
    QFETCH(QString, box);
    const Twin &twin = twinOf(lang);
    TestApp app;
    app.app.state().NomActual = QStringLiteral("kept");
    auto *w = app.open<CompactWindow>(WindowKind::Compact, twin.lang);
    auto *edit = w->findChild<QLineEdit *>(twin.box);
    edit->clear();
    QStringList seen;
    app.desktop.onMessage = [&](const QString &text) { seen << text + u'|' + edit->text(); };
    QTest::keyClicks(edit, typed);
    QCOMPARE(seen, messages);
    QCOMPARE(edit->text(), box);
    QCOMPARE(app.app.state().NomActual, QStringLiteral("kept"));
    // No tag shows a name.
    for (int i = 1; i <= 4; ++i)
        QCOMPARE(w->findChild<QLabel *>(twin.tag + QString::number(i))->text(), QString());
}

void TestCompactWindow::tagsOpenTheNameAsTyped()
{
    TestApp app;
    auto *w = app.open<CompactWindow>(WindowKind::Compact, Lang::English);
    for (int i = 1; i <= 4; ++i) // an empty box: nothing
        QTest::mouseClick(w->findChild<QLabel *>(kEnglish.tag + QString::number(i)),
                          Qt::LeftButton);
    QTest::mouseClick(w->findChild<QLabel *>(kEnglish.plainTag), Qt::LeftButton);
    QVERIFY(app.desktop.launches.isEmpty());

    QTest::keyClicks(w->findChild<QLineEdit *>(kEnglish.box), "MiNombre");
    QTest::mouseClick(w->findChild<QLabel *>(kEnglish.tag + "2"), Qt::LeftButton);
    QTest::mouseClick(w->findChild<QLabel *>(kEnglish.plainTag), Qt::LeftButton);
    const QString address = "http://www.tessaron-MiNombre-cdv.com";
    QCOMPARE(app.desktop.launches,
             (QList<FakeDesktop::Launch>{{"/usr/bin/test-browser", address},
                                         {"/usr/bin/test-browser", "http://www.MiNombre.com"}}));
    QCOMPARE(app.app.state().AdrecaC, address);
    QCOMPARE(app.app.state().AdrecaCom, QStringLiteral("http://www.MiNombre.com"));
}

void TestCompactWindow::backButtonAndCloseBox_data()
{
    QTest::addColumn<int>("lang");
    QTest::addColumn<bool>("back");
    QTest::newRow("es back") << int(Lang::Spanish) << true;
    QTest::newRow("en back") << int(Lang::English) << true;
    QTest::newRow("es close box") << int(Lang::Spanish) << false;
    QTest::newRow("en close box") << int(Lang::English) << false;
}

void TestCompactWindow::backButtonAndCloseBox()
{
    QFETCH(int, lang);
    QFETCH(bool, back);
    const Twin &twin = twinOf(lang);
    TestApp app;
    app.app.state().NomActual = QStringLiteral("before");
    auto *w = app.open<CompactWindow>(WindowKind::Compact, twin.lang);
    auto *box = w->findChild<QLineEdit *>(twin.box);
    box->clear();
    QTest::keyClicks(box, "MiNombre");
    if (back)
        w->findChild<QPushButton *>("Command1")->click();
    else
        w->close();
    TestApp::settle();
    QVERIFY(!app.app.registry().window(WindowKind::Compact, twin.lang));
    QWidget *main = app.app.registry().window(WindowKind::Main, twin.lang);
    if (back) {
        QVERIFY(main);
        QCOMPARE(main->findChild<QLineEdit *>(twin.mainBox)->text(), QStringLiteral("minombre"));
        QCOMPARE(app.quits, 0);
    } else {
        QVERIFY(!main);
        QCOMPARE(app.app.state().NomActual, QStringLiteral("before"));
        QCOMPARE(app.quits, 1); // no window left
    }
}

void TestCompactWindow::controls()
{
    const QList<std::tuple<Lang, QString, QString, QRect>> table{
        {Lang::Spanish, "&Formulario grande", "Ir al formulario grande", QRect(360, 8, 73, 41)},
        {Lang::English, "&Big form", "Go to big form", QRect(360, 8, 65, 41)}};
    for (const auto &[lang, caption, tip, geometry] : table) {
        TestApp app;
        auto *w = app.open<CompactWindow>(WindowKind::Compact, lang);
        QCOMPARE(w->windowTitle(), QStringLiteral("Tessaron v1.1"));
        QCOMPARE(w->centralWidget()->size(), QSize(437, 78));
        QCOMPARE(w->minimumSize(), w->maximumSize());
        QVERIFY(w->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!w->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        auto *button = w->findChild<QPushButton *>("Command1");
        QCOMPARE(button->text(), caption);
        QCOMPARE(button->toolTip(), tip);
        QCOMPARE(button->geometry(), geometry);
        auto *check = w->findChild<QCheckBox *>("Check_VFlot");
        QCOMPARE(check->text(), lang == Lang::Spanish ? "Delante" : "Visible");
        QVERIFY(!check->isChecked());
        const Twin &twin = lang == Lang::Spanish ? kSpanish : kEnglish;
        QCOMPARE(w->findChild<QLabel *>(twin.tag + "3")->geometry(), QRect(224, 48, 33, 17));
        QCOMPARE(w->findChild<QLineEdit *>(twin.box)->geometry(), QRect(72, 8, 233, 19));
    }
}

void TestCompactWindow::keepInFrontSwitch()
{
    TestApp app;
    auto *w = app.open<CompactWindow>(WindowKind::Compact, Lang::Spanish);
    auto *check = w->findChild<QCheckBox *>("Check_VFlot");
    // Where a window cannot be kept in front, the switch is not offered: of the
    // platforms these tests run on (offscreen, xcb, wayland) only X11 keeps one.
    QCOMPARE(check->isVisibleTo(w), QGuiApplication::platformName() == u"xcb");
    check->setChecked(true);
    check->setChecked(false);
    const QList<std::pair<QObject *, bool>> expected{{w, true}, {w, false}};
    QCOMPARE(app.desktop.inFront, expected);
}

void TestCompactWindow::keepInFrontOnlyWhereItWorks_data()
{
    QTest::addColumn<QString>("platform");
    QTest::addColumn<bool>("offered");
    QTest::newRow("X11") << "xcb" << true;
    QTest::newRow("Windows") << "windows" << true;
    QTest::newRow("macOS") << "cocoa" << true;
    // No Wayland compositor is asked to keep a window above the others.
    QTest::newRow("Wayland") << "wayland" << false;
    QTest::newRow("Wayland with EGL") << "wayland-egl" << false;
    QTest::newRow("no display") << "offscreen" << false;
    QTest::newRow("framebuffer") << "linuxfb" << false;
    QTest::newRow("VNC") << "vnc" << false;
}

void TestCompactWindow::keepInFrontOnlyWhereItWorks()
{
    QFETCH(QString, platform);
    QFETCH(bool, offered);
    QCOMPARE(CompactWindow::platformKeepsWindowsInFront(platform), offered);
}

void TestCompactWindow::keepInFrontOnX11()
{
    if (QGuiApplication::platformName() != u"xcb")
        QSKIP("needs an X server with a window manager (see tst_compactwindow_x11)");
    // The real desktop service, with the window manager reading the window's state.
    SystemDesktop desktop;
    QTemporaryDir programDir;
    Application app(desktop, programDir.path());
    app.registry().show(WindowKind::Compact, Lang::English);
    QWidget *w = app.registry().window(WindowKind::Compact, Lang::English);
    QVERIFY(QTest::qWaitForWindowExposed(w));
    const auto state = [w] {
        QProcess xprop;
        xprop.start("xprop", {"-id", QString::number(w->winId()), "_NET_WM_STATE"});
        xprop.waitForFinished(5000);
        return QString::fromLatin1(xprop.readAllStandardOutput());
    };
    QTest::qWait(300);
    const QRect before = w->geometry();
    const WId id = w->winId();
    auto *check = w->findChild<QCheckBox *>("Check_VFlot");
    QVERIFY(check->isVisible());
    check->setChecked(true);
    QTRY_VERIFY_WITH_TIMEOUT(state().contains("_NET_WM_STATE_ABOVE"), 5000);
    check->setChecked(false);
    QTRY_VERIFY_WITH_TIMEOUT(!state().contains("_NET_WM_STATE_ABOVE"), 5000);
    QCOMPARE(w->winId(), id); // the same window, not a new one
    QCOMPARE(w->geometry(), before);
}

void TestCompactWindow::tagsFromTheKeyboard()
{
    const QStringList tags{"lblpAdrecaCom", "lblpAdreca1", "lblpAdreca2", "lblpAdreca3",
                           "lblpAdreca4"};
    // Every tag acted on once, with `typed` in the box.
    auto launches = [&](const QString &typed, const std::function<void(QWidget *)> &act) {
        TestApp app;
        auto *w = app.open<CompactWindow>(WindowKind::Compact, Lang::Spanish);
        auto *box = w->findChild<QLineEdit *>("txtpAdreca");
        box->clear();
        QTest::keyClicks(box, typed);
        for (const QString &tag : tags)
            act(w->findChild<QWidget *>(tag));
        return app.desktop.launches;
    };
    const QList<FakeDesktop::Launch> clicked =
        launches("AbC", [](QWidget *tag) { QTest::mouseClick(tag, Qt::LeftButton); });
    QCOMPARE(clicked.size(), tags.size());
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
        const auto press = [key](QWidget *tag) { pressOn(tag, key); };
        QCOMPARE(launches("AbC", press), clicked);
        QVERIFY(launches(QString(), press).isEmpty());
    }

    // The focus starts in the box; the check box is there on X11 only.
    TestApp app;
    auto *w = app.open<CompactWindow>(WindowKind::Compact, Lang::Spanish);
    QStringList expected{"txtpAdreca",  "Command1",    "lblpAdrecaCom", "lblpAdreca1",
                         "lblpAdreca2", "lblpAdreca3", "lblpAdreca4"};
    if (w->findChild<QWidget *>("Check_VFlot")->isVisibleTo(w))
        expected << "Check_VFlot";
    QCOMPARE(tabCycle(w), expected);
}

void TestCompactWindow::screenReadersTellTheControlsApart()
{
    TestApp app;
    auto *w = app.open<CompactWindow>(WindowKind::Compact, Lang::English);
    QCOMPARE(sharedButtonNames(w), QStringList());
    // The tags show nothing: each has a name and a description of its own.
    QSet<QString> names;
    QSet<QString> descriptions;
    for (int i = 0; i <= 4; ++i) {
        auto *tag =
            w->findChild<QLabel *>(i == 0 ? kEnglish.plainTag : kEnglish.tag + QString::number(i));
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(tag);
        QCOMPARE(iface->role(), QAccessible::Link);
        names.insert(iface->text(QAccessible::Name));
        descriptions.insert(iface->text(QAccessible::Description));
    }
    QCOMPARE(names.size(), 5);
    QCOMPARE(descriptions.size(), 5);
    QVERIFY(!names.contains(QString()));
    QVERIFY(!descriptions.contains(QString()));
}

void TestCompactWindow::screenReadersTellItFromTheMainWindow_data()
{
    QTest::addColumn<int>("lang");
    QTest::addColumn<QString>("words");
    QTest::newRow("es") << int(Lang::Spanish) << QStringLiteral(", formulario reducido");
    QTest::newRow("en") << int(Lang::English) << QStringLiteral(", reduced form");
}

void TestCompactWindow::screenReadersTellItFromTheMainWindow()
{
    QFETCH(int, lang);
    QFETCH(QString, words);
    TestApp app;
    app.app.registry().show(WindowKind::Main, Lang(lang));
    app.app.registry().show(WindowKind::Compact, Lang(lang));
    QWidget *main = app.app.registry().window(WindowKind::Main, Lang(lang));
    QWidget *compact = app.app.registry().window(WindowKind::Compact, Lang(lang));
    QVERIFY(main && compact);
    // The same title on screen...
    QCOMPARE(compact->windowTitle(), main->windowTitle());
    // ... and two names for a screen reader: the title, and which window it is.
    QAccessibleInterface *mainIface = QAccessible::queryAccessibleInterface(main);
    QAccessibleInterface *compactIface = QAccessible::queryAccessibleInterface(compact);
    QCOMPARE(mainIface->text(QAccessible::Name), main->windowTitle());
    QCOMPARE(compactIface->text(QAccessible::Name), compact->windowTitle() + words);
}

QTEST_MAIN(TestCompactWindow)
#include "tst_compactwindow.moc"
