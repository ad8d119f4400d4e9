#include "support/apphelper.h"
#include "support/storehelper.h"

#include "gui/main/mainwindow.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace tessaron;

namespace {

struct Twin {
    QString box;
    QString s1, s2, s3, failed, openFailed;
};

Twin twin(Lang lang)
{
    if (lang == Lang::Spanish)
        return {"txtAdreca", "No hay ninguna dirección introducida.",
                "Dirección guardada en favoritos.", "Esta dirección ya esta guardada",
                "No se ha podido guardar la dirección.\n",
                "No se ha podido abrir la base de datos de favoritos.\n"};
    return {"txtaAdreca", "There is not any introduced address.",
            "The address is kept in favorites.", "This address is already kept.",
            "The address could not be saved.\n", "The favorites database could not be opened.\n"};
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
    const Twin t = twin(Lang(lang));
    TestApp app;
    auto *w = app.open<MainWindow>(WindowKind::Main, Lang(lang));
    save(w, 4); // nothing typed yet
    QCOMPARE(app.desktop.messages, QStringList{t.s1});
    QVERIFY(storedRows(app.storePath()).isEmpty());

    QTest::keyClicks(w->findChild<QLineEdit *>(t.box), "ABC");
    save(w, 4);
    save(w, 4);
    save(w, 7); // the same name in another family is another address
    QCOMPARE(app.desktop.messages, (QStringList{t.s1, t.s2, t.s3, t.s2}));
    QCOMPARE(storedRows(app.storePath()),
             (QStringList{"http://www.tessaron-abc-rmt.com|abc|r",
                          "http://www.tessaron-abc-piq.com|abc|p"}));
    QCOMPARE(app.app.state().CodiP, QStringLiteral("piq"));
    QCOMPARE(app.app.state().AdrecaR, QStringLiteral("http://www.tessaron-abc-rmt.com"));
}

void TestSaving::failuresAreNotCalledDuplicates_data()
{
    QTest::addColumn<QString>("fault");
    QTest::newRow("store is a directory") << "directory";
    QTest::newRow("not a database") << "text";
    QTest::newRow("no table") << "notable";
    QTest::newRow("locked past the wait") << "locked";
}

void TestSaving::failuresAreNotCalledDuplicates()
{
    QFETCH(QString, fault);
    const Twin t = twin(Lang::English);
    TestApp app;
    const QString store = app.storePath();
    QProcess holder;
    if (fault != "locked") {
        QVERIFY(QFile::remove(store));
        if (fault == "directory") {
            QVERIFY(QDir().mkdir(store));
        } else if (fault == "text") {
            QFile f(store);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("these are not the favourites you are looking for");
        } else {
            QVERIFY(execOn(store, {"CREATE TABLE Other (x TEXT)"}));
        }
    }
    auto *w = app.open<MainWindow>(WindowKind::Main, Lang::English);
    QCoreApplication::processEvents(); // lets a store that failed to open say so
    QTest::keyClicks(w->findChild<QLineEdit *>(t.box), "abc");
    if (fault == "locked") // another copy holds the store longer than a save waits
        QVERIFY(startLockHolder(holder, store, 7000));
    save(w, 5);
    const QString last = app.desktop.messages.last();
    QVERIFY2(last.startsWith(t.failed), qPrintable(last));
    QVERIFY(last.size() > t.failed.size()); // the engine's reason follows
    QVERIFY(!app.desktop.messages.contains(t.s2));
    QVERIFY(!app.desktop.messages.contains(t.s3));
    if (fault == "locked") {
        QVERIFY(last.contains("locked"));
        QVERIFY(holder.waitForFinished(10000));
        // Once the other copy lets go, the next save starts afresh and works.
        save(w, 5);
        QCOMPARE(app.desktop.messages.last(), t.s2);
        QCOMPARE(storedRows(store), QStringList{"http://www.tessaron-abc-cto.com|abc|c"});
    }
}

void TestSaving::missingStoreIsReportedOnceAndSavingWorksWhenItIsBack()
{
    const Twin t = twin(Lang::Spanish);
    TestApp app;
    const QString store = app.storePath();
    QVERIFY(QFile::remove(store));
    auto *w = app.open<MainWindow>(WindowKind::Main, Lang::Spanish);
    QTRY_COMPARE(app.desktop.messages.size(), 1);
    QVERIFY(app.desktop.messages.first().startsWith(t.openFailed));
    QVERIFY(app.desktop.messages.first().contains(store));

    QTest::keyClicks(w->findChild<QLineEdit *>(t.box), "abc");
    save(w, 6);
    QCOMPARE(app.desktop.messages.size(), 2);
    QVERIFY(app.desktop.messages.last().startsWith(t.failed));
    QVERIFY(!QFile::exists(store)); // the program never makes the store

    QVERIFY(createEmptyStore(store));
    save(w, 6);
    QCOMPARE(app.desktop.messages.last(), t.s2);
    QCOMPARE(storedRows(store), QStringList{"http://www.tessaron-abc-tlx.com|abc|t"});
}

void TestSaving::waitsForAnotherCopyThatIsSaving()
{
    const Twin t = twin(Lang::Spanish);
    TestApp app;
    auto *w = app.open<MainWindow>(WindowKind::Main, Lang::Spanish);
    QTest::keyClicks(w->findChild<QLineEdit *>(t.box), "abc");
    QProcess holder;
    QVERIFY(startLockHolder(holder, app.storePath(), 1000));
    save(w, 4);
    QCOMPARE(app.desktop.messages, QStringList{t.s2});
    QVERIFY(holder.waitForFinished(10000));
    QCOMPARE(storedRows(app.storePath()).size(), 1);
}

void TestSaving::savingRecoversWhenTheStoreIsReplaced()
{
    const Twin t = twin(Lang::English);
    TestApp app;
    auto *w = app.open<MainWindow>(WindowKind::Main, Lang::English);
    QTest::keyClicks(w->findChild<QLineEdit *>(t.box), "abc");
    save(w, 4);
    QCOMPARE(app.desktop.messages, QStringList{t.s2});
    // The store is moved away and a fresh one put in its place while the window is open.
    QVERIFY(QFile::rename(app.storePath(), app.storePath() + ".old"));
    QVERIFY(createEmptyStore(app.storePath()));
    save(w, 5);
    if (app.desktop.messages.last() != t.s2) {
        QVERIFY(app.desktop.messages.last().startsWith(t.failed));
        save(w, 5); // a failed save leaves the next one to start afresh
    }
    QCOMPARE(app.desktop.messages.last(), t.s2);
    QCOMPARE(storedRows(app.storePath()), QStringList{"http://www.tessaron-abc-cto.com|abc|c"});
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
