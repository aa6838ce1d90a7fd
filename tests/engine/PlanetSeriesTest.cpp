#include "StJup.h"
#include "StJupTerms.h"
#include "StMars.h"
#include "StMarsTerms.h"
#include "StMerc.h"
#include "StMercTerms.h"
#include "StNeptun.h"
#include "StNeptunTerms.h"
#include "StSaturn.h"
#include "StSaturnTerms.h"
#include "StUranus.h"
#include "StUranusTerms.h"
#include "StVenus.h"
#include "StVenusTerms.h"

#include "CsvReader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

namespace orbelune {
namespace {

using SeriesFunction = double (*)(double, double, double, double, double);

struct PlanetCase {
    const char* Name;
    TPlanetLBR (*LBR)(double);
    SeriesFunction Longitude, Latitude, Radius;
    const TVSOPCoordinate* L;
    const TVSOPCoordinate* B;
    const TVSOPCoordinate* R;
    int CountL[6], CountB[6], CountR[6];
    // Opening terms: L0, L1 and R0 constants, first B0 term (A, B, C), as the tables hold
    // them: the doubles nearest the published values.
    double L0, L1, R0, B0A, B0B, B0C;
    // At JD 2451545.0: L, B (radians), R (AU).
    double AtJ2000[3];
    // Truncation error from 1600 to 3000 against the complete series, with margin:
    // L and B in arcseconds, R in AU.
    double TolL, TolB, TolR;
};

const PlanetCase Planets[] = {
    {"mercury",
     MercuryLBR,
     MercuryLongitude,
     MercuryLatitude,
     MercuryRadius,
     &MercuryL,
     &MercuryB,
     &MercuryR,
     {38, 16, 10, 8, 6, 1},
     {14, 11, 9, 7, 2, 0},
     {13, 8, 7, 5, 0, 0},
     4.4025071014,
     26088.147062,
     0.39528271652,
     0.11737528962,
     1.9835749877,
     26087.903142,
     {4.429346726, -0.052757137, 0.466472691},
     2.0,
     2.0,
     1e-5},
    {"venus",
     VenusLBR,
     VenusLongitude,
     VenusLatitude,
     VenusRadius,
     &VenusL,
     &VenusB,
     &VenusR,
     {24, 12, 8, 3, 3, 1},
     {9, 4, 4, 4, 1, 0},
     {12, 3, 3, 1, 1, 0},
     3.1761466677,
     10213.529431,
     0.72334820905,
     0.05923638472,
     0.26702775813,
     10213.285546,
     {3.187020682, 0.056978419, 0.720213396},
     2.0,
     1.5,
     5e-6},
    {"mars",
     MarsLBR,
     MarsLongitude,
     MarsLatitude,
     MarsRadius,
     &MarsL,
     &MarsB,
     &MarsR,
     {69, 46, 33, 12, 8, 2},
     {16, 9, 7, 4, 3, 0},
     {45, 27, 11, 6, 4, 0},
     6.2034771158,
     3340.8562747,
     1.5303348828,
     0.03197134986,
     3.7683204243,
     3340.6124267,
     {6.273542178, -0.024780454, 1.391205293},
     3.5,
     2.0,
     2e-5},
    {"jupiter",
     JupiterLBR,
     JupiterLongitude,
     JupiterLatitude,
     JupiterRadius,
     &JupiterL,
     &JupiterB,
     &JupiterR,
     {64, 61, 57, 39, 19, 5},
     {26, 22, 14, 9, 6, 1},
     {46, 43, 36, 28, 15, 7},
     0.59954691495,
     529.93480758,
     5.2088742947,
     0.02268615703,
     3.5585260672,
     529.69096509,
     {0.633461776, -0.020500306, 4.965388319},
     3.0,
     1.5,
     5e-5},
    {"saturn",
     SaturnLBR,
     SaturnLongitude,
     SaturnLatitude,
     SaturnRadius,
     &SaturnL,
     &SaturnB,
     &SaturnR,
     {90, 79, 63, 48, 22, 8},
     {34, 32, 29, 21, 12, 2},
     {44, 38, 32, 28, 23, 18},
     0.87401354029,
     213.54295596,
     9.557581358,
     0.0433067804,
     3.602844284,
     213.29909544,
     {0.798005866, -0.040196875, 9.183730288},
     4.0,
     2.5,
     2e-4},
    {"uranus",
     UranusLBR,
     UranusLongitude,
     UranusLatitude,
     UranusRadius,
     &UranusL,
     &UranusB,
     &UranusR,
     {91, 57, 35, 18, 4, 0},
     {28, 20, 11, 4, 1, 0},
     {59, 35, 18, 10, 2, 0},
     5.481292943,
     75.025431216,
     19.212648479,
     0.01346277639,
     2.6187781055,
     74.781598567,
     {5.522545758, -0.011951701, 19.923971510},
     2.5,
     2.0,
     3e-4},
    {"neptune",
     NeptuneLBR,
     NeptuneLongitude,
     NeptuneLatitude,
     NeptuneRadius,
     &NeptuneL,
     &NeptuneB,
     &NeptuneR,
     {38, 18, 7, 4, 1, 0},
     {17, 13, 6, 4, 1, 0},
     {32, 15, 5, 1, 0, 0},
     5.3118863305,
     38.376877167,
     30.070132061,
     0.03088622933,
     1.4410437263,
     38.133035638,
     {5.304565290, 0.004223045, 30.120533984},
     2.0,
     1.5,
     2e-4},
};

// One unit in the 11th significant digit of x.
long double LastDigit(long double x) {
    return std::pow(10.0L, std::floor(std::log10(std::fabs(x))) - 10.0L);
}

TEST(PlanetSeries, CarryTheLeadingTermsInThePublishedCounts) {
    for (const PlanetCase& p : Planets) {
        SCOPED_TRACE(p.Name);
        for (int k = 0; k < 6; ++k) {
            EXPECT_EQ((*p.L)[k].size(), static_cast<size_t>(p.CountL[k])) << "L" << k;
            EXPECT_EQ((*p.B)[k].size(), static_cast<size_t>(p.CountB[k])) << "B" << k;
            EXPECT_EQ((*p.R)[k].size(), static_cast<size_t>(p.CountR[k])) << "R" << k;
        }
    }
}

// The opening terms fix the version (D: L1 exceeds the leading frequency by the
// general precession) and the scale. The constants are the published ones rounded
// to 11 significant digits; Jupiter's L1 constant 529.93480757497 is also printed
// as 529.93480758, hence one unit of the last digit.
TEST(PlanetSeries, OpenWithThePublishedLeadingTerms) {
    for (const PlanetCase& p : Planets) {
        SCOPED_TRACE(p.Name);
        const TVSOPTerm& l0 = (*p.L)[0][0];
        EXPECT_EQ(l0.A, p.L0);
        EXPECT_EQ(l0.C, 0.0L);
        EXPECT_NEAR((*p.L)[1][0].A, p.L1, 1.5L * LastDigit(p.L1));
        EXPECT_EQ((*p.L)[1][0].C, 0.0L);
        EXPECT_EQ((*p.R)[0][0].A, p.R0);
        const TVSOPTerm& b0 = (*p.B)[0][0];
        EXPECT_EQ(b0.A, p.B0A);
        EXPECT_EQ(b0.B, p.B0B);
        EXPECT_EQ(b0.C, p.B0C);
        // General precession: about 0.2438 rad per millennium.
        EXPECT_NEAR(static_cast<double>((*p.L)[1][0].A - (*p.L)[0][1].C), 0.2438, 0.0005);
    }
    EXPECT_EQ(MercuryL0[1].A, 0.40989414976);
    EXPECT_EQ(MercuryL0[1].B, 1.4830203419);
    EXPECT_EQ(MercuryL0[1].C, 26087.903142);
    EXPECT_EQ(MercuryL0[2].A, 0.05046294199);
    EXPECT_EQ(MercuryL0[2].B, 4.4778548954);
    EXPECT_EQ(MercuryL0[2].C, 52175.806283);
    // Constants of negative sign carry B = pi to 11 digits.
    EXPECT_EQ(VenusL5[0].C, 0.0);
    EXPECT_EQ(VenusL5[0].B, 3.1415926536);
}

// Whether x carries at most 11 significant digits and at most 11 decimal places:
// scaled by the power of ten that brings its last allowed digit to the units, it is
// whole (to the 16 digits of the double that holds it).
bool RoundedToElevenDigits(long double x) {
    if (x == 0.0) return true;
    const long double places = std::min(11.0L, 10.0L - std::floor(std::log10(std::fabs(x))));
    const long double scaled = x * std::pow(10.0L, places);
    return std::fabs(scaled - std::nearbyint(scaled)) < 1e-4L;
}

TEST(PlanetSeries, CarryElevenSignificantDigitsAtMostElevenDecimals) {
    EXPECT_TRUE(RoundedToElevenDigits(26087.903142L));
    EXPECT_TRUE(RoundedToElevenDigits(2.556e-8L));
    EXPECT_FALSE(RoundedToElevenDigits(26087.9031421L));  // twelve digits
    EXPECT_FALSE(RoundedToElevenDigits(1.2345e-11L));     // fifteen decimals
    for (const PlanetCase& p : Planets) {
        SCOPED_TRACE(p.Name);
        for (const TVSOPCoordinate* coordinate : {p.L, p.B, p.R})
            for (const auto& series : *coordinate)
                for (const TVSOPTerm& t : series) {
                    EXPECT_TRUE(RoundedToElevenDigits(t.A)) << static_cast<double>(t.A);
                    EXPECT_TRUE(RoundedToElevenDigits(t.B)) << static_cast<double>(t.B);
                    EXPECT_TRUE(RoundedToElevenDigits(t.C)) << static_cast<double>(t.C);
                }
    }
}

TEST(PlanetSeries, AtJ2000TakeThePowerZeroSeriesOnly) {
    for (const PlanetCase& p : Planets) {
        SCOPED_TRACE(p.Name);
        const TPlanetLBR lbr = p.LBR(2451545.0);
        EXPECT_NEAR(lbr.L, p.AtJ2000[0], 1e-9);
        EXPECT_NEAR(lbr.B, p.AtJ2000[1], 1e-9);
        EXPECT_NEAR(lbr.R, p.AtJ2000[2], 1e-9);
    }
    // The higher powers contribute nothing at tau = 0, whatever their size.
    EXPECT_EQ(MercuryLongitude(0, 0, 0, 0, 0), MercuryLBR(2451545.0).L);
}

TEST(PlanetSeries, LeaveTheLongitudeUnreduced) {
    const TPlanetLBR mercury = MercuryLBR(2460310.5);
    EXPECT_NEAR(mercury.L, 630.835684455, 1e-8);
    EXPECT_NEAR(std::fmod(mercury.L, 2 * std::numbers::pi) * 180 / std::numbers::pi, 144.2223,
                1e-4);
    const TPlanetLBR mars = MarsLBR(2460310.5);
    EXPECT_NEAR(mars.L, 86.200183434, 1e-8);
    EXPECT_NEAR(mars.B, -0.015730876, 1e-9);
    EXPECT_NEAR(mars.R, 1.480662978, 1e-9);
    // Far outside the theory's span the series still give numbers.
    EXPECT_TRUE(std::isfinite(SaturnLBR(0.0).R));
}

TEST(PlanetSeries, TakeTheirPowersOfTauFromTheJulianDay) {
    const PlanetTauPowers t = PlanetTau(2451545.0 + 0.25 * 365250.0);
    EXPECT_EQ(t.Tau, 0.25);
    EXPECT_EQ(t.Tau2, 0.0625);
    EXPECT_EQ(t.Tau5, 0.25 * 0.25 * 0.25 * 0.25 * 0.25);
    EXPECT_EQ(JupiterLBR(2451545.0 + 0.25 * 365250.0).R,
              JupiterRadius(t.Tau, t.Tau2, t.Tau3, t.Tau4, t.Tau5));
}

// Reference: the complete VSOP87D series summed in Python (tools/ref_vsop87.py) at
// dates from 1600 to 3000. The truncated series stay within 1.3" to 2.5" in L, 0.6"
// to 1.5" in B and 3e-6 to 1.8e-4 AU in R there (measured over 120 dates); each
// planet's tolerance adds a margin.
TEST(PlanetSeries, StayWithinTheTruncationErrorOfTheCompleteSeries) {
    const double arcsec = std::numbers::pi / 180.0 / 3600.0;
    const auto rows = test::CsvRows("planets_lbr_vsop87d_python.csv");
    ASSERT_GE(rows.size(), 140u);
    int checked = 0;
    for (const auto& row : rows) {
        for (const PlanetCase& p : Planets) {
            if (row[0] != p.Name) continue;
            const double jd = std::stod(row[1]);
            const TPlanetLBR lbr = p.LBR(jd);
            SCOPED_TRACE(row[0] + " JD " + row[1]);
            // The driver hands the powers of tau to its three series in order.
            const PlanetTauPowers t = PlanetTau(jd);
            EXPECT_EQ(lbr.L, p.Longitude(t.Tau, t.Tau2, t.Tau3, t.Tau4, t.Tau5));
            EXPECT_EQ(lbr.B, p.Latitude(t.Tau, t.Tau2, t.Tau3, t.Tau4, t.Tau5));
            EXPECT_EQ(lbr.R, p.Radius(t.Tau, t.Tau2, t.Tau3, t.Tau4, t.Tau5));
            const double dL = std::remainder(lbr.L - std::stod(row[2]), 2 * std::numbers::pi);
            EXPECT_NEAR(dL / arcsec, 0.0, p.TolL);
            EXPECT_NEAR((lbr.B - std::stod(row[3])) / arcsec, 0.0, p.TolB);
            EXPECT_NEAR(lbr.R, std::stod(row[4]), p.TolR);
            ++checked;
        }
    }
    EXPECT_EQ(checked, static_cast<int>(rows.size()));
}

}  // namespace
}  // namespace orbelune
