#pragma once

// Stores of many rows for the benchmarks: rows/4 names, each in all four families.
#include "core/favourites/favouritescursor.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>

#include <map>

namespace tessaron {

inline QTemporaryDir &scratch()
{
    static QTemporaryDir dir;
    return dir;
}

inline QString nameOf(qint64 i)
{
    return QStringLiteral("name%1").arg(i, 8, 10, QLatin1Char('0'));
}

// A store with `rows` rows: rows/4 names in all four families. Made once per size.
inline QString storeWith(qint64 rows)
{
    static std::map<qint64, QString> made;
    if (auto it = made.find(rows); it != made.end())
        return it->second;
    const QString path = scratch().filePath(QStringLiteral("store%1.mdb").arg(rows));
    createEmptyStore(path);
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fill"));
        db.setDatabaseName(path);
        db.open();
        QSqlQuery q(db);
        q.exec(QStringLiteral("PRAGMA synchronous=OFF"));
        db.transaction();
        q.prepare(QStringLiteral("INSERT INTO AdrecaFig (Adreca, nom, figura) VALUES (?, ?, ?)"));
        const char *families[] = {"r", "c", "t", "p"};
        for (qint64 i = 0; i < rows; ++i) {
            const QString name = nameOf(i / 4);
            const QString family = QString::fromLatin1(families[i % 4]);
            q.addBindValue(QStringLiteral("http://www.tessaron-%1-%2xx.com").arg(name, family));
            q.addBindValue(name);
            q.addBindValue(family);
            q.exec();
        }
        db.commit();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("fill"));
    made[rows] = path;
    return path;
}

} // namespace tessaron
