// Jupiter's heliocentric ecliptic longitude, latitude and radius vector.
//
// In:  a Julian Day, taken as dynamical time (no Delta-T).
// Out: L in radians (not reduced to one turn), B in radians, R in AU, referred to the
//      mean ecliptic and equinox of date; no FK5 correction, light time or aberration.
// Method: the leading terms of its VSOP87D series (245 terms in L, 78 in B, 175 in R);
//      each coordinate is S0 + S1 tau + ... + S5 tau^5, tau in Julian millennia.
// Accuracy: within 2.5" in L, 1.5" in B and 2e-4 AU in R of the complete series
//      from 1600 to 3000.
// Reference: P. Bretagnon and G. Francou, "Planetary theories in rectangular and
//      spherical variables: VSOP87 solutions", Astron. Astrophys. 202, 309 (1988).
#pragma once

#include "PlanetSeries.h"

namespace orbelune {

TPlanetLBR JupiterLBR(double JD);

// The coordinates from the powers of tau (Julian millennia from J2000.0).
double JupiterLongitude(double tau, double tau2, double tau3, double tau4, double tau5);
double JupiterLatitude(double tau, double tau2, double tau3, double tau4, double tau5);
double JupiterRadius(double tau, double tau2, double tau3, double tau4, double tau5);

}  // namespace orbelune
