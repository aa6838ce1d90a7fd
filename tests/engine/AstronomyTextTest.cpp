// Distance and bearing, degree trigonometry, degree-minute-second and clock-hour text,
// and the daytime test.
#include "Astronomy.h"

#include <gtest/gtest.h>

namespace orbelune {
namespace {

TEST(GreatCircle, SamePointIsExactlyZero) {
    EXPECT_EQ(GreatCircleMiles(40.7128L, -74.006L, 40.7128L, -74.006L), 0.0L);
}

// New York to London is about 5570 km on a sphere of the Earth's mean radius.
TEST(GreatCircle, NewYorkToLondon) {
    const long double miles = GreatCircleMiles(40.7128L, -74.006L, 51.5074L, -0.1278L);
    EXPECT_NEAR(miles * 1.609344L, 5570.0L, 5.0L);
}

// Antipodal points are half the meridian circumference apart (20015.09 km), even when
// rounding pushes the cosine of the angle past -1.
TEST(GreatCircle, AntipodalPointsAreHalfACircleApart) {
    const long double halfCircleMiles = 20015.086796020572722L / 1.609344L;
    EXPECT_NEAR(GreatCircleMiles(0, 0, 0, 180), halfCircleMiles, 0.01L);
    EXPECT_NEAR(GreatCircleMiles(45, 10, -45, -170), halfCircleMiles, 0.01L);
    // Here the extended-precision cosine comes out 1e-19 below -1.
    EXPECT_NEAR(GreatCircleMiles(-77.8L, -179.0L, 77.8L, 1.0L), halfCircleMiles, 0.01L);
    EXPECT_NEAR(GreatCircleMiles(90, 0, -90, 0), halfCircleMiles, 0.01L);
}

TEST(Bearing, CompassPoints) {
    EXPECT_NEAR(BearingDeg(0, 0, 0, 1), 0.0L, 1e-12L);
    EXPECT_NEAR(BearingDeg(0, 0, 1, 0), 90.0L, 1e-12L);
    EXPECT_NEAR(BearingDeg(0, 0, 0, -1), 180.0L, 1e-12L);
    EXPECT_NEAR(BearingDeg(0, 0, -1, 0), 270.0L, 1e-12L);
    EXPECT_NEAR(BearingDeg(0, 0, -1, 1), 315.0L, 1e-12L);
}

TEST(DegreeTrig, ValuesAndOutOfRangeArcCos) {
    EXPECT_NEAR(DSin(30), 0.5L, 1e-18L);
    EXPECT_NEAR(DCos(60), 0.5L, 1e-18L);
    EXPECT_NEAR(DTan(45), 1.0L, 1e-18L);
    EXPECT_NEAR(DArcSin(0.5L), 30.0L, 1e-15L);
    EXPECT_NEAR(DArcCos(-1), 180.0L, 1e-15L);
    EXPECT_EQ(DArcCos(1.0000001L), 0.0L);
    EXPECT_EQ(DArcCos(-1.5L), 0.0L);
    EXPECT_NEAR(DArcTan2(-1, -1), -135.0L, 1e-15L);
}

TEST(HoursToHMS, CarriesRoundedSecondsAndMinutes) {
    const THMS carry = HoursToHMS(1.999999L);
    EXPECT_EQ(carry.Hours, 2);
    EXPECT_EQ(carry.Minutes, 0);
    EXPECT_EQ(carry.Seconds, 0);
    const THMS plain = HoursToHMS(12.5125L);
    EXPECT_EQ(plain.Hours, 12);
    EXPECT_EQ(plain.Minutes, 30);
    EXPECT_EQ(plain.Seconds, 45);
}

TEST(DMS, ParseAcceptsOnlyUnsignedIntegersInRange) {
    long double degrees = -1;
    ASSERT_TRUE(ParseDMS("40", "30", "36", true, degrees));
    EXPECT_NEAR(degrees, 40.51L, 1e-15L);
    EXPECT_TRUE(ParseDMS("90", "60", "60", true, degrees));
    EXPECT_TRUE(ParseDMS("180", "0", "0", false, degrees));
    degrees = -1;
    EXPECT_FALSE(ParseDMS("91", "0", "0", true, degrees));
    EXPECT_FALSE(ParseDMS("181", "0", "0", false, degrees));
    EXPECT_FALSE(ParseDMS("-5", "0", "0", false, degrees));
    EXPECT_FALSE(ParseDMS("+5", "0", "0", false, degrees));
    EXPECT_FALSE(ParseDMS("10", "61", "0", false, degrees));
    EXPECT_FALSE(ParseDMS("10", "0", "61", false, degrees));
    EXPECT_FALSE(ParseDMS("ten", "0", "0", false, degrees));
    EXPECT_FALSE(ParseDMS("", "0", "0", false, degrees));
    EXPECT_FALSE(ParseDMS("99999999999", "0", "0", false, degrees));
    EXPECT_EQ(degrees, -1);
    EXPECT_NEAR(DMSToDegrees(10, 15, 36), 10.26L, 1e-15L);
}

TEST(DMS, FormatWithTheAnsiDegreeSign) {
    EXPECT_EQ(FormatDMS(40.51L), "40\xB0  30'  36''");
    EXPECT_EQ(FormatDMS(5.0L), "5\xB0  0'  0''");
    // West and south: one sign, in front, also above -1 degree.
    EXPECT_EQ(FormatDMS(-97.5L), "-97\xB0  30'  0''");
    EXPECT_EQ(FormatDMS(-40.51L), "-40\xB0  30'  36''");
    EXPECT_EQ(FormatDMS(-0.25L), "-0\xB0  15'  0''");
    EXPECT_EQ(FormatDMS(-0.9999999L), "-1\xB0  0'  0''");
    EXPECT_EQ(FormatDMS(-0.00001L), "0\xB0  0'  0''");
}

TEST(ClockHours, TwelveAndTwentyFourHourForms) {
    EXPECT_EQ(FormatClockHours(false, false, 0.5L, 0), "12:30 AM");
    EXPECT_EQ(FormatClockHours(false, false, 12.0L, 0), "12:00 PM");
    EXPECT_EQ(FormatClockHours(false, false, 13.999L, 0), "2:00 PM");
    EXPECT_EQ(FormatClockHours(false, false, 19.0833333L, 0), "7:05 PM");
    EXPECT_EQ(FormatClockHours(false, true, 7.0833333L, 0), "07:05");
    EXPECT_EQ(FormatClockHours(false, true, 23.9999L, 0), "24:00");
    EXPECT_EQ(FormatClockHours(false, false, 23.9999L, 0), "12:00 AM");
    EXPECT_EQ(FormatClockHours(false, false, 11.9999L, 0), "12:00 PM");
    // Shifted from UT: 23:30 UT at UTC-5 is 18:30, 02:00 UT at +10 is 12:00.
    EXPECT_EQ(FormatClockHours(true, true, 23.5L, -5), "18:30");
    EXPECT_EQ(FormatClockHours(true, false, 2.0L, 10), "12:00 PM");
}

TEST(ClockHours, UTHoursToLocalWrapsOnce) {
    EXPECT_DOUBLE_EQ(UTHoursToLocal(23, 2), 1.0L);
    EXPECT_DOUBLE_EQ(UTHoursToLocal(1, -5), 20.0L);
    EXPECT_DOUBLE_EQ(UTHoursToLocal(12, 5.5L), 17.5L);
    // Midnight UT is shifted like any other hour.
    EXPECT_DOUBLE_EQ(UTHoursToLocal(0, 10), 10.0L);
    EXPECT_EQ(FormatClockHours(true, true, 0, -5), "19:00");
    EXPECT_DOUBLE_EQ(HourDiffToDays(6, 18), 0.5L);
}

TEST(Daytime, OrdinaryDayNightAndCodes) {
    // Sunrise 11:00 UT, sunset 23:00 UT at UTC-5: day from 06:00 to 18:00.
    EXPECT_TRUE(IsDaytimeAt(11, 23, -5, 12));
    EXPECT_TRUE(IsDaytimeAt(11, 23, -5, 6));
    EXPECT_FALSE(IsDaytimeAt(11, 23, -5, 18));
    EXPECT_FALSE(IsDaytimeAt(11, 23, -5, 3));
    // Daylight across midnight local: sunrise 20:00, sunset 04:00 local.
    EXPECT_TRUE(IsDaytimeAt(20, 4, 0, 23));
    EXPECT_TRUE(IsDaytimeAt(20, 4, 0, 1));
    EXPECT_FALSE(IsDaytimeAt(20, 4, 0, 12));
    EXPECT_FALSE(IsDaytimeAt(SunNeverRises, SunNeverRises, 0, 12));
    EXPECT_TRUE(IsDaytimeAt(SunNeverSets, SunNeverSets, 0, 0));
    EXPECT_FALSE(IsDaytimeAt(SunNeverSets, SunNeverRises, 0, 12));
}

// The codes decide without the time of day, so the present one may be used here.
TEST(Daytime, NowAnswersTheCodesWhateverTheTime) {
    EXPECT_FALSE(IsDaytimeNow(SunNeverRises, SunNeverRises, 0));
    EXPECT_FALSE(IsDaytimeNow(6, SunNeverRises, 0));
    EXPECT_TRUE(IsDaytimeNow(SunNeverSets, SunNeverSets, 0));
    EXPECT_TRUE(IsDaytimeNow(SunNeverSets, 18, 0));
}

}  // namespace
}  // namespace orbelune
