#include "core/coding/figurecoding.h"
#include "core/coding/namecheck.h"

#include <benchmark/benchmark.h>

using namespace tessaron;

// A 40-character paste with five characters the check removes.
static void BM_CheckNameWithBadCharacters(benchmark::State &state)
{
    const QString text = QStringLiteral("abc!defgh ijklm.nopqr_stuvwxyz0123456#78");
    for (auto _ : state) {
        NameCheckResult result = checkName(text);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_CheckNameWithBadCharacters);

// A keystroke on a clean name: the common case.
static void BM_CheckCleanName(benchmark::State &state)
{
    const QString text = QStringLiteral("abcdefghijklmnopqrstuvwxyz0123456789-abc");
    for (auto _ : state) {
        NameCheckResult result = checkName(text);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_CheckCleanName);

static void BM_FourCodes(benchmark::State &state)
{
    const QString name = QStringLiteral("abcdefghijklmnopqrstuvwxyz0123456789-abc");
    for (auto _ : state) {
        for (Family family : kFamilies) {
            QString code = figureCode(family, name);
            benchmark::DoNotOptimize(code);
        }
    }
}
BENCHMARK(BM_FourCodes);

BENCHMARK_MAIN();
