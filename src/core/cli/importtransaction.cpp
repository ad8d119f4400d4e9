#include "core/cli/importtransaction.h"

#include "core/cli/signallatch.h"
#include "core/favourites/favouritescursor.h"
#include "core/favourites/storeerror.h"

#include <sqlite3.h>
#include <unistd.h>

namespace tessaron {

namespace {

constexpr int kBusyStepMs = 10;

// Waits for another program that holds the store, as the windows do, unless the
// user has asked the import to end.
int waitWhileBusy(void *, int tries)
{
    if (SignalLatch::caught() != 0 || tries * kBusyStepMs >= kBusyTimeoutMs)
        return 0;
    ::usleep(kBusyStepMs * 1000);
    return 1;
}

} // namespace

void ImportTransaction::Finish::operator()(sqlite3_stmt *statement) const
{
    sqlite3_finalize(statement);
}

ImportTransaction::ImportTransaction(const QString &path)
    : m_db(path, StoreConnection::Access::ReadWrite, StoreError::Kind::Engine)
{
    sqlite3_busy_handler(m_db.get(), waitWhileBusy, nullptr);
    // SQLite opens a file it may not write for reading alone, without a word.
    if (sqlite3_db_readonly(m_db.get(), "main") == 1) {
        throw StoreError(StoreError::Kind::Engine, StoreError::Cause::ReadOnly, m_db.path(),
                         QStringLiteral("it is read-only"));
    }
    m_db.requireTable();
    sqlite3_stmt *insert = nullptr;
    const int prepared = sqlite3_prepare_v2(
        m_db.get(), "INSERT OR IGNORE INTO AdrecaFig (Adreca, nom, figura) VALUES (?, ?, ?)", -1,
        &insert, nullptr);
    m_insert.reset(insert);
    if (prepared != SQLITE_OK)
        m_db.fail(prepared);
    // Immediate: the store is taken for writing now, not at the first new row.
    exec("BEGIN IMMEDIATE");
    m_open = true;
}

ImportTransaction::~ImportTransaction()
{
    m_insert.reset();
    if (!m_open || sqlite3_exec(m_db.get(), "ROLLBACK", nullptr, nullptr, nullptr) == SQLITE_OK)
        return;
    // After a failed write (a full disk) SQLite leaves the undoing to its journal
    // and the next connection that reads the store. It is done here and now, so
    // that the store is as it was once the program ends, for readers that may not
    // write (the exports) as well.
    m_db.close();
    StoreConnection::undoUnfinishedWrite(m_db.path(), waitWhileBusy);
}

void ImportTransaction::exec(const char *sql)
{
    const int result = sqlite3_exec(m_db.get(), sql, nullptr, nullptr, nullptr);
    if (result != SQLITE_OK)
        m_db.fail(result);
}

bool ImportTransaction::add(std::string_view address, std::string_view name,
                            std::string_view family)
{
    sqlite3_stmt *insert = m_insert.get();
    sqlite3_bind_text(insert, 1, address.data(), int(address.size()), SQLITE_STATIC);
    sqlite3_bind_text(insert, 2, name.data(), int(name.size()), SQLITE_STATIC);
    sqlite3_bind_text(insert, 3, family.data(), int(family.size()), SQLITE_STATIC);
    const int result = sqlite3_step(insert);
    if (result != SQLITE_DONE)
        m_db.fail(result);
    sqlite3_reset(insert);
    return sqlite3_changes(m_db.get()) == 1;
}

void ImportTransaction::commit()
{
    m_insert.reset();
    exec("COMMIT");
    m_open = false;
}

} // namespace tessaron
