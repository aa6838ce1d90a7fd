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
