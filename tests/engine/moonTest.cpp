// Julian Days and the Julian/Gregorian civil calendars.

#include <gtest/gtest.h>

#include <limits>

#include "DateTimeRtl.h"
#include "MoonTestSupport.h"
#include "moon.h"

namespace orbelune {
namespace {

using moontest::ExpectRaises;

TEST(JulianDayConvention, TDateTimeZeroIsJD2415018_5) {
    EXPECT_EQ(DateTimeToJD(0), 2415018.5L);
    EXPECT_EQ(DateTimeToJD(EncodeDate(2000, 1, 1)), 2451544.5L);
    EXPECT_EQ(JDToDateTime(2451545.0L), EncodeDate(2000, 1, 1) + 0.5);
    EXPECT_EQ(JDToDateTime(DateTimeToJD(-700.25)), -700.25);
}

TEST(CivilCalendar, MeeusExamplesAndCalendarChange) {
    // Meeus, Astronomical Algorithms, examples 7.a and 7.b and the change of 1582.
    EXPECT_EQ(CalendarDateToJD(1957, 10, 4), 2436115.5L);
    EXPECT_EQ(CalendarDateToJD(333, 1, 27), 1842712.5L);
    EXPECT_EQ(CalendarDateToJD(1582, 10, 4), 2299159.5L);
    EXPECT_EQ(CalendarDateToJD(1582, 10, 15), 2299160.5L);
    EXPECT_EQ(CalendarDateToJD(2000, 1, 1), 2451544.5L);
    EXPECT_EQ(CalendarDateToJD(1, 1, 1), 1721423.5L);
    EXPECT_EQ(GregorianToJD(1582, 10, 4), 2299149.5L);
    EXPECT_EQ(JulianCalendarToJD(1582, 10, 15), 2299170.5L);
    ExpectRaises<EConvertError>([] { CalendarDateToJD(1582, 10, 10); },
                                "Date invalid due to calendar change");
    ExpectRaises<EConvertError>([] { CalendarDateToJD(1582, 10, 5); },
                                "Date invalid due to calendar change");
    // A change placed elsewhere moves the gap with it.
    EXPECT_EQ(CalendarDateToJDAt(1752, 9, 2, 2361221.5L), JulianCalendarToJD(1752, 9, 2));
    EXPECT_EQ(CalendarDateToJDAt(1752, 9, 14, 2361221.5L), 2361221.5L);
    ExpectRaises<EConvertError>([] { CalendarDateToJDAt(1752, 9, 5, 2361221.5L); },
                                "Date invalid due to calendar change");
}

TEST(CivilCalendar, LeapDaysOfEachCalendar) {
    EXPECT_EQ(GregorianToJD(2000, 2, 29) + 1, GregorianToJD(2000, 3, 1));
    ExpectRaises<EConvertError>([] { GregorianToJD(1900, 2, 29); }, "Invalid day");
    EXPECT_EQ(JulianCalendarToJD(1900, 2, 29) + 1, JulianCalendarToJD(1900, 3, 1));
    ExpectRaises<EConvertError>([] { JulianCalendarToJD(1901, 2, 29); }, "Invalid day");
    ExpectRaises<EConvertError>([] { GregorianToJD(2001, 4, 31); }, "Invalid day");
    ExpectRaises<EConvertError>([] { GregorianToJD(2001, 1, 0); }, "Invalid day");
    EXPECT_EQ(GregorianToJD(2001, 12, 31) + 1, GregorianToJD(2002, 1, 1));
}

TEST(CivilCalendar, MonthsOutsideTheYearRollOver) {
    EXPECT_EQ(CalendarDateToJD(2001, 13, 1), CalendarDateToJD(2002, 1, 1));
    EXPECT_EQ(CalendarDateToJD(2003, 14, 29), CalendarDateToJD(2004, 2, 29));
    ExpectRaises<EConvertError>([] { CalendarDateToJD(2002, 14, 29); }, "Invalid day");
    EXPECT_EQ(CalendarDateToJD(2001, 0, 31), CalendarDateToJD(2000, 12, 31));
    ExpectRaises<EConvertError>([] { CalendarDateToJD(2001, 15, 1); }, "Invalid month");
    ExpectRaises<EConvertError>([] { CalendarDateToJD(2001, -1, 1); }, "Invalid month");
}

TEST(CivilCalendar, YearsOutsideOneTo9999AreRefused) {
    ExpectRaises<EConvertError>([] { CalendarDateToJD(0, 6, 1); }, "Invalid year");
    ExpectRaises<EConvertError>([] { CalendarDateToJD(-5, 6, 1); }, "Invalid year");
    ExpectRaises<EConvertError>([] { CalendarDateToJD(10000, 1, 1); }, "Invalid year");
    EXPECT_EQ(GregorianToJD(9999, 12, 31), 5373483.5L);
}

TEST(CivilCalendar, JDToDateInvertsEveryDayAroundTheChangeAndBeyond) {
    // Every day from 1 January 1 to 31 December 9999 (Julian then Gregorian) comes back.
    int year = 0, month = 0, day = 0;
    for (long double jd = 1721423.5L; jd <= 5373483.5L; jd += 1) {
        JDToCalendarDate(jd + 0.75L, year, month, day);  // the time of day is dropped
        ASSERT_EQ(CalendarDateToJD(year, month, day), jd) << year << "-" << month << "-" << day;
    }
    JDToCalendarDate(2299160.5L, year, month, day);
    EXPECT_EQ(year * 10000 + month * 100 + day, 15821015);
    JDToCalendarDate(2299160.4L, year, month, day);
    EXPECT_EQ(year * 10000 + month * 100 + day, 15821004);
    JDToJulianCalendar(2299160.5L, year, month, day);
    EXPECT_EQ(year * 10000 + month * 100 + day, 15821005);
    JDToGregorianCalendar(2299159.5L, year, month, day);
    EXPECT_EQ(year * 10000 + month * 100 + day, 15821014);
    JDToCalendarDateAt(2361221.5L, 2361220.5L, year, month, day);
    EXPECT_EQ(year * 10000 + month * 100 + day, 17520902);
    JDToCalendarDate(0, year, month, day);  // 1 January 4713 BC of the Julian calendar
    EXPECT_EQ(year * 10000 + month * 100 + day, -47120000 + 101);
}

TEST(CivilCalendar, NegativeOrMeaninglessJDIsRefused) {
    int year = 0, month = 0, day = 0;
    ExpectRaises<EConvertError>([&] { JDToCalendarDate(-0.5L, year, month, day); },
                                "Negative julian dates not supported");
    ExpectRaises<EConvertError>([&] { JDToJulianCalendar(-1, year, month, day); },
                                "Negative julian dates not supported");
    ExpectRaises<EConvertError>(
        [&] {
            JDToGregorianCalendar(std::numeric_limits<long double>::quiet_NaN(), year, month, day);
        },
        "Negative julian dates not supported");
    ExpectRaises<EConvertError>(
        [&] { JDToCalendarDate(std::numeric_limits<long double>::infinity(), year, month, day); },
        "Invalid year");
}

TEST(CivilCalendar, EncodeAndDecodeAgreeWithTheRunTimeLibraryAfter1582) {
    EXPECT_EQ(EncodeCalendarDate(2024, 2, 29), EncodeDate(2024, 2, 29));
    EXPECT_EQ(EncodeCalendarDate(1600, 1, 1), EncodeDate(1600, 1, 1));
    EXPECT_EQ(EncodeCalendarDate(1582, 10, 4) + 1, EncodeCalendarDate(1582, 10, 15));
    int year = 0, month = 0, day = 0;
    DecodeCalendarDate(EncodeDate(1969, 7, 20) + 0.86, year, month, day);
    EXPECT_EQ(year * 10000 + month * 100 + day, 19690720);
    ExpectRaises<EConvertError>([] { EncodeCalendarDate(1582, 10, 14); },
                                "Date invalid due to calendar change");
}

}  // namespace
}  // namespace orbelune
