#include "vsop.h"
#include "vsopTerms.h"

#include "AstroConstants.h"

#include "CsvReader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace orbelune {
namespace {

constexpr long double ArcSecondDeg = 1.0L / 3600.0L;

// The published term counts, by power of tau.
TEST(VSOPEarthTable, HoldsThePublishedSeriesInOneBlock) {
    const size_t L[6] = {559, 341, 142, 22, 11, 5};
    const size_t B[6] = {184, 99, 49, 11, 5, 0};
    const size_t R[6] = {526, 292, 139, 27, 10, 3};
    size_t total = 0;
    for (int p = 0; p < 6; ++p) {
        EXPECT_EQ(VSOPEarthL[p].size(), L[p]) << "L" << p;
        EXPECT_EQ(VSOPEarthB[p].size(), B[p]) << "B" << p;
        EXPECT_EQ(VSOPEarthR[p].size(), R[p]) << "R" << p;
        total += L[p] + B[p] + R[p];
    }
    EXPECT_EQ(total, 2425u);
    EXPECT_EQ(std::size(VSOPEarthTerms), 2425u);
    // Stored R, then B, then L, each by power.
    EXPECT_EQ(VSOPEarthR[0].data(), VSOPEarthTerms);
    EXPECT_EQ(VSOPEarthB[0].data(), VSOPEarthTerms + 997);
    EXPECT_EQ(VSOPEarthL[0].data(), VSOPEarthTerms + 1345);
    EXPECT_EQ(VSOPEarthL[5].data() + VSOPEarthL[5].size(), std::end(VSOPEarthTerms));
}

// The table holds the doubles nearest the published values.
TEST(VSOPEarthTable, OpensEachSeriesWithItsLargestPublishedTerm) {
    const TVSOPTerm l0 = VSOPEarthL[0][0];
    EXPECT_EQ(l0.A, 175347045.673);
    EXPECT_EQ(l0.B, 0.0);
    EXPECT_EQ(l0.C, 0.0);
    EXPECT_EQ(VSOPEarthL[1][0].A, 628331966747.491);
    EXPECT_EQ(VSOPEarthR[0][0].A, 100013988.799);
    // Second L0 term of the published file: 0.03341656456 cos(4.66925680417 + 6283.0758499914 t).
    const TVSOPTerm l0b = VSOPEarthL[0][1];
    EXPECT_EQ(l0b.A, 3341656.456);
    EXPECT_EQ(l0b.B, 4.66925680417);
    EXPECT_EQ(l0b.C, 6283.0758499914);
    // Last published L5 term.
    EXPECT_EQ(VSOPEarthL[5][4].A, 0.005);
}

// A series class with hand-made terms, to check the summing rules. L: constant
// S_p = p + 1 for every power. B: 0.5 and a term of phase pi worth -0.2. R: nothing.
class FakeSeries final : public TVSOP {
public:
    const TVSOPCoordinate& LongitudeSeries() const override { return LSeries; }
    const TVSOPCoordinate& LatitudeSeries() const override { return BSeries; }
    const TVSOPCoordinate& RadiusSeries() const override { return RSeries; }

private:
    static constexpr TVSOPTerm L[6] = {{1e8L, 0.0L, 0.0L}, {2e8L, 0.0L, 0.0L}, {3e8L, 0.0L, 0.0L},
                                       {4e8L, 0.0L, 0.0L}, {5e8L, 0.0L, 0.0L}, {6e8L, 0.0L, 0.0L}};
    static constexpr TVSOPTerm B0[2] = {{0.5e8L, 0.0L, 0.0L},
                                        {0.2e8L, std::numbers::pi_v<long double>, 0.0L}};
    static constexpr TVSOPCoordinate LSeries = {TVSOPSeries(L, 1),     TVSOPSeries(L + 1, 1),
                                                TVSOPSeries(L + 2, 1), TVSOPSeries(L + 3, 1),
                                                TVSOPSeries(L + 4, 1), TVSOPSeries(L + 5, 1)};
    static constexpr TVSOPCoordinate BSeries = {B0, {}, {}, {}, {}, {}};
    static constexpr TVSOPCoordinate RSeries = {};
};

TEST(VSOPSeriesSum, TakesMillenniaFromJ2000AndSumsByPowersOfTau) {
    FakeSeries series;
    series.SetDate(J2000DateTime);
    EXPECT_EQ(series.Tau(), 0.0L);
    EXPECT_DOUBLE_EQ(series.Longitude(), 1.0);  // S0 alone
    series.SetDate(J2000DateTime + 365250.0);
    EXPECT_DOUBLE_EQ(series.Tau(), 1.0);
    EXPECT_DOUBLE_EQ(series.Longitude(), 21.0);  // 1 + 2 + 3 + 4 + 5 + 6
    series.SetDate(J2000DateTime - 2 * 365250.0);
    EXPECT_DOUBLE_EQ(series.Tau(), -2.0);
    // 1 - 2*2 + 3*4 - 4*8 + 5*16 - 6*32
    EXPECT_DOUBLE_EQ(series.Longitude(), -135.0);
    EXPECT_EQ(series.Radius(), 0.0L);
}

TEST(VSOPSeriesSum, SumsEveryTermOfASeriesWithItsPhase) {
    FakeSeries series;
    series.SetDate(J2000DateTime + 1234.5);
    EXPECT_DOUBLE_EQ(series.Latitude(), 0.3);
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
                     J2000DateTime, L, B, R);
    // 1 rad and 0.3 rad, plus the FK5 offsets (below 0.2" here).
    EXPECT_NEAR(L, 57.29577951308232, 0.2 * ArcSecondDeg);
    EXPECT_NEAR(B, 17.18873385392470, 0.2 * ArcSecondDeg);
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
    EarthHeliocentric(J2000DateTime, L, B, R);
    // About 0.983 AU in early January, near perihelion.
    EXPECT_NEAR(R, 0.983, 0.001);
    // The sum of the R0 terms evaluated at tau = 0 only.
    long double r0 = 0;
    for (const TVSOPTerm& t : VSOPEarthR[0]) r0 += t.A * std::cos(t.B);
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
