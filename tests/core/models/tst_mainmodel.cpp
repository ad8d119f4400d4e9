#include "core/coding/modtessaron.h"
#include "core/favourites/favouritescursor.h"
#include "core/models/mainmodel.h"
#include "support/datafolders.h"
#include "support/fakedesktop.h"
#include "support/fakenavigator.h"
#include "support/messagetexts.h"
#include "support/storehelper.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace tessaron;

namespace {

// A main window's rules with no window: the shared texts, a recording desktop and
// navigator, and a program directory that holds an empty store.
struct Fixture {
    PrivateDataFolders dataFolders;
    QTemporaryDir programDir;
    bool storeMade = createEmptyStore(programDir.filePath("TESSARON.MDB"));
    ModTessaron state;
    FakeDesktop desktop;
    FakeNavigator navigator;
    QObject window;
    MainModel model;

    explicit Fixture(Lang lang = Lang::English)
        : model(lang, AppContext{state, desktop, navigator, programDir.path()}, &window)
    {
        state.NavegadorExe = QStringLiteral("/usr/bin/test-browser");
    }
    [[nodiscard]] QString storePath() const { return programDir.filePath("TESSARON.MDB"); }
};

QStringList launchedAddresses(const FakeDesktop &desktop)
{
    QStringList addresses;
    for (const FakeDesktop::Launch &launch : desktop.launches)
        addresses << launch.address;
    return addresses;
}

} // namespace

class TestMainModel : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void namesGiveTheirTextsAddressesAndRegisters_data();
    void namesGiveTheirTextsAddressesAndRegisters();
    void eachCorrectionIsPublishedWhileItsMessageShows();
    void savesOnceAndSaysSo();
    void commands_data();
    void commands();
    void helpOnAMenuItem();
    void loadReportsAMissingStoreOnceTheLoopRuns();
};

void TestMainModel::namesGiveTheirTextsAddressesAndRegisters_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("opened"); // figure labels 1 to 4, then the plain label
    QTest::addColumn<QStringList>("registers");

    QTest::newRow("no name") << ""
                             << "?" << QStringList{}
                             << QStringList{"www.tessaron-?-rkh.com", "www.tessaron-?-che.com",
                                            "www.tessaron-?-tha.com", "www.tessaron-?-pah.com"};
    QTest::newRow("capitals") << "ABC"
                              << "abc"
                              << QStringList{"http://www.tessaron-abc-rmt.com",
                                             "http://www.tessaron-abc-cto.com",
                                             "http://www.tessaron-abc-tlx.com",
                                             "http://www.tessaron-abc-piq.com",
                                             "http://www.abc.com"}
                              << QStringList{"www.tessaron-abc-rmt.com", "www.tessaron-abc-cto.com",
                                             "www.tessaron-abc-tlx.com",
                                             "www.tessaron-abc-piq.com"};
    QTest::newRow("corrected") << "-a!b"
                               << "ab"
                               << QStringList{"http://www.tessaron-ab-rlk.com",
                                              "http://www.tessaron-ab-cki.com",
                                              "http://www.tessaron-ab-tux.com",
                                              "http://www.tessaron-ab-pnq.com", "http://www.ab.com"}
                               << QStringList{"www.tessaron-ab-rlk.com", "www.tessaron-ab-cki.com",
                                              "www.tessaron-ab-tux.com", "www.tessaron-ab-pnq.com"};
    QTest::newRow("only bad characters")
        << "!!"
        << "?" << QStringList{}
        << QStringList{"www.tessaron-?-rkh.com", "www.tessaron-?-che.com", "www.tessaron-?-tha.com",
                       "www.tessaron-?-pah.com"};
}

void TestMainModel::namesGiveTheirTextsAddressesAndRegisters()
{
    QFETCH(QString, typed);
    QFETCH(QString, caption);
    QFETCH(QStringList, opened);
    QFETCH(QStringList, registers);

    Fixture f;
    f.navigator.kinds.insert(WindowKind::Registers);
    QSignalSpy captions(&f.model.nameEntry(), &NameEntry::captionChanged);
    f.model.nameEntry().check(typed);
    QCOMPARE(f.model.caption(), caption);
    QCOMPARE(captions.size(), 1);
    QCOMPARE(captions.first().first().toString(), caption);

    for (Family family : kFamilies)
        f.model.openFigureAddress(family);
    f.model.openPlainAddress();
    QCOMPARE(launchedAddresses(f.desktop), opened);
    if (!opened.isEmpty()) {
        QCOMPARE(f.state.AdrecaP, opened.at(3));
        QCOMPARE(f.state.CodiP, opened.at(3).section(u'-', -1).left(3));
        QCOMPARE(f.state.AdrecaCom, opened.at(4));
    }

    f.model.run(MainCommand::Registers);
    QCOMPARE(
        (QStringList{f.state.RegistreR, f.state.RegistreC, f.state.RegistreT, f.state.RegistreP}),
        registers);
}

void TestMainModel::eachCorrectionIsPublishedWhileItsMessageShows()
{
    Fixture f(Lang::Spanish);
    const ExpectedMessages &m = expectedMessages(Lang::Spanish);
    QStringList boxTexts;
    connect(&f.model.nameEntry(), &NameEntry::boxTextChanged,
            [&](const QString &text) { boxTexts << text; });
    QStringList seen; // each message with NomActual at that moment
    f.desktop.onMessage = [&](const QString &text) { seen << text + u'|' + f.state.NomActual; };

    f.model.nameEntry().check(QStringLiteral("-!Ab"));

    QCOMPARE(seen, (QStringList{m.leadingHyphen + "|-!ab", m.badCharacter(1) + "|!ab"}));
    QCOMPARE(boxTexts, (QStringList{"-!Ab", "!Ab", "Ab"}));
    QCOMPARE(f.state.NomActual, QStringLiteral("ab"));
}

void TestMainModel::savesOnceAndSaysSo()
{
    Fixture f(Lang::Spanish);
    const ExpectedMessages &m = expectedMessages(Lang::Spanish);
    f.model.save(Family::R);
    QVERIFY(storedRows(f.storePath()).isEmpty());
    f.model.nameEntry().check(QStringLiteral("ABC"));
    f.model.save(Family::R);
    f.model.save(Family::R);
    f.model.save(Family::P);
    QCOMPARE(f.desktop.messages, (QStringList{m.noAddress, m.saved, m.alreadySaved, m.saved}));
    QCOMPARE(storedRows(f.storePath()), (QStringList{"http://www.tessaron-abc-rmt.com|abc|r",
                                                     "http://www.tessaron-abc-piq.com|abc|p"}));
    QCOMPARE(f.state.AdrecaR, QStringLiteral("http://www.tessaron-abc-rmt.com"));
    QVERIFY(f.desktop.launches.isEmpty());
}

void TestMainModel::commands_data()
{
    QTest::addColumn<int>("lang");
    QTest::addColumn<int>("command");
    QTest::addColumn<bool>("windowExists"); // the program has the window the command leads to
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<int>("closes");
    QTest::addColumn<int>("exits");

    const int es = int(Lang::Spanish);
    const int en = int(Lang::English);
    QTest::newRow("registers") << es << int(MainCommand::Registers) << true
                               << QStringList{"Registers es"} << 1 << 0;
    QTest::newRow("registers not built")
        << es << int(MainCommand::Registers) << false << QStringList{} << 0 << 0;
    QTest::newRow("symbology") << en << int(MainCommand::Symbology) << true
                               << QStringList{"Symbology en"} << 1 << 0;
    QTest::newRow("favourites") << en << int(MainCommand::Favourites) << true
                                << QStringList{"Favourites en"} << 1 << 0;
    QTest::newRow("compact") << es << int(MainCommand::Compact) << true << QStringList{"Compact es"}
                             << 1 << 0;
    QTest::newRow("other language")
        << es << int(MainCommand::OtherLanguage) << true << QStringList{"Main en"} << 1 << 0;
    QTest::newRow("about stays beside")
        << en << int(MainCommand::About) << true << QStringList{"About en"} << 0 << 0;
    QTest::newRow("exit") << es << int(MainCommand::Exit) << true << QStringList{} << 0 << 1;
}

void TestMainModel::commands()
{
    QFETCH(int, lang);
    QFETCH(int, command);
    QFETCH(bool, windowExists);
    QFETCH(QStringList, shown);
    QFETCH(int, closes);
    QFETCH(int, exits);

    Fixture f{Lang(lang)};
    if (windowExists) {
        for (WindowKind kind : {WindowKind::Registers, WindowKind::Symbology,
                                WindowKind::Favourites, WindowKind::Compact})
            f.navigator.kinds.insert(kind);
    }
    QSignalSpy closeRequests(&f.model, &MainModel::closeRequested);
    f.model.run(MainCommand(command));
    QCOMPARE(f.navigator.shown, shown);
    QCOMPARE(closeRequests.size(), closes);
    QCOMPARE(f.navigator.exits, exits);
    QVERIFY(f.desktop.messages.isEmpty());
}

void TestMainModel::helpOnAMenuItem()
{
    for (auto [lang, file] :
         {std::pair{Lang::Spanish, "ayuda.hlp"}, std::pair{Lang::English, "help.hlp"}}) {
        Fixture f(lang);
        const QString path = QDir(f.programDir.path()).filePath(file);
        f.model.run(MainCommand::HelpContents);
        f.model.run(MainCommand::HelpIndex);
        f.model.helpOnMenuItem(400);
        f.model.helpOnMenuItem(0);
        QCOMPARE(f.desktop.helps.size(), 4);
        const QList<std::pair<HelpCommand, int>> expected{{HelpCommand::Contents, 0},
                                                          {HelpCommand::Index, 0},
                                                          {HelpCommand::Topic, 400},
                                                          {HelpCommand::Contents, 0}};
        for (qsizetype i = 0; i < expected.size(); ++i) {
            QCOMPARE(f.desktop.helps[i].file, path);
            QCOMPARE(f.desktop.helps[i].command, expected[i].first);
            QCOMPARE(f.desktop.helps[i].data, expected[i].second);
        }
    }
}

void TestMainModel::loadReportsAMissingStoreOnceTheLoopRuns()
{
    Fixture f(Lang::Spanish);
    QVERIFY(QFile::remove(f.storePath()));
    const QString before = QDir::currentPath();
    f.model.load();
    QVERIFY(f.desktop.messages.isEmpty());
    // The store is found by its full path: the process's folder stays the user's.
    QCOMPARE(QDir::currentPath(), before);
    QTRY_COMPARE(f.desktop.messages.size(), 1);
    // With no store beside the program, the user's own is looked for; with no
    // template to make it from either, the message names both places.
    const QString message = f.desktop.messages.first();
    QVERIFY(message.startsWith(expectedMessages(Lang::Spanish).storeOpenFailed));
    QVERIFY2(message.contains(f.dataFolders.userStore() + ": el archivo no existe"),
             qPrintable(message));
    QVERIFY2(
        message.contains(QDir::cleanPath(f.programDir.filePath("../share/tessaron/TESSARON.MDB"))),
        qPrintable(message));
    QVERIFY(!QFile::exists(f.storePath())); // the program never makes the store
    QVERIFY(!QFile::exists(f.dataFolders.userStore()));
}

QTEST_GUILESS_MAIN(TestMainModel)
#include "tst_mainmodel.moc"
