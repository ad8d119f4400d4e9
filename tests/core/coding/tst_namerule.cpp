// One table of names through every place that decides whether a name is kept: the
// window's name entry, `--codes NAME`, `--codes -` (its byte path and its text
// path), and the rule a stored row must follow. A place that held a looser copy of
// the rule (a leading hyphen let through, a capital stored) fails here.
#include "core/cli/codestream.h"
#include "core/cli/commandline.h"
#include "core/cli/favouritesimport.h"
#include "core/cli/outputsink.h"
#include "core/cli/runcommand.h"
#include "core/coding/addresses.h"
#include "core/coding/figurecoding.h"
#include "core/coding/namecheck.h"
#include "core/favourites/favouriterow.h"
#include "core/favourites/favouritescursor.h"
#include "core/favourites/favouritesstore.h"
#include "core/models/nameentry.h"
#include "support/fakedesktop.h"
#include "support/storehelper.h"

#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>

#include <unistd.h>

using namespace tessaron;

namespace {

struct Outcome {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

// Runs `command` with `input` on its standard input and files for its outputs.
template <typename Command> Outcome capture(const QByteArray &input, Command command)
{
    QTemporaryFile in;
    QTemporaryFile out;
    QTemporaryFile err;
    if (!in.open() || !out.open() || !err.open() || in.write(input) != input.size() ||
        !in.flush() || !in.seek(0))
        return {};
    Outcome outcome;
    outcome.status = command(::dup(in.handle()), ::dup(out.handle()), ::dup(err.handle()));
    outcome.out = out.seek(0) ? out.readAll() : QByteArray();
    outcome.err = err.seek(0) ? err.readAll() : QByteArray();
    return outcome;
}

// The four lines the command line prints for a kept name, in lower case.
QByteArray codeLines(const QString &lowerName)
{
    QByteArray lines;
    for (Family family : kFamilies) {
        const QString code = figureCode(family, lowerName);
        lines +=
            (familyLetter(family) + u'\t' + code + u'\t' + figureAddress(lowerName, code) + u'\n')
                .toUtf8();
    }
    return lines;
}

} // namespace

class TestNameRule : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyPlaceKeepsTheSameNames_data();
    void everyPlaceKeepsTheSameNames();
};

void TestNameRule::everyPlaceKeepsTheSameNames_data()
{
    QTest::addColumn<QByteArray>("utf8"); // the name as bytes, as a file or a pipe holds it
    QTest::addColumn<bool>("kept");
    const auto row = [](const char *title, const QByteArray &name, bool kept) {
        QTest::newRow(title) << name << kept;
    };
    row("letters", "abc", true);
    row("one character", "a", true);
    row("digits first", "0abc", true);
    row("a hyphen inside", "a-b", true);
    row("two hyphens inside", "a--b", true);
    row("a hyphen last", "abc-", true);
    row("capitals, kept as small letters", "AbC", true);
    row("40 characters", QByteArray(40, 'a'), true);
    row("40 characters, capitals", QByteArray(40, 'Z'), true);
    row("empty", "", false);
    row("a hyphen first", "-abc", false);
    row("only a hyphen", "-", false);
    row("a hyphen first, then capitals", "-ABC", false);
    row("41 characters", QByteArray(41, 'a'), false);
    row("a space", "a b", false);
    row("an underscore", "a_b", false);
    row("a dot", "a.b", false);
    row("an accented letter", "caf\xc3\xa9", false);
    row("the Kelvin sign, which Unicode lowers to k", "\xe2\x84\xaa", false);
    row("a full-width letter", "\xef\xbd\x81", false);
    row("a letter beyond the first plane", "a\xf0\x9f\x98\x80", false);
    row("a NUL byte", QByteArray("a\0b", 3), false);
    row("an escape", "a\x1b[31m", false);
    row("a byte that is not UTF-8", "ab\xff", false);
    row("a tab", "a\tb", false);
}

void TestNameRule::everyPlaceKeepsTheSameNames()
{
    QFETCH(QByteArray, utf8);
    QFETCH(bool, kept);
    const QString name = QString::fromUtf8(utf8);
    const QString lower = asciiLowerText(name);

    // The rule itself, over its two views.
    QCOMPARE(
        isKeptName(std::string_view(utf8.constData(), std::size_t(utf8.size())), Capitals::Allowed),
        kept);
    QCOMPARE(isKeptName(name, Capitals::Allowed), kept);

    // The window's name entry: a kept name is taken as typed, without a message.
    FakeDesktop desktop;
    QObject window;
    NameEntry entry(Lang::English, CheckWindow::Main, desktop, &window);
    entry.check(name);
    QCOMPARE(desktop.messages.isEmpty() && !entry.name().isEmpty(), kept);
    if (kept)
        QCOMPARE(entry.name(), lower);

    // `--codes NAME`, as the command line parses and runs it ("-" alone there means
    // the names come from standard input).
    const Outcome given = capture({}, [&](int in, int out, int err) {
        return runCommand(parseCommandLine({"tessaron", "--codes", name}), QString(),
                          {in, out, err});
    });
    if (name != u"-") {
        QCOMPARE(given.status, kept ? 0 : 2);
        QCOMPARE(given.out, kept ? codeLines(lower) : QByteArray());
    }

    // `--codes -`: the name alone, and after a plain name so that it is read from
    // the middle of the buffer, with a line feed and with the Windows line end.
    for (const bool afterAName : {false, true}) {
        const QByteArray input = afterAName ? "abc\n" + utf8 + "\r\n" : utf8 + '\n';
        const Outcome streamed = capture(input, streamCodes);
        QCOMPARE(streamed.status, kept ? 0 : 2);
        const QByteArray before = afterAName ? codeLines("abc") : QByteArray();
        QCOMPARE(streamed.out, before + (kept ? codeLines(lower) : QByteArray()));
        QCOMPARE(streamed.err.isEmpty(), kept);
    }

    // A stored row: the lower-case name with its address is well formed; the name
    // as typed, capitals and all, is not.
    for (Family family : kFamilies) {
        const QString address = figureAddress(lower, figureCode(family, lower));
        QCOMPARE(rowFault(lower, familyLetter(family), address) == RowFault::None, kept);
        if (lower != name)
            QCOMPARE(rowFault(name, familyLetter(family), address), RowFault::Name);
    }

    // The import of the program's CSV: the row of the lower-case name enters the
    // store when the name is kept, and the name as typed, capitals and all, never.
    const QString address = figureAddress(lower, figureCode(Family::T, lower));
    const QByteArray lowerRow = (address + u',').toUtf8() + lower.toUtf8() + ",t\r\n";
    const QByteArray typedRow = (address + u',').toUtf8() + utf8 + ",t\r\n";
    for (const QByteArray &row : {lowerRow, typedRow}) {
        QTemporaryDir programDir;
        const QString storePath = programDir.filePath("TESSARON.MDB");
        QVERIFY(createEmptyStore(storePath));
        const Outcome imported =
            capture("address,name,family\r\n" + row, [&](int in, int out, int err) {
                FavouritesStore store(programDir.path());
                OutputSink errors(err, QStringLiteral("standard error"));
                const int status = importFavourites(QStringLiteral("-"), in, store, errors).status;
                ::close(in);
                ::close(out);
                return errors.finish() ? status : -1;
            });
        const bool enters = kept && (row == lowerRow || lower == name);
        QCOMPARE(imported.status == 0, enters);
        QCOMPARE(storedRows(storePath),
                 enters ? QStringList{address + u'|' + lower + QStringLiteral("|t")}
                        : QStringList());
    }
}

QTEST_GUILESS_MAIN(TestNameRule)
#include "tst_namerule.moc"
