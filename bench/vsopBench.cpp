#include "vsop.h"

#include <benchmark/benchmark.h>

namespace orbelune {
namespace {

// One Earth position: every term of the complete series, one cosine each.
void BM_EarthHeliocentric(benchmark::State& state) {
    TDateTime date = 45000.25;  // 2023-03-15 06:00
    for (auto _ : state) {
        long double L, B, R;
        EarthHeliocentric(date, L, B, R);
        benchmark::DoNotOptimize(L);
        benchmark::DoNotOptimize(B);
        benchmark::DoNotOptimize(R);
        date += 0.37;
    }
}
BENCHMARK(BM_EarthHeliocentric);

}  // namespace
}  // namespace orbelune
