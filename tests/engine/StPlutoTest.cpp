#include "StPluto.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace orbelune {
namespace {

TEST(PlutoTerms, HoldFortyThreeRowsFromTheLargest) {
    ASSERT_EQ(std::size(PlutoTerms), 43u);
    const PlutoTerm& first = PlutoTerms[0];
    EXPECT_EQ(first.p, 1);
    EXPECT_EQ(first.LSin, -19798886);
    EXPECT_EQ(first.RCos, 68955876);
    const PlutoTerm& last = PlutoTerms[42];
    EXPECT_EQ(last.j, 3);
    EXPECT_EQ(last.RSin, 13);
}

TEST(PlutoLBR, GivesTheKnownPositions) {
    const TPlanetLBR j2000 = PlutoLBR(2451545.0);
    EXPECT_NEAR(j2000.L, 4.372843, 1e-6);
    EXPECT_NEAR(j2000.B, 0.194801, 1e-6);
    EXPECT_NEAR(j2000.R, 30.223585, 1e-6);
    const TPlanetLBR y2024 = PlutoLBR(2460310.5);
    EXPECT_NEAR(y2024.L, 5.228360, 1e-6);
    EXPECT_NEAR(y2024.B, -0.049527, 1e-6);
    EXPECT_NEAR(y2024.R, 34.923308, 1e-6);
}

TEST(PlutoLBR, EvaluatesEveryDateWithoutReducingTheLongitude) {
    // Two centuries on, the mean longitude alone has grown by 290 degrees.
    const TPlanetLBR later = PlutoLBR(2451545.0 + 2 * 36525.0);
    EXPECT_GT(later.L, 2 * std::numbers::pi);
    EXPECT_TRUE(std::isfinite(PlutoLBR(0.0).R));
}

}  // namespace
}  // namespace orbelune
