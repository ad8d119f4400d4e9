#pragma once

#include "core/favourites/storeerror.h"

#include <QString>

#include <memory>

struct sqlite3;

namespace tessaron {

// The query that finds the store's table, whatever its letter case, and the
// failure when a database has none: every way of opening the store asks and
// answers alike.
inline constexpr char kFindStoreTable[] = "SELECT name FROM sqlite_master WHERE type = 'table' "
                                          "AND name = 'AdrecaFig' COLLATE NOCASE";
[[nodiscard]] StoreError noTableError(const QString &path);

// A connection to the store file through SQLite itself, for the exports and the
// import, which go around Qt's driver for speed and for one transaction. The
// file must be there, as the cursor requires it: it is never made. Failures
// are thrown as StoreError of the kind given, in SQLite's own words.
class StoreConnection {
public:
    enum class Access { ReadOnly, ReadWrite };
    StoreConnection(const QString &path, Access access, StoreError::Kind failureKind);
    ~StoreConnection();
    StoreConnection(const StoreConnection &) = delete;
    StoreConnection &operator=(const StoreConnection &) = delete;

    [[nodiscard]] sqlite3 *get() const { return m_db.get(); }
    [[nodiscard]] const QString &path() const { return m_path; }
    // Fails unless the database holds the store's table.
    void requireTable() const;
    // Throws the engine's result `code` as this connection's failure.
    [[noreturn]] void fail(int code) const;
    void close() { m_db.reset(); }

    // Has SQLite put the store back as it was before a write that did not end
    // (a program killed as it wrote, a disk that filled): only a connection
    // that may write can use the journal left behind, so a reader alone would
    // fail. `wait` answers SQLite while another program holds the store; by
    // default the windows' wait.
    static void undoUnfinishedWrite(const QString &path, int (*wait)(void *, int) = nullptr);

private:
    struct Close {
        void operator()(sqlite3 *db) const;
    };
    QString m_path;
    StoreError::Kind m_failureKind;
    std::unique_ptr<sqlite3, Close> m_db;
};

} // namespace tessaron
