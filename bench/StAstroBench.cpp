// The Sun's and the Moon's places and a year of moonrises and moonsets.
#include "StAstro.h"

#include <benchmark/benchmark.h>

namespace orbelune {
namespace {

// Walks through the days from 2024 so that no argument repeats.
void NextInstant(TDayTimeRec& UT) {
    UT.T = (UT.T + 3607) % 86400;
    UT.D = UT.T < 3607 ? UT.D + 1 : UT.D;
}

void SunRADecJob(benchmark::State& State) {
    TDayTimeRec UT{DMYToDayNumber(1, 1, 2024, 0), 0};
    for (auto _ : State) {
        benchmark::DoNotOptimize(SunRADec(UT));
        NextInstant(UT);
    }
}
BENCHMARK(SunRADecJob)->Name("SunRADec/orbelune");

void MoonPositionJob(benchmark::State& State) {
    TDayTimeRec UT{DMYToDayNumber(1, 1, 2024, 0), 0};
    for (auto _ : State) {
        benchmark::DoNotOptimize(MoonPosition(UT));
        NextInstant(UT);
    }
}
BENCHMARK(MoonPositionJob)->Name("MoonPosition/orbelune");

// New York, every day of a year: 365 calls per iteration. Each iteration takes the
// next year, so no day is asked twice.
void MoonRiseSetYearJob(benchmark::State& State) {
    TDayNumber First = DMYToDayNumber(1, 1, 2024, 0);
    for (auto _ : State) {
        for (TDayNumber Day = First; Day < First + 365; ++Day)
            benchmark::DoNotOptimize(MoonRiseSet(Day, 30, -74.0, 40.7));
        First = First + 365 < StLastDayNumber - 400 ? First + 365 : 1;
    }
}
BENCHMARK(MoonRiseSetYearJob)->Name("MoonRiseSetYear/orbelune")->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orbelune
