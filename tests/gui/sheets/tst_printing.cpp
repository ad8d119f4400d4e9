// Printing through a real CUPS scheduler: with_private_cups.sh starts one with a
// cups-pdf default queue and runs this test; the pages come back as PDF files.
#include "gui/main/mainwindow.h"
#include "gui/sheets/registerswindow.h"
#include "gui/sheets/symbologywindow.h"
#include "gui/systemdesktop.h"
#include "gui/widgets/fonts.h"
#include "support/apphelper.h"
#include "support/pdfwords.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

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
};

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
