// The summing loop of VSOPSeriesSum, shared by its plain and its AVX2 form.
//
// The terms go in blocks: first every cosine of a block into a small array (a loop
// without branches that the compiler turns into vector instructions), then the block's
// values added to the extended sum in table order. Each value is computed by the same
// operations in every lane and no operation is fused, so both forms give the same
// result to the last bit as a plain term-by-term loop.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "SeriesTrig.h"
#include "VSOPSeries.h"

namespace orbelune {

ORBELUNE_ALWAYS_INLINE long double VSOPBlockSum(TVSOPSeries series, double tau) {
    using namespace series_trig;
    constexpr std::size_t Block = 16;
    double argument[Block], value[Block];
    long double sum = 0.0L;
    for (std::size_t first = 0; first < series.size(); first += Block) {
        const std::size_t count = std::min(Block, series.size() - first);
        const TVSOPTerm* term = series.data() + first;
        for (std::size_t i = 0; i < count; ++i) {
            argument[i] = term[i].B + term[i].C * tau;
            uint64_t odd = 0;
            const double r = ReduceByPi(argument[i], odd);
            value[i] = term[i].A * FlipIf(CosPolynomial(r * r), odd);
        }
        // Arguments beyond the reduction's range (never reached from 1600 to 3999) take
        // the C library's cosine.
        for (std::size_t i = 0; i < count; ++i)
            sum += std::fabs(argument[i]) < Limit ? value[i] : term[i].A * std::cos(argument[i]);
    }
    return sum;
}

}  // namespace orbelune
