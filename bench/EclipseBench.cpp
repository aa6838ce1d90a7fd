// The eclipses of a year with the central lines, over the two centuries 1900-2100.
#include <benchmark/benchmark.h>

#include "StEclpse.h"

namespace orbelune {
namespace {

void SearchYear2024(benchmark::State& State) {
    for (auto _ : State) {
        TStEclipses list;
        list.SearchYear(2024);
        benchmark::DoNotOptimize(list.Count());
    }
}
BENCHMARK(SearchYear2024);

// Every year from 1900 to 2100: 201 searches per iteration.
void SearchYears1900To2100(benchmark::State& State) {
    for (auto _ : State) {
        for (int year = 1900; year <= 2100; ++year) {
            TStEclipses list;
            list.SearchYear(year);
            benchmark::DoNotOptimize(list.Count());
        }
    }
}
BENCHMARK(SearchYears1900To2100)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orbelune
