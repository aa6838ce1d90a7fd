// Cost of one conversion between day-month-year and the day number.
#include "StDate.h"

#include <benchmark/benchmark.h>

namespace orbelune {
namespace {

void BM_DMYToDayNumber(benchmark::State& State) {
    int Day = 1, Month = 1, Year = 1600;
    for (auto _ : State) {
        benchmark::DoNotOptimize(DMYToDayNumber(Day, Month, Year, 0));
        // Walk through days, months and years so no branch is always taken.
        Day = Day % 28 + 1;
        Month = Month % 12 + 1;
        Year = Year == 3999 ? 1600 : Year + 1;
    }
}
BENCHMARK(BM_DMYToDayNumber);

void BM_DayNumberToDMY(benchmark::State& State) {
    TDayNumber N = 0;
    for (auto _ : State) {
        int Day, Month, Year;
        DayNumberToDMY(N, Day, Month, Year);
        benchmark::DoNotOptimize(Day);
        benchmark::DoNotOptimize(Month);
        benchmark::DoNotOptimize(Year);
        N = (N + 7919) % (StLastDayNumber + 1);
    }
}
BENCHMARK(BM_DayNumberToDMY);

}  // namespace
}  // namespace orbelune
