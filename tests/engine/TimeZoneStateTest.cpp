// The program-wide time-zone state under several zones, against the system's tz
// database (zdump output kept as test data) and hand-checked transition dates.
#include "Astronomy.h"
#include "CsvReader.h"
#include "DateTimeRtl.h"
#include "Holidays.h"
#include "MyUtil.h"
#include "ScopedZone.h"

#include <gtest/gtest.h>

#include <atomic>
#include <ctime>
#include <map>
#include <thread>

namespace orbelune {
namespace {

using test::TScopedZone;

constexpr double OneSecond = 1.0 / 86400.0;

// A Unix instant as a TDateTime (only for instants after 1899-12-30).
TDateTime UnixToDateTime(int64_t Seconds) {
    return 25569.0 + Seconds / 86400.0;
}

struct Transition {
    int64_t At;
    int32_t OffsetBefore;
    bool DaylightBefore;
    std::string NameBefore;
    int32_t OffsetAfter;
    bool DaylightAfter;
    std::string NameAfter;
};

std::map<std::string, std::vector<Transition>> ZdumpTransitions() {
    std::map<std::string, std::vector<Transition>> zones;
    for (const auto& r : test::CsvRows("zone_transitions.csv"))
        zones[r[0]].push_back({std::stoll(r[1]), std::stoi(r[2]), r[3] == "1", r[4],
                               std::stoi(r[5]), r[6] == "1", r[7]});
    return zones;
}

int YearOfUnix(int64_t At) {
    int y, m, d;
    DecodeDate(UnixToDateTime(At), y, m, d);
    return y;
}

// Offsets and names just before and at every transition of 1990-2040, and each
// year's daylight window, as zdump reports them from the tz database.
TEST(TimeZoneState, MatchesTheTzDatabase1990To2040) {
    const auto zones = ZdumpTransitions();
    ASSERT_EQ(zones.size(), 3u);
    for (const auto& [zone, transitions] : zones) {
        TScopedZone tz(zone.c_str());
        std::map<int, TDateTime> starts, ends;
        for (const Transition& t : transitions) {
            SCOPED_TRACE(zone + " at " + std::to_string(t.At));
            EXPECT_DOUBLE_EQ(GetUTCOffset(UnixToDateTime(t.At - 1)), t.OffsetBefore / 3600.0);
            EXPECT_EQ(TimeZone().TimeZoneName, t.NameBefore);
            EXPECT_DOUBLE_EQ(GetUTCOffset(UnixToDateTime(t.At)), t.OffsetAfter / 3600.0);
            EXPECT_EQ(TimeZone().TimeZoneName, t.NameAfter);
            EXPECT_EQ(TimeZone().DaylightInEffect, t.DaylightAfter);
            // The start in local standard time, the end in local daylight time.
            const TDateTime local = UnixToDateTime(t.At + t.OffsetBefore);
            (t.DaylightAfter ? starts : ends)[YearOfUnix(t.At)] = local;
        }
        for (int year = 1990; year <= 2040; ++year) {
            SCOPED_TRACE(zone + " " + std::to_string(year));
            const TTimeZoneState state = TimeZoneAt(SafeEncodeDate(year, 7, 1));
            ASSERT_TRUE(state.ZoneHasDaylight);
            EXPECT_NEAR(state.DaylightStart, starts.at(year), OneSecond);
            EXPECT_NEAR(state.DaylightEnd, ends.at(year), OneSecond);
            EXPECT_NEAR(DaylightStartOfYear(year), starts.at(year), OneSecond);
            EXPECT_NEAR(DaylightEndOfYear(year), ends.at(year), OneSecond);
        }
    }
}

TEST(TimeZoneState, ZonesWithoutDaylightTimeKeepTheStandardOffset) {
    for (const auto& [zone, offset, name] :
         {std::tuple{"Asia/Kolkata", 5.5, "IST"}, std::tuple{"Etc/UTC", 0.0, "UTC"}}) {
        TScopedZone tz(zone);
        for (int year = 1990; year <= 2040; ++year) {
            for (int month : {1, 7}) {
                SCOPED_TRACE(std::string(zone) + " " + std::to_string(year));
                EXPECT_DOUBLE_EQ(GetUTCOffset(SafeEncodeDate(year, month, 15)), offset);
                const TTimeZoneState state = TimeZone();
                EXPECT_FALSE(state.ZoneHasDaylight);
                EXPECT_FALSE(state.DaylightInEffect);
                EXPECT_EQ(state.DaylightStart, 0.0);
                EXPECT_EQ(state.DaylightEnd, 0.0);
                EXPECT_EQ(state.TimeZoneName, name);
                EXPECT_EQ(state.StandardZoneName, name);
                EXPECT_DOUBLE_EQ(state.BaseUTCOffsetHours, offset);
                EXPECT_DOUBLE_EQ(state.DaylightShiftHours, 0.0);
            }
        }
    }
}

TEST(TimeZoneState, FieldsOfANorthernZoneInSummer) {
    TScopedZone tz("America/New_York");
    EXPECT_DOUBLE_EQ(GetUTCOffsetByWindow(SafeEncodeDateTime(2024, 7, 1, 12, 0, 0, 0)), -4.0);
    const TTimeZoneState s = TimeZone();
    EXPECT_EQ(s.TimeZoneName, "EDT");
    EXPECT_EQ(s.StandardZoneName, "EST");
    EXPECT_EQ(s.DaylightZoneName, "EDT");
    EXPECT_DOUBLE_EQ(s.UTCOffsetHours, -4.0);
    EXPECT_DOUBLE_EQ(s.BaseUTCOffsetHours, -5.0);
    EXPECT_DOUBLE_EQ(s.StandardBiasHours, 0.0);
    EXPECT_DOUBLE_EQ(s.DaylightBiasHours, 1.0);
    EXPECT_DOUBLE_EQ(s.DaylightShiftHours, 1.0);
    EXPECT_NEAR(s.DaylightStart, SafeEncodeDateTime(2024, 3, 10, 2, 0, 0, 0), OneSecond);
    EXPECT_NEAR(s.DaylightEnd, SafeEncodeDateTime(2024, 11, 3, 2, 0, 0, 0), OneSecond);
    EXPECT_TRUE(s.ZoneHasDaylight);
    EXPECT_TRUE(s.DaylightInEffect);
}

// The daylight window of a southern zone spans the new year: a January date is in it,
// and the year's end of daylight time comes before its start.
TEST(TimeZoneState, SouthernZoneHasDaylightInJanuary) {
    TScopedZone tz("Australia/Sydney");
    EXPECT_DOUBLE_EQ(GetUTCOffset(SafeEncodeDate(2024, 1, 15)), 11.0);
    TTimeZoneState s = TimeZone();
    EXPECT_TRUE(s.DaylightInEffect);
    EXPECT_EQ(s.TimeZoneName, "AEDT");
    EXPECT_LT(s.DaylightEnd, s.DaylightStart);
    EXPECT_NEAR(s.DaylightEnd, SafeEncodeDateTime(2024, 4, 7, 3, 0, 0, 0), OneSecond);
    EXPECT_NEAR(s.DaylightStart, SafeEncodeDateTime(2024, 10, 6, 2, 0, 0, 0), OneSecond);
    EXPECT_DOUBLE_EQ(GetUTCOffset(SafeEncodeDate(2024, 7, 15)), 10.0);
    EXPECT_FALSE(TimeZone().DaylightInEffect);
}

// Each date takes the offset of its own season, whatever season the present moment is
// in: July's times seen in January are not an hour off.
TEST(TimeZoneState, EachDateTakesItsOwnSeasonsOffset) {
    TScopedZone tz("Europe/London");
    for (int year : {1995, 2010, 2024, 2039}) {
        EXPECT_DOUBLE_EQ(GetUTCOffset(SafeEncodeDateTime(year, 7, 1, 12, 0, 0, 0)), 1.0);
        EXPECT_EQ(TimeZone().TimeZoneName, "BST");
        EXPECT_DOUBLE_EQ(GetUTCOffset(SafeEncodeDateTime(year, 1, 1, 12, 0, 0, 0)), 0.0);
        EXPECT_EQ(TimeZone().TimeZoneName, "GMT");
    }
}

// Past years take the transitions the zone database knows, not the present rule.
TEST(TimeZoneState, PastYearsFollowTheirOwnRules) {
    TScopedZone tz("America/New_York");
    // 1987-2006: first Sunday of April to last Sunday of October.
    EXPECT_NEAR(DaylightStartOfYear(2000), SafeEncodeDateTime(2000, 4, 2, 2, 0, 0, 0), OneSecond);
    EXPECT_NEAR(DaylightEndOfYear(2000), SafeEncodeDateTime(2000, 10, 29, 2, 0, 0, 0), OneSecond);
    EXPECT_DOUBLE_EQ(GetUTCOffset(SafeEncodeDateTime(2000, 3, 20, 12, 0, 0, 0)), -5.0);
    EXPECT_DOUBLE_EQ(GetUTCOffset(SafeEncodeDateTime(2000, 11, 1, 12, 0, 0, 0)), -5.0);
    // The 1974 energy crisis: daylight time from 6 January.
    EXPECT_NEAR(DaylightStartOfYear(1974), SafeEncodeDateTime(1974, 1, 6, 2, 0, 0, 0), OneSecond);
    // A rule given only as a TZ string applies to every year.
    TScopedZone posix("EST5EDT,M3.2.0,M11.1.0");
    EXPECT_NEAR(DaylightStartOfYear(2000), SafeEncodeDateTime(2000, 3, 12, 2, 0, 0, 0), OneSecond);
}

// Before the zone's first transition (1883 in New York) the present rule is used; the
// dates then lie before 1899-12-30 and keep their time of day the way TDateTime does.
TEST(TimeZoneState, YearsBeforeTheDatabaseUseThePresentRule) {
    TScopedZone tz("America/New_York");
    EXPECT_DOUBLE_EQ(GetUTCOffset(SafeEncodeDate(1850, 7, 1)), -4.0);
    const TTimeZoneState s = TimeZone();
    EXPECT_LT(s.DaylightStart, 0.0);
    int y, m, d, h, n, sec, ms;
    DecodeDate(s.DaylightStart, y, m, d);
    DecodeTime(s.DaylightStart, h, n, sec, ms);
    EXPECT_EQ(y * 10000 + m * 100 + d, 18500310);
    EXPECT_EQ(h * 60 + n, 120);
}

TEST(TimeZoneState, LocalAndUTCConversions) {
    TScopedZone tz("America/New_York");
    const TDateTime julyNoon = SafeEncodeDateTime(2024, 7, 1, 12, 0, 0, 0);
    EXPECT_NEAR(LocalToUTC(julyNoon), SafeEncodeDateTime(2024, 7, 1, 16, 0, 0, 0), OneSecond);
    EXPECT_NEAR(UTCToLocal(SafeEncodeDateTime(2024, 7, 1, 16, 0, 0, 0)), julyNoon, OneSecond);
    // A local time just after the autumn change, though its clock reading taken as UTC
    // still lies before the change.
    EXPECT_NEAR(LocalToUTC(SafeEncodeDateTime(2024, 11, 3, 4, 0, 0, 0)),
                SafeEncodeDateTime(2024, 11, 3, 9, 0, 0, 0), OneSecond);
    // Across midnight and before 1899-12-30 the day changes with the hours.
    EXPECT_NEAR(UTCToLocal(SafeEncodeDateTime(2024, 1, 1, 2, 0, 0, 0)),
                SafeEncodeDateTime(2023, 12, 31, 21, 0, 0, 0), OneSecond);
    int y, m, d, h, n, s, ms;
    const TDateTime local = UTCToLocal(SafeEncodeDateTime(1890, 1, 1, 2, 0, 0, 0));
    DecodeDate(local, y, m, d);
    DecodeTime(local, h, n, s, ms);
    EXPECT_EQ(y * 10000 + m * 100 + d, 18891231);
    EXPECT_EQ(h, 21);
}

// Without zone information the answer is 0 with empty names; the conversions keep the
// offset of the last successful call.
TEST(TimeZoneState, MissingZoneInformation) {
    TScopedZone known("Asia/Kolkata");
    EXPECT_DOUBLE_EQ(GetUTCOffset(SafeEncodeDate(2024, 5, 1)), 5.5);
    TScopedZone unknown("Nowhere/Atlantis");
    EXPECT_DOUBLE_EQ(GetUTCOffset(SafeEncodeDate(2024, 5, 1)), 0.0);
    const TTimeZoneState s = TimeZone();
    EXPECT_TRUE(s.TimeZoneName.empty());
    EXPECT_TRUE(s.StandardZoneName.empty());
    EXPECT_TRUE(s.DaylightZoneName.empty());
    EXPECT_FALSE(s.ZoneHasDaylight);
    EXPECT_DOUBLE_EQ(s.UTCOffsetHours, 5.5);
    EXPECT_NEAR(UTCToLocal(SafeEncodeDate(2024, 5, 1)), SafeEncodeDateTime(2024, 5, 1, 5, 30, 0, 0),
                OneSecond);
}

TEST(TimeZoneState, ZoneGivenAsAPathOrAnEmptyTZ) {
    {
        TScopedZone tz("/usr/share/zoneinfo/Australia/Sydney");
        EXPECT_DOUBLE_EQ(GetUTCOffset(SafeEncodeDate(2024, 1, 15)), 11.0);
    }
    {
        TScopedZone tz(":Europe/London");
        EXPECT_DOUBLE_EQ(GetUTCOffset(SafeEncodeDate(2024, 7, 15)), 1.0);
    }
    {
        TScopedZone tz("");
        EXPECT_DOUBLE_EQ(GetUTCOffset(SafeEncodeDate(2024, 7, 15)), 0.0);
        EXPECT_EQ(TimeZone().TimeZoneName, "UTC");
    }
}

#ifndef _WIN32
// Without TZ the machine's own zone is used, whatever it is: the offsets agree with
// the C library's local time.
TEST(TimeZoneState, UnsetTZFollowsTheCLibrary) {
    TScopedZone tz(nullptr);
    for (int64_t at :
         {int64_t{946684800}, int64_t{1719835200}, int64_t{1704067200}, int64_t{2145916800}}) {
        const std::time_t t = static_cast<std::time_t>(at);
        std::tm local{};
        ASSERT_TRUE(localtime_r(&t, &local));
        EXPECT_DOUBLE_EQ(GetUTCOffset(UnixToDateTime(at)) * 3600.0,
                         static_cast<double>(local.tm_gmtoff))
            << at;
    }
}
#endif

// A refresh from another thread never tears the state a reader copies: every copy is
// the whole state of one of the two dates.
TEST(TimeZoneState, RefreshesFromTwoThreadsDoNotOverlap) {
    TScopedZone tz("America/New_York");
    const TDateTime summer = SafeEncodeDate(2024, 7, 1), winter = SafeEncodeDate(2024, 1, 15);
    std::atomic<bool> stop{false};
    std::thread weather([&] {
        for (int i = 0; i < 2000 && !stop; ++i) LocalToUTC(i % 2 ? summer : winter);
    });
    int torn = 0;
    for (int i = 0; i < 2000; ++i) {
        GetUTCOffset(i % 2 ? winter : summer);
        const TTimeZoneState s = TimeZone();
        const bool daylight = s.UTCOffsetHours == -4.0L && s.TimeZoneName == "EDT";
        const bool standard = s.UTCOffsetHours == -5.0L && s.TimeZoneName == "EST";
        if (!daylight && !standard) ++torn;
    }
    stop = true;
    weather.join();
    EXPECT_EQ(torn, 0);
}

}  // namespace
}  // namespace orbelune
