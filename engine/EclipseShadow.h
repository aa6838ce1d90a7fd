// The Moon's shadow on the fundamental plane (Besselian elements) at one instant, and
// the point where the shadow axis meets the Earth.
//
// In:  an instant of Universal Time as a day number and seconds.
// Out: the shadow axis relative to the Earth: its crossing (x, y) of the fundamental
//      plane in equatorial Earth radii, its declination and Greenwich hour angle, the
//      radius of the umbral cone on the plane (negative while the Moon's vertex lies
//      beyond the plane, i.e. for a total eclipse) with the cone's slope; and on the
//      ellipsoid the geodetic latitude, east longitude and height above the plane.
//
// Method: the standard Besselian treatment (Explanatory Supplement to the Astronomical
// Almanac, 1992, ch. 8; J. Meeus, Elements of Solar Eclipses 1951-2200, and Astronomical
// Algorithms ch. 54 for the Earth's flattening). The Sun and Moon come from the engine's
// own series; the Moon's theory runs on dynamical time, so both are taken at UT +
// Delta-T, and the Sun is brought into the Moon's frame (precessed from J2000 to the
// mean ecliptic of date, shifted by annual aberration, turned equatorial with the same
// obliquity as the Moon) so that the two agree with each other to an arcsecond. The
// Greenwich hour angle uses the mean sidereal time of the UT instant. Accuracy: the
// axis lies within about 20 km of its true place for 1900-2100, limited by the
// truncated lunar series and the yearly Delta-T.
#pragma once

#include <optional>

#include "StDate.h"

namespace orbelune {

// Solar parallax (arcseconds): one Earth radius seen from one astronomical unit.
inline constexpr double SolarParallaxArcsec = 8.794;
// The Moon's radius in equatorial Earth radii.
inline constexpr double MoonRadiusEarthRadii = 0.272453;
// Sun's radius plus or minus the Moon's, in astronomical units: the sines of the
// penumbral and umbral cone angles at one unit from the Moon.
inline constexpr double PenumbraConeConstant = 0.004664012;
inline constexpr double UmbraConeConstant = 0.004640787;
// The Earth's ellipsoid: eccentricity squared; 1 / sqrt(1 - e^2) turns a latitude on
// the sphere of the scaled ellipsoid into a geodetic latitude.
inline constexpr double EarthEccentricity2 = 0.00669454;
inline constexpr double GeodeticLatitudeFactor = 1.003364;

// The shadow at one epoch.
struct TShadowEpoch {
    double X;        // axis crossing of the fundamental plane, Earth radii (east)
    double Y;        // Earth radii (north)
    double Dec;      // declination of the axis direction (towards the Sun), degrees
    double GHA;      // Greenwich hour angle of the axis direction, degrees
    double L2;       // umbral cone radius on the fundamental plane, Earth radii
    double TanF2;    // slope of the umbral cone
    TDateTime Time;  // the epoch, UT
};

// Where the axis meets the ellipsoid (the sunward side).
struct TAxisPoint {
    double Latitude;   // geodetic, degrees
    double Longitude;  // east, degrees -180..180
    double Zeta;       // height of the point above the fundamental plane, Earth radii
};

// The shadow at an instant; nothing when the instant lies outside the engine's dates.
std::optional<TShadowEpoch> ShadowAtEpoch(const TDayTimeRec& UT);

// The point where the axis meets the Earth. An axis that only grazes the ellipsoid
// (x^2 + y^2 just below 1 while the flattening keeps it off) gives the nearest point.
TAxisPoint AxisSurfacePoint(const TShadowEpoch& Shadow);

// Duration of the central phase (minutes) at Point, the axis's meeting with the Earth at
// epoch At, from the shadow's motion between the neighbouring epochs Before and After
// (twenty minutes apart): twice the umbral radius at the point over the speed of the
// axis relative to the point, which the Earth's rotation carries along the plane.
double CentralDurationMinutes(const TShadowEpoch& Before, const TShadowEpoch& At,
                              const TShadowEpoch& After, const TAxisPoint& Point);

// The instant JD (UT) as a day number and a time of day rounded to the nearest whole
// ten minutes; day -1 outside the engine's dates.
TDayTimeRec TenMinuteEpoch(double JD);

}  // namespace orbelune
