// The periodic terms of the Moon's longitude, distance and latitude, shared by the
// Moon's place of StAstro and the apparent Moon of unit moon.
//
// In:  the fundamental arguments D, M, M', F in degrees (of any size), the eccentricity
//      factor E, and how many rows of the latitude table to take (its rows run from the
//      largest amplitude down).
// Out: the sums of tables 47.A and 47.B, in extended precision: longitude in 1e-6
//      degree (sine terms), distance in 1e-3 km (cosine terms), latitude in 1e-6 degree
//      (sine terms). Terms in M or -M carry the factor E, those in 2M or -2M E^2.
// Method: each argument is brought into one turn and its sine and cosine taken once in
//      double precision; the multiples e^(ik x) for |k| <= 4 follow by complex products,
//      and each term's sine or cosine is the product of the four factors of its row.
// Accuracy: the products carry a few units of the last place of a double, 1e-15 of the
//      largest term (6.3 degrees): far below the series' own 10".
// Reference: J. Meeus, Astronomical Algorithms, 2nd ed. (Willmann-Bell, 1998), ch. 47.
#pragma once

#include <cstddef>

namespace orbelune {

struct TMoonSums {
    long double Longitude;  // 1e-6 degree
    long double Distance;   // 1e-3 km
    long double Latitude;   // 1e-6 degree
};

TMoonSums MoonSeriesSums(long double D, long double M, long double Mp, long double F, long double E,
                         std::size_t LatitudeRows);

}  // namespace orbelune
