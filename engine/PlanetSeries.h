// Heliocentric position of a major planet from a truncated VSOP87D series
// (Bretagnon & Francou 1988; ecliptic and equinox of date). A coordinate is
// S0 + S1 tau + ... + S5 tau^5, each S_p a sum of terms A cos(B + C tau), tau in
// Julian millennia from J2000.0. The truncated series hold the planets to a few
// arcseconds from 1600 to 3000.
#pragma once

#include "VSOPSeries.h"

namespace orbelune {

// L in radians (not reduced to one turn), B in radians, R in AU.
struct TPlanetLBR {
    double L;
    double B;
    double R;
};

// Powers 1..5 of tau for a Julian Day, each stored as a double.
struct PlanetTauPowers {
    double Tau;
    double Tau2;
    double Tau3;
    double Tau4;
    double Tau5;
};

PlanetTauPowers PlanetTau(double JD);

// The coordinate from its series (amplitudes A in radians or AU, not scaled): each S_p
// summed in extended precision and stored as a double, the polynomial in tau formed in
// extended precision.
double SeriesCoordinate(const TVSOPCoordinate& series, double tau, double tau2, double tau3,
                        double tau4, double tau5);

}  // namespace orbelune
