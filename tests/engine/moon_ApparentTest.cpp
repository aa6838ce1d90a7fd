// Nutation and the apparent sun and moon against Meeus's worked examples
// (Astronomical Algorithms, 2nd ed.: 22.a, 25.b, 47.a).

#include <gtest/gtest.h>

#include "ah_math.h"
#include "moon.h"
#include "vsop.h"

namespace orbelune {
namespace {

constexpr long double kArcsecond = 1.0L / 3600;

// 1987 April 10, 0h TD. The 31 largest terms stand in for the full series; they come
// within 0.005" of the book's -3.788" and +9.443".
TEST(Nutation, MeeusExample22a) {
    long double deltaPsi = 0, epsilon = 0;
    CalcNutation(EncodeCalendarDate(1987, 4, 10), deltaPsi, epsilon);
    EXPECT_NEAR(static_cast<double>(deltaPsi / kArcsecond), -3.788, 0.01);
    // True obliquity 23 26' 36.850" (mean 23 26' 27.407" plus 9.443").
    EXPECT_NEAR(static_cast<double>(epsilon), 23 + 26 / 60.0 + 36.850 / 3600, 0.01 / 3600);
}

// 1992 April 12, 0h TD: geometric longitude 133.162655, apparent 133.167265 (nutation
// +16.595"), latitude -3.229126, distance 368409.7 km, right ascension 134.688470,
// declination 13.768368. The latitude and distance come from the lunar series alone
// and match to the book's last digit. The mean longitude uses the constants
// 218.3164591 + 481267.88134236 T of the book's first edition (0.015" from the
// second's here), so the longitudes and equatorial coordinates are held to 0.03".
TEST(ApparentMoon, MeeusExample47a) {
    const TDateTime date = EncodeCalendarDate(1992, 4, 12);
    const TApparentPosition moon = MoonApparentPosition(date);
    long double deltaPsi = 0, epsilon = 0;
    CalcNutation(date, deltaPsi, epsilon);
    EXPECT_NEAR(static_cast<double>(deltaPsi / kArcsecond), 16.595, 0.01);
    EXPECT_NEAR(static_cast<double>(moon.Longitude - deltaPsi), 133.162655, 0.03 / 3600);
    EXPECT_NEAR(static_cast<double>(moon.Longitude), 133.167265, 0.03 / 3600);
    EXPECT_NEAR(static_cast<double>(moon.Latitude), -3.229126, 0.000001);
    EXPECT_NEAR(static_cast<double>(moon.Distance), 368409.7, 0.1);
    EXPECT_NEAR(static_cast<double>(moon.RightAscension), 134.688470, 0.03 / 3600);
    EXPECT_NEAR(static_cast<double>(moon.Declination), 13.768368, 0.03 / 3600);
}

// 1992 October 13, 0h TD, with the full VSOP87 series: apparent longitude
// 199 54' 21.56", latitude +0.72", right ascension 13h 13m 30.749s, declination
// -7 47' 01.74"; distance 0.9976088 AU by python3-ephem. Applying the FK5 correction
// twice would move the longitude by 0.09".
TEST(ApparentSun, MeeusExample25b) {
    const TApparentPosition sun = SunApparentPosition(EncodeCalendarDate(1992, 10, 13));
    EXPECT_NEAR(static_cast<double>(sun.Longitude), 199 + 54 / 60.0 + 21.56 / 3600, 0.03 / 3600);
    EXPECT_NEAR(static_cast<double>(sun.Latitude), 0.72 / 3600, 0.01 / 3600);
    EXPECT_NEAR(static_cast<double>(sun.RightAscension), (13 + 13 / 60.0 + 30.749 / 3600) * 15,
                0.05 / 3600);
    EXPECT_NEAR(static_cast<double>(sun.Declination), -(7 + 47 / 60.0 + 1.74 / 3600), 0.05 / 3600);
    EXPECT_NEAR(static_cast<double>(sun.Distance / 149597869), 0.9976088, 0.000001);
}

// The apparent longitude is the FK5 heliocentric longitude turned round, less the
// aberration, plus the nutation: the FK5 correction enters once, in the heliocentric
// position.
TEST(ApparentSun, CorrectsTheHeliocentricPositionOnce) {
    for (int year = 1650; year <= 3350; year += 85) {
        const TDateTime date = EncodeCalendarDate(year, 5, 17) + 0.3;
        long double l = 0, b = 0, r = 0;
        EarthHeliocentric(date, l, b, r);
        long double deltaPsi = 0, epsilon = 0;
        CalcNutation(date, deltaPsi, epsilon);
        const TApparentPosition sun = SunApparentPosition(date);
        EXPECT_NEAR(
            static_cast<double>(sun.Longitude),
            static_cast<double>(NormalizeDeg(l + 180 - 20.4898L * kArcsecond / r + deltaPsi)),
            1e-9);
        EXPECT_EQ(sun.Latitude, -b);
        EXPECT_GE(sun.Longitude, 0);
        EXPECT_LT(sun.Longitude, 360);
    }
}

TEST(EclipticToEquatorial, RightAscensionRunsFromMinus90To270) {
    const TDateTime date = EncodeCalendarDate(2000, 1, 1);
    TApparentPosition position{};
    position.Longitude = 350;
    EclipticToEquatorial(position, date);
    EXPECT_LT(position.RightAscension, 0);
    EXPECT_GT(position.RightAscension, -90);
    EXPECT_LT(position.Declination, 0);

    position = TApparentPosition{};
    position.Longitude = 180;
    EclipticToEquatorial(position, date);
    EXPECT_NEAR(static_cast<double>(position.RightAscension), 180, 0.01);
    EXPECT_NEAR(static_cast<double>(position.Declination), 0, 0.01);

    // The longitude receives the nutation and is normalised.
    long double deltaPsi = 0, epsilon = 0;
    CalcNutation(date, deltaPsi, epsilon);
    position = TApparentPosition{};
    position.Longitude = 359.9999L;
    position.Latitude = 5;
    EclipticToEquatorial(position, date);
    EXPECT_NEAR(static_cast<double>(position.Longitude),
                static_cast<double>(NormalizeDeg(359.9999L + deltaPsi)), 1e-12);
}

}  // namespace
}  // namespace orbelune
