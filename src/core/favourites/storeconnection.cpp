#include "core/favourites/storeconnection.h"

#include "core/favourites/favouritescursor.h"

#include <QFile>

#include <sqlite3.h>

namespace tessaron {

namespace {

sqlite3 *openFile(const QString &path, int flags, int *result)
{
    sqlite3 *db = nullptr;
    *result = sqlite3_open_v2(QFile::encodeName(path).constData(), &db, flags, nullptr);
    return db; // a failed open still leaves a handle to close
}

} // namespace

StoreError noTableError(const QString &path)
{
    return StoreError(StoreError::Kind::CannotOpen, StoreError::Cause::NoTable, path,
                      QStringLiteral("it holds no table AdrecaFig"));
}

StoreConnection::StoreConnection(const QString &path, Access access, StoreError::Kind failureKind)
    : m_path(path), m_failureKind(failureKind)
{
    requireStoreFile(path);
    int opened = SQLITE_OK;
    m_db.reset(openFile(
        path, access == Access::ReadOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE, &opened));
    if (opened != SQLITE_OK)
        fail(opened);
}

StoreConnection::~StoreConnection() = default;

void StoreConnection::Close::operator()(sqlite3 *db) const
{
    sqlite3_close(db);
}

void StoreConnection::requireTable() const
{
    sqlite3_stmt *statement = nullptr;
    int result = sqlite3_prepare_v2(m_db.get(), kFindStoreTable, -1, &statement, nullptr);
    if (result == SQLITE_OK)
        result = sqlite3_step(statement);
    sqlite3_finalize(statement);
    if (result == SQLITE_DONE)
        throw noTableError(m_path);
    if (result != SQLITE_ROW)
        fail(result);
}

void StoreConnection::fail(int code) const
{
    const QString reason = m_db ? QString::fromUtf8(sqlite3_errmsg(m_db.get()))
                                : QString::fromUtf8(sqlite3_errstr(code));
    throw StoreError(m_failureKind, StoreError::causeOfEngineCode(code), m_path, reason);
}

void StoreConnection::undoUnfinishedWrite(const QString &path, int (*wait)(void *, int))
{
    int opened = SQLITE_OK;
    sqlite3 *db = openFile(path, SQLITE_OPEN_READWRITE, &opened);
    if (opened == SQLITE_OK) {
        if (wait)
            sqlite3_busy_handler(db, wait, nullptr);
        else
            sqlite3_busy_timeout(db, kBusyTimeoutMs);
        // Any read of the schema makes SQLite play the journal back.
        sqlite3_exec(db, "PRAGMA schema_version", nullptr, nullptr, nullptr);
    }
    sqlite3_close(db);
}

} // namespace tessaron
