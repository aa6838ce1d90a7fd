// Delta-T = TT - UT, and the step from dynamical time to Universal Time.
//
// Whole-year values: a yearly table for 1620 .. 2014 (no interpolation between its
// entries), the polynomials of Stephenson and Morrison as given by Meeus before it, and
// one second more per year after it.
#include "AstroConstants.h"
#include "Astronomy.h"

#include <iterator>

namespace orbelune {

namespace {

constexpr int DeltaTFirstYear = 1620;

// Seconds, one value per year from 1620.
constexpr float DeltaTTable[] = {
    124.0f, 119.0f, 115.0f, 110.0f, 106.0f, 102.0f, 98.0f,  95.0f,  91.0f,  88.0f,   // 1620
    85.0f,  82.0f,  79.0f,  77.0f,  74.0f,  72.0f,  70.0f,  67.0f,  65.0f,  63.0f,   // 1630
    62.0f,  60.0f,  58.0f,  57.0f,  55.0f,  54.0f,  53.0f,  51.0f,  50.0f,  49.0f,   // 1640
    48.0f,  47.0f,  46.0f,  45.0f,  44.0f,  43.0f,  42.0f,  41.0f,  40.0f,  38.0f,   // 1650
    37.0f,  36.0f,  35.0f,  34.0f,  33.0f,  32.0f,  31.0f,  30.0f,  28.0f,  27.0f,   // 1660
    26.0f,  25.0f,  24.0f,  23.0f,  22.0f,  21.0f,  20.0f,  19.0f,  18.0f,  17.0f,   // 1670
    16.0f,  15.0f,  14.0f,  14.0f,  13.0f,  12.0f,  12.0f,  11.0f,  11.0f,  10.0f,   // 1680
    10.0f,  10.0f,  9.0f,   9.0f,   9.0f,   9.0f,   9.0f,   9.0f,   9.0f,   9.0f,    // 1690
    9.0f,   9.0f,   9.0f,   9.0f,   9.0f,   9.0f,   9.0f,   9.0f,   10.0f,  10.0f,   // 1700
    10.0f,  10.0f,  10.0f,  10.0f,  10.0f,  10.0f,  10.0f,  11.0f,  11.0f,  11.0f,   // 1710
    11.0f,  11.0f,  11.0f,  11.0f,  11.0f,  11.0f,  11.0f,  11.0f,  11.0f,  11.0f,   // 1720
    11.0f,  11.0f,  11.0f,  11.0f,  12.0f,  12.0f,  12.0f,  12.0f,  12.0f,  12.0f,   // 1730
    12.0f,  12.0f,  12.0f,  12.0f,  13.0f,  13.0f,  13.0f,  13.0f,  13.0f,  13.0f,   // 1740
    13.0f,  14.0f,  14.0f,  14.0f,  14.0f,  14.0f,  14.0f,  14.0f,  15.0f,  15.0f,   // 1750
    15.0f,  15.0f,  15.0f,  15.0f,  15.0f,  16.0f,  16.0f,  16.0f,  16.0f,  16.0f,   // 1760
    16.0f,  16.0f,  16.0f,  16.0f,  16.0f,  17.0f,  17.0f,  17.0f,  17.0f,  17.0f,   // 1770
    17.0f,  17.0f,  17.0f,  17.0f,  17.0f,  17.0f,  17.0f,  17.0f,  17.0f,  17.0f,   // 1780
    17.0f,  17.0f,  16.0f,  16.0f,  16.0f,  16.0f,  15.0f,  15.0f,  14.0f,  14.0f,   // 1790
    13.7f,  13.4f,  13.1f,  12.9f,  12.7f,  12.6f,  12.5f,  12.5f,  12.5f,  12.5f,   // 1800
    12.5f,  12.5f,  12.5f,  12.5f,  12.5f,  12.5f,  12.5f,  12.4f,  12.3f,  12.2f,   // 1810
    12.0f,  11.7f,  11.4f,  11.1f,  10.6f,  10.2f,  9.6f,   9.1f,   8.6f,   8.0f,    // 1820
    7.5f,   7.0f,   6.6f,   6.3f,   6.0f,   5.8f,   5.7f,   5.6f,   5.6f,   5.6f,    // 1830
    5.7f,   5.8f,   5.9f,   6.1f,   6.2f,   6.3f,   6.5f,   6.6f,   6.8f,   6.9f,    // 1840
    7.1f,   7.2f,   7.3f,   7.4f,   7.5f,   7.6f,   7.7f,   7.7f,   7.8f,   7.8f,    // 1850
    7.88f,  7.82f,  7.54f,  6.97f,  6.4f,   6.02f,  5.41f,  4.1f,   2.92f,  1.82f,   // 1860
    1.61f,  0.1f,   -1.02f, -1.28f, -2.69f, -3.24f, -3.64f, -4.54f, -4.71f, -5.11f,  // 1870
    -5.4f,  -5.42f, -5.2f,  -5.46f, -5.46f, -5.79f, -5.63f, -5.64f, -5.8f,  -5.66f,  // 1880
    -5.87f, -6.01f, -6.19f, -6.64f, -6.44f, -6.47f, -6.09f, -5.76f, -4.66f, -3.74f,  // 1890
    -2.72f, -1.54f, -0.02f, 1.24f,  2.64f,  3.86f,  5.37f,  6.14f,  7.75f,  9.13f,   // 1900
    10.46f, 11.53f, 13.36f, 14.65f, 16.01f, 17.2f,  18.24f, 19.06f, 20.25f, 20.95f,  // 1910
    21.16f, 22.25f, 22.41f, 23.03f, 23.49f, 23.62f, 23.86f, 24.49f, 24.34f, 24.08f,  // 1920
    24.02f, 24.0f,  23.87f, 23.95f, 23.86f, 23.93f, 23.73f, 23.92f, 23.96f, 24.02f,  // 1930
    24.33f, 24.83f, 25.3f,  25.7f,  26.24f, 26.77f, 27.28f, 27.78f, 28.25f, 28.71f,  // 1940
    29.15f, 29.57f, 29.97f, 30.36f, 30.72f, 31.07f, 31.35f, 31.68f, 32.18f, 32.68f,  // 1950
    33.15f, 33.59f, 34.0f,  34.47f, 35.03f, 35.73f, 36.54f, 37.43f, 38.29f, 39.2f,   // 1960
    40.18f, 41.17f, 42.23f, 43.37f, 44.49f, 45.48f, 46.46f, 47.52f, 48.53f, 49.59f,  // 1970
    50.54f, 51.38f, 52.17f, 52.96f, 53.79f, 54.34f, 54.87f, 55.32f, 55.82f, 56.3f,   // 1980
    56.86f, 57.57f, 58.31f, 59.12f, 59.98f, 60.78f, 61.63f, 62.29f, 62.97f, 63.47f,  // 1990
    63.83f, 64.09f, 64.3f,  64.47f, 65.8f,  66.0f,  67.0f,  68.0f,  68.0f,  69.0f,   // 2000
    70.0f,  70.0f,  71.0f,  72.0f,  73.0f,                                           // 2010
};

constexpr int DeltaTLastYear = DeltaTFirstYear + static_cast<int>(std::size(DeltaTTable)) - 1;
static_assert(DeltaTLastYear == 2014);

}  // namespace

long double DeltaTSeconds(int Year) {
    const long double t = (static_cast<long double>(Year) - 2000.0L) / 100.0L;
    if (Year < 948) return 2177.0L + 497.0L * t + 44.1L * t * t;
    if (Year < DeltaTFirstYear) return 102.0L + 102.0L * t + 25.3L * t * t;
    if (Year <= DeltaTLastYear) return DeltaTTable[Year - DeltaTFirstYear];
    return static_cast<long double>(DeltaTTable[DeltaTLastYear - DeltaTFirstYear]) +
           (Year - DeltaTLastYear);
}

long double JDEToJD(int Year, long double JDE) {
    return JDE - DeltaTSeconds(Year) / 86400.0L;
}

long double JulianCenturiesJ2000(long double JD) {
    return (JD - J2000) / DaysPerJulianCentury;
}

}  // namespace orbelune
