// The eclipses of one year, and of the two centuries 1900-2100.
#include <benchmark/benchmark.h>

#include "StEclpse.h"

namespace orbelune {
namespace {

void BM_SearchYear2024(benchmark::State& State) {
    for (auto _ : State) {
        TStEclipses list;
        list.SearchYear(2024);
        benchmark::DoNotOptimize(list.Count());
    }
}
BENCHMARK(BM_SearchYear2024);

void BM_SearchYears1900To2100(benchmark::State& State) {
    for (auto _ : State) {
        TStEclipses list;
        for (int year = 1900; year <= 2100; ++year) list.SearchYear(year);
        benchmark::DoNotOptimize(list.Count());
    }
}
BENCHMARK(BM_SearchYears1900To2100)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orbelune
