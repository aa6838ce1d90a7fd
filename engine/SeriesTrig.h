// Sine and cosine in double precision for the periodic series of the engine (VSOP87,
// the Moon, nutation, precession, Pluto, the phase corrections), whose arguments run to
// thousands of radians.
//
// In:  an angle in radians, a double.
// Out: its sine and cosine, doubles.
// Method: x = k pi + r with k the nearest integer to x / pi and |r| <= pi/2, the product
//      k pi taken with pi split in three parts (Cody and Waite), so that r is exact to a
//      unit in its last place for |x| < 3e6; then the Taylor polynomials of cos r (to
//      r^20) and sin r (to r^21), evaluated by Estrin's scheme, and the sign (-1)^k.
//      Beyond 3e6 radians, and for values that are not finite, the C library's
//      functions. No branch depends on the angle's quadrant, so a loop over many terms
//      runs without mispredictions.
// Accuracy: within 4e-16 of the exact sine and cosine of the given double (two to three
//      units in the last place near 1).
// Reference: W. J. Cody and W. Waite, Software Manual for the Elementary Functions
//      (Prentice-Hall, 1980), chapter 8.
#pragma once

#include <bit>
#include <cmath>
#include <cstdint>

// The helpers are inlined wherever they are used, also into the AVX2 form of the series
// sum (VSOPSeries_Avx2.cpp), so that no copy compiled for one processor serves another.
#if defined(__GNUC__)
#define ORBELUNE_ALWAYS_INLINE inline __attribute__((always_inline))
#elif defined(_MSC_VER)
#define ORBELUNE_ALWAYS_INLINE __forceinline
#else
#define ORBELUNE_ALWAYS_INLINE inline
#endif

namespace orbelune {

namespace series_trig {

inline constexpr double InvPi = 0x1.45f306dc9c883p-2;
// pi = Pi1 + Pi2 + Pi3; Pi1 and Pi2 carry 33 bits, so k Pi1 and k Pi2 are exact for
// |k| < 2^20.
inline constexpr double Pi1 = 0x1.921fb544p+1;
inline constexpr double Pi2 = 0x1.0b4611a6p-33;
inline constexpr double Pi3 = 0x1.3198a2e037073p-68;
// Adding 1.5 * 2^52 rounds to the nearest integer and leaves it in the low bits.
inline constexpr double Shifter = 0x1.8p52;
inline constexpr double Limit = 3.0e6;

// 1 / (2n)! and 1 / (2n + 1)!, n = 0 .. 10.
inline constexpr double C0 = 1.0, C1 = -1.0 / 2, C2 = 1.0 / 24, C3 = -1.0 / 720, C4 = 1.0 / 40320,
                        C5 = -1.0 / 3628800, C6 = 1.0 / 479001600, C7 = -1.0 / 87178291200.0,
                        C8 = 1.0 / 20922789888000.0, C9 = -1.0 / 6402373705728000.0,
                        C10 = 1.0 / 2432902008176640000.0;
inline constexpr double S0 = 1.0, S1 = -1.0 / 6, S2 = 1.0 / 120, S3 = -1.0 / 5040,
                        S4 = 1.0 / 362880, S5 = -1.0 / 39916800, S6 = 1.0 / 6227020800.0,
                        S7 = -1.0 / 1307674368000.0, S8 = 1.0 / 355687428096000.0,
                        S9 = -1.0 / 121645100408832000.0, S10 = 1.0 / 51090942171709440000.0;

// cos r and sin r / r from z = r^2 by Estrin's scheme: short dependency chains.
ORBELUNE_ALWAYS_INLINE double CosPolynomial(double z) {
    const double z2 = z * z, z4 = z2 * z2, z8 = z4 * z4;
    const double a = (C0 + C1 * z) + (C2 + C3 * z) * z2;
    const double b = (C4 + C5 * z) + (C6 + C7 * z) * z2;
    const double c = (C8 + C9 * z) + C10 * z2;
    return (a + b * z4) + c * z8;
}

ORBELUNE_ALWAYS_INLINE double SinPolynomial(double z) {
    const double z2 = z * z, z4 = z2 * z2, z8 = z4 * z4;
    const double a = (S0 + S1 * z) + (S2 + S3 * z) * z2;
    const double b = (S4 + S5 * z) + (S6 + S7 * z) * z2;
    const double c = (S8 + S9 * z) + S10 * z2;
    return (a + b * z4) + c * z8;
}

// x = k pi + r; returns r and sets Odd to the sign bit of (-1)^k.
ORBELUNE_ALWAYS_INLINE double ReduceByPi(double x, uint64_t& Odd) {
    const double t = x * InvPi + Shifter;
    Odd = std::bit_cast<uint64_t>(t) << 63;
    const double k = t - Shifter;
    return ((x - k * Pi1) - k * Pi2) - k * Pi3;
}

ORBELUNE_ALWAYS_INLINE double FlipIf(double Value, uint64_t Odd) {
    return std::bit_cast<double>(std::bit_cast<uint64_t>(Value) ^ Odd);
}

}  // namespace series_trig

inline double SeriesCos(double x) {
    using namespace series_trig;
    if (!(std::fabs(x) < Limit)) return std::cos(x);
    uint64_t odd = 0;
    const double r = ReduceByPi(x, odd);
    return FlipIf(CosPolynomial(r * r), odd);
}

inline double SeriesSin(double x) {
    using namespace series_trig;
    if (!(std::fabs(x) < Limit)) return std::sin(x);
    uint64_t odd = 0;
    const double r = ReduceByPi(x, odd);
    return FlipIf(r * SinPolynomial(r * r), odd);
}

inline void SeriesSinCos(double x, double& Sin, double& Cos) {
    using namespace series_trig;
    if (!(std::fabs(x) < Limit)) {
        Sin = std::sin(x);
        Cos = std::cos(x);
        return;
    }
    uint64_t odd = 0;
    const double r = ReduceByPi(x, odd);
    const double z = r * r;
    Sin = FlipIf(r * SinPolynomial(z), odd);
    Cos = FlipIf(CosPolynomial(z), odd);
}

// Sine and cosine of an angle in degrees of any size: reduced to one turn exactly in
// extended precision first, so that a large angle loses nothing before it becomes a
// double.
inline double SeriesSinDeg(long double Degrees) {
    return SeriesSin(static_cast<double>(std::fmod(Degrees, 360.0L)) * 0.017453292519943295769);
}

inline double SeriesCosDeg(long double Degrees) {
    return SeriesCos(static_cast<double>(std::fmod(Degrees, 360.0L)) * 0.017453292519943295769);
}

}  // namespace orbelune
