// Printing through a real CUPS scheduler: with_private_cups.sh starts one with a
// cups-pdf default queue and runs this test; the pages come back as PDF files.
#include "gui/main/mainwindow.h"
#include "gui/sheets/registerswindow.h"
#include "gui/sheets/symbologywindow.h"
#include "gui/systemdesktop.h"
#include "gui/widgets/fonts.h"
#include "support/apphelper.h"
#include "support/pdfwords.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace tessaron;

namespace {

// The real printing, with the boxes and the save dialog recorded instead of shown.
class PrintingDesktop : public SystemDesktop {
public:
    QStringList said;
    void message(QObject *, const QString &text) override { said << text; }
    bool question(QObject *, const QString &text) override
    {
        said << text;
        return false;
    }
};

// Waits until the scheduler has no job left, then gives the PDF files it wrote.
QStringList printedFiles(int expected)
{
    QElapsedTimer timer;
    timer.start();
    const QDir out(qEnvironmentVariable("TESSARON_PRINT_OUT"));
    QStringList files;
    while (timer.elapsed() < 30000) {
        QProcess lpstat;
        lpstat.start("lpstat", {"-o"});
        lpstat.waitForFinished(5000);
        files = out.entryList({"*.pdf"}, QDir::Files, QDir::Time | QDir::Reversed);
        if (lpstat.readAllStandardOutput().trimmed().isEmpty() && files.size() >= expected)
            break;
        QTest::qWait(100);
    }
    for (QString &file : files)
        file = out.filePath(file);
    return files;
}

} // namespace

class TestPrinting : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void registersAndSymbologyOnARealQueue();
    void aSchedulerThatDoesNotAnswer();
    void registersLetterForLetterOnARealQueue();
    void queuesThatDoNotPrintAreSaid_data();
    void queuesThatDoNotPrintAreSaid();
    void aPdfFileThatCannotBeWrittenIsNamed_data();
    void aPdfFileThatCannotBeWrittenIsNamed();
};

namespace {

QStringList g_qtWarnings;

void keepWarnings(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type != QtDebugMsg && type != QtInfoMsg)
        g_qtWarnings << message;
}

// Answers Yes to the PDF offer, and writes `path` into the save dialog.
class PdfChoosingDesktop : public PrintingDesktop {
public:
    QString path;
    bool question(QObject *, const QString &text) override
    {
        said << text;
        QTimer::singleShot(100, [this] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            dialog->findChild<QLineEdit *>("fileNameEdit")->setText(path);
            dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Save)->click();
        });
        return true;
    }
};

} // namespace

void TestPrinting::aPdfFileThatCannotBeWrittenIsNamed_data()
{
    QTest::addColumn<int>("lang");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("said");
    QTest::newRow("es inside a file") << int(Lang::Spanish) << "/etc/hostname/Registros.pdf"
                                      << "No se ha podido guardar el archivo PDF "
                                         "/etc/hostname/Registros.pdf: la carpeta no existe.";
    QTest::newRow("en in a folder that is not there")
        << int(Lang::English) << "/nonexistent-tessaron/Registers.pdf"
        << "The PDF file /nonexistent-tessaron/Registers.pdf could not be saved: the folder does "
           "not exist.";
}

void TestPrinting::aPdfFileThatCannotBeWrittenIsNamed()
{
    QFETCH(int, lang);
    QFETCH(QString, path);
    QFETCH(QString, said);
    if (!qEnvironmentVariableIsEmpty("TESSARON_PRINT_OUT"))
        QSKIP("a scheduler answers here: the page would be printed");
    QTemporaryDir programDir;
    PdfChoosingDesktop desktop;
    desktop.path = path;
    Application app(desktop, programDir.path());
    app.registry().show(WindowKind::Registers, Lang(lang));
    QWidget *sheet = app.registry().window(WindowKind::Registers, Lang(lang));
    g_qtWarnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(keepWarnings);
    sheet->findChild<QAction *>(Lang(lang) == Lang::Spanish ? "mnureg" : "mnuregisters")->trigger();
    qInstallMessageHandler(previous);
    QCOMPARE(desktop.said.size(), 2); // the offer, then the failure
    QCOMPARE(desktop.said.last(), said);
    // Nothing of Qt's own on standard error, such as a painter that could not begin.
    QVERIFY2(g_qtWarnings.filter("QPainter").isEmpty(), qPrintable(g_qtWarnings.join("\n")));
    QVERIFY(!QFile::exists(path));
    QVERIFY(app.registry().window(WindowKind::Registers, Lang(lang)));
}

namespace {

// Makes `queue` the scheduler's default, as an administrator would.
bool makeDefault(const QString &queue)
{
    QProcess lpadmin;
    lpadmin.start("lpadmin", {"-d", queue});
    return lpadmin.waitForFinished(10000) && lpadmin.exitCode() == 0;
}

} // namespace

void TestPrinting::registersLetterForLetterOnARealQueue()
{
    if (qEnvironmentVariableIsEmpty("TESSARON_PRINT_OUT"))
        QSKIP("needs the scheduler that with_private_cups.sh starts");
    const QDir out(qEnvironmentVariable("TESSARON_PRINT_OUT"));
    const QStringList before = out.entryList({"*.pdf"}, QDir::Files);
    PrivateDataFolders folders;
    QTemporaryDir programDir;
    QVERIFY(createEmptyStore(programDir.filePath("TESSARON.MDB")));
    PrintingDesktop desktop;
    Application app(desktop, programDir.path());
    app.registry().show(WindowKind::Main, Lang::Spanish);
    QWidget *main = app.registry().window(WindowKind::Main, Lang::Spanish);
    QTest::keyClicks(main->findChild<QLineEdit *>("txtAdreca"), "office-fiesta-flow");
    main->findChild<QPushButton *>("Command2")->click();
    app.registry()
        .window(WindowKind::Registers, Lang::Spanish)
        ->findChild<QAction *>("mnureg")
        ->trigger();
    QStringList files = printedFiles(int(before.size()) + 1);
    for (const QString &old : before)
        files.removeAll(out.filePath(old));
    QCOMPARE(files.size(), 1);
    const QStringList words = pdfWords(files.first());
    QCOMPARE(words.size(), 5);
    const QStringList codes{"rws", "csr", "tpg", "pzc"};
    for (int i = 0; i < 4; ++i)
        QCOMPARE(words[i].split(u' ').first(),
                 "www.tessaron-office-fiesta-flow-" + codes[i] + ".com");
    QVERIFY2(desktop.said.isEmpty(), qPrintable(desktop.said.join(" | ")));
}

void TestPrinting::queuesThatDoNotPrintAreSaid_data()
{
    QTest::addColumn<QString>("suffix"); // of the queue made default
    QTest::addColumn<int>("lang");
    QTest::addColumn<QString>("said"); // %1: the queue
    QTest::newRow("es stopped")
        << "Stopped" << int(Lang::Spanish)
        << "La impresora predeterminada, %1, está detenida. ¿Quiere guardar la página como "
           "archivo PDF?";
    QTest::newRow("en rejecting")
        << "Rejecting" << int(Lang::English)
        << "The default printer, %1, is not accepting jobs. Do you want to keep the page as a PDF "
           "file?";
    QTest::newRow("es device fails, queue stops")
        << "Failing" << int(Lang::Spanish)
        << "La impresora %1 se ha detenido: la página espera en su cola sin imprimirse.";
    QTest::newRow("en device fails, job given up")
        << "Aborting" << int(Lang::English)
        << "The printer %1 aborted the job: the page was not printed.";
}

void TestPrinting::queuesThatDoNotPrintAreSaid()
{
    QFETCH(QString, suffix);
    QFETCH(int, lang);
    QFETCH(QString, said);
    if (qEnvironmentVariableIsEmpty("TESSARON_PRINT_OUT"))
        QSKIP("needs the scheduler that with_private_cups.sh starts");
    const QString good = qEnvironmentVariable("TESSARON_QUEUE");
    const QString queue = good + suffix;
    QVERIFY(makeDefault(queue));
    const auto restore = qScopeGuard([&] { makeDefault(good); });
    QTemporaryDir programDir;
    PrintingDesktop desktop;
    Application app(desktop, programDir.path());
    app.registry().show(WindowKind::Symbology, Lang(lang));
    QWidget *sheet = app.registry().window(WindowKind::Symbology, Lang(lang));
    QElapsedTimer timer;
    timer.start();
    sheet->findChild<QAction *>(Lang(lang) == Lang::Spanish ? "mnuimprsimb" : "mnuPrint")
        ->trigger();
    // The print command returns at once; what the queue does later is said later.
    QVERIFY2(timer.elapsed() < 5000, qPrintable(QString::number(timer.elapsed())));
    QTRY_COMPARE_WITH_TIMEOUT(desktop.said, QStringList{said.arg(queue)}, 20000);
    QVERIFY(app.registry().window(WindowKind::Symbology, Lang(lang)));
}

void TestPrinting::initTestCase()
{
    installFontSubstitutions();
}

void TestPrinting::registersAndSymbologyOnARealQueue()
{
    if (qEnvironmentVariableIsEmpty("TESSARON_PRINT_OUT"))
        QSKIP("needs the scheduler that with_private_cups.sh starts");
    QTemporaryDir programDir;
    PrintingDesktop desktop;
    Application app(desktop, programDir.path());
    app.registry().show(WindowKind::Main, Lang::English);
    auto *main = qobject_cast<MainWindow *>(app.registry().window(WindowKind::Main, Lang::English));
    QTest::keyClicks(main->findChild<QLineEdit *>("txtaAdreca"), "abc");
    main->findChild<QPushButton *>("Command2")->click();
    QWidget *registers = app.registry().window(WindowKind::Registers, Lang::English);
    QVERIFY(registers);
    QAction *print = registers->findChild<QAction *>("mnuregisters");
    print->trigger();
    print->trigger();
    app.registry().show(WindowKind::Symbology, Lang::Spanish);
    app.registry()
        .window(WindowKind::Symbology, Lang::Spanish)
        ->findChild<QAction *>("mnuimprsimb")
        ->trigger();
    QCOMPARE(desktop.said, QStringList{});

    const QStringList files = printedFiles(3);
    QCOMPARE(files.size(), 3); // one document for each print
    const double tops[] = {1.75, 3.75, 5.75, 7.75};
    const QStringList codes{"rmt", "cto", "tlx", "piq"};
    for (int document = 0; document < 2; ++document) {
        const QStringList words = pdfWords(files[document]);
        QCOMPARE(words.size(), 5);
        QCOMPARE(words.last(), QStringLiteral("pages 1"));
        for (int i = 0; i < 4; ++i) {
            const QStringList f = words[i].split(u' ');
            QCOMPARE(f[0], "www.tessaron-abc-" + codes[i] + ".com");
            QVERIFY2(std::abs(f[1].toDouble() - 4.5) < 0.2, qPrintable(words[i]));
            QVERIFY2(std::abs(f[2].toDouble() - tops[i]) < 0.2, qPrintable(words[i]));
        }
    }
    const QStringList symbology = pdfWords(files[2]);
    QCOMPARE(symbology.last(), QStringLiteral("pages 1"));
    const QString all = symbology.join(u'\n');
    for (const char *word : {"www.nombre.com", "nombre.com", "inscrito", "elíptico."})
        QVERIFY2(all.contains(QString::fromUtf8(word)), word);
}

void TestPrinting::aSchedulerThatDoesNotAnswer()
{
    // CUPS_SERVER names a socket where nothing listens (the test's environment sets
    // it: the client library reads it once per process).
    if (!qEnvironmentVariableIsEmpty("TESSARON_PRINT_OUT"))
        QSKIP("a scheduler answers here");
    QTemporaryDir programDir;
    PrintingDesktop desktop;
    Application app(desktop, programDir.path());
    app.registry().show(WindowKind::Registers, Lang::Spanish);
    QWidget *sheet = app.registry().window(WindowKind::Registers, Lang::Spanish);
    QElapsedTimer timer;
    timer.start();
    sheet->findChild<QAction *>("mnureg")->trigger();
    QVERIFY2(timer.elapsed() < 5000, qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(desktop.said, QStringList{"No hay ninguna impresora predeterminada. ¿Quiere guardar "
                                       "la página como archivo PDF?"});
    QVERIFY(app.registry().window(WindowKind::Registers, Lang::Spanish));
}

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
