#include "StSaturn.h"

#include "StSaturnTerms.h"

namespace orbelune {

double SaturnLongitude(double tau, double tau2, double tau3, double tau4, double tau5) {
    return SeriesCoordinate(SaturnL, tau, tau2, tau3, tau4, tau5);
}

double SaturnLatitude(double tau, double tau2, double tau3, double tau4, double tau5) {
    return SeriesCoordinate(SaturnB, tau, tau2, tau3, tau4, tau5);
}

double SaturnRadius(double tau, double tau2, double tau3, double tau4, double tau5) {
    return SeriesCoordinate(SaturnR, tau, tau2, tau3, tau4, tau5);
}

TPlanetLBR SaturnLBR(double JD) {
    const PlanetTauPowers t = PlanetTau(JD);
    return {SaturnLongitude(t.Tau, t.Tau2, t.Tau3, t.Tau4, t.Tau5),
            SaturnLatitude(t.Tau, t.Tau2, t.Tau3, t.Tau4, t.Tau5),
            SaturnRadius(t.Tau, t.Tau2, t.Tau3, t.Tau4, t.Tau5)};
}

}  // namespace orbelune
