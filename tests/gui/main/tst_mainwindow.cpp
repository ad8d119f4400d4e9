#include "core/coding/figurecoding.h"
#include "gui/main/mainwindow.h"
#include "gui/widgets/fonts.h"
#include "gui/widgets/menushortcutguard.h"
#include "support/apphelper.h"
#include "support/keyboard.h"
#include "support/messagetexts.h"

#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

using namespace tessaron;

namespace {

// A twin's control names, and the check messages of its language.
struct Twin {
    QString box;
    QString plain;
    QString figure; // + 1..4
    QString m1;
    QString m2Pos1;
    QString m2Pos2;
    QString m2Pos3;
    QString m3;
};

Twin twin(Lang lang)
{
    const ExpectedMessages &m = expectedMessages(lang);
    const bool es = lang == Lang::Spanish;
    return {es ? "txtAdreca" : "txtaAdreca",
            es ? "lblAdrecaCom" : "lblaAdrecaCom",
            es ? "lblAdreca" : "lblaAdreca",
            m.leadingHyphen,
            m.badCharacter(1),
            m.badCharacter(2),
            m.badCharacter(3),
            m.tooLong};
}

QStringList captions(MainWindow *w, const Twin &t)
{
    QStringList all{w->findChild<QLabel *>(t.plain)->text()};
    for (int i = 1; i <= 4; ++i)
        all << w->findChild<QLabel *>(t.figure + QString::number(i))->text();
    return all;
}

void paste(QLineEdit *box, const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
}

QAction *action(QWidget *w, const QString &name)
{
    return w->findChild<QAction *>(name);
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void typingAndPasting_data();
    void typingAndPasting();
    void fortyFirstCharacterWithTheCaretInTheMiddle_data();
    void fortyFirstCharacterWithTheCaretInTheMiddle();
    void labelClicksLaunchTheBrowser();
    void clickWithoutANameLaunchesNothing();
    void languageSwitchKeepsTheName();
    void exitEndsAtOnce();
    void exitFromTheNameBox_data();
    void exitFromTheNameBox();
    void menuShortcutsWinOverTheBox();
    void helpCommands();
    void controlsAndMenus_data();
    void controlsAndMenus();
    void tabVisitsEveryControlInReadingOrder();
    void labelsActOnReturnEnterAndSpaceAsOnAClick();
    void fromTheKeyboardAlone();
    void screenReadersTellTheControlsApart();
};

void TestMainWindow::initTestCase()
{
    installFontSubstitutions();
    // The language switch must never write a settings file: watch a private one.
    static QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
}

void TestMainWindow::typingAndPasting_data()
{
    QTest::addColumn<int>("lang");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("pasted");
    QTest::addColumn<QStringList>("messages"); // "message text|box text at that moment"
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("name");

    for (Lang lang : {Lang::Spanish, Lang::English}) {
        const Twin t = twin(lang);
        const char *tag = lang == Lang::Spanish ? "es" : "en";
        QTest::addRow("%s ab! typed", tag)
            << int(lang) << "ab!" << false << QStringList{t.m2Pos3 + "|ab!"} << "ab"
            << "ab";
        QTest::addRow("%s a!b!c pasted", tag)
            << int(lang) << "a!b!c" << true << QStringList{t.m2Pos2 + "|a!b!c", t.m2Pos3 + "|ab!c"}
            << "abc"
            << "abc";
        QTest::addRow("%s -!a pasted", tag)
            << int(lang) << "-!a" << true << QStringList{t.m1 + "|-!a", t.m2Pos1 + "|!a"} << "a"
            << "a";
        QTest::addRow("%s hyphen typed", tag)
            << int(lang) << "-" << false << QStringList{t.m1 + "|-"} << ""
            << "";
        QTest::addRow("%s capitals kept in the box", tag)
            << int(lang) << "AbC" << false << QStringList{} << "AbC"
            << "abc";
        const QString spaced = "a " + QString(43, u'b');
        QTest::addRow("%s 45 pasted with a space", tag)
            << int(lang) << spaced << true
            << QStringList{t.m2Pos2 + "|" + spaced, t.m3 + "|a" + QString(43, u'b')}
            << "a" + QString(39, u'b') << "a" + QString(39, u'b');
    }
}

void TestMainWindow::typingAndPasting()
{
    QFETCH(int, lang);
    QFETCH(QString, typed);
    QFETCH(bool, pasted);
    QFETCH(QStringList, messages);
    QFETCH(QString, box);
    QFETCH(QString, name);

    TestApp app;
    const Twin t = twin(Lang(lang));
    auto *w = app.open<MainWindow>(WindowKind::Main, Lang(lang));
    QVERIFY(w);
    auto *edit = w->findChild<QLineEdit *>(t.box);
    QVERIFY(edit);
    QStringList seen;
    app.desktop.onMessage = [&](const QString &text) { seen << text + u'|' + edit->text(); };

    if (pasted)
        paste(edit, typed);
    else
        QTest::keyClicks(edit, typed);

    QCOMPARE(seen, messages);
    QCOMPARE(edit->text(), box);
    QCOMPARE(app.app.state().NomActual, name);
    const QString caption = name.isEmpty() ? QStringLiteral("?") : name;
    QCOMPARE(captions(w, t), QStringList(5, caption));
}

void TestMainWindow::fortyFirstCharacterWithTheCaretInTheMiddle_data()
{
    QTest::addColumn<int>("lang");
    QTest::newRow("es") << int(Lang::Spanish);
    QTest::newRow("en") << int(Lang::English);
}

void TestMainWindow::fortyFirstCharacterWithTheCaretInTheMiddle()
{
    QFETCH(int, lang);
    TestApp app;
    const Twin t = twin(Lang(lang));
    auto *w = app.open<MainWindow>(WindowKind::Main, Lang(lang));
    auto *edit = w->findChild<QLineEdit *>(t.box);
    const QString forty = QStringLiteral("abcdefghij").repeated(4);
    QTest::keyClicks(edit, forty);
    QVERIFY(app.desktop.messages.isEmpty());
    edit->setCursorPosition(10);
    QTest::keyClick(edit, Qt::Key_Z);
    QCOMPARE(app.desktop.messages, QStringList{t.m3});
    // The end is cut, not the character just typed.
    QCOMPARE(edit->text(), forty.left(10) + u'z' + forty.mid(10, 29));
    QCOMPARE(captions(w, t).first(), forty.left(10) + u'z' + forty.mid(10, 29));
}

void TestMainWindow::labelClicksLaunchTheBrowser()
{
    TestApp app;
    auto *w = app.open<MainWindow>(WindowKind::Main, Lang::English);
    QTest::keyClicks(w->findChild<QLineEdit *>("txtaAdreca"), "ABC");
    QTest::mouseClick(w->findChild<QLabel *>("lblaAdreca3"), Qt::LeftButton);
    QTest::mouseClick(w->findChild<QLabel *>("lblaAdrecaCom"), Qt::LeftButton);
    const QList<FakeDesktop::Launch> expected{
        {"/usr/bin/test-browser", "http://www.tessaron-abc-tlx.com"},
        {"/usr/bin/test-browser", "http://www.abc.com"}};
    QCOMPARE(app.desktop.launches, expected);
    QCOMPARE(app.app.state().CodiT, QStringLiteral("tlx"));
    QCOMPARE(app.app.state().AdrecaT, QStringLiteral("http://www.tessaron-abc-tlx.com"));
    QCOMPARE(app.app.state().AdrecaCom, QStringLiteral("http://www.abc.com"));
}

void TestMainWindow::clickWithoutANameLaunchesNothing()
{
    TestApp app;
    auto *w = app.open<MainWindow>(WindowKind::Main, Lang::Spanish);
    for (const char *name :
         {"lblAdreca1", "lblAdreca2", "lblAdreca3", "lblAdreca4", "lblAdrecaCom"})
        QTest::mouseClick(w->findChild<QLabel *>(name), Qt::LeftButton);
    QVERIFY(app.desktop.launches.isEmpty());
    QVERIFY(app.app.state().AdrecaR.isEmpty());
}

void TestMainWindow::languageSwitchKeepsTheName()
{
    TestApp app;
    auto *spanish = app.open<MainWindow>(WindowKind::Main, Lang::Spanish);
    QTest::keyClicks(spanish->findChild<QLineEdit *>("txtAdreca"), "AbC-9");
    action(spanish, "mnuenglish")->trigger();
    TestApp::settle();

    QVERIFY(!app.app.registry().window(WindowKind::Main, Lang::Spanish));
    auto *english =
        qobject_cast<MainWindow *>(app.app.registry().window(WindowKind::Main, Lang::English));
    QVERIFY(english);
    QCOMPARE(app.app.registry().openCount(), 1);
    QCOMPARE(english->findChild<QLineEdit *>("txtaAdreca")->text(), QStringLiteral("abc-9"));
    QCOMPARE(captions(english, twin(Lang::English)), QStringList(5, "abc-9"));

    action(english, "mnuespanol")->trigger();
    TestApp::settle();
    auto *back =
        qobject_cast<MainWindow *>(app.app.registry().window(WindowKind::Main, Lang::Spanish));
    QVERIFY(back);
    QCOMPARE(back->findChild<QLineEdit *>("txtAdreca")->text(), QStringLiteral("abc-9"));
    QCOMPARE(app.app.registry().openCount(), 1);
    QVERIFY(app.desktop.messages.isEmpty());
    QCOMPARE(app.quits, 0);
    QVERIFY(QDir(qEnvironmentVariable("XDG_CONFIG_HOME")).isEmpty());
}

void TestMainWindow::exitEndsAtOnce()
{
    for (auto [lang, key] :
         {std::pair{Lang::Spanish, Qt::Key_S}, std::pair{Lang::English, Qt::Key_E}}) {
        TestApp app;
        auto *w = app.open<MainWindow>(WindowKind::Main, lang);
        QVERIFY(QTest::qWaitForWindowActive(w));
        QTest::keyClick(w, key, Qt::ControlModifier);
        QCOMPARE(app.quits, 1);
        TestApp::settle();
        QCOMPARE(app.app.registry().openCount(), 0);
    }
}

void TestMainWindow::exitFromTheNameBox_data()
{
    QTest::addColumn<int>("lang");
    QTest::addColumn<int>("key");
    QTest::newRow("es Ctrl+S") << int(Lang::Spanish) << int(Qt::Key_S);
    QTest::newRow("en Ctrl+E") << int(Lang::English) << int(Qt::Key_E);
}

void TestMainWindow::exitFromTheNameBox()
{
    // Run under X11 too (see CMakeLists): there a line edit binds Ctrl+E itself.
    QFETCH(int, lang);
    QFETCH(int, key);
    TestApp app;
    auto *w = app.open<MainWindow>(WindowKind::Main, Lang(lang));
    auto *box = w->findChild<QLineEdit *>(twin(Lang(lang)).box);
    // Shortcuts go to the active window; without a window manager nothing activates it.
    QApplication::setActiveWindow(w);
    QVERIFY(QTest::qWaitForWindowActive(w));
    QTest::keyClicks(box, "abc");
    box->setFocus();
    box->setCursorPosition(0);
    QTest::keyClick(box, Qt::Key(key), Qt::ControlModifier);
    QCOMPARE(app.quits, 1);
    QCOMPARE(box->text(), QStringLiteral("abc"));
}

void TestMainWindow::menuShortcutsWinOverTheBox()
{
    // A box that claims every key for itself, as a line edit does with its bindings.
    struct GreedyBox : QWidget {
        bool event(QEvent *e) override
        {
            if (e->type() == QEvent::ShortcutOverride) {
                e->accept();
                return true;
            }
            return QWidget::event(e);
        }
    };
    QWidget window;
    auto *box = new GreedyBox;
    box->setParent(&window);
    auto *exit = new QAction(&window);
    exit->setShortcut(QKeySequence("Ctrl+E"));
    new MenuShortcutGuard(box, &window);
    QKeyEvent menuKey(QEvent::ShortcutOverride, Qt::Key_E, Qt::ControlModifier);
    QCoreApplication::sendEvent(box, &menuKey);
    QVERIFY(!menuKey.isAccepted());
    QKeyEvent otherKey(QEvent::ShortcutOverride, Qt::Key_A, Qt::ControlModifier);
    QCoreApplication::sendEvent(box, &otherKey);
    QVERIFY(otherKey.isAccepted());
}

void TestMainWindow::helpCommands()
{
    TestApp app;
    auto *w = app.open<MainWindow>(WindowKind::Main, Lang::Spanish);
    QVERIFY(QTest::qWaitForWindowActive(w));
    QTest::keyClick(w, Qt::Key_F1);
    action(w, "mnuaysobre")->trigger();

    // F1 on a highlighted menu item opens that item's topic.
    auto *menu = w->findChild<QMenu *>("mnuopciones");
    menu->popup(w->mapToGlobal(QPoint(0, 0)));
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    menu->setActiveAction(action(w, "mnusimbologia"));
    QTest::keyClick(menu, Qt::Key_F1);
    QVERIFY(!menu->isVisible());

    const QString file = QDir(app.programDir.path()).filePath("ayuda.hlp");
    QCOMPARE(app.desktop.helps.size(), 3);
    QCOMPARE(app.desktop.helps[0].file, file);
    QCOMPARE(app.desktop.helps[0].command, HelpCommand::Contents);
    QCOMPARE(app.desktop.helps[1].command, HelpCommand::Index);
    QCOMPARE(app.desktop.helps[1].data, 0);
    QCOMPARE(app.desktop.helps[2].command, HelpCommand::Topic);
    QCOMPARE(app.desktop.helps[2].data, 400);

    auto *english = app.open<MainWindow>(WindowKind::Main, Lang::English);
    action(english, "mnuhelpe")->trigger();
    QCOMPARE(app.desktop.helps.last().file, QDir(app.programDir.path()).filePath("help.hlp"));
}

void TestMainWindow::controlsAndMenus_data()
{
    QTest::addColumn<int>("lang");
    QTest::addColumn<QStringList>("buttons"); // name|caption|tooltip
    QTest::addColumn<QStringList>("items");   // name|caption|shortcut
    QTest::newRow("es") << int(Lang::Spanish)
                        << QStringList{"Command3|&Favoritos|Ir a favoritos",
                                       "Command2|&Registros|Ver el registro de dominios",
                                       "Command1||Ir al formulario de simbologia",
                                       "Command4|Guardar|Guardar en favoritos",
                                       "Command7|Guardar|Guardar en favoritos"}
                        << QStringList{"mnuopciones|&Opciones|",
                                       "mnusimbologia|Simbologia|",
                                       "mnuregistro|Registro dominios|",
                                       "mnufavoritos|Favoritos|Ctrl+F",
                                       "mnuformred|Formulario reducido|Ctrl+R",
                                       "mnusalir|Salir|Ctrl+S",
                                       "mnuidioma|&Language|",
                                       "mnuenglish|English|",
                                       "mnuayuda|&Ayuda|",
                                       "mnuuayuda|Ayuda|F1",
                                       "mnuaysobre|Ayuda sobre ...|",
                                       "mnucreditos|Acerca de ...|"};
    QTest::newRow("en") << int(Lang::English)
                        << QStringList{"Command3|&Favorites|Go to favorites",
                                       "Command2|&Registers|Go to register of domains",
                                       "Command1||Go to simbology form",
                                       "Command5|Save|Save in favorites",
                                       "Command6|Save|Save in favorites"}
                        << QStringList{"mnuoptions|&Options|",
                                       "mnusimbology|Simbology|",
                                       "mnuregister|Register|",
                                       "mnufavorite|Favorites|Ctrl+F",
                                       "mnureduced|Reduced form|Ctrl+R",
                                       "mnuexit|Exit|Ctrl+E",
                                       "mnuidioma|&Idioma|",
                                       "mnuespanol|Español|",
                                       "mnuhelp|&Help|",
                                       "mnuhelpe|Help|F1",
                                       "mnuhab|Help about ...|",
                                       "mnuAbout|About Tessaron|"};
}

void TestMainWindow::controlsAndMenus()
{
    QFETCH(int, lang);
    QFETCH(QStringList, buttons);
    QFETCH(QStringList, items);
    TestApp app;
    auto *w = app.open<MainWindow>(WindowKind::Main, Lang(lang));
    QCOMPARE(w->windowTitle(), QStringLiteral("Tessaron v1.1"));
    QCOMPARE(w->centralWidget()->size(), QSize(619, 333));
    QVERIFY(w->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!w->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QCOMPARE(w->minimumSize(), w->maximumSize());
    for (const QString &row : buttons) {
        const QStringList f = row.split(u'|');
        auto *b = w->findChild<QPushButton *>(f[0]);
        QVERIFY2(b, qPrintable(f[0]));
        QCOMPARE(b->text(), f[1]);
        QCOMPARE(b->toolTip(), f[2]);
        QVERIFY(!b->accessibleName().isEmpty() || !b->text().isEmpty());
    }
    for (const QString &row : items) {
        const QStringList f = row.split(u'|');
        QAction *a = action(w, f[0]);
        QVERIFY2(a, qPrintable(f[0]));
        QCOMPARE(a->text(), f[1]);
        QCOMPARE(a->shortcut(), QKeySequence(f[2]));
    }
    // Labels keep their own caption for screen readers.
    const Twin t = twin(Lang(lang));
    QVERIFY(w->findChild<QLabel *>(t.figure + "1")->accessibleName().isEmpty());
    QVERIFY(!w->findChild<QLineEdit *>(t.box)->accessibleName().isEmpty());
    // Geometry in twips at 15 a pixel.
    QCOMPARE(w->findChild<QLineEdit *>(t.box)->geometry(), QRect(216, 72, 185, 25));
    QCOMPARE(w->findChild<QLabel *>(t.figure + "4")->geometry(), QRect(400, 256, 153, 17));
}

void TestMainWindow::tabVisitsEveryControlInReadingOrder()
{
    TestApp app;
    auto *w = app.open<MainWindow>(WindowKind::Main, Lang::Spanish);
    // Line by line: the favourites button, the box and the registers button share
    // a line; the symbology button stands between the upper save buttons.
    const QStringList expected{"txtAdreca", "Command2", "lblAdrecaCom", "lblAdreca1", "lblAdreca2",
                               "Command4",  "Command1", "Command5",     "lblAdreca3", "lblAdreca4",
                               "Command6",  "Command7", "Command3"};
    QCOMPARE(tabCycle(w), expected);
}

void TestMainWindow::labelsActOnReturnEnterAndSpaceAsOnAClick()
{
    const QStringList labels{"lblAdrecaCom", "lblAdreca1", "lblAdreca2", "lblAdreca3",
                             "lblAdreca4"};
    // Every label acted on once, in a window whose box holds `name`.
    auto launches = [&](const QString &name, const std::function<void(QWidget *)> &act) {
        TestApp app;
        auto *w = app.open<MainWindow>(WindowKind::Main, Lang::Spanish);
        QTest::keyClicks(w->findChild<QLineEdit *>("txtAdreca"), name);
        for (const QString &label : labels)
            act(w->findChild<QLabel *>(label));
        return app.desktop.launches;
    };
    const auto click = [](QWidget *label) { QTest::mouseClick(label, Qt::LeftButton); };
    const QList<FakeDesktop::Launch> clicked = launches("abc", click);
    QCOMPARE(clicked.size(), labels.size());
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
        const auto press = [key](QWidget *label) { pressOn(label, key); };
        QCOMPARE(launches("abc", press), clicked);
        // Labels that show no name ("?") do nothing, from the keyboard as from the mouse.
        QVERIFY(launches(QString(), press).isEmpty());
    }
}

void TestMainWindow::fromTheKeyboardAlone()
{
    TestApp app;
    auto *w = app.open<MainWindow>(WindowKind::Main, Lang::English);
    QApplication::setActiveWindow(w);
    QTest::keyClicks(QApplication::focusWidget(), "abc");
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("lblaAdreca1"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    const QList<FakeDesktop::Launch> expected{
        {"/usr/bin/test-browser", "http://www.tessaron-abc-rmt.com"}};
    QCOMPARE(app.desktop.launches, expected);
}

void TestMainWindow::screenReadersTellTheControlsApart()
{
    TestApp app;
    auto *w = app.open<MainWindow>(WindowKind::Main, Lang::Spanish);
    QTest::keyClicks(w->findChild<QLineEdit *>("txtAdreca"), "abc");
    QCOMPARE(sharedButtonNames(w), QStringList());
    // The labels are links read by the name they show and their family (the
    // table of names is in the accessibility test), and each says what it opens.
    QSet<QString> descriptions;
    for (const char *name :
         {"lblAdrecaCom", "lblAdreca1", "lblAdreca2", "lblAdreca3", "lblAdreca4"}) {
        auto *label = w->findChild<QLabel *>(name);
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(label);
        QCOMPARE(iface->role(), QAccessible::Link);
        QVERIFY(iface->text(QAccessible::Name).startsWith(label->text() + ", "));
        QVERIFY(iface->state().focusable);
        descriptions.insert(iface->text(QAccessible::Description));
    }
    QCOMPARE(descriptions.size(), 5);
    QVERIFY(!descriptions.contains(QString()));
    // The captions on screen stay as they are.
    QCOMPARE(w->findChild<QPushButton *>("Command4")->text(), QStringLiteral("Guardar"));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
