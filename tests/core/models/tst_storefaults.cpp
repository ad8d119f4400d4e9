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
#include <optional>
#include <tuple>

using namespace tessaron;

namespace {

// The windows that open the store as they come up.
enum class Opener { Main, Favourites };

} // namespace

Q_DECLARE_METATYPE(Opener)

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
    // How the store stands when the window comes up: one of the faults, held by
    // another program, or sound (neither).
    QTest::addColumn<bool>("faulty");
    QTest::addColumn<StoreFault>("fault");
    QTest::addColumn<bool>("locked");
    // The reason after "path: ", in the window's language; empty when the window
    // says nothing (another copy holding the store is no fault of the store).
    QTest::addColumn<QString>("reason");

    struct Row {
        const char *name;
        std::optional<StoreFault> fault;
        bool locked;
        const char *spanish;
        const char *english;
    };
    const Row rows[] = {
        {"missing", StoreFault::Missing, false, "el archivo no existe", "the file does not exist"},
        {"directory", StoreFault::Directory, false, "no es un archivo", "it is not a file"},
        {"not a database", StoreFault::NotADatabase, false, "no es una base de datos",
         "it is not a database"},
        {"no table", StoreFault::NoTable, false, "no contiene la tabla AdrecaFig",
         "it holds no table AdrecaFig"},
        // A link is the store it names, even when it leads nowhere (%1: the store).
        {"a link to nothing", StoreFault::DanglingLink, false,
         "es un enlace a %1.gone, que no existe", "it is a link to %1.gone, which does not exist"},
        {"a loop of links", StoreFault::LinkLoop, false, "es un enlace que vuelve sobre sí mismo",
         "it is a link that leads back to itself"},
        {"locked", std::nullopt, true, "", ""},
        {"sound", std::nullopt, false, "", ""},
    };
    for (const auto &[opener, window] :
         {std::pair{Opener::Main, "main"}, std::pair{Opener::Favourites, "favourites"}}) {
        for (const Row &row : rows) {
            for (const auto &[lang, tag, reason] : {std::tuple{Lang::Spanish, "es", row.spanish},
                                                    std::tuple{Lang::English, "en", row.english}})
                QTest::addRow("%s %s %s", window, tag, row.name)
                    << opener << lang << row.fault.has_value()
                    << row.fault.value_or(StoreFault::Missing) << row.locked
                    << QString::fromUtf8(reason);
        }
    }
}

void TestStoreFaults::eachWindowSaysWhatIsWrongWithTheStore()
{
    QFETCH(Opener, opener);
    QFETCH(Lang, lang);
    QFETCH(bool, faulty);
    QFETCH(StoreFault, fault);
    QFETCH(bool, locked);
    QFETCH(QString, reason);

    PrivateDataFolders dataFolders;
    QTemporaryDir programDir;
    const QString store = programDir.filePath("TESSARON.MDB");
    QVERIFY(createEmptyStore(store));
    QProcess holder;
    if (faulty)
        QVERIFY(makeFaultyStore(store, fault));
    if (locked)
        QVERIFY(startLockHolder(holder, store, 1500));

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
        const QString where =
            faulty && fault == StoreFault::Missing ? dataFolders.userStore() : store;
        QVERIFY2(message.startsWith(expectedMessages(lang).storeOpenFailed + where + ": " +
                                    QString(reason).replace("%1", store)),
                 qPrintable(message));
    }
    // No other store is made in place of the one beside the program.
    if (faulty && fault != StoreFault::Missing)
        QVERIFY(!QFileInfo::exists(dataFolders.userStore()));
    if (locked)
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
