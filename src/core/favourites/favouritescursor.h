#pragma once

#include "core/favourites/storeerror.h"

#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>

namespace tessaron {

// One row as the store holds it: untrusted, see favouriterow.h.
struct StoredRow {
    QString nom;
    QString figura;
    QString adreca;
};

// A second copy of the program may be writing: wait this long before giving up.
inline constexpr int kBusyTimeoutMs = 5000;

// One window's cursor on the table `AdrecaFig`, in the order of `nom`, then
// `figura` (then `Adreca`, so the order is total). Every move is one indexed
// lookup from the current row's key: nothing loads the table into memory, and a
// step costs the same on ten rows or a million. A move that finds no row (an empty
// table, or the end reached) gives nothing; failures of the store are thrown as
// StoreError.
class FavouritesCursor {
public:
    FavouritesCursor();
    ~FavouritesCursor();
    FavouritesCursor(const FavouritesCursor &) = delete;
    FavouritesCursor &operator=(const FavouritesCursor &) = delete;

    // Whether a statement waits while another copy of the program holds the store.
    enum class Wait { ForOtherCopies, No };

    // Opens the store file on its table and stands on the first row. The file
    // and the table must exist: the cursor never creates them. With Wait::No a
    // store that another program holds fails at once as Locked.
    void open(const QString &path, Wait wait = Wait::ForOtherCopies);
    [[nodiscard]] bool isOpen() const { return m_open; }
    void close();

    // Each move stands on a row and gives it; nothing when there is no row there:
    // the table is empty, or the step would go past an end (the cursor then stands
    // beyond that end).
    std::optional<StoredRow> moveFirst();
    std::optional<StoredRow> moveLast();
    std::optional<StoredRow> moveNext();
    std::optional<StoredRow> movePrevious();
    [[nodiscard]] bool atBegin() const
    {
        return m_position == Position::BeforeFirst || m_position == Position::Empty;
    }
    [[nodiscard]] bool atEnd() const
    {
        return m_position == Position::AfterLast || m_position == Position::Empty;
    }

    // The row the cursor stands on; nothing beyond an end, on a deleted row, or
    // in an empty table.
    [[nodiscard]] std::optional<StoredRow> current() const;
    // The current row's name and family; asking with no current row is a fault of
    // the caller's, thrown as NoRow.
    [[nodiscard]] QString currentName() const;
    [[nodiscard]] QString currentFamily() const;
    [[nodiscard]] const StoredRow &currentRow() const { return currentKey(); }

    // The first (last) row whose name equals `name`, letter case ignored. When
    // none matches the cursor's position is left unspecified; false then.
    bool findFirst(const QString &name);
    bool findLast(const QString &name);

    // The rows whose name is exactly `name`, letter case counting, in store order.
    [[nodiscard]] QList<StoredRow> rowsNamed(const QString &name);
    // Up to `limit` rows of one family (`family` a letter) in store order, those
    // after `after` when it is given: one page of a list, however long the store.
    [[nodiscard]] QList<StoredRow> rowsOfFamily(const QString &family,
                                                const std::optional<StoredRow> &after, int limit);
    // The rows of one family after `after` up to and including `last`.
    [[nodiscard]] QList<StoredRow> rowsOfFamilyThrough(const QString &family,
                                                       const std::optional<StoredRow> &after,
                                                       const StoredRow &last);
    // The first row of one family after `after` whose name does not sort before
    // `name` (letter case ignored, as the store orders names).
    [[nodiscard]] std::optional<StoredRow> firstOfFamilyFrom(const QString &family,
                                                             const std::optional<StoredRow> &after,
                                                             const QString &name);
    // Stands on the first row whose name is exactly `name` and whose family is
    // `family`; false, and the cursor unmoved, when there is none.
    bool findExact(const QString &name, const QString &family);
    // True when the file at the store's path is no longer the one opened (it was
    // removed, or another file was put in its place, as a restore does).
    [[nodiscard]] bool replacedOnDisk() const;

    void add(const QString &address, const QString &name, const QString &family);
    void deleteCurrent();

private:
    // Empty: no rows at all, so both at-begin and at-end.
    enum class Position { BeforeFirst, OnRow, AfterLast, Deleted, Empty };
    using Key = StoredRow;

    void requireOpen() const;
    // The current row's key; fails when there is no current row.
    const Key &currentKey() const;
    bool run(QSqlQuery &query, const QVariantList &values) const;
    // Runs a prepared read; the caller steps through its rows and finishes it.
    QSqlQuery &read(const QString &sql, const QVariantList &values) const;
    // Runs a query that yields at most one row's key; nothing when it yields none.
    std::optional<Key> fetchKey(const QString &sql, const QVariantList &values) const;
    // Runs a statement that writes; an invalid error when it succeeded.
    QSqlError change(const QString &sql, const QVariantList &values) const;
    // Stands on the row of `key`; false (and the cursor unmoved) when there is none.
    bool standOn(const std::optional<Key> &key);
    std::optional<Key> moveToEnd(const QString &order);
    QList<StoredRow> rows(const QString &sql, const QVariantList &values);
    std::optional<Key> step(bool forward);
    [[noreturn]] void fail(StoreError::Kind kind, const QString &reason,
                           StoreError::Cause cause = StoreError::Cause::Other) const;
    [[noreturn]] void fail(StoreError::Kind kind, const QSqlError &error) const;

    // The cursor's statements, prepared once: a step is then a bind and a lookup.
    QSqlQuery &prepared(const QString &sql) const;

    mutable QHash<QString, QSqlQuery> m_statements;
    QString m_connection;
    QString m_path;
    bool m_open = false;
    Position m_position = Position::BeforeFirst;
    Key m_key;
    // The opened file's device and inode.
    std::pair<quint64, quint64> m_fileId{0, 0};
};

// Fails as the cursor's open does when nothing usable stands at `path`: no file,
// or something else than a file (the SQLite engine would make a missing file).
void requireStoreFile(const QString &path);

// Creates an empty store with its table and index: the build and the
// installation use it; the program itself never does.
bool createEmptyStore(const QString &path, QString *error = nullptr);

} // namespace tessaron
