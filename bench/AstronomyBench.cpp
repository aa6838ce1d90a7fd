// The zone state, sunrise and the equinoxes.
#include "Astronomy.h"

#include <benchmark/benchmark.h>

#include "UseZone.h"

namespace orbelune {
namespace {

// The clock asks once a second and the year graph 365 times in a row: one refresh of
// the zone state for New York, whose transitions cover the years asked.
void BM_GetUTCOffset(benchmark::State& state) {
    UseZone("America/New_York");
    TDateTime date = 45000.25;
    for (auto _ : state) {
        benchmark::DoNotOptimize(GetUTCOffset(date));
        date += 1.0;
        if (date > 46000) date = 45000.25;
    }
}
BENCHMARK(BM_GetUTCOffset);

void BM_SunRiseSetUT(benchmark::State& state) {
    int day = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(SunRiseSetUT(day, 6, 2024, 40.7L, -74.0L, 10, true));
        day = day % 28 + 1;
    }
}
BENCHMARK(BM_SunRiseSetUT);

void BM_EquinoxSolsticeDate(benchmark::State& state) {
    int year = 1650;
    for (auto _ : state) {
        benchmark::DoNotOptimize(EquinoxSolsticeDate(year, "DEC"));
        year = year < 3000 ? year + 1 : 1650;
    }
}
BENCHMARK(BM_EquinoxSolsticeDate);

}  // namespace
}  // namespace orbelune
