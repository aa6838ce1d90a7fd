#include "Precession.h"

#include "AstroConstants.h"
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
    const long double cZeta = std::cos(zeta), sZeta = std::sin(zeta);
    const long double cZ = std::cos(z), sZ = std::sin(z);
    const long double cTheta = std::cos(theta), sTheta = std::sin(theta);
    return {{{cZeta * cTheta * cZ - sZeta * sZ, -sZeta * cTheta * cZ - cZeta * sZ, -sTheta * cZ},
             {cZeta * cTheta * sZ + sZeta * cZ, -sZeta * cTheta * sZ + cZeta * cZ, -sTheta * sZ},
             {cZeta * sTheta, -sZeta * sTheta, cTheta}}};
}

}  // namespace orbelune
