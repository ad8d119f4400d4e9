// A cursor step and a find by name on stores of 1,000 to 1,000,000 rows, beside
// the same indexed SELECT done through SQLite's own API (a prepared statement
// reused), which is the floor; and one save.
#include "bench/benchstores.h"
#include "core/favourites/favouritescursor.h"

#include <QCoreApplication>
#include <QDir>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>
#include <benchmark/benchmark.h>

#include <map>
#include <sqlite3.h>

using namespace tessaron;

namespace {

void BM_CursorNext(benchmark::State &state)
{
    FavouritesCursor cursor;
    cursor.open(storeWith(state.range(0)));
    for (auto _ : state) {
        if (!cursor.moveNext())
            (void)cursor.moveFirst();
    }
}

void BM_RawNext(benchmark::State &state)
{
    sqlite3 *db = nullptr;
    sqlite3_open_v2(storeWith(state.range(0)).toUtf8().constData(), &db, SQLITE_OPEN_READONLY,
                    nullptr);
    sqlite3_stmt *next = nullptr;
    sqlite3_prepare_v2(db,
                       "SELECT nom, figura, Adreca FROM AdrecaFig WHERE (nom, figura, Adreca) > "
                       "(?, ?, ?) ORDER BY nom, figura, Adreca LIMIT 1",
                       -1, &next, nullptr);
    std::string key[3] = {"", "", ""};
    for (auto _ : state) {
        for (int i = 0; i < 3; ++i)
            sqlite3_bind_text(next, i + 1, key[i].c_str(), -1, SQLITE_TRANSIENT);
        if (sqlite3_step(next) == SQLITE_ROW) {
            for (int i = 0; i < 3; ++i)
                key[i] = reinterpret_cast<const char *>(sqlite3_column_text(next, i));
        } else {
            key[0] = key[1] = key[2] = "";
        }
        sqlite3_reset(next);
    }
    sqlite3_finalize(next);
    sqlite3_close(db);
}

void BM_CursorFind(benchmark::State &state)
{
    FavouritesCursor cursor;
    cursor.open(storeWith(state.range(0)));
    const qint64 names = state.range(0) / 4;
    qint64 i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(cursor.findFirst(nameOf((i++ * 7919) % names).toUpper()));
    }
}

void BM_RawFind(benchmark::State &state)
{
    sqlite3 *db = nullptr;
    sqlite3_open_v2(storeWith(state.range(0)).toUtf8().constData(), &db, SQLITE_OPEN_READONLY,
                    nullptr);
    sqlite3_stmt *find = nullptr;
    sqlite3_prepare_v2(
        db,
        "SELECT nom, figura, Adreca FROM AdrecaFig WHERE nom = ? COLLATE NOCASE ORDER BY nom, "
        "figura, Adreca LIMIT 1",
        -1, &find, nullptr);
    const qint64 names = state.range(0) / 4;
    qint64 i = 0;
    for (auto _ : state) {
        const QByteArray name = nameOf((i++ * 7919) % names).toUpper().toUtf8();
        sqlite3_bind_text(find, 1, name.constData(), -1, SQLITE_TRANSIENT);
        benchmark::DoNotOptimize(sqlite3_step(find));
        sqlite3_reset(find);
    }
    sqlite3_finalize(find);
    sqlite3_close(db);
}

void BM_Save(benchmark::State &state)
{
    const QString path = scratch().filePath(QStringLiteral("save.mdb"));
    QFile::remove(path);
    createEmptyStore(path);
    FavouritesCursor cursor;
    cursor.open(path);
    qint64 i = 0;
    for (auto _ : state) {
        const QString name = nameOf(i++);
        cursor.add(QStringLiteral("http://www.tessaron-%1-rxx.com").arg(name), name,
                   QStringLiteral("r"));
    }
}

} // namespace

BENCHMARK(BM_CursorNext)->Arg(1000)->Arg(100000)->Arg(1000000);
BENCHMARK(BM_RawNext)->Arg(1000)->Arg(100000)->Arg(1000000);
BENCHMARK(BM_CursorFind)->Arg(1000)->Arg(100000)->Arg(1000000);
BENCHMARK(BM_RawFind)->Arg(1000)->Arg(100000)->Arg(1000000);
BENCHMARK(BM_Save)->Iterations(200);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
