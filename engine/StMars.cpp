#include "StMars.h"

#include "StMarsTerms.h"

namespace orbelune {

double MarsLongitude(double tau, double tau2, double tau3, double tau4, double tau5) {
    return SeriesCoordinate(MarsL, tau, tau2, tau3, tau4, tau5);
}

double MarsLatitude(double tau, double tau2, double tau3, double tau4, double tau5) {
    return SeriesCoordinate(MarsB, tau, tau2, tau3, tau4, tau5);
}

double MarsRadius(double tau, double tau2, double tau3, double tau4, double tau5) {
    return SeriesCoordinate(MarsR, tau, tau2, tau3, tau4, tau5);
}

TPlanetLBR MarsLBR(double JD) {
    const PlanetTauPowers t = PlanetTau(JD);
    return {MarsLongitude(t.Tau, t.Tau2, t.Tau3, t.Tau4, t.Tau5),
            MarsLatitude(t.Tau, t.Tau2, t.Tau3, t.Tau4, t.Tau5),
            MarsRadius(t.Tau, t.Tau2, t.Tau3, t.Tau4, t.Tau5)};
}

}  // namespace orbelune
