#include "Astronomy.h"
#include "Holidays.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <ctime>

namespace orbelune {
namespace {

void UseZone(const char* Zone) {
#ifdef _WIN32
    _putenv_s("TZ", Zone);
    _tzset();
#else
    setenv("TZ", Zone, 1);
    tzset();
#endif
}

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

void BM_BuildHolidayTable(benchmark::State& state) {
    UseZone("America/New_York");
    int year = 1990;
    for (auto _ : state) {
        BuildHolidayTable(year);
        benchmark::DoNotOptimize(HolidayDates[1]);
        year = year < 2040 ? year + 1 : 1990;
    }
}
BENCHMARK(BM_BuildHolidayTable);

}  // namespace
}  // namespace orbelune
