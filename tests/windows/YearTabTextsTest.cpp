// The Year tab's rules and texts: the first year shown, the same day in another year,
// the day texts from today, the bold days of a month and the week-start mapping.
#include "YearTabTexts.h"

#include "ScopedZone.h"

#include "DateTimeRtl.h"

#include <gtest/gtest.h>

namespace orbelune {
namespace {

TDateTime Day(int year, int month, int day) {
    return EncodeDate(year, month, day);
}

TEST(YearTabDates, EarlyYearsMoveToTheFirstYearShown) {
    EXPECT_EQ(YearTabDate(Day(1700, 3, 15)), Day(1756, 3, 15));
    EXPECT_EQ(YearTabDate(Day(1700, 2, 28)), Day(1756, 2, 28));
    EXPECT_EQ(YearTabDate(Day(1756, 1, 1)), Day(1756, 1, 1));
    EXPECT_EQ(YearTabDate(Day(2024, 2, 29)), Day(2024, 2, 29));
    EXPECT_EQ(SameDayInYear(Day(2024, 2, 29), 2023), Day(2023, 2, 28));
    EXPECT_EQ(SameDayInYear(Day(1752, 2, 29), 1755), Day(1755, 2, 28));
    EXPECT_EQ(SameDayInYear(Day(2023, 12, 31), 1755), Day(1755, 12, 31));
}

TEST(YearDayTexts, CountDaysAndWorkingDaysFromToday) {
    const QString format = QStringLiteral("dddd mmmm d, yyyy");
    const TDateTime today = Day(2024, 3, 11) + 0.6;  // a Monday afternoon
    struct Case {
        TDateTime Selected;
        const char* Label1;
        const char* Label2;
    };
    const Case cases[] = {
        {Day(2024, 3, 11), "Monday March 11, 2024 is 0 days from today.",
         "Monday March 11, 2024 is 0 working days from today."},
        {Day(2024, 3, 1), "Friday March 1, 2024 is -10 days from today.",
         "Friday March 1, 2024 is -6 working days from today."},
        {Day(2024, 3, 15), "Friday March 15, 2024 is 4 days from today.",
         "Friday March 15, 2024 is 4 working days from today."},
        // A day before 1899-12-30 is named as it is, not as the day before.
        {Day(1800, 3, 15), "Saturday March 15, 1800 is -81811 days from today.", nullptr},
    };
    for (const Case& c : cases) {
        const TYearDayTexts texts = YearDayTexts(c.Selected, today, format);
        EXPECT_EQ(texts.Label1, QString::fromLatin1(c.Label1));
        if (c.Label2 != nullptr) {
            EXPECT_EQ(texts.Label2, QString::fromLatin1(c.Label2));
        }
        EXPECT_EQ(texts.Label3, texts.Label1.section(QStringLiteral(" is "), 0, 0));
    }
}

TEST(YearBoldDays, HolidaysOfTheMonthOnlyWhenShownAndInRange) {
    test::TScopedZone zone("America/New_York");
    // Christmas, and Hanukah's first day on 26 December 2024 (python3-convertdate).
    EXPECT_EQ(BoldDaysOfMonth(2024, 12, true), QList<int>({25, 26}));
    // Election Day, the clocks going back, Veterans Day and Thanksgiving.
    EXPECT_EQ(BoldDaysOfMonth(2024, 11, true), QList<int>({3, 5, 11, 28}));
    EXPECT_TRUE(BoldDaysOfMonth(2024, 12, false).isEmpty());
    EXPECT_TRUE(BoldDaysOfMonth(1755, 12, true).isEmpty());
    EXPECT_TRUE(BoldDaysOfMonth(2024, 13, true).isEmpty());
}

TEST(WeekStart, BoxIndexToTheGridsFirstColumn) {
    EXPECT_EQ(GridStartOfWeek(0, 6), 1);  // Monday
    EXPECT_EQ(GridStartOfWeek(5, 0), 6);  // Saturday
    EXPECT_EQ(GridStartOfWeek(6, 0), 0);  // Sunday
    EXPECT_EQ(GridStartOfWeek(7, 0), 1);  // the locale's Monday
    EXPECT_EQ(GridStartOfWeek(7, 6), 0);  // the locale's Sunday
}

}  // namespace
}  // namespace orbelune
