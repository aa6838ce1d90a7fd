// Constants of time scales and frames that the engine's units share.
//
// The dates and day counts are exact in a double, so they keep their values in double
// and in extended (long double) arithmetic alike. Julian Dates count days from noon of 1 January
// 4713 BC (Julian calendar); a TDateTime counts days from 1899-12-30 00:00.
#pragma once

#include <cstdint>

namespace orbelune {

// The standard epoch J2000.0, 2000-01-01 12:00 dynamical time, as a Julian Date.
inline constexpr double J2000 = 2451545.0;

// Julian Date of TDateTime 0 (1899-12-30 00:00): JD = TDateTime + DateTimeJDOffset.
inline constexpr double DateTimeJDOffset = 2415018.5;

// J2000.0 as a TDateTime (36526.5).
inline constexpr double J2000DateTime = J2000 - DateTimeJDOffset;

inline constexpr double DaysPerJulianCentury = 36525.0;
inline constexpr double DaysPerJulianMillennium = 365250.0;
inline constexpr int32_t SecondsPerDay = 86400;

// Mean obliquity of the ecliptic at J2000.0 in radians (23 deg 26' 21.448"), the fixed
// rotation between ecliptic and equator of the Moon's and the planets' places.
// Converted to a double it is the double nearest 0.409092804.
inline constexpr long double J2000Obliquity = 0.409092804L;

}  // namespace orbelune
