#include "MyUtil.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <ctime>
#include <limits>

namespace orbelune {
namespace {

TEST(MyUtilDates, SafeEncodingNeverThrows) {
    EXPECT_EQ(SafeEncodeDate(2001, 2, 29), 0.0);
    EXPECT_EQ(SafeEncodeDate(0, 1, 1), 0.0);
    EXPECT_EQ(SafeEncodeDate(2001, 0, 1), 0.0);
    EXPECT_EQ(SafeEncodeDate(2001, 1, 0), 0.0);
    EXPECT_EQ(SafeEncodeDate(10000, 1, 1), 0.0);
    EXPECT_EQ(SafeEncodeDate(2000, 2, 29), 36585.0);  // Python: days from 1899-12-30
    EXPECT_EQ(SafeEncodeDate(1, 1, 1), -693593.0);

    EXPECT_DOUBLE_EQ(SafeEncodeDateTime(2000, 1, 1, 18, 0, 0, 0), 36526.75);
    // Before 1899-12-30 the time of day counts away from zero.
    EXPECT_DOUBLE_EQ(SafeEncodeDateTime(1899, 12, 29, 6, 0, 0, 0), -1.25);
    EXPECT_EQ(SafeEncodeDateTime(2000, 1, 1, 24, 0, 0, 0), 0.0);
    EXPECT_EQ(SafeEncodeDateTime(2000, 1, 1, 0, 60, 0, 0), 0.0);
    EXPECT_EQ(SafeEncodeDateTime(2000, 1, 1, 0, 0, 0, 1000), 0.0);
    EXPECT_EQ(SafeEncodeDateTime(2001, 2, 29, 0, 0, 0, 0), 0.0);
    EXPECT_EQ(SafeEncodeDateTime(0, 1, 1, 0, 0, 0, 0), 0.0);
}

TEST(MyUtilDates, JoiningDateAndTime) {
    EXPECT_DOUBLE_EQ(JoinDateAndTime(36526.3, 0.75), 36526.75);
    EXPECT_DOUBLE_EQ(JoinDateAndTime(36526.3, 40000.25), 36526.25);
    // A date before 1899-12-30 takes the time with a minus sign (its own convention).
    EXPECT_DOUBLE_EQ(JoinDateAndTime(-1.9, 0.25), -1.25);
    EXPECT_DOUBLE_EQ(JoinDateAndTime(0, 0.25), -0.25);
}

// Dates on both sides of 1899-12-30 against the C++ run-time: std::chrono's civil
// calendar counts the days and the weekday, std::strftime writes the text.
TEST(MyUtilDates, DateTimeToStringSafeMatchesTheRunTimeLibrary) {
    using namespace std::chrono;
    struct TCase {
        int Year, Month, Day, Hour, Minute;
    };
    for (const TCase c :
         {TCase{1600, 1, 1, 0, 0}, TCase{1600, 3, 1, 23, 59}, TCase{1850, 1, 1, 0, 0},
          TCase{1850, 1, 28, 10, 0}, TCase{1899, 12, 29, 6, 0}, TCase{1899, 12, 30, 18, 0},
          TCase{2000, 1, 1, 18, 0}, TCase{2001, 2, 3, 16, 7}}) {
        const sys_days date = year{c.Year} / c.Month / c.Day;
        const int days = static_cast<int>((date - sys_days{year{1899} / 12 / 30}).count());
        const double time = (c.Hour * 60 + c.Minute) / 1440.0;
        std::tm tm{};
        tm.tm_year = c.Year - 1900;
        tm.tm_mon = c.Month - 1;
        tm.tm_mday = c.Day;
        tm.tm_hour = c.Hour;
        tm.tm_min = c.Minute;
        tm.tm_wday = static_cast<int>(weekday{date}.c_encoding());
        char expected[64];
        std::strftime(expected, sizeof expected, "%A %B %-d %Y %H:%M", &tm);
        // Before 1899-12-30 the time of day counts away from zero.
        EXPECT_EQ(
            DateTimeToStringSafe("dddd mmmm d yyyy hh:nn", days < 0 ? days - time : days + time),
            expected)
            << c.Year << "-" << c.Month << "-" << c.Day;
    }
}

TEST(MyUtilText, ProperCaseUpperCasesWordStartsOnly) {
    EXPECT_EQ(ProperCase("new york"), "New York");
    EXPECT_EQ(ProperCase("mcDONALD o'neil"), "McDONALD O'neil");
    EXPECT_EQ(ProperCase("  a\tb\nc"), "  A\tB\nC");
    EXPECT_EQ(ProperCase("1st street-x"), "1st Street-x");
    EXPECT_EQ(ProperCase("\xe9t\xe9 a"), "\xe9t\xe9 A");  // only ASCII letters change
    EXPECT_EQ(ProperCase(""), "");
}

TEST(MyUtilText, DigitsOnlyDropsLeadingZeros) {
    EXPECT_EQ(DigitsOnly("a007b"), "7");
    EXPECT_EQ(DigitsOnly("x"), "0");
    EXPECT_EQ(DigitsOnly(""), "0");
    EXPECT_EQ(DigitsOnly("000"), "0");
    EXPECT_EQ(DigitsOnly("1-800-555 0100"), "18005550100");
    EXPECT_EQ(DigitsOnly("0a0b1c0"), "10");
}

TEST(MyUtilText, ExtractFieldWithAndWithoutRuns) {
    EXPECT_EQ(ExtractField(2, "a;;b", ";", false), "");
    EXPECT_EQ(ExtractField(3, "a;;b", ";", false), "b");
    EXPECT_EQ(ExtractField(2, "a;;b", ";", true), "b");
    EXPECT_EQ(ExtractField(1, "a;;b", ";", true), "a");
    // A delimiter at the very start opens no empty field.
    EXPECT_EQ(ExtractField(1, ";a;b", ";", false), "a");
    EXPECT_EQ(ExtractField(2, ";a;b", ";", false), "b");
    EXPECT_EQ(ExtractField(0, "a;b", ";", false), "");
    EXPECT_EQ(ExtractField(3, "a;b", ";", false), "");
    EXPECT_EQ(ExtractField(2, "a;", ";", false), "");
    EXPECT_EQ(ExtractField(1, "", ";", false), "");
    EXPECT_EQ(ExtractField(3, "one, two;three", ", ;", true), "three");
    EXPECT_EQ(ExtractField(3, "one, two;three", ", ;", false), "two");
    EXPECT_EQ(ExtractField(1, "no delimiter", ";", false), "no delimiter");
}

TEST(MyUtilText, ExtractFieldReadsPastTwoHundredFiftyFiveCharacters) {
    const std::string Long = std::string(300, 'x') + ";tail";
    EXPECT_EQ(ExtractField(2, Long, ";", false), "tail");
    EXPECT_EQ(ExtractField(1, Long, ";", false).size(), 300u);
}

TEST(MyUtilText, Padding) {
    EXPECT_EQ(PadLeftToWidth("ab", 5), "   ab");
    EXPECT_EQ(PadLeftToWidth("abcdef", 3), "abcdef");
    EXPECT_EQ(PadLeftToWidth("ab", -4), "ab");
    EXPECT_EQ(PadRightToWidth("ab", 4, '.'), "ab..");
    EXPECT_EQ(PadRightToWidth("abcd", 2, '.'), "abcd");
    EXPECT_EQ(PadRightToWidth("", 3, '0'), "000");
}

TEST(MyUtilNumbers, FormatIntThousandsKeepsTheTenCharacterField) {
    EXPECT_EQ(FormatIntThousands(1234567), "   1,234,567");
    EXPECT_EQ(FormatIntThousands(999), "       999");
    EXPECT_EQ(FormatIntThousands(1000), "      1,000");
    EXPECT_EQ(FormatIntThousands(999999), "    999,999");
    EXPECT_EQ(FormatIntThousands(1000000), "   1,000,000");
    EXPECT_EQ(FormatIntThousands(2147483647), "2,147,483,647");
    EXPECT_EQ(FormatIntThousands(0), "         0");
    EXPECT_EQ(FormatIntThousands(-1234567), "  -1234567");
    EXPECT_EQ(FormatIntThousands(INT32_MIN), "-2147483648");
}

TEST(MyUtilNumbers, InsertThousandSeparatorsUpToFiveGroups) {
    EXPECT_EQ(InsertThousandSeparators("1234567"), "1,234,567");
    EXPECT_EQ(InsertThousandSeparators("123"), "123");
    EXPECT_EQ(InsertThousandSeparators("1234"), "1,234");
    EXPECT_EQ(InsertThousandSeparators("123456"), "123,456");
    EXPECT_EQ(InsertThousandSeparators(""), "");
    EXPECT_EQ(InsertThousandSeparators("1234567890123456"), "1,234,567,890,123,456");
    // Past sixteen digits the leading group is left whole.
    EXPECT_EQ(InsertThousandSeparators("1234567890123456789"), "1234,567,890,123,456,789");
}

TEST(MyUtilNumbers, FormatRoundedThousandsRoundsHalfToEven) {
    EXPECT_EQ(FormatRoundedThousands(1234567.5), "1,234,568");
    EXPECT_EQ(FormatRoundedThousands(1234566.5), "1,234,566");
    EXPECT_EQ(FormatRoundedThousands(2.5), "2");
    EXPECT_EQ(FormatRoundedThousands(0.4), "0");
    EXPECT_EQ(FormatRoundedThousands(-0.4), "0");
    // The sign is kept outside the digit groups.
    EXPECT_EQ(FormatRoundedThousands(-123.4), "-123");
    EXPECT_EQ(FormatRoundedThousands(-1234.5), "-1,234");
    EXPECT_EQ(FormatRoundedThousands(-123456), "-123,456");
    EXPECT_EQ(FormatRoundedThousands(1e15), "1,000,000,000,000,000");
    EXPECT_EQ(FormatRoundedThousands(std::numeric_limits<double>::quiet_NaN()), "NAN");
    EXPECT_EQ(FormatRoundedThousands(-std::numeric_limits<double>::infinity()), "-INF");
}

TEST(MyUtilNumbers, SwapAndDistances) {
    int A = 1, B = -7;
    SwapInts(A, B);
    EXPECT_EQ(A, -7);
    EXPECT_EQ(B, 1);
    // One international mile is exactly 1609.344 m.
    EXPECT_DOUBLE_EQ(KmToMiles(1.609344), 1.0);
    EXPECT_DOUBLE_EQ(MilesToKm(1.0), 1.609344);
    EXPECT_DOUBLE_EQ(MilesToKm(26.21875), 42.194988);  // marathon
    EXPECT_NEAR(KmToMiles(100), 62.137119223733, 1e-12);
}

}  // namespace
}  // namespace orbelune
