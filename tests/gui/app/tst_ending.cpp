#include "core/favourites/favouritescursor.h"
#include "gui/app/application.h"
#include "gui/systemdesktop.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <csignal>

using namespace tessaron;

// The program with its real message boxes, ended while one of them is open.
class TestEnding : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void endsCleanlyWhileABoxIsOpen_data();
    void endsCleanlyWhileABoxIsOpen();
};

void TestEnding::endsCleanlyWhileABoxIsOpen_data()
{
    QTest::addColumn<int>("lang");
    QTest::addColumn<QString>("box"); // "store": the store is missing; "check": "!" typed
    QTest::addColumn<int>("signal");  // 0 for Exit
    for (Lang lang : {Lang::Spanish, Lang::English}) {
        const char *tag = lang == Lang::Spanish ? "es" : "en";
        for (const char *box : {"store", "check"}) {
            QTest::addRow("%s %s SIGTERM", tag, box) << int(lang) << box << SIGTERM;
            QTest::addRow("%s %s SIGINT", tag, box) << int(lang) << box << SIGINT;
            QTest::addRow("%s %s SIGHUP", tag, box) << int(lang) << box << SIGHUP;
            QTest::addRow("%s %s Exit", tag, box) << int(lang) << box << 0;
        }
    }
}

void TestEnding::endsCleanlyWhileABoxIsOpen()
{
    QFETCH(int, lang);
    QFETCH(QString, box);
    QFETCH(int, signal);

    QTemporaryDir programDir;
    if (box == "check")
        QVERIFY(createEmptyStore(programDir.filePath("TESSARON.MDB")));
    SystemDesktop desktop;
    Application app(desktop, programDir.path());
    app.state().NavegadorExe = QStringLiteral("/bin/true");
    app.registry().show(WindowKind::Main, Lang(lang));
    QWidget *window = app.registry().window(WindowKind::Main, Lang(lang));
    QVERIFY(window);
    if (box == "check") {
        QTimer::singleShot(0, window, [window] {
            window->findChild<QLineEdit *>()->setText(QStringLiteral("!"));
        });
    }
    QString openBox;
    QTimer::singleShot(300, &app.registry(), [&] {
        if (auto *open = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
            openBox = open->text();
        if (signal != 0)
            std::raise(signal);
        else
            app.registry().exitNow();
    });

    const int status = app.run(programDir.filePath("tessaron.ini"));

    QCOMPARE(status, 0);
    QVERIFY2(!openBox.isEmpty(), "no box was open when the program was ended");
    QCOMPARE(app.registry().openCount(), 0);
    QVERIFY(!QApplication::activeModalWidget());
}

QTEST_MAIN(TestEnding)
#include "tst_ending.moc"
