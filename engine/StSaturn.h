// Saturn's heliocentric longitude, latitude and radius vector for a Julian Day
// (dynamical time) from the leading terms of its VSOP87D series: ecliptic and
// equinox of date, L not reduced to one turn, no FK5 correction.
#pragma once

#include "PlanetSeries.h"

namespace orbelune {

TPlanetLBR SaturnLBR(double JD);

// The coordinates from the powers of tau (Julian millennia from J2000.0).
double SaturnLongitude(double tau, double tau2, double tau3, double tau4, double tau5);
double SaturnLatitude(double tau, double tau2, double tau3, double tau4, double tau5);
double SaturnRadius(double tau, double tau2, double tau3, double tau4, double tau5);

}  // namespace orbelune
