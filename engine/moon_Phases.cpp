// The moon's phases: true instants of the main phases from the mean lunation with
// Meeus's periodic and planetary corrections (Astronomical Algorithms, chapter 49:
// within seconds near 2000, minutes a thousand years away), octants by the moon's age,
// and the phase angle, age and illuminated fraction from the apparent positions.

#include <cmath>

#include "AstroConstants.h"
#include "SeriesTrig.h"
#include "ah_math.h"
#include "moon.h"
#include "moonTerms.h"

namespace orbelune {

namespace {

constexpr long double kHalfSynodicMonth = 14.7652945L;
constexpr long double kLunationsPerCentury = 1236.85L;
constexpr long double kOctantTolerance = 0.0000001L;  // days
// The age iteration gains a factor of five or more per step; the phase searches step
// 28 days back or forth and find the phase within three tries.
constexpr int kOctantIterations = 100;
constexpr int kPhaseSearchTries = 10;

// Centuries for the lunation number count from 2000-01-01; lunation 0 is the new moon
// of 2000-01-06.
TDateTime LunationEpoch() {
    static const TDateTime epoch = EncodeCalendarDate(2000, 1, 1);
    return epoch;
}

[[noreturn]] void NoDateTime() {
    throw E_OutOfAlgorithmRange("No TDateTime possible");
}

// A date that is not a finite number has no lunation: refused at once, before any
// search runs its tries on it.
void CheckFinite(TDateTime dateTime) {
    if (!std::isfinite(dateTime)) NoDateTime();
}

template <std::size_t N>
long double PeriodicCorrection(const PhaseTerm (&terms)[N], const TMeanPhase& mean) {
    long double sum = 0;
    for (const PhaseTerm& term : terms) {
        const long double e = term.EPower == 2 ? mean.E * mean.E : term.EPower == 1 ? mean.E : 1.0L;
        sum += term.Coefficient * e *
               SeriesSinDeg(term.Mp * mean.Mp + term.M * mean.M + term.F * mean.F +
                            term.Omega * mean.Omega);
    }
    return sum;
}

// The quarters' extra term W, added at first and subtracted at last quarter.
long double QuarterCorrection(const TMeanPhase& mean) {
    return 0.00306L - 0.00038L * mean.E * SeriesCosDeg(mean.M) + 0.00026L * SeriesCosDeg(mean.Mp) -
           0.00002L * SeriesCosDeg(mean.Mp - mean.M) + 0.00002L * SeriesCosDeg(mean.Mp + mean.M) +
           0.00002L * SeriesCosDeg(2 * mean.F);
}

long double PlanetaryCorrection(const TMeanPhase& mean) {
    const long double t = mean.K / kLunationsPerCentury;
    long double sum = 0;
    for (const PlanetaryPhaseTerm& term : kPlanetaryPhaseTerms)
        sum += term.Coefficient * SeriesSinDeg(term.A0 + term.PerK * mean.K + term.T2 * t * t);
    return sum;
}

// Elongation of the moon from the sun, 0..360 degrees, with both positions.
long double Elongation(TDateTime dateTime, TApparentPosition& sun, TApparentPosition& moon) {
    sun = SunApparentPosition(dateTime);
    moon = MoonApparentPosition(dateTime);
    return NormalizeDeg(moon.Longitude - sun.Longitude);
}

}  // namespace

TMeanPhase MeanPhaseJDE(TMoonPhase phase, TDateTime dateTime) {
    const long double y =
        static_cast<long double>(dateTime - LunationEpoch()) / DaysPerJulianCentury;
    TMeanPhase mean{};
    mean.K = std::nearbyint(kLunationsPerCentury * y) + phase / 8.0L;
    const long double k = mean.K;
    const long double t = k / kLunationsPerCentury;
    const long double t2 = t * t;
    const long double t3 = t2 * t;
    const long double t4 = t3 * t;
    mean.JDE = 2451550.09765L + 29.530588853L * k + 0.0001337L * t2 - 0.00000015L * t3 +
               0.00000000073L * t4;
    mean.M = 2.5534L + 29.10535669L * k - 0.0000218L * t2 - 0.00000011L * t3;
    mean.Mp =
        201.5643L + 385.81693528L * k + 0.0107438L * t2 + 0.00001239L * t3 - 0.000000058L * t4;
    mean.F = 160.7108L + 390.67050274L * k - 0.0016341L * t2 - 0.00000227L * t3 + 0.000000011L * t4;
    mean.Omega = 124.7746L - 1.5637558L * k + 0.0020691L * t2 + 0.00000215L * t3;
    // E from the lunation's own centuries, so that a phase instant depends on the
    // lunation alone and not on the date it was asked from.
    mean.E = 1 - 0.002516L * t - 0.0000074L * t2;
    return mean;
}

TDateTime MainPhaseTime(TMoonPhase phase, TDateTime dateTime) {
    if (phase != 0 && phase != 2 && phase != 4 && phase != 6)
        throw E_OutOfAlgorithmRange("Invalid TMoonPhase");
    CheckFinite(dateTime);
    const TMeanPhase mean = MeanPhaseJDE(phase, dateTime);
    long double jde = mean.JDE + PlanetaryCorrection(mean);
    switch (phase) {
        case 0:
            jde += PeriodicCorrection(kNewMoonTerms, mean);
            break;
        case 4:
            jde += PeriodicCorrection(kFullMoonTerms, mean);
            break;
        case 2:
            jde += PeriodicCorrection(kQuarterMoonTerms, mean) + QuarterCorrection(mean);
            break;
        default:
            jde += PeriodicCorrection(kQuarterMoonTerms, mean) - QuarterCorrection(mean);
            break;
    }
    return JDToDateTime(jde);
}

TDateTime OctantPhaseTime(TMoonPhase phase, TDateTime dateTime) {
    CheckFinite(dateTime);
    const long double targetAge = phase * SynodicMonth / 8;
    TDateTime x = dateTime;
    for (int i = 0; i < kOctantIterations; ++i) {
        long double error = MoonAge(x) - targetAge;
        if (error > kHalfSynodicMonth) error -= SynodicMonth;
        // Stop at a date already within the tolerance, so that an octant instant asked
        // for again comes back unchanged.
        if (std::fabs(error) < kOctantTolerance) return x;
        x = static_cast<TDateTime>(x - error);
    }
    NoDateTime();
}

TDateTime MoonPhaseTime(TMoonPhase phase, TDateTime dateTime) {
    if (phase >= 8) return 0;
    CheckFinite(dateTime);
    if (phase % 2 == 1) return OctantPhaseTime(phase, dateTime);
    return MainPhaseTime(phase, dateTime);
}

TDateTime PhaseOnOrBefore(TMoonPhase phase, TDateTime dateTime) {
    CheckFinite(dateTime);
    for (int i = 0; i < kPhaseSearchTries; ++i) {
        const TDateTime found = MoonPhaseTime(phase, dateTime + 28.0 * (1 - i));
        if (found == 0) NoDateTime();
        if (found <= dateTime) return found;
    }
    NoDateTime();
}

TDateTime PhaseOnOrAfter(TMoonPhase phase, TDateTime dateTime) {
    CheckFinite(dateTime);
    for (int i = 0; i < kPhaseSearchTries; ++i) {
        const TDateTime found = MoonPhaseTime(phase, dateTime + 28.0 * (i - 1));
        if (found == 0) NoDateTime();
        if (found >= dateTime) return found;
    }
    NoDateTime();
}

long double MoonPhaseAngle(TDateTime dateTime) {
    TApparentPosition sun{}, moon{};
    const long double elongation = Elongation(dateTime, sun, moon);
    const long double psi =
        std::acos(CosDeg(moon.Latitude) * CosDeg(moon.Longitude - sun.Longitude));
    long double angle = Rad2Deg(
        std::atan(sun.Distance * std::sin(psi) / (moon.Distance - sun.Distance * std::cos(psi))));
    if (angle < 0) angle += 180;
    return elongation > 180 ? -angle : angle;
}

long double MoonAge(TDateTime dateTime) {
    TApparentPosition sun{}, moon{};
    return Elongation(dateTime, sun, moon) / 360 * SynodicMonth;
}

long double MoonIllumination(TDateTime dateTime) {
    return (1 + CosDeg(MoonPhaseAngle(dateTime))) / 2;
}

}  // namespace orbelune
