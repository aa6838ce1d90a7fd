// The holiday table of a year.
#include "Holidays.h"

#include <benchmark/benchmark.h>

#include "UseZone.h"

namespace orbelune {
namespace {

// A year not built before: the years walk 1700..2999 in steps of 7, so no year comes
// back within 185 builds.
void BuildHolidayTableNewYear(benchmark::State& State) {
    UseZone("America/New_York");
    int year = 1700;
    for (auto _ : State) {
        BuildHolidayTable(year);
        benchmark::DoNotOptimize(HolidayDates[1]);
        year = year + 7 < 3000 ? year + 7 : year + 7 - 1300;
    }
}
BENCHMARK(BuildHolidayTableNewYear)->Unit(benchmark::kMicrosecond);

// The same year again (the month grid and the Holiday tab ask for the shown year).
void BuildHolidayTable2024(benchmark::State& State) {
    UseZone("America/New_York");
    for (auto _ : State) {
        BuildHolidayTable(2024);
        benchmark::DoNotOptimize(HolidayDates[1]);
    }
}
BENCHMARK(BuildHolidayTable2024)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace orbelune
