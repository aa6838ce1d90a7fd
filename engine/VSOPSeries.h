// The terms of the VSOP87 planetary theory (P. Bretagnon and G. Francou, Bureau des
// Longitudes, 1988) and their sum: the one term type and the one summation routine of
// every VSOP87 series the engine evaluates (the Earth's complete series, the Earth's
// truncated J2000 series of the Sun vector, the seven planets' truncated series).
//
// A coordinate (L, B or R) is S0 + S1 tau + ... + S5 tau^5 with tau in Julian millennia
// from J2000.0; each S_p sums terms A cos(B + C tau). How the S_p are combined, and the
// scale of A, belong to the caller's unit.
//
// Method: the terms are flat constant tables of doubles (the published coefficients
// carry at most 12 significant digits); each term's cosine is taken in double precision
// (SeriesTrig.h) and the sum is kept in extended precision.
// Accuracy: the double arguments and cosines move the Earth's complete series by under
// 1e-8" and a truncated series by less; the truncation of a series is what limits it.
#pragma once

#include <array>
#include <span>

namespace orbelune {

// One term A cos(B + C tau): A in radians (L, B) or astronomical units (R), possibly
// scaled by a power of ten that the series' owner states; B in radians; C in radians per
// Julian millennium.
struct TVSOPTerm {
    double A;
    double B;
    double C;
};

// The terms of one series, in the published order (largest amplitude first).
using TVSOPSeries = std::span<const TVSOPTerm>;

// One coordinate's series by power of tau 0..5; a power without terms is empty.
using TVSOPCoordinate = std::array<TVSOPSeries, 6>;

// The sum of A cos(B + C tau) over the series, in extended precision.
long double VSOPSeriesSum(TVSOPSeries series, double tau);

// The same sum with AVX2 vector instructions (VSOPSeries_Avx2.cpp), which VSOPSeriesSum
// takes where the processor has them (CpuHasAvx2); the two agree to the last bit.
long double VSOPSeriesSumAvx2(TVSOPSeries series, double tau);
bool CpuHasAvx2();

}  // namespace orbelune
