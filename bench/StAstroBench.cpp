// Cost of the Moon's position and of a year of moonrises and moonsets.
#include "StAstro.h"

#include <benchmark/benchmark.h>

namespace orbelune {
namespace {

void BM_MoonPosition(benchmark::State& State) {
    TDayTimeRec UT{DMYToDayNumber(1, 1, 2024, 0), 0};
    for (auto _ : State) {
        benchmark::DoNotOptimize(MoonPosition(UT));
        // Walk through the year so that no argument repeats.
        UT.T = (UT.T + 3607) % 86400;
        UT.D = UT.T < 3607 ? UT.D + 1 : UT.D;
    }
}
BENCHMARK(BM_MoonPosition);

// New York, every day of 2024: 365 calls per iteration.
void BM_MoonRiseSetYear(benchmark::State& State) {
    const TDayNumber First = DMYToDayNumber(1, 1, 2024, 0);
    for (auto _ : State) {
        for (TDayNumber Day = First; Day < First + 365; ++Day)
            benchmark::DoNotOptimize(MoonRiseSet(Day, 30, -74.0, 40.7));
    }
}
BENCHMARK(BM_MoonRiseSetYear)->Unit(benchmark::kMillisecond);

void BM_SunRADec(benchmark::State& State) {
    TDayTimeRec UT{DMYToDayNumber(1, 1, 2024, 0), 0};
    for (auto _ : State) {
        benchmark::DoNotOptimize(SunRADec(UT));
        UT.T = (UT.T + 3607) % 86400;
        UT.D = UT.T < 3607 ? UT.D + 1 : UT.D;
    }
}
BENCHMARK(BM_SunRADec);

}  // namespace
}  // namespace orbelune
