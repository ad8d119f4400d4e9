#include "core/coding/modtessaron.h"
#include "core/favourites/favouritescursor.h"
#include "core/models/favouritesmodel.h"
#include "support/datafolders.h"
#include "support/fakedesktop.h"
#include "support/fakenavigator.h"
#include "support/hostilerows.h"
#include "support/storehelper.h"

#include <QTemporaryDir>
#include <QTest>

using namespace tessaron;

namespace {

using Mode = FavouritesModel::Mode;

// The names a figure-mode list holds so far.
QStringList namesOf(const FamilyListModel *list)
{
    QStringList names;
    for (int row = 0; row < list->rowCount(); ++row)
        names << list->name(row);
    return names;
}

// A favourites window's rules with no window, on a store of its own holding
// `rows` ("name:letters", e.g. "abc:rt" for families r and t).
struct Fixture {
    PrivateDataFolders dataFolders;
    QTemporaryDir programDir;
    ModTessaron state;
    FakeDesktop desktop;
    FakeNavigator navigator;
    QObject window;
    std::unique_ptr<FavouritesModel> model;

    explicit Fixture(const QStringList &rows, Lang lang = Lang::Spanish)
    {
        QVERIFY(createEmptyStore(storePath()));
        QStringList statements;
        for (const QString &row : rows) {
            const QString name = row.section(u':', 0, 0);
            for (QChar letter : row.section(u':', 1)) {
                const Family family = kFamilies[QStringLiteral("rctp").indexOf(letter)];
                statements << QStringLiteral("INSERT INTO AdrecaFig VALUES ('%1', '%2', '%3')")
                                  .arg(state.formFigureAddress(family, name), name, letter);
            }
        }
        QVERIFY(execOn(storePath(), statements));
        state = ModTessaron{};
        state.NavegadorExe = QStringLiteral("/usr/bin/test-browser");
        model = std::make_unique<FavouritesModel>(
            lang, AppContext{state, desktop, navigator, programDir.path()}, &window);
        model->load();
        QCoreApplication::processEvents(); // the store opens once the window is up
    }
    [[nodiscard]] QString storePath() const { return programDir.filePath("TESSARON.MDB"); }

    // Runs steps such as "name", "figure", "next", "previous", "search:ABC",
    // "delete:r" and "open:t", and gives the four labels as "a|?|a|?".
    QString run(const QStringList &steps)
    {
        for (const QString &step : steps) {
            const QString argument = step.section(u':', 1);
            const auto family = [&] {
                return kFamilies[QStringLiteral("rctp").indexOf(argument.at(0))];
            };
            if (step == u"name")
                model->enterNameMode();
            else if (step == u"figure")
                model->enterFigureMode();
            else if (step == u"next")
                model->step(FavouritesModel::Step::Next);
            else if (step == u"previous")
                model->step(FavouritesModel::Step::Previous);
            else if (step.startsWith(u"search:"))
                model->search(argument);
            else if (step.startsWith(u"delete:"))
                model->deleteShown(family());
            else if (step.startsWith(u"open:"))
                model->openShown(family());
        }
        return labels();
    }
    [[nodiscard]] QString labels() const
    {
        QStringList shown;
        for (Family family : kFamilies)
            shown << model->label(family);
        return shown.join(u'|');
    }
};

} // namespace

class TestFavouritesModel : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void openingShowsNothing();
    void anEmptyStoreGivesNoEntries_data();
    void anEmptyStoreGivesNoEntries();
    void nameModeSteps_data();
    void nameModeSteps();
    void figureModeListsEachFamilysNames();
    void openButtonsAndNameLabelsLaunchAsTheTwinSays_data();
    void openButtonsAndNameLabelsLaunchAsTheTwinSays();
    void deletingAsksFirst_data();
    void deletingAsksFirst();
    void deletingTakesOnlyTheShownRow_data();
    void deletingTakesOnlyTheShownRow();
    void aRemovedStoreGivesNoEntries();
    void aReplacedStoreIsReadAndOnlyTheAskedRowGoes();
    void listsAreReadPageByPage();
    void rowsNotWrittenHereAreShownButNeverOpened_data();
    void rowsNotWrittenHereAreShownButNeverOpened();
};

void TestFavouritesModel::openingShowsNothing()
{
    Fixture f({"abc:r"});
    QCOMPARE(f.model->mode(), Mode::None);
    QCOMPARE(f.labels(), QStringLiteral("?|?|?|?"));
    QCOMPARE(f.model->list(Family::R)->rowCount(), 0);
    QVERIFY(f.desktop.messages.isEmpty());
}

void TestFavouritesModel::anEmptyStoreGivesNoEntries_data()
{
    QTest::addColumn<QString>("step");
    for (const char *step : {"figure", "name", "next", "previous", "search:abc"})
        QTest::newRow(step) << step;
}

void TestFavouritesModel::anEmptyStoreGivesNoEntries()
{
    QFETCH(QString, step);
    Fixture f({});
    f.run({step});
    QCOMPARE(f.model->mode(), Mode::NoEntries);
    QVERIFY(f.desktop.messages.isEmpty());
}

void TestFavouritesModel::nameModeSteps_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("labels");
    QTest::addColumn<QStringList>("messages");
    // How many times a delete asks first: only a shown name is asked about.
    QTest::addColumn<int>("questions");
    const QStringList none;
    QTest::newRow("entering") << QStringList{"name"} << "?|?|?|?" << none << 0;
    QTest::newRow("next from an empty display shows the first name")
        << QStringList{"name", "next"} << "aaa|?|aaa|?" << none << 0;
    QTest::newRow("previous from an empty display shows the last name")
        << QStringList{"name", "previous"} << "?|?|?|ccc" << none << 0;
    QTest::newRow("next steps on")
        << QStringList{"name", "next", "next"} << "?|bbb|?|?" << none << 0;
    QTest::newRow("next at the last name changes nothing")
        << QStringList{"name", "next", "next", "next", "next"} << "?|?|?|ccc" << none << 0;
    QTest::newRow("previous at the first name changes nothing")
        << QStringList{"name", "next", "previous"} << "aaa|?|aaa|?" << none << 0;
    QTest::newRow("previous steps back")
        << QStringList{"name", "previous", "previous"} << "?|bbb|?|?" << none << 0;
    QTest::newRow("search in capitals finds the name")
        << QStringList{"name", "search:BBB"} << "?|bbb|?|?" << none << 0;
    QTest::newRow("search for part of a name finds nothing, next shows the first")
        << QStringList{"name", "search:bb", "next"} << "aaa|?|aaa|?"
        << QStringList{"No se ha encontrado ninguna coincidencia"} << 0;
    QTest::newRow("search with an empty box")
        << QStringList{"name", "search:"} << "?|?|?|?"
        << QStringList{"Has de introducir el nombre de la dirección a buscar."} << 0;
    QTest::newRow("deleting one of two families keeps the other")
        << QStringList{"name", "next", "delete:r"} << "?|?|aaa|?" << none << 1;
    QTest::newRow("after a delete, next shows the second name")
        << QStringList{"name", "previous", "previous", "search:aaa", "delete:t", "next"}
        << "?|bbb|?|?" << none << 1;
    QTest::newRow("after a delete, previous changes nothing")
        << QStringList{"name", "next", "delete:t", "previous"} << "aaa|?|?|?" << none << 1;
    QTest::newRow("deleting the only family empties the display, next shows the first")
        << QStringList{"name", "search:bbb", "delete:c", "next"} << "aaa|?|aaa|?" << none << 1;
    QTest::newRow("deleting the only family, previous shows the last")
        << QStringList{"name", "search:bbb", "delete:c", "previous"} << "?|?|?|ccc" << none << 1;
    QTest::newRow("a label reading ? deletes nothing")
        << QStringList{"name", "delete:r", "next"} << "aaa|?|aaa|?" << none << 0;
}

void TestFavouritesModel::nameModeSteps()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, labels);
    QFETCH(QStringList, messages);
    QFETCH(int, questions);
    Fixture f({"aaa:rt", "bbb:c", "ccc:p"});
    QCOMPARE(f.run(steps), labels);
    QCOMPARE(f.model->mode(), Mode::Name);
    QCOMPARE(f.desktop.messages, messages);
    QCOMPARE(f.desktop.questions.size(), questions);
}

void TestFavouritesModel::figureModeListsEachFamilysNames()
{
    Fixture f({"mmm:rc", "aaa:r", "zzz:rp"});
    f.run({"figure"});
    QCOMPARE(f.model->mode(), Mode::Figure);
    QCOMPARE(namesOf(f.model->list(Family::R)), (QStringList{"aaa", "mmm", "zzz"}));
    QCOMPARE(namesOf(f.model->list(Family::C)), QStringList{"mmm"});
    QCOMPARE(namesOf(f.model->list(Family::T)), QStringList{});
    QCOMPARE(namesOf(f.model->list(Family::P)), QStringList{"zzz"});
    // Entering again fills the lists anew, with what the store holds then.
    QVERIFY(execOn(f.storePath(), {"DELETE FROM AdrecaFig WHERE nom = 'aaa'"}));
    f.run({"figure"});
    QCOMPARE(namesOf(f.model->list(Family::R)), (QStringList{"mmm", "zzz"}));
}

void TestFavouritesModel::openButtonsAndNameLabelsLaunchAsTheTwinSays_data()
{
    QTest::addColumn<Lang>("lang");
    QTest::addColumn<QString>("stored");
    // Open buttons pressed in figure mode, as "family:picked row" (-1: none picked).
    QTest::addColumn<QStringList>("picks");
    QTest::addColumn<QStringList>("steps"); // then, in name mode
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QStringList>("launched"); // in the browser
    QTest::addColumn<QStringList>("opened");   // by the desktop's handler
    // The codes and addresses kept in the shared texts, as "CodiR=rmt".
    QTest::addColumn<QStringList>("kept");
    // The Spanish open buttons use the desktop's handler, its name labels the browser.
    QTest::newRow("es") << Lang::Spanish << "abc:rt" << QStringList{"r:-1", "c:-1", "r:0"}
                        << QStringList{"name", "next", "open:t", "open:c"}
                        << QStringList(2, "No hay ninguna dirección seleccionada")
                        << QStringList{"http://www.tessaron-abc-tlx.com"}
                        << QStringList{"http://www.tessaron-abc-rmt.com"}
                        << QStringList{"CodiR=rmt", "AdrecaT=http://www.tessaron-abc-tlx.com"};
    // The English twin the other way round, and its first message ends with a stop.
    QTest::newRow("en") << Lang::English << "abc:rct"
                        << QStringList{"r:-1", "c:-1", "t:-1", "p:-1", "c:0"}
                        << QStringList{"name", "next", "open:r"}
                        << QStringList{"There is not any selected address.",
                                       "There is not any selected address",
                                       "There is not any selected address",
                                       "There is not any selected address"}
                        << QStringList{"http://www.tessaron-abc-cto.com"}
                        << QStringList{"http://www.tessaron-abc-rmt.com"}
                        << QStringList{"CodiC=cto", "AdrecaR=http://www.tessaron-abc-rmt.com"};
}

void TestFavouritesModel::openButtonsAndNameLabelsLaunchAsTheTwinSays()
{
    QFETCH(Lang, lang);
    QFETCH(QString, stored);
    QFETCH(QStringList, picks);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, messages);
    QFETCH(QStringList, launched);
    QFETCH(QStringList, opened);
    QFETCH(QStringList, kept);
    Fixture f({stored}, lang);
    f.run({"figure"});
    for (const QString &pick : picks)
        f.model->openPicked(kFamilies[QStringLiteral("rctp").indexOf(pick.at(0))],
                            pick.section(u':', 1).toInt());
    f.run(steps);
    QCOMPARE(f.desktop.messages, messages);
    QStringList launchedAddresses;
    for (const FakeDesktop::Launch &launch : f.desktop.launches) {
        QCOMPARE(launch.program, QStringLiteral("/usr/bin/test-browser"));
        launchedAddresses << launch.address;
    }
    QCOMPARE(launchedAddresses, launched);
    QCOMPARE(f.desktop.opened, opened);
    const QHash<QString, QString> shared{{"CodiR", f.state.CodiR},
                                         {"CodiC", f.state.CodiC},
                                         {"AdrecaR", f.state.AdrecaR},
                                         {"AdrecaT", f.state.AdrecaT}};
    for (const QString &entry : kept)
        QCOMPARE(shared.value(entry.section(u'=', 0, 0)), entry.section(u'=', 1));
}

void TestFavouritesModel::deletingAsksFirst_data()
{
    QTest::addColumn<Lang>("lang");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("labels"); // after the answer
    QTest::addColumn<int>("rowsLeft");
    QTest::addColumn<Mode>("mode");
    QTest::newRow("es no keeps the row")
        << Lang::Spanish << false << "Quieres borrar esta dirección ?"
        << "abc|?|?|?" << 1 << Mode::Name;
    QTest::newRow("en no keeps the row")
        << Lang::English << false << "Do you want to erase this address ?"
        << "abc|?|?|?" << 1 << Mode::Name;
    QTest::newRow("es yes to the last row gives no entries")
        << Lang::Spanish << true << "Quieres borrar esta dirección ?"
        << "?|?|?|?" << 0 << Mode::NoEntries;
    QTest::newRow("en yes to the last row gives no entries")
        << Lang::English << true << "Do you want to erase this address ?"
        << "?|?|?|?" << 0 << Mode::NoEntries;
}

void TestFavouritesModel::deletingAsksFirst()
{
    QFETCH(Lang, lang);
    QFETCH(bool, answer);
    QFETCH(QString, question);
    QFETCH(QString, labels);
    QFETCH(int, rowsLeft);
    QFETCH(Mode, mode);
    Fixture f({"abc:r"}, lang);
    f.desktop.answer = answer;
    QCOMPARE(f.run({"name", "next", "delete:r"}), labels);
    QCOMPARE(f.desktop.questions, QStringList{question});
    QCOMPARE(storedRows(f.storePath()).size(), rowsLeft);
    QCOMPARE(f.model->mode(), mode);
}

void TestFavouritesModel::deletingTakesOnlyTheShownRow_data()
{
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("search");
    QTest::addColumn<QStringList>("left"); // "name|family" of the rows left, in store order
    // A row in capitals comes from another tool; the index compares without letter case.
    QTest::newRow("the same name in capitals stays")
        << QStringList{"ABC:r", "abc:r"} << "abc" << QStringList{"ABC|r"};
    QTest::newRow("the same name in capitals, stored after it, stays")
        << QStringList{"abc:r", "ABC:r"} << "abc" << QStringList{"ABC|r"};
    QTest::newRow("the name's other families stay")
        << QStringList{"abc:rcp"} << "abc" << QStringList{"abc|c", "abc|p"};
    QTest::newRow("a longer name stays")
        << QStringList{"abcd:r", "abc:r"} << "abc" << QStringList{"abcd|r"};
}

// The delete takes the row the four labels show, and no other that the store's
// letter-case-blind index would match.
void TestFavouritesModel::deletingTakesOnlyTheShownRow()
{
    QFETCH(QStringList, rows);
    QFETCH(QString, search);
    QFETCH(QStringList, left);
    Fixture f(rows);
    f.desktop.answer = true;
    QVERIFY(f.run({"name", "search:" + search}).startsWith(search + u'|'));
    f.run({"delete:r"});
    QStringList kept;
    for (const QString &row : storedRows(f.storePath()))
        kept << row.section(u'|', 1);
    QCOMPARE(kept, left);
}

void TestFavouritesModel::aRemovedStoreGivesNoEntries()
{
    Fixture f({"abc:r", "xyz:c"});
    f.run({"name", "next"});
    QVERIFY(QFile::remove(f.storePath()));
    f.run({"next"});
    QCOMPARE(f.model->mode(), Mode::NoEntries);
}

void TestFavouritesModel::aReplacedStoreIsReadAndOnlyTheAskedRowGoes()
{
    Fixture f({"abc:r", "xyz:c"});
    QCOMPARE(f.run({"name", "next"}), QStringLiteral("abc|?|?|?"));
    // While the question is up, a restore puts another store in place.
    f.desktop.onQuestion = [&] {
        QVERIFY(QFile::rename(f.storePath(), f.storePath() + ".old"));
        QVERIFY(createEmptyStore(f.storePath()));
        QVERIFY(execOn(
            f.storePath(),
            {"INSERT INTO AdrecaFig VALUES ('http://www.tessaron-aaa-rkx.com', 'aaa', 'r')"}));
    };
    f.run({"delete:r"});
    // The new store has no abc: nothing of it goes.
    QCOMPARE(storedRows(f.storePath()), QStringList{"http://www.tessaron-aaa-rkx.com|aaa|r"});
    QCOMPARE(f.model->mode(), Mode::Name);
    f.desktop.onQuestion = nullptr;
    QCOMPARE(f.run({"next"}), QStringLiteral("abc|?|?|?"));
}

void TestFavouritesModel::listsAreReadPageByPage()
{
    QStringList rows;
    const int names = 2 * FamilyListModel::kPageSize + 88;
    for (int i = 0; i < names; ++i)
        rows << QStringLiteral("n%1:r").arg(i, 4, 10, QLatin1Char('0'));
    Fixture f(rows + QStringList{"abc:c"});
    f.run({"figure"});
    FamilyListModel *list = f.model->list(Family::R);
    QCOMPARE(list->rowCount(), FamilyListModel::kPageSize);
    QVERIFY(list->canFetchMore({}));
    QCOMPARE(list->name(0), QStringLiteral("n0000"));
    list->fetchMore({});
    QCOMPARE(list->rowCount(), 2 * FamilyListModel::kPageSize);
    QCOMPARE(list->name(2 * FamilyListModel::kPageSize - 1),
             QStringLiteral("n%1").arg(2 * FamilyListModel::kPageSize - 1, 4, 10, QChar('0')));

    // Typing a name's first letters finds it beyond the rows read, as a drop-down
    // searches its list, and what lies between is read with it.
    const auto found = list->match(list->index(0), Qt::DisplayRole, "N059", 1,
                                   Qt::MatchStartsWith | Qt::MatchWrap);
    QCOMPARE(found.size(), 1);
    QCOMPARE(found.first().data().toString(), QStringLiteral("n0590"));
    QCOMPARE(list->rowCount(), 591);
    QVERIFY(list->canFetchMore({}));
    QVERIFY(list->match(list->index(0), Qt::DisplayRole, "x", 1, Qt::MatchStartsWith).isEmpty());
    while (list->canFetchMore({}))
        list->fetchMore({});
    QCOMPARE(namesOf(list).size(), names);
    QCOMPARE(namesOf(list).last(), QStringLiteral("n%1").arg(names - 1, 4, 10, QChar('0')));
    QVERIFY(namesOf(list).indexOf("n0590") == 590); // every row once, in order

    // Leaving and entering figure mode again starts from the first page.
    f.run({"name", "figure"});
    QCOMPARE(list->rowCount(), FamilyListModel::kPageSize);
}

void TestFavouritesModel::rowsNotWrittenHereAreShownButNeverOpened_data()
{
    QTest::addColumn<int>("lang");
    QTest::addColumn<QString>("damaged"); // the message for the row "abd"
    QTest::newRow("es") << int(Lang::Spanish)
                        << "El favorito \"abd\" está dañado: no lo guardó Tessaron y no se "
                           "abrirá. Puedes borrarlo.";
    QTest::newRow("en") << int(Lang::English)
                        << "The favorite \"abd\" is damaged: Tessaron did not save it, and it "
                           "will not be opened. You can delete it.";
}

void TestFavouritesModel::rowsNotWrittenHereAreShownButNeverOpened()
{
    QFETCH(int, lang);
    QFETCH(QString, damaged);
    Fixture f({}, Lang(lang));
    QVERIFY(insertRows(f.storePath(), wellFormedRows() + hostileRows()));
    const QStringList good{"http://www.tessaron-abc-rmt.com", "http://www.tessaron-abc-tlx.com",
                           "http://www.tessaron-zz-pys.com"};
    const auto launched = [&] {
        QStringList all = f.desktop.opened;
        for (const FakeDesktop::Launch &launch : std::as_const(f.desktop.launches))
            all << launch.address;
        return all;
    };

    // Figure mode: every row of the four families is listed, and each open button
    // opens the rows written here and names the others as damaged.
    f.run({"figure"});
    int listed = 0;
    int refused = 0;
    for (Family family : kFamilies) {
        FamilyListModel *list = f.model->list(family);
        for (int row = 0; row < list->rowCount(); ++row) {
            ++listed;
            const qsizetype before = f.desktop.messages.size();
            f.model->openPicked(family, row);
            refused += int(f.desktop.messages.size() - before);
        }
    }
    QCOMPARE(listed, 13); // all but the foreign and the capital family letters
    QCOMPARE(refused, 10);
    QVERIFY(f.desktop.messages.contains(damaged));
    QCOMPARE(launched(), good);

    // Name mode: stepping through every name and clicking every label.
    f.desktop.opened.clear();
    f.desktop.launches.clear();
    f.desktop.messages.clear();
    f.run({"name"});
    QStringList seen;
    for (int step = 0; step < 20; ++step) {
        f.run({"next"});
        const QString shown = f.labels();
        if (seen.contains(shown))
            break;
        seen << shown;
        f.run({"open:r", "open:c", "open:t", "open:p"});
    }
    // "ABC" in r shares its label with "abc" in r, which is written here and shown.
    QCOMPARE(f.desktop.messages.size(), 9);
    QVERIFY(f.desktop.messages.contains(damaged));
    QCOMPARE(launched(), good);

    // A damaged row is deleted as any other.
    f.desktop.messages.clear();
    QCOMPARE(f.run({"search:@evil.example/x"}), QStringLiteral("@evil.example/x|?|?|?"));
    QVERIFY(f.model->labelDamaged(Family::R));
    f.run({"delete:r"});
    QCOMPARE(f.labels(), QStringLiteral("?|?|?|?"));
    QVERIFY(!storedRows(f.storePath()).join(u'\n').contains("@evil.example/x"));
}

QTEST_GUILESS_MAIN(TestFavouritesModel)
#include "tst_favouritesmodel.moc"
