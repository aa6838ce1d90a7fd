// The one summation routine of the VSOP87 series: its double-precision cosines against
// the C library's extended ones, and its AVX2 form against the plain one.
#include "VSOPSeries.h"

#include "SeriesTrig.h"
#include "VSOPBlockSum.h"
#include "vsopTerms.h"

#include <gtest/gtest.h>

#include <cmath>

namespace orbelune {
namespace {

long double ExtendedSum(TVSOPSeries series, long double tau) {
    long double sum = 0.0L;
    for (const TVSOPTerm& term : series) sum += term.A * std::cos(term.B + term.C * tau);
    return sum;
}

// Every series of the Earth (amplitudes in 1e-8 radians or AU) at dates from 1600 to
// 4000: the double arguments and cosines move no sum by more than 5e-6 units, 1e-8"
// after the scale (the largest periodic term, 0.033 rad, times the last place of its
// argument).
TEST(VSOPSeriesSum, AgreesWithExtendedCosinesOfTheEarthsSeries) {
    for (double tau = -0.4; tau <= 2.0; tau += 0.0737) {
        for (const TVSOPCoordinate* coordinate : {&VSOPEarthL, &VSOPEarthB, &VSOPEarthR})
            for (const TVSOPSeries& series : *coordinate)
                EXPECT_NEAR(VSOPSeriesSum(series, tau), ExtendedSum(series, tau), 5e-6L) << tau;
    }
}

// Both forms sum the same values in the same order.
TEST(VSOPSeriesSum, TheAvx2FormGivesTheSameBits) {
    if (!CpuHasAvx2()) GTEST_SKIP() << "the processor has no AVX2";
    for (double tau = -0.4; tau <= 2.0; tau += 0.0737) {
        for (const TVSOPCoordinate* coordinate : {&VSOPEarthL, &VSOPEarthB, &VSOPEarthR})
            for (const TVSOPSeries& series : *coordinate)
                EXPECT_EQ(VSOPSeriesSumAvx2(series, tau), VSOPBlockSum(series, tau)) << tau;
    }
}

// Far beyond any date of the engine the arguments leave the reduction's range and the
// C library's cosine of the same double arguments takes over.
TEST(VSOPSeriesSum, ArgumentsBeyondTheReductionTakeTheLibraryCosine) {
    const double tau = 1e4;
    long double expected = 0.0L;
    for (const TVSOPTerm& term : VSOPEarthR[0])
        expected += term.A * std::cos(term.B + term.C * tau);
    EXPECT_NEAR(VSOPSeriesSum(VSOPEarthR[0], tau), expected, 1e-6L);
}

// Sine and cosine against the C library's extended functions, from tiny arguments to
// millions of radians, at their extremes and where they vanish.
TEST(SeriesTrig, WithinFourUnitsOfTheLastPlace) {
    double worst = 0.0;
    for (double x = 1e-9; x < 2.9e6; x *= 1.0137) {
        for (const double a : {x, -x, x + 0.5, 1.5707963267948966 * std::round(x)}) {
            double s = 0, c = 0;
            SeriesSinCos(a, s, c);
            const long double xs = a;
            worst = std::max({worst, std::fabs(static_cast<double>(s - std::sin(xs))),
                              std::fabs(static_cast<double>(c - std::cos(xs))),
                              std::fabs(static_cast<double>(SeriesSin(a) - std::sin(xs))),
                              std::fabs(static_cast<double>(SeriesCos(a) - std::cos(xs)))});
        }
    }
    EXPECT_LT(worst, 4e-16);
    EXPECT_EQ(SeriesCos(0.0), 1.0);
    EXPECT_EQ(SeriesSin(0.0), 0.0);
    EXPECT_NEAR(SeriesSinDeg(3.6e9L + 30.0L), 0.5, 1e-15);
    EXPECT_NEAR(SeriesCosDeg(-240.0L), -0.5, 1e-15);
    EXPECT_TRUE(std::isnan(SeriesCos(NAN)));
    EXPECT_TRUE(std::isnan(SeriesSin(INFINITY)));
    EXPECT_DOUBLE_EQ(SeriesCos(1e7), std::cos(1e7));
}

}  // namespace
}  // namespace orbelune
