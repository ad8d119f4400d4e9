#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMetaType>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>
#include <QThread>
#include <QUuid>

#include <cstdio>

// Reads a store's rows through a connection of its own, as "Adreca|nom|figura",
// in the order they were added.
inline QStringList storedRows(const QString &path)
{
    QStringList rows;
    const QString name = QUuid::createUuid().toString();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", name);
        db.setDatabaseName(path);
        db.setConnectOptions("QSQLITE_OPEN_READONLY");
        if (db.open()) {
            QSqlQuery q("SELECT Adreca, nom, figura FROM AdrecaFig ORDER BY rowid", db);
            while (q.next())
                rows << q.value(0).toString() + '|' + q.value(1).toString() + '|' +
                            q.value(2).toString();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return rows;
}

// Runs SQL on a store through a connection of its own.
inline bool execOn(const QString &path, const QStringList &statements)
{
    const QString name = QUuid::createUuid().toString();
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", name);
        db.setDatabaseName(path);
        ok = db.open();
        for (const QString &sql : statements)
            ok = ok && QSqlQuery(db).exec(sql);
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

// The ways a store file can be unusable: no file at all, a directory in its
// place, a file that is no database, a database without the table, a link to a
// file that is not there (PATH.gone), or a link to itself.
enum class StoreFault { Missing, Directory, NotADatabase, NoTable, DanglingLink, LinkLoop };
Q_DECLARE_METATYPE(StoreFault)

// Puts a store with `fault` at `path`, in place of whatever stood there.
inline bool makeFaultyStore(const QString &path, StoreFault fault)
{
    if (QFile::exists(path) && !QFile::remove(path))
        return false;
    switch (fault) {
    case StoreFault::Missing:
        return true;
    case StoreFault::Directory:
        return QDir().mkdir(path);
    case StoreFault::NotADatabase: {
        QFile f(path);
        return f.open(QIODevice::WriteOnly) && f.write(QByteArray(4096, 'x')) == 4096;
    }
    case StoreFault::NoTable:
        return execOn(path, {"CREATE TABLE Other (x TEXT)"});
    case StoreFault::DanglingLink:
        return QFile::link(path + ".gone", path);
    case StoreFault::LinkLoop:
        return QFile::link(QFileInfo(path).fileName(), path);
    }
    return false;
}

// Another process holding the store's write lock for `ms` milliseconds: the
// test executable started again with --hold-lock. Returns once the lock is held.
inline bool startLockHolder(QProcess &process, const QString &path, int ms)
{
    process.start(QCoreApplication::applicationFilePath(),
                  {"--hold-lock", path, QString::number(ms)});
    if (!process.waitForStarted(5000))
        return false;
    if (!process.waitForReadyRead(5000))
        return false;
    return process.readAll().startsWith("locked");
}

// The --hold-lock mode of a test executable; call first thing in main().
inline int holdLockIfAsked(int argc, char **argv)
{
    if (argc != 4 || QByteArray(argv[1]) != "--hold-lock")
        return -1;
    QCoreApplication app(argc, argv);
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE");
    db.setDatabaseName(QString::fromLocal8Bit(argv[2]));
    if (!db.open() || !QSqlQuery(db).exec("BEGIN EXCLUSIVE"))
        return 1;
    fputs("locked\n", stdout);
    fflush(stdout);
    QThread::msleep(QByteArray(argv[3]).toULong());
    QSqlQuery(db).exec("COMMIT");
    return 0;
}
