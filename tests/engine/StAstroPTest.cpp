#include "StAstroP.h"

#include "CsvReader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

namespace orbelune {
namespace {

constexpr double Pi = std::numbers::pi;
constexpr double DegToRad = Pi / 180.0;

const char* const BodyNames[8] = {"Mercury", "Venus",  "Mars",    "Jupiter",
                                  "Saturn",  "Uranus", "Neptune", "Pluto"};

TEST(PlanetsPosition, GivesTheKnownPlacesAtJ2000) {
    // RA, Dec, elongation in degrees at JD 2451545.0, in the array's order, to 0.001.
    const double expected[8][3] = {{272.092, -24.421, 8.531},  {239.904, -18.453, 38.848},
                                   {330.528, -13.179, 47.606}, {23.872, 8.597, 104.877},
                                   {38.768, 12.617, 119.991},  {317.485, -17.019, 34.447},
                                   {305.444, -19.212, 22.827}, {251.428, -11.397, 30.719}};
    TPlanetPosArray positions{};
    PlanetsPosition(2451545.0, positions);
    for (int i = 0; i < 8; ++i) {
        SCOPED_TRACE(BodyNames[i]);
        EXPECT_NEAR(positions[i].RA, expected[i][0], 0.001);
        EXPECT_NEAR(positions[i].Dec, expected[i][1], 0.001);
        EXPECT_NEAR(positions[i].Elong, expected[i][2], 0.001);
    }
    const TPlanetPos sun = GeocentricRADecElong(SunVectorForPlanets(2451545.0), {0, 0, 0}, false);
    EXPECT_NEAR(sun.RA, 281.288, 0.001);
    EXPECT_NEAR(sun.Dec, -23.033, 0.001);
    EXPECT_EQ(sun.Elong, 0.0);
}

// Reference: python3-ephem's astrometric places, equinox of date, at the same
// dynamical time (tools/ref_ephem.py), 1700 to 2300. Our positions are geometric:
// ephem's include light time, which shifts a planet by up to its heliocentric speed
// over c (Mercury 0.011 deg, Venus 0.007, Mars 0.005, the outer planets 0.003);
// the truncated series add a few arcseconds. Tolerance: that bound + 0.003 degree.
// Pluto's terms serve 1885 to 2099 only, and are checked there.
TEST(PlanetsPosition, AgreesWithPyEphemFrom1700To2300) {
    const double tolerance[8] = {0.014, 0.010, 0.008, 0.006, 0.006, 0.006, 0.006, 0.006};
    const auto rows = test::CsvRows("planets_radec_ephem.csv");
    ASSERT_GE(rows.size(), 170u);
    int checked = 0;
    for (const auto& row : rows) {
        const double jd = std::stod(row[0]);
        TPlanetPosArray positions{};
        PlanetsPosition(jd, positions);
        for (int i = 0; i < 8; ++i) {
            if (row[1] != BodyNames[i] || (i == 7 && (jd < 2409542.5 || jd > 2488070.0))) continue;
            SCOPED_TRACE(row[1] + " JD " + row[0]);
            const TPlanetPos& p = positions[i];
            const double dRA = std::remainder(p.RA - std::stod(row[2]), 360.0);
            EXPECT_NEAR(dRA * std::cos(p.Dec * DegToRad), 0.0, tolerance[i]);
            EXPECT_NEAR(p.Dec, std::stod(row[3]), tolerance[i]);
            EXPECT_NEAR(p.Elong, std::stod(row[4]), tolerance[i]);
            ++checked;
        }
    }
    EXPECT_GE(checked, 160);
}

// Planets of date and a Sun of J2000 added as they stand put Mars at RA 266.922 on
// JD 2460310.5; python3-ephem has 267.0617, -23.9593 (astrometric, equinox of date;
// light time accounts for 0.005 degree of the difference).
TEST(PlanetsPosition, AddsTheSunAndThePlanetsInOneFrame) {
    TPlanetPosArray positions{};
    PlanetsPosition(2460310.5, positions);
    EXPECT_NEAR(positions[2].RA, 267.0617, 0.008);
    EXPECT_NEAR(positions[2].Dec, -23.9593, 0.008);
}

TEST(PlanetsPosition, FillsEveryEntryInRangeAtTheEndsOfTheYearRange) {
    for (const double jd : {2305447.5, 3182028.5}) {
        TPlanetPosArray positions{};
        PlanetsPosition(jd, positions);
        for (const TPlanetPos& p : positions) {
            EXPECT_GE(p.RA, 0.0);
            EXPECT_LT(p.RA, 360.0);
            EXPECT_LE(std::fabs(p.Dec), 90.0);
            EXPECT_GE(p.Elong, 0.0);
            EXPECT_LE(p.Elong, 180.0);
        }
    }
}

// Reference: the complete VSOP87B Earth series summed in Python
// (tools/ref_vsop87.py), turned to the J2000 equator with the obliquity
// 23.4392911 degrees. The truncated series keep the Sun within 1.4" in longitude and
// 0.22" in latitude; with the frame tie (0.1") 2" holds.
TEST(SunVectorForPlanets, FollowsTheCompleteFixedEclipticSeries) {
    const double eps = 23.4392911 * DegToRad;
    const auto rows = test::CsvRows("earth_j2000_vsop87b_python.csv");
    ASSERT_GE(rows.size(), 20u);
    for (const auto& row : rows) {
        const double L = std::stod(row[1]) + Pi, B = -std::stod(row[2]), R = std::stod(row[3]);
        const double x = R * std::cos(B) * std::cos(L);
        const double y0 = R * std::cos(B) * std::sin(L), z0 = R * std::sin(B);
        const double y = std::cos(eps) * y0 - std::sin(eps) * z0;
        const double z = std::sin(eps) * y0 + std::cos(eps) * z0;
        const TEquVector sun = SunVectorForPlanets(std::stod(row[0]));
        SCOPED_TRACE("JD " + row[0]);
        const double separation = std::hypot(sun.X - x, sun.Y - y, sun.Z - z) / R;
        EXPECT_LT(separation / DegToRad * 3600.0, 2.0);
        EXPECT_NEAR(std::hypot(sun.X, sun.Y, sun.Z), R, 4e-6);
    }
}

TEST(HelioToEquatorial, TurnsTheEclipticAboutTheEquinox) {
    const double eps = FixedObliquity;
    TEquVector v = HelioToEquatorial(0.0, 0.0, 2.0);
    EXPECT_DOUBLE_EQ(v.X, 2.0);
    EXPECT_DOUBLE_EQ(v.Y, 0.0);
    EXPECT_DOUBLE_EQ(v.Z, 0.0);
    v = HelioToEquatorial(Pi / 2, 0.0, 1.0);
    EXPECT_NEAR(v.X, 0.0, 1e-15);
    EXPECT_DOUBLE_EQ(v.Y, std::cos(eps));
    EXPECT_DOUBLE_EQ(v.Z, std::sin(eps));
    v = HelioToEquatorial(0.0, Pi / 2, 1.0, 0.5);  // the ecliptic pole
    EXPECT_NEAR(v.Y, -std::sin(0.5), 1e-15);
    EXPECT_NEAR(v.Z, std::cos(0.5), 1e-15);
}

TEST(QuadrantAngle, PlacesEachQuadrantAndAxis) {
    const double a = std::atan(0.5);
    EXPECT_EQ(QuadrantAngle(1.0, 2.0, a), a);
    EXPECT_EQ(QuadrantAngle(1.0, -2.0, -a), -a + Pi);
    EXPECT_EQ(QuadrantAngle(-1.0, -2.0, a), a + Pi);
    EXPECT_EQ(QuadrantAngle(-1.0, 2.0, -a), -a + 2 * Pi);
    // The axes, compared exactly with zero.
    EXPECT_EQ(QuadrantAngle(3.0, 0.0, 0.0), Pi / 2);
    EXPECT_EQ(QuadrantAngle(-3.0, 0.0, 0.0), 3 * Pi / 2);
    EXPECT_EQ(QuadrantAngle(0.0, 0.0, 0.0), 3 * Pi / 2);
    EXPECT_EQ(QuadrantAngle(0.0, 5.0, 0.0), 0.0);
    EXPECT_EQ(QuadrantAngle(0.0, -5.0, 0.0), Pi);
}

TEST(GeocentricRADecElong, GivesRightAscensionsOnTheAxesAndBelowAFullTurn) {
    const TEquVector zero{0, 0, 0};
    EXPECT_NEAR(GeocentricRADecElong({0, 1, 0}, zero, false).RA, 90.0, 1e-12);
    EXPECT_NEAR(GeocentricRADecElong({0, -1, 0}, zero, false).RA, 270.0, 1e-12);
    EXPECT_NEAR(GeocentricRADecElong({0, 0, 1}, zero, false).RA, 270.0, 1e-12);
    EXPECT_EQ(GeocentricRADecElong({1, 0, 0}, zero, false).RA, 0.0);
    EXPECT_NEAR(GeocentricRADecElong({-1, 0, 0}, zero, false).RA, 180.0, 1e-12);
    // A point a hair below the X axis: a full turn less a rounding step is 360.
    const TPlanetPos justBelow = GeocentricRADecElong({1, -1e-300, 0}, zero, false);
    EXPECT_GE(justBelow.RA, 0.0);
    EXPECT_LT(justBelow.RA, 360.0);
    EXPECT_NEAR(GeocentricRADecElong({0, 0, 2}, zero, false).Dec, 90.0, 1e-12);
}

TEST(GeocentricRADecElong, MeasuresTheElongationFromTheSunOnlyWhenAsked) {
    const TEquVector sun{1, 0, 0};
    // Body vector heliocentric: the planet 1 AU from the Sun at right angles.
    const TPlanetPos quadrature = GeocentricRADecElong({0, 1, 0}, sun, true);
    EXPECT_NEAR(quadrature.RA, 45.0, 1e-12);
    EXPECT_NEAR(quadrature.Elong, 45.0, 1e-12);
    EXPECT_EQ(GeocentricRADecElong({0, 1, 0}, sun, false).Elong, 0.0);
    // Opposite the Sun; the cosine can round past -1.
    EXPECT_NEAR(GeocentricRADecElong({-3, 0, 0}, sun, true).Elong, 180.0, 1e-12);
    EXPECT_NEAR(GeocentricRADecElong({2, 0, 0}, sun, true).Elong, 0.0, 1e-6);
}

}  // namespace
}  // namespace orbelune
