#include "StVenus.h"

#include "StVenusTerms.h"

namespace orbelune {

double VenusLongitude(double tau, double tau2, double tau3, double tau4, double tau5) {
    return SeriesCoordinate(VenusL, tau, tau2, tau3, tau4, tau5);
}

double VenusLatitude(double tau, double tau2, double tau3, double tau4, double tau5) {
    return SeriesCoordinate(VenusB, tau, tau2, tau3, tau4, tau5);
}

double VenusRadius(double tau, double tau2, double tau3, double tau4, double tau5) {
    return SeriesCoordinate(VenusR, tau, tau2, tau3, tau4, tau5);
}

TPlanetLBR VenusLBR(double JD) {
    const PlanetTauPowers t = PlanetTau(JD);
    return {VenusLongitude(t.Tau, t.Tau2, t.Tau3, t.Tau4, t.Tau5),
            VenusLatitude(t.Tau, t.Tau2, t.Tau3, t.Tau4, t.Tau5),
            VenusRadius(t.Tau, t.Tau2, t.Tau3, t.Tau4, t.Tau5)};
}

}  // namespace orbelune
