#include "core/cli/commandline.h"

#include <QProcess>
#include <QtTest>

using namespace tessaron;

namespace {

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

Run runTessaron(const QStringList &arguments)
{
    QProcess process;
    process.start(qEnvironmentVariable("TESSARON_BINARY"), arguments);
    if (!process.waitForFinished(20000))
        qFatal("tessaron did not finish");
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
    void qtOwnOptionsStartTheDesktop_data();
    void qtOwnOptionsStartTheDesktop();
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
    QTest::newRow("codes without a name") << QStringList{"--codes"};
    QTest::newRow("unknown option") << QStringList{"--colour"};
    QTest::newRow("name without --codes") << QStringList{"abc"};
    QTest::newRow("two actions") << QStringList{"--version", "--codes", "abc"};
}

void TestCommandLine::refusedArguments()
{
    QFETCH(QStringList, arguments);
    const Run run = runTessaron(arguments);
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(run.out, QString());
    QVERIFY2(run.err.contains("Usage: tessaron"), qPrintable(run.err));
}

void TestCommandLine::helpAndVersion()
{
    const Run help = runTessaron({"--help"});
    QCOMPARE(help.exitCode, 0);
    QVERIFY(help.out.contains("--codes"));
    QVERIFY(help.out.contains("--language"));
    const Run version = runTessaron({"--version"});
    QCOMPARE(version.exitCode, 0);
    QCOMPARE(version.out, QStringLiteral("tessaron 1.1\n"));
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

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
