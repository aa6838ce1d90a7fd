// The date commands' rules: the holiday targets, the bounds of the day and month steps,
// the boxes' day step-back, the daylight-saving jumps of the calendar's year, and the
// meteor and moon-phase captions.
#include "DateNavigation.h"

#include "ScopedZone.h"

#include "DateTimeRtl.h"
#include "Holidays.h"

#include <QDate>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace orbelune {
namespace {

TDateTime Day(int year, int month, int day) {
    return EncodeDate(year, month, day);
}

TEST(HolidayTargets, TheRulesDayInTheYearOrNone) {
    EXPECT_EQ(HolidayTarget(EasterSunday, 2024), Day(2024, 3, 31));
    EXPECT_EQ(HolidayTarget(ThanksgivingDay, 1700), Day(1700, 11, 25));
    // A rule without a date that year gives 0: the jump then goes nowhere.
    EXPECT_FALSE(HolidayTarget([](int32_t) -> TDateTime { return 0; }, 2024).has_value());
}

TEST(DateSteps, BoundsOfTheDayMonthAndYearSteps) {
    EXPECT_FALSE(PrevDayTarget(Day(1601, 1, 1)).has_value());
    EXPECT_EQ(PrevDayTarget(Day(1601, 1, 2)), Day(1601, 1, 1));
    EXPECT_EQ(PrevDayTarget(Day(1900, 3, 1)), Day(1900, 2, 28));
    EXPECT_EQ(PrevDayTarget(Day(1899, 12, 30)), Day(1899, 12, 29));
    EXPECT_FALSE(NextDayTarget(Day(3428, 12, 31)).has_value());
    EXPECT_EQ(NextDayTarget(Day(3428, 12, 30)), Day(3428, 12, 31));
    EXPECT_EQ(NextDayTarget(Day(1899, 12, 29) - 0.75), Day(1899, 12, 30));

    EXPECT_FALSE(CanGoToPrevMonth(1600, 1));
    EXPECT_TRUE(CanGoToPrevMonth(1600, 2));
    EXPECT_TRUE(CanGoToPrevMonth(1600, 3));
    EXPECT_TRUE(CanGoToPrevMonth(1601, 1));
    EXPECT_FALSE(CanGoToNextMonth(3429, 12));
    EXPECT_TRUE(CanGoToNextMonth(3429, 11));
    EXPECT_FALSE(CanGoToPrevYear(1600));
    EXPECT_TRUE(CanGoToPrevYear(1601));
    EXPECT_FALSE(CanGoToNextYear(3429));
    EXPECT_TRUE(CanGoToNextYear(3428));
}

TEST(DateSteps, BoxesStepTheDayBackToTheNewMonthsLength) {
    struct Case {
        int Day, Year, Month, Steps;
    };
    for (const Case& c :
         {Case{31, 2023, 2, 3}, Case{31, 2024, 2, 2}, Case{29, 2023, 2, 1}, Case{31, 2024, 4, 1},
          Case{30, 2024, 4, 0}, Case{28, 1700, 2, 0}, Case{29, 1700, 2, 1}})
        EXPECT_EQ(DayStepsBack(c.Day, c.Year, c.Month), c.Steps)
            << c.Day << "/" << c.Month << "/" << c.Year;
    EXPECT_EQ(YearBoxYear(QStringLiteral("2023")), 2023);
    EXPECT_FALSE(YearBoxYear(QStringLiteral("20x3")).has_value());
    EXPECT_FALSE(YearBoxYear(QString()).has_value());
}

TEST(DaylightJumps, FollowTheYearAskedAndSkipZonesWithoutAChange) {
    struct Case {
        const char* Zone;
        int Year;
        QDate Start, End;
    };
    // United States rules before and since 2007; the southern sky starts in October.
    const Case cases[] = {
        {"America/New_York", 2024, QDate(2024, 3, 10), QDate(2024, 11, 3)},
        {"America/New_York", 2006, QDate(2006, 4, 2), QDate(2006, 10, 29)},
        {"Europe/London", 2024, QDate(2024, 3, 31), QDate(2024, 10, 27)},
        {"Australia/Sydney", 2024, QDate(2024, 10, 6), QDate(2024, 4, 7)},
    };
    for (const Case& c : cases) {
        test::TScopedZone zone(c.Zone);
        SCOPED_TRACE(std::string(c.Zone) + " " + std::to_string(c.Year));
        const auto asQDate = [](std::optional<TDateTime> d) {
            int y = 0, m = 0, dd = 0;
            if (d) DecodeDate(*d, y, m, dd);
            return d ? QDate(y, m, dd) : QDate();
        };
        EXPECT_EQ(asQDate(DaylightJumpTarget(true, c.Year)), c.Start);
        EXPECT_EQ(asQDate(DaylightJumpTarget(false, c.Year)), c.End);
    }
    test::TScopedZone utc("Etc/UTC");
    EXPECT_FALSE(DaylightJumpTarget(true, 2024).has_value());
    EXPECT_FALSE(DaylightJumpTarget(false, 2024).has_value());
}

TEST(SeasonJumps, TakeTheEntrysDay) {
    EXPECT_EQ(SeasonJumpTarget(Day(2024, 3, 20) + 0.15), Day(2024, 3, 20));
    // Before 1899-12-30 the day is the integer part and the time its fraction.
    EXPECT_EQ(SeasonJumpTarget(Day(1800, 6, 21) - 0.6), Day(1800, 6, 21));
    EXPECT_FALSE(SeasonJumpTarget(-1).has_value());
}

TEST(MeteorShowers, CaptionsNameARealDayNearTheDaySet) {
    static const char* const Months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    ASSERT_EQ(MeteorShowers().size(), 9u);
    for (const TMeteorShower& shower : MeteorShowers()) {
        const QString caption = QString::fromLatin1(shower.Caption);
        SCOPED_TRACE(caption.toStdString());
        const int month = static_cast<int>(
            std::find(std::begin(Months), std::end(Months), caption.left(3).toStdString()) -
            std::begin(Months) + 1);
        ASSERT_LE(month, 12) << "unknown month";
        const QDate captionDay(2024, month, caption.mid(4, 2).trimmed().toInt());
        int y = 0, m = 0, d = 0;
        DecodeDate(MeteorShowerDate(shower, 2024), y, m, d);
        EXPECT_LE(std::abs(captionDay.daysTo(QDate(y, m, d))), 1);
        EXPECT_TRUE(MeteorShowerAddress(shower).startsWith(QLatin1String(MeteorSiteAddress)));
        EXPECT_TRUE(MeteorShowerAddress(shower).endsWith(QLatin1String(".html")));
    }
    const TMeteorShower& leonids = MeteorShowers()[7];
    EXPECT_STREQ(leonids.Caption, "Nov 18 - Leonids");
    EXPECT_EQ(MeteorShowerDate(leonids, 2024), Day(2024, 11, 17));
}

}  // namespace
}  // namespace orbelune
