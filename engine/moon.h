// Unit moon: Julian Days and the Julian/Gregorian, Jewish and Chinese calendars;
// nutation, the apparent places of the Sun and the Moon, and the moon's phases.
//
// In:  TDateTime values (days since 1899-12-30); the astronomy routines take them as
//      dynamical time without a Delta-T correction, so phase instants are dynamical time.
// Out: Julian Days, civil and Jewish dates, the Chinese New Year; apparent longitude,
//      latitude, distance, right ascension and declination; phase instants, the moon's
//      age, phase angle and illuminated fraction.
// Method and accuracy:
//  - calendars: Meeus chapter 7 (Julian Day), Gauss's Passover formula (Meeus
//    chapter 9); the Chinese New Year from the winter solstices and the new moons
//    between them in Beijing time;
//  - nutation: the 31 largest terms of the IAU 1980 theory (Meeus chapter 22), within
//    about 0.01" of the full series;
//  - Sun: the complete VSOP87 Earth series (unit vsop) with aberration and nutation
//    (Meeus chapter 25), within 0.3";
//  - Moon: the 60 + 60 term lunar series of Meeus chapter 47, about 10" in longitude;
//  - phases: Meeus chapter 49, within seconds near 2000 and minutes a thousand years
//    away; octants by the moon's age.
// The calendar and phase routines raise EConvertError or E_OutOfAlgorithmRange with
// fixed messages; nothing is returned for invalid input.
// Reference: J. Meeus, Astronomical Algorithms, 2nd ed. (Willmann-Bell, 1998).
#pragma once

#include <cstdint>

#include "Exceptions.h"
#include "StDate.h"

namespace orbelune {

// ---- Julian Day convention: JD = TDateTime + JDOffset ----------------------------

long double DateTimeToJD(TDateTime dateTime);
TDateTime JDToDateTime(long double jd);

// ---- Civil calendars (years 1..9999; month 0 is December of the year before, months
// 13 and 14 are January and February of the year after) ----------------------------

// Julian Day of the Gregorian calendar change, 1582-10-15.
inline constexpr long double GregorianChangeJD = 2299160.5L;

long double JulianCalendarToJD(int year, int month, int day);
long double GregorianToJD(int year, int month, int day);
long double CalendarDateToJDAt(int year, int month, int day, long double changeJD);
long double CalendarDateToJD(int year, int month, int day);

void JDToJulianCalendar(long double jd, int& year, int& month, int& day);
void JDToGregorianCalendar(long double jd, int& year, int& month, int& day);
void JDToCalendarDateAt(long double changeJD, long double jd, int& year, int& month, int& day);
void JDToCalendarDate(long double jd, int& year, int& month, int& day);

TDateTime EncodeCalendarDate(int year, int month, int day);
void DecodeCalendarDate(TDateTime dateTime, int& year, int& month, int& day);

// ---- Jewish calendar: months Nisan = 1 .. Adar = 12, Adar 2 = 13; year types 0..5 for
// years of 353, 354, 355, 383, 384 and 385 days --------------------------------------

// Display names indexed by month number 1..13 (entry 0 is empty).
inline constexpr const char* JewishMonthNames[14] = {
    "",       "Nisan",   "Iyar",   "Sivan", "Tammuz", "Av",   "Elul",
    "Tishri", "Heshvan", "Kislev", "Tevet", "Shevat", "Adar", "Adar 2"};

// Length of a Jewish month (1..13) in a year of the given type; 0 for Adar 2 of a
// common year.
int JewishMonthLength(int yearType, int month);

TDateTime PassoverDate(int year);
int JewishYearType(int jewishYear);
TDateTime JewishToDateTime(int jewishYear, int month, int day);
int DateTimeToJewish(TDateTime dateTime, int& jewishYear, int& month, int& day);

// ---- Chinese calendar ------------------------------------------------------------

long double AngleDiff180(long double target, long double angle);
// The instant the Sun's apparent longitude reaches 15 term degrees, found to 1e-7 degree;
// the terms of the last few years asked for are kept.
TDateTime SolarTermDate(int year, int term);
int MajorTermOfMonth(int month);
TDateTime NextMajorTerm(TDateTime dateTime);
TDateTime PrevMajorTerm(TDateTime dateTime);
TDateTime ToBeijingTime(TDateTime dateTime);
TDateTime FromBeijingTime(TDateTime dateTime);
TDateTime NewMoonOnOrBefore(TDateTime beijingDate);
TDateTime NewMoonOnOrAfter(TDateTime beijingDate);
TDateTime NextMajorTermDay(TDateTime beijingDate);
TDateTime PrevMajorTermDay(TDateTime beijingDate);
bool MonthHasNoMajorTerm(TDateTime newMoonDay);
TDateTime ChineseNewYear(int year);

// ---- Apparent positions ----------------------------------------------------------

struct TApparentPosition {
    long double Longitude;       // apparent ecliptic longitude, degrees 0..360
    long double Latitude;        // ecliptic latitude, degrees
    long double Distance;        // km, centre to centre
    long double RightAscension;  // degrees, -90..270
    long double Declination;     // degrees
};

// Nutation in longitude and the true obliquity of the ecliptic, both in degrees.
void CalcNutation(TDateTime dateTime, long double& deltaPsi, long double& epsilon);
void EclipticToEquatorial(TApparentPosition& position, TDateTime dateTime);
TApparentPosition SunApparentPosition(TDateTime dateTime);
TApparentPosition MoonApparentPosition(TDateTime dateTime);

// ---- Moon phases -----------------------------------------------------------------

// 0 new moon, 2 first quarter, 4 full moon, 6 last quarter; 1, 3, 5, 7 the octants
// between them; 8 and above: no phase.
using TMoonPhase = uint8_t;

inline constexpr long double SynodicMonth = 29.530589L;

// The mean phase of a lunation: lunation number k, mean JDE and the arguments of the
// phase corrections (degrees, not reduced) with the eccentricity factor E.
struct TMeanPhase {
    long double K, JDE, M, Mp, F, Omega, E;
};

TMeanPhase MeanPhaseJDE(TMoonPhase phase, TDateTime dateTime);
// A date that is not a finite number raises "No TDateTime possible" at once.
TDateTime MainPhaseTime(TMoonPhase phase, TDateTime dateTime);
TDateTime OctantPhaseTime(TMoonPhase phase, TDateTime dateTime);
TDateTime MoonPhaseTime(TMoonPhase phase, TDateTime dateTime);
TDateTime PhaseOnOrBefore(TMoonPhase phase, TDateTime dateTime);
TDateTime PhaseOnOrAfter(TMoonPhase phase, TDateTime dateTime);
long double MoonPhaseAngle(TDateTime dateTime);
long double MoonAge(TDateTime dateTime);
long double MoonIllumination(TDateTime dateTime);

}  // namespace orbelune
