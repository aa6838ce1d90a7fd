// Difference of two angles for the tests that compare places with reference values.
#pragma once

#include <cmath>

namespace orbelune::test {

// A - B in degrees, brought into -180..180.
inline double AngleDiff(double A, double B) {
    double D = std::fmod(A - B, 360.0);
    if (D > 180.0) D -= 360.0;
    if (D < -180.0) D += 360.0;
    return D;
}

}  // namespace orbelune::test
