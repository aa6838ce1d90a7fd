// Sun vector and position, Moon position, against published worked examples and
// python3-ephem.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <iterator>

#include "AngleDiff.h"
#include "CsvReader.h"
#include "StAstro.h"
#include "moonTerms.h"

namespace orbelune {
namespace {

// Meeus, Astronomical Algorithms, example 26.a: 1992 October 13.0, the Sun's
// rectangular coordinates referred to FK5 J2000 from the complete VSOP87. The
// truncated series stays within 1e-5 AU of them.
TEST(StAstroSun, MeeusRectangularCoordinates) {
    TSunVector V = SunVectorJ2000({DMYToDayNumber(13, 10, 1992, 0), 0});
    EXPECT_NEAR(V.X, -0.9373959, 1e-5);
    EXPECT_NEAR(V.Y, -0.3131679, 1e-5);
    EXPECT_NEAR(V.Z, -0.1357792, 1e-5);
    EXPECT_NEAR(V.R, 0.99760775, 1e-5);
    EXPECT_NEAR(std::hypot(V.X, V.Y, V.Z), V.R, 1e-9);
    EXPECT_GE(V.L, 0.0);
    EXPECT_LT(V.L, 360.0);
    EXPECT_LT(std::fabs(V.B), 0.001);
}

TEST(StAstroSun, InvalidDatesGiveMarkers) {
    TSunVector V = SunVectorJ2000({876582, 0});
    for (double X : {V.X, V.Y, V.Z, V.R, V.L, V.B}) EXPECT_EQ(X, -99.0);
    TRADecRec P = SunRADec({-1, 0});
    EXPECT_EQ(P.RA, -1.0);
    EXPECT_EQ(P.Dec, -99.0);
    EXPECT_NE(SunRADec({876581, 86399}).Dec, -99.0);
}

// The direction of the Sun vector against ephem's astrometric J2000 place (the
// same frame). Tolerance 0.002 degree (7"): the truncated series is good to a few
// arcseconds.
TEST(StAstroSun, VectorDirectionAgreesWithEphem1700To2300) {
    auto Rows = test::ReadCsv("sun_moon_ephem.csv");
    ASSERT_GT(Rows.size(), 300u);
    for (const auto& Row : Rows) {
        TSunVector V = SunVectorJ2000({Row.Int("day"), Row.Int("seconds")});
        double RA = std::atan2(V.Y, V.X) * 180.0 / M_PI;
        double Dec = std::asin(V.Z / V.R) * 180.0 / M_PI;
        double CosDec = std::cos(Dec * M_PI / 180.0);
        EXPECT_LT(std::fabs(test::AngleDiff(RA, Row.Num("sun_ra_j2000"))) * CosDec, 0.002)
            << "day " << Row.Int("day");
        EXPECT_LT(std::fabs(Dec - Row.Num("sun_dec_j2000")), 0.002) << "day " << Row.Int("day");
    }
}

// The Sun's mean geometric place of date against ephem's apparent place of date:
// they differ by the aberration (0.0057 degree) and the nutation (up to 0.005
// degree), hence 0.013 degree.
TEST(StAstroSun, RADecAgreeWithEphem1700To2300) {
    auto Rows = test::ReadCsv("sun_moon_ephem.csv");
    for (const auto& Row : Rows) {
        TRADecRec P = SunRADec({Row.Int("day"), Row.Int("seconds")});
        double CosDec = std::cos(Row.Num("sun_dec") * M_PI / 180.0);
        EXPECT_LT(std::fabs(test::AngleDiff(P.RA, Row.Num("sun_ra"))) * CosDec, 0.013)
            << "day " << Row.Int("day");
        EXPECT_LT(std::fabs(P.Dec - Row.Num("sun_dec")), 0.013) << "day " << Row.Int("day");
    }
}

// The Moon's series open with their largest terms as printed: 6288774 sin M'
// (longitude), -20905355 cos M' (distance) and 5128122 sin F (latitude); the
// longitude and distance table has 59 and 46 non-zero coefficients among its 60
// rows, and the 48 latitude rows summed are the largest of the 60.
TEST(StAstroMoon, TermTablesOpenWithThePrintedTerms) {
    const auto& First = kMoonLongitudeDistanceTerms[0];
    EXPECT_EQ(First.D, 0);
    EXPECT_EQ(First.M, 0);
    EXPECT_EQ(First.Mp, 1);
    EXPECT_EQ(First.F, 0);
    EXPECT_EQ(First.SigmaL, 6288774);
    EXPECT_EQ(First.SigmaR, -20905355);
    const auto& Latitude = kMoonLatitudeTerms[0];
    EXPECT_EQ(Latitude.F, 1);
    EXPECT_EQ(Latitude.Mp, 0);
    EXPECT_EQ(Latitude.SigmaB, 5128122);
    int Sines = 0, Cosines = 0;
    for (const auto& T : kMoonLongitudeDistanceTerms) {
        Sines += T.SigmaL != 0;
        Cosines += T.SigmaR != 0;
    }
    EXPECT_EQ(std::size(kMoonLongitudeDistanceTerms), 60u);
    EXPECT_EQ(Sines, 59);
    EXPECT_EQ(Cosines, 46);
    ASSERT_EQ(std::size(kMoonLatitudeTerms), 60u);
    int SmallestKept = std::abs(kMoonLatitudeTerms[0].SigmaB);
    for (int i = 0; i < 48; ++i)
        SmallestKept = std::min(SmallestKept, std::abs(kMoonLatitudeTerms[i].SigmaB));
    for (int i = 48; i < 60; ++i)
        EXPECT_LE(std::abs(kMoonLatitudeTerms[i].SigmaB), SmallestKept) << i;
}

// Meeus, example 47.a: 1992 April 12, 0h: L' = 134.290182, M' = 5.150833,
// distance 368409.7 km, equatorial horizontal parallax 0.991990 degree.
TEST(StAstroMoon, MeeusWorkedExample) {
    TMoonPosRec P = MoonPosition({DMYToDayNumber(12, 4, 1992, 0), 0});
    EXPECT_NEAR(P.MeanLongitude, 134.290182, 1e-6);
    EXPECT_NEAR(P.MeanAnomaly, 5.150833, 1e-6);
    EXPECT_NEAR(P.Parallax, 0.991990, 1e-6);
    EXPECT_NEAR(P.Diameter, 2.0 * 358473400.0 / 368409.7 / 3600.0, 1e-6);
    // Meeus' apparent place, RA 134.688470 and Dec 13.768368, includes the
    // nutation (0.0046 degree in longitude, about 0.005 in right ascension) and the
    // true obliquity, which the mean place here leaves out.
    EXPECT_NEAR(P.RA, 134.688470, 0.007);
    EXPECT_NEAR(P.Dec, 13.768368, 0.002);
}

TEST(StAstroMoon, CheckedFormMarksInvalidDates) {
    TMoonPosRec P = MoonPositionChecked({876582, 0});
    EXPECT_EQ(P.RA, -1.0);
    EXPECT_EQ(P.Dec, -1.0);
    TMoonPosRec Q = MoonPositionChecked({876581, 0});
    TMoonPosRec R = MoonPosition({876581, 0});
    EXPECT_EQ(Q.RA, R.RA);
    EXPECT_EQ(Q.PhaseAngle, R.PhaseAngle);
}

// Against ephem's apparent geocentric place of date. The position is referred to
// the mean equinox of date but rotated with the fixed J2000 obliquity and without
// nutation: the obliquity drifts 0.013 degree per century and nutation reaches
// 0.005 degree, on top of the truncated series' 0.003 degree. Hence 0.008 degree
// plus 0.014 degree per century from 2000.
TEST(StAstroMoon, RADecAgreeWithEphem1700To2300) {
    auto Rows = test::ReadCsv("sun_moon_ephem.csv");
    double Worst = 0.0;
    for (const auto& Row : Rows) {
        TDayTimeRec UT{Row.Int("day"), Row.Int("seconds")};
        TMoonPosRec P = MoonPosition(UT);
        double Centuries = std::fabs(DayNumberToJD(UT.D) - 2451545.0) / 36525.0;
        double Tolerance = 0.008 + 0.014 * Centuries;
        double CosDec = std::cos(Row.Num("moon_dec") * M_PI / 180.0);
        double DRA = std::fabs(test::AngleDiff(P.RA, Row.Num("moon_ra"))) * CosDec;
        double DDec = std::fabs(P.Dec - Row.Num("moon_dec"));
        Worst = std::max({Worst, DRA / Tolerance, DDec / Tolerance});
        EXPECT_LT(DRA, Tolerance) << "day " << UT.D;
        EXPECT_LT(DDec, Tolerance) << "day " << UT.D;
    }
    RecordProperty("worst_fraction_of_tolerance", std::to_string(Worst));
}

// Parallax from ephem's distance, diameter, and the signed elongation and
// illuminated fraction. The fraction here is (1 - cos elongation) / 2, taken to
// 0.001 against the same formula on ephem's elongation; ephem's own illuminated
// fraction comes from the true phase angle and is up to 0.009 away from it.
TEST(StAstroMoon, PhaseValuesAgreeWithEphem) {
    auto Rows = test::ReadCsv("sun_moon_ephem.csv");
    for (const auto& Row : Rows) {
        TMoonPosRec P = MoonPosition({Row.Int("day"), Row.Int("seconds")});
        double Parallax = std::asin(6378.14 / Row.Num("moon_km")) * 180.0 / M_PI;
        EXPECT_NEAR(P.Parallax, Parallax, 0.0005) << "day " << Row.Int("day");
        // Same formula as the engine's diameter on ephem's distance; ephem's own
        // diameter takes a 0.1 percent larger Moon.
        EXPECT_NEAR(P.Diameter, 2.0 * 358473400.0 / Row.Num("moon_km") / 3600.0, 0.0001);
        EXPECT_NEAR(P.Diameter, Row.Num("moon_diam_deg"), 0.001);
        double Elong = Row.Num("moon_elong");
        // The waning sign comes from right ascension here and from ecliptic
        // longitude in ephem: the two may differ within 10 degrees of new and full.
        EXPECT_NEAR(std::fabs(P.PhaseAngle), std::fabs(Elong), 0.05) << "day " << Row.Int("day");
        if (std::fabs(Elong) > 10.0 && std::fabs(Elong) < 170.0) {
            EXPECT_EQ(P.PhaseAngle < 0.0, Elong < 0.0) << "day " << Row.Int("day");
        }
        EXPECT_NEAR(std::fabs(P.Illuminated), (1.0 - std::cos(Elong * M_PI / 180.0)) / 2.0, 0.001);
        EXPECT_NEAR(std::fabs(P.Illuminated), Row.Num("moon_illum"), 0.01);
        EXPECT_EQ(P.Illuminated < 0.0, P.PhaseAngle < 0.0);
        EXPECT_GE(P.MeanLongitude, 0.0);
        EXPECT_LT(P.MeanLongitude, 360.0);
        EXPECT_GE(P.MeanAnomaly, 0.0);
        EXPECT_LT(P.MeanAnomaly, 360.0);
    }
}

}  // namespace
}  // namespace orbelune
