#include "StMerc.h"

#include "StMercTerms.h"

namespace orbelune {

double MercuryLongitude(double tau, double tau2, double tau3, double tau4, double tau5) {
    return SeriesCoordinate(MercuryL, tau, tau2, tau3, tau4, tau5);
}

double MercuryLatitude(double tau, double tau2, double tau3, double tau4, double tau5) {
    return SeriesCoordinate(MercuryB, tau, tau2, tau3, tau4, tau5);
}

double MercuryRadius(double tau, double tau2, double tau3, double tau4, double tau5) {
    return SeriesCoordinate(MercuryR, tau, tau2, tau3, tau4, tau5);
}

TPlanetLBR MercuryLBR(double JD) {
    const PlanetTauPowers t = PlanetTau(JD);
    return {MercuryLongitude(t.Tau, t.Tau2, t.Tau3, t.Tau4, t.Tau5),
            MercuryLatitude(t.Tau, t.Tau2, t.Tau3, t.Tau4, t.Tau5),
            MercuryRadius(t.Tau, t.Tau2, t.Tau3, t.Tau4, t.Tau5)};
}

}  // namespace orbelune
