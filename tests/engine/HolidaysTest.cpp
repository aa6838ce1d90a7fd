// The holiday table and its rules, against python3-holidays, python3-dateutil and
// python3-convertdate (tests/data/holidays_reference.csv, tools/ref_suntimes.py), and
// the fixed daylight rules of the world clocks.
#include "Astronomy.h"
#include "CsvReader.h"
#include "DateTimeRtl.h"
#include "Holidays.h"
#include "MyUtil.h"
#include "ScopedZone.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <iterator>
#include <map>
#include <set>

namespace orbelune {
namespace {

using test::TScopedZone;

constexpr double OneSecond = 1.0 / 86400.0;

TDateTime IsoDate(const std::string& Text) {
    return SafeEncodeDate(std::stoi(Text.substr(0, 4)), std::stoi(Text.substr(5, 2)),
                          std::stoi(Text.substr(8, 2)));
}

const std::map<std::string, TDateTime (*)(int32_t)> RulesByName = {
    {"New Year's Day", NewYearsDay},
    {"Martin L. King", ThirdMondayOfJanuary},
    {"Wash. Birthday", ThirdMondayOfFebruary},
    {"Easter", EasterSunday},
    {"Orthodox Easter", OrthodoxEaster},
    {"Passover Day 1", PassoverDay1},
    {"Mother's Day", MothersDay},
    {"Memorial Day", MemorialDay},
    {"Father's Day", FathersDay},
    {"Fourth of July", FourthOfJuly},
    {"Labor Day", LaborDay},
    {"Jewish New Year", JewishNewYear},
    {"Columbus Day", SecondMondayOfOctober},
    {"Election Day", ElectionDay},
    {"Veterans Day", VeteransDay},
    {"Thanksgiving", ThanksgivingDay},
    {"Hanukah Day 1", HanukahDay1},
    {"Christmas", ChristmasDay},
};

// The entries of the table in fill order, each with its rule; the last entry, a second
// Hanukah, has a date only in the years that have two.
const std::pair<const char*, TDateTime (*)(int32_t)> TableRules[] = {
    {"New Year's Day", NewYearsDay},
    {"Martin L. King", ThirdMondayOfJanuary},
    {"China New Year", ChinaNewYear},
    {"Groundhog Day", GroundhogDay},
    {"Wash. Birthday", ThirdMondayOfFebruary},
    {"Ash Wednesday", AshWednesday},
    {"Good Friday", GoodFriday},
    {"Easter", EasterSunday},
    {"Orthodox Easter", OrthodoxEaster},
    {"Passover Day 1", PassoverDay1},
    {"Mother's Day", MothersDay},
    {"Memorial Day", MemorialDay},
    {"Father's Day", FathersDay},
    {"Fourth of July", FourthOfJuly},
    {"Labor Day", LaborDay},
    {"Jewish New Year", JewishNewYear},
    {"Columbus Day", SecondMondayOfOctober},
    {"Halloween", Halloween},
    {"Election Day", ElectionDay},
    {"Veterans Day", VeteransDay},
    {"Thanksgiving", ThanksgivingDay},
    {"Hanukah Day 1", HanukahDay1},
    {"Christmas", ChristmasDay},
    {"Clock Ahead 1H", DaylightStartOfYear},
    {"Clock Back 1H", DaylightEndOfYear},
    {"Valentine's Day", February14},
    {"St Patrick's Day", March17},
};

TEST(HolidayRules, AgreeWithIndependentLists) {
    const auto rows = test::CsvRows("holidays_reference.csv");
    ASSERT_GT(rows.size(), 7000u);
    std::map<std::string, int> checked;
    for (const auto& r : rows) {
        const auto rule = RulesByName.find(r[1]);
        ASSERT_NE(rule, RulesByName.end()) << r[1];
        EXPECT_EQ(rule->second(std::stoi(r[0])), IsoDate(r[2])) << r[1] << " " << r[0];
        ++checked[r[1]];
    }
    EXPECT_EQ(checked.size(), RulesByName.size());
}

TEST(HolidayRules, FixedDaysAndPublishedEasters) {
    EXPECT_EQ(EasterSunday(2008), SafeEncodeDate(2008, 3, 23));
    EXPECT_EQ(OrthodoxEaster(2008), SafeEncodeDate(2008, 4, 27));
    EXPECT_EQ(AshWednesday(2008), SafeEncodeDate(2008, 2, 6));
    EXPECT_EQ(GoodFriday(2008), SafeEncodeDate(2008, 3, 21));
    EXPECT_EQ(GroundhogDay(2024), SafeEncodeDate(2024, 2, 2));
    EXPECT_EQ(Halloween(2024), SafeEncodeDate(2024, 10, 31));
    EXPECT_EQ(February14(2024), SafeEncodeDate(2024, 2, 14));
    EXPECT_EQ(March17(2024), SafeEncodeDate(2024, 3, 17));
    // Chinese New Year 2024 fell on 10 February, 2023 on 22 January.
    EXPECT_EQ(ChinaNewYear(2024), SafeEncodeDate(2024, 2, 10));
    EXPECT_EQ(ChinaNewYear(2023), SafeEncodeDate(2023, 1, 22));
}

TEST(NthWeekday, LastAndOutOfRange) {
    // May 2024 has four Mondays, May 2021 five: n = 5 gives the last either way.
    EXPECT_EQ(NthWeekdayDay(1, 2024, 5, 5), 27);
    EXPECT_EQ(NthWeekdayDay(1, 2021, 5, 5), 31);
    EXPECT_EQ(NthWeekdayDay(1, 2021, 5, 9), 31);
    EXPECT_EQ(NthWeekdayDay(7, 2024, 3, 2), 10);
    EXPECT_EQ(NthWeekdayDay(0, 2024, 3, 2), 7);
    EXPECT_EQ(NthWeekdayDay(7, 2024, 3, 0), 7);
    EXPECT_EQ(NthWeekdayDay(7, 2024, 13, 1), 0);
    EXPECT_EQ(NthWeekdayDate(4, 2024, 11, 4), SafeEncodeDate(2024, 11, 28));
}

TEST(CountWeekdays, ForwardBackwardAndLongSpans) {
    const TDateTime monday = SafeEncodeDate(2024, 6, 3);
    EXPECT_EQ(CountWeekdays(monday, monday), 0);
    EXPECT_EQ(CountWeekdays(monday + 0.9, monday + 0.1), 0);
    // From Monday to the next Monday: Tuesday .. Friday and the Monday itself.
    EXPECT_EQ(CountWeekdays(monday + 7, monday), 5);
    // Back from Monday to the Saturday before: the days from Saturday up to Sunday.
    EXPECT_EQ(CountWeekdays(monday - 2, monday), 0);
    EXPECT_EQ(CountWeekdays(monday - 7, monday), -5);
    // 52 weeks and the Tuesday a year on.
    EXPECT_EQ(CountWeekdays(monday + 365, monday), 261);
    // Beyond twenty years: 5/7 of the 10957 days, 7826 (the days themselves hold 7827).
    const TDateTime later = SafeEncodeDate(2054, 6, 3);
    EXPECT_EQ(CountWeekdays(later, monday), 7826);
    EXPECT_EQ(CountWeekdays(monday, later), -7826);
}

TEST(HolidayTable, BuildSortsAndLooksUp) {
    TScopedZone tz("America/New_York");
    BuildHolidayTable(2024);
    EXPECT_EQ(HolidayTableYear, 2024);
    for (int32_t i = 2; i <= HolidayCount; ++i) EXPECT_LE(HolidayDates[i - 1], HolidayDates[i]);
    std::map<std::string, TDateTime> byName;
    for (int32_t i = 1; i <= HolidayCount; ++i) {
        EXPECT_LE(HolidayNames[i].size(), HolidayNameLength);
        byName[HolidayNames[i]] = HolidayDates[i];
    }
    EXPECT_EQ(byName.size(), static_cast<size_t>(HolidayCount - 1));  // two Hanukah entries
    EXPECT_EQ(byName.at("Easter"), SafeEncodeDate(2024, 3, 31));
    EXPECT_NEAR(byName.at("Clock Ahead 1H"), SafeEncodeDateTime(2024, 3, 10, 2, 0, 0, 0),
                OneSecond);
    EXPECT_NEAR(byName.at("Clock Back 1H"), SafeEncodeDateTime(2024, 11, 3, 2, 0, 0, 0), OneSecond);

    int32_t index = 1;
    std::string name;
    GetHolidayName(index, SafeEncodeDateTime(2024, 3, 10, 15, 0, 0, 0), name);
    EXPECT_EQ(name, "Clock Ahead 1H");
    index = 1;
    GetHolidayName(index, SafeEncodeDate(2024, 6, 4), name);
    EXPECT_EQ(name, "");
    EXPECT_EQ(index, 1);
}

// Every entry of the table carries its own name with its own rule's date.
TEST(HolidayTable, EachNameHoldsItsRulesDate) {
    TScopedZone tz("America/New_York");
    static_assert(std::size(TableRules) == HolidayCount - 1);
    for (int year : {1999, 2024}) {
        BuildHolidayTable(year);
        std::map<std::string, TDateTime> byName;
        for (int32_t i = 1; i <= HolidayCount; ++i)
            if (HolidayDates[i] != 0) byName[HolidayNames[i]] = HolidayDates[i];
        ASSERT_EQ(byName.size(), std::size(TableRules));
        for (const auto& [name, rule] : TableRules) {
            ASSERT_EQ(byName.count(name), 1u) << name;
            EXPECT_EQ(byName.at(name), rule(year)) << name << " " << year;
        }
    }
}

// Every first day of Hanukah of the reference is marked on its own day, also the 18 that
// fall on 1 or 2 January (from 3032 on), when New Year's Day shares the day.
TEST(HolidayTable, EveryHanukahIsMarkedOnItsDay) {
    TScopedZone tz("Etc/UTC");
    int januaries = 0;
    for (const auto& r : test::CsvRows("holidays_reference.csv")) {
        if (r[1] != "Hanukah Day 1") continue;
        const TDateTime day = IsoDate(r[2]);
        std::set<std::string> names;
        for (int32_t index = 1; index <= HolidayCount; ++index) {
            std::string name;
            GetHolidayName(index, day, name);
            if (name.empty()) break;
            names.insert(name);
        }
        EXPECT_EQ(names.count("Hanukah Day 1"), 1u) << r[2];
        januaries += YearOf(day) != std::stoi(r[0]);
    }
    EXPECT_EQ(januaries, 18);
}

// A clock change carries its time of day, so it sorts after a holiday of the same
// date: Halloween 2004 fell on New York's last Sunday of October, Easter 2024 on
// London's last Sunday of March.
TEST(HolidayTable, ClockChangeSortsAfterAHolidayOfItsDay) {
    for (const auto& [zone, year, holiday, change] :
         {std::tuple{"America/New_York", 2004, "Halloween", "Clock Back 1H"},
          std::tuple{"Europe/London", 2024, "Easter", "Clock Ahead 1H"}}) {
        TScopedZone tz(zone);
        BuildHolidayTable(year);
        int32_t holidayIndex = 0, changeIndex = 0;
        for (int32_t i = 1; i <= HolidayCount; ++i) {
            if (HolidayNames[i] == holiday) holidayIndex = i;
            if (HolidayNames[i] == change) changeIndex = i;
        }
        ASSERT_NE(holidayIndex, 0);
        EXPECT_EQ(changeIndex, holidayIndex + 1) << zone;
        EXPECT_EQ(std::trunc(HolidayDates[changeIndex]), HolidayDates[holidayIndex]) << zone;
        // Both are found for the day, the holiday first.
        int32_t index = 1;
        std::string name;
        GetHolidayName(index, HolidayDates[holidayIndex] + 0.75, name);
        EXPECT_EQ(name, holiday);
        index += 1;
        GetHolidayName(index, HolidayDates[holidayIndex] + 0.75, name);
        EXPECT_EQ(name, change);
    }
}

// Two holidays of one day are both found, the second by asking again from the first
// one's index + 1; asking once more finds nothing.
TEST(HolidayTable, TwoHolidaysOnOneDay) {
    TScopedZone tz("America/New_York");
    // Ash Wednesday fell on Valentine's Day in 2018 and 2024.
    const TDateTime day = SafeEncodeDate(2024, 2, 14);
    int32_t index = 1;
    std::string first, second, third;
    GetHolidayName(index, day, first);
    const int32_t firstIndex = index;
    index = firstIndex + 1;
    GetHolidayName(index, day, second);
    const int32_t secondIndex = index;
    EXPECT_GT(secondIndex, firstIndex);
    EXPECT_EQ((std::set<std::string>{first, second}),
              (std::set<std::string>{"Ash Wednesday", "Valentine's Day"}));
    index = secondIndex + 1;
    GetHolidayName(index, day, third);
    EXPECT_EQ(third, "");
}

TEST(HolidayTable, OtherYearRebuildsOnce) {
    TScopedZone tz("Etc/UTC");
    BuildHolidayTable(2023);
    int32_t index = 1;
    std::string name;
    GetHolidayName(index, SafeEncodeDate(2025, 12, 25), name);
    EXPECT_EQ(name, "Christmas");
    EXPECT_EQ(HolidayTableYear, 2025);
    // A second question about 2025 scans the same table: mark an entry and find it.
    HolidayNames[index] = "Marked";
    index = 1;
    GetHolidayName(index, SafeEncodeDate(2025, 12, 25), name);
    EXPECT_EQ(name, "Marked");
}

// Without daylight time the clock changes have no date: they sort to the front, and no
// day is marked with them, not even 1899-12-30 (date 0).
TEST(HolidayTable, ZoneWithoutDaylightTime) {
    TScopedZone tz("Asia/Kolkata");
    EXPECT_EQ(DaylightStartOfYear(2024), 0.0);
    EXPECT_EQ(DaylightEndOfYear(2024), 0.0);
    BuildHolidayTable(2024);
    EXPECT_EQ(HolidayDates[1], 0.0);
    EXPECT_EQ(HolidayDates[2], 0.0);
    for (TDateTime day : {0.0, 0.5, -0.5}) {
        int32_t index = 1;
        std::string name;
        GetHolidayName(index, day, name);
        EXPECT_EQ(name, "") << day;
    }
}

// A zone that cannot be read has no clock changes: the window of the zone read before
// it is not carried into the table, and a year without dates has none either.
TEST(HolidayTable, UnreadableZoneHasNoClockChanges) {
    TScopedZone known("America/New_York");
    ASSERT_NE(DaylightStartOfYear(2024), 0.0);
    TScopedZone unknown("Nowhere/Atlantis");
    EXPECT_EQ(DaylightStartOfYear(2025), 0.0);
    EXPECT_EQ(DaylightEndOfYear(2025), 0.0);
    BuildHolidayTable(2025);
    for (int32_t i = 1; i <= HolidayCount; ++i) {
        if (HolidayNames[i] == "Clock Ahead 1H" || HolidayNames[i] == "Clock Back 1H") {
            EXPECT_EQ(HolidayDates[i], 0.0) << HolidayNames[i];
        }
    }
}

TEST(HolidayTable, YearsWithoutDatesHaveNoClockChanges) {
    // A rule alone, so that every year the calendar holds has a window.
    TScopedZone tz("EST5EDT,M3.2.0,M11.1.0");
    ASSERT_NE(DaylightStartOfYear(1), 0.0);
    for (int32_t year : {0, 10000, -5}) {
        EXPECT_EQ(DaylightStartOfYear(year), 0.0) << year;
        EXPECT_EQ(DaylightEndOfYear(year), 0.0) << year;
    }
}

// Ireland's clocks go ahead in March and back in October, though its zone calls the
// winter time the daylight one.
TEST(HolidayTable, IrishClocksGoAheadInMarch) {
    TScopedZone tz("Europe/Dublin");
    EXPECT_NEAR(DaylightStartOfYear(2024), SafeEncodeDateTime(2024, 3, 31, 1, 0, 0, 0), OneSecond);
    EXPECT_NEAR(DaylightEndOfYear(2024), SafeEncodeDateTime(2024, 10, 27, 2, 0, 0, 0), OneSecond);
    const TTimeZoneState winter = TimeZoneAt(SafeEncodeDate(2024, 1, 15));
    EXPECT_DOUBLE_EQ(winter.UTCOffsetHours, 0.0);
    EXPECT_DOUBLE_EQ(winter.DaylightShiftHours, 1.0);
    EXPECT_FALSE(winter.DaylightInEffect);
    EXPECT_EQ(winter.TimeZoneName, "GMT");
    const TTimeZoneState summer = TimeZoneAt(SafeEncodeDate(2024, 7, 15));
    EXPECT_DOUBLE_EQ(summer.UTCOffsetHours, 1.0);
    EXPECT_TRUE(summer.DaylightInEffect);
    EXPECT_EQ(summer.TimeZoneName, "IST");
}

// In a southern zone the clock goes back in April and ahead in October.
TEST(HolidayTable, SouthernZoneClockBackComesFirst) {
    TScopedZone tz("Australia/Sydney");
    BuildHolidayTable(2024);
    int32_t back = 0, ahead = 0;
    for (int32_t i = 1; i <= HolidayCount; ++i) {
        if (HolidayNames[i] == "Clock Back 1H") back = i;
        if (HolidayNames[i] == "Clock Ahead 1H") ahead = i;
    }
    EXPECT_LT(back, ahead);
    EXPECT_NEAR(HolidayDates[back], SafeEncodeDateTime(2024, 4, 7, 3, 0, 0, 0), OneSecond);
    // Building the table leaves the zone state computed for 28 October.
    EXPECT_TRUE(TimeZone().DaylightInEffect);
}

// A year that the Jewish calendar cannot reach leaves those entries without a date.
TEST(HolidayTable, RulesOutOfTheirRangeGiveNoDate) {
    TScopedZone tz("Etc/UTC");
    BuildHolidayTable(300);
    std::map<std::string, TDateTime> byName;
    for (int32_t i = 1; i <= HolidayCount; ++i) byName[HolidayNames[i]] = HolidayDates[i];
    EXPECT_EQ(byName.at("Hanukah Day 1"), 0.0);
    EXPECT_NE(byName.at("Christmas"), 0.0);
}

// No rule raises: a year that a rule's calendar cannot reach gives 0, the table's mark
// for no date, and every year outside 1 .. 9999 gives it for every rule.
TEST(HolidayRules, GiveNoDateWhereTheirCalendarsEnd) {
    TScopedZone tz("America/New_York");
    EXPECT_EQ(OrthodoxEaster(0), 0.0);
    EXPECT_EQ(ChinaNewYear(1), 0.0);
    EXPECT_EQ(HanukahDay1(1), 0.0);
    EXPECT_EQ(HanukahDay1(358), 0.0);
    for (const int32_t year : {INT32_MIN, -2991, -1, 0, 1, 2, 358, 10000, INT32_MAX}) {
        for (const auto& [name, rule] : TableRules) {
            TDateTime date = -1;
            EXPECT_NO_THROW(date = rule(year)) << name << " " << year;
            if (year < 1 || year > 9999) {
                EXPECT_EQ(date, 0.0) << name << " " << year;
            }
        }
    }
}

// Easter's arithmetic holds for every integer year (it divided by zero for some years
// before the calendar began): a Sunday in March or April within the calendar, no date
// outside it.
TEST(HolidayRules, EasterOfEveryIntegerYear) {
    for (int64_t year = -3000; year <= 10000; ++year) {
        const TDateTime easter = EasterSunday(static_cast<int32_t>(year));
        if (year < 1 || year > 9999) {
            EXPECT_EQ(easter, 0.0) << year;
            continue;
        }
        int y = 0, month = 0, day = 0;
        DecodeDate(easter, y, month, day);
        EXPECT_TRUE(y == year && (month == 3 || month == 4) && DayOfWeek(easter) == 1) << year;
    }
    EXPECT_EQ(EasterSunday(INT32_MIN), 0.0);
    EXPECT_EQ(EasterSunday(INT32_MAX), 0.0);
}

TEST(WorldDaylightRules, UnitedStatesSince2007AndBefore) {
    EXPECT_EQ(USDaylightStart(2024), SafeEncodeDateTime(2024, 3, 10, 2, 0, 0, 0));
    EXPECT_EQ(USDaylightEnd(2024), SafeEncodeDateTime(2024, 11, 3, 2, 0, 0, 0));
    EXPECT_EQ(USDaylightStart(2006), SafeEncodeDateTime(2006, 4, 2, 2, 0, 0, 0));
    EXPECT_EQ(USDaylightEnd(2006), SafeEncodeDateTime(2006, 10, 29, 2, 0, 0, 0));
    EXPECT_TRUE(IsDaylightUS(SafeEncodeDateTime(2024, 3, 20, 12, 0, 0, 0)));
    EXPECT_TRUE(IsDaylightUS(SafeEncodeDateTime(2024, 11, 1, 12, 0, 0, 0)));
    EXPECT_FALSE(IsDaylightUS(SafeEncodeDateTime(2024, 11, 3, 2, 0, 0, 0)));
    EXPECT_FALSE(IsDaylightUS(SafeEncodeDateTime(2006, 3, 20, 12, 0, 0, 0)));
    EXPECT_TRUE(IsDaylightUS(SafeEncodeDateTime(2024, 3, 10, 2, 0, 0, 0)));
}

TEST(WorldDaylightRules, EuropeanUnion) {
    EXPECT_EQ(EUDaylightStart(2024), SafeEncodeDateTime(2024, 3, 31, 1, 0, 0, 0));
    EXPECT_EQ(EUDaylightEnd(2024), SafeEncodeDateTime(2024, 10, 27, 1, 0, 0, 0));
    EXPECT_TRUE(IsDaylightEU(SafeEncodeDateTime(2024, 7, 1, 0, 0, 0, 0)));
    EXPECT_FALSE(IsDaylightEU(SafeEncodeDateTime(2024, 3, 31, 0, 59, 0, 0)));
}

TEST(WorldDaylightRules, NewZealandSince2007AndBefore) {
    EXPECT_EQ(NZDaylightStart(2024), SafeEncodeDateTime(2024, 9, 29, 2, 0, 0, 0));
    EXPECT_EQ(NZDaylightEnd(2024), SafeEncodeDateTime(2024, 4, 7, 2, 0, 0, 0));
    EXPECT_EQ(NZDaylightStart(2006), SafeEncodeDateTime(2006, 10, 1, 2, 0, 0, 0));
    EXPECT_EQ(NZDaylightEnd(2007), SafeEncodeDateTime(2007, 3, 18, 2, 0, 0, 0));
    EXPECT_TRUE(IsDaylightNZ(SafeEncodeDateTime(2024, 1, 15, 12, 0, 0, 0)));
    EXPECT_TRUE(IsDaylightNZ(SafeEncodeDateTime(2024, 4, 1, 12, 0, 0, 0)));
    EXPECT_TRUE(IsDaylightNZ(SafeEncodeDateTime(2024, 9, 30, 12, 0, 0, 0)));
    EXPECT_FALSE(IsDaylightNZ(SafeEncodeDateTime(2024, 7, 1, 12, 0, 0, 0)));
    EXPECT_FALSE(IsDaylightNZ(SafeEncodeDateTime(2006, 3, 25, 12, 0, 0, 0)));
}

// The fixed rules agree with the zone database of the cities they stand for. The
// zone's start is in local standard time and its end in local daylight time; the
// fixed rules keep New York's clock, UTC for Europe and standard time for New Zealand.
TEST(WorldDaylightRules, AgreeWithTheZoneDatabase2008To2037) {
    const struct {
        const char* Zone;
        TDateTime (*Start)(int32_t);
        TDateTime (*End)(int32_t);
        double StartShiftHours;
        double EndShiftHours;
    } cases[] = {{"America/New_York", USDaylightStart, USDaylightEnd, 0, 0},
                 {"Europe/Berlin", EUDaylightStart, EUDaylightEnd, -1, -2},
                 {"Pacific/Auckland", NZDaylightStart, NZDaylightEnd, 0, -1}};
    for (const auto& c : cases) {
        TScopedZone tz(c.Zone);
        for (int year = 2008; year <= 2037; ++year) {
            const TTimeZoneState s = TimeZoneAt(SafeEncodeDate(year, 7, 1));
            EXPECT_NEAR(c.Start(year), s.DaylightStart + c.StartShiftHours / 24, OneSecond)
                << c.Zone << " " << year;
            EXPECT_NEAR(c.End(year), s.DaylightEnd + c.EndShiftHours / 24, OneSecond)
                << c.Zone << " " << year;
        }
    }
}

}  // namespace
}  // namespace orbelune
