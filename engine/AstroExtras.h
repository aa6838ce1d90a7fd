// Small astronomy helpers of the windows: a time-window test, the shade of the moon
// icon, sidereal time and hour angle of a TDateTime (Universal Time), altitude and
// azimuth of a body, and an "hh:mm:ss" text of an angle.
//
// In:  TDateTime values in UT, angles in degrees, the observer's height in feet.
// Out: degrees (altitude, azimuth from north through east, hour angle), sidereal days,
//      texts.
// Method: the mean sidereal time of StAstro.h; altitude and azimuth by Meeus eq. 13.5
//      and 13.6 with the Moon's parallax applied to the altitude (Meeus chapter 40) and
//      the dip of the horizon 0.0195 degree per square root of a foot of height.
// Accuracy: that of the places given; 0.005 degree from the sidereal time.
// Reference: J. Meeus, Astronomical Algorithms, 2nd ed. (Willmann-Bell, 1998).
#pragma once

#include <cstdint>
#include <string>

#include "StDate.h"

namespace orbelune {

// Start < End: Start <= X < End; otherwise a window across midnight.
bool TimeInWindow(double X, double Start, double End);

// sign(P) * (1 - |P| / 180) of the Moon's phase angle P: -1..1, negative while waning.
double MoonIconShade(const TDayTimeRec& UT);

// Rec plus round(Hours * 3600) seconds; a day of -1 stays -1.
TDayTimeRec HoursToDayTime(const TDayTimeRec& Rec, double Hours);

// T moved by Hours, across midnight and across 1899-12-30 on either side; T itself
// when Hours is 0.
double AddSignedHours(double Hours, double T);

// Whole days of T plus its Greenwich sidereal time as a fraction of a turn.
double SiderealDays(double T);

// Local hour angle in degrees of a body at RAHours for an observer at Longitude.
double HourAngleDeg(double RAHours, double Longitude, double T);

// Topocentric altitude and azimuth (degrees, azimuth from north through east) of a
// body; Height in feet above sea level lowers the horizon.
void EquatorialToAltAz(double& Alt, double& Az, int32_t Height, double Parallax, double Dec,
                       double RA, double Latitude, double Longitude, double T);

// Offset + Greenwich sidereal time of T, degrees, not reduced.
double LocalSiderealDeg(double Offset, double T);

// "hh:mm:ss" of an angle given in degrees (15 degrees to the hour), taken modulo 360.
std::string AngleToHMSText(double Degrees);

}  // namespace orbelune
