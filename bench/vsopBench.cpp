// One Earth position: every term of the complete VSOP87D series.
#include "vsop.h"

#include <benchmark/benchmark.h>

namespace orbelune {
namespace {

void EarthHeliocentricJob(benchmark::State& State) {
    TDateTime date = 45291.0;  // 2024-01-01, as the reference's first instant
    for (auto _ : State) {
        long double L, B, R;
        EarthHeliocentric(date, L, B, R);
        benchmark::DoNotOptimize(L);
        benchmark::DoNotOptimize(B);
        benchmark::DoNotOptimize(R);
        date += 0.37;
    }
}
BENCHMARK(EarthHeliocentricJob)->Name("EarthHeliocentric/orbelune");

}  // namespace
}  // namespace orbelune
