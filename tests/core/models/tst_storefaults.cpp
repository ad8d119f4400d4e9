#include "core/coding/modtessaron.h"
#include "core/favourites/favouritescursor.h"
#include "core/models/favouritesmodel.h"
#include "core/models/mainmodel.h"
#include "support/datafolders.h"
#include "support/fakedesktop.h"
#include "support/fakenavigator.h"
#include "support/messagetexts.h"
#include "support/storehelper.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace tessaron;

namespace {

// The windows that open the store as they come up.
enum class Opener { Main, Favourites };

// How the store stands when a window comes up: one of the faults, a store another
// program holds, or a sound one.
enum class Standing { Missing, Directory, NotADatabase, NoTable, Locked, Sound };

} // namespace

Q_DECLARE_METATYPE(Opener)
Q_DECLARE_METATYPE(Standing)

class TestStoreFaults : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void eachWindowSaysWhatIsWrongWithTheStore_data();
    void eachWindowSaysWhatIsWrongWithTheStore();
};

void TestStoreFaults::eachWindowSaysWhatIsWrongWithTheStore_data()
{
    QTest::addColumn<Opener>("opener");
    QTest::addColumn<Lang>("lang");
    QTest::addColumn<Standing>("standing");
    // The reason after "path: ", in the window's language; empty when the window
    // says nothing (another copy holding the store is no fault of the store).
    QTest::addColumn<QString>("reason");

    struct Row {
        const char *name;
        Standing standing;
        const char *spanish;
        const char *english;
    };
    const Row rows[] = {
        {"missing", Standing::Missing, "el archivo no existe", "the file does not exist"},
        {"directory", Standing::Directory, "no es un archivo", "it is not a file"},
        {"not a database", Standing::NotADatabase, "no es una base de datos",
         "it is not a database"},
        {"no table", Standing::NoTable, "no contiene la tabla AdrecaFig",
         "it holds no table AdrecaFig"},
        {"locked", Standing::Locked, "", ""},
        {"sound", Standing::Sound, "", ""},
    };
    for (const auto &[opener, window] :
         {std::pair{Opener::Main, "main"}, std::pair{Opener::Favourites, "favourites"}}) {
        for (const Row &row : rows) {
            QTest::addRow("%s es %s", window, row.name)
                << opener << Lang::Spanish << row.standing << QString::fromUtf8(row.spanish);
            QTest::addRow("%s en %s", window, row.name)
                << opener << Lang::English << row.standing << QString::fromUtf8(row.english);
        }
    }
}

void TestStoreFaults::eachWindowSaysWhatIsWrongWithTheStore()
{
    QFETCH(Opener, opener);
    QFETCH(Lang, lang);
    QFETCH(Standing, standing);
    QFETCH(QString, reason);

    PrivateDataFolders dataFolders;
    QTemporaryDir programDir;
    const QString store = programDir.filePath("TESSARON.MDB");
    QVERIFY(createEmptyStore(store));
    QProcess holder;
    switch (standing) {
    case Standing::Missing:
        QVERIFY(makeFaultyStore(store, StoreFault::Missing));
        break;
    case Standing::Directory:
        QVERIFY(makeFaultyStore(store, StoreFault::Directory));
        break;
    case Standing::NotADatabase:
        QVERIFY(makeFaultyStore(store, StoreFault::NotADatabase));
        break;
    case Standing::NoTable:
        QVERIFY(makeFaultyStore(store, StoreFault::NoTable));
        break;
    case Standing::Locked:
        QVERIFY(startLockHolder(holder, store, 1500));
        break;
    case Standing::Sound:
        break;
    }

    ModTessaron state;
    FakeDesktop desktop;
    FakeNavigator navigator;
    QObject window;
    const AppContext context{state, desktop, navigator, programDir.path()};
    std::unique_ptr<QObject> model;
    if (opener == Opener::Main) {
        auto main = std::make_unique<MainModel>(lang, context, &window);
        main->load();
        model = std::move(main);
    } else {
        auto favourites = std::make_unique<FavouritesModel>(lang, context, &window);
        favourites->load();
        model = std::move(favourites);
    }
    // Nothing is said before the window is up.
    QVERIFY(desktop.messages.isEmpty());
    QCoreApplication::processEvents();

    if (reason.isEmpty()) {
        QCOMPARE(desktop.messages, QStringList{});
    } else {
        QCOMPARE(desktop.messages.size(), 1);
        const QString message = desktop.messages.first();
        // A store missing beside the program is looked for in the user's data folder.
        const QString where = standing == Standing::Missing ? dataFolders.userStore() : store;
        QVERIFY2(message.startsWith(expectedMessages(lang).storeOpenFailed + where + ": " + reason),
                 qPrintable(message));
    }
    if (standing == Standing::Locked)
        QVERIFY(holder.waitForFinished(10000));
}

int main(int argc, char **argv)
{
    if (const int held = holdLockIfAsked(argc, argv); held >= 0)
        return held;
    QCoreApplication app(argc, argv);
    TestStoreFaults test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_storefaults.moc"
