#include "core/help/helpdocument.h"
#include "gui/help/helpviewer.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QTextBrowser>
#include <QtTest>

using namespace tessaron;

class TestHelp : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void topicsResolveInBothFiles_data();
    void topicsResolveInBothFiles();
    void keywordsFindByPartialWord();
    void viewerViews();
    void missingFileNamesItsPath();
    void speaksTheLanguageOfItsFileAndStandsCentred_data();
    void speaksTheLanguageOfItsFileAndStandsCentred();
};

void TestHelp::speaksTheLanguageOfItsFileAndStandsCentred_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("lang");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("index");
    QTest::addColumn<QString>("search");
    QTest::newRow("Spanish") << QStringLiteral(TESSARON_HELP_DIR "/ayuda.hlp") << int(Lang::Spanish)
                             << "Ayuda de Tessaron"
                             << "Índice"
                             << "Buscar una palabra clave";
    QTest::newRow("English") << QStringLiteral(TESSARON_HELP_DIR "/help.hlp") << int(Lang::English)
                             << "Tessaron Help"
                             << "Index"
                             << "Find a keyword";
}

void TestHelp::speaksTheLanguageOfItsFileAndStandsCentred()
{
    QFETCH(QString, file);
    QFETCH(int, lang);
    QFETCH(QString, title);
    QFETCH(QString, index);
    QFETCH(QString, search);
    HelpViewer viewer;
    // The other language first: one window serves both, and takes the words of each.
    viewer.showHelp(file, HelpCommand::Index, 0, otherLang(Lang(lang)));
    viewer.close();
    viewer.showHelp(file, HelpCommand::Index, 0, Lang(lang));
    QCOMPARE(viewer.windowTitle(), title);
    QCOMPARE(viewer.findChild<QLabel *>("helpIndexLabel")->text(), index);
    QCOMPARE(viewer.findChild<QLineEdit *>("helpIndexSearch")->accessibleName(), search);
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

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
