// Nutation and the apparent geocentric positions of the Sun and the Moon (Meeus,
// Astronomical Algorithms, chapters 22, 25 and 47). The nutation uses the 31 largest
// terms of the IAU 1980 theory (within about 0.01" of the full series); the Sun comes
// from the complete VSOP87 Earth series, the Moon from the 60 + 60 term lunar series
// (about 10" in longitude).

#include <cmath>

#include "AstroConstants.h"
#include "MoonSeries.h"
#include "SeriesTrig.h"
#include "ah_math.h"
#include "moon.h"
#include "moonTerms.h"
#include "vsop.h"

namespace orbelune {

namespace {

// Julian centuries from J2000.0, the date taken as dynamical time.
long double CenturiesFromJ2000(TDateTime dateTime) {
    return (DateTimeToJD(dateTime) - J2000) / DaysPerJulianCentury;
}

constexpr long double kArcsecondsPerDegree = 3600;
constexpr long double kKilometresPerAU = 149597869;
// Constant of aberration, 20.4898", in degrees.
constexpr long double kAberration = 20.4898L / kArcsecondsPerDegree;

}  // namespace

void CalcNutation(TDateTime dateTime, long double& deltaPsi, long double& epsilon) {
    const long double t = CenturiesFromJ2000(dateTime);
    const long double t2 = t * t;
    const long double t3 = t2 * t;
    const long double omega =
        NormalizeDeg(125.04452L - 1934.136261L * t + 0.0020708L * t2 + t3 / 450000);
    const long double d =
        NormalizeDeg(297.85036L + 445267.11148L * t - 0.0019142L * t2 + t3 / 189474);
    const long double m =
        NormalizeDeg(357.52772L + 35999.05034L * t - 0.0001603L * t2 - t3 / 300000);
    const long double mp =
        NormalizeDeg(134.96298L + 477198.867398L * t + 0.0086972L * t2 + t3 / 56250);
    const long double f =
        NormalizeDeg(93.27191L + 483202.017538L * t - 0.0036825L * t2 + t3 / 327270);

    long double sumPsi = 0;
    long double sumEps = 0;
    for (const NutationTerm& term : kNutationTerms) {
        const long double argument =
            term.D * d + term.M * m + term.Mp * mp + term.F * f + term.Omega * omega;
        double sine = 0, cosine = 0;
        SeriesSinCos(static_cast<double>(Deg2Rad(argument)), sine, cosine);
        sumPsi += (term.S + 0.1L * term.S_T10 * t) * sine;
        sumEps += (term.C + 0.1L * term.C_T10 * t) * cosine;
    }
    // The series are in units of 0.0001".
    deltaPsi = sumPsi * 0.0001L / kArcsecondsPerDegree;
    const long double meanObliquity =
        (84381.448L - 46.815L * t - 0.00059L * t2 + 0.001813L * t3) / kArcsecondsPerDegree;
    epsilon = meanObliquity + sumEps * 0.0001L / kArcsecondsPerDegree;
}

void EclipticToEquatorial(TApparentPosition& position, TDateTime dateTime) {
    long double deltaPsi = 0;
    long double epsilon = 0;
    CalcNutation(dateTime, deltaPsi, epsilon);
    const long double lambda = NormalizeDeg(position.Longitude + deltaPsi);
    const long double beta = position.Latitude;
    position.Longitude = lambda;
    position.RightAscension = ArcTan2Deg(
        SinDeg(lambda) * CosDeg(epsilon) - TanDeg(beta) * SinDeg(epsilon), CosDeg(lambda));
    position.Declination =
        ArcSinDeg(SinDeg(beta) * CosDeg(epsilon) + CosDeg(beta) * SinDeg(epsilon) * SinDeg(lambda));
}

TApparentPosition SunApparentPosition(TDateTime dateTime) {
    // The heliocentric position is already in the FK5 system.
    long double l = 0, b = 0, r = 0;
    EarthHeliocentric(dateTime, l, b, r);
    TApparentPosition sun{};
    sun.Longitude = NormalizeDeg(l + 180 - kAberration / r);
    sun.Latitude = -b;
    sun.Distance = r * kKilometresPerAU;
    EclipticToEquatorial(sun, dateTime);
    return sun;
}

TApparentPosition MoonApparentPosition(TDateTime dateTime) {
    const long double t = CenturiesFromJ2000(dateTime);
    const long double t2 = t * t;
    const long double t3 = t2 * t;
    const long double t4 = t3 * t;
    const long double a1 = 119.75L + 131.849L * t;
    const long double a2 = 53.09L + 479264.29L * t;
    const long double a3 = 313.45L + 481266.484L * t;
    const long double lp =
        218.3164591L + 481267.88134236L * t - 0.0013268L * t2 + t3 / 538841 - t4 / 65194000;
    const long double d =
        297.8502042L + 445267.1115168L * t - 0.00163L * t2 + t3 / 545868 - t4 / 113065000;
    const long double m = 357.5291092L + 35999.0502909L * t - 0.0001536L * t2 + t3 / 24490000;
    const long double mp =
        134.9634114L + 477198.8676313L * t + 0.008997L * t2 + t3 / 69699 - t4 / 14712000;
    const long double f =
        93.2720993L + 483202.0175273L * t - 0.0034029L * t2 - t3 / 3526000 + t4 / 863310000;
    // Terms with the sun's anomaly shrink with the decreasing eccentricity of the
    // earth's orbit.
    const long double e = 1 - 0.002516L * t - 0.0000074L * t2;
    const TMoonSums sums = MoonSeriesSums(d, m, mp, f, e, std::size(kMoonLatitudeTerms));
    long double sumL = sums.Longitude, sumR = sums.Distance, sumB = sums.Latitude;
    // Venus, Jupiter and the flattening of the earth.
    sumL += 3958 * SeriesSinDeg(a1) + 1962 * SeriesSinDeg(lp - f) + 318 * SeriesSinDeg(a2);
    sumB += -2235 * SeriesSinDeg(lp) + 382 * SeriesSinDeg(a3) + 175 * SeriesSinDeg(a1 - f) +
            175 * SeriesSinDeg(a1 + f) + 127 * SinDeg(lp - mp) - 115 * SinDeg(lp + mp);

    TApparentPosition moon{};
    moon.Longitude = lp + sumL / 1000000;
    moon.Latitude = sumB / 1000000;
    moon.Distance = 385000.56L + sumR / 1000;
    EclipticToEquatorial(moon, dateTime);
    return moon;
}

}  // namespace orbelune
