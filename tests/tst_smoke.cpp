#include <QProcess>
#include <QTest>

#include <csignal>

// The real program, started as a user starts it, offscreen.
class TestSmoke : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startsAndEndsCleanly_data();
    void startsAndEndsCleanly();
};

// Ended as a session ends it (TERM), from the keyboard (INT), and by closing the
// terminal it was started from (HUP): each time in order, with status 0.
void TestSmoke::startsAndEndsCleanly_data()
{
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGINT") << SIGINT;
    QTest::newRow("SIGHUP") << SIGHUP;
}

void TestSmoke::startsAndEndsCleanly()
{
    QFETCH(int, signal);
    QTemporaryDir config;
    QProcess tessaron;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_CONFIG_HOME", config.path());
    env.insert("BROWSER", "/bin/true");
    tessaron.setProcessEnvironment(env);
    tessaron.start(qEnvironmentVariable("TESSARON_BINARY"), {});
    QVERIFY(tessaron.waitForStarted(10000));
    // Still running after a while: it came up and waits for the user.
    QVERIFY(!tessaron.waitForFinished(2000));
    ::kill(static_cast<pid_t>(tessaron.processId()), signal);
    QVERIFY(tessaron.waitForFinished(10000));
    QCOMPARE(tessaron.exitStatus(), QProcess::NormalExit);
    QCOMPARE(tessaron.exitCode(), 0);
    const QByteArray err = tessaron.readAllStandardError();
    QVERIFY2(!err.contains("QObject") && !err.contains("ASSERT"), err.constData());
}

QTEST_GUILESS_MAIN(TestSmoke)
#include "tst_smoke.moc"
