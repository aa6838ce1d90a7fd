#include "Precession.h"

#include "AstroConstants.h"
#include "SeriesTrig.h"
#include "ah_math.h"

#include <cmath>

namespace orbelune {

namespace {
constexpr long double ArcSecond = 1.0L / 3600.0L;  // degrees

long double Centuries(double JD) {
    return (static_cast<long double>(JD) - J2000) / DaysPerJulianCentury;
}
}  // namespace

long double MeanObliquity(double JD) {
    const long double T = Centuries(JD);
    return Deg2Rad(23.0L + 26.0L / 60.0L +
                   (21.448L + T * (-46.8150L + T * (-0.00059L + T * 0.001813L))) * ArcSecond);
}

RotationMatrix PrecessionFromJ2000(double JD) {
    const long double t = Centuries(JD);
    const long double zeta = Deg2Rad(t * (2306.2181L + t * (0.30188L + t * 0.017998L)) * ArcSecond);
    const long double z = Deg2Rad(t * (2306.2181L + t * (1.09468L + t * 0.018203L)) * ArcSecond);
    const long double theta =
        Deg2Rad(t * (2004.3109L + t * (-0.42665L - t * 0.041833L)) * ArcSecond);
    // The angles are under a degree a century: double sines and cosines carry the
    // rotation to 1e-16.
    double sinZeta = 0, cosZeta = 0, sinZ = 0, cosZ = 0, sinTheta = 0, cosTheta = 0;
    SeriesSinCos(static_cast<double>(zeta), sinZeta, cosZeta);
    SeriesSinCos(static_cast<double>(z), sinZ, cosZ);
    SeriesSinCos(static_cast<double>(theta), sinTheta, cosTheta);
    const long double cZeta = cosZeta, sZeta = sinZeta, cZ = cosZ, sZ = sinZ;
    const long double cTheta = cosTheta, sTheta = sinTheta;
    return {{{cZeta * cTheta * cZ - sZeta * sZ, -sZeta * cTheta * cZ - cZeta * sZ, -sTheta * cZ},
             {cZeta * cTheta * sZ + sZeta * cZ, -sZeta * cTheta * sZ + cZeta * cZ, -sTheta * sZ},
             {cZeta * sTheta, -sZeta * sTheta, cTheta}}};
}

}  // namespace orbelune
