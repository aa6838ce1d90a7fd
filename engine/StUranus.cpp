#include "StUranus.h"

#include "StUranusTerms.h"

namespace orbelune {

double UranusLongitude(double tau, double tau2, double tau3, double tau4, double tau5) {
    return SeriesCoordinate(UranusL, tau, tau2, tau3, tau4, tau5);
}

double UranusLatitude(double tau, double tau2, double tau3, double tau4, double tau5) {
    return SeriesCoordinate(UranusB, tau, tau2, tau3, tau4, tau5);
}

double UranusRadius(double tau, double tau2, double tau3, double tau4, double tau5) {
    return SeriesCoordinate(UranusR, tau, tau2, tau3, tau4, tau5);
}

TPlanetLBR UranusLBR(double JD) {
    const PlanetTauPowers t = PlanetTau(JD);
    return {UranusLongitude(t.Tau, t.Tau2, t.Tau3, t.Tau4, t.Tau5),
            UranusLatitude(t.Tau, t.Tau2, t.Tau3, t.Tau4, t.Tau5),
            UranusRadius(t.Tau, t.Tau2, t.Tau3, t.Tau4, t.Tau5)};
}

}  // namespace orbelune
