// The windows' astronomy helpers: time window, moon-icon shade, day-time
// arithmetic, sidereal time and hour angle of a TDateTime, altitude and azimuth.
#include <gtest/gtest.h>

#include <cmath>

#include "AngleDiff.h"
#include "AstroExtras.h"
#include "CsvReader.h"
#include "DateTimeRtl.h"
#include "MyUtil.h"
#include "StAstro.h"
#include "moon.h"

namespace orbelune {
namespace {

TDateTime At(TDayNumber Day, TDaySeconds Seconds) {
    return JoinDateAndTime(DayNumberToDateTime(Day), DaySecondsToDateTime(Seconds));
}

TEST(AstroExtras, TimeWindowPlainAndAcrossMidnight) {
    EXPECT_TRUE(TimeInWindow(23, 22, 2));
    EXPECT_TRUE(TimeInWindow(1, 22, 2));
    EXPECT_FALSE(TimeInWindow(2, 22, 2));
    EXPECT_TRUE(TimeInWindow(22, 22, 2));
    EXPECT_FALSE(TimeInWindow(12, 22, 2));
    EXPECT_TRUE(TimeInWindow(6, 6, 18));
    EXPECT_FALSE(TimeInWindow(18, 6, 18));
    EXPECT_FALSE(TimeInWindow(5, 6, 18));
}

TEST(AstroExtras, HoursToDayTimeCarriesDays) {
    TDayTimeRec R = HoursToDayTime({100, 3600}, 1.5);
    EXPECT_EQ(R.D, 100);
    EXPECT_EQ(R.T, 9000);
    R = HoursToDayTime({100, 3600}, -2.0);
    EXPECT_EQ(R.D, 99);
    EXPECT_EQ(R.T, 82800);
    R = HoursToDayTime({100, 80000}, 30.0);
    EXPECT_EQ(R.D, 102);
    EXPECT_EQ(R.T, 80000 + 30 * 3600 - 2 * 86400);
    R = HoursToDayTime({100, 0}, 1.0 / 7200.0);  // half a second rounds to even
    EXPECT_EQ(R.T, 0);
    EXPECT_EQ(HoursToDayTime({-1, 500}, 5.0).D, -1);
    EXPECT_EQ(HoursToDayTime({100, 0}, NAN).D, -1);
}

TEST(AstroExtras, AddSignedHoursCountsNegativeDatesBackwards) {
    EXPECT_EQ(AddSignedHours(0.0, 123.25), 123.25);
    EXPECT_DOUBLE_EQ(AddSignedHours(6.0, 100.25), 100.5);
    EXPECT_DOUBLE_EQ(AddSignedHours(-6.0, 100.25), 100.0);
    EXPECT_DOUBLE_EQ(AddSignedHours(6.0, -100.25), -100.5);
}

// Before 1899-12-30 the day of a TDateTime counts backwards while the time of day
// runs forward (1880-06-10 02:00 is EncodeDate(...) - 2/24). Shifts across midnight
// must land on the neighbouring calendar day on both sides of that date.
TEST(AstroExtras, AddSignedHoursCrossesMidnightOnBothSidesOf1900) {
    constexpr double Tol = 1e-9;  // far below a second; only the day and hour matter
    const TDateTime June10 = EncodeDate(1880, 6, 10);
    // 02:00 less five hours is 21:00 of the 9th; 22:00 plus five is 03:00 of the 11th.
    EXPECT_NEAR(AddSignedHours(-5.0, June10 - 2.0 / 24), EncodeDate(1880, 6, 9) - 21.0 / 24, Tol);
    EXPECT_NEAR(AddSignedHours(5.0, June10 - 22.0 / 24), EncodeDate(1880, 6, 11) - 3.0 / 24, Tol);
    EXPECT_NEAR(AddSignedHours(5.0, June10 - 10.0 / 24), June10 - 15.0 / 24, Tol);
    EXPECT_NEAR(AddSignedHours(-1.0, June10), EncodeDate(1880, 6, 9) - 23.0 / 24, Tol);
    // A whole day either way keeps the time of day.
    EXPECT_NEAR(AddSignedHours(24.0, June10 - 7.0 / 24), EncodeDate(1880, 6, 11) - 7.0 / 24, Tol);
    EXPECT_NEAR(AddSignedHours(-48.0, June10 - 7.0 / 24), EncodeDate(1880, 6, 8) - 7.0 / 24, Tol);

    // Across 1899-12-30 (day 0) in both directions.
    const TDateTime Dec29 = EncodeDate(1899, 12, 29);
    EXPECT_EQ(Dec29, -1.0);
    EXPECT_NEAR(AddSignedHours(-8.0, 0.25), Dec29 - 22.0 / 24,
                Tol);  // 06:00 -> 22:00 the day before
    EXPECT_NEAR(AddSignedHours(8.0, Dec29 - 18.0 / 24), 2.0 / 24, Tol);  // 18:00 -> 02:00 next day
    EXPECT_NEAR(AddSignedHours(-6.0, 0.0), Dec29 - 18.0 / 24, Tol);
    EXPECT_NEAR(AddSignedHours(6.0, 0.0), 0.25, Tol);
    EXPECT_NEAR(AddSignedHours(36.0, Dec29 - 12.0 / 24), EncodeDate(1899, 12, 31), Tol);

    // After 1900 the hours are simply added, midnight or not.
    const TDateTime Jan1 = EncodeDate(2024, 1, 1);
    EXPECT_EQ(AddSignedHours(5.0, Jan1 + 22.0 / 24), Jan1 + 22.0 / 24 + 5.0 / 24);
    EXPECT_NEAR(AddSignedHours(5.0, Jan1 + 22.0 / 24), EncodeDate(2024, 1, 2) + 3.0 / 24, Tol);
    EXPECT_NEAR(AddSignedHours(-5.0, Jan1 + 2.0 / 24), EncodeDate(2023, 12, 31) + 21.0 / 24, Tol);
    // Zero hours leaves any value as it is, even the second way of writing a time of
    // 1899-12-30 (-0.25 is 06:00 of that day as well).
    EXPECT_EQ(AddSignedHours(0.0, -0.25), -0.25);
}

// Meeus, example 12.a: 13h10m46.3668s (197.693195 degrees) at 1987 April 10, 0h UT.
TEST(AstroExtras, SiderealTimeOfADateTime) {
    constexpr double Gst = 197.693195;
    TDateTime T = At(DMYToDayNumber(10, 4, 1987, 0), 0);
    EXPECT_NEAR(SiderealDays(T), std::trunc(T) + Gst / 360.0, 1e-8);
    EXPECT_NEAR(LocalSiderealDeg(-74.0, T), Gst - 74.0, 1e-5);
    EXPECT_NEAR(LocalSiderealDeg(500.0, T), Gst + 500.0, 1e-5);  // not reduced
    EXPECT_EQ(AngleToHMSText(LocalSiderealDeg(0.0, T)), "13:10:46");
    // A body 15 degrees west of the meridian is an hour past its transit.
    EXPECT_NEAR(HourAngleDeg((Gst - 15.0) / 15.0, 0.0, T), 15.0, 1e-5);
    EXPECT_NEAR(HourAngleDeg((Gst + 15.0) / 15.0, 0.0, T), 345.0, 1e-5);
    EXPECT_NEAR(HourAngleDeg(Gst / 15.0, 30.0, T), 30.0, 1e-5);
}

// Moon icon shade: 0 at new moon, +0.5 at first quarter, 1 at full moon, -0.5 at
// last quarter (the phase angle moves about 12 degrees a day, so 0.03).
TEST(AstroExtras, MoonIconShadeFollowsThePhase) {
    LunationPhases P = LunationPhaseJDE(300);
    auto ShadeAt = [](double JDE) {
        TDayNumber Day = JDToDayNumber(JDE, true);
        auto Seconds = static_cast<TDaySeconds>((JDE + 0.5 - std::floor(JDE + 0.5)) * 86400);
        return MoonIconShade({Day, Seconds});
    };
    EXPECT_NEAR(ShadeAt(P[0]), 0.0, 0.03);
    EXPECT_NEAR(ShadeAt(P[1]), 0.5, 0.03);
    EXPECT_NEAR(std::fabs(ShadeAt(P[2])), 1.0, 0.03);
    EXPECT_NEAR(ShadeAt(P[3]), -0.5, 0.03);
    EXPECT_GT(ShadeAt(P[1] + 3.0), 0.5);
    EXPECT_GT(ShadeAt(P[3] + 3.0), -0.5);  // the waning crescent thins towards 0
    EXPECT_LT(ShadeAt(P[3] + 3.0), 0.0);
    for (int i = 0; i < 30; ++i) {
        double S = ShadeAt(P[0] + i);
        EXPECT_GE(S, -1.0);
        EXPECT_LE(S, 1.0);
    }
}

// Altitude and azimuth of the Sun and the Moon from the engine's own places
// against ephem's topocentric ones. The Sun: 0.02 degree (its place is the mean
// one; ephem's apparent). The Moon: 0.05 degree, for the topocentric correction
// of the altitude is the first-order one and the azimuth is left geocentric.
TEST(AstroExtras, AltitudeAzimuthAgreeWithEphem) {
    auto Rows = test::ReadCsv("altaz_ephem.csv");
    ASSERT_GT(Rows.size(), 150u);
    for (const auto& Row : Rows) {
        TDayTimeRec UT{Row.Int("day"), Row.Int("seconds")};
        TDateTime T = At(UT.D, UT.T);
        double Lat = Row.Num("lat"), Lon = Row.Num("lon");
        SCOPED_TRACE("day " + std::to_string(UT.D));

        TRADecRec Sun = SunRADec(UT);
        double Alt, Az;
        EquatorialToAltAz(Alt, Az, 0, 0.0, Sun.Dec, Sun.RA, Lat, Lon, T);
        EXPECT_NEAR(Alt, Row.Num("sun_alt"), 0.02);
        EXPECT_LT(std::fabs(test::AngleDiff(Az, Row.Num("sun_az"))) *
                      std::cos(Row.Num("sun_alt") * M_PI / 180.0),
                  0.02);
        EXPECT_GE(Az, 0.0);
        EXPECT_LE(Az, 360.0);

        TMoonPosRec Moon = MoonPosition(UT);
        EquatorialToAltAz(Alt, Az, 0, Moon.Parallax, Moon.Dec, Moon.RA, Lat, Lon, T);
        EXPECT_NEAR(Alt, Row.Num("moon_alt"), 0.05);
        EXPECT_LT(std::fabs(test::AngleDiff(Az, Row.Num("moon_az"))) *
                      std::cos(Row.Num("moon_alt") * M_PI / 180.0),
                  0.05);
    }
}

// A height above sea level lowers the altitude by 0.0195 degree per square-root
// foot; a negative height raises it.
TEST(AstroExtras, HeightShiftsTheAltitude) {
    TDateTime T = At(DMYToDayNumber(1, 6, 2024, 0), 43200);
    double A0, Z0, A1, Z1, A2, Z2;
    EquatorialToAltAz(A0, Z0, 0, 0.0, 20.0, 100.0, 40.0, -74.0, T);
    EquatorialToAltAz(A1, Z1, 400, 0.0, 20.0, 100.0, 40.0, -74.0, T);
    EquatorialToAltAz(A2, Z2, -400, 0.0, 20.0, 100.0, 40.0, -74.0, T);
    EXPECT_NEAR(A0 - A1, 0.39, 1e-9);
    EXPECT_NEAR(A2 - A0, 0.39, 1e-9);
    EXPECT_EQ(Z0, Z1);
}

}  // namespace
}  // namespace orbelune
