#include "core/cli/commandline.h"
#include "core/cli/runcommand.h"
#include "core/cli/terminaltext.h"
#include "core/coding/modtessaron.h"
#include "core/favourites/favouritescursor.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>

#include <unistd.h>

using namespace tessaron;

namespace {

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs the program with `input` on its standard input, then its end.
Run runTessaron(const QStringList &arguments, const QByteArray &input = {})
{
    QProcess process;
    process.start(qEnvironmentVariable("TESSARON_BINARY"), arguments);
    // A program that does not start or end fails the test that ran it, with -1
    // for its exit code and the reason in place of its standard error.
    if (!process.waitForStarted(20000))
        return {-1, {}, QStringLiteral("tessaron did not start: ") + process.errorString()};
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(20000)) {
        process.kill();
        process.waitForFinished(5000);
        return {-1, {}, QStringLiteral("tessaron did not finish in 20 s")};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void codesOfOneName();
    void codesOfSeveralNamesAndCapitals();
    void refusedNames_data();
    void refusedNames();
    void refusedArguments_data();
    void refusedArguments();
    void helpAndVersion();
    void refusedNamesAreShownSafely_data();
    void refusedNamesAreShownSafely();
    void everyWordAfterCodesIsAName();
    void namesFromStandardInput();
    void namesStreamAsTheyAreRead();
    void codesWithoutANameAtATerminal();
    void languageOption_data();
    void languageOption();
    void deadDisplayIsSaidInOneLine_data();
    void deadDisplayIsSaidInOneLine();
    void terminalText_data();
    void terminalText();
    void qtOwnOptionsStartTheDesktop_data();
    void qtOwnOptionsStartTheDesktop();
    void commandsRunInProcess();
    void aFailedWriteIsSaid_data();
    void aFailedWriteIsSaid();
    void aClosedPipeEndsQuietly_data();
    void aClosedPipeEndsQuietly();
};

void TestCommandLine::initTestCase()
{
    QVERIFY2(QFile::exists(qEnvironmentVariable("TESSARON_BINARY")),
             "TESSARON_BINARY must name the built program");
}

void TestCommandLine::codesOfOneName()
{
    const Run run = runTessaron({"--codes", "abc"});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.err, QString());
    QCOMPARE(run.out, QStringLiteral("r\trmt\thttp://www.tessaron-abc-rmt.com\n"
                                     "c\tcto\thttp://www.tessaron-abc-cto.com\n"
                                     "t\ttlx\thttp://www.tessaron-abc-tlx.com\n"
                                     "p\tpiq\thttp://www.tessaron-abc-piq.com\n"));
}

void TestCommandLine::codesOfSeveralNamesAndCapitals()
{
    // Capitals are kept by the check and coded as small letters.
    const Run run = runTessaron({"--codes", "a", "AB"});
    QCOMPARE(run.exitCode, 0);
    const QStringList lines = run.out.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 8);
    QCOMPARE(lines.at(0), QStringLiteral("r\trku\thttp://www.tessaron-a-rku.com"));
    QCOMPARE(lines.at(3), QStringLiteral("p\tpnh\thttp://www.tessaron-a-pnh.com"));
    QCOMPARE(lines.at(4), QStringLiteral("r\trlk\thttp://www.tessaron-ab-rlk.com"));
    QCOMPARE(lines.at(7), QStringLiteral("p\tpnq\thttp://www.tessaron-ab-pnq.com"));
}

void TestCommandLine::refusedNames_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("reason");
    QTest::newRow("leading hyphen") << QStringList{"-abc"} << "begin with a hyphen";
    QTest::newRow("space") << QStringList{"a b"} << "character 2 (U+0020) is not allowed";
    QTest::newRow("bang") << QStringList{"ab!"} << "character 3 ('!') is not allowed";
    QTest::newRow("accented") << QStringList{"caf\u00e9"} << "character 4 (U+00E9)";
    QTest::newRow("41 characters") << QStringList{QString(41, u'a')} << "at most 40 characters";
    QTest::newRow("empty") << QStringList{""} << "empty";
    QTest::newRow("one bad among good ones") << QStringList{"abc", "x.y", "def"} << "\"x.y\"";
}

void TestCommandLine::refusedNames()
{
    QFETCH(QStringList, names);
    QFETCH(QString, reason);
    const Run run = runTessaron(QStringList{"--codes"} + names);
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(run.out, QString());
    QVERIFY2(run.err.contains(reason), qPrintable(run.err));
    QCOMPARE(run.err.count(u'\n'), 1);
}

void TestCommandLine::refusedArguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("unknown option") << QStringList{"--colour"};
    QTest::newRow("name without --codes") << QStringList{"abc"};
    QTest::newRow("two actions") << QStringList{"--version", "--codes", "abc"};
    QTest::newRow("import without a file") << QStringList{"--import"};
    QTest::newRow("import of two files") << QStringList{"--import", "a.csv", "--import", "b.csv"};
    QTest::newRow("import and a word") << QStringList{"--import", "a.csv", "b.csv"};
    QTest::newRow("import and export") << QStringList{"--import", "a.csv", "--favourites", "csv"};
    QTest::newRow("an option of terminal escapes") << QStringList{"--\x1b]0;x\a\x1b[2J"};
}

void TestCommandLine::refusedArguments()
{
    QFETCH(QStringList, arguments);
    const Run run = runTessaron(arguments);
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(run.out, QString());
    QVERIFY2(run.err.contains("Usage: tessaron"), qPrintable(run.err));
    QVERIFY(!run.err.contains(QChar(0x1b)) && !run.err.contains(QChar(0x07)));
}

void TestCommandLine::helpAndVersion()
{
    const Run help = runTessaron({"--help"});
    QCOMPARE(help.exitCode, 0);
    QVERIFY2(help.out.startsWith("Usage: tessaron "), qPrintable(help.out));
    QVERIFY(help.out.contains("--codes"));
    QVERIFY(help.out.contains("--language"));
    QVERIFY(help.out.contains("--import <FILE>"));
    const Run version = runTessaron({"--version"});
    QCOMPARE(version.exitCode, 0);
    QCOMPARE(version.out, QStringLiteral("tessaron 1.1\n"));
}

void TestCommandLine::refusedNamesAreShownSafely_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QString>("shown");
    QTest::newRow("line break") << QByteArray("a\nb") << R"("a\nb" refused)";
    QTest::newRow("terminal escapes")
        << QByteArray("\x1b]0;x\a\x1b[2J") << R"("\x1b]0;x\x07\x1b[2J" refused)";
    QTest::newRow("invalid byte") << QByteArray("ab\xff")
                                  << R"("ab\xff" refused: character 3 (byte \xff))";
    QTest::newRow("backslash") << QByteArray("a\\n") << R"("a\\n" refused)";
    QTest::newRow("right-to-left override")
        << QByteArray("a\xe2\x80\xae") << R"("a\u{202e}" refused)";
    QTest::newRow("a long name is cut") << QByteArray(5000, 'x') << QString(60, u'x') + "...\"";
}

void TestCommandLine::refusedNamesAreShownSafely()
{
    QFETCH(QByteArray, name);
    QFETCH(QString, shown);
    // The name goes in as bytes: QProcess would pass a text as UTF-8, and an invalid
    // byte has to reach the program as it is. The shell reads it from a file.
    QTemporaryDir dir;
    QFile file(dir.filePath("name"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(name);
    file.close();
    QProcess process;
    process.start("/bin/sh", {"-c", R"sh(exec "$0" --codes "$(cat "$1")")sh",
                              qEnvironmentVariable("TESSARON_BINARY"), file.fileName()});
    QVERIFY(process.waitForFinished(20000));
    const QString err = QString::fromUtf8(process.readAllStandardError());
    QCOMPARE(process.exitCode(), 2);
    QVERIFY2(err.contains(shown), qPrintable(err));
    QCOMPARE(err.count(u'\n'), 1);
    QVERIFY(!err.contains(QChar(0x1b)));
    QVERIFY(err.size() < 300);
}

void TestCommandLine::everyWordAfterCodesIsAName()
{
    const Run run = runTessaron({"--codes", "-x", "--", "abc"});
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(run.out, QString());
    QCOMPARE(run.err.count(u'\n'), 2);
    QVERIFY2(run.err.contains(R"("-x" refused: a name cannot begin with a hyphen)"),
             qPrintable(run.err));
    QVERIFY(run.err.contains(R"("--" refused)"));
    QVERIFY(!run.err.contains("Unknown option"));
}

void TestCommandLine::namesFromStandardInput()
{
    const QByteArray input = "abc\r\nA!b\n\n" + QByteArray(10000, 'a') + "\nABC\nxyz";
    for (const QStringList &arguments : {QStringList{"--codes", "-"}, QStringList{"--codes"}}) {
        const Run run = runTessaron(arguments, input);
        QCOMPARE(run.exitCode, 2);
        const QString abc = "r\trmt\thttp://www.tessaron-abc-rmt.com\n"
                            "c\tcto\thttp://www.tessaron-abc-cto.com\n"
                            "t\ttlx\thttp://www.tessaron-abc-tlx.com\n"
                            "p\tpiq\thttp://www.tessaron-abc-piq.com\n";
        QCOMPARE(run.out.count(u'\n'), 12);
        QVERIFY(run.out.startsWith(abc + abc));
        QVERIFY(run.out.endsWith("p\tpzp\thttp://www.tessaron-xyz-pzp.com\n"));
        const QStringList errors = run.err.split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(errors.size(), 3);
        QVERIFY2(errors[0].startsWith(R"(tessaron: line 2: "A!b" refused: character 2)"),
                 qPrintable(errors[0]));
        QVERIFY2(errors[1].startsWith(R"(tessaron: line 3: "" refused: the name is empty)"),
                 qPrintable(errors[1]));
        QVERIFY2(errors[2].startsWith("tessaron: line 4: ") && errors[2].contains("longer than"),
                 qPrintable(errors[2]));
    }
    const Run clean = runTessaron({"--codes", "-"}, "abc\n");
    QCOMPARE(clean.exitCode, 0);
    QCOMPARE(clean.err, QString());
}

void TestCommandLine::namesStreamAsTheyAreRead()
{
    // A script that hands over one name and waits for its codes before the next.
    QProcess process;
    process.start(qEnvironmentVariable("TESSARON_BINARY"), {"--codes", "-"});
    QVERIFY(process.waitForStarted(20000));
    for (const char *name : {"abc", "xyz"}) {
        process.write(QByteArray(name) + '\n');
        QByteArray got;
        while (got.count('\n') < 4 && process.waitForReadyRead(10000))
            got += process.readAllStandardOutput();
        QCOMPARE(got.count('\n'), 4);
        QVERIFY(got.contains(QByteArray("-") + name + "-"));
    }
    process.closeWriteChannel();
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(process.exitCode(), 0);
}

void TestCommandLine::codesWithoutANameAtATerminal()
{
    // script(1) gives the program a terminal as its standard input.
    QProcess process;
    process.start("script",
                  {"-qec", qEnvironmentVariable("TESSARON_BINARY") + " --codes", "/dev/null"});
    QVERIFY(process.waitForFinished(20000));
    QCOMPARE(process.exitCode(), 2);
    QVERIFY(process.readAllStandardOutput().contains("needs at least one NAME"));
}

void TestCommandLine::languageOption_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("action");
    QTest::addColumn<QString>("language");
    using A = CommandLineRequest::Action;
    QTest::newRow("english") << QStringList{"--language", "english"} << int(A::SetLanguage)
                             << "english";
    QTest::newRow("English") << QStringList{"--language", "English"} << int(A::SetLanguage)
                             << "english";
    QTest::newRow("SPANISH") << QStringList{"--language=SPANISH"} << int(A::SetLanguage)
                             << "spanish";
    QTest::newRow("given twice") << QStringList{"--language", "english", "--language", "english"}
                                 << int(A::Refused) << "";
    QTest::newRow("Angles") << QStringList{"--language", "Angles"} << int(A::Refused) << "";
}

void TestCommandLine::languageOption()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, action);
    QFETCH(QString, language);
    const CommandLineRequest request = parseCommandLine(QStringList{"tessaron"} + arguments);
    QCOMPARE(int(request.action), action);
    QCOMPARE(request.language, language);
}

void TestCommandLine::deadDisplayIsSaidInOneLine_data()
{
    // The environment's displays ("-" for unset), and what the program says.
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("wayland");
    QTest::addColumn<QString>("platform");
    QTest::addColumn<QString>("said");
    const QString x11 =
        QStringLiteral("tessaron: the display named in DISPLAY (\":12345\") cannot be opened.\n");
    const QString wl = QStringLiteral("tessaron: the Wayland display named in WAYLAND_DISPLAY "
                                      "(\"tessaron-nobody-listens\") cannot be opened.\n");
    QTest::newRow("X11") << ":12345"
                         << "-"
                         << "-" << x11;
    // A Wayland session with no X server: Wayland is used, and named.
    QTest::newRow("Wayland alone") << "-"
                                   << "tessaron-nobody-listens"
                                   << "-" << wl;
    QTest::newRow("Wayland asked for") << ":12345"
                                       << "tessaron-nobody-listens"
                                       << "wayland" << wl;
    QTest::newRow("X11 asked for") << ":12345"
                                   << "tessaron-nobody-listens"
                                   << "xcb" << x11;
    QTest::newRow("escaped") << "-"
                             << "a\x1b[2Jb"
                             << "-"
                             << "tessaron: the Wayland display named in WAYLAND_DISPLAY "
                                "(\"a\\x1b[2Jb\") cannot be opened.\n";
}

void TestCommandLine::deadDisplayIsSaidInOneLine()
{
    QFETCH(QString, display);
    QFETCH(QString, wayland);
    QFETCH(QString, platform);
    QFETCH(QString, said);
    QTemporaryDir runtime; // where Wayland sockets are looked for: an empty one
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    const auto set = [&env](const QString &name, const QString &value) {
        if (value == u"-")
            env.remove(name);
        else
            env.insert(name, value);
    };
    set("DISPLAY", display); // no X server answers at :12345
    set("WAYLAND_DISPLAY", wayland);
    set("QT_QPA_PLATFORM", platform);
    env.insert("XDG_RUNTIME_DIR", runtime.path());
    env.remove("XDG_SESSION_TYPE");
    process.setProcessEnvironment(env);
    process.start(qEnvironmentVariable("TESSARON_BINARY"), {});
    QVERIFY(process.waitForFinished(20000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 1);
    QCOMPARE(QString::fromUtf8(process.readAllStandardError()), said);
}

void TestCommandLine::terminalText_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("shown");
    QTest::newRow("plain") << QByteArray("abc") << "abc";
    QTest::newRow("accented, valid UTF-8") << QByteArray("caf\xc3\xa9") << "café";
    QTest::newRow("four-byte character") << QByteArray("\xf0\x9f\x98\x80") << "😀";
    QTest::newRow("Latin-1 byte") << QByteArray("caf\xe9") << R"(caf\xe9)";
    QTest::newRow("sequence cut short") << QByteArray("\xe2\x82") << R"(\xe2\x82)";
    QTest::newRow("overlong slash") << QByteArray("\xc0\xaf") << R"(\xc0\xaf)";
    QTest::newRow("encoded surrogate") << QByteArray("\xed\xa0\x80") << R"(\xed\xa0\x80)";
    QTest::newRow("controls") << QByteArray("\t\r\n\x7f\x01") << R"(\t\r\n\x7f\x01)";
    QTest::newRow("C1 control") << QByteArray("\xc2\x9b") << R"(\u{009b})";
    QTest::newRow("cut after 60") << QByteArray(61, 'a') << QString(60, u'a') + "...";
    QTest::newRow("60 kept whole") << QByteArray(60, 'a') << QString(60, u'a');
}

void TestCommandLine::terminalText()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, shown);
    QCOMPARE(printable(decodeBytes(bytes)), shown);
}

void TestCommandLine::qtOwnOptionsStartTheDesktop_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("action");
    using A = CommandLineRequest::Action;
    QTest::newRow("-platform offscreen")
        << QStringList{"-platform", "offscreen"} << int(A::StartDesktop);
    QTest::newRow("-style=fusion -reverse")
        << QStringList{"-style=fusion", "-reverse"} << int(A::StartDesktop);
    QTest::newRow("--platform with codes")
        << QStringList{"--platform", "offscreen", "--codes", "abc"} << int(A::Codes);
    QTest::newRow("names after --codes are names")
        << QStringList{"--codes", "-name"} << int(A::Codes);
    QTest::newRow("a typo is still refused") << QStringList{"--platfrom", "x"} << int(A::Refused);
}

void TestCommandLine::qtOwnOptionsStartTheDesktop()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, action);
    const CommandLineRequest request = parseCommandLine(QStringList{"tessaron"} + arguments);
    QCOMPARE(int(request.action), action);
    if (request.action == CommandLineRequest::Action::Codes)
        QCOMPARE(request.names, QStringList{arguments.last()});
}

void TestCommandLine::commandsRunInProcess()
{
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    const auto run = [](const QStringList &arguments, QByteArray *out, QByteArray *err) {
        QTemporaryFile outFile;
        QTemporaryFile errFile;
        if (!outFile.open() || !errFile.open())
            return -1;
        const int status = runCommand(parseCommandLine(QStringList{"tessaron"} + arguments),
                                      QCoreApplication::applicationDirPath(),
                                      {-1, ::dup(outFile.handle()), ::dup(errFile.handle())});
        // The descriptors were duplicated: the files' offsets moved with them.
        *out = outFile.seek(0) ? outFile.readAll() : QByteArray();
        *err = errFile.seek(0) ? errFile.readAll() : QByteArray();
        return status;
    };
    QByteArray out;
    QByteArray err;
    QCOMPARE(run({"--codes", "abc"}, &out, &err), 0);
    QVERIFY(out.startsWith("r\trmt\thttp://www.tessaron-abc-rmt.com\nc\tcto\t"));
    QCOMPARE(run({"--codes", "a b"}, &out, &err), 2);
    QCOMPARE(out, QByteArray());
    QVERIFY(err.startsWith("tessaron: \"a b\" refused: character 2 (U+0020) is not allowed"));

    QCOMPARE(run({"--language", "english"}, &out, &err), 0);
    QFile written(config.filePath("tessaron.ini"));
    QVERIFY(written.open(QIODevice::ReadOnly));
    QVERIFY(written.readAll().contains("Inici=Angles"));
    // A settings file that cannot be read back is never overwritten, and it is said.
    QVERIFY(written.remove());
    QVERIFY(QDir(config.path()).mkdir("tessaron.ini"));
    QCOMPARE(run({"--language", "spanish"}, &out, &err), 1);
    QVERIFY2(err.startsWith("tessaron: cannot write the settings file " +
                            config.filePath("tessaron.ini").toUtf8() + ": "),
             err.constData());
    qunsetenv("XDG_CONFIG_HOME");
}

void TestCommandLine::aFailedWriteIsSaid_data()
{
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<QByteArray>("input");
    QTest::newRow("codes") << "--codes abc" << QByteArray();
    QTest::newRow("codes from input") << "--codes -" << QByteArray("abc\nxyz\n");
    QTest::newRow("help") << "--help" << QByteArray();
    QTest::newRow("version") << "--version" << QByteArray();
    // The build's own store stands beside the program: an empty one still has a head.
    QTest::newRow("csv") << "--favourites csv" << QByteArray();
    QTest::newRow("html") << "--favourites html" << QByteArray();
}

void TestCommandLine::aFailedWriteIsSaid()
{
    QFETCH(QString, arguments);
    QFETCH(QByteArray, input);
    QProcess process;
    process.start("sh", {"-c", "exec \"$0\" " + arguments + " > /dev/full",
                         qEnvironmentVariable("TESSARON_BINARY")});
    QVERIFY(process.waitForStarted(20000));
    process.write(input);
    process.closeWriteChannel();
    QVERIFY(process.waitForFinished(20000));
    QCOMPARE(process.exitCode(), 1);
    QCOMPARE(QString::fromUtf8(process.readAllStandardError()),
             QStringLiteral("tessaron: cannot write standard output: No space left on device\n"));
}

void TestCommandLine::aClosedPipeEndsQuietly_data()
{
    QTest::addColumn<QString>("arguments");
    QTest::newRow("codes from input") << "--codes -";
    QTest::newRow("csv") << "--favourites csv";
    QTest::newRow("html") << "--favourites html";
}

void TestCommandLine::aClosedPipeEndsQuietly()
{
    QFETCH(QString, arguments);
    // A copy of the program beside a store with more rows than a pipe holds.
    QTemporaryDir programDir;
    const QString program = programDir.filePath("tessaron");
    QVERIFY(QFile::copy(qEnvironmentVariable("TESSARON_BINARY"), program));
    QVERIFY(QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner));
    const QString store = programDir.filePath("TESSARON.MDB");
    QVERIFY(createEmptyStore(store));
    {
        FavouritesCursor writer;
        writer.open(store);
        ModTessaron state;
        for (int i = 0; i < 2000; ++i) {
            const QString name = QStringLiteral("name%1").arg(i);
            writer.add(state.formFigureAddress(Family::R, name), name, "r");
        }
    }
    // The reader takes one line and goes; the program must end with SIGPIPE's
    // status and say nothing.
    QProcess process;
    process.start("bash", {"-c",
                           "yes abc | head -n 100000 | \"$0\" " + arguments +
                               " 2>\"$0.err\" | head -n 1 > /dev/null; echo ${PIPESTATUS[2]}",
                           program});
    QVERIFY(process.waitForFinished(20000));
    QCOMPARE(process.readAllStandardOutput().trimmed(), QByteArray("141"));
    QFile err(program + ".err");
    QVERIFY(err.open(QIODevice::ReadOnly));
    QCOMPARE(err.readAll(), QByteArray());
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
