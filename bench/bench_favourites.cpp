// The favourites window's operations on stores of 1,000 to 1,000,000 rows:
// entering figure mode (the four lists filled), a search, a delete, and a step
// to the next or previous name. Each should cost the same whatever the store's
// size, but figure mode, which reads every name once.
#include "bench/benchstores.h"
#include "bench/quietdesktop.h"
#include "core/coding/modtessaron.h"
#include "core/models/favouritesmodel.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStringListModel>
#include <benchmark/benchmark.h>

using namespace tessaron;

namespace {

// Answers Yes and shows nothing.
// A favourites model on a program directory whose store has `rows` rows.
struct Favourites {
    ModTessaron state;
    QuietDesktop desktop;
    NoNavigator navigator;
    QObject window;
    std::unique_ptr<FavouritesModel> model;

    explicit Favourites(qint64 rows)
    {
        const QString dir = scratch().filePath(QStringLiteral("program%1").arg(rows));
        QDir().mkpath(dir);
        QFile::link(storeWith(rows), QDir(dir).filePath(QStringLiteral("TESSARON.MDB")));
        model = std::make_unique<FavouritesModel>(
            Lang::English, AppContext{state, desktop, navigator, dir}, &window);
        model->load();
        QCoreApplication::processEvents();
    }
};

void BM_EnterFigureMode(benchmark::State &state)
{
    Favourites f(state.range(0));
    for (auto _ : state)
        f.model->enterFigureMode();
    if (f.model->list(Family::R)->rowCount() != state.range(0) / 4)
        state.SkipWithError("the lists are not full");
}

void BM_Search(benchmark::State &state)
{
    Favourites f(state.range(0));
    f.model->enterNameMode();
    const qint64 names = state.range(0) / 4;
    qint64 i = 0;
    for (auto _ : state)
        f.model->search(nameOf((i++ * 7919) % names).toUpper());
    if (f.model->label(Family::R) == u"?")
        state.SkipWithError("the search found nothing");
}

void BM_NextOrPreviousName(benchmark::State &state)
{
    Favourites f(state.range(0));
    f.model->enterNameMode();
    f.model->search(nameOf(state.range(0) / 8)); // a name in the middle
    bool forward = true;
    for (auto _ : state) {
        f.model->step(forward ? FavouritesModel::Step::Next : FavouritesModel::Step::Previous);
        forward = !forward;
    }
}

void BM_Delete(benchmark::State &state)
{
    Favourites f(state.range(0));
    f.model->enterNameMode();
    const QString name = nameOf(state.range(0) / 8);
    const QString address = QStringLiteral("http://www.tessaron-%1-rxx.com").arg(name);
    FavouritesCursor writer;
    writer.open(storeWith(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        f.model->search(name);
        state.ResumeTiming();
        f.model->deleteShown(Family::R);
        state.PauseTiming();
        writer.add(address, name, QStringLiteral("r"));
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(BM_EnterFigureMode)->Arg(1000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Search)->Arg(1000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_NextOrPreviousName)
    ->Arg(1000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Delete)->Arg(1000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
