// The Jewish calendar against python3-convertdate (tests/data/hebrew_*.csv) and its
// fixed rules.

#include <gtest/gtest.h>

#include <string>

#include "CsvReader.h"
#include "MoonTestSupport.h"
#include "moon.h"

namespace orbelune {
namespace {

using moontest::ExpectRaises;
using test::CsvRecords;

int Field(const std::vector<std::string>& row, std::size_t i) {
    return std::stoi(row.at(i));
}

std::string CivilText(TDateTime date) {
    int year = 0, month = 0, day = 0;
    DecodeCalendarDate(date, year, month, day);
    return std::to_string(year) + "-" + std::to_string(month) + "-" + std::to_string(day);
}

std::string CivilText(int year, int month, int day) {
    return std::to_string(year) + "-" + std::to_string(month) + "-" + std::to_string(day);
}

// Jewish years 4121 .. 13758 (every 7th, and 5700 .. 5800): the new year, Passover and
// the year's length, leap and common years alike.
TEST(JewishCalendar, YearsAgreeWithConvertdate) {
    const auto rows = CsvRecords("hebrew_years.csv");
    ASSERT_GT(rows.size(), 1400u);
    int leapYears = 0;
    for (const auto& row : rows) {
        const int year = Field(row, 0);
        const int length = Field(row, 1);
        const bool leap = Field(row, 2) == 1;
        leapYears += leap;
        const std::string tishri1 = CivilText(Field(row, 3), Field(row, 4), Field(row, 5));
        const std::string nisan15 = CivilText(Field(row, 6), Field(row, 7), Field(row, 8));
        SCOPED_TRACE("Jewish year " + std::to_string(year));

        const int type = JewishYearType(year);
        constexpr int lengths[6] = {353, 354, 355, 383, 384, 385};
        EXPECT_EQ(lengths[type], length);
        EXPECT_EQ(type >= 3, leap);
        EXPECT_EQ(CivilText(JewishToDateTime(year, 7, 1)), tishri1);
        EXPECT_EQ(CivilText(JewishToDateTime(year, 1, 15)), nisan15);
        EXPECT_EQ(CivilText(PassoverDate(year - 3760)), nisan15);

        int jewishYear = 0, month = 0, day = 0;
        int civilYear = 0, civilMonth = 0, civilDay = 0;
        DecodeCalendarDate(JewishToDateTime(year, 7, 1), civilYear, civilMonth, civilDay);
        EXPECT_EQ(DateTimeToJewish(EncodeCalendarDate(civilYear, civilMonth, civilDay), jewishYear,
                                   month, day),
                  type);
        EXPECT_EQ(jewishYear * 10000 + month * 100 + day, year * 10000 + 701);
    }
    EXPECT_GT(leapYears, 500);
}

// 2000 civil days drawn at random from the years 400 .. 9998, both ways.
TEST(JewishCalendar, DaysAgreeWithConvertdate) {
    const auto rows = CsvRecords("hebrew_dates.csv");
    ASSERT_EQ(rows.size(), 2000u);
    for (const auto& row : rows) {
        const TDateTime date = EncodeCalendarDate(Field(row, 0), Field(row, 1), Field(row, 2));
        const int expected = Field(row, 3) * 10000 + Field(row, 4) * 100 + Field(row, 5);
        int jewishYear = 0, month = 0, day = 0;
        DateTimeToJewish(date, jewishYear, month, day);
        EXPECT_EQ(jewishYear * 10000 + month * 100 + day, expected) << CivilText(date);
        EXPECT_EQ(JewishToDateTime(Field(row, 3), Field(row, 4), Field(row, 5)), date)
            << CivilText(date);
    }
}

TEST(JewishCalendar, TimeOfDayStaysOnTheCivilDay) {
    // 1 Tishri 5785 is 3 October 2024; in the evening and just before midnight it is
    // still that civil day's Hebrew date, and likewise before 1899 (negative TDateTime).
    for (const double time : {0.0, 0.5, 0.75, 0.999}) {
        int jewishYear = 0, month = 0, day = 0;
        DateTimeToJewish(EncodeCalendarDate(2024, 10, 3) + time, jewishYear, month, day);
        EXPECT_EQ(jewishYear * 10000 + month * 100 + day, 57850701) << time;
        const TDateTime early = EncodeCalendarDate(1850, 9, 7);  // 1 Tishri 5611
        ASSERT_LT(early, 0);
        DateTimeToJewish(early - time, jewishYear, month, day);
        EXPECT_EQ(jewishYear * 10000 + month * 100 + day, 56110701) << time;
    }
}

TEST(JewishCalendar, MonthTablesAndInvalidDates) {
    // 5784 is a leap year of 383 days, 5785 a common year of 355.
    EXPECT_EQ(JewishYearType(5784), 3);
    EXPECT_EQ(JewishYearType(5785), 2);
    EXPECT_EQ(JewishToDateTime(5784, 13, 1), JewishToDateTime(5784, 12, 30) + 1);
    EXPECT_EQ(JewishToDateTime(5784, 1, 1), JewishToDateTime(5784, 13, 29) + 1);
    EXPECT_EQ(JewishToDateTime(5785, 1, 1), JewishToDateTime(5785, 12, 29) + 1);
    EXPECT_EQ(JewishToDateTime(5786, 7, 1) - JewishToDateTime(5785, 7, 1), 355);
    EXPECT_EQ(JewishMonthLength(2, 8), 30);
    EXPECT_EQ(JewishMonthLength(0, 9), 29);
    EXPECT_EQ(JewishMonthLength(1, 13), 0);
    EXPECT_STREQ(JewishMonthNames[1], "Nisan");
    EXPECT_STREQ(JewishMonthNames[13], "Adar 2");

    // A common year has no Adar 2.
    ExpectRaises<EConvertError>([] { JewishToDateTime(5785, 13, 1); }, "Invalid month");
    ExpectRaises<EConvertError>([] { JewishToDateTime(5785, 0, 1); }, "Invalid month");
    ExpectRaises<EConvertError>([] { JewishToDateTime(5785, 14, 1); }, "Invalid month");
    ExpectRaises<EConvertError>([] { JewishToDateTime(5785, 2, 30); }, "Invalid day");
    ExpectRaises<EConvertError>([] { JewishToDateTime(5785, 7, 0); }, "Invalid day");
    EXPECT_NO_THROW(JewishToDateTime(5785, 8, 30));  // Heshvan of a 355-day year
}

TEST(JewishCalendar, FindsNoYearsBeforeTheAlgorithmsRange) {
    ExpectRaises<E_OutOfAlgorithmRange>([] { PassoverDate(358); }, "Out of range of the algorithm");
    EXPECT_NO_THROW(PassoverDate(359));
    ExpectRaises<E_OutOfAlgorithmRange>([] { JewishYearType(4119); },
                                        "Out of range of the algorithm");
    ExpectRaises<E_OutOfAlgorithmRange>([] { JewishYearType(-2147483647); },
                                        "Out of range of the algorithm");
    int jewishYear = 0, month = 0, day = 0;
    ExpectRaises<E_OutOfAlgorithmRange>(
        [&] { DateTimeToJewish(EncodeCalendarDate(300, 1, 1), jewishYear, month, day); },
        "Out of range of the algorithm");
    ExpectRaises<EConvertError>([] { PassoverDate(10000); }, "Invalid year");
    // Passover falls in May in the far future; the date still exists.
    EXPECT_EQ(CivilText(PassoverDate(3525)), "3525-5-2");
}

}  // namespace
}  // namespace orbelune
