#include "core/favourites/favouritescursor.h"

#include "core/favourites/storeconnection.h"

#include <QAtomicInt>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <cerrno>
#include <sys/stat.h>

namespace tessaron {

namespace {

const QString kColumns = QStringLiteral("SELECT nom, figura, Adreca FROM AdrecaFig ");
const QString kAscending = QStringLiteral(" ORDER BY nom, figura, Adreca LIMIT 1");
const QString kDescending = QStringLiteral(" ORDER BY nom DESC, figura DESC, Adreca DESC LIMIT 1");
// Store order, for reads of many rows.
const QString kOrder = QStringLiteral(" ORDER BY nom, figura, Adreca");
const QString kAfterKey = QStringLiteral("WHERE (nom, figura, Adreca) > (?, ?, ?)");
const QString kBeforeKey = QStringLiteral("WHERE (nom, figura, Adreca) < (?, ?, ?)");

// The device and inode of the file at `path`; zeros when there is none.
std::pair<quint64, quint64> fileIdOf(const QString &path)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return {0, 0};
    return {quint64(info.st_dev), quint64(info.st_ino)};
}

QString nextConnectionName()
{
    static QAtomicInt counter;
    return QStringLiteral("tessaron-favourites-%1").arg(counter.fetchAndAddRelaxed(1));
}

bool isDuplicate(const QSqlError &error)
{
    // SQLITE_CONSTRAINT and its UNIQUE / PRIMARY KEY extended codes.
    const QString code = error.nativeErrorCode();
    return code == u"19" || code == u"2067" || code == u"1555";
}

StoreError::Cause causeOf(const QSqlError &error)
{
    return StoreError::causeOfEngineCode(error.nativeErrorCode().toInt());
}

// Why the open database cannot serve as the store at `path`; nothing when it can.
std::optional<StoreError> tableProblem(const QSqlDatabase &db, const QString &path)
{
    QSqlQuery query(db);
    if (!query.exec(QString::fromLatin1(kFindStoreTable)))
        return StoreError(StoreError::Kind::CannotOpen, causeOf(query.lastError()), path,
                          query.lastError().text());
    if (!query.next())
        return noTableError(path);
    return std::nullopt;
}

} // namespace

FavouritesCursor::FavouritesCursor() : m_connection(nextConnectionName()) {}

FavouritesCursor::~FavouritesCursor()
{
    close();
}

void FavouritesCursor::close()
{
    m_statements.clear(); // before the connection goes
    if (QSqlDatabase::contains(m_connection)) {
        QSqlDatabase::database(m_connection, false).close();
        QSqlDatabase::removeDatabase(m_connection);
    }
    m_open = false;
    m_position = Position::BeforeFirst;
}

void FavouritesCursor::fail(StoreError::Kind kind, const QString &reason,
                            StoreError::Cause cause) const
{
    throw StoreError(kind, cause, m_path, reason);
}

void FavouritesCursor::fail(StoreError::Kind kind, const QSqlError &error) const
{
    fail(kind, error.text(), causeOf(error));
}

void FavouritesCursor::open(const QString &path, Wait wait)
{
    close();
    m_path = path;
    requireStoreFile(path);

    std::optional<StoreError> problem;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1")
                                 .arg(wait == Wait::ForOtherCopies ? kBusyTimeoutMs : 0));
        if (db.open())
            problem = tableProblem(db, path);
        else
            problem = StoreError(StoreError::Kind::CannotOpen, causeOf(db.lastError()), path,
                                 db.lastError().text());
    }
    if (problem) {
        close();
        throw *problem;
    }
    m_open = true;
    m_fileId = fileIdOf(path);
    try {
        (void)moveFirst();
    } catch (const StoreError &error) {
        close();
        fail(StoreError::Kind::CannotOpen, error.reason(), error.cause());
    }
}

void FavouritesCursor::requireOpen() const
{
    if (!m_open)
        fail(StoreError::Kind::CannotOpen, QStringLiteral("the store is not open"));
}

QSqlQuery &FavouritesCursor::prepared(const QString &sql) const
{
    auto it = m_statements.find(sql);
    if (it == m_statements.end()) {
        QSqlQuery query(QSqlDatabase::database(m_connection, false));
        query.setForwardOnly(true);
        if (!query.prepare(sql))
            fail(StoreError::Kind::Engine, query.lastError());
        it = m_statements.insert(sql, query);
    }
    return *it;
}

bool FavouritesCursor::run(QSqlQuery &query, const QVariantList &values) const
{
    for (qsizetype i = 0; i < values.size(); ++i)
        query.bindValue(static_cast<int>(i), values.at(i));
    return query.exec();
}

QSqlQuery &FavouritesCursor::read(const QString &sql, const QVariantList &values) const
{
    requireOpen();
    QSqlQuery &query = prepared(sql);
    if (!run(query, values)) {
        const QSqlError error = query.lastError();
        query.finish();
        fail(StoreError::Kind::Engine, error);
    }
    return query;
}

std::optional<FavouritesCursor::Key> FavouritesCursor::fetchKey(const QString &sql,
                                                                const QVariantList &values) const
{
    QSqlQuery &query = read(sql, values);
    std::optional<Key> key;
    if (query.next())
        key = Key{query.value(0).toString(), query.value(1).toString(), query.value(2).toString()};
    // Ends the read at once, so another copy of the program can write.
    query.finish();
    return key;
}

QSqlError FavouritesCursor::change(const QString &sql, const QVariantList &values) const
{
    requireOpen();
    QSqlQuery &query = prepared(sql);
    const QSqlError error = run(query, values) ? QSqlError() : query.lastError();
    query.finish();
    return error;
}

bool FavouritesCursor::standOn(const std::optional<Key> &key)
{
    if (!key)
        return false;
    m_key = *key;
    m_position = Position::OnRow;
    return true;
}

std::optional<FavouritesCursor::Key> FavouritesCursor::moveToEnd(const QString &order)
{
    const std::optional<Key> key = fetchKey(kColumns + order, {});
    if (!standOn(key))
        m_position = Position::Empty;
    return key;
}

std::optional<StoredRow> FavouritesCursor::moveFirst()
{
    return moveToEnd(kAscending);
}

std::optional<StoredRow> FavouritesCursor::moveLast()
{
    return moveToEnd(kDescending);
}

std::optional<FavouritesCursor::Key> FavouritesCursor::step(bool forward)
{
    requireOpen();
    if (forward ? atEnd() : atBegin())
        return std::nullopt;
    const QString &order = forward ? kAscending : kDescending;
    // From the far end a step lands on the nearest end row; otherwise it is the
    // next key after the current one (or after the row just deleted).
    const bool fromFarEnd = m_position == (forward ? Position::BeforeFirst : Position::AfterLast);
    const QString &beyond = forward ? kAfterKey : kBeforeKey;
    const std::optional<Key> key =
        fromFarEnd ? fetchKey(kColumns + order, {})
                   : fetchKey(kColumns + beyond + order, {m_key.nom, m_key.figura, m_key.adreca});
    if (!standOn(key))
        m_position = forward ? Position::AfterLast : Position::BeforeFirst;
    return key;
}

std::optional<StoredRow> FavouritesCursor::moveNext()
{
    return step(true);
}

std::optional<StoredRow> FavouritesCursor::movePrevious()
{
    return step(false);
}

std::optional<StoredRow> FavouritesCursor::current() const
{
    if (!m_open || m_position != Position::OnRow)
        return std::nullopt;
    return m_key;
}

const FavouritesCursor::Key &FavouritesCursor::currentKey() const
{
    requireOpen();
    if (m_position != Position::OnRow)
        fail(StoreError::Kind::NoRow, QStringLiteral("no current row"));
    return m_key;
}

QString FavouritesCursor::currentName() const
{
    return currentKey().nom;
}

QString FavouritesCursor::currentFamily() const
{
    return currentKey().figura;
}

bool FavouritesCursor::findFirst(const QString &name)
{
    return standOn(
        fetchKey(kColumns + QStringLiteral("WHERE nom = ? COLLATE NOCASE") + kAscending, {name}));
}

bool FavouritesCursor::findLast(const QString &name)
{
    return standOn(
        fetchKey(kColumns + QStringLiteral("WHERE nom = ? COLLATE NOCASE") + kDescending, {name}));
}

QList<StoredRow> FavouritesCursor::rows(const QString &sql, const QVariantList &values)
{
    QList<StoredRow> found;
    QSqlQuery &query = read(sql, values);
    while (query.next())
        found.append(
            {query.value(0).toString(), query.value(1).toString(), query.value(2).toString()});
    const QSqlError error = query.lastError();
    query.finish();
    if (error.isValid())
        fail(StoreError::Kind::Engine, error);
    return found;
}

QList<StoredRow> FavouritesCursor::rowsNamed(const QString &name)
{
    // The first test uses the index (nom compares without letter case), the second
    // keeps only the exact name.
    return rows(kColumns + QStringLiteral("WHERE nom = ? AND nom = ? COLLATE BINARY") + kOrder,
                {name, name});
}

namespace {

// "WHERE figura = ?", and after a given row when there is one; the values bound.
QString familyAfter(const QString &family, const std::optional<StoredRow> &after,
                    QVariantList &values)
{
    values = {family};
    if (!after)
        return QStringLiteral("WHERE figura = ? ");
    values << after->nom << after->figura << after->adreca;
    return QStringLiteral("WHERE figura = ? AND (nom, figura, Adreca) > (?, ?, ?) ");
}

} // namespace

QList<StoredRow> FavouritesCursor::rowsOfFamily(const QString &family,
                                                const std::optional<StoredRow> &after, int limit)
{
    // The index is walked in store order from the last row read, keeping one family.
    QVariantList values;
    const QString where = familyAfter(family, after, values);
    return rows(kColumns + where + kOrder + QStringLiteral(" LIMIT ?"), values << limit);
}

QList<StoredRow> FavouritesCursor::rowsOfFamilyThrough(const QString &family,
                                                       const std::optional<StoredRow> &after,
                                                       const StoredRow &last)
{
    QVariantList values;
    const QString where = familyAfter(family, after, values);
    return rows(kColumns + where + QStringLiteral("AND (nom, figura, Adreca) <= (?, ?, ?)") +
                    kOrder,
                values << last.nom << last.figura << last.adreca);
}

std::optional<StoredRow> FavouritesCursor::firstOfFamilyFrom(const QString &family,
                                                             const std::optional<StoredRow> &after,
                                                             const QString &name)
{
    QVariantList values;
    const QString where = familyAfter(family, after, values);
    return fetchKey(kColumns + where + QStringLiteral("AND nom >= ?") + kAscending, values << name);
}

bool FavouritesCursor::findExact(const QString &name, const QString &family)
{
    return standOn(fetchKey(kColumns +
                                QStringLiteral("WHERE nom = ? AND nom = ? COLLATE BINARY "
                                               "AND figura = ?") +
                                kAscending,
                            {name, name, family}));
}

bool FavouritesCursor::replacedOnDisk() const
{
    return m_open && fileIdOf(m_path) != m_fileId;
}

void FavouritesCursor::add(const QString &address, const QString &name, const QString &family)
{
    const QSqlError error =
        change(QStringLiteral("INSERT INTO AdrecaFig (Adreca, nom, figura) VALUES (?, ?, ?)"),
               {address, name, family});
    if (error.isValid())
        fail(isDuplicate(error) ? StoreError::Kind::Duplicate : StoreError::Kind::Engine, error);
}

void FavouritesCursor::deleteCurrent()
{
    const QSqlError error =
        change(QStringLiteral("DELETE FROM AdrecaFig WHERE Adreca = ?"), {currentKey().adreca});
    if (error.isValid())
        fail(StoreError::Kind::Engine, error);
    // The key stays, so the next move continues from where the row stood.
    m_position = Position::Deleted;
}

void requireStoreFile(const QString &path)
{
    const QFileInfo info(path);
    // A link whose end is missing (a store kept on a stick that is not mounted) is
    // said to be one, so that no one looks for the link itself.
    if (!info.exists() && info.isSymLink()) {
        struct stat followed {};
        if (::stat(QFile::encodeName(path).constData(), &followed) != 0 && errno == ELOOP)
            throw StoreError(StoreError::Kind::CannotOpen, StoreError::Cause::LinkLoop, path,
                             QStringLiteral("it is a link that leads back to itself"));
        throw StoreError(StoreError::Kind::CannotOpen, StoreError::Cause::BrokenLink, path,
                         info.symLinkTarget());
    }
    if (!info.exists())
        throw StoreError(StoreError::Kind::CannotOpen, StoreError::Cause::Missing, path,
                         QStringLiteral("the file does not exist"));
    if (!info.isFile())
        throw StoreError(StoreError::Kind::CannotOpen, StoreError::Cause::NotAFile, path,
                         QStringLiteral("it is not a file"));
}

bool createEmptyStore(const QString &path, QString *error)
{
    const QString connection = nextConnectionName();
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        if (db.open()) {
            QSqlQuery query(db);
            // nom compares without regard to letter case, so the index serves a
            // search by name as well as the order.
            ok = query.exec(QStringLiteral(
                     "CREATE TABLE AdrecaFig (Adreca VARCHAR(100) NOT NULL UNIQUE, "
                     "nom VARCHAR(40) NOT NULL COLLATE NOCASE, figura VARCHAR(1) NOT NULL)")) &&
                 query.exec(QStringLiteral(
                     "CREATE INDEX AdrecaFig_order ON AdrecaFig (nom, figura, Adreca)"));
            if (!ok && error)
                *error = query.lastError().text();
            db.close();
        } else if (error) {
            *error = db.lastError().text();
        }
    }
    QSqlDatabase::removeDatabase(connection);
    return ok;
}

} // namespace tessaron
