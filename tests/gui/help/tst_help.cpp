#include "core/help/helpdocument.h"
#include "gui/help/helpviewer.h"
#include "gui/widgets/announcer.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>

using namespace tessaron;

class TestHelp : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void topicsResolveInBothFiles_data();
    void topicsResolveInBothFiles();
    void keywordsFindByPartialWord();
    void keywordsThatBeginWithTheSearchComeFirst_data();
    void keywordsThatBeginWithTheSearchComeFirst();
    void viewerViews();
    void missingFileNamesItsPath();
    void escapeClosesIt();
    void speaksTheLanguageOfItsFileAndStandsCentred_data();
    void speaksTheLanguageOfItsFileAndStandsCentred();
    void readersHearLinksAndTheSectionsChosen_data();
    void readersHearLinksAndTheSectionsChosen();
};

namespace {

// Whether the anchor `name` stands in `block`.
bool holdsAnchor(const QTextBlock &block, const QString &name)
{
    if (block.charFormat().anchorNames().contains(name))
        return true;
    for (auto it = block.begin(); !it.atEnd(); ++it)
        if (it.fragment().charFormat().anchorNames().contains(name))
            return true;
    return false;
}

QString lastSaid(const QSignalSpy &spy)
{
    return spy.isEmpty() ? QString() : spy.last().at(0).toString();
}

} // namespace

void TestHelp::speaksTheLanguageOfItsFileAndStandsCentred_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("lang");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("index");
    QTest::addColumn<QString>("search");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("keywords");
    QTest::newRow("Spanish") << QStringLiteral(TESSARON_HELP_DIR "/ayuda.hlp") << int(Lang::Spanish)
                             << "Ayuda de Tessaron"
                             << "Índice"
                             << "Buscar una palabra clave"
                             << "Texto de la ayuda"
                             << "Palabras clave";
    QTest::newRow("English") << QStringLiteral(TESSARON_HELP_DIR "/help.hlp") << int(Lang::English)
                             << "Tessaron Help"
                             << "Index"
                             << "Find a keyword"
                             << "Help text"
                             << "Keywords";
}

void TestHelp::speaksTheLanguageOfItsFileAndStandsCentred()
{
    QFETCH(QString, file);
    QFETCH(int, lang);
    QFETCH(QString, title);
    QFETCH(QString, index);
    QFETCH(QString, search);
    QFETCH(QString, text);
    QFETCH(QString, keywords);
    HelpViewer viewer;
    // The other language first: one window serves both, and takes the words of each.
    viewer.showHelp(file, HelpCommand::Index, 0, otherLang(Lang(lang)));
    viewer.close();
    viewer.showHelp(file, HelpCommand::Index, 0, Lang(lang));
    QCOMPARE(viewer.windowTitle(), title);
    QCOMPARE(viewer.findChild<QLabel *>("helpIndexLabel")->text(), index);
    QCOMPARE(viewer.findChild<QLineEdit *>("helpIndexSearch")->accessibleName(), search);
    QCOMPARE(viewer.findChild<QTextBrowser *>("helpBrowser")->accessibleName(), text);
    QCOMPARE(viewer.findChild<QListWidget *>("helpIndexList")->accessibleName(), keywords);
    const QRect screen = viewer.screen()->geometry();
    const QRect outer = viewer.frameGeometry();
    QCOMPARE(outer.left(), (screen.width() - outer.width()) / 2);
    QCOMPARE(outer.top(), (screen.height() - outer.height()) / 2);
}

void TestHelp::topicsResolveInBothFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("Spanish") << QStringLiteral(TESSARON_HELP_DIR "/ayuda.hlp");
    QTest::newRow("English") << QStringLiteral(TESSARON_HELP_DIR "/help.hlp");
}

void TestHelp::topicsResolveInBothFiles()
{
    QFETCH(QString, file);
    const HelpDocument doc = HelpDocument::load(file);
    QVERIFY2(doc.isLoaded(), qPrintable(doc.errorString()));
    for (int topic : {100, 101, 200, 202, 400, 404})
        QVERIFY2(doc.hasAnchor(QString::number(topic)), qPrintable(QString::number(topic)));
    QVERIFY(doc.hasAnchor("contents"));
    // Every keyword and every link leads somewhere.
    for (const HelpDocument::Keyword &k : doc.keywords())
        QVERIFY2(doc.hasAnchor(k.anchor), qPrintable(k.text));
    static const QRegularExpression link(QStringLiteral("href=\"#([^\"]+)\""));
    for (const QRegularExpressionMatch &m : link.globalMatch(doc.html()))
        QVERIFY2(doc.hasAnchor(m.captured(1)), qPrintable(m.captured(1)));
    QCOMPARE(doc.anchors().size(),
             QSet<QString>(doc.anchors().begin(), doc.anchors().end()).size());
}

void TestHelp::keywordsFindByPartialWord()
{
    const HelpDocument doc = HelpDocument::load(TESSARON_HELP_DIR "/help.hlp");
    const QList<HelpDocument::Keyword> found = doc.findKeywords("FAVOR");
    QVERIFY(!found.isEmpty());
    for (const HelpDocument::Keyword &k : found)
        QVERIFY(k.text.contains("favor", Qt::CaseInsensitive));
    QCOMPARE(doc.findKeywords("").size(), doc.keywords().size());
    QVERIFY(doc.findKeywords("zzzz-no-such-word").isEmpty());
}

void TestHelp::keywordsThatBeginWithTheSearchComeFirst_data()
{
    // The keywords of a help file made for the test, as the index lists them for
    // a search: first those that begin with it, then those that hold it further
    // on, each in alphabetical order without regard to case.
    QTest::addColumn<QString>("search");
    QTest::addColumn<QStringList>("listed");
    QTest::newRow("begins and holds")
        << "favour"
        << QStringList{"Favourite names", "favourites window", "a favourite", "open a Favourite",
                       "unfavourable"};
    QTest::newRow("in capitals") << "SAVE" << QStringList{"save button", "Saved names", "unsaved"};
    QTest::newRow("blanks around") << "  window " << QStringList{"window", "favourites window"};
    QTest::newRow("only inside") << "able" << QStringList{"unfavourable"};
    QTest::newRow("nothing") << "zz" << QStringList{};
    QTest::newRow("empty") << ""
                           << QStringList{
                                  "a favourite",      "Favourite names", "favourites window",
                                  "open a Favourite", "save button",     "Saved names",
                                  "unfavourable",     "unsaved",         "window"};
}

void TestHelp::keywordsThatBeginWithTheSearchComeFirst()
{
    QFETCH(QString, search);
    QFETCH(QStringList, listed);
    QTemporaryDir dir;
    const QString file = dir.filePath("help.hlp");
    {
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        QByteArray html = "<html><head>\n";
        // Written in no order, so the index's order is its own.
        for (const char *keyword :
             {"unfavourable", "window", "open a Favourite", "save button", "favourites window",
              "a favourite", "unsaved", "Favourite names", "Saved names"})
            html += QByteArray("<meta name=\"tessaron-keyword\" content=\"contents|") + keyword +
                    "\">\n";
        html += "</head><body><a name=\"contents\"></a>Contents</body></html>\n";
        QVERIFY(out.write(html) == html.size());
    }
    QStringList found;
    for (const HelpDocument::Keyword &k : HelpDocument::load(file).findKeywords(search))
        found << k.text;
    QCOMPARE(found, listed);

    // The viewer's index lists them so, and the first is the one Return opens.
    HelpViewer viewer;
    viewer.showHelp(file, HelpCommand::Index, 0, Lang::English);
    auto *list = viewer.findChild<QListWidget *>("helpIndexList");
    QTest::keyClicks(viewer.findChild<QLineEdit *>("helpIndexSearch"), search);
    QStringList shown;
    for (int row = 0; row < list->count(); ++row)
        shown << list->item(row)->text();
    QCOMPARE(shown, listed);
}

void TestHelp::viewerViews()
{
    HelpViewer viewer;
    const QString file = TESSARON_HELP_DIR "/ayuda.hlp";
    viewer.showHelp(file, HelpCommand::Contents, 0, Lang::Spanish);
    QCOMPARE(viewer.view(), HelpViewer::View::Contents);
    QVERIFY(!viewer.findChild<QLineEdit *>("helpIndexSearch")->isVisible());

    viewer.showHelp(file, HelpCommand::Index, 0, Lang::Spanish);
    QCOMPARE(viewer.view(), HelpViewer::View::Index);
    auto *search = viewer.findChild<QLineEdit *>("helpIndexSearch");
    auto *list = viewer.findChild<QListWidget *>("helpIndexList");
    QVERIFY(search->isVisible());
    QTest::keyClicks(search, "guar");
    QVERIFY(list->count() > 0);
    QVERIFY(list->item(0)->text().contains("guar", Qt::CaseInsensitive));
    QTest::keyClick(search, Qt::Key_Return);
    QCOMPARE(viewer.anchor(), list->item(0)->data(Qt::UserRole).toString());

    viewer.showHelp(file, HelpCommand::Topic, 400, Lang::Spanish);
    QCOMPARE(viewer.view(), HelpViewer::View::Topic);
    QCOMPARE(viewer.anchor(), QStringLiteral("400"));
    // An unknown topic falls back to the contents.
    viewer.showHelp(file, HelpCommand::Topic, 999, Lang::Spanish);
    QCOMPARE(viewer.view(), HelpViewer::View::Contents);
}

void TestHelp::missingFileNamesItsPath()
{
    HelpViewer viewer;
    viewer.showHelp("/nonexistent/dir/help.hlp", HelpCommand::Contents, 0, Lang::English);
    QCOMPARE(viewer.view(), HelpViewer::View::Missing);
    QVERIFY(viewer.findChild<QTextBrowser *>("helpBrowser")
                ->toPlainText()
                .contains("/nonexistent/dir/help.hlp"));
}

// Without a window manager there is no close box: Escape is the way out, from the
// index's search box as from the text.
void TestHelp::escapeClosesIt()
{
    const QString file = TESSARON_HELP_DIR "/help.hlp";
    for (const char *focused : {"helpIndexSearch", "helpBrowser"}) {
        HelpViewer viewer;
        viewer.showHelp(file, HelpCommand::Index, 0, Lang::English);
        QApplication::setActiveWindow(&viewer);
        auto *target = viewer.findChild<QWidget *>(focused);
        target->setFocus();
        QTest::keyClick(target, Qt::Key_Escape);
        QVERIFY2(!viewer.isVisible(), focused);
    }
}

void TestHelp::readersHearLinksAndTheSectionsChosen_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("lang");
    QTest::addColumn<QString>("link"); // %1, the link's words
    QTest::addColumn<QString>("keyword");
    QTest::newRow("Spanish") << QStringLiteral(TESSARON_HELP_DIR "/ayuda.hlp") << int(Lang::Spanish)
                             << "%1, enlace"
                             << "favor";
    QTest::newRow("English") << QStringLiteral(TESSARON_HELP_DIR "/help.hlp") << int(Lang::English)
                             << "%1, link"
                             << "favor";
}

void TestHelp::readersHearLinksAndTheSectionsChosen()
{
    QFETCH(QString, file);
    QFETCH(int, lang);
    QFETCH(QString, link);
    QFETCH(QString, keyword);
    HelpViewer viewer;
    viewer.showHelp(file, HelpCommand::Contents, 0, Lang(lang));
    QApplication::setActiveWindow(&viewer);
    auto *browser = viewer.findChild<QTextBrowser *>("helpBrowser");
    browser->setFocus();
    QSignalSpy said(Announcer::of(browser), &Announcer::announced);

    // Tab reaches the first link, and it is said.
    QTest::keyClick(browser, Qt::Key_Tab);
    const QTextCursor reached = browser->textCursor();
    QVERIFY(reached.hasSelection());
    QCOMPARE(lastSaid(said), link.arg(reached.selectedText()));
    const QString target = reached.charFormat().anchorHref();
    QVERIFY2(target.startsWith(u'#'), qPrintable(target));
    QTest::keyClick(browser, Qt::Key_Tab);
    QCOMPARE(said.size(), 2);
    QCOMPARE(lastSaid(said), link.arg(browser->textCursor().selectedText()));
    QTest::keyClick(browser, Qt::Key_Tab, Qt::ShiftModifier);

    // Return follows it: the caret, not only the view, goes to the section's start,
    // and its first line is said.
    QTest::keyClick(browser, Qt::Key_Return);
    QTRY_COMPARE(viewer.anchor(), target.mid(1));
    QTextCursor caret = browser->textCursor();
    QVERIFY(!caret.hasSelection());
    QVERIFY2(holdsAnchor(caret.block(), target.mid(1)), qPrintable(caret.block().text()));
    QCOMPARE(caret.positionInBlock(), 0);
    QVERIFY(!caret.block().text().isEmpty());
    QCOMPARE(lastSaid(said), caret.block().text());

    // A keyword chosen in the index takes the focus to the text, at its section.
    viewer.showHelp(file, HelpCommand::Index, 0, Lang(lang));
    auto *search = viewer.findChild<QLineEdit *>("helpIndexSearch");
    auto *list = viewer.findChild<QListWidget *>("helpIndexList");
    for (QWidget *chooser : {static_cast<QWidget *>(search), static_cast<QWidget *>(list)}) {
        search->setFocus();
        search->clear();
        QTest::keyClicks(search, keyword);
        QVERIFY(list->count() > 1);
        chooser->setFocus();
        if (chooser == list)
            QTest::keyClick(list, Qt::Key_Down);
        const QString anchor = list->currentItem()->data(Qt::UserRole).toString();
        QTest::keyClick(chooser, Qt::Key_Return);
        QCOMPARE(viewer.anchor(), anchor);
        QCOMPARE(QApplication::focusWidget(), browser);
        caret = browser->textCursor();
        QVERIFY2(holdsAnchor(caret.block(), anchor), qPrintable(caret.block().text()));
        QCOMPARE(caret.positionInBlock(), 0);
        QCOMPARE(lastSaid(said), caret.block().text());
    }

    // Closed and opened again, the window does not say its last text anew.
    const qsizetype before = said.size();
    viewer.close();
    viewer.showHelp(file, HelpCommand::Contents, 0, Lang(lang));
    QVERIFY(!Announcer::of(browser)->isVisible());
    QCOMPARE(said.size(), before);
}

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
