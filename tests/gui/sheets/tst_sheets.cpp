#include "core/coding/figurecoding.h"
#include "core/coding/modtessaron.h"
#include "gui/main/mainwindow.h"
#include "gui/printing/pagepainter.h"
#include "gui/sheets/registerswindow.h"
#include "gui/sheets/sheettext.h"
#include "gui/sheets/symbologywindow.h"
#include "gui/widgets/fonts.h"
#include "support/apphelper.h"
#include "support/pdfwords.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QPushButton>
#include <QTest>

#include <limits>

using namespace tessaron;

namespace {

const char *boxOf(Lang lang)
{
    return lang == Lang::Spanish ? "txtAdreca" : "txtaAdreca";
}

// Draws a page into a PDF file the way a printer's painter would: origin at the
// top left, at the writer's resolution.
void drawIntoPdf(const QString &path, const PageDrawer &draw)
{
    QPdfWriter writer(path);
    writer.setResolution(1200);
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    PagePainter painter(&writer);
    draw(painter, writer.resolution());
}

} // namespace

class TestSheets : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void openFromTheMainWindowAndReturnWithTheName_data();
    void openFromTheMainWindowAndReturnWithTheName();
    void registersShowWhatTheMainWindowFormed_data();
    void registersShowWhatTheMainWindowFormed();
    void registersPageHoldsTheRegistersAtTheirPlaces();
    void anOpenSheetPrintsWhatItShows();
    void symbologyPageHoldsItsTextsAsText();
    void noPrinterOffersAPdfFile();
    void registersAreWrittenLetterForLetter_data();
    void registersAreWrittenLetterForLetter();
    void registersPageLinesShowAtLowResolution();
    void textsFitTheirBoxesWhole_data();
    void textsFitTheirBoxesWhole();
    void symbologyPageTextsStayInTheirBoxes_data();
    void symbologyPageTextsStayInTheirBoxes();
    void textsAreReachedInReadingOrder_data();
    void textsAreReachedInReadingOrder();
    void printerFaultsAreSaidInTheSheetsLanguage_data();
    void printerFaultsAreSaidInTheSheetsLanguage();
    void helpTopics();
    void symbologyPicturesSayWhatTheyShow_data();
    void symbologyPicturesSayWhatTheyShow();
    void symbologyOpensWithoutAFocusMark_data();
    void symbologyOpensWithoutAFocusMark();
    void symbologyTextsOfOneStyleShareASize_data();
    void symbologyTextsOfOneStyleShareASize();
};

void TestSheets::helpTopics()
{
    TestApp app;
    const QList<std::tuple<WindowKind, Lang, int, QString>> table{
        {WindowKind::Registers, Lang::Spanish, 100, "ayuda.hlp"},
        {WindowKind::Registers, Lang::English, 101, "help.hlp"},
        {WindowKind::Symbology, Lang::Spanish, 400, "ayuda.hlp"},
        {WindowKind::Symbology, Lang::English, 404, "help.hlp"}};
    for (const auto &[kind, lang, topic, file] : table) {
        app.app.registry().show(kind, lang);
        QWidget *w = app.app.registry().window(kind, lang);
        QApplication::setActiveWindow(w);
        QTest::keyClick(w, Qt::Key_F1);
        QCOMPARE(app.desktop.helps.last().command, HelpCommand::Topic);
        QCOMPARE(app.desktop.helps.last().data, topic);
        QCOMPARE(app.desktop.helps.last().file, QDir(app.programDir.path()).filePath(file));
        w->close();
        TestApp::settle();
    }
    QCOMPARE(app.desktop.helps.size(), 4);
}

void TestSheets::initTestCase()
{
    installFontSubstitutions();
}

void TestSheets::openFromTheMainWindowAndReturnWithTheName_data()
{
    QTest::addColumn<int>("lang");
    QTest::addColumn<QString>("opener"); // a button or a menu item of the main window
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<bool>("byEscape"); // left by Escape, else by its close box
    QTest::newRow("es registers button")
        << int(Lang::Spanish) << "Command2" << int(WindowKind::Registers) << "frmReg_Cast" << false;
    QTest::newRow("en registers menu") << int(Lang::English) << "mnuregister"
                                       << int(WindowKind::Registers) << "frmReg_Ang" << true;
    QTest::newRow("es symbology menu") << int(Lang::Spanish) << "mnusimbologia"
                                       << int(WindowKind::Symbology) << "frmSimb_Cast" << true;
    QTest::newRow("en symbology button")
        << int(Lang::English) << "Command1" << int(WindowKind::Symbology) << "frmSimb_Ang" << false;
}

void TestSheets::openFromTheMainWindowAndReturnWithTheName()
{
    QFETCH(int, lang);
    QFETCH(QString, opener);
    QFETCH(int, kind);
    QFETCH(QString, sheet);
    QFETCH(bool, byEscape);
    TestApp app;
    auto *main = app.open<MainWindow>(WindowKind::Main, Lang(lang));
    QTest::keyClicks(main->findChild<QLineEdit *>(boxOf(Lang(lang))), "AbC");
    if (auto *button = main->findChild<QPushButton *>(opener))
        button->click();
    else
        main->findChild<QAction *>(opener)->trigger();
    TestApp::settle();
    QVERIFY(!app.app.registry().window(WindowKind::Main, Lang(lang)));
    QWidget *w = app.app.registry().window(WindowKind(kind), Lang(lang));
    QVERIFY(w);
    QCOMPARE(w->objectName(), sheet);
    QCOMPARE(w->minimumSize(), w->maximumSize());
    QVERIFY(!w->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    if (byEscape) {
        QApplication::setActiveWindow(w);
        QTest::keyClick(w, Qt::Key_Escape);
    } else {
        w->close();
    }
    TestApp::settle();
    auto *again = app.app.registry().window(WindowKind::Main, Lang(lang));
    QVERIFY(again);
    QCOMPARE(again->findChild<QLineEdit *>(boxOf(Lang(lang)))->text(), QStringLiteral("abc"));
    QCOMPARE(app.quits, 0);
}

void TestSheets::registersShowWhatTheMainWindowFormed_data()
{
    QTest::addColumn<int>("lang");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("name");      // in the registers
    QTest::addColumn<QStringList>("codes"); // of families r, c, t, p
    // What a screen reader hears after each register: its family, which the
    // figure beside it shows.
    QTest::addColumn<QStringList>("families");
    const QStringList spanish{"cuatro lados", "círculo o elipse", "tres lados",
                              "más de cuatro lados"};
    const QStringList english{"four sides", "circle or ellipse", "three sides",
                              "more than four sides"};
    QTest::newRow("es abc") << int(Lang::Spanish) << "ABC"
                            << "abc" << QStringList{"rmt", "cto", "tlx", "piq"} << spanish;
    QTest::newRow("en abc") << int(Lang::English) << "abc"
                            << "abc" << QStringList{"rmt", "cto", "tlx", "piq"} << english;
    QTest::newRow("en no name") << int(Lang::English) << ""
                                << "?" << QStringList{"rkh", "che", "tha", "pah"} << english;
    QTest::newRow("es 40 characters")
        << int(Lang::Spanish) << QString(40, u'x') << QString(40, u'x')
        << QStringList{"rfl", "cld", "tgc", "pcg"} << spanish;
}

void TestSheets::registersShowWhatTheMainWindowFormed()
{
    QFETCH(int, lang);
    QFETCH(QString, typed);
    QFETCH(QString, name);
    QFETCH(QStringList, codes);
    QFETCH(QStringList, families);
    TestApp app;
    auto *main = app.open<MainWindow>(WindowKind::Main, Lang(lang));
    QTest::keyClicks(main->findChild<QLineEdit *>(boxOf(Lang(lang))), typed);
    main->findChild<QPushButton *>("Command2")->click();
    auto *w = qobject_cast<RegistersWindow *>(
        app.app.registry().window(WindowKind::Registers, Lang(lang)));
    QVERIFY(w);
    const QString prefix = Lang(lang) == Lang::Spanish ? "lblReg_Ad" : "lblaReg_Ad";
    for (Family family : kFamilies) {
        const int n = int(family) + 1;
        const QString expected = "www.tessaron-" + name + "-" + codes[n - 1] + ".com";
        auto *label = w->findChild<QLabel *>(prefix + QString::number(n));
        QCOMPARE(label->text(), expected);
        QCOMPARE(app.app.state().codi(family), codes[n - 1]);
        QCOMPARE(QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name),
                 expected + ", " + families[n - 1]);
    }
}

void TestSheets::registersPageHoldsTheRegistersAtTheirPlaces()
{
    TestApp app;
    QTemporaryDir pages;
    app.desktop.pageFolder = pages.path();
    app.desktop.pageDrawing = drawIntoPdf;
    auto *main = app.open<MainWindow>(WindowKind::Main, Lang::Spanish);
    QTest::keyClicks(main->findChild<QLineEdit *>("txtAdreca"), QString(40, u'x'));
    main->findChild<QPushButton *>("Command2")->click();
    QWidget *w = app.app.registry().window(WindowKind::Registers, Lang::Spanish);
    QAction *print = w->findChild<QAction *>("mnureg");
    print->trigger();
    print->trigger();
    QCOMPARE(app.desktop.printed, (QStringList{"Registros", "Registros"}));
    QCOMPARE(app.desktop.pages.size(), 2);
    const QStringList words = pdfWords(app.desktop.pages.first());
    if (words.isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    QCOMPARE(words.size(), 5); // the four registers and nothing else, on one page
    QCOMPARE(words.last(), QStringLiteral("pages 1"));
    const double tops[] = {1.75, 3.75, 5.75, 7.75};
    for (int i = 0; i < 4; ++i) {
        const QStringList f = words[i].split(u' ');
        QVERIFY2(f[0].startsWith("www.tessaron-" + QString(40, u'x') + "-"), qPrintable(f[0]));
        QVERIFY2(std::abs(f[1].toDouble() - 4.5) < 0.2, qPrintable(words[i]));
        QVERIFY2(std::abs(f[2].toDouble() - tops[i]) < 0.2, qPrintable(words[i]));
    }
    QCOMPARE(pdfWords(app.desktop.pages.last()), words);
    QVERIFY(app.app.registry().window(WindowKind::Registers, Lang::Spanish)); // still open
}

void TestSheets::anOpenSheetPrintsWhatItShows()
{
    TestApp app;
    QTemporaryDir pages;
    app.desktop.pageFolder = pages.path();
    app.desktop.pageDrawing = drawIntoPdf;
    auto *main = app.open<MainWindow>(WindowKind::Main, Lang::English);
    auto *box = main->findChild<QLineEdit *>("txtaAdreca");
    QTest::keyClicks(box, "abc");
    main->findChild<QPushButton *>("Command2")->click();
    // Another name's registers, formed while the sheet stands open: the open
    // sheet is only brought forward, and keeps showing those it was opened for.
    box->clear();
    QTest::keyClicks(box, "xyz");
    main->findChild<QPushButton *>("Command2")->click();
    QWidget *w = app.app.registry().window(WindowKind::Registers, Lang::English);
    QCOMPARE(w->findChild<QLabel *>("lblaReg_Ad1")->text(),
             QStringLiteral("www.tessaron-abc-rmt.com"));
    w->findChild<QAction *>("mnuregisters")->trigger();
    const QStringList words = pdfWords(app.desktop.pages.value(0));
    if (words.isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    QVERIFY2(words.first().startsWith("www.tessaron-abc-rmt.com "), qPrintable(words.first()));
}

void TestSheets::symbologyPageHoldsItsTextsAsText()
{
    TestApp app;
    QTemporaryDir pages;
    app.desktop.pageFolder = pages.path();
    app.desktop.pageDrawing = drawIntoPdf;
    auto *w = app.open<SymbologyWindow>(WindowKind::Symbology, Lang::English);
    w->findChild<QAction *>("mnuPrint")->trigger();
    QCOMPARE(app.desktop.printed, QStringList{"Simbology"});
    const QStringList words = pdfWords(app.desktop.pages.value(0));
    if (words.isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    const QString all = words.join(u'\n');
    for (const char *word : {"www.name.com", "name.com", "inscribed", "elliptic."})
        QVERIFY2(all.contains(word), word);
    // At the window's own size: the first example's left edge at 360 twips, 0.64 cm.
    const QString first = words.filter("www.name.com").first();
    QVERIFY2(std::abs(first.split(u' ')[1].toDouble() - 0.635) < 0.15, qPrintable(first));
}

void TestSheets::noPrinterOffersAPdfFile()
{
    TestApp app;
    app.desktop.printResult = PrintResult::NoPrinter;
    auto *w = app.open<RegistersWindow>(WindowKind::Registers, Lang::English);
    QAction *print = w->findChild<QAction *>("mnuregisters");
    print->trigger(); // Yes: a PDF file is offered
    app.desktop.answer = false;
    print->trigger(); // No: nothing more
    app.desktop.answer = true;
    app.desktop.saveOutcome = {SaveResult::Failed, "/media/cd/Registers.pdf", FileFault::ReadOnly,
                               "Read-only file system"};
    print->trigger();
    app.desktop.printResult = PrintResult::Failed;
    print->trigger();
    const QString offer =
        "There is no default printer. Do you want to keep the page as a PDF file?";
    QCOMPARE(app.desktop.questions, QStringList(3, offer));
    QCOMPARE(app.desktop.savedAs, QStringList(2, "Registers.pdf"));
    QCOMPARE(app.desktop.messages,
             (QStringList{"The PDF file /media/cd/Registers.pdf could not be saved: the disk is "
                          "read-only.",
                          "The page could not be printed."}));
    QVERIFY(app.app.registry().window(WindowKind::Registers, Lang::English));
}

void TestSheets::registersAreWrittenLetterForLetter_data()
{
    QTest::addColumn<int>("lang");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("codes"); // of families r, c, t, p
    // Names and codes whose letters a face would join: ffi, fi, fl, ff, ffl.
    QTest::newRow("es office-fiesta-flow")
        << int(Lang::Spanish) << "office-fiesta-flow" << QStringList{"rws", "csr", "tpg", "pzc"};
    QTest::newRow("en waffle-shuffle")
        << int(Lang::English) << "waffle-shuffle" << QStringList{"rge", "cec", "tzu", "ppn"};
    QTest::newRow("es code pfl") << int(Lang::Spanish) << "sq"
                                 << QStringList{"rlg", "cgi", "tdi", "pfl"};
    QTest::newRow("en code pff") << int(Lang::English) << "sv"
                                 << QStringList{"rla", "cai", "tdd", "pff"};
    QTest::newRow("en code cfi") << int(Lang::English) << "ao"
                                 << QStringList{"rlf", "cfi", "tur", "pnw"};
}

void TestSheets::registersAreWrittenLetterForLetter()
{
    QFETCH(int, lang);
    QFETCH(QString, name);
    QFETCH(QStringList, codes);
    TestApp app;
    QTemporaryDir pages;
    app.desktop.pageFolder = pages.path();
    app.desktop.pageDrawing = drawIntoPdf;
    auto *main = app.open<MainWindow>(WindowKind::Main, Lang(lang));
    QTest::keyClicks(main->findChild<QLineEdit *>(boxOf(Lang(lang))), name);
    main->findChild<QPushButton *>("Command2")->click();
    QWidget *w = app.app.registry().window(WindowKind::Registers, Lang(lang));
    w->findChild<QAction *>(Lang(lang) == Lang::Spanish ? "mnureg" : "mnuregisters")->trigger();
    const QStringList words = pdfWords(app.desktop.pages.value(0));
    if (words.isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    QCOMPARE(words.size(), 5);
    const QString prefix = Lang(lang) == Lang::Spanish ? "lblReg_Ad" : "lblaReg_Ad";
    for (Family family : kFamilies) {
        const int n = int(family) + 1;
        const QString shown = w->findChild<QLabel *>(prefix + QString::number(n))->text();
        QCOMPARE(shown, "www.tessaron-" + name + "-" + codes[n - 1] + ".com");
        // Copied from the PDF file, the register is the address as the window shows it.
        QCOMPARE(words[n - 1].split(u' ').first(), shown);
    }
}

void TestSheets::registersPageLinesShowAtLowResolution()
{
    TestApp app;
    QTemporaryDir pages;
    app.desktop.pageFolder = pages.path();
    app.desktop.pageDrawing = drawIntoPdf;
    app.open<RegistersWindow>(WindowKind::Registers, Lang::English)
        ->findChild<QAction *>("mnuregisters")
        ->trigger();
    // The page at 72 dots an inch, one dot a point, in grey levels.
    QProcess render;
    render.start("pdftoppm", {"-r", "72", "-gray", "-singlefile", app.desktop.pages.value(0),
                              pages.filePath("page")});
    if (!render.waitForFinished(20000) || render.exitCode() != 0)
        QSKIP("pdftoppm (poppler-utils) is not installed");
    const QImage page(pages.filePath("page.pgm"));
    QVERIFY(!page.isNull());
    const double dotsPerCm = 72 / 2.54;
    // Each side of the rectangle from (1.5, 1.5) to (4.0, 2.5) cm, and the
    // triangle's base at y 6.5 cm: the darkest dot across the line, along it.
    const struct {
        double x0, x1, y;
    } lines[] = {{1.7, 3.8, 1.5}, {1.7, 3.8, 2.5}, {1.7, 3.8, 6.5}};
    for (const auto &line : lines) {
        const int y = qRound(line.y * dotsPerCm);
        for (int x = qRound(line.x0 * dotsPerCm); x <= qRound(line.x1 * dotsPerCm); ++x) {
            int darkest = 255;
            for (int dy = -2; dy <= 2; ++dy)
                darkest = std::min(darkest, qGray(page.pixel(x, y + dy)));
            QVERIFY2(darkest < 128,
                     qPrintable(QStringLiteral("x %1 y %2: %3").arg(x).arg(y).arg(darkest)));
        }
    }
}

namespace {

// The sheet of a row: its kind and language.
QWidget *openSheet(TestApp &app, const QString &sheet)
{
    const Lang lang = sheet.startsWith("es") ? Lang::Spanish : Lang::English;
    const WindowKind kind =
        sheet.endsWith("symbology") ? WindowKind::Symbology : WindowKind::Registers;
    app.app.state().RegistreR = "www.tessaron-office-fiesta-flow-rws.com";
    app.app.state().RegistreC = "www.tessaron-office-fiesta-flow-csr.com";
    app.app.state().RegistreT = "www.tessaron-office-fiesta-flow-tpg.com";
    app.app.state().RegistreP = "www.tessaron-office-fiesta-flow-pzc.com";
    app.app.registry().show(kind, lang);
    return app.app.registry().window(kind, lang);
}

void addSheetRows()
{
    QTest::addColumn<QString>("sheet");
    for (const char *sheet : {"es symbology", "en symbology", "es registers", "en registers"})
        QTest::newRow(sheet) << sheet;
}

// Whether any dot of `image` in the columns from `x` on, or the rows from `y` on,
// is darker than the background at its corner.
bool inkFrom(const QImage &image, int x, int y)
{
    const int background = qGray(image.pixel(0, 0));
    for (int row = 0; row < image.height(); ++row) {
        for (int column = 0; column < image.width(); ++column) {
            if ((column >= x || row >= y) &&
                std::abs(qGray(image.pixel(column, row)) - background) > 64)
                return true;
        }
    }
    return false;
}

} // namespace

void TestSheets::textsFitTheirBoxesWhole_data()
{
    addSheetRows();
}

void TestSheets::textsFitTheirBoxesWhole()
{
    // Run at the screen's scale of the test (1, and 2 under QT_SCALE_FACTOR=2).
    QFETCH(QString, sheet);
    TestApp app;
    QWidget *w = openSheet(app, sheet);
    QVERIFY(QTest::qWaitForWindowExposed(w));
    const QList<SheetText *> texts = w->findChildren<SheetText *>();
    QVERIFY(texts.size() >= 4);
    for (SheetText *text : texts) {
        const QString what = text->objectName() + ": " + text->text();
        // Broken only between words: every word whole, in its order ("-->" too).
        QCOMPARE(text->lines().join(u' '), text->text().simplified());
        const QFontMetricsF metrics(text->fittedFont(), text);
        for (const QString &line : text->lines())
            QVERIFY2(metrics.horizontalAdvance(line) <= text->width(), qPrintable(what));
        QVERIFY2(qreal(text->lines().size()) * metrics.lineSpacing() <= text->height() + 0.5,
                 qPrintable(what));
        // And as drawn at this scale: no ink at the box's last column or row.
        text->clearFocus();
        const qreal ratio = text->devicePixelRatioF();
        const QImage drawn = text->grab().toImage();
        QVERIFY2(!inkFrom(drawn, drawn.width() - int(ratio), drawn.height() - int(ratio)),
                 qPrintable(what));
    }
}

void TestSheets::symbologyPageTextsStayInTheirBoxes_data()
{
    QTest::addColumn<int>("lang");
    QTest::newRow("es") << int(Lang::Spanish);
    QTest::newRow("en") << int(Lang::English);
}

void TestSheets::symbologyPageTextsStayInTheirBoxes()
{
    QFETCH(int, lang);
    TestApp app;
    QTemporaryDir pages;
    app.desktop.pageFolder = pages.path();
    app.desktop.pageDrawing = drawIntoPdf;
    auto *w = app.open<SymbologyWindow>(WindowKind::Symbology, Lang(lang));
    w->findChild<QAction *>(Lang(lang) == Lang::Spanish ? "mnuimprsimb" : "mnuPrint")->trigger();
    QProcess tool;
    tool.start("pdftotext", {"-bbox", app.desktop.pages.value(0), "-"});
    if (!tool.waitForFinished(20000) || tool.exitCode() != 0)
        QSKIP("pdftotext (poppler-utils) is not installed");
    const QString html = QString::fromUtf8(tool.readAllStandardOutput());
    static const QRegularExpression word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    // Each text's box on the page, in points: 96 logical pixels an inch.
    const QList<SheetText *> texts = w->findChildren<SheetText *>();
    const auto onPage = [](const QRect &box) {
        return QRectF(box.x() * 0.75, box.y() * 0.75, box.width() * 0.75, box.height() * 0.75);
    };
    QStringList printed;
    for (const QRegularExpressionMatch &m : word.globalMatch(html)) {
        const QRectF ink(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                         QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()));
        const QString text = m.captured(5).replace("&lt;", "<").replace("&gt;", ">");
        printed << text;
        const bool inside = std::any_of(texts.cbegin(), texts.cend(), [&](SheetText *t) {
            // pdftotext's boxes run from the face's ascent to its descent, a little
            // above and below the ink the box must hold.
            return onPage(t->geometry()).adjusted(-0.2, -2, 0.2, 2).contains(ink) &&
                   t->text().contains(text);
        });
        QVERIFY2(inside, qPrintable(QStringLiteral("%1 at %2,%3-%4,%5")
                                        .arg(text)
                                        .arg(ink.left())
                                        .arg(ink.top())
                                        .arg(ink.right())
                                        .arg(ink.bottom())));
    }
    // Every word of every text, whole: the arrows too.
    QStringList expected;
    for (SheetText *t : w->findChildren<SheetText *>())
        expected += t->text().split(u' ', Qt::SkipEmptyParts);
    std::sort(expected.begin(), expected.end());
    std::sort(printed.begin(), printed.end());
    QCOMPARE(printed, expected);
}

void TestSheets::textsAreReachedInReadingOrder_data()
{
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<QStringList>("order");
    // Row by row: the example, its explanation, the box of example figures.
    const QStringList symbology{"Label6",   "Label1",   "Picture1", "Label7", "Label2",
                                "Picture2", "Label5_2", "Label5_0", "Label3", "Picture3",
                                "Label5_1", "Label4",   "Picture4"};
    QTest::newRow("es symbology") << "es symbology" << symbology;
    QTest::newRow("en symbology") << "en symbology" << symbology;
    QTest::newRow("es registers") << "es registers"
                                  << QStringList{"lblReg_Ad1", "lblReg_Ad2", "lblReg_Ad3",
                                                 "lblReg_Ad4", "Label5",     "Label1",
                                                 "Label2",     "Label3",     "Label4"};
    QTest::newRow("en registers") << "en registers"
                                  << QStringList{"lblaReg_Ad1", "lblaReg_Ad2", "lblaReg_Ad3",
                                                 "lblaReg_Ad4"};
}

void TestSheets::textsAreReachedInReadingOrder()
{
    QFETCH(QString, sheet);
    QFETCH(QStringList, order);
    TestApp app;
    QWidget *w = openSheet(app, sheet);
    QApplication::setActiveWindow(w);
    QVERIFY(QTest::qWaitForWindowActive(w));
    // Tab from the first text goes through all of them, in order, and round.
    auto *first = w->findChild<SheetText *>(order.first());
    first->setFocus(Qt::TabFocusReason);
    QStringList reached;
    for (qsizetype i = 0; i < order.size(); ++i) {
        reached << QApplication::focusWidget()->objectName();
        // Every text the sheet places has words; the registers are the name's. The
        // boxes of example figures are pictures with a name and a description.
        if (reached.last().startsWith("Picture")) {
            QAccessibleInterface *picture =
                QAccessible::queryAccessibleInterface(QApplication::focusWidget());
            QCOMPARE(picture->role(), QAccessible::Graphic);
            QVERIFY(!picture->text(QAccessible::Name).isEmpty());
            QVERIFY(!picture->text(QAccessible::Description).isEmpty());
        } else {
            const auto *text = qobject_cast<SheetText *>(QApplication::focusWidget());
            QVERIFY2(text && !text->text().isEmpty(), qPrintable(reached.last()));
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(reached, order);
    QCOMPARE(QApplication::focusWidget(), first);
    // A screen reader finds each as a text object with its own words, and the
    // same words as the window shows.
    QAccessibleInterface *root = QAccessible::queryAccessibleInterface(w);
    QStringList found;
    std::function<void(QAccessibleInterface *)> walk = [&](QAccessibleInterface *a) {
        if (!a)
            return;
        if (a->role() == QAccessible::StaticText && a->state().focusable)
            found << a->object()->objectName() + "=" + a->text(QAccessible::Name);
        for (int i = 0; i < a->childCount(); ++i)
            walk(a->child(i));
    };
    walk(root);
    qsizetype texts = 0;
    for (const QString &name : order) {
        auto *text = w->findChild<SheetText *>(name);
        if (!text)
            continue;
        ++texts;
        // A register is heard by a name of its own (its words and its family).
        const QString heard =
            name + "=" + (text->accessibleName().isEmpty() ? text->text() : text->accessibleName());
        QVERIFY2(found.contains(heard), qPrintable(heard + " not in " + found.join(" | ")));
    }
    QCOMPARE(found.size(), texts);
}

void TestSheets::printerFaultsAreSaidInTheSheetsLanguage_data()
{
    QTest::addColumn<int>("lang");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("question"); // before sending; empty when the page is sent
    QTest::addColumn<int>("fault");        // -1: none after sending
    QTest::addColumn<QString>("message");
    QTest::newRow("es stopped queue")
        << int(Lang::Spanish) << int(PrintResult::PrinterStopped)
        << "La impresora predeterminada, Oficina, está detenida. ¿Quiere guardar la página como "
           "archivo PDF?"
        << -1 << "";
    QTest::newRow("en rejecting queue")
        << int(Lang::English) << int(PrintResult::PrinterRejecting)
        << "The default printer, Oficina, is not accepting jobs. Do you want to keep the page as "
           "a PDF file?"
        << -1 << "";
    QTest::newRow("es job aborted")
        << int(Lang::Spanish) << int(PrintResult::Printed) << "" << int(JobFault::Aborted)
        << "La impresora Oficina ha abandonado el trabajo: la página no se ha impreso.";
    QTest::newRow("en job stopped")
        << int(Lang::English) << int(PrintResult::Printed) << "" << int(JobFault::Stopped)
        << "The printer Oficina stopped the job: the page was not printed.";
    QTest::newRow("en job cancelled")
        << int(Lang::English) << int(PrintResult::Printed) << "" << int(JobFault::Cancelled)
        << "The job on the printer Oficina was cancelled: the page was not printed.";
    QTest::newRow("es queue stopped with the page")
        << int(Lang::Spanish) << int(PrintResult::Printed) << "" << int(JobFault::PrinterStopped)
        << "La impresora Oficina se ha detenido: la página espera en su cola sin imprimirse.";
}

void TestSheets::printerFaultsAreSaidInTheSheetsLanguage()
{
    QFETCH(int, lang);
    QFETCH(int, result);
    QFETCH(QString, question);
    QFETCH(int, fault);
    QFETCH(QString, message);
    TestApp app;
    app.desktop.printResult = PrintResult(result);
    app.desktop.printer = "Oficina";
    app.desktop.answer = true;
    auto *w = app.open<SymbologyWindow>(WindowKind::Symbology, Lang(lang));
    w->findChild<QAction *>(Lang(lang) == Lang::Spanish ? "mnuimprsimb" : "mnuPrint")->trigger();
    if (question.isEmpty()) {
        QCOMPARE(app.desktop.questions, QStringList{});
        QCOMPARE(app.desktop.followed.size(), 1);
        QCOMPARE(app.desktop.messages, QStringList{}); // nothing until the queue says
        app.desktop.followed.first()(JobFault(fault), "Oficina");
        QCOMPARE(app.desktop.messages, QStringList{message});
    } else {
        QCOMPARE(app.desktop.questions, QStringList{question});
        QCOMPARE(app.desktop.savedAs.size(), 1); // the PDF offer, taken
        QVERIFY(app.desktop.followed.isEmpty());
    }
    QVERIFY(app.app.registry().window(WindowKind::Symbology, Lang(lang)));
    // A report that comes after the sheet has gone is not said to anyone.
    if (!question.isEmpty())
        return;
    w->close();
    TestApp::settle();
    app.desktop.followed.first()(JobFault(fault), "Oficina");
    QCOMPARE(app.desktop.messages.size(), 1);
}

void TestSheets::symbologyPicturesSayWhatTheyShow_data()
{
    QTest::addColumn<int>("lang");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");
    const int es = int(Lang::Spanish), en = int(Lang::English);
    QTest::newRow("es 1") << es << "Picture1"
                          << "Cuatro lados"
                          << "Dos rectángulos, un trapecio y un rombo";
    QTest::newRow("es 2") << es << "Picture2"
                          << "Círculo o elipse"
                          << "Un óvalo, un círculo y una curva cerrada a mano alzada";
    QTest::newRow("es 3") << es << "Picture3"
                          << "Tres lados"
                          << "Un triángulo rectángulo y un triángulo isósceles";
    QTest::newRow("es 4") << es << "Picture4"
                          << "Más de cuatro lados"
                          << "Un octógono alargado y una flecha de seis lados";
    QTest::newRow("en 1") << en << "Picture1"
                          << "Four sides"
                          << "Two rectangles, a trapezoid and a rhombus";
    QTest::newRow("en 2") << en << "Picture2"
                          << "Circle or ellipse"
                          << "An oval, a circle and a closed curve drawn freehand";
    QTest::newRow("en 3") << en << "Picture3"
                          << "Three sides"
                          << "A right triangle and an isosceles triangle";
    QTest::newRow("en 4") << en << "Picture4"
                          << "More than four sides"
                          << "An elongated octagon and a six-sided arrow";
}

void TestSheets::symbologyPicturesSayWhatTheyShow()
{
    QFETCH(int, lang);
    QFETCH(QString, picture);
    QFETCH(QString, name);
    QFETCH(QString, description);
    TestApp app;
    auto *w = app.open<SymbologyWindow>(WindowKind::Symbology, Lang(lang));
    auto *box = w->findChild<QWidget *>(picture);
    QVERIFY(box);
    QAccessibleInterface *a = QAccessible::queryAccessibleInterface(box);
    QCOMPARE(a->role(), QAccessible::Graphic);
    QCOMPARE(a->text(QAccessible::Name), name);
    QCOMPARE(a->text(QAccessible::Description), description);
    // It stands over the white box it speaks of: white at its middle.
    const QImage drawn = w->centralWidget()->grab().toImage();
    const QPoint inside = (box->geometry().topLeft() + QPoint(4, 4)) * drawn.devicePixelRatio();
    QCOMPARE(drawn.pixelColor(inside), QColor(Qt::white));
    QCOMPARE(box->size(), QSize(2175 / 15, 1215 / 15));
}

void TestSheets::symbologyOpensWithoutAFocusMark_data()
{
    QTest::addColumn<int>("lang");
    QTest::newRow("es") << int(Lang::Spanish);
    QTest::newRow("en") << int(Lang::English);
}

void TestSheets::symbologyOpensWithoutAFocusMark()
{
    QFETCH(int, lang);
    TestApp app;
    auto *w = app.open<SymbologyWindow>(WindowKind::Symbology, Lang(lang));
    QApplication::setActiveWindow(w);
    QVERIFY(QTest::qWaitForWindowActive(w));
    // No text and no box has the focus, so none is framed ...
    QWidget *focus = QApplication::focusWidget();
    QVERIFY(focus);
    QVERIFY2(!qobject_cast<SheetText *>(focus), qPrintable(focus->objectName()));
    QVERIFY2(!focus->objectName().startsWith("Picture"), qPrintable(focus->objectName()));
    // ... and the sheet looks as it does with the focus nowhere.
    QWidget *client = w->centralWidget();
    const QImage opened = client->grab().toImage();
    focus->clearFocus();
    QCOMPARE(client->grab().toImage(), opened);
    // Tab still reaches the first text, which then shows the frame.
    focus->setFocus();
    QTest::keyClick(focus, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Label6"));
    QVERIFY(client->grab().toImage() != opened);
}

void TestSheets::symbologyTextsOfOneStyleShareASize_data()
{
    QTest::addColumn<int>("lang");
    QTest::addColumn<QStringList>("group");
    const QStringList explanations{"Label1", "Label2", "Label3", "Label4"};
    const QStringList examples{"Label6", "Label7", "Label5_0", "Label5_1", "Label5_2"};
    for (Lang lang : {Lang::Spanish, Lang::English}) {
        const char *tag = lang == Lang::Spanish ? "es" : "en";
        QTest::addRow("%s explanations", tag) << int(lang) << explanations;
        QTest::addRow("%s examples", tag) << int(lang) << examples;
    }
}

void TestSheets::symbologyTextsOfOneStyleShareASize()
{
    QFETCH(int, lang);
    QFETCH(QStringList, group);
    TestApp app;
    auto *w = app.open<SymbologyWindow>(WindowKind::Symbology, Lang(lang));
    QSet<int> sizes;
    int smallestAlone = std::numeric_limits<int>::max();
    for (const QString &name : group) {
        auto *text = w->findChild<SheetText *>(name);
        QVERIFY2(text, qPrintable(name));
        sizes.insert(text->fittedFont().pixelSize());
        // The size the same text takes in the same box on its own.
        const SheetText alone(text->text(), text->geometry(), controlFont(), text->flow(), nullptr);
        smallestAlone = std::min(smallestAlone, alone.fittedFont().pixelSize());
    }
    // One size for the group: the largest at which every one of them fits.
    QCOMPARE(sizes.size(), 1);
    QCOMPARE(*sizes.cbegin(), smallestAlone);
}

QTEST_MAIN(TestSheets)
#include "tst_sheets.moc"
