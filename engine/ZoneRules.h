// Time-zone rules as the tz database writes them, and what they say about a year.
//
// A zone is a list of local time types (offset, daylight flag, abbreviation), the
// instants at which it changes from one to another (TZif transitions), and the POSIX
// TZ rule that continues the list after its last transition ("EST5EDT,M3.2.0,M11.1.0").
// Everything here is a pure function of bytes and numbers; reading the files of the
// machine is SystemZone's job. Instants are Unix seconds (UTC), offsets seconds east.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orbelune {

// A transition date of a POSIX rule: "Mm.w.d" (the w-th weekday d of month m, w = 5
// the last, d = 0 Sunday .. 6), "Jn" (day 1 .. 365 never counting 29 February) or "n"
// (day 0 .. 365 counting it), at Time seconds of the local time then in force.
struct TZoneDateRule {
    enum class Form { MonthWeekDay, JulianNoLeap, DayOfYear };
    Form DateForm = Form::MonthWeekDay;
    int Month = 0;
    int Week = 0;
    int Weekday = 0;
    int Day = 0;
    int32_t Time = 7200;
};

struct TPosixZone {
    std::string StandardName;
    std::string DaylightName;
    int32_t StandardOffset = 0;
    int32_t DaylightOffset = 0;
    bool HasDaylight = false;
    TZoneDateRule Start;
    TZoneDateRule End;
};

// The rule of a POSIX TZ string; nothing for a text that is not one.
std::optional<TPosixZone> ParsePosixZone(std::string_view Text);

struct TZoneType {
    int32_t Offset = 0;
    bool IsDaylight = false;
    std::string Name;
};

struct TZoneTransition {
    int64_t At = 0;
    int Type = 0;  // index into Types
};

struct TZoneRules {
    std::vector<TZoneType> Types;              // Types[0] is in force before the first transition
    std::vector<TZoneTransition> Transitions;  // ascending
    std::optional<TPosixZone> Rule;
};

// The zone of a TZif file (versions 1 to 4; the 64-bit data and footer of version 2
// and later when present). Nothing for damaged or truncated data.
std::optional<TZoneRules> ParseTZif(std::string_view Bytes);

// A zone as a rule alone, as a POSIX TZ string gives it.
TZoneRules RulesOfPosixZone(const TPosixZone& Zone);

// What a zone says about one instant and the year it falls in.
struct TZoneInstant {
    std::string StandardName;
    std::string DaylightName;
    int32_t StandardOffset = 0;
    int32_t DaylightOffset = 0;  // equals StandardOffset in a year without daylight time
    bool HasDaylight = false;    // the year has both a start and an end of daylight time
    int64_t DaylightStart = 0;   // the year's first change to daylight time
    int64_t DaylightEnd = 0;     // the year's first change back
    bool DaylightInEffect = false;
};

// The instant At (UTC) in its UTC year. Years the transitions cover are described by
// them; years before the first transition and after the last take the rule, when the
// zone has one. Daylight time is the later of the two clocks, also where the zone
// gives it a negative saving. Nothing for a zone without any local time type.
std::optional<TZoneInstant> DescribeInstant(const TZoneRules& Rules, int64_t At);

// Civil date arithmetic on Unix days (proleptic Gregorian).
int64_t DaysFromCivil(int64_t Year, int Month, int Day);
void CivilFromDays(int64_t Days, int64_t& Year, int& Month, int& Day);

}  // namespace orbelune
