#pragma once

// Rows that another tool could have put into a store, none of which this program
// writes, next to rows it does write. Shared by the tests of the row rule, the
// exports and the favourites window.
#include "support/storehelper.h"

#include <QList>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QUuid>

struct StoredRowText {
    QString label; // what the row tries
    QString nom;
    QString figura;
    QString adreca;
};

// Rows the program writes: "abc" in r and t, "zz" in p.
inline QList<StoredRowText> wellFormedRows()
{
    return {
        {"abc in r", "abc", "r", "http://www.tessaron-abc-rmt.com"},
        {"abc in t", "abc", "t", "http://www.tessaron-abc-tlx.com"},
        {"zz in p", "zz", "p", "http://www.tessaron-zz-pys.com"},
    };
}

inline QList<StoredRowText> hostileRows()
{
    return {
        {"a name that moves the host", "@evil.example/x", "r",
         "http://www.tessaron-@evil.example/x-rjy.com"},
        {"an image tag", "<img src=\"/etc/hostname\">", "c", "http://www.tessaron-img-cxx.com"},
        {"a heading", "<h1>Big</h1>", "t", "http://www.tessaron-<h1>Big</h1>-txx.com"},
        {"a script address", "abc", "c", "javascript:alert(1)"},
        {"a spreadsheet formula", "abd", "p", "=HYPERLINK(\"http://evil.example\",\"abd\")"},
        {"a wrong address for a good name", "abe", "r", "http://www.tessaron-abe-rmt.com"},
        {"a foreign family", "abc", "x", "http://www.tessaron-abc-xmt.com"},
        {"a family in capitals", "abc", "R", "http://www.tessaron-abc-Rmt.com"},
        {"a name in capitals", "ABC", "r", "http://www.tessaron-ABC-rmh.com"},
        {"an empty name", "", "t", "http://www.tessaron--tha.com"},
        {"10,000 characters", QString(10000, u'a'), "p", "http://www.tessaron-long-pxx.com"},
        {"NUL and ESC bytes", QStringLiteral("a") + QChar(0) + QStringLiteral("b\x1b[31m"), "r",
         QStringLiteral("http://www.tessaron-a") + QChar(0) + QStringLiteral("b\x1b[31m-rxx.com")},
    };
}

// Adds rows to a store as another tool would, through SQL of its own.
inline bool insertRows(const QString &path, const QList<StoredRowText> &rows)
{
    const QString name = QUuid::createUuid().toString();
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", name);
        db.setDatabaseName(path);
        ok = db.open();
        // One transaction: thousands of rows are written in one go, not one
        // synced write each.
        ok = ok && db.transaction();
        QSqlQuery q(db);
        ok = ok && q.prepare("INSERT INTO AdrecaFig (Adreca, nom, figura) VALUES (?, ?, ?)");
        for (const StoredRowText &row : rows) {
            q.addBindValue(row.adreca);
            q.addBindValue(row.nom);
            q.addBindValue(row.figura);
            ok = ok && q.exec();
        }
        ok = ok && db.commit();
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}
