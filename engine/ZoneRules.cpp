// TZif and POSIX TZ parsing, and the description of an instant by a zone's rules.
// The TZif layout is that of RFC 8536; the TZ string that of POSIX.1 with the
// extensions of RFC 8536 (hours up to 167, negative transition times).
#include "ZoneRules.h"

#include <algorithm>
#include <climits>
#include <iterator>
#include <utility>

namespace orbelune {

namespace {

constexpr int64_t SecondsPerDay = 86400;

int64_t FloorDiv(int64_t A, int64_t B) {
    const int64_t q = A / B;
    return (A % B != 0 && ((A < 0) != (B < 0))) ? q - 1 : q;
}

bool IsLeap(int64_t Year) {
    return Year % 4 == 0 && (Year % 100 != 0 || Year % 400 == 0);
}

int DaysInMonth(int64_t Year, int Month) {
    static constexpr int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return Month == 2 && IsLeap(Year) ? 29 : lengths[Month - 1];
}

int64_t UtcYear(int64_t At) {
    int64_t year;
    int month, day;
    CivilFromDays(FloorDiv(At, SecondsPerDay), year, month, day);
    return year;
}

// ---- POSIX TZ strings --------------------------------------------------------------

class TextCursor {
public:
    explicit TextCursor(std::string_view Text) : text_(Text) {}
    bool AtEnd() const { return pos_ >= text_.size(); }
    char Peek() const { return AtEnd() ? '\0' : text_[pos_]; }
    bool Take(char C) {
        if (Peek() != C) return false;
        ++pos_;
        return true;
    }
    bool Number(int MaxDigits, int& Value) {
        int digits = 0;
        Value = 0;
        while (digits < MaxDigits && Peek() >= '0' && Peek() <= '9') {
            Value = Value * 10 + (text_[pos_++] - '0');
            ++digits;
        }
        return digits > 0;
    }
    bool Name(std::string& Value) {
        Value.clear();
        if (Take('<')) {
            while (!AtEnd() && Peek() != '>') Value += text_[pos_++];
            return Take('>') && Value.size() >= 3;
        }
        while ((Peek() >= 'A' && Peek() <= 'Z') || (Peek() >= 'a' && Peek() <= 'z'))
            Value += text_[pos_++];
        return Value.size() >= 3;
    }
    // [+-]hh[:mm[:ss]] in seconds.
    bool Duration(int MaxHours, int32_t& Seconds) {
        const bool negative = Take('-');
        if (!negative) Take('+');
        int h = 0, m = 0, s = 0;
        if (!Number(3, h) || h > MaxHours) return false;
        if (Take(':') && (!Number(2, m) || m > 59)) return false;
        if (Take(':') && (!Number(2, s) || s > 59)) return false;
        Seconds = (negative ? -1 : 1) * (h * 3600 + m * 60 + s);
        return true;
    }
    bool Date(TZoneDateRule& Rule) {
        if (Take('M')) {
            Rule.DateForm = TZoneDateRule::Form::MonthWeekDay;
            if (!Number(2, Rule.Month) || Rule.Month < 1 || Rule.Month > 12) return false;
            if (!Take('.') || !Number(1, Rule.Week) || Rule.Week < 1 || Rule.Week > 5) return false;
            if (!Take('.') || !Number(1, Rule.Weekday) || Rule.Weekday > 6) return false;
        } else if (Take('J')) {
            Rule.DateForm = TZoneDateRule::Form::JulianNoLeap;
            if (!Number(3, Rule.Day) || Rule.Day < 1 || Rule.Day > 365) return false;
        } else {
            Rule.DateForm = TZoneDateRule::Form::DayOfYear;
            if (!Number(3, Rule.Day) || Rule.Day > 365) return false;
        }
        Rule.Time = 7200;
        return !Take('/') || Duration(167, Rule.Time);
    }

private:
    std::string_view text_;
    size_t pos_ = 0;
};

// Local (wall-clock) seconds since the Unix epoch at which a rule date falls.
int64_t RuleDateLocal(const TZoneDateRule& Rule, int64_t Year) {
    int64_t days = DaysFromCivil(Year, 1, 1);
    switch (Rule.DateForm) {
        case TZoneDateRule::Form::MonthWeekDay: {
            const int64_t first = DaysFromCivil(Year, Rule.Month, 1);
            // Unix day 0 was a Thursday (weekday 4).
            const int firstWeekday = static_cast<int>(((first % 7) + 11) % 7);
            int day = 1 + (Rule.Weekday - firstWeekday + 7) % 7 + 7 * (Rule.Week - 1);
            while (day > DaysInMonth(Year, Rule.Month)) day -= 7;
            days = first + day - 1;
            break;
        }
        case TZoneDateRule::Form::JulianNoLeap:
            days += Rule.Day - 1 + (IsLeap(Year) && Rule.Day >= 60 ? 1 : 0);
            break;
        case TZoneDateRule::Form::DayOfYear:
            days += Rule.Day;
            break;
    }
    return days * SecondsPerDay + Rule.Time;
}

struct RuleYear {
    int64_t Start;  // UTC
    int64_t End;    // UTC
};

RuleYear RuleTransitions(const TPosixZone& Zone, int64_t Year) {
    return {RuleDateLocal(Zone.Start, Year) - Zone.StandardOffset,
            RuleDateLocal(Zone.End, Year) - Zone.DaylightOffset};
}

bool InWindow(int64_t At, const RuleYear& Window) {
    if (Window.End > Window.Start) return Window.Start <= At && At < Window.End;
    return At >= Window.Start || At < Window.End;
}

TZoneType StandardTypeOf(const TPosixZone& Zone) {
    return {Zone.StandardOffset, false, Zone.StandardName};
}

TZoneType DaylightTypeOf(const TPosixZone& Zone) {
    return {Zone.DaylightOffset, true, Zone.DaylightName};
}

TZoneType RuleTypeAt(const TPosixZone& Zone, int64_t At) {
    if (Zone.HasDaylight && InWindow(At, RuleTransitions(Zone, UtcYear(At))))
        return DaylightTypeOf(Zone);
    return StandardTypeOf(Zone);
}

// ---- TZif --------------------------------------------------------------------------

class ByteReader {
public:
    explicit ByteReader(std::string_view Bytes) : bytes_(Bytes) {}
    bool Has(uint64_t Count) const { return Count <= bytes_.size() - pos_; }
    size_t Position() const { return pos_; }
    void Skip(size_t Count) { pos_ += Count; }
    uint8_t U8() { return static_cast<uint8_t>(bytes_[pos_++]); }
    uint32_t U32() {
        uint32_t v = 0;
        for (int i = 0; i < 4; ++i) v = (v << 8) | U8();
        return v;
    }
    int64_t I64() {
        uint64_t v = 0;
        for (int i = 0; i < 8; ++i) v = (v << 8) | U8();
        return static_cast<int64_t>(v);
    }
    std::string_view Take(size_t Count) {
        const std::string_view part = bytes_.substr(pos_, Count);
        pos_ += Count;
        return part;
    }

private:
    std::string_view bytes_;
    size_t pos_ = 0;
};

struct TZifCounts {
    uint32_t IsUt, IsStd, Leap, Time, Type, Char;
};

bool ReadHeader(ByteReader& Reader, char& Version, TZifCounts& Counts) {
    if (!Reader.Has(44) || Reader.Take(4) != "TZif") return false;
    Version = static_cast<char>(Reader.U8());
    Reader.Skip(15);
    Counts = {Reader.U32(), Reader.U32(), Reader.U32(), Reader.U32(), Reader.U32(), Reader.U32()};
    return Counts.Type >= 1 && Counts.Type <= 256 && Counts.Char >= 1;
}

uint64_t DataSize(const TZifCounts& C, int TimeSize) {
    return uint64_t{C.Time} * (TimeSize + 1) + uint64_t{C.Type} * 6 + C.Char +
           uint64_t{C.Leap} * (TimeSize + 4) + C.IsStd + C.IsUt;
}

bool ReadData(ByteReader& Reader, const TZifCounts& C, int TimeSize, TZoneRules& Rules) {
    if (!Reader.Has(DataSize(C, TimeSize))) return false;
    Rules.Transitions.resize(C.Time);
    for (auto& t : Rules.Transitions)
        t.At = TimeSize == 8 ? Reader.I64() : static_cast<int32_t>(Reader.U32());
    for (auto& t : Rules.Transitions) {
        t.Type = Reader.U8();
        if (t.Type >= static_cast<int>(C.Type)) return false;
    }
    // Ascending, and far enough from the ends of the range to take an offset.
    constexpr int64_t limit = int64_t{1} << 62;
    for (size_t i = 0; i < Rules.Transitions.size(); ++i) {
        const int64_t at = Rules.Transitions[i].At;
        if (at < -limit || at > limit) return false;
        if (i > 0 && at <= Rules.Transitions[i - 1].At) return false;
    }
    std::vector<uint8_t> nameIndex(C.Type);
    Rules.Types.resize(C.Type);
    for (uint32_t i = 0; i < C.Type; ++i) {
        Rules.Types[i].Offset = static_cast<int32_t>(Reader.U32());
        Rules.Types[i].IsDaylight = Reader.U8() != 0;
        nameIndex[i] = Reader.U8();
        if (nameIndex[i] >= C.Char) return false;
        // Offsets beyond a day are not local times.
        if (Rules.Types[i].Offset <= -SecondsPerDay || Rules.Types[i].Offset >= SecondsPerDay)
            return false;
    }
    const std::string_view names = Reader.Take(C.Char);
    for (uint32_t i = 0; i < C.Type; ++i) {
        const std::string_view rest = names.substr(nameIndex[i]);
        Rules.Types[i].Name = std::string(rest.substr(0, rest.find('\0')));
    }
    Reader.Skip(uint64_t{C.Leap} * (TimeSize + 4) + C.IsStd + C.IsUt);
    return true;
}

}  // namespace

int64_t DaysFromCivil(int64_t Year, int Month, int Day) {
    Year -= Month <= 2 ? 1 : 0;
    const int64_t era = FloorDiv(Year, 400);
    const int64_t yearOfEra = Year - era * 400;
    const int64_t dayOfYear = (153 * (Month + (Month > 2 ? -3 : 9)) + 2) / 5 + Day - 1;
    const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

void CivilFromDays(int64_t Days, int64_t& Year, int& Month, int& Day) {
    Days += 719468;
    const int64_t era = FloorDiv(Days, 146097);
    const int64_t dayOfEra = Days - era * 146097;
    const int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int64_t mp = (5 * dayOfYear + 2) / 153;
    Day = static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1);
    Month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    Year = yearOfEra + era * 400 + (Month <= 2 ? 1 : 0);
}

std::optional<TPosixZone> ParsePosixZone(std::string_view Text) {
    TextCursor cursor(Text);
    TPosixZone zone;
    int32_t west = 0;
    if (!cursor.Name(zone.StandardName) || !cursor.Duration(24, west)) return std::nullopt;
    zone.StandardOffset = -west;
    zone.DaylightOffset = zone.StandardOffset;
    if (cursor.AtEnd()) return zone;
    if (!cursor.Name(zone.DaylightName)) return std::nullopt;
    zone.HasDaylight = true;
    zone.DaylightOffset = zone.StandardOffset + 3600;
    if (!cursor.AtEnd() && cursor.Peek() != ',') {
        if (!cursor.Duration(24, west)) return std::nullopt;
        zone.DaylightOffset = -west;
    }
    if (cursor.AtEnd()) {
        // No dates given: the rule the C library assumes, that of the United States.
        zone.Start = {TZoneDateRule::Form::MonthWeekDay, 3, 2, 0, 0, 7200};
        zone.End = {TZoneDateRule::Form::MonthWeekDay, 11, 1, 0, 0, 7200};
        return zone;
    }
    if (!cursor.Take(',') || !cursor.Date(zone.Start) || !cursor.Take(',') ||
        !cursor.Date(zone.End) || !cursor.AtEnd())
        return std::nullopt;
    return zone;
}

std::optional<TZoneRules> ParseTZif(std::string_view Bytes) {
    ByteReader reader(Bytes);
    char version = 0;
    TZifCounts counts{};
    if (!ReadHeader(reader, version, counts)) return std::nullopt;
    TZoneRules rules;
    if (version < '2') {
        if (!ReadData(reader, counts, 4, rules)) return std::nullopt;
        return rules;
    }
    if (!reader.Has(DataSize(counts, 4))) return std::nullopt;
    reader.Skip(DataSize(counts, 4));
    if (!ReadHeader(reader, version, counts) || !ReadData(reader, counts, 8, rules))
        return std::nullopt;
    // The footer: the rule for instants after the last transition, between newlines.
    if (reader.Has(2) && reader.U8() == '\n') {
        const std::string_view rest = Bytes.substr(reader.Position());
        const size_t end = rest.find('\n');
        if (end != std::string_view::npos && end > 0)
            rules.Rule = ParsePosixZone(rest.substr(0, end));
    }
    return rules;
}

TZoneRules RulesOfPosixZone(const TPosixZone& Zone) {
    TZoneRules rules;
    rules.Types.push_back(StandardTypeOf(Zone));
    rules.Rule = Zone;
    return rules;
}

namespace {

struct ZoneEvent {
    int64_t At;
    TZoneType From;
    TZoneType To;
};

TZoneType TypeAt(const TZoneRules& Rules, int64_t At) {
    const auto& tr = Rules.Transitions;
    const auto after = std::upper_bound(
        tr.begin(), tr.end(), At, [](int64_t a, const TZoneTransition& t) { return a < t.At; });
    if (after == tr.begin()) return Rules.Types[0];
    if (after == tr.end() && Rules.Rule) return RuleTypeAt(*Rules.Rule, At);
    return Rules.Types[std::prev(after)->Type];
}

// The changes of local time type whose wall-clock time before the change lies in Year:
// the transitions of that year, then the rule's changes after the last transition.
std::vector<ZoneEvent> EventsOfYear(const TZoneRules& Rules, int64_t Year) {
    std::vector<ZoneEvent> events;
    const auto& tr = Rules.Transitions;
    for (size_t i = 0; i < tr.size(); ++i) {
        const TZoneType& from = i == 0 ? Rules.Types[0] : Rules.Types[tr[i - 1].Type];
        if (UtcYear(tr[i].At + from.Offset) == Year)
            events.push_back({tr[i].At, from, Rules.Types[tr[i].Type]});
    }
    if (Rules.Rule && Rules.Rule->HasDaylight) {
        const TPosixZone& zone = *Rules.Rule;
        const RuleYear window = RuleTransitions(zone, Year);
        const int64_t last = tr.empty() ? INT64_MIN : tr.back().At;
        std::vector<ZoneEvent> ruleEvents;
        if (window.Start > last)
            ruleEvents.push_back({window.Start, StandardTypeOf(zone), DaylightTypeOf(zone)});
        if (window.End > last)
            ruleEvents.push_back({window.End, DaylightTypeOf(zone), StandardTypeOf(zone)});
        std::sort(ruleEvents.begin(), ruleEvents.end(),
                  [](const ZoneEvent& a, const ZoneEvent& b) { return a.At < b.At; });
        events.insert(events.end(), ruleEvents.begin(), ruleEvents.end());
    }
    return events;
}

TZoneInstant DescribeByRule(const TPosixZone& Zone, int64_t At) {
    TZoneInstant result;
    result.StandardName = Zone.StandardName;
    result.DaylightName = Zone.DaylightName;
    result.StandardOffset = Zone.StandardOffset;
    result.DaylightOffset = Zone.HasDaylight ? Zone.DaylightOffset : Zone.StandardOffset;
    result.HasDaylight = Zone.HasDaylight;
    if (Zone.HasDaylight) {
        const RuleYear window = RuleTransitions(Zone, UtcYear(At));
        result.DaylightStart = window.Start;
        result.DaylightEnd = window.End;
        result.DaylightInEffect = InWindow(At, window);
    }
    return result;
}

TZoneInstant DescribeByTransitions(const TZoneRules& Rules, int64_t At) {
    const std::vector<ZoneEvent> events = EventsOfYear(Rules, UtcYear(At));
    const ZoneEvent* start = nullptr;
    const ZoneEvent* end = nullptr;
    for (const auto& e : events) {
        if (!start && !e.From.IsDaylight && e.To.IsDaylight) start = &e;
        if (!end && e.From.IsDaylight && !e.To.IsDaylight) end = &e;
    }
    const TZoneType now = TypeAt(Rules, At);
    TZoneType standard = now, daylight = now;
    if (now.IsDaylight) {
        standard = end ? end->To : start ? start->From : now;
    } else {
        daylight = start ? start->To : end ? end->From : now;
    }
    TZoneInstant result;
    result.StandardName = standard.Name;
    result.StandardOffset = standard.Offset;
    result.DaylightName = daylight.IsDaylight ? daylight.Name
                          : Rules.Rule        ? Rules.Rule->DaylightName
                                              : std::string();
    result.DaylightOffset = daylight.Offset;
    result.HasDaylight = start && end;
    if (result.HasDaylight) {
        result.DaylightStart = start->At;
        result.DaylightEnd = end->At;
    }
    result.DaylightInEffect = now.IsDaylight;
    return result;
}

// Some zones (Ireland, Morocco) call their summer time the standard one and their
// winter or Ramadan time the daylight one, with a negative saving. Users know the
// change to the later clock as the start of daylight time, so that one is taken as it.
void PutLaterOffsetAsDaylight(TZoneInstant& Zone) {
    if (Zone.DaylightOffset >= Zone.StandardOffset) return;
    std::swap(Zone.StandardName, Zone.DaylightName);
    std::swap(Zone.StandardOffset, Zone.DaylightOffset);
    std::swap(Zone.DaylightStart, Zone.DaylightEnd);
    Zone.DaylightInEffect = !Zone.DaylightInEffect;
}

}  // namespace

std::optional<TZoneInstant> DescribeInstant(const TZoneRules& Rules, int64_t At) {
    if (Rules.Types.empty()) return std::nullopt;
    const auto& tr = Rules.Transitions;
    const int64_t year = UtcYear(At);
    const bool covered =
        !tr.empty() && year >= UtcYear(tr.front().At) && year <= UtcYear(tr.back().At);
    TZoneInstant zone =
        Rules.Rule && !covered ? DescribeByRule(*Rules.Rule, At) : DescribeByTransitions(Rules, At);
    PutLaterOffsetAsDaylight(zone);
    return zone;
}

}  // namespace orbelune
