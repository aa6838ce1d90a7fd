// The Chinese New Year against python3-lunardate (tests/data/chinese_new_year.csv), and
// the solar terms it is built on against python3-ephem (tests/data/solar_terms.csv).

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <string>

#include "CsvReader.h"
#include "MoonTestSupport.h"
#include "moon.h"

namespace orbelune {
namespace {

using moontest::ExpectRaises;
using test::CsvRecords;

std::string CivilText(TDateTime date) {
    int year = 0, month = 0, day = 0;
    DecodeCalendarDate(date, year, month, day);
    return std::to_string(year) + "-" + std::to_string(month) + "-" + std::to_string(day);
}

TEST(ChineseCalendar, NewYearOfEveryYear1901To2099AgreesWithLunardate) {
    const auto rows = CsvRecords("chinese_new_year.csv");
    ASSERT_EQ(rows.size(), 199u);
    for (const auto& row : rows) {
        const int year = std::stoi(row.at(0));
        const std::string expected = row.at(0) + "-" + row.at(1) + "-" + row.at(2);
        const TDateTime newYear = ChineseNewYear(year);
        EXPECT_EQ(newYear, std::trunc(newYear));
        EXPECT_EQ(CivilText(newYear), expected);
    }
}

// Before 1900 against the second new moon after the winter-solstice day by
// python3-ephem (tests/data/chinese_new_year_ephem.csv, years without a leap month,
// 1646 .. 1899). The instants there are negative TDateTime values; their Beijing day
// is the one they fall in, not the day after.
TEST(ChineseCalendar, NewYearBefore1900AgreesWithEphemNewMoons) {
    const auto rows = CsvRecords("chinese_new_year_ephem.csv");
    ASSERT_EQ(rows.size(), 161u);
    for (const auto& row : rows) {
        const int year = std::stoi(row.at(0));
        EXPECT_EQ(CivilText(ChineseNewYear(year)), row.at(0) + "-" + row.at(1) + "-" + row.at(2));
    }
}

// The equinox and solstice instants (dynamical time) of every tenth year 1700 .. 2300.
// The sun from the full VSOP87 series, 31 nutation terms and the constant aberration
// is good to about a second of arc, some 25 s of time; ephem's own sun is of like
// accuracy, so 60 s is allowed.
TEST(ChineseCalendar, SolarTermsAgreeWithEphem) {
    const auto rows = CsvRecords("solar_terms.csv");
    ASSERT_EQ(rows.size(), 122u);
    constexpr long double tolerance = 60.0L / 86400;
    for (const auto& row : rows) {
        const int year = std::stoi(row.at(0));
        const int term = std::stoi(row.at(1));
        const long double expected = std::stold(row.at(2));
        EXPECT_NEAR(DateTimeToJD(SolarTermDate(year, term)), expected, tolerance)
            << year << " term " << term;
    }
}

// The iteration stops once the Sun's apparent longitude is within 1e-7 degree of the
// term's (a hundredth of a second of time). The series behind that longitude are summed
// with double-precision cosines and carry about 1e-9 degree, so a tolerance much below
// 1e-7 would chase their rounding; 1e-7 costs nothing that a whole day can show.
TEST(ChineseCalendar, SolarTermsPutTheSunAtTheirLongitude) {
    for (int year = 1600; year <= 3000; year += 35) {
        for (int term = 0; term < 24; term += 5) {
            const long double longitude = SunApparentPosition(SolarTermDate(year, term)).Longitude;
            EXPECT_LE(std::fabs(AngleDiff180(15.0L * term, longitude)), 1e-7L)
                << year << " term " << term;
        }
    }
}

TEST(ChineseCalendar, SolarTermsFallOnTheirCivilDays) {
    for (int year = 1800; year <= 2200; year += 13) {
        int y = 0, month = 0, day = 0;
        DecodeCalendarDate(SolarTermDate(year, 18), y, month, day);
        EXPECT_TRUE(y == year && month == 12 && (day == 21 || day == 22))
            << CivilText(SolarTermDate(year, 18));
        DecodeCalendarDate(SolarTermDate(year, 0), y, month, day);
        EXPECT_TRUE(y == year && month == 3 && day >= 19 && day <= 21) << year;
        DecodeCalendarDate(SolarTermDate(year, 20), y, month, day);  // Great Cold
        EXPECT_TRUE(y == year && month == 1) << year;
    }
}

TEST(ChineseCalendar, AnglesTermsAndBeijingTime) {
    EXPECT_EQ(AngleDiff180(10, 350), 20);
    EXPECT_EQ(AngleDiff180(350, 10), -20);
    EXPECT_EQ(AngleDiff180(0, 180), 180);
    EXPECT_EQ(AngleDiff180(180, 0), 180);
    EXPECT_NEAR(static_cast<double>(AngleDiff180(0, 180.5L)), 179.5, 1e-12);
    EXPECT_EQ(MajorTermOfMonth(12), 18);
    EXPECT_EQ(MajorTermOfMonth(1), 20);
    EXPECT_EQ(MajorTermOfMonth(3), 0);
    EXPECT_EQ(MajorTermOfMonth(11), 16);

    const TDateTime y2000 = EncodeCalendarDate(2000, 6, 1);
    EXPECT_NEAR(ToBeijingTime(y2000) - y2000, 1.0 / 3, 1e-9);
    EXPECT_NEAR(FromBeijingTime(ToBeijingTime(y2000)), y2000, 1e-9);
    const TDateTime y1900 = EncodeCalendarDate(1900, 6, 1);
    EXPECT_NEAR(ToBeijingTime(y1900) - y1900, (7 * 3600 + 45 * 60 + 40) / 86400.0, 1e-9);
}

TEST(ChineseCalendar, YearsBeforeTheCalendarAreRefusedWithoutOverflow) {
    // The year before year 1 (or before the smallest int) does not exist.
    ExpectRaises<EConvertError>([] { ChineseNewYear(1); }, "Invalid year");
    ExpectRaises<EConvertError>([] { ChineseNewYear(INT_MIN); }, "Invalid year");
    ExpectRaises<EConvertError>([] { SolarTermDate(INT_MIN, 20); }, "Invalid year");
    ExpectRaises<EConvertError>([] { SolarTermDate(1, 20); }, "Invalid year");
    // 2 * 2147483647 + 18 = 4294967312 = 178956971 * 24 + 8.
    EXPECT_EQ(MajorTermOfMonth(INT_MAX), 8);
    // 2 * -2147483648 + 18 = -(178956969 * 24 + 22); the remainder keeps the sign.
    EXPECT_EQ(MajorTermOfMonth(INT_MIN), -22);
}

TEST(ChineseCalendar, MajorTermsAroundADate) {
    // Winter solstice 2023: 22 December 03:27 UT (11:27 in Beijing).
    const TDateTime solstice = NextMajorTerm(EncodeCalendarDate(2023, 12, 15));
    EXPECT_NEAR(solstice, EncodeCalendarDate(2023, 12, 22) + (3 * 60 + 27) / 1440.0, 2 / 1440.0);
    EXPECT_EQ(NextMajorTerm(solstice), solstice);
    EXPECT_LT(PrevMajorTerm(solstice), solstice - 29);
    EXPECT_EQ(PrevMajorTerm(solstice + 1e-6), solstice);
    EXPECT_EQ(NextMajorTermDay(EncodeCalendarDate(2023, 12, 15)), EncodeCalendarDate(2023, 12, 22));
    EXPECT_EQ(PrevMajorTermDay(EncodeCalendarDate(2024, 1, 1)), EncodeCalendarDate(2023, 12, 22));
}

// python3-ephem, in Beijing local mean time: winter solstice 1726-12-22 08:50, new moons
// 1726-12-23 19:36 and 1727-01-22 14:19, major terms (300 and 330 degrees) 1727-01-20
// and 1727-02-19, so neither of the first two months is a leap month.
TEST(ChineseCalendar, BeijingDaysBefore1900AreTheDaysTheInstantsFallIn) {
    EXPECT_EQ(NextMajorTermDay(EncodeCalendarDate(1726, 12, 15)), EncodeCalendarDate(1726, 12, 22));
    EXPECT_EQ(NewMoonOnOrAfter(EncodeCalendarDate(1726, 12, 15)), EncodeCalendarDate(1726, 12, 23));
    EXPECT_EQ(NewMoonOnOrBefore(EncodeCalendarDate(1726, 12, 31)),
              EncodeCalendarDate(1726, 12, 23));
    EXPECT_EQ(PrevMajorTermDay(EncodeCalendarDate(1727, 1, 1)), EncodeCalendarDate(1726, 12, 22));
    // The new year is then the second new moon after the solstice day.
    EXPECT_EQ(CivilText(ChineseNewYear(1727)), "1727-1-22");
}

TEST(ChineseCalendar, NewMoonDaysAndTheLeapMonth) {
    // New moons in Beijing: 2023-02-20, 2023-03-22 (the leap second month, without a
    // major term), 2023-04-20.
    EXPECT_EQ(NewMoonOnOrAfter(EncodeCalendarDate(2023, 3, 1)), EncodeCalendarDate(2023, 3, 22));
    EXPECT_EQ(NewMoonOnOrAfter(EncodeCalendarDate(2023, 3, 22)), EncodeCalendarDate(2023, 3, 22));
    EXPECT_EQ(NewMoonOnOrBefore(EncodeCalendarDate(2023, 3, 21)), EncodeCalendarDate(2023, 2, 20));
    EXPECT_TRUE(MonthHasNoMajorTerm(EncodeCalendarDate(2023, 3, 22)));
    EXPECT_FALSE(MonthHasNoMajorTerm(EncodeCalendarDate(2023, 2, 20)));
    EXPECT_FALSE(MonthHasNoMajorTerm(EncodeCalendarDate(2023, 4, 20)));
}

}  // namespace
}  // namespace orbelune
