#include "core/cli/favouritesimport.h"

#include "core/cli/bookmarklinkreader.h"
#include "core/cli/csvrecordreader.h"
#include "core/cli/figurelink.h"
#include "core/cli/importinput.h"
#include "core/cli/importtransaction.h"
#include "core/cli/leftoutrows.h"
#include "core/cli/outputsink.h"
#include "core/cli/signallatch.h"
#include "core/cli/terminaltext.h"
#include "core/favourites/favouriterow.h"
#include "core/favourites/favouritesstore.h"
#include "core/favourites/storeerror.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <unistd.h>

namespace tessaron {

namespace {

using namespace std::string_view_literals;

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF"sv;
constexpr std::string_view kDoctype = "<!DOCTYPE NETSCAPE-Bookmark-file-1"sv;
// Enough of the file's beginning to tell a bookmarks file, blank lines before it
// included.
constexpr std::size_t kSniffBytes = 1024;

// Why an import stops with nothing added, short of a store that fails.
struct Stop {
    int status = kUnreadable;
    QString why; // for an unreadable file, what is wrong with it
    int signal = 0;
    static constexpr int kUnreadable = 2;
};

Stop bySignal()
{
    return {1, {}, SignalLatch::caught()};
}

// The reader's answer once a signal that the user did not mean for the import
// (a child's end, a resized terminal) has been waited out.
template <typename Reader> auto nextOf(Reader &reader) -> decltype(reader.next())
{
    for (;;) {
        const auto next = reader.next();
        if (next != Reader::Next::Interrupted || SignalLatch::caught() != 0)
            return next;
    }
}

QString readFailure(const ImportInput &input)
{
    return QStringLiteral("it cannot be read: %1")
        .arg(QString::fromLocal8Bit(std::strerror(input.error())));
}

bool startsWithIgnoringCase(std::string_view text, std::string_view start)
{
    if (text.size() < start.size())
        return false;
    for (std::size_t i = 0; i < start.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(text[i]) != lower(start[i]))
            return false;
    }
    return true;
}

// The counts of an import.
struct Counts {
    qint64 added = 0;
    qint64 present = 0;
    qint64 otherLinks = 0;
};

class Importer {
public:
    Importer(ImportInput &input, LeftOutRows &leftOut) : m_input(input), m_leftOut(leftOut) {}

    // What the file is, from its first bytes; a Stop when it is none of the two.
    enum class Format { Csv, Bookmarks };
    std::optional<Stop> recognise(Format *format);
    std::optional<Stop> importCsv(ImportTransaction &store);
    std::optional<Stop> importBookmarks(ImportTransaction &store);
    [[nodiscard]] const Counts &counts() const { return m_counts; }

private:
    void addRow(ImportTransaction &store, std::string_view address, std::string_view name,
                std::string_view family)
    {
        if (store.add(address, name, family))
            ++m_counts.added;
        else
            ++m_counts.present;
    }

    ImportInput &m_input;
    LeftOutRows &m_leftOut;
    CsvRecordReader m_csv{m_input};
    Counts m_counts;
};

std::optional<Stop> Importer::recognise(Format *format)
{
    ImportInput::Read read;
    while ((read = m_input.fill(kSniffBytes)) == ImportInput::Read::Interrupted) {
        if (SignalLatch::caught() != 0)
            return bySignal();
    }
    if (read == ImportInput::Read::Failed)
        return Stop{Stop::kUnreadable, readFailure(m_input)};
    std::string_view start = m_input.available();
    if (start.empty())
        return Stop{Stop::kUnreadable, QStringLiteral("it is empty")};
    if (start.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        m_input.take(kByteOrderMark.size());
        start = m_input.available();
    }
    const std::size_t text = start.find_first_not_of(" \t\r\n"sv);
    if (text != start.npos && startsWithIgnoringCase(start.substr(text), kDoctype)) {
        *format = Format::Bookmarks;
        return std::nullopt;
    }
    const CsvRecordReader::Next first = nextOf(m_csv);
    if (SignalLatch::caught() != 0)
        return bySignal();
    if (first == CsvRecordReader::Next::Failed)
        return Stop{Stop::kUnreadable, readFailure(m_input)};
    const bool header = first == CsvRecordReader::Next::Record && m_csv.fieldCount() == 3 &&
                        m_csv.field(0) == "address"sv && m_csv.field(1) == "name"sv &&
                        m_csv.field(2) == "family"sv;
    if (!header) {
        return Stop{Stop::kUnreadable,
                    QStringLiteral("it is not a file of favourites: it begins neither with the "
                                   "line address,name,family nor with %1>")
                        .arg(QLatin1StringView(kDoctype.data(), qsizetype(kDoctype.size())))};
    }
    *format = Format::Csv;
    return std::nullopt;
}

std::optional<Stop> Importer::importCsv(ImportTransaction &store)
{
    for (;;) {
        const CsvRecordReader::Next next = nextOf(m_csv);
        if (SignalLatch::caught() != 0)
            return bySignal();
        switch (next) {
        case CsvRecordReader::Next::Record:
            break;
        case CsvRecordReader::Next::End:
            return std::nullopt;
        case CsvRecordReader::Next::TooLong:
            return Stop{Stop::kUnreadable, QStringLiteral("line %1 is longer than %2 bytes")
                                               .arg(m_csv.line())
                                               .arg(CsvRecordReader::kMaxRecordBytes)};
        case CsvRecordReader::Next::Unclosed:
            return Stop{Stop::kUnreadable,
                        QStringLiteral("the quoted field begun on line %1 is never closed")
                            .arg(m_csv.line())};
        case CsvRecordReader::Next::Failed:
        case CsvRecordReader::Next::Interrupted:
            return Stop{Stop::kUnreadable, readFailure(m_input)};
        }
        if (m_csv.fieldCount() != 3) {
            m_leftOut.add(QStringLiteral("line %1,").arg(m_csv.line()),
                          QStringLiteral("which has %1 fields, not the 3 of address,name,family")
                              .arg(m_csv.fieldCount()));
            continue;
        }
        const std::string_view address = m_csv.field(0);
        const std::string_view name = m_csv.field(1);
        const std::string_view family = m_csv.field(2);
        if (const RowFault fault = rowFault(name, family, address); fault != RowFault::None) {
            m_leftOut.add(
                QStringLiteral("line %1, a row this program would not write").arg(m_csv.line()),
                fault, name, family, address);
            continue;
        }
        addRow(store, address, name, family);
    }
}

std::optional<Stop> Importer::importBookmarks(ImportTransaction &store)
{
    BookmarkLinkReader links(m_input);
    for (;;) {
        const BookmarkLinkReader::Next next = nextOf(links);
        if (SignalLatch::caught() != 0)
            return bySignal();
        switch (next) {
        case BookmarkLinkReader::Next::Link:
            break;
        case BookmarkLinkReader::Next::End:
            return std::nullopt;
        case BookmarkLinkReader::Next::TooLong:
            return Stop{Stop::kUnreadable, QStringLiteral("the tag begun on line %1 is longer "
                                                          "than %2 bytes")
                                               .arg(links.line())
                                               .arg(BookmarkLinkReader::kMaxTagBytes)};
        case BookmarkLinkReader::Next::Failed:
        case BookmarkLinkReader::Next::Interrupted:
            return Stop{Stop::kUnreadable, readFailure(m_input)};
        }
        const FigureLink link = readFigureLink(links.address());
        if (!link.looksLikeFigure) {
            ++m_counts.otherLinks; // a browser's file holds many pages of every kind
            continue;
        }
        if (const RowFault fault = rowFault(link.name, link.family, link.address);
            fault != RowFault::None) {
            m_leftOut.add(QStringLiteral("the link on line %1, a figure address this program "
                                         "would not write")
                              .arg(links.line()),
                          fault, link.name, link.family, link.address);
            continue;
        }
        addRow(store, link.address, link.name, link.family);
    }
}

QString signalName(int signal)
{
    switch (signal) {
    case SIGTERM:
        return QStringLiteral("SIGTERM");
    case SIGINT:
        return QStringLiteral("SIGINT");
    case SIGHUP:
        return QStringLiteral("SIGHUP");
    default:
        return QStringLiteral("signal %1").arg(signal);
    }
}

ImportOutcome importFrom(int input, const QString &shownName, FavouritesStore &favourites,
                         OutputSink &err)
{
    ImportInput in(input);
    LeftOutRows leftOut(err);
    Importer importer(in, leftOut);
    const auto stopped = [&](const Stop &stop) {
        if (stop.signal != 0)
            err << QStringLiteral("tessaron: %1: ended by %2; nothing was imported\n")
                       .arg(shownName, signalName(stop.signal));
        else
            err << QStringLiteral("tessaron: %1: %2; nothing was imported\n")
                       .arg(shownName, stop.why);
        return ImportOutcome{.status = stop.status, .signal = stop.signal};
    };

    Importer::Format format = Importer::Format::Csv;
    if (const std::optional<Stop> stop = importer.recognise(&format))
        return stopped(*stop);
    try {
        ImportTransaction store(favourites.locateOrMakeFromTemplate().path);
        const std::optional<Stop> stop = format == Importer::Format::Csv
                                             ? importer.importCsv(store)
                                             : importer.importBookmarks(store);
        if (stop)
            return stopped(*stop); // the transaction is rolled back as it goes
        if (SignalLatch::caught() != 0)
            return stopped(bySignal());
        store.commit();
    } catch (const StoreError &error) {
        if (SignalLatch::caught() != 0) // the wait for the store was broken off
            return stopped(bySignal());
        err << QStringLiteral("tessaron: the favourites cannot be written: %1; nothing was "
                              "imported\n")
                   .arg(
                       printable(favourites.commandLineProblem(favourites.explained(error)), 4096));
        return {.status = 1};
    }
    leftOut.finish();
    const Counts &counts = importer.counts();
    err << QStringLiteral("tessaron: imported %1: %2 added, %3 already there, %4 left out, %5 "
                          "links not figure addresses\n")
               // In one pass: a file name may hold "%2" itself.
               .arg(shownName, QString::number(counts.added), QString::number(counts.present),
                    QString::number(leftOut.count()), QString::number(counts.otherLinks));
    return {.status = leftOut.count() == 0 ? 0 : 1,
            .committed = true,
            .added = counts.added,
            .present = counts.present,
            .leftOut = leftOut.count(),
            .otherLinks = counts.otherLinks};
}

} // namespace

ImportOutcome importFavourites(const QString &file, int input, FavouritesStore &store,
                               OutputSink &err)
{
    SignalLatch latch; // from here on, a signal undoes the import instead of cutting it
    if (file == u"-")
        return importFrom(input, QStringLiteral("standard input"), store, err);
    const QString shown = printable(file, 4096);
    const int fd = ::open(encodeBytes(file).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0 && errno == EINTR && SignalLatch::caught() != 0)
        return {.status = 1, .signal = SignalLatch::caught()}; // a pipe with no writer yet
    if (fd < 0) {
        err << QStringLiteral("tessaron: %1: it cannot be read: %2; nothing was imported\n")
                   .arg(shown, QString::fromLocal8Bit(std::strerror(errno)));
        return {.status = 2};
    }
    const ImportOutcome outcome = importFrom(fd, shown, store, err);
    ::close(fd);
    return outcome;
}

} // namespace tessaron
