#include "SunJ2000.h"

#include <cmath>

#include "SeriesTrig.h"
#include "SunJ2000Terms.h"
#include "ah_math.h"

namespace orbelune {
namespace {

// The coordinate from its series by power of tau, amplitudes in 1e-8 units.
long double SeriesSum(const TVSOPCoordinate& Series, long double Tau) {
    long double Sum = 0.0L;
    long double Power = 1.0L;
    for (const TVSOPSeries& Terms : Series) {
        Sum += VSOPSeriesSum(Terms, static_cast<double>(Tau)) * Power;
        Power *= Tau;
    }
    return Sum / 1e8L;
}

}  // namespace

TSunJ2000 SunFromEarthJ2000(long double Tau) {
    TSunJ2000 Sun;
    Sun.L = std::fmod(SeriesSum(EarthJ2000L, Tau) + ExtPi, 2.0L * ExtPi);  // geocentric
    if (Sun.L < 0.0L) Sun.L += 2.0L * ExtPi;
    Sun.B = -SeriesSum(EarthJ2000B, Tau);
    Sun.R = SeriesSum(EarthJ2000R, Tau);

    // Ecliptic J2000 (VSOP87 dynamical frame) to the FK5 equator J2000.
    double sinL = 0.0, cosL = 0.0, sinB = 0.0, cosB = 0.0;
    SeriesSinCos(static_cast<double>(Sun.L), sinL, cosL);
    SeriesSinCos(static_cast<double>(Sun.B), sinB, cosB);
    const long double x = Sun.R * cosB * cosL;
    const long double y = Sun.R * cosB * sinL;
    const long double z = Sun.R * sinB;
    Sun.X = x + 0.00000044036L * y - 0.000000190919L * z;
    Sun.Y = -0.000000479966L * x + 0.917482137087L * y - 0.397776982902L * z;
    Sun.Z = 0.397776982902L * y + 0.917482137087L * z;
    return Sun;
}

}  // namespace orbelune
