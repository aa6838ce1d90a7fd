#include "StAstroP.h"

#include <benchmark/benchmark.h>

namespace orbelune {
namespace {

// The eight bodies' places: every planet series once, Pluto's terms and the Sun.
void BM_PlanetsPosition(benchmark::State& state) {
    double jd = 2460310.5;
    TPlanetPosArray positions{};
    for (auto _ : state) {
        PlanetsPosition(jd, positions);
        benchmark::DoNotOptimize(positions);
        jd += 0.37;
    }
}
BENCHMARK(BM_PlanetsPosition);

}  // namespace
}  // namespace orbelune
