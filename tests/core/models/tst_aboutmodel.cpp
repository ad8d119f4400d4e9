#include "core/coding/modtessaron.h"
#include "core/models/aboutmodel.h"
#include "support/fakedesktop.h"

#include <QTemporaryDir>
#include <QTest>

using namespace tessaron;

class TestAboutModel : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void framesTurnAndWrap();
    void homePageGoesToTheBrowserFound_data();
    void homePageGoesToTheBrowserFound();
};

void TestAboutModel::framesTurnAndWrap()
{
    ModTessaron state;
    FakeDesktop desktop;
    AboutModel model(state, desktop);
    QCOMPARE(model.load(), 1);
    QList<int> shown;
    for (int tick = 0; tick < 2 * kAboutFrameCount; ++tick)
        shown << model.tick();
    // 2..18 after the load's 1, then round again from 1 with no tick lost.
    QList<int> expected;
    for (int frame = 2; frame <= kAboutFrameCount; ++frame)
        expected << frame;
    for (int frame = 1; frame <= kAboutFrameCount; ++frame)
        expected << frame;
    expected << 1;
    QCOMPARE(shown, expected);
    QCOMPARE(model.conta(), 1);
}

void TestAboutModel::homePageGoesToTheBrowserFound_data()
{
    QTest::addColumn<bool>("browserFound");
    QTest::newRow("browser found") << true;
    QTest::newRow("no browser") << false;
}

void TestAboutModel::homePageGoesToTheBrowserFound()
{
    QFETCH(bool, browserFound);
    // An empty PATH and $BROWSER pointing at a program, or at nothing.
    QTemporaryDir dir;
    const QString browser = dir.filePath("browser");
    QFile script(browser);
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\n");
    script.close();
    QVERIFY(script.setPermissions(QFile::ReadOwner | QFile::ExeOwner));
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", dir.path().toLocal8Bit());
    qputenv("BROWSER", browserFound ? browser.toLocal8Bit() : QByteArray("missing-browser"));

    ModTessaron state;
    FakeDesktop desktop;
    AboutModel model(state, desktop);
    model.load();
    model.openHomePage();
    qputenv("PATH", path);
    qunsetenv("BROWSER");

    QCOMPARE(state.NavegadorExe, browserFound ? browser : QString());
    if (browserFound) {
        QCOMPARE(desktop.launches, (QList<FakeDesktop::Launch>{
                                       {browser, QStringLiteral("http://www.tessaron.com")}}));
        QVERIFY(desktop.opened.isEmpty());
    } else {
        QVERIFY(desktop.launches.isEmpty());
        QCOMPARE(desktop.opened, QStringList{"http://www.tessaron.com"});
    }
}

QTEST_GUILESS_MAIN(TestAboutModel)
#include "tst_aboutmodel.moc"
