#pragma once

#include "core/favourites/storeconnection.h"

#include <QString>

#include <memory>
#include <string_view>

struct sqlite3_stmt;

namespace tessaron {

// The import's one transaction on the store, through SQLite itself: every row of
// a file goes in or none does. The store is opened for writing (never made:
// the file and its table must be there) and the transaction begun at once, so
// that a store held by another copy of the program is waited for, up to
// kBusyTimeoutMs, before any row is read; a signal caught meanwhile ends the
// wait. Whatever has not been committed when it goes is rolled back, and a
// kill that gives no time for that leaves SQLite's journal to undo it on the
// next open. Failures are thrown as StoreError, with the causes the cursor gives.
class ImportTransaction {
public:
    explicit ImportTransaction(const QString &path);
    ~ImportTransaction();
    ImportTransaction(const ImportTransaction &) = delete;
    ImportTransaction &operator=(const ImportTransaction &) = delete;

    // Adds a row; false when its address is stored already, which leaves the
    // store as it was.
    [[nodiscard]] bool add(std::string_view address, std::string_view name,
                           std::string_view family);
    void commit();

private:
    void exec(const char *sql);

    struct Finish {
        void operator()(sqlite3_stmt *statement) const;
    };
    StoreConnection m_db;
    std::unique_ptr<sqlite3_stmt, Finish> m_insert;
    bool m_open = false; // the transaction is begun and not yet ended
};

} // namespace tessaron
