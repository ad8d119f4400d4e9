#include "core/favourites/storereader.h"

#include "core/favourites/favouritescursor.h"
#include "core/favourites/storeerror.h"

#include <QFile>

#include <sqlite3.h>

namespace tessaron {

namespace {

// A prepared statement, finished however the read ends.
class Statement {
public:
    Statement(sqlite3 *db, const char *sql, int *result)
    {
        *result = sqlite3_prepare_v2(db, sql, -1, &m_statement, nullptr);
    }
    ~Statement() { sqlite3_finalize(m_statement); }
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;
    [[nodiscard]] sqlite3_stmt *get() const { return m_statement; }

private:
    sqlite3_stmt *m_statement = nullptr;
};

std::string_view column(sqlite3_stmt *statement, int index)
{
    // The text first, then its length: asking for the length first may convert twice.
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(statement, index));
    const int bytes = sqlite3_column_bytes(statement, index);
    return text ? std::string_view(text, std::size_t(bytes)) : std::string_view();
}

// A program killed while it wrote the store (a kill -9 in the middle of an
// import) leaves its journal behind: it is played back first, as any window's
// connection would do.
const QString &withUnfinishedWriteUndone(const QString &path)
{
    requireStoreFile(path);
    if (QFile::exists(path + QStringLiteral("-journal")))
        StoreConnection::undoUnfinishedWrite(path);
    return path;
}

} // namespace

StoreReader::StoreReader(const QString &path)
    : m_db(withUnfinishedWriteUndone(path), StoreConnection::Access::ReadOnly,
           StoreError::Kind::CannotOpen)
{
    // Another copy of the program may be writing: wait for it as the windows do.
    sqlite3_busy_timeout(m_db.get(), kBusyTimeoutMs);
    m_db.requireTable();
}

StoreReader::~StoreReader() = default;

void StoreReader::forEachRow(const RowVisitor &visit)
{
    int result = SQLITE_OK;
    Statement rows(m_db.get(),
                   "SELECT nom, figura, Adreca FROM AdrecaFig ORDER BY nom, figura, Adreca",
                   &result);
    if (result != SQLITE_OK)
        m_db.fail(result);
    while ((result = sqlite3_step(rows.get())) == SQLITE_ROW)
        visit(column(rows.get(), 0), column(rows.get(), 1), column(rows.get(), 2));
    if (result != SQLITE_DONE)
        m_db.fail(result);
}

} // namespace tessaron
