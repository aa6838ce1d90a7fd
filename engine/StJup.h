// Jupiter's heliocentric longitude, latitude and radius vector for a Julian Day
// (dynamical time) from the leading terms of its VSOP87D series: ecliptic and
// equinox of date, L not reduced to one turn, no FK5 correction.
#pragma once

#include "PlanetSeries.h"

namespace orbelune {

TPlanetLBR JupiterLBR(double JD);

// The coordinates from the powers of tau (Julian millennia from J2000.0).
double JupiterLongitude(double tau, double tau2, double tau3, double tau4, double tau5);
double JupiterLatitude(double tau, double tau2, double tau3, double tau4, double tau5);
double JupiterRadius(double tau, double tau2, double tau3, double tau4, double tau5);

}  // namespace orbelune
