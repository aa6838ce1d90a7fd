// Apparent places, solar terms, the Chinese New Year and the phases of a month.
#include "StAstro.h"
#include "moon.h"

#include <benchmark/benchmark.h>

namespace orbelune {
namespace {

void SunApparentPositionJob(benchmark::State& State) {
    TDateTime date = 45291.0;
    for (auto _ : State) {
        benchmark::DoNotOptimize(SunApparentPosition(date));
        date += 0.37;
    }
}
BENCHMARK(SunApparentPositionJob)->Name("SunApparentPosition");

void MoonApparentPositionJob(benchmark::State& State) {
    TDateTime date = 45291.0;
    for (auto _ : State) {
        benchmark::DoNotOptimize(MoonApparentPosition(date));
        date += 0.37;
    }
}
BENCHMARK(MoonApparentPositionJob)->Name("MoonApparentPosition");

void MoonPhaseAngleJob(benchmark::State& State) {
    TDateTime date = 45291.0;
    for (auto _ : State) {
        benchmark::DoNotOptimize(MoonPhaseAngle(date));
        date += 0.37;
    }
}
BENCHMARK(MoonPhaseAngleJob)->Name("MoonPhaseAngle");

// Terms of years not asked before (the years walk 1700..2999 in steps of 7).
void SolarTermDateJob(benchmark::State& State) {
    int year = 1700, term = 0;
    for (auto _ : State) {
        benchmark::DoNotOptimize(SolarTermDate(year, term));
        term = (term + 5) % 24;
        if (term < 5) year = year + 7 < 3000 ? year + 7 : year + 7 - 1300;
    }
}
BENCHMARK(SolarTermDateJob)->Name("SolarTermDate");

void ChineseNewYearJob(benchmark::State& State) {
    int year = 1700;
    for (auto _ : State) {
        benchmark::DoNotOptimize(ChineseNewYear(year));
        year = year + 7 < 3000 ? year + 7 : year + 7 - 1300;
    }
}
BENCHMARK(ChineseNewYearJob)->Name("ChineseNewYear")->Unit(benchmark::kMicrosecond);

// The four phases of a month, as the Moon tab asks for them.
void PhasesOfAMonthJob(benchmark::State& State) {
    TDayNumber day = DMYToDayNumber(15, 1, 1700, 0);
    for (auto _ : State) {
        for (int phase = 0; phase < 4; ++phase)
            benchmark::DoNotOptimize(PhaseDatesInMonth(day, phase));
        day = day + 7 * 365 + 31 < StLastDayNumber ? day + 7 * 365 + 31 : 400;
    }
}
BENCHMARK(PhasesOfAMonthJob)->Name("PhaseDatesInMonth x4")->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace orbelune
