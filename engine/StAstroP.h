// Geocentric right ascension, declination and elongation from the Sun of the
// planets and Pluto for a Julian Day (taken as dynamical time, no Delta-T).
//
// Heliocentric positions come from the truncated VSOP87D series (Mercury to Neptune,
// ecliptic of date) and Pluto's periodic terms (ecliptic J2000); the Sun from the
// truncated VSOP87B Earth series (J2000). Everything is brought to the mean equator
// and equinox of date before the vectors are added. Geometric positions: no light
// time (up to 0.011 degree for Mercury), aberration, nutation or parallax. From 1700
// to 2300 within that light-time shift plus 0.003 degree of a full ephemeris's
// astrometric places; Pluto's terms serve 1885 to 2099.
#pragma once

#include <array>

#include "AstroConstants.h"

namespace orbelune {

// Rectangular equatorial coordinates in AU: X towards the equinox, Z to the pole.
struct TEquVector {
    double X;
    double Y;
    double Z;
};

// RA in degrees [0, 360), Dec in degrees, elongation from the Sun in degrees 0..180
// (0 where not computed).
struct TPlanetPos {
    double RA;
    double Dec;
    double Elong;
};

// Entries 0..7: Mercury, Venus, Mars, Jupiter, Saturn, Uranus, Neptune, Pluto.
using TPlanetPosArray = std::array<TPlanetPos, 8>;

// Mean obliquity of J2000.0 in radians.
inline constexpr double FixedObliquity = static_cast<double>(J2000Obliquity);

// Fills all eight entries for the Julian Day.
void PlanetsPosition(double JD, TPlanetPosArray& positions);

// Geocentric Sun, equator and equinox J2000 of the FK5 frame, in AU.
TEquVector SunVectorForPlanets(double JD);

// Ecliptic L, B (radians), R (AU) to equatorial rectangular coordinates of the
// ecliptic's frame, rotated by the obliquity (radians).
TEquVector HelioToEquatorial(double L, double B, double R, double obliquity = FixedObliquity);

// RA and Dec of Sun + Body; with the elongation from the Sun when asked.
TPlanetPos GeocentricRADecElong(const TEquVector& body, const TEquVector& sun, bool withElongation);

// The angle of the point (X, Y) in radians [0, 2 pi), given Angle = arctan(Y / X).
double QuadrantAngle(double Y, double X, double Angle);

}  // namespace orbelune
