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
// import) leaves its journal behind, and only a connection that may write can
// use it to put the store back as it was; a reader alone would fail. That is
// done first, as any window's connection would do it.
void undoAnUnfinishedWrite(const QString &path)
{
    if (!QFile::exists(path + QStringLiteral("-journal")))
        return;
    sqlite3 *db = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READWRITE, nullptr) ==
        SQLITE_OK) {
        sqlite3_busy_timeout(db, kBusyTimeoutMs);
        sqlite3_exec(db, "PRAGMA schema_version", nullptr, nullptr, nullptr);
    }
    sqlite3_close(db);
}

} // namespace

StoreReader::StoreReader(const QString &path) : m_path(path)
{
    requireStoreFile(path);
    undoAnUnfinishedWrite(path);
    sqlite3 *db = nullptr;
    const int opened =
        sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    m_db.reset(db); // a failed open still leaves a handle to close
    if (opened != SQLITE_OK)
        fail(opened);
    // Another copy of the program may be writing: wait for it as the windows do.
    sqlite3_busy_timeout(m_db.get(), kBusyTimeoutMs);
    int result = SQLITE_OK;
    Statement table(m_db.get(),
                    "SELECT name FROM sqlite_master WHERE type = 'table' AND "
                    "name = 'AdrecaFig' COLLATE NOCASE",
                    &result);
    if (result != SQLITE_OK)
        fail(result);
    result = sqlite3_step(table.get());
    if (result == SQLITE_DONE) {
        throw StoreError(StoreError::Kind::CannotOpen, StoreError::Cause::NoTable, m_path,
                         QStringLiteral("it holds no table AdrecaFig"));
    }
    if (result != SQLITE_ROW)
        fail(result);
}

StoreReader::~StoreReader() = default;

void StoreReader::Close::operator()(sqlite3 *db) const
{
    sqlite3_close(db);
}

void StoreReader::fail(int code) const
{
    const QString reason = m_db ? QString::fromUtf8(sqlite3_errmsg(m_db.get()))
                                : QString::fromUtf8(sqlite3_errstr(code));
    const StoreError::Cause cause = StoreError::causeOfEngineCode(code);
    throw StoreError(StoreError::Kind::CannotOpen, cause, m_path, reason);
}

void StoreReader::forEachRow(const RowVisitor &visit)
{
    int result = SQLITE_OK;
    Statement rows(m_db.get(),
                   "SELECT nom, figura, Adreca FROM AdrecaFig ORDER BY nom, figura, Adreca",
                   &result);
    if (result != SQLITE_OK)
        fail(result);
    while ((result = sqlite3_step(rows.get())) == SQLITE_ROW)
        visit(column(rows.get(), 0), column(rows.get(), 1), column(rows.get(), 2));
    if (result != SQLITE_DONE)
        fail(result);
}

} // namespace tessaron
