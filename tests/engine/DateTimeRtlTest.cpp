#include "DateTimeRtl.h"

#include "CsvReader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace orbelune {
namespace {

// 2001-02-03 (a Saturday, TDateTime day 36925 by Python's date arithmetic)
// at 04:05:06.007 and at 16:05:06.
const TDateTime Morning = 36925 + (4 * 3600 + 5 * 60 + 6 + 0.007) / 86400;
const TDateTime Afternoon = 36925 + (16 * 3600 + 5 * 60 + 6) / 86400.0;

TEST(DateTimeRtlEncoding, DatesAndTimes) {
    EXPECT_EQ(EncodeDate(1899, 12, 30), 0.0);
    EXPECT_EQ(EncodeDate(2001, 2, 3), 36925.0);
    EXPECT_EQ(EncodeDate(1, 1, 1), -693593.0);
    EXPECT_EQ(EncodeDate(9999, 12, 31), 2958465.0);
    EXPECT_EQ(EncodeDate(2001, 2, 29), 0.0);
    EXPECT_EQ(EncodeTime(18, 0, 0, 0), 0.75);
    EXPECT_EQ(EncodeTime(24, 0, 0, 0), 0.0);

    TDateTime V = 123;
    EXPECT_FALSE(TryEncodeDate(0, 1, 1, V));
    EXPECT_FALSE(TryEncodeDate(10000, 1, 1, V));
    EXPECT_FALSE(TryEncodeDate(1900, 2, 29, V));
    EXPECT_EQ(V, 123.0);  // untouched on failure
    EXPECT_TRUE(TryEncodeDate(2000, 2, 29, V));
    EXPECT_EQ(V, 36585.0);
    EXPECT_TRUE(TryEncodeTime(23, 59, 59, 999, V));
    EXPECT_EQ(V, 86399999.0 / 86400000);
    EXPECT_FALSE(TryEncodeTime(0, 0, 60, 0, V));
    EXPECT_FALSE(TryEncodeTime(-1, 0, 0, 0, V));
    EXPECT_TRUE(TryEncodeDateTime(1899, 12, 29, 6, 0, 0, 0, V));
    EXPECT_EQ(V, -1.25);
    EXPECT_TRUE(TryEncodeDateTime(2001, 2, 3, 16, 5, 6, 0, V));
    EXPECT_DOUBLE_EQ(V, Afternoon);
    EXPECT_FALSE(TryEncodeDateTime(2001, 2, 3, 16, 5, 6, 1000, V));

    EXPECT_EQ(DaysInAMonth(1900, 2), 28);
    EXPECT_EQ(DaysInAMonth(2000, 2), 29);
    EXPECT_EQ(DaysInAMonth(2000, 13), 0);
    EXPECT_TRUE(IsLeapYear(4000));  // the calendar's own rule, unlike the day-number scale
}

TEST(DateTimeRtlEncoding, EncodeAndDecodeMatchPythonDays) {
    // day_numbers.csv: Gregorian dates with their day count from 1899-12-30 by Python.
    const auto Rows = test::CsvRecords("day_numbers.csv");
    int Checked = 0;
    for (const auto& Row : Rows) {
        const int Year = std::stoi(Row[0]), Month = std::stoi(Row[1]), Day = std::stoi(Row[2]);
        const int Days = std::stoi(Row[4]);
        ASSERT_EQ(EncodeDate(Year, Month, Day), Days) << Year << "-" << Month << "-" << Day;
        int Y, M, D;
        DecodeDate(Days + (Days < 0 ? -0.5 : 0.5), Y, M, D);  // noon of that day
        ASSERT_EQ(Y * 10000 + M * 100 + D, Year * 10000 + Month * 100 + Day) << Days;
        ASSERT_EQ(YearOf(Days + (Days < 0 ? -0.99 : 0.99)), Year) << Days;
        ++Checked;
    }
    EXPECT_GT(Checked, 10000);
}

TEST(DateTimeRtlDecoding, NegativeValuesKeepTheirDayInTheIntegerPart) {
    int Y, M, D, H, N, S, Z;
    DecodeDate(-1.25, Y, M, D);
    DecodeTime(-1.25, H, N, S, Z);
    EXPECT_EQ(Y * 10000 + M * 100 + D, 18991229);
    EXPECT_EQ(H, 6);
    DecodeDate(-0.5, Y, M, D);
    DecodeTime(-0.5, H, N, S, Z);
    EXPECT_EQ(Y * 10000 + M * 100 + D, 18991230);
    EXPECT_EQ(H, 12);
    DecodeDate(-693593, Y, M, D);
    EXPECT_EQ(Y * 10000 + M * 100 + D, 10101);
    DecodeDate(2958465.9, Y, M, D);
    EXPECT_EQ(Y * 10000 + M * 100 + D, 99991231);
}

TEST(DateTimeRtlDecoding, TimesRoundToTheMillisecond) {
    int H, N, S, Z;
    DecodeTime(Morning, H, N, S, Z);
    EXPECT_EQ(H * 10000000 + N * 100000 + S * 1000 + Z, 40506007);
    // 0.4 ms short of noon rounds up to noon.
    DecodeTime(0.5 - 0.0004 / 86400, H, N, S, Z);
    EXPECT_EQ(H * 10000000 + N * 100000 + S * 1000 + Z, 120000000);
    // 0.4 ms short of midnight is midnight of the next day.
    int Y, M, D;
    DecodeDate(36925 - 0.0004 / 86400, Y, M, D);
    DecodeTime(36925 - 0.0004 / 86400, H, N, S, Z);
    EXPECT_EQ(Y * 10000 + M * 100 + D, 20010203);
    EXPECT_EQ(H + N + S + Z, 0);
}

TEST(DateTimeRtlDecoding, OutOfRangeValuesDecodeToZeros) {
    for (double V : {std::numeric_limits<double>::quiet_NaN(), 1e20, -1e20, -693594.5, 2958466.0,
                     std::nextafter(2958466.0, 0.0), std::numeric_limits<double>::infinity()}) {
        int Y = 1, M = 1, D = 1, H = 1, N = 1, S = 1, Z = 1;
        DecodeDate(V, Y, M, D);
        EXPECT_EQ(Y + M + D, 0) << V;
        DecodeTime(V, H, N, S, Z);
        EXPECT_EQ(H + N + S + Z, 0) << V;
        EXPECT_EQ(DayOfWeek(V), 0) << V;
        EXPECT_EQ(YearOf(V), 0) << V;
        EXPECT_EQ(DateTimeToString("yyyy mmmm dddd", V), "0000  ") << V;
    }
}

TEST(DateTimeRtlDecoding, DayOfWeekStartsOnSunday) {
    EXPECT_EQ(DayOfWeek(Morning), 7);  // Saturday
    EXPECT_EQ(DayOfWeek(36926), 1);    // Sunday
    EXPECT_EQ(DayOfWeek(0), 7);        // 1899-12-30 was a Saturday
    EXPECT_EQ(DayOfWeek(-1.5), 6);     // 1899-12-29, Friday
    EXPECT_EQ(DayOfWeek(-693593), 2);  // 0001-01-01, Monday
}

TEST(DateTimeRtlFormat, DateLetters) {
    EXPECT_EQ(DateTimeToString("d/m/yy", Morning), "3/2/01");
    EXPECT_EQ(DateTimeToString("dd.mm.yyyy", Morning), "03.02.2001");
    EXPECT_EQ(DateTimeToString("ddd dddd mmm mmmm", Morning), "Sat Saturday Feb February");
    EXPECT_EQ(DateTimeToString("yyy", Morning), "2001");
    EXPECT_EQ(DateTimeToString("mmm d", Morning), "Feb 3");
    EXPECT_EQ(DateTimeToString("mm/dd/yyyy", Morning), "02/03/2001");
    EXPECT_EQ(DateTimeToString("ddddd", Morning), "2/3/2001");
    EXPECT_EQ(DateTimeToString("dddddd", Morning), "Saturday, February 3, 2001");
    EXPECT_EQ(DateTimeToString("aaa aaaa", Morning), "Sat Saturday");
    EXPECT_EQ(DateTimeToString("YYYY-MM-DD", Morning), "2001-02-03");
}

TEST(DateTimeRtlFormat, TimeLetters) {
    EXPECT_EQ(DateTimeToString("h:n:s", Morning), "4:5:6");
    EXPECT_EQ(DateTimeToString("hh:nn:ss.zzz", Morning), "04:05:06.007");
    EXPECT_EQ(DateTimeToString("hhh:nnn:sss z", Morning), "04:05:06 7");
    // m right after h or hh is the minute, elsewhere the month.
    EXPECT_EQ(DateTimeToString("hh:mm", Morning), "04:05");
    EXPECT_EQ(DateTimeToString("hh mm", Morning), "04 05");
    EXPECT_EQ(DateTimeToString("hh:ss mm", Morning), "04:06 02");
    EXPECT_EQ(DateTimeToString("h:mm AM/PM", Morning), "4:05 AM");
    EXPECT_EQ(DateTimeToString("h:mm am/pm", Afternoon), "4:05 pm");
    EXPECT_EQ(DateTimeToString("hh:nn a/p", Afternoon), "04:05 p");
    EXPECT_EQ(DateTimeToString("HH:nn A/P", Morning), "04:05 A");
    EXPECT_EQ(DateTimeToString("h:nnAM/PM", Afternoon), "4:05PM");
    EXPECT_EQ(DateTimeToString("h:nn ampm", Afternoon), "4:05 PM");
    EXPECT_EQ(DateTimeToString("hh:nn", Afternoon), "16:05");
    EXPECT_EQ(DateTimeToString("h:nn AMPM", 0.5 / 24), "12:30 AM");
    EXPECT_EQ(DateTimeToString("h:nn AMPM", 0.5), "12:00 PM");
    // An am/pm marker before the hour switches too; a quoted one does not.
    EXPECT_EQ(DateTimeToString("AM/PM h", Afternoon), "PM 4");
    EXPECT_EQ(DateTimeToString("h \"am/pm\"", Afternoon), "16 am/pm");
    EXPECT_EQ(DateTimeToString("t", Afternoon), "4:05 PM");
    EXPECT_EQ(DateTimeToString("tt", Afternoon), "4:05:06 PM");
}

TEST(DateTimeRtlFormat, WholeValuesLiteralsAndSettings) {
    EXPECT_EQ(DateTimeToString("c", Morning), "2/3/2001 4:05:06 AM");
    EXPECT_EQ(DateTimeToString("", Morning), "2/3/2001 4:05:06 AM");
    EXPECT_EQ(DateTimeToString("c", 36925), "2/3/2001");
    EXPECT_EQ(DateTimeToString("'Day' d \"of\" mmmm", Morning), "Day 3 of February");
    EXPECT_EQ(DateTimeToString("'unclosed d", Morning), "unclosed d");
    EXPECT_EQ(DateTimeToString("x-w q", Morning), "x-w q");

    TFormatSettings German;
    German.DateSeparator = '.';
    German.ShortDateFormat = "dd/mm/yyyy";
    German.LongTimeFormat = "hh:nn:ss";
    German.LongMonthNames[1] = "Februar";
    EXPECT_EQ(DateTimeToString("c", Afternoon, German), "03.02.2001 16:05:06");
    EXPECT_EQ(DateTimeToString("d. mmmm", Morning, German), "3. Februar");
    // Nested formats go one level deep only: the inner "c" adds just its blank.
    German.ShortDateFormat = "c";
    EXPECT_EQ(DateTimeToString("ddddd", Morning, German), " ");
}

}  // namespace
}  // namespace orbelune
