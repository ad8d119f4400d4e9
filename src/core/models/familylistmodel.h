#pragma once

#include "core/coding/figurecoding.h"
#include "core/favourites/favouritescursor.h"

#include <QAbstractListModel>
#include <QList>
#include <QString>

#include <optional>

namespace tessaron {

// One figure-mode list: the names saved in one family, in store order. It reads
// them a page at a time as the list is scrolled or searched, so a list costs the
// same on a store of a thousand rows or of a million. Each row is checked as it
// is read: a row this program could not have written is listed (so the user
// can see it) but marked, and never opened.
class FamilyListModel : public QAbstractListModel {
    Q_OBJECT
public:
    // Rows read at a time.
    static constexpr int kPageSize = 256;

    FamilyListModel(Family family, QObject *parent);

    // Empties the list and reads its first page through `cursor`, which must
    // outlive the list's use of it. Store failures are thrown as StoreError.
    void reload(FavouritesCursor &cursor);
    // Empties the list and forgets the cursor.
    void clear();

    [[nodiscard]] int rowCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex &index, int role) const override;
    [[nodiscard]] bool canFetchMore(const QModelIndex &parent) const override;
    void fetchMore(const QModelIndex &parent) override;
    // Finds a name by its first letters beyond the rows read so far too: the rows
    // up to the first match are read at once.
    [[nodiscard]] QModelIndexList match(const QModelIndex &start, int role, const QVariant &value,
                                        int hits, Qt::MatchFlags flags) const override;

    [[nodiscard]] const QString &name(int row) const { return m_entries.at(row).name; }
    [[nodiscard]] bool isDamaged(int row) const { return m_entries.at(row).damaged; }

Q_SIGNALS:
    // A page could not be read: the list stops growing.
    void storeFailed();

private:
    struct Entry {
        QString name;
        bool damaged;
    };
    static Entry entryOf(const StoredRow &row);
    // Appends rows read from the store; false on a store failure (said by storeFailed).
    bool append(const std::function<QList<StoredRow>()> &read);
    void appendRows(const QList<StoredRow> &rows, bool complete);

    Family m_family;
    QString m_letter;
    FavouritesCursor *m_cursor = nullptr;
    QList<Entry> m_entries;
    std::optional<StoredRow> m_last;
    bool m_complete = true;
};

} // namespace tessaron
