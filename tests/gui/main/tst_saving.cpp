#include "core/models/mainmodel.h"
#include "gui/main/mainwindow.h"
#include "support/apphelper.h"
#include "support/messagetexts.h"
#include "support/storehelper.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace tessaron;

namespace {

QString boxName(Lang lang)
{
    return lang == Lang::Spanish ? QStringLiteral("txtAdreca") : QStringLiteral("txtaAdreca");
}

void save(MainWindow *w, int button)
{
    w->findChild<QPushButton *>(QStringLiteral("Command%1").arg(button))->click();
}

} // namespace

class TestSaving : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void savesOnceThenRefusesTheDuplicate_data();
    void savesOnceThenRefusesTheDuplicate();
    void failuresAreNotCalledDuplicates_data();
    void failuresAreNotCalledDuplicates();
    void windowComesUpAtOnceWhileAnotherProgramHoldsTheStore();
    void missingStoreIsReportedOnceAndSavingWorksWhenItIsBack();
    void waitsForAnotherCopyThatIsSaving();
    void savingRecoversWhenTheStoreIsReplaced();
};

void TestSaving::savesOnceThenRefusesTheDuplicate_data()
{
    QTest::addColumn<int>("lang");
    QTest::newRow("es") << int(Lang::Spanish);
    QTest::newRow("en") << int(Lang::English);
}

void TestSaving::savesOnceThenRefusesTheDuplicate()
{
    QFETCH(int, lang);
    const Lang twinLang = Lang(lang);
    const ExpectedMessages &t = expectedMessages(twinLang);
    TestApp app;
    auto *w = app.open<MainWindow>(WindowKind::Main, Lang(lang));
    save(w, 4); // nothing typed yet
    QCOMPARE(app.desktop.messages, QStringList{t.noAddress});
    QVERIFY(storedRows(app.storePath()).isEmpty());

    QTest::keyClicks(w->findChild<QLineEdit *>(boxName(twinLang)), "ABC");
    save(w, 4);
    save(w, 4);
    save(w, 7); // the same name in another family is another address
    QCOMPARE(app.desktop.messages, (QStringList{t.noAddress, t.saved, t.alreadySaved, t.saved}));
    QCOMPARE(storedRows(app.storePath()), (QStringList{"http://www.tessaron-abc-rmt.com|abc|r",
                                                       "http://www.tessaron-abc-piq.com|abc|p"}));
    QCOMPARE(app.app.state().CodiP, QStringLiteral("piq"));
    QCOMPARE(app.app.state().AdrecaR, QStringLiteral("http://www.tessaron-abc-rmt.com"));
}

void TestSaving::failuresAreNotCalledDuplicates_data()
{
    QTest::addColumn<int>("lang");
    QTest::addColumn<bool>("locked"); // held by another copy past the wait; else `fault`
    QTest::addColumn<StoreFault>("fault");
    QTest::addColumn<QString>("reason"); // in the window's language
    const int es = int(Lang::Spanish);
    const int en = int(Lang::English);
    QTest::newRow("es directory") << es << false << StoreFault::Directory << "no es un archivo";
    QTest::newRow("es not a database")
        << es << false << StoreFault::NotADatabase << "no es una base de datos";
    QTest::newRow("es no table") << es << false << StoreFault::NoTable
                                 << "no contiene la tabla AdrecaFig";
    QTest::newRow("es missing") << es << false << StoreFault::Missing << "el archivo no existe";
    QTest::newRow("es locked") << es << true << StoreFault::Missing
                               << "otro programa la tiene bloqueada";
    QTest::newRow("en directory") << en << false << StoreFault::Directory << "it is not a file";
    QTest::newRow("en not a database")
        << en << false << StoreFault::NotADatabase << "it is not a database";
    QTest::newRow("en locked") << en << true << StoreFault::Missing
                               << "another program has locked it";
}

void TestSaving::failuresAreNotCalledDuplicates()
{
    QFETCH(int, lang);
    QFETCH(bool, locked);
    QFETCH(StoreFault, fault);
    QFETCH(QString, reason);
    const Lang twinLang = Lang(lang);
    const ExpectedMessages &t = expectedMessages(twinLang);
    TestApp app;
    const QString store = app.storePath();
    QProcess holder;
    if (!locked)
        QVERIFY(makeFaultyStore(store, fault));
    auto *w = app.open<MainWindow>(WindowKind::Main, twinLang);
    QCoreApplication::processEvents(); // lets a store that failed to open say so
    QTest::keyClicks(w->findChild<QLineEdit *>(boxName(twinLang)), "abc");
    if (locked) // another copy holds the store longer than a save waits
        QVERIFY(startLockHolder(holder, store, 7000));
    save(w, 5);
    const QString last = app.desktop.messages.last();
    // A store missing beside the program is looked for in the user's data folder.
    const QString where =
        fault == StoreFault::Missing && !locked ? app.dataFolders.userStore() : store;
    QCOMPARE(last, t.saveFailed + where + ": " + reason);
    QVERIFY(!app.desktop.messages.contains(t.saved));
    QVERIFY(!app.desktop.messages.contains(t.alreadySaved));
    if (locked) {
        QVERIFY(holder.waitForFinished(10000));
        // Once the other copy lets go, the next save starts afresh and works.
        save(w, 5);
        QCOMPARE(app.desktop.messages.last(), t.saved);
        QCOMPARE(storedRows(store), QStringList{"http://www.tessaron-abc-cto.com|abc|c"});
    }
}

void TestSaving::windowComesUpAtOnceWhileAnotherProgramHoldsTheStore()
{
    const ExpectedMessages &t = expectedMessages(Lang::English);
    TestApp app;
    QProcess holder;
    QVERIFY(startLockHolder(holder, app.storePath(), 1500));
    QElapsedTimer timer;
    timer.start();
    auto *w = app.open<MainWindow>(WindowKind::Main, Lang::English);
    QCoreApplication::processEvents(); // the store is looked at once the window is up
    QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed())));
    QVERIFY(app.desktop.messages.isEmpty()); // a held store is not a broken one

    // A save waits for the other program, under the busy pointer.
    auto *model = w->findChild<MainModel *>();
    QVERIFY(model);
    QList<int> pointers; // the pointer shape each time the store is taken or let go
    connect(model, &MainModel::storeBusy, [&] {
        const QCursor *cursor = QGuiApplication::overrideCursor();
        pointers << (cursor ? int(cursor->shape()) : -1);
    });
    QTest::keyClicks(w->findChild<QLineEdit *>("txtaAdreca"), "abc");
    save(w, 4);
    QCOMPARE(pointers, (QList<int>{int(Qt::WaitCursor), -1}));
    QCOMPARE(app.desktop.messages, QStringList{t.saved});
    QVERIFY(holder.waitForFinished(10000));
}

void TestSaving::missingStoreIsReportedOnceAndSavingWorksWhenItIsBack()
{
    const Lang twinLang = Lang::Spanish;
    const ExpectedMessages &t = expectedMessages(twinLang);
    TestApp app;
    const QString store = app.storePath();
    QVERIFY(QFile::remove(store));
    auto *w = app.open<MainWindow>(WindowKind::Main, Lang::Spanish);
    QTRY_COMPARE(app.desktop.messages.size(), 1);
    QVERIFY(app.desktop.messages.first().startsWith(t.storeOpenFailed));
    QVERIFY(app.desktop.messages.first().contains(app.dataFolders.userStore()));

    QTest::keyClicks(w->findChild<QLineEdit *>(boxName(twinLang)), "abc");
    save(w, 6);
    QCOMPARE(app.desktop.messages.size(), 2);
    QVERIFY(app.desktop.messages.last().startsWith(t.saveFailed));
    QVERIFY(!QFile::exists(store)); // the program never makes the store

    QVERIFY(createEmptyStore(store));
    save(w, 6);
    QCOMPARE(app.desktop.messages.last(), t.saved);
    QCOMPARE(storedRows(store), QStringList{"http://www.tessaron-abc-tlx.com|abc|t"});
}

void TestSaving::waitsForAnotherCopyThatIsSaving()
{
    const Lang twinLang = Lang::Spanish;
    const ExpectedMessages &t = expectedMessages(twinLang);
    TestApp app;
    auto *w = app.open<MainWindow>(WindowKind::Main, Lang::Spanish);
    QTest::keyClicks(w->findChild<QLineEdit *>(boxName(twinLang)), "abc");
    QProcess holder;
    QVERIFY(startLockHolder(holder, app.storePath(), 1000));
    save(w, 4);
    QCOMPARE(app.desktop.messages, QStringList{t.saved});
    QVERIFY(holder.waitForFinished(10000));
    QCOMPARE(storedRows(app.storePath()).size(), 1);
}

void TestSaving::savingRecoversWhenTheStoreIsReplaced()
{
    const Lang twinLang = Lang::English;
    const ExpectedMessages &t = expectedMessages(twinLang);
    TestApp app;
    auto *w = app.open<MainWindow>(WindowKind::Main, Lang::English);
    QTest::keyClicks(w->findChild<QLineEdit *>(boxName(twinLang)), "abc");
    save(w, 4);
    QCOMPARE(app.desktop.messages, QStringList{t.saved});
    // The store is moved away and a fresh one put in its place while the window is open.
    QVERIFY(QFile::rename(app.storePath(), app.storePath() + ".old"));
    QVERIFY(createEmptyStore(app.storePath()));
    save(w, 5);
    QCOMPARE(app.desktop.messages, (QStringList{t.saved, t.saved}));
    QCOMPARE(storedRows(app.storePath()), QStringList{"http://www.tessaron-abc-cto.com|abc|c"});
    // Nothing went into the store that was moved away.
    QCOMPARE(storedRows(app.storePath() + ".old"),
             QStringList{"http://www.tessaron-abc-rmt.com|abc|r"});
}

int main(int argc, char **argv)
{
    if (const int held = holdLockIfAsked(argc, argv); held >= 0)
        return held;
    QApplication app(argc, argv);
    TestSaving test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_saving.moc"
