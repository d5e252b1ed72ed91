// libs: common
// Number masks and money rounding run for every amount a print script writes.
#include "common/twtools.h"

#include <benchmark/benchmark.h>

static void BM_FormatAmount(benchmark::State &state)
{
    double x = 1234567.891;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FormatAmount(x));
        x += 0.37;
    }
}
BENCHMARK(BM_FormatAmount);

static void BM_FormatMaskThousands(benchmark::State &state)
{
    const QString mask = QStringLiteral("### ### ###,###.##");
    double x = -98765.4321;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FormatMask(mask, x));
        x += 1.01;
    }
}
BENCHMARK(BM_FormatMaskThousands);

static void BM_Round2(benchmark::State &state)
{
    double x = 2.345;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Round2(x));
        x += 0.001;
    }
}
BENCHMARK(BM_Round2);

BENCHMARK_MAIN();
