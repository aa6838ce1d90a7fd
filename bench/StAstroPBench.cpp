// The eight bodies' places: every planet series once, Pluto's terms and the Sun.
#include "StAstroP.h"

#include <benchmark/benchmark.h>

namespace orbelune {
namespace {

void PlanetsPositionJob(benchmark::State& State) {
    double jd = 2460310.5;
    TPlanetPosArray positions{};
    for (auto _ : State) {
        PlanetsPosition(jd, positions);
        benchmark::DoNotOptimize(positions);
        jd += 0.37;
    }
}
BENCHMARK(PlanetsPositionJob)->Name("PlanetsPosition/orbelune");

}  // namespace
}  // namespace orbelune
