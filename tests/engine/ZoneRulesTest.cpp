// Zone rules: POSIX TZ strings, TZif files (whole, truncated, damaged) and the C
// library fallback, checked against each other and against known dates.
#include "ScopedZone.h"
#include "SystemZone.h"
#include "ZoneRules.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>

namespace orbelune {
namespace {

using test::TScopedZone;

int64_t Utc(int Year, int Month, int Day, int Hour = 0, int Minute = 0) {
    return DaysFromCivil(Year, Month, Day) * 86400 + Hour * 3600 + Minute * 60;
}

std::string ZoneFile(const std::string& Name) {
    std::ifstream in("/usr/share/zoneinfo/" + Name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(PosixZone, ParsesNamesOffsetsAndDates) {
    const auto ny = ParsePosixZone("EST5EDT,M3.2.0,M11.1.0");
    ASSERT_TRUE(ny);
    EXPECT_EQ(ny->StandardName, "EST");
    EXPECT_EQ(ny->DaylightName, "EDT");
    EXPECT_EQ(ny->StandardOffset, -5 * 3600);
    EXPECT_EQ(ny->DaylightOffset, -4 * 3600);
    EXPECT_EQ(ny->Start.Month, 3);
    EXPECT_EQ(ny->Start.Week, 2);
    EXPECT_EQ(ny->End.Time, 7200);

    const auto india = ParsePosixZone("IST-5:30");
    ASSERT_TRUE(india);
    EXPECT_EQ(india->StandardOffset, 5 * 3600 + 30 * 60);
    EXPECT_FALSE(india->HasDaylight);

    const auto numeric = ParsePosixZone("<-03>3<-02>,M3.5.0/-2,M10.5.0/-1");
    ASSERT_TRUE(numeric);
    EXPECT_EQ(numeric->StandardName, "-03");
    EXPECT_EQ(numeric->DaylightOffset, -2 * 3600);
    EXPECT_EQ(numeric->Start.Time, -7200);

    const auto julian = ParsePosixZone("AAA-2BBB-3,J60/25,300");
    ASSERT_TRUE(julian);
    EXPECT_EQ(julian->Start.DateForm, TZoneDateRule::Form::JulianNoLeap);
    EXPECT_EQ(julian->Start.Time, 25 * 3600);
    EXPECT_EQ(julian->End.DateForm, TZoneDateRule::Form::DayOfYear);
}

TEST(PosixZone, RefusesMalformedText) {
    for (const char* text : {"", "E5", "EST", "EST5EDT,M13.1.0,M11.1.0", "EST5EDT,M3.6.0,M11.1.0",
                             "EST5EDT,M3.2.7,M11.1.0", "EST5EDT,M3.2.0", "EST5EDT,J0,J100", "EST99",
                             "<EST5", "EST5EDT,M3.2.0,M11.1.0x"}) {
        EXPECT_FALSE(ParsePosixZone(text)) << text;
    }
}

// Transition dates of the three date forms, checked by calendar.
TEST(PosixZone, RuleDatesOfAYear) {
    const auto rules = RulesOfPosixZone(*ParsePosixZone("EST5EDT,M3.2.0,M11.1.0"));
    const auto y2024 = DescribeInstant(rules, Utc(2024, 6, 1));
    ASSERT_TRUE(y2024);
    EXPECT_EQ(y2024->DaylightStart, Utc(2024, 3, 10, 7));  // 02:00 EST
    EXPECT_EQ(y2024->DaylightEnd, Utc(2024, 11, 3, 6));    // 02:00 EDT
    EXPECT_TRUE(y2024->DaylightInEffect);

    // J60 is 1 March in every year; day 59 (from 0) is 29 February in a leap year.
    const auto j = RulesOfPosixZone(*ParsePosixZone("XST0XDT,J60/0,59/0"));
    EXPECT_EQ(DescribeInstant(j, Utc(2024, 6, 1))->DaylightStart, Utc(2024, 3, 1));
    EXPECT_EQ(DescribeInstant(j, Utc(2024, 6, 1))->DaylightEnd, Utc(2024, 2, 29, -1));
    EXPECT_EQ(DescribeInstant(j, Utc(2023, 6, 1))->DaylightEnd, Utc(2023, 3, 1, -1));

    // Week 5 is the last such weekday, four or five weeks in.
    const auto last = RulesOfPosixZone(*ParsePosixZone("GMT0BST,M3.5.0/1,M10.5.0"));
    EXPECT_EQ(DescribeInstant(last, Utc(2024, 6, 1))->DaylightStart, Utc(2024, 3, 31, 1));
    EXPECT_EQ(DescribeInstant(last, Utc(2021, 6, 1))->DaylightStart, Utc(2021, 3, 28, 1));
}

// Ireland's summer time is its standard time in the zone database, and winter time a
// negative saving; the rule and the file both describe the summer as daylight time,
// changing at London's instants.
TEST(PosixZone, NegativeSavingMakesWinterTheStandardTime) {
    const auto rule = ParsePosixZone("IST-1GMT0,M10.5.0,M3.5.0/1");
    ASSERT_TRUE(rule);
    EXPECT_EQ(rule->DaylightOffset, 0);
    const auto london = ParseTZif(ZoneFile("Europe/London"));
    const auto dublin = ParseTZif(ZoneFile("Europe/Dublin"));
    ASSERT_TRUE(london && dublin);
    for (const auto& rules : {RulesOfPosixZone(*rule), *dublin}) {
        for (int year : {1999, 2024, 2050}) {
            for (int month : {1, 7}) {
                const auto z = DescribeInstant(rules, Utc(year, month, 15));
                const auto uk = DescribeInstant(*london, Utc(year, month, 15));
                ASSERT_TRUE(z && uk);
                EXPECT_EQ(z->StandardName, "GMT");
                EXPECT_EQ(z->DaylightName, "IST");
                EXPECT_EQ(z->StandardOffset, 0);
                EXPECT_EQ(z->DaylightOffset, 3600);
                EXPECT_TRUE(z->HasDaylight);
                EXPECT_EQ(z->DaylightInEffect, month == 7) << year;
                EXPECT_EQ(z->DaylightStart, uk->DaylightStart) << year;
                EXPECT_EQ(z->DaylightEnd, uk->DaylightEnd) << year;
            }
        }
    }
    EXPECT_EQ(DescribeInstant(*dublin, Utc(2024, 6, 1))->DaylightStart, Utc(2024, 3, 31, 1));
}

TEST(TZif, ReadsTheSystemFiles) {
    const auto ny = ParseTZif(ZoneFile("America/New_York"));
    ASSERT_TRUE(ny);
    ASSERT_TRUE(ny->Rule);
    EXPECT_EQ(ny->Rule->StandardName, "EST");
    EXPECT_GT(ny->Transitions.size(), 100u);
    const auto utc = ParseTZif(ZoneFile("Etc/UTC"));
    ASSERT_TRUE(utc);
    EXPECT_TRUE(utc->Transitions.empty());
    EXPECT_EQ(DescribeInstant(*utc, Utc(2024, 1, 1))->StandardName, "UTC");
}

TEST(TZif, RefusesDamagedFiles) {
    const std::string file = ZoneFile("Europe/London");
    ASSERT_GT(file.size(), 1000u);
    for (size_t length : {size_t{0}, size_t{3}, size_t{44}, size_t{100}, file.size() / 2})
        EXPECT_FALSE(ParseTZif(file.substr(0, length))) << length;
    std::string wrongMagic = file;
    wrongMagic[0] = 'X';
    EXPECT_FALSE(ParseTZif(wrongMagic));
    // As a version 1 file, with the first transition's type index past the types.
    std::string badType = file;
    badType[4] = '\0';
    ASSERT_TRUE(ParseTZif(badType));
    const size_t timeCount =
        (static_cast<unsigned char>(file[34]) << 8) | static_cast<unsigned char>(file[35]);
    badType[44 + timeCount * 4] = '\xff';
    EXPECT_FALSE(ParseTZif(badType));
    // Huge counts do not make the parser read past the end.
    std::string hugeCounts = file;
    for (int i = 20; i < 44; ++i) hugeCounts[i] = '\x7f';
    EXPECT_FALSE(ParseTZif(hugeCounts));
}

// Damaged bytes anywhere give a refusal or rules that still answer: never a crash or a
// read past the data.
TEST(TZif, SurvivesChangedBytes) {
    const std::string file = ZoneFile("America/New_York");
    std::mt19937 random(12345);
    int answered = 0;
    for (int trial = 0; trial < 3000; ++trial) {
        std::string damaged = file;
        for (int k = 0; k < 3; ++k)
            damaged[random() % damaged.size()] = static_cast<char>(random() & 0xff);
        if (const auto rules = ParseTZif(damaged)) {
            for (int64_t at :
                 {int64_t{-5000000000}, int64_t{0}, int64_t{1719835200}, int64_t{4102444800}})
                if (DescribeInstant(*rules, at)) ++answered;
        }
    }
    EXPECT_GT(answered, 0);
}

// A version 1 file has no rule: the years its transitions cover still come from them.
TEST(TZif, VersionOneFileWithoutRule) {
    std::string file = ZoneFile("Europe/London");
    file[4] = '\0';
    const auto rules = ParseTZif(file);
    ASSERT_TRUE(rules);
    EXPECT_FALSE(rules->Rule);
    const auto summer = DescribeInstant(*rules, Utc(2020, 7, 1));
    ASSERT_TRUE(summer);
    EXPECT_TRUE(summer->DaylightInEffect);
    EXPECT_EQ(summer->DaylightStart, Utc(2020, 3, 29, 1));
}

// The C library answers for zones whose rules cannot be read; it agrees with the
// rules read here.
TEST(SystemZone, LocalTimeSamplingAgreesWithTheRules) {
    for (const char* zone : {"America/New_York", "Australia/Sydney", "EST5EDT,M3.2.0,M11.1.0"}) {
        TScopedZone tz(zone);
        const TSystemZone system = LoadSystemZone();
        ASSERT_TRUE(system.Known && system.Rules) << zone;
        for (int year : {1995, 2024, 2039}) {
            for (int month : {1, 7}) {
                const int64_t at = Utc(year, month, 15, 12);
                const auto sampled = SampleLocalTime(at);
                const auto read = DescribeInstant(*system.Rules, at);
                ASSERT_TRUE(sampled && read) << zone << " " << year;
                EXPECT_EQ(sampled->DaylightStart, read->DaylightStart) << zone << " " << year;
                EXPECT_EQ(sampled->DaylightEnd, read->DaylightEnd) << zone << " " << year;
                EXPECT_EQ(sampled->StandardOffset, read->StandardOffset);
                EXPECT_EQ(sampled->DaylightOffset, read->DaylightOffset);
                EXPECT_EQ(sampled->DaylightInEffect, read->DaylightInEffect);
                EXPECT_EQ(sampled->StandardName, read->StandardName);
            }
        }
    }
}

TEST(SystemZone, UnknownZoneIsNotKnown) {
    TScopedZone tz("Nowhere/Atlantis");
    EXPECT_FALSE(LoadSystemZone().Known);
    TScopedZone up("../../etc/passwd");
    EXPECT_FALSE(LoadSystemZone().Known);
}

TEST(CivilDays, RoundTripAndKnownDays) {
    EXPECT_EQ(DaysFromCivil(1970, 1, 1), 0);
    EXPECT_EQ(DaysFromCivil(2000, 3, 1), 11017);
    EXPECT_EQ(DaysFromCivil(1600, 1, 1), -135140);
    for (int64_t d = -200000; d <= 200000; d += 37) {
        int64_t y;
        int m, day;
        CivilFromDays(d, y, m, day);
        ASSERT_EQ(DaysFromCivil(y, m, day), d);
    }
}

}  // namespace
}  // namespace orbelune
