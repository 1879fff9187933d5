// SPDX-License-Identifier: GPL-3.0-or-later
// The standard-value solver answers as the user types: three resistors from
// E96 (and E192 for the record) against the 16 ms target, over targets that
// are standard values, between them, and at the ends of the stock.

#include "calculators/eseries.h"

#include <benchmark/benchmark.h>

namespace {

void solveThree(benchmark::State &state, eseries::Series series)
{
    const double targets[] = {4100, 3333, 1, 47e3, 9.99e6, 0.5, 123.4, 2e8};
    size_t i = 0;
    for (auto _ : state) {
        eseries::SolveInput in;
        in.targetOhms = targets[i++ % std::size(targets)];
        in.series = series;
        in.maxResistors = 3;
        benchmark::DoNotOptimize(eseries::solve(in));
    }
}

void BM_SolveE96Three(benchmark::State &state) { solveThree(state, eseries::Series::E96); }
void BM_SolveE192Three(benchmark::State &state) { solveThree(state, eseries::Series::E192); }
void BM_RatioE96(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(eseries::ratio({5, 3.3, eseries::Series::E96, 0, 0}));
}

} // namespace

BENCHMARK(BM_SolveE96Three)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SolveE192Three)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RatioE96)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
