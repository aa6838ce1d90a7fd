#include "StJup.h"

#include "StJupTerms.h"

namespace orbelune {

double JupiterLongitude(double tau, double tau2, double tau3, double tau4, double tau5) {
    return SeriesCoordinate(JupiterL, tau, tau2, tau3, tau4, tau5);
}

double JupiterLatitude(double tau, double tau2, double tau3, double tau4, double tau5) {
    return SeriesCoordinate(JupiterB, tau, tau2, tau3, tau4, tau5);
}

double JupiterRadius(double tau, double tau2, double tau3, double tau4, double tau5) {
    return SeriesCoordinate(JupiterR, tau, tau2, tau3, tau4, tau5);
}

TPlanetLBR JupiterLBR(double JD) {
    const PlanetTauPowers t = PlanetTau(JD);
    return {JupiterLongitude(t.Tau, t.Tau2, t.Tau3, t.Tau4, t.Tau5),
            JupiterLatitude(t.Tau, t.Tau2, t.Tau3, t.Tau4, t.Tau5),
            JupiterRadius(t.Tau, t.Tau2, t.Tau3, t.Tau4, t.Tau5)};
}

}  // namespace orbelune
