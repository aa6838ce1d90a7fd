#include "Precession.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace orbelune {
namespace {

constexpr double DegToRad = std::numbers::pi / 180.0;

// Meeus, Astronomical Algorithms, example 22.a: 1987 April 10.0 TD,
// eps0 = 23 deg 26' 27.407".
TEST(MeanObliquity, MatchesThePublishedExample) {
    const double expected = 23.0 + 26.0 / 60.0 + 27.407 / 3600.0;
    EXPECT_NEAR(static_cast<double>(MeanObliquity(2446895.5)) / DegToRad, expected, 0.001 / 3600.0);
    // J2000.0: 23 deg 26' 21.448".
    EXPECT_NEAR(static_cast<double>(MeanObliquity(2451545.0)), 0.409092804, 1e-9);
}

// Meeus, example 21.b: theta Persei, alpha0 = 41.054063, delta0 = 49.227750 (J2000,
// proper motion applied), precessed to JD 2462088.69: 41.547214, 49.348483 degrees.
TEST(PrecessionFromJ2000, MatchesThePublishedExample) {
    const double a0 = 41.054063 * DegToRad, d0 = 49.227750 * DegToRad;
    const long double v[3] = {std::cos(d0) * std::cos(a0), std::cos(d0) * std::sin(a0),
                              std::sin(d0)};
    const RotationMatrix m = PrecessionFromJ2000(2462088.69);
    long double w[3];
    for (int i = 0; i < 3; ++i) w[i] = m[i][0] * v[0] + m[i][1] * v[1] + m[i][2] * v[2];
    EXPECT_NEAR(static_cast<double>(std::atan2(w[1], w[0])) / DegToRad, 41.547214, 2e-6);
    EXPECT_NEAR(static_cast<double>(std::asin(w[2])) / DegToRad, 49.348483, 2e-6);
}

TEST(PrecessionFromJ2000, IsTheIdentityAtJ2000AndARotationElsewhere) {
    const RotationMatrix m0 = PrecessionFromJ2000(2451545.0);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) EXPECT_EQ(m0[i][j], i == j ? 1.0L : 0.0L);
    const RotationMatrix m = PrecessionFromJ2000(2305447.5);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) {
            long double dot = 0;
            for (int k = 0; k < 3; ++k) dot += m[i][k] * m[j][k];
            EXPECT_NEAR(static_cast<double>(dot), i == j ? 1.0 : 0.0, 1e-15);
        }
}

}  // namespace
}  // namespace orbelune
