#include "SunJ2000Terms.h"

#include "CsvReader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace orbelune {
namespace {

long double Sum(const std::array<std::span<const TVSOPTerm>, 6>& coordinate, long double tau) {
    long double total = 0.0L, power = 1.0L;
    for (const auto& series : coordinate) {
        long double s = 0.0L;
        for (const TVSOPTerm& t : series) s += t.A * std::cos(t.B + t.C * tau);
        total += s * power;
        power *= tau;
    }
    return total / 1e8L;
}

TEST(EarthJ2000Series, KeepsTheLeadingTermsInTheirCounts) {
    const size_t L[6] = {39, 20, 8, 4, 0, 0};
    const size_t B[6] = {5, 7, 4, 3, 0, 0};
    const size_t R[6] = {40, 10, 6, 0, 0, 0};
    for (int p = 0; p < 6; ++p) {
        EXPECT_EQ(EarthJ2000L[p].size(), L[p]) << "L" << p;
        EXPECT_EQ(EarthJ2000B[p].size(), B[p]) << "B" << p;
        EXPECT_EQ(EarthJ2000R[p].size(), R[p]) << "R" << p;
    }
    // The smallest kept amplitudes: 80 units of L0, 16 of L1.
    EXPECT_NEAR(EarthJ2000L0[38].A, 80.0L, 0.5L);
    EXPECT_NEAR(EarthJ2000L1[19].A, 16.0L, 0.5L);
}

// The largest terms as commonly printed, rounded: amplitudes in units of 1e-8.
TEST(EarthJ2000Series, OpensWithTheLargestTermsOfTheFixedEcliptic) {
    EXPECT_NEAR(EarthJ2000L0[0].A, 175347046.0L, 0.5L);
    EXPECT_NEAR(EarthJ2000L0[1].A, 3341656.0L, 0.5L);
    EXPECT_NEAR(EarthJ2000L0[1].B, 4.6692568L, 5e-8L);
    EXPECT_NEAR(EarthJ2000L0[1].C, 6283.07585L, 5e-6L);
    // Without the general precession the L1 constant equals the yearly frequency.
    EXPECT_NEAR(EarthJ2000L1[0].A, 628307584999.0L, 0.5L);
    EXPECT_NEAR(EarthJ2000L1[1].A, 206059.0L, 0.5L);
    EXPECT_NEAR(EarthJ2000L1[1].B, 2.678235L, 5e-7L);
    EXPECT_NEAR(EarthJ2000R0[0].A, 100013989.0L, 0.5L);
    EXPECT_NEAR(EarthJ2000R0[1].A, 1670700.0L, 0.5L);
    EXPECT_NEAR(EarthJ2000R0[1].B, 3.0984635L, 5e-8L);
    EXPECT_NEAR(EarthJ2000B1[0].A, 227778.0L, 0.5L);
    EXPECT_NEAR(EarthJ2000B1[0].B, 3.413766L, 5e-7L);
    // B1 holds a constant of 3620.
    bool constant3620 = false;
    for (const TVSOPTerm& t : EarthJ2000B1)
        constant3620 |= t.C == 0.0L && std::fabs(t.A - 3620.0L) < 0.5L;
    EXPECT_TRUE(constant3620);
}

// Reference: the complete VSOP87B series summed in Python (tools/ref_vsop87.py).
// The dropped terms amount to at most 1.4" in L, 0.22" in B and 2.8e-6 AU in R
// from 1600 to 3000; held: 2", 0.5", 4e-6 AU.
TEST(EarthJ2000Series, StaysWithinTheTruncationErrorOfTheCompleteSeries) {
    const long double arcsec = std::numbers::pi_v<long double> / 180.0L / 3600.0L;
    const auto rows = test::CsvRows("earth_j2000_vsop87b_python.csv");
    ASSERT_GE(rows.size(), 20u);
    for (const auto& row : rows) {
        const long double tau = (std::stold(row[0]) - 2451545.0L) / 365250.0L;
        SCOPED_TRACE("JD " + row[0]);
        const long double L = std::remainder(Sum(EarthJ2000L, tau) - std::stold(row[1]),
                                             2.0L * std::numbers::pi_v<long double>);
        EXPECT_NEAR(L / arcsec, 0.0, 2.0);
        EXPECT_NEAR((Sum(EarthJ2000B, tau) - std::stold(row[2])) / arcsec, 0.0, 0.5);
        EXPECT_NEAR(Sum(EarthJ2000R, tau), std::stold(row[3]), 4e-6);
    }
}

}  // namespace
}  // namespace orbelune
