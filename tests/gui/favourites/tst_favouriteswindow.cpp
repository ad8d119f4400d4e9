#include "core/coding/figurecoding.h"
#include "gui/favourites/favouriteswindow.h"
#include "gui/main/mainwindow.h"
#include "gui/widgets/announcer.h"
#include "gui/widgets/fonts.h"
#include "support/apphelper.h"
#include "support/hostilerows.h"
#include "support/keyboard.h"
#include "support/savednames.h"
#include "support/storehelper.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QDropEvent>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

using namespace tessaron;

namespace {

struct Twin {
    Lang lang;
    QString main;
    QString box;
    QString window;
};

const Twin kSpanish{Lang::Spanish, "frmPrin_Cast", "txtAdreca", "frmbdd"};
const Twin kEnglish{Lang::English, "frmPrin_Ang", "txtaAdreca", "frmdb"};

FavouritesWindow *favourites(TestApp &app, Lang lang)
{
    return qobject_cast<FavouritesWindow *>(
        app.app.registry().window(WindowKind::Favourites, lang));
}

bool shown(QWidget *w, const char *name)
{
    auto *child = w->findChild<QWidget *>(name);
    return child && child->isVisibleTo(w);
}

void click(QWidget *w, const char *name)
{
    QWidget *child = w->findChild<QWidget *>(name);
    QVERIFY2(child, name);
    QTest::mouseClick(child, Qt::LeftButton);
}

QStringList labels(QWidget *w)
{
    QStringList texts;
    for (int i = 1; i <= 4; ++i)
        texts << w->findChild<QLabel *>(QStringLiteral("lbladreca%1").arg(i))->text();
    return texts;
}

} // namespace

class TestFavouritesWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void opensFromTheMainWindowAndReturnsWithTheName_data();
    void opensFromTheMainWindowAndReturnsWithTheName();
    void controls_data();
    void controls();
    void openingShowsABlankPanel();
    void figureMode_data();
    void figureMode();
    void nameMode_data();
    void nameMode();
    void anEmptyStoreShowsNoEntries_data();
    void anEmptyStoreShowsNoEntries();
    void helpTopic();
    void tabVisitsEveryControlInReadingOrder();
    void nameLabelsActOnReturnEnterAndSpaceAsOnAClick();
    void fromTheKeyboardAlone();
    void screenReadersTellTheControlsApart();
    void screenReadersHearWhatTheRowsShow_data();
    void screenReadersHearWhatTheRowsShow();
    void aDeleteIsSaidOnceTheQuestionHasGone();
    void aPickOnAClosedListIsSaid();
    void anOpenedListStandsOnItsCurrentEntry_data();
    void anOpenedListStandsOnItsCurrentEntry();
    void aDroppedFileIsOfferedForImport_data();
    void aDroppedFileIsOfferedForImport();
    void onlyOneLocalFileIsTaken();
    void storedControlCharactersAreShownEscaped_data();
    void storedControlCharactersAreShownEscaped();
    void storedMarkupIsShownAsTextAndNeverOpened_data();
    void storedMarkupIsShownAsTextAndNeverOpened();
};

void TestFavouritesWindow::initTestCase()
{
    installFontSubstitutions();
}

void TestFavouritesWindow::opensFromTheMainWindowAndReturnsWithTheName_data()
{
    QTest::addColumn<int>("lang");
    QTest::addColumn<QString>("how");  // button, menu, shortcut
    QTest::addColumn<QString>("back"); // close, exit
    QTest::newRow("es button, close box") << int(Lang::Spanish) << "button"
                                          << "close";
    QTest::newRow("es Ctrl+F, Ctrl+S") << int(Lang::Spanish) << "shortcut"
                                       << "exit";
    QTest::newRow("en menu, Ctrl+E") << int(Lang::English) << "menu"
                                     << "exit";
    QTest::newRow("en Ctrl+F, close box") << int(Lang::English) << "shortcut"
                                          << "close";
}

void TestFavouritesWindow::opensFromTheMainWindowAndReturnsWithTheName()
{
    QFETCH(int, lang);
    QFETCH(QString, how);
    QFETCH(QString, back);
    const Twin &twin = Lang(lang) == Lang::Spanish ? kSpanish : kEnglish;
    TestApp app;
    auto *main = app.open<MainWindow>(WindowKind::Main, twin.lang);
    QTest::keyClicks(main->findChild<QLineEdit *>(twin.box), "AbC");
    QApplication::setActiveWindow(main);
    if (how == "button")
        main->findChild<QPushButton *>("Command3")->click();
    else if (how == "menu")
        main->findChild<QAction *>(twin.lang == Lang::Spanish ? "mnufavoritos" : "mnufavorite")
            ->trigger();
    else
        QTest::keyClick(main, Qt::Key_F, Qt::ControlModifier);
    TestApp::settle();
    QVERIFY(!app.app.registry().window(WindowKind::Main, twin.lang));
    FavouritesWindow *w = favourites(app, twin.lang);
    QVERIFY(w);
    QCOMPARE(w->objectName(), twin.window);

    if (back == "close") {
        w->close();
    } else {
        QApplication::setActiveWindow(w);
        QTest::keyClick(w, twin.lang == Lang::Spanish ? Qt::Key_S : Qt::Key_E, Qt::ControlModifier);
    }
    TestApp::settle();
    QVERIFY(!favourites(app, twin.lang));
    auto *again = app.app.registry().window(WindowKind::Main, twin.lang);
    QVERIFY(again);
    QCOMPARE(again->findChild<QLineEdit *>(twin.box)->text(), QStringLiteral("abc"));
    QCOMPARE(app.quits, 0);
}

void TestFavouritesWindow::controls_data()
{
    QTest::addColumn<int>("lang");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("client");
    QTest::addColumn<bool>("sizable");
    QTest::addColumn<QStringList>("texts"); // name|text|tooltip
    QTest::newRow("es") << int(Lang::Spanish) << "Favoritos" << QSize(616, 332) << false
                        << QStringList{
                               "Label1|Buscar por figuras|", "Label2|Buscar por nombre|",
                               "Command1|buscar direccion|", "Command4|buscar direccion|",
                               "Label4|Nombre a buscar :|",  "cmdbuscar|Buscar|Buscar el nombre",
                               "Command7||Anterior palabra", "Command8||Siguiente palabra",
                               "cmdBorra_R||Borrar",         "cmdBorra_P||Borrar",
                               "Label3|No Hay entradas|",    "lblaTitol|Tessaron|",
                               "mnuopcions|&Opciones|",      "mnufig|Buscar por figuras|",
                               "mnunom|Buscar por nombre|",  "mnusalir|Salir|"};
    QTest::newRow("en") << int(Lang::English) << "Favorites" << QSize(614, 330) << true
                        << QStringList{"Label1|Search by shape|",
                                       "Label2|Search by name|",
                                       "Command2|Search adress|",
                                       "Label4|Name to search :|",
                                       "cmdbuscar|Search|Search name",
                                       "Command7||Back word",
                                       "Command8||Next word",
                                       "cmdBorra_C||Delete",
                                       "Label3|There aren't entries|",
                                       "mnuoptions|&Options|",
                                       "mnufig|Search by shapes|",
                                       "mnunom|search by name|",
                                       "mnuexit|Exit|"};
}

void TestFavouritesWindow::controls()
{
    QFETCH(int, lang);
    QFETCH(QString, caption);
    QFETCH(QSize, client);
    QFETCH(bool, sizable);
    QFETCH(QStringList, texts);
    TestApp app;
    auto *w = app.open<FavouritesWindow>(WindowKind::Favourites, Lang(lang));
    QVERIFY(w);
    QCOMPARE(w->windowTitle(), caption);
    QCOMPARE(w->centralWidget()->size(), client);
    QCOMPARE(w->minimumSize() == w->maximumSize(), !sizable);
    QVERIFY(w->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!w->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    for (const QString &row : texts) {
        const QStringList f = row.split(u'|');
        if (auto *action = w->findChild<QAction *>(f[0])) {
            QCOMPARE(action->text(), f[1]);
            continue;
        }
        QWidget *control = w->findChild<QWidget *>(f[0]);
        QVERIFY2(control, qPrintable(f[0]));
        if (auto *label = qobject_cast<QLabel *>(control))
            QCOMPARE(label->text(), f[1]);
        if (auto *button = qobject_cast<QPushButton *>(control)) {
            QCOMPARE(button->text(), f[1]);
            // A picture button has no caption: its tooltip starts its name for screen readers.
            QVERIFY(!button->text().isEmpty() || button->accessibleName().startsWith(f[2]));
        }
        QCOMPARE(control->toolTip(), f[2]);
    }
    // Panel contents sit within their panel, at twips / 15.
    QCOMPARE(w->findChild<QWidget *>("picnom")->geometry(), QRect(0, 96, 617, 217));
    QCOMPARE(w->findChild<QWidget *>("lbladreca3")->geometry(), QRect(128, 152, 417, 17));
    QCOMPARE(w->findChild<QWidget *>("cmdBorra_T")->geometry(), QRect(552, 144, 57, 33));
    QCOMPARE(w->findChild<QWidget *>("Combo2")->geometry(), QRect(384, 48, 193, 21));
    QCOMPARE(
        w->findChild<QAction *>(Lang(lang) == Lang::Spanish ? "mnusalir" : "mnuexit")->shortcut(),
        QKeySequence(Lang(lang) == Lang::Spanish ? "Ctrl+S" : "Ctrl+E"));
}

void TestFavouritesWindow::openingShowsABlankPanel()
{
    TestApp app;
    auto *w = app.open<FavouritesWindow>(WindowKind::Favourites, Lang::Spanish);
    QVERIFY(shown(w, "picnohay"));
    QVERIFY(!shown(w, "Label3"));
    QVERIFY(!shown(w, "picfig"));
    QVERIFY(!shown(w, "picnom"));
    QVERIFY(!shown(w, "Shape3"));
    QVERIFY(!shown(w, "Shape4"));
    QVERIFY(shown(w, "Label1"));
    QVERIFY(shown(w, "Label2"));
    // The covered panels' controls cannot take the focus.
    QVERIFY(!w->findChild<QWidget *>("txtnom")->isVisibleTo(w));
    QVERIFY(!w->findChild<QWidget *>("Combo1")->isVisibleTo(w));
}

void TestFavouritesWindow::figureMode_data()
{
    QTest::addColumn<int>("lang");
    QTest::addColumn<bool>("viaMenu");
    QTest::newRow("es link") << int(Lang::Spanish) << false;
    QTest::newRow("en menu") << int(Lang::English) << true;
}

void TestFavouritesWindow::figureMode()
{
    QFETCH(int, lang);
    QFETCH(bool, viaMenu);
    const Twin &twin = Lang(lang) == Lang::Spanish ? kSpanish : kEnglish;
    TestApp app;
    saveSomeNames(app, twin.lang);
    auto *w = app.open<FavouritesWindow>(WindowKind::Favourites, twin.lang);
    if (viaMenu)
        w->findChild<QAction *>("mnufig")->trigger();
    else
        click(w, "Label1");
    QVERIFY(shown(w, "picfig"));
    QVERIFY(shown(w, "Shape3"));
    QVERIFY(!shown(w, "Shape4"));
    QVERIFY(!shown(w, "picnom"));
    QStringList lists;
    for (int i = 1; i <= 4; ++i) {
        auto *combo = w->findChild<QComboBox *>(QStringLiteral("Combo%1").arg(i));
        QCOMPARE(combo->currentText(), QString()); // nothing picked yet
        QStringList items;
        for (int row = 0; row < combo->count(); ++row)
            items << combo->itemText(row);
        lists << items.join(u',');
    }
    QCOMPARE(lists, (QStringList{"abc", "xyz", "abc", ""}));

    click(w, "Command2"); // nothing picked
    QCOMPARE(app.desktop.messages.size(), 1);
    w->findChild<QComboBox *>("Combo3")->setCurrentIndex(0);
    click(w, "Command3");
    const QString address = "http://www.tessaron-abc-tlx.com";
    if (twin.lang == Lang::Spanish) {
        QCOMPARE(app.desktop.opened, QStringList{address});
        QVERIFY(app.desktop.launches.isEmpty());
    } else {
        QCOMPARE(app.desktop.launches,
                 (QList<FakeDesktop::Launch>{{"/usr/bin/test-browser", address}}));
        QVERIFY(app.desktop.opened.isEmpty());
    }
}

void TestFavouritesWindow::nameMode_data()
{
    QTest::addColumn<int>("lang");
    QTest::newRow("es") << int(Lang::Spanish);
    QTest::newRow("en") << int(Lang::English);
}

void TestFavouritesWindow::nameMode()
{
    QFETCH(int, lang);
    const Twin &twin = Lang(lang) == Lang::Spanish ? kSpanish : kEnglish;
    TestApp app;
    saveSomeNames(app, twin.lang);
    auto *w = app.open<FavouritesWindow>(WindowKind::Favourites, twin.lang);
    click(w, "Label2");
    QVERIFY(shown(w, "picnom"));
    QVERIFY(shown(w, "Shape4"));
    QVERIFY(!shown(w, "Shape3"));
    QCOMPARE(labels(w), (QStringList{"?", "?", "?", "?"}));

    click(w, "Command8");
    QCOMPARE(labels(w), (QStringList{"abc", "?", "abc", "?"}));
    click(w, "Command8");
    QCOMPARE(labels(w), (QStringList{"?", "xyz", "?", "?"}));
    click(w, "Command7");
    QCOMPARE(labels(w), (QStringList{"abc", "?", "abc", "?"}));

    auto *box = w->findChild<QLineEdit *>("txtnom");
    QTest::keyClicks(box, "XYZ");
    click(w, "cmdbuscar");
    QCOMPARE(labels(w), (QStringList{"?", "xyz", "?", "?"}));

    click(w, "lbladreca1"); // reads "?": nothing
    click(w, "lbladreca2");
    const QString address = "http://www.tessaron-xyz-cbo.com";
    if (twin.lang == Lang::Spanish)
        QCOMPARE(app.desktop.launches,
                 (QList<FakeDesktop::Launch>{{"/usr/bin/test-browser", address}}));
    else
        QCOMPARE(app.desktop.opened, QStringList{address});

    click(w, "cmdBorra_C");
    QCOMPARE(app.desktop.questions.size(), 1);
    QCOMPARE(labels(w), (QStringList{"?", "?", "?", "?"}));
    QCOMPARE(storedRows(app.storePath()).size(), 2);

    // Entering name mode again empties the search box and the labels.
    click(w, "Label2");
    QCOMPARE(box->text(), QString());
    QVERIFY(app.desktop.messages.isEmpty());
}

void TestFavouritesWindow::anEmptyStoreShowsNoEntries_data()
{
    QTest::addColumn<int>("lang");
    QTest::addColumn<QString>("link");
    QTest::newRow("es figures") << int(Lang::Spanish) << "Label1";
    QTest::newRow("en names") << int(Lang::English) << "Label2";
}

void TestFavouritesWindow::anEmptyStoreShowsNoEntries()
{
    QFETCH(int, lang);
    QFETCH(QString, link);
    TestApp app;
    auto *w = app.open<FavouritesWindow>(WindowKind::Favourites, Lang(lang));
    click(w, qPrintable(link));
    QVERIFY(shown(w, "picnohay"));
    QVERIFY(shown(w, "Label3"));
    for (const char *gone : {"Label1", "Label2", "Shape3", "Shape4", "picfig", "picnom"})
        QVERIFY2(!shown(w, gone), gone);
    QVERIFY(!w->findChild<QAction *>("mnufig")->isEnabled());
    QVERIFY(!w->findChild<QAction *>("mnunom")->isEnabled());
    QVERIFY(app.desktop.messages.isEmpty());
}

void TestFavouritesWindow::helpTopic()
{
    for (auto [lang, topic, file] : {std::tuple{Lang::Spanish, 200, "ayuda.hlp"},
                                     std::tuple{Lang::English, 202, "help.hlp"}}) {
        TestApp app;
        auto *w = app.open<FavouritesWindow>(WindowKind::Favourites, lang);
        QApplication::setActiveWindow(w);
        QTest::keyClick(w, Qt::Key_F1);
        QCOMPARE(app.desktop.helps.size(), 1);
        QCOMPARE(app.desktop.helps[0].command, HelpCommand::Topic);
        QCOMPARE(app.desktop.helps[0].data, topic);
        QCOMPARE(app.desktop.helps[0].file, QDir(app.programDir.path()).filePath(file));
    }
}

void TestFavouritesWindow::tabVisitsEveryControlInReadingOrder()
{
    TestApp app;
    saveSomeNames(app, kSpanish.lang);
    auto *w = app.open<FavouritesWindow>(WindowKind::Favourites, Lang::Spanish);
    QApplication::setActiveWindow(w);
    w->findChild<QWidget *>("Label1")->setFocus();
    QCOMPARE(tabCycle(w), (QStringList{"Label1", "Label2"}));

    // The lower lists stand at different heights but on one line.
    pressOn(w->findChild<QWidget *>("Label1"), Qt::Key_Return);
    w->findChild<QWidget *>("Label1")->setFocus();
    QCOMPARE(tabCycle(w), (QStringList{"Label1", "Label2", "Combo1", "Combo2", "Command1",
                                       "Command2", "Combo3", "Combo4", "Command3", "Command4"}));

    // Name mode starts in the search box; each name label comes before its delete button.
    pressOn(w->findChild<QWidget *>("Label2"), Qt::Key_Space);
    QCOMPARE(tabCycle(w),
             (QStringList{"txtnom", "cmdbuscar", "Command7", "Command8", "lbladreca1", "cmdBorra_R",
                          "lbladreca2", "cmdBorra_C", "lbladreca3", "cmdBorra_T", "lbladreca4",
                          "cmdBorra_P", "Label1", "Label2"}));
}

void TestFavouritesWindow::nameLabelsActOnReturnEnterAndSpaceAsOnAClick()
{
    // Every name label acted on once, with "abc" shown in families r and t.
    auto opened = [](const std::function<void(QWidget *)> &act) {
        TestApp app;
        saveSomeNames(app, kSpanish.lang);
        auto *w = app.open<FavouritesWindow>(WindowKind::Favourites, Lang::Spanish);
        click(w, "Label2");
        click(w, "Command8");
        [&] { QCOMPARE(labels(w), (QStringList{"abc", "?", "abc", "?"})); }();
        for (int i = 1; i <= 4; ++i)
            act(w->findChild<QWidget *>(QStringLiteral("lbladreca%1").arg(i)));
        return app.desktop.launches;
    };
    const QList<FakeDesktop::Launch> clicked =
        opened([](QWidget *label) { QTest::mouseClick(label, Qt::LeftButton); });
    // The labels that read "?" open nothing.
    QCOMPARE(clicked.size(), 2);
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space})
        QCOMPARE(opened([key](QWidget *label) { pressOn(label, key); }), clicked);
}

void TestFavouritesWindow::fromTheKeyboardAlone()
{
    TestApp app;
    saveSomeNames(app, kSpanish.lang);
    auto *main = app.open<MainWindow>(WindowKind::Main, Lang::Spanish);
    QApplication::setActiveWindow(main);
    QTest::keyClick(main, Qt::Key_F, Qt::ControlModifier);
    TestApp::settle();
    FavouritesWindow *w = favourites(app, Lang::Spanish);
    QVERIFY(w);
    QApplication::setActiveWindow(w);
    auto key = [](Qt::Key k) { QTest::keyClick(QApplication::focusWidget(), k); };
    auto focused = [] { return QApplication::focusWidget()->objectName(); };
    // The mode links come first: Tab to the name link, and Return enters name mode.
    // A bounded walk: a link that drops out of the Tab order fails here, not at the timeout.
    for (int tabs = 0; tabs < 20 && focused() != u"Label2"; ++tabs)
        key(Qt::Key_Tab);
    QCOMPARE(focused(), QStringLiteral("Label2"));
    key(Qt::Key_Return);
    QCOMPARE(focused(), QStringLiteral("txtnom"));
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    QCOMPARE(focused(), QStringLiteral("Command8"));
    key(Qt::Key_Space); // the next name: "abc" in r and t
    key(Qt::Key_Tab);
    QCOMPARE(focused(), QStringLiteral("lbladreca1"));
    key(Qt::Key_Return);
    const QString address = "http://www.tessaron-abc-rmt.com";
    QCOMPARE(app.desktop.launches,
             (QList<FakeDesktop::Launch>{{"/usr/bin/test-browser", address}}));

    // Return in the search box searches.
    w->findChild<QWidget *>("txtnom")->setFocus();
    QTest::keyClicks(QApplication::focusWidget(), "xyz");
    key(Qt::Key_Return);
    QCOMPARE(labels(w), (QStringList{"?", "xyz", "?", "?"}));
    QVERIFY(app.desktop.messages.isEmpty());
}

void TestFavouritesWindow::screenReadersTellTheControlsApart()
{
    TestApp app;
    saveSomeNames(app, kSpanish.lang);
    auto *w = app.open<FavouritesWindow>(WindowKind::Favourites, Lang::Spanish);
    for (const char *mode : {"Label1", "Label2"}) {
        click(w, mode);
        QCOMPARE(sharedButtonNames(w), QStringList());
    }
    // The four lists have no caption: each is named by its family.
    QSet<QString> listNames;
    for (int i = 1; i <= 4; ++i)
        listNames.insert(accessibleName(w->findChild<QWidget *>(QStringLiteral("Combo%1").arg(i))));
    QCOMPARE(listNames.size(), 4);
    QVERIFY(!listNames.contains(QString()));
    // The captions on screen stay as they are.
    QCOMPARE(w->findChild<QPushButton *>("Command1")->text(), QStringLiteral("buscar direccion"));
    QCOMPARE(w->findChild<QPushButton *>("cmdBorra_R")->toolTip(), QStringLiteral("Borrar"));
    // "abc" is saved in four sides and three sides.
    w->findChild<QLineEdit *>("txtnom")->setText("abc");
    w->findChild<QPushButton *>("cmdbuscar")->click();
    // The links and the name labels that show a name are links read by what they
    // show (the name labels with their family), and say what they do.
    QSet<QString> descriptions;
    for (const char *name : {"Label1", "Label2", "lbladreca1", "lbladreca3"}) {
        auto *label = w->findChild<QLabel *>(name);
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(label);
        QCOMPARE(iface->role(), QAccessible::Link);
        QVERIFY(iface->text(QAccessible::Name).startsWith(label->text()));
        descriptions.insert(iface->text(QAccessible::Description));
    }
    QCOMPARE(descriptions.size(), 4);
    QVERIFY(!descriptions.contains(QString()));
    // A label that shows "?" holds no name, says so, and opens nothing.
    for (const auto &[name, heard] : {std::pair{"lbladreca2", "sin nombre, círculo o elipse"},
                                      std::pair{"lbladreca4", "sin nombre, más de cuatro lados"}}) {
        QAccessibleInterface *iface =
            QAccessible::queryAccessibleInterface(w->findChild<QLabel *>(name));
        QCOMPARE(iface->role(), QAccessible::StaticText);
        QCOMPARE(iface->text(QAccessible::Name), QString::fromUtf8(heard));
        QCOMPARE(iface->text(QAccessible::Description), QString());
    }
}

namespace {

// Drops `data` on `target` as a file manager would: enters, moves, drops.
bool dropOn(QWidget *target, QMimeData *data)
{
    const QPointF at(target->rect().center());
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    return drop.isAccepted();
}

QMimeData *filesData(const QStringList &paths)
{
    auto *data = new QMimeData;
    QList<QUrl> urls;
    for (const QString &path : paths)
        urls << QUrl::fromLocalFile(path);
    data->setUrls(urls);
    data->setText(paths.join(u'\n')); // as file managers offer it, for text boxes
    return data;
}

} // namespace

void TestFavouritesWindow::aDroppedFileIsOfferedForImport_data()
{
    QTest::addColumn<int>("lang");
    QTest::addColumn<QString>("target"); // where on the window it is dropped
    QTest::addColumn<bool>("answer");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("told"); // the start of the box that tells the result
    const QByteArray csv = "address,name,family\r\n"
                           "http://www.tessaron-new-rmt.com,new,r\r\n"
                           "http://www.tessaron-abc-rmt.com,abc,r\r\n"
                           "http://www.tessaron-bad-rzz.com,bad,r\r\n";
    QTest::newRow("es, on the window") << int(Lang::Spanish) << "frmbdd" << true << csv
                                       << "Favoritos importados de \"f.csv\": 1 añadidos, 1 ya "
                                          "estaban, 1 dejados fuera, 0 enlaces que no son "
                                          "direcciones de figura.\n\nSe han dejado fuera:\nleft "
                                          "out line 4, ";
    QTest::newRow("en, on the search box") << int(Lang::English) << "txtnom" << true << csv
                                           << "Favorites imported from \"f.csv\": 1 added, 1 "
                                              "already there, 1 left out, 0 links that are not "
                                              "figure addresses.";
    QTest::newRow("en, answered no") << int(Lang::English) << "frmdb" << false << csv << "";
    QTest::newRow("es, not a favourites file")
        << int(Lang::Spanish) << "frmbdd" << true << QByteArray("hello\n")
        << "No se ha importado nada de \"f.csv\":\n";
}

// A file dropped anywhere on the window is asked about in its language, imported
// as the command line imports it, and its result told; the window shows the new
// rows the next time a mode is entered, and nothing else in it changes.
void TestFavouritesWindow::aDroppedFileIsOfferedForImport()
{
    QFETCH(int, lang);
    QFETCH(QString, target);
    QFETCH(bool, answer);
    QFETCH(QByteArray, file);
    QFETCH(QString, told);
    const Twin &twin = Lang(lang) == Lang::Spanish ? kSpanish : kEnglish;
    TestApp app;
    saveSomeNames(app, twin.lang);
    const QStringList before = storedRows(app.storePath());
    QTemporaryDir dir;
    QFile f(dir.filePath("f.csv"));
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(file) == file.size() && f.flush());
    auto *w = app.open<FavouritesWindow>(WindowKind::Favourites, twin.lang);
    click(w, "Label2");
    click(w, "Command8");
    const QStringList shownBefore = labels(w);
    app.desktop.answer = answer;

    QWidget *on = w->objectName() == target ? w : w->findChild<QWidget *>(target);
    QVERIFY(on);
    std::unique_ptr<QMimeData> data(filesData({f.fileName()}));
    QVERIFY(dropOn(on, data.get()));
    TestApp::settle();
    const QString question = twin.lang == Lang::Spanish
                                 ? "Quieres importar los favoritos de \"f.csv\" ?"
                                 : "Do you want to import the favorites of \"f.csv\" ?";
    QCOMPARE(app.desktop.questions, QStringList{question});
    QCOMPARE(w->findChild<QLineEdit *>("txtnom")->text(), QString()); // no path typed in
    QCOMPARE(labels(w), shownBefore);
    const bool added = answer && file.startsWith("address");
    if (!answer) {
        QVERIFY(app.desktop.messages.isEmpty());
    } else {
        QCOMPARE(app.desktop.messages.size(), 1);
        QVERIFY2(app.desktop.messages.front().startsWith(told),
                 qPrintable(app.desktop.messages.front()));
    }
    const QStringList after = storedRows(app.storePath());
    QCOMPARE(after.size(), before.size() + (added ? 1 : 0));
    QCOMPARE(after.contains("http://www.tessaron-new-rmt.com|new|r"), added);

    // The next mode entered reads the store as it is now.
    click(w, "Label1");
    auto *list = w->findChild<QComboBox *>("Combo1");
    QCOMPARE(list->findText("new") >= 0, added);
}

void TestFavouritesWindow::onlyOneLocalFileIsTaken()
{
    TestApp app;
    auto *w = app.open<FavouritesWindow>(WindowKind::Favourites, Lang::English);
    QTemporaryDir dir;
    std::vector<std::unique_ptr<QMimeData>> refused;
    refused.emplace_back(filesData({dir.filePath("a.csv"), dir.filePath("b.csv")}));
    refused.emplace_back(new QMimeData);
    refused.back()->setText("http://www.tessaron-abc-rmt.com,abc,r");
    refused.emplace_back(new QMimeData);
    refused.back()->setUrls({QUrl("https://example.com/f.csv")});
    for (const auto &data : refused)
        QVERIFY(!dropOn(w, data.get()));
    TestApp::settle();
    QVERIFY(app.desktop.questions.isEmpty());
}

void TestFavouritesWindow::storedControlCharactersAreShownEscaped_data()
{
    QTest::addColumn<QString>("name"); // as another tool stored it
    QTest::addColumn<QString>("shown");
    QTest::newRow("a right-to-left override")
        << QStringLiteral("abc\u202Etxt.exe") << QStringLiteral("abc\\u{202e}txt.exe");
    QTest::newRow("an escape") << QStringLiteral("a\x1b[31mb") << QStringLiteral("a\\x1b[31mb");
    QTest::newRow("a line feed") << QStringLiteral("a\nb") << QStringLiteral("a\\nb");
}

// A damaged row's name is shown as the message about it and the command line show
// it: its control and direction characters escaped, never acting on the screen.
void TestFavouritesWindow::storedControlCharactersAreShownEscaped()
{
    QFETCH(QString, name);
    QFETCH(QString, shown);
    TestApp app;
    QVERIFY(insertRows(app.storePath(), {{"hostile", name, "r", "http://www.tessaron-x-rxx.com"}}));
    auto *w = app.open<FavouritesWindow>(WindowKind::Favourites, Lang::English);
    click(w, "Label2");
    click(w, "Command8");
    QCOMPARE(labels(w).first(), shown);
    click(w, "lbladreca1");
    QCOMPARE(app.desktop.messages.size(), 1);
    QVERIFY2(app.desktop.messages.first().contains(u'"' + shown + u'"'),
             qPrintable(app.desktop.messages.first()));
    click(w, "Label1");
    auto *list = w->findChild<QComboBox *>("Combo1");
    QCOMPARE(list->itemText(0), shown);
    list->setCurrentIndex(0);
    QCOMPARE(list->currentText(), shown);

    // The row as stored, not as shown, is the one deleted.
    click(w, "Label2");
    click(w, "Command8");
    click(w, "cmdBorra_R");
    QCOMPARE(storedRows(app.storePath()), QStringList());
}

void TestFavouritesWindow::storedMarkupIsShownAsTextAndNeverOpened_data()
{
    QTest::addColumn<int>("lang");
    QTest::newRow("es") << int(Lang::Spanish);
    QTest::newRow("en") << int(Lang::English);
}

void TestFavouritesWindow::storedMarkupIsShownAsTextAndNeverOpened()
{
    QFETCH(int, lang);
    const Twin &twin = Lang(lang) == Lang::Spanish ? kSpanish : kEnglish;
    TestApp app;
    // A picture of the user's, all red, that a name read as markup would draw.
    QTemporaryDir pictures;
    const QString picture = pictures.filePath("red.png");
    QImage red(60, 40, QImage::Format_RGB32);
    red.fill(Qt::red);
    QVERIFY(red.save(picture));
    const QString name = "<img src=\"" + picture + "\">";
    QVERIFY(insertRows(app.storePath(), {{"image", name, "r", "http://www.tessaron-img-rxx.com"},
                                         {"good", "abc", "r", "http://www.tessaron-abc-rmt.com"}}));
    auto *w = app.open<FavouritesWindow>(WindowKind::Favourites, twin.lang);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));

    click(w, "Label2");
    click(w, "Command8"); // '<' stands before the letters: the picture's row is first
    auto *label = w->findChild<QLabel *>("lbladreca1");
    QCOMPARE(label->text(), name);
    const QImage drawn = label->grab().toImage().convertToFormat(QImage::Format_RGB32);
    int redPixels = 0;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
            redPixels += drawn.pixelColor(x, y) == QColor(Qt::red) ? 1 : 0;
    QCOMPARE(redPixels, 0);
    click(w, "lbladreca1");
    QCOMPARE(app.desktop.messages.size(), 1);
    QVERIFY(app.desktop.messages.first().contains(name));

    // The same row picked in its list: the open button says it is damaged too.
    click(w, "Label1");
    auto *list = w->findChild<QComboBox *>("Combo1");
    QCOMPARE(list->itemText(0), name);
    list->setCurrentIndex(0);
    click(w, "Command1");
    QCOMPARE(app.desktop.messages.size(), 2);
    QCOMPARE(app.desktop.messages.last(), app.desktop.messages.first());
    QVERIFY(app.desktop.launches.isEmpty());
    QVERIFY(app.desktop.opened.isEmpty());
    // The row written here beside it opens.
    list->setCurrentIndex(1);
    click(w, "Command1");
    QCOMPARE(app.desktop.launches.size() + app.desktop.opened.size(), 1);
}

namespace {

// What the favourites window has told screen readers, in order.
struct Heard {
    explicit Heard(QWidget *w) : announcer(Announcer::of(w)), spy(announcer, &Announcer::announced)
    {
    }

    QStringList said() const
    {
        QStringList texts;
        for (const QList<QVariant> &call : spy)
            texts << call.at(0).toString();
        return texts;
    }

    Announcer *announcer;
    QSignalSpy spy;
};

// The r list holds "abc" and "casa", the c list "xyz", the t list "abc".
void saveNamesForTheLists(TestApp &app, Lang lang)
{
    saveSomeNames(app, lang);
    auto *main = app.open<MainWindow>(WindowKind::Main, lang);
    auto *box = main->findChild<QLineEdit *>(lang == Lang::Spanish ? "txtAdreca" : "txtaAdreca");
    box->clear();
    QTest::keyClicks(box, "casa");
    main->findChild<QPushButton *>("Command4")->click();
    app.desktop.messages.clear();
}

} // namespace

void TestFavouritesWindow::screenReadersHearWhatTheRowsShow_data()
{
    QTest::addColumn<int>("lang");
    // "search:TEXT" types TEXT in the search box and presses Return there; a name
    // clicks that control.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("said");
    const QString abcEs = "abc: cuatro lados, tres lados";
    const QString xyzEs = "xyz: círculo o elipse";
    const QString abcEn = "abc: four sides, three sides";
    const QString xyzEn = "xyz: circle or ellipse";
    QTest::newRow("es search") << int(Lang::Spanish) << QStringList{"search:ABC"}
                               << QStringList{abcEs};
    QTest::newRow("es steps") << int(Lang::Spanish)
                              << QStringList{"Command8", "Command8", "Command7"}
                              << QStringList{abcEs, xyzEs, abcEs};
    QTest::newRow("es previous from an empty display")
        << int(Lang::Spanish) << QStringList{"Command7"} << QStringList{xyzEs};
    // Nothing changes at the last name; the user hears where they stand.
    QTest::newRow("es next at the last name")
        << int(Lang::Spanish) << QStringList{"Command7", "Command8"} << QStringList{xyzEs, xyzEs};
    QTest::newRow("es delete") << int(Lang::Spanish) << QStringList{"Command8", "cmdBorra_T"}
                               << QStringList{abcEs, "sin nombre, tres lados"};
    // The no-match message says it; a "?" row has nothing to delete.
    QTest::newRow("es search finds nothing")
        << int(Lang::Spanish) << QStringList{"search:ab", "cmdBorra_C"} << QStringList{};
    QTest::newRow("en search") << int(Lang::English) << QStringList{"search:xyz"}
                               << QStringList{xyzEn};
    QTest::newRow("en steps") << int(Lang::English) << QStringList{"Command8", "Command8"}
                              << QStringList{abcEn, xyzEn};
    QTest::newRow("en delete") << int(Lang::English) << QStringList{"Command8", "cmdBorra_R"}
                               << QStringList{abcEn, "no name, four sides"};
}

void TestFavouritesWindow::screenReadersHearWhatTheRowsShow()
{
    QFETCH(int, lang);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, said);
    TestApp app;
    saveSomeNames(app, Lang(lang));
    auto *w = app.open<FavouritesWindow>(WindowKind::Favourites, Lang(lang));
    QApplication::setActiveWindow(w);
    click(w, "Label2");
    Heard heard(w);
    for (const QString &step : steps) {
        if (step.startsWith(u"search:")) {
            auto *box = w->findChild<QLineEdit *>("txtnom");
            box->setFocus();
            QTest::keyClicks(box, step.mid(7));
            QTest::keyClick(box, Qt::Key_Return);
            // Heard where the user is: the focus stays in the box.
            QCOMPARE(QApplication::focusWidget(), box);
        } else {
            click(w, qPrintable(step));
        }
    }
    QCOMPARE(heard.said(), said);
    if (said.isEmpty())
        return;
    // Given to readers as a notification, which Orca speaks as it appears.
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(heard.announcer);
    QVERIFY(iface);
    QCOMPARE(iface->role(), QAccessible::Notification);
    QCOMPARE(iface->text(QAccessible::Name), said.last());
    QVERIFY(heard.announcer->isVisible());
    QCOMPARE(heard.announcer->focusPolicy(), Qt::NoFocus);
    QVERIFY(heard.announcer->size().isEmpty());
}

void TestFavouritesWindow::aDeleteIsSaidOnceTheQuestionHasGone()
{
    TestApp app;
    saveSomeNames(app, Lang::Spanish);
    auto *w = app.open<FavouritesWindow>(WindowKind::Favourites, Lang::Spanish);
    QApplication::setActiveWindow(w);
    click(w, "Label2");
    click(w, "Command8");
    Heard heard(w);
    // The question takes the window's activation, as a real box does, and gives
    // it back only after the answer.
    app.desktop.onQuestion = [] { QApplication::setActiveWindow(nullptr); };
    click(w, "cmdBorra_R");
    QCOMPARE(labels(w), (QStringList{"?", "?", "abc", "?"}));
    QVERIFY(heard.said().isEmpty());
    QVERIFY(heard.announcer->pending());
    QApplication::setActiveWindow(w);
    QTRY_COMPARE(heard.said(), QStringList{"sin nombre, cuatro lados"});
    QVERIFY(!heard.announcer->pending());
}

void TestFavouritesWindow::aPickOnAClosedListIsSaid()
{
    TestApp app;
    saveNamesForTheLists(app, Lang::English);
    auto *w = app.open<FavouritesWindow>(WindowKind::Favourites, Lang::English);
    QApplication::setActiveWindow(w);
    click(w, "Label1");
    auto *list = w->findChild<QComboBox *>("Combo1");
    list->setFocus();
    Heard heard(w);
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(list->currentText(), QStringLiteral("casa"));
    // The last entry: Down picks nothing new, and nothing is said.
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Up);
    QCOMPARE(heard.said(), (QStringList{"abc", "casa", "abc"}));
    // The list keeps its family as its name.
    QCOMPARE(QAccessible::queryAccessibleInterface(list)->text(QAccessible::Name),
             QStringLiteral("Four sides"));
}

void TestFavouritesWindow::anOpenedListStandsOnItsCurrentEntry_data()
{
    QTest::addColumn<int>("picked"); // -1: nothing
    QTest::addColumn<int>("opensOn");
    QTest::addColumn<int>("downGoesTo");
    QTest::newRow("nothing picked") << -1 << 0 << 1;
    QTest::newRow("the first picked") << 0 << 0 << 1;
    QTest::newRow("the last picked") << 1 << 1 << 1;
}

void TestFavouritesWindow::anOpenedListStandsOnItsCurrentEntry()
{
    QFETCH(int, picked);
    QFETCH(int, opensOn);
    QFETCH(int, downGoesTo);
    TestApp app;
    saveNamesForTheLists(app, Lang::Spanish);
    auto *w = app.open<FavouritesWindow>(WindowKind::Favourites, Lang::Spanish);
    QApplication::setActiveWindow(w);
    click(w, "Label1");
    auto *list = w->findChild<QComboBox *>("Combo1");
    list->setFocus();
    list->setCurrentIndex(picked);
    QTest::keyClick(list, Qt::Key_Down, Qt::AltModifier);
    QAbstractItemView *view = list->view();
    QTRY_VERIFY(view->isVisible());
    QTRY_VERIFY(view->hasFocus());
    // The entry it stands on is current and seen as such.
    QTRY_COMPARE(view->currentIndex().row(), opensOn);
    QTRY_VERIFY(view->selectionModel()->isSelected(view->currentIndex()));
    QTest::keyClick(view, Qt::Key_Down);
    QCOMPARE(view->currentIndex().row(), downGoesTo);
    list->hidePopup();
}

QTEST_MAIN(TestFavouritesWindow)
#include "tst_favouriteswindow.moc"
