// The geocentric Sun from the Earth's VSOP87B series (heliocentric, fixed ecliptic and
// equinox J2000), truncated to its leading terms, shared by the Sun vector of StAstro
// and the planets of StAstroP.
//
// In:  tau, Julian millennia from J2000.0 (dynamical time).
// Out: the Sun's ecliptic longitude (0..2 pi) and latitude in radians and its distance
//      in AU, and its rectangular coordinates on the FK5 equator J2000 in AU.
// Method: L0..L3, B0..B3 and R0..R2 with 39, 20, 8, 4; 5, 7, 4, 3; 40, 10, 6 terms
//      (those of largest amplitude), rotated from the VSOP87 dynamical frame to FK5.
// Accuracy: within 0.002 degree of a full ephemeris from 1600 to 3000.
// Reference: P. Bretagnon and G. Francou, Astron. Astrophys. 202, 309 (1988).
#pragma once

namespace orbelune {

// The geocentric Sun from the truncated VSOP87 Earth series referred to the
// ecliptic and equinox J2000: ecliptic longitude (0..2 pi) and latitude in
// radians, distance in AU, and the rectangular coordinates on the FK5 equator
// J2000. Tau is in Julian millennia from J2000.0 (dynamical time).
struct TSunJ2000 {
    long double L, B, R;
    long double X, Y, Z;
};

TSunJ2000 SunFromEarthJ2000(long double Tau);

}  // namespace orbelune
