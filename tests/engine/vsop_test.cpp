#include "vsop.h"
#include "vsop_earth_terms.h"

#include "CsvRows.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace orbelune {
namespace {

constexpr TDateTime J2000 = 36526.5;  // 2000-01-01 12:00
constexpr long double ArcSecondDeg = 1.0L / 3600.0L;

bool IsZero(const TVSOPTerm& t) {
    return t.A == 0.0L && t.B == 0.0L && t.C == 0.0L;
}

// The published term counts, by power of tau.
TEST(VSOPEarthTable, HoldsThePublishedSeriesInOneBlock) {
    const int L[6] = {559, 341, 142, 22, 11, 5};
    const int B[6] = {184, 99, 49, 11, 5, 0};
    const int R[6] = {526, 292, 139, 27, 10, 3};
    int total = 0;
    for (int p = 0; p < 6; ++p) {
        EXPECT_EQ(VSOPEarthL[p].Count, L[p]) << "L" << p;
        EXPECT_EQ(VSOPEarthB[p].Count, B[p]) << "B" << p;
        EXPECT_EQ(VSOPEarthR[p].Count, R[p]) << "R" << p;
        total += L[p] + B[p] + R[p];
    }
    EXPECT_EQ(total, 2425);
    EXPECT_EQ(std::size(VSOPEarthTerms), 2425u);
    // Stored R, then B, then L, each by power.
    EXPECT_EQ(VSOPEarthR[0].First, 0);
    EXPECT_EQ(VSOPEarthB[0].First, 997);
    EXPECT_EQ(VSOPEarthL[0].First, 1345);
    EXPECT_EQ(VSOPEarthL[5].First + VSOPEarthL[5].Count, 2425);
}

TEST(VSOPEarthTable, OpensEachSeriesWithItsLargestPublishedTerm) {
    const TVSOPEarth earth;
    const TVSOPTerm l0 = earth.LongitudeTerm(0, 0);
    EXPECT_EQ(l0.A, 175347045.673L);
    EXPECT_EQ(l0.B, 0.0L);
    EXPECT_EQ(l0.C, 0.0L);
    EXPECT_EQ(earth.LongitudeTerm(0, 1).A, 628331966747.491L);
    EXPECT_EQ(earth.RadiusTerm(0, 0).A, 100013988.799L);
    // Second L0 term of the published file: 0.03341656456 cos(4.66925680417 + 6283.0758499914 t).
    const TVSOPTerm l0b = earth.LongitudeTerm(1, 0);
    EXPECT_EQ(l0b.A, 3341656.456L);
    EXPECT_EQ(l0b.B, 4.66925680417L);
    EXPECT_EQ(l0b.C, 6283.0758499914L);
    // Last published L5 term.
    EXPECT_EQ(earth.LongitudeTerm(4, 5).A, 0.005L);
}

TEST(VSOPEarthGetters, GiveZeroTermsOutsideTheSeries) {
    const TVSOPEarth earth;
    EXPECT_FALSE(IsZero(earth.LongitudeTerm(558, 0)));
    EXPECT_TRUE(IsZero(earth.LongitudeTerm(559, 0)));
    EXPECT_TRUE(IsZero(earth.LongitudeTerm(-1, 0)));
    EXPECT_TRUE(IsZero(earth.RadiusTerm(0, 6)));
    EXPECT_TRUE(IsZero(earth.RadiusTerm(0, -1)));
    EXPECT_FALSE(IsZero(earth.LatitudeTerm(4, 4)));
    EXPECT_TRUE(IsZero(earth.LatitudeTerm(0, 5)));  // there is no B5
    EXPECT_TRUE(IsZero(earth.RadiusTerm(3, 5)));
}

// A series class with hand-made terms, to check the summing rules.
class FakeSeries final : public TVSOP {
public:
    // L: constant S_p = p + 1 for every power. B: 0.5, then a term that is exactly
    // 0, then 0.7 (never reached). R: nothing.
    TVSOPTerm LongitudeTerm(int index, int power) const override {
        if (index == 0 && power >= 0 && power <= 5)
            return {static_cast<long double>(power + 1) * 1e8L, 0.0L, 0.0L};
        return {};
    }
    TVSOPTerm LatitudeTerm(int index, int power) const override {
        if (power != 0) return {};
        if (index == 0) return {0.5e8L, 0.0L, 0.0L};
        if (index == 2) return {0.7e8L, 0.0L, 0.0L};
        return {};
    }
    TVSOPTerm RadiusTerm(int, int) const override { return {}; }
};

TEST(VSOPSeriesSum, TakesMillenniaFromJ2000AndSumsByPowersOfTau) {
    FakeSeries series;
    series.SetDate(J2000);
    EXPECT_EQ(series.Tau(), 0.0L);
    EXPECT_DOUBLE_EQ(series.Longitude(), 1.0);  // S0 alone
    series.SetDate(J2000 + 365250.0);
    EXPECT_DOUBLE_EQ(series.Tau(), 1.0);
    EXPECT_DOUBLE_EQ(series.Longitude(), 21.0);  // 1 + 2 + 3 + 4 + 5 + 6
    series.SetDate(J2000 - 2 * 365250.0);
    EXPECT_DOUBLE_EQ(series.Tau(), -2.0);
    // 1 - 2*2 + 3*4 - 4*8 + 5*16 - 6*32
    EXPECT_DOUBLE_EQ(series.Longitude(), -135.0);
    EXPECT_EQ(series.Radius(), 0.0L);
}

TEST(VSOPSeriesSum, StopsAtTheFirstTermWorthExactlyZero) {
    FakeSeries series;
    series.SetDate(J2000 + 1234.5);
    EXPECT_DOUBLE_EQ(series.Latitude(), 0.5);
}

// Worked by hand from Meeus eq. 32.3 with T = 0: L' = L.
TEST(DynamicalToFK5, ShiftsByTheFixedFrameOffsets) {
    long double L = 0.0L, B = 0.0L;
    DynamicalToFK5(0.0L, L, B);
    const long double arcsec = std::numbers::pi_v<long double> / 180.0L / 3600.0L;
    EXPECT_NEAR(L / arcsec, -0.09033, 1e-12);
    EXPECT_NEAR(B / arcsec, 0.03916, 1e-12);

    // L = 90 degrees, tan B = 1: cos L' + sin L' = 1, cos L' - sin L' = -1.
    L = std::numbers::pi_v<long double> / 2.0L;
    B = std::numbers::pi_v<long double> / 4.0L;
    DynamicalToFK5(0.0L, L, B);
    EXPECT_NEAR((L - std::numbers::pi_v<long double> / 2.0L) / arcsec, -0.09033 + 0.03916, 1e-9);
    EXPECT_NEAR((B - std::numbers::pi_v<long double> / 4.0L) / arcsec, -0.03916, 1e-9);
}

TEST(VSOPHeliocentric, EvaluatesTheGivenClassInDegrees) {
    long double L = 0, B = 0, R = 0;
    VSOPHeliocentric([]() -> std::unique_ptr<TVSOP> { return std::make_unique<FakeSeries>(); },
                     J2000, L, B, R);
    // 1 rad and 0.5 rad, plus the FK5 offsets (below 0.2" here).
    EXPECT_NEAR(L, 57.29577951308232, 0.2 * ArcSecondDeg);
    EXPECT_NEAR(B, 28.64788975654116, 0.2 * ArcSecondDeg);
    EXPECT_EQ(R, 0.0L);
}

// Reference: the complete series summed independently in Python
// (tools/ref_vsop87.py). Both sum the same published terms, so they agree to
// rounding: 1e-9 degree (4e-6") and 1e-12 AU.
TEST(EarthHeliocentric, MatchesAnIndependentSumOfThePublishedSeries) {
    const auto rows = test::CsvRows("earth_lbr_vsop87d_python.csv");
    ASSERT_GE(rows.size(), 20u);
    for (const auto& row : rows) {
        long double L = 0, B = 0, R = 0;
        EarthHeliocentric(std::stod(row[0]), L, B, R);
        SCOPED_TRACE("TDateTime " + row[0]);
        EXPECT_NEAR(L, std::stod(row[1]), 1e-9);
        EXPECT_NEAR(B, std::stod(row[2]), 1e-9);
        EXPECT_NEAR(R, std::stod(row[3]), 1e-12);
    }
}

// Reference: python3-ephem, an independent program with its own VSOP87 evaluation
// (tools/ref_ephem.py). Its series are trimmed and it applies no FK5 correction
// (0.09" in L, 0.04" in B): 0.3" in L and B and 3e-7 AU hold from 1600 to 3000.
TEST(EarthHeliocentric, AgreesWithPyEphemFrom1600To3000) {
    const auto rows = test::CsvRows("earth_lbr_ephem.csv");
    ASSERT_GE(rows.size(), 15u);
    for (const auto& row : rows) {
        long double L = 0, B = 0, R = 0;
        EarthHeliocentric(std::stod(row[0]), L, B, R);
        SCOPED_TRACE("TDateTime " + row[0]);
        EXPECT_NEAR(L, std::stod(row[1]), 0.3 * ArcSecondDeg);
        EXPECT_NEAR(B, std::stod(row[2]), 0.3 * ArcSecondDeg);
        EXPECT_NEAR(R, std::stod(row[3]), 3e-7);
    }
}

TEST(EarthHeliocentric, AtJ2000TakesThePowerZeroSeriesAlone) {
    long double L = 0, B = 0, R = 0;
    EarthHeliocentric(J2000, L, B, R);
    // About 0.983 AU in early January, near perihelion.
    EXPECT_NEAR(R, 0.983, 0.001);
    // The sum of the R0 terms evaluated at tau = 0 only.
    long double r0 = 0;
    for (int i = 0; i < VSOPEarthR[0].Count; ++i) {
        const TVSOPTerm& t = VSOPEarthTerms[VSOPEarthR[0].First + i];
        r0 += t.A * std::cos(t.B);
    }
    EXPECT_NEAR(R, r0 * 1e-8L, 1e-15);
}

TEST(EarthHeliocentric, KeepsTheLongitudeInOneTurn) {
    // About 1000 dates from 1600 to 3000, spread over the seasons.
    for (TDateTime t = -109571.0; t < 401768.0; t += 511.3) {
        long double L = -1, B = 0, R = 0;
        EarthHeliocentric(t, L, B, R);
        ASSERT_GE(L, 0.0L) << t;
        ASSERT_LT(L, 360.0L) << t;
    }
}

}  // namespace
}  // namespace orbelune
