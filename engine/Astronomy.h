// Everyday sun and time routines: great-circle distance and bearing, Delta-T, the
// equinoxes and solstices, sunrise and sunset in decimal hours, the program-wide
// time-zone state with the local/UTC conversions built on it, degree-minute-second
// parsing and text, clock-hour text and the daytime-now test.
//
// Angles are degrees, hours decimal hours, arithmetic 80-bit extended. Apart from the
// time-zone state every routine is a pure function of its arguments. Nothing throws:
// sunrise and sunset report a sun that stays down or up by the codes below, the
// time-zone routines answer a missing zone with offset 0 and empty names.
//
// Methods and references: Delta-T from a yearly table for 1620-2014 and the polynomials
// of Stephenson and Morrison quoted by Meeus (Astronomical Algorithms, 2nd ed., 1998,
// chapter 10); equinoxes and solstices by Meeus chapter 27 (within a minute from 1650
// to 3000, besides Delta-T); sunrise and sunset by the U.S. Naval Observatory's Almanac
// for Computers (1990), within a few minutes outside the polar regions; distance on a
// sphere of 20015.087 km per half meridian; the time-zone state from the tz database's
// rules (ZoneRules.h, SystemZone.h).
#pragma once

#include "StDate.h"

#include <string>

namespace orbelune {

// Sunrise and sunset codes (the same as those of the rise/set records).
inline constexpr long double SunNeverRises = -2.0L;
inline constexpr long double SunNeverSets = -3.0L;

long double GreatCircleMiles(long double Lat1, long double Lon1, long double Lat2,
                             long double Lon2);
// Bearing from (X1, Y1) to (X2, Y2), each point as longitude, latitude; 0 .. 360.
long double BearingDeg(long double X1, long double Y1, long double X2, long double Y2);

long double DSin(long double Degrees);
long double DCos(long double Degrees);
long double DTan(long double Degrees);
long double DArcSin(long double X);
// 0 for an argument outside -1 .. 1.
long double DArcCos(long double X);
long double DArcTan2(long double Y, long double X);

// Delta-T = TT - UT in seconds for a whole year: the yearly table for 1620 .. 2014,
// polynomials before, one second more per year after.
long double DeltaTSeconds(int Year);
long double JDEToJD(int Year, long double JDE);
long double JulianCenturiesJ2000(long double JD);

// The instant (UT) of the March or September equinox or the June or December solstice
// of a year; Event is "MAR", "JUN", "SEP" or "DEC" in any case, any other name gives 0.
// Meeus's method of mean instant and 24 periodic terms: within about a minute of the
// true instant over 1650 .. 3000.
TDateTime EquinoxSolsticeDate(int Year, const std::string& Event);

// Sunrise (Rising set) or sunset in UT hours for the local day d.m.Y at a place
// (elevation in metres), or SunNeverRises / SunNeverSets. A single pass of the
// almanac method: within a few minutes of the true instant outside the polar regions.
long double SunRiseSetUT(int Day, int Month, int Year, long double Latitude, long double Longitude,
                         long double Elevation, bool Rising);

// UT hours shifted by the offset into [0, 24].
long double UTHoursToLocal(long double Hours, long double UTCOffsetHours);
// "07:05" (24-hour form) or "7:05 PM"; Shift applies UTHoursToLocal first.
std::string FormatClockHours(bool Shift, bool Use24Hour, long double Hours,
                             long double UTCOffsetHours);

// ---- The time-zone state --------------------------------------------------------
//
// Computed for one date from the zone rules of the machine ($TZ or /etc/localtime) and
// kept as one program-wide copy behind a mutex: the routines below refresh it for the
// date they are given, readers take a copy with TimeZone(). Offsets are local minus
// UTC in hours; biases follow the convention "minutes west of UTC" of the zone record
// the state was first designed around, so BaseUTCOffsetHours is the standard offset.

struct TTimeZoneState {
    std::string TimeZoneName;  // the name of the offset that was applied
    std::string StandardZoneName;
    std::string DaylightZoneName;
    long double UTCOffsetHours = 0;      // the offset applied by the last call
    long double DaylightShiftHours = 0;  // daylight minus standard offset
    long double BaseUTCOffsetHours = 0;
    long double StandardBiasHours = 0;
    long double DaylightBiasHours = 0;
    TDateTime DaylightStart = 0;  // local standard time, 0 without daylight time
    TDateTime DaylightEnd = 0;    // local daylight time, 0 without daylight time
    bool ZoneHasDaylight = false;
    bool DaylightInEffect = false;
};

// A copy of the program-wide state as the last refresh left it.
TTimeZoneState TimeZone();
// Refreshes the state for X as GetUTCOffset does and returns a copy of it, in one step
// that no other thread's refresh can come between.
TTimeZoneState TimeZoneAt(TDateTime X);

// Local minus UTC in hours for the instant X (UTC), daylight time by X's own year.
// Both forms refresh the state; they differ in name only (the year graph uses the
// second).
long double GetUTCOffset(TDateTime X);
long double GetUTCOffsetByWindow(TDateTime X);
TDateTime LocalToUTC(TDateTime X);
TDateTime UTCToLocal(TDateTime X);

// ---- Degrees, minutes, seconds ---------------------------------------------------

struct THMS {
    int Hours;
    int Minutes;
    int Seconds;
};

THMS HoursToHMS(long double Hours);
long double DMSToDegrees(int Degrees, int Minutes, int Seconds);
// True with the decimal degrees when all three texts are unsigned integers in range
// (degrees 0 .. 90 for a latitude, else 0 .. 180; minutes and seconds 0 .. 60).
bool ParseDMS(const std::string& DegreeText, const std::string& MinuteText,
              const std::string& SecondText, bool Latitude, long double& Degrees);
// Degrees, minutes and seconds with the ANSI degree sign (character 176); a negative
// angle has one minus sign, in front ("-97\xB0  30'  0''").
std::string FormatDMS(long double Degrees);

long double HourDiffToDays(long double A, long double B);

// Whether the sun is up at the local time of day NowHours (0 .. 24), from sunrise and
// sunset in UT hours (or their codes) and the UTC offset.
bool IsDaytimeAt(long double SunriseUT, long double SunsetUT, long double UTCOffsetHours,
                 long double NowHours);
// The same for the machine's present local time of day.
bool IsDaytimeNow(long double SunriseUT, long double SunsetUT, long double UTCOffsetHours);

}  // namespace orbelune
