// Small conversions between TDateTime, a continuous day count and Unix seconds.
//
// A negative TDateTime keeps its day in the integer part and its time of day in the
// absolute fraction (-1.25 is 1899-12-29 06:00), so it does not grow with time. The
// "linear" day count does: it is the day plus the time of day (-0.75 for the same
// instant), and arithmetic and comparisons of instants are done there.
#pragma once

#include "StDate.h"

#include <climits>
#include <cmath>
#include <cstdint>

namespace orbelune {

// Trunc toward zero, with NaN giving 0 and huge values clamped to the int range.
inline int TruncToInt(long double X) {
    if (!(X == X)) return 0;
    if (X >= static_cast<long double>(INT_MAX)) return INT_MAX;
    if (X <= static_cast<long double>(INT_MIN)) return INT_MIN;
    return static_cast<int>(X);
}

inline long double DateTimeToLinear(TDateTime Value) {
    if (Value >= 0) return Value;
    const long double day = std::trunc(static_cast<long double>(Value));
    return day + (day - Value);
}

inline TDateTime LinearToDateTime(long double Days) {
    if (Days >= 0) return static_cast<TDateTime>(Days);
    const long double day = std::floor(Days);
    const long double time = Days - day;
    return static_cast<TDateTime>(day - time);
}

// 1970-01-01 as a TDateTime.
inline constexpr long double UnixEpochDays = 25569.0L;

inline long double UnixSecondsToLinear(int64_t Seconds) {
    return UnixEpochDays + static_cast<long double>(Seconds) / 86400.0L;
}

// Whole seconds, rounded to the nearest; instants far outside any calendar clamp.
inline int64_t LinearToUnixSeconds(long double Days) {
    const long double seconds = std::nearbyint((Days - UnixEpochDays) * 86400.0L);
    if (!(seconds == seconds)) return 0;
    if (seconds > 9.0e15L) return static_cast<int64_t>(9.0e15);
    if (seconds < -9.0e15L) return static_cast<int64_t>(-9.0e15);
    return static_cast<int64_t>(seconds);
}

}  // namespace orbelune
