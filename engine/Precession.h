// Mean obliquity of the ecliptic and precession of equatorial coordinates from the
// mean equator and equinox J2000.0 to those of a date (IAU 1976 precession, Meeus,
// Astronomical Algorithms, eqs. 21.3 and 22.2). Good to about 0.1" within a few
// centuries of J2000 and to a few arcseconds at 1600 and 4000.
#pragma once

#include <array>

namespace orbelune {

// Mean obliquity of date in radians; JD in dynamical time.
long double MeanObliquity(double JD);

using RotationMatrix = std::array<std::array<long double, 3>, 3>;

// Rotation that turns a rectangular vector referred to J2000.0 into one referred
// to the mean equator and equinox of JD: v_date = M v_J2000.
RotationMatrix PrecessionFromJ2000(double JD);

}  // namespace orbelune
