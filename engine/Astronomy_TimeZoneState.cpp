// The program-wide time-zone state: computed for one date from the machine's zone
// rules and kept behind one mutex, so that the weather thread's conversions and the
// user-interface thread's readings never overlap. The zone is read again whenever
// the machine's zone setting changes.
#include "Astronomy.h"

#include "SystemZone.h"
#include "TimeValue.h"

#include <mutex>
#include <utility>

namespace orbelune {

namespace {

std::mutex ZoneMutex;
TTimeZoneState State;  // guarded by ZoneMutex
struct {
    bool Loaded = false;
    std::string Stamp;
    TSystemZone Zone;
} Cache;  // guarded by ZoneMutex

const TSystemZone& CurrentZone() {
    std::string stamp = SystemZoneStamp();
    if (!Cache.Loaded || stamp != Cache.Stamp) {
        Cache.Loaded = true;
        Cache.Stamp = std::move(stamp);
        Cache.Zone = LoadSystemZone();
    }
    return Cache.Zone;
}

TDateTime LocalDateTime(int64_t UtcSeconds, int32_t Offset) {
    return LinearToDateTime(UnixSecondsToLinear(UtcSeconds + Offset));
}

// Refreshes the state for the instant X (UTC) and returns the offset found, 0 when
// the machine has no zone information (the state then keeps its last offset).
long double Refresh(TDateTime X) {
    const int64_t at = LinearToUnixSeconds(DateTimeToLinear(X));
    const std::optional<TZoneInstant> zone = DescribeSystemInstant(CurrentZone(), at);
    if (!zone) {
        State.TimeZoneName.clear();
        State.StandardZoneName.clear();
        State.DaylightZoneName.clear();
        State.ZoneHasDaylight = false;
        return 0.0L;
    }
    const long double standard = zone->StandardOffset / 3600.0L;
    const long double daylight = zone->DaylightOffset / 3600.0L;
    State.StandardZoneName = zone->StandardName;
    State.DaylightZoneName = zone->DaylightName;
    State.BaseUTCOffsetHours = standard;
    State.StandardBiasHours = 0.0L;
    State.DaylightBiasHours = daylight - standard;
    State.DaylightShiftHours = daylight - standard;
    State.ZoneHasDaylight = zone->HasDaylight;
    State.DaylightStart =
        zone->HasDaylight ? LocalDateTime(zone->DaylightStart, zone->StandardOffset) : 0.0;
    State.DaylightEnd =
        zone->HasDaylight ? LocalDateTime(zone->DaylightEnd, zone->DaylightOffset) : 0.0;
    State.DaylightInEffect = zone->DaylightInEffect;
    State.UTCOffsetHours = zone->DaylightInEffect ? daylight : standard;
    State.TimeZoneName = zone->DaylightInEffect ? zone->DaylightName : zone->StandardName;
    return State.UTCOffsetHours;
}

TDateTime ShiftHours(TDateTime X, long double Hours) {
    return LinearToDateTime(DateTimeToLinear(X) + Hours / 24.0L);
}

}  // namespace

TTimeZoneState TimeZone() {
    std::lock_guard<std::mutex> lock(ZoneMutex);
    return State;
}

TTimeZoneState TimeZoneAt(TDateTime X) {
    std::lock_guard<std::mutex> lock(ZoneMutex);
    Refresh(X);
    return State;
}

long double GetUTCOffset(TDateTime X) {
    std::lock_guard<std::mutex> lock(ZoneMutex);
    return Refresh(X);
}

long double GetUTCOffsetByWindow(TDateTime X) {
    std::lock_guard<std::mutex> lock(ZoneMutex);
    return Refresh(X);
}

TDateTime LocalToUTC(TDateTime X) {
    std::lock_guard<std::mutex> lock(ZoneMutex);
    // The offset of the local time read as UTC is right but for the hours around a
    // change; the offset at the instant it points to is right there too.
    Refresh(X);
    Refresh(ShiftHours(X, -State.UTCOffsetHours));
    return ShiftHours(X, -State.UTCOffsetHours);
}

TDateTime UTCToLocal(TDateTime X) {
    std::lock_guard<std::mutex> lock(ZoneMutex);
    Refresh(X);
    return ShiftHours(X, State.UTCOffsetHours);
}

}  // namespace orbelune
