// The reference jobs: libnova 0.16 (Debian libnova-dev) doing what our routines do, in
// the same run. Each is named "<job>/libnova"; ours is "<job>/orbelune".
#include <benchmark/benchmark.h>
#include <libnova/libnova.h>

namespace orbelune {
namespace {

// The instants walk forward so that no argument repeats (as ours do).
constexpr double StartJD = 2460310.5;  // 2024-01-01
constexpr double StepDays = 0.37;

void EarthHelio(benchmark::State& State) {
    double jd = StartJD;
    for (auto _ : State) {
        ln_helio_posn position;
        ln_get_earth_helio_coords(jd, &position);
        benchmark::DoNotOptimize(position);
        jd += StepDays;
    }
}
BENCHMARK(EarthHelio)->Name("EarthHeliocentric/libnova");

void SolarEquatorial(benchmark::State& State) {
    double jd = StartJD;
    for (auto _ : State) {
        ln_equ_posn position;
        ln_get_solar_equ_coords(jd, &position);
        benchmark::DoNotOptimize(position);
        jd += StepDays;
    }
}
BENCHMARK(SolarEquatorial)->Name("SunRADec/libnova");

void LunarEquatorial(benchmark::State& State) {
    double jd = StartJD;
    for (auto _ : State) {
        ln_equ_posn position;
        ln_get_lunar_equ_coords(jd, &position);
        benchmark::DoNotOptimize(position);
        jd += StepDays;
    }
}
BENCHMARK(LunarEquatorial)->Name("MoonPosition/libnova");

void PlanetsEquatorial(benchmark::State& State) {
    using Getter = void (*)(double, ln_equ_posn*);
    const Getter bodies[8] = {ln_get_mercury_equ_coords, ln_get_venus_equ_coords,
                              ln_get_mars_equ_coords,    ln_get_jupiter_equ_coords,
                              ln_get_saturn_equ_coords,  ln_get_uranus_equ_coords,
                              ln_get_neptune_equ_coords, ln_get_pluto_equ_coords};
    double jd = StartJD;
    for (auto _ : State) {
        ln_equ_posn positions[8];
        for (int i = 0; i < 8; ++i) bodies[i](jd, &positions[i]);
        benchmark::DoNotOptimize(positions);
        jd += StepDays;
    }
}
BENCHMARK(PlanetsEquatorial)->Name("PlanetsPosition/libnova");

// New York, every day of 2024.
void LunarRiseSetYear(benchmark::State& State) {
    ln_lnlat_posn observer{-74.0, 40.7};
    for (auto _ : State) {
        for (int day = 0; day < 365; ++day) {
            ln_rst_time rst;
            benchmark::DoNotOptimize(ln_get_lunar_rst(StartJD + day, &observer, &rst));
            benchmark::DoNotOptimize(rst);
        }
    }
}
BENCHMARK(LunarRiseSetYear)->Name("MoonRiseSetYear/libnova")->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orbelune
