#include "core/cli/favouritesexport.h"

#include "core/cli/leftoutrows.h"
#include "core/cli/outputsink.h"
#include "core/cli/terminaltext.h"
#include "core/coding/family.h"
#include "core/favourites/favouriterow.h"
#include "core/favourites/favouritesstore.h"
#include "core/favourites/storeerror.h"
#include "core/favourites/storereader.h"

#include <QTemporaryFile>

#include <array>
#include <memory>

namespace tessaron {

namespace {

using namespace std::string_view_literals;

const QString kStoreRow = QStringLiteral("a row this program did not write");

// The bookmarks of one family, kept in a temporary file while the store is read
// in name order, so that the families come out one folder after another from a
// single read and nothing grows in memory.
class SpillFile {
public:
    SpillFile &operator<<(std::string_view bytes)
    {
        m_pending.append(bytes.data(), qsizetype(bytes.size()));
        if (m_pending.size() >= kBlock)
            spill();
        return *this;
    }
    [[nodiscard]] bool empty() const { return !m_file && m_pending.isEmpty(); }
    // Appends what it holds to `out`; false, with `why`, when the file failed.
    bool copyTo(OutputSink &out, QString *why)
    {
        if (!m_file) {
            out << m_pending;
            return true;
        }
        if (!spill() || !m_file->seek(0)) {
            *why = m_file->errorString();
            return false;
        }
        QByteArray block(kBlock, Qt::Uninitialized);
        for (;;) {
            const qint64 got = m_file->read(block.data(), kBlock);
            if (got < 0) {
                *why = m_file->errorString();
                return false;
            }
            if (got == 0)
                return true;
            out << std::string_view(block.constData(), std::size_t(got));
        }
    }

private:
    static constexpr qsizetype kBlock = 64 * 1024;
    bool spill()
    {
        if (!m_file) {
            m_file = std::make_unique<QTemporaryFile>();
            m_failed = !m_file->open();
        }
        if (!m_failed && !m_pending.isEmpty())
            m_failed = m_file->write(m_pending) != m_pending.size();
        m_pending.resize(0);
        return !m_failed;
    }
    QByteArray m_pending;
    std::unique_ptr<QTemporaryFile> m_file;
    bool m_failed = false;
};

// Only well-formed rows are written: a name and an address of small letters,
// digits, hyphens and the address's ":/.", which neither CSV nor HTML needs to
// quote or escape.
template <typename Sink>
void writeBookmark(Sink &out, std::string_view name, std::string_view address, std::size_t family)
{
    out << "        <DT><A HREF=\""sv << address << "\">"sv << name << " ("sv
        << kFamilyTable[family].englishWords << ")</A>\n"sv;
}

void openFolder(OutputSink &out, std::size_t family)
{
    out << "    <DT><H3>Tessaron: "sv << kFamilyTable[family].englishWords
        << "</H3>\n    <DL><p>\n"sv;
}

void writeCsv(StoreReader &store, OutputSink &out, LeftOutRows &leftOut)
{
    out << "address,name,family\r\n"sv;
    store.forEachRow([&](std::string_view name, std::string_view family, std::string_view address) {
        if (const RowFault fault = rowFault(name, family, address); fault != RowFault::None) {
            leftOut.add(kStoreRow, fault, name, family, address);
            return;
        }
        out << address << ',' << name << ',' << family << "\r\n"sv;
    });
}

// False, with `why`, when a temporary file failed.
bool writeHtml(StoreReader &store, OutputSink &out, LeftOutRows &leftOut, QString *why)
{
    out << "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n"
           "<!-- Tessaron's favourites, one folder for each figure family. -->\n"
           "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">\n"
           "<TITLE>Tessaron</TITLE>\n"
           "<H1>Tessaron</H1>\n"
           "<DL><p>\n"sv;
    // The first folder goes straight out; the others wait in files of their own.
    bool firstOpened = false;
    std::array<SpillFile, 3> later;
    store.forEachRow([&](std::string_view name, std::string_view family, std::string_view address) {
        if (const RowFault fault = rowFault(name, family, address); fault != RowFault::None) {
            leftOut.add(kStoreRow, fault, name, family, address);
            return;
        }
        // A well-formed row's family is known.
        const auto index = static_cast<std::size_t>(familyOfLetter(family).value_or(Family::R));
        if (index > 0) {
            writeBookmark(later[index - 1], name, address, index);
            return;
        }
        if (!firstOpened) {
            openFolder(out, 0);
            firstOpened = true;
        }
        writeBookmark(out, name, address, 0);
    });
    if (firstOpened)
        out << "    </DL><p>\n"sv;
    for (std::size_t i = 0; i < later.size(); ++i) {
        if (later[i].empty())
            continue;
        openFolder(out, i + 1);
        if (!later[i].copyTo(out, why))
            return false;
        out << "    </DL><p>\n"sv;
    }
    out << "</DL><p>\n"sv;
    return true;
}

} // namespace

int exportFavourites(ExportFormat format, FavouritesStore &favourites, OutputSink &out,
                     OutputSink &err)
{
    LeftOutRows leftOut(err);
    QString spillProblem;
    try {
        StoreReader store(favourites.locateOrMakeFromTemplate().path);
        if (format == ExportFormat::Csv)
            writeCsv(store, out, leftOut);
        else if (!writeHtml(store, out, leftOut, &spillProblem))
            err << QStringLiteral("tessaron: cannot write a temporary file: %1\n")
                       .arg(spillProblem);
    } catch (const StoreError &error) {
        err << QStringLiteral("tessaron: the favourites cannot be read: %1\n")
                   .arg(
                       printable(favourites.commandLineProblem(favourites.explained(error)), 4096));
        return 1;
    }
    leftOut.finish();
    err.flush(); // the rows left out are said before anything about the output
    if (!out.finish())
        return endAfterFailedOutput(out);
    return leftOut.count() == 0 && spillProblem.isEmpty() ? 0 : 1;
}

} // namespace tessaron
