// Sun and Moon for an instant given as a day number and seconds of the day (Universal
// Time, used as dynamical time: no Delta-T), for the windows and the eclipse finder.
//
// In:  a TDayTimeRec (valid for day numbers 0..876581 and seconds 0..86399); for the
//      rise and set also the observer's height (feet), longitude (east positive) and
//      latitude (north positive).
// Out: Greenwich mean sidereal time; the Sun's geocentric vector (FK5 J2000) and its
//      right ascension and declination of date; the Moon's place, parallax, diameter and
//      phase values; moonrise and moonset in seconds of the UT day; the lunar phase
//      instants of a lunation, a year or a month; texts of right ascension and
//      declination. Angles are degrees unless said otherwise. Invalid dates give the
//      marker values below; nothing throws.
// Method and accuracy:
//  - sidereal time: IAU 1982 mean sidereal time (Meeus eq. 12.4), about 0.005 degree
//    from the apparent sidereal time (nutation is left out);
//  - Sun: the VSOP87B Earth series referred to the fixed ecliptic J2000, truncated to
//    its leading terms (SunJ2000.h), within 0.002 degree; its right ascension and
//    declination precessed to the mean equinox of date (IAU 1976, Meeus eq. 21.3-4);
//  - Moon: Meeus chapter 47 (the latitude series cut to its 48 largest terms), about
//    10" in longitude and 4" in latitude, referred to the mean equinox of date but
//    rotated with the fixed J2000 obliquity (0.04 degree off at 1700 and 2300);
//  - rise and set: interpolation of three daily places and iteration of the hour angle
//    (Meeus chapter 15), within a minute of a full ephemeris's events;
//  - phases: Meeus chapter 49, within a minute from 1700 to 2300.
// The series take their sines and cosines in double precision (SeriesTrig.h) and keep
// their sums in extended precision; the Moon's terms come from products of the sines
// and cosines of D, M, M' and F (MoonSeries.h).
// Reference: J. Meeus, Astronomical Algorithms, 2nd ed. (Willmann-Bell, 1998).
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "StDate.h"

namespace orbelune {

// Geocentric rectangular coordinates (AU, equator and equinox J2000, FK5), the
// distance R (AU) and the geocentric ecliptic longitude L and latitude B (degrees).
// All six are -99 for an invalid date.
struct TSunVector {
    double X, Y, Z, R, L, B;
};

// Right ascension and declination in degrees.
struct TRADecRec {
    double RA, Dec;
};

// The Moon's place and phase values. Illuminated fraction and PhaseAngle (the
// elongation from the Sun) are negative while the Moon wanes.
struct TMoonPosRec {
    double RA;             // degrees
    double Dec;            // degrees
    double Illuminated;    // fraction, negative while waning
    double Diameter;       // apparent diameter, degrees
    double Parallax;       // horizontal parallax, degrees
    double PhaseAngle;     // elongation from the Sun, degrees, negative while waning
    double MeanLongitude;  // L', degrees 0..360
    double MeanAnomaly;    // M', degrees 0..360
};
static_assert(sizeof(TMoonPosRec) == 8 * sizeof(double));

// Rise and set as seconds of the UT day 0..86399, or one of the markers below: the
// first for one field alone, the others for both.
struct TRiseSetRec {
    int32_t Rise, Set;
};
inline constexpr int32_t RiseSetNoEvent = -1;      // no rise (or no set) on that UT day
inline constexpr int32_t RiseSetAlwaysBelow = -2;  // the body never rises that day
inline constexpr int32_t RiseSetAlwaysAbove = -3;  // the body never sets that day
inline constexpr int32_t RiseSetInvalidDay = -4;   // a day needed for the answer is invalid

// The 0, 1 or 2 instants of one lunar phase within a month; unused fields hold -1.
using TPhaseDates = std::array<TDayTimeRec, 2>;
static_assert(sizeof(TPhaseDates) == 16);

// JDE of new moon, first quarter, full moon and last quarter of one lunation.
using LunationPhases = std::array<double, 4>;

// Astronomical Julian Date minus TDateTime, set once at start-up.
extern const long double AJDOffset;

bool IsValidDayTime(const TDayTimeRec& UT);

// Greenwich mean sidereal time in degrees 0..360; -1 for an invalid date.
double GreenwichSiderealTime(const TDayTimeRec& UT);

TSunVector SunVectorJ2000(const TDayTimeRec& UT);

// The Sun's geometric right ascension and declination referred to the mean
// equator and equinox of date (the Sun vector precessed from J2000), the frame of
// the Moon's place and of the sidereal time; RA -1 and Dec -99 when invalid.
TRADecRec SunRADec(const TDayTimeRec& UT);

// The Moon's geocentric place referred to the mean equinox of date (rotated with
// the J2000 obliquity), and its phase values against the Sun of SunRADec.
TMoonPosRec MoonPosition(const TDayTimeRec& UT);

// As MoonPosition; an invalid date gives RA -1 and Dec -1 and zeros elsewhere.
TMoonPosRec MoonPositionChecked(const TDayTimeRec& UT);

// The Moon's place alone, as MoonPositionChecked gives it but without the phase values
// (Illuminated and PhaseAngle 0), which need the Sun: for the callers that take their
// Sun elsewhere or need none.
TMoonPosRec MoonPlace(const TDayTimeRec& UT);

// Rise and set of a body, as seconds of the middle one of three consecutive UT
// days whose places at 0h are P1, P2, P3, with the sidereal time at 0h of Day
// (normally the middle day; MoonRiseSet passes the day before). H0 is the
// altitude of the event in degrees; NoIteration keeps the first approximation.
// A day without an event of a kind (refined, it falls only on the day before or after)
// gives RiseSetNoEvent for that field: the Moon rises and sets about 50 minutes later
// each day, so about one day in 29 has no moonrise, and one no moonset. An invalid
// Day gives RiseSetInvalidDay for both.
TRiseSetRec RiseSetIteration(TDayNumber Day, const TRADecRec& P1, const TRADecRec& P2,
                             const TRADecRec& P3, double H0, bool NoIteration, double Latitude,
                             double Longitude);

// Moonrise and moonset on the UT day Day for an observer Height feet above sea level.
// The Moon's places at 0h of the last few days asked about are kept, so that a run of
// days computes one new place a day.
TRiseSetRec MoonRiseSet(TDayNumber Day, int32_t Height, double Longitude, double Latitude);

// Phase instants (JDE) of lunation k (k = 0: the new moon of 2000-01-06).
LunationPhases LunationPhaseJDE(double K);

// The 14 consecutive lunations that cover the year of Day; those of the last few years
// asked about are kept.
std::array<LunationPhases, 14> YearLunations(TDayNumber Day);

// The instants of phase 0 new, 1 first quarter, 2 full, 3 last quarter in the month of Day.
TPhaseDates PhaseDatesInMonth(TDayNumber Day, int Phase);
TPhaseDates NewMoonDates(TDayNumber Day);
TPhaseDates FirstQuarterDates(TDayNumber Day);
TPhaseDates FullMoonDates(TDayNumber Day);
TPhaseDates LastQuarterDates(TDayNumber Day);

// "hh mm.mm" and "+dd mm.m" texts.
std::string RAToText(double RA);
std::string DecToText(double Dec);

double AstroJDToDateTime(long double JD);

}  // namespace orbelune
