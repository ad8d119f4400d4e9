#include "core/models/familylistmodel.h"

#include "core/cli/terminaltext.h"
#include "core/favourites/favouriterow.h"

namespace tessaron {

FamilyListModel::Entry FamilyListModel::entryOf(const StoredRow &row)
{
    return {row.nom, !isWellFormedRow(row.nom, row.figura, row.adreca)};
}

FamilyListModel::FamilyListModel(Family family, QObject *parent)
    : QAbstractListModel(parent), m_family(family), m_letter(familyLetter(family))
{
}

void FamilyListModel::clear()
{
    beginResetModel();
    m_entries.clear();
    m_entries.squeeze(); // a long list read before gives its memory back
    m_last.reset();
    m_complete = true;
    m_cursor = nullptr;
    endResetModel();
}

void FamilyListModel::reload(FavouritesCursor &cursor)
{
    const QList<StoredRow> first = cursor.rowsOfFamily(m_letter, std::nullopt, kPageSize);
    // One reset with the first page in it: a drop-down picks nothing on a reset,
    // where it would pick the first of rows inserted into an empty list.
    beginResetModel();
    m_entries.clear();
    m_entries.squeeze();
    m_cursor = &cursor;
    for (const StoredRow &row : first)
        m_entries.append(entryOf(row));
    m_last = first.isEmpty() ? std::nullopt : std::optional(first.last());
    m_complete = first.size() < kPageSize;
    endResetModel();
}

int FamilyListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_entries.size());
}

QVariant FamilyListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_entries.size())
        return {};
    // Shown escaped, as every text read from the store is shown (a row written
    // elsewhere may hold control and direction characters); a name written here
    // reads as itself.
    if (role == Qt::DisplayRole || role == Qt::EditRole || role == Qt::AccessibleTextRole)
        return printable(m_entries.at(index.row()).name);
    return {};
}

bool FamilyListModel::canFetchMore(const QModelIndex &parent) const
{
    return !parent.isValid() && !m_complete;
}

void FamilyListModel::fetchMore(const QModelIndex &parent)
{
    if (!canFetchMore(parent))
        return;
    append([this] { return m_cursor->rowsOfFamily(m_letter, m_last, kPageSize); });
}

bool FamilyListModel::append(const std::function<QList<StoredRow>()> &read)
{
    QList<StoredRow> rows;
    try {
        rows = read();
    } catch (const StoreError &) {
        m_complete = true;
        Q_EMIT storeFailed();
        return false;
    }
    appendRows(rows, rows.size() < kPageSize);
    return true;
}

void FamilyListModel::appendRows(const QList<StoredRow> &rows, bool complete)
{
    m_complete = complete;
    if (rows.isEmpty())
        return;
    const int first = int(m_entries.size());
    beginInsertRows({}, first, first + int(rows.size()) - 1);
    for (const StoredRow &row : rows)
        m_entries.append(entryOf(row));
    m_last = rows.last();
    endInsertRows();
}

QModelIndexList FamilyListModel::match(const QModelIndex &start, int role, const QVariant &value,
                                       int hits, Qt::MatchFlags flags) const
{
    QModelIndexList found = QAbstractListModel::match(start, role, value, hits, flags);
    const bool byFirstLetters = (flags & Qt::MatchTypeMask) == Qt::MatchStartsWith;
    if (!found.isEmpty() || !byFirstLetters || m_complete || role != Qt::DisplayRole)
        return found;
    // Not among the rows read: look in the store beyond them, and read up to the
    // match so that it can be picked. The model changes, as fetchMore() does.
    auto *self = const_cast<FamilyListModel *>(this);
    const QString prefix = value.toString();
    const Qt::CaseSensitivity sense =
        flags.testFlag(Qt::MatchCaseSensitive) ? Qt::CaseSensitive : Qt::CaseInsensitive;
    std::optional<StoredRow> match;
    try {
        match = m_cursor->firstOfFamilyFrom(m_letter, m_last, prefix);
    } catch (const StoreError &) {
        self->m_complete = true;
        Q_EMIT self->storeFailed();
        return found;
    }
    if (!match || !match->nom.startsWith(prefix, sense))
        return found;
    const StoredRow last = *match;
    if (!self->append([self, &last] {
            return self->m_cursor->rowsOfFamilyThrough(self->m_letter, self->m_last, last);
        }))
        return found;
    // Rows may follow the match: the list can grow again from here.
    self->m_complete = false;
    return {index(int(m_entries.size()) - 1)};
}

} // namespace tessaron
