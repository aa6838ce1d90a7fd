#include "StNeptun.h"

#include "StNeptunTerms.h"

namespace orbelune {

double NeptuneLongitude(double tau, double tau2, double tau3, double tau4, double tau5) {
    return SeriesCoordinate(NeptuneL, tau, tau2, tau3, tau4, tau5);
}

double NeptuneLatitude(double tau, double tau2, double tau3, double tau4, double tau5) {
    return SeriesCoordinate(NeptuneB, tau, tau2, tau3, tau4, tau5);
}

double NeptuneRadius(double tau, double tau2, double tau3, double tau4, double tau5) {
    return SeriesCoordinate(NeptuneR, tau, tau2, tau3, tau4, tau5);
}

TPlanetLBR NeptuneLBR(double JD) {
    const PlanetTauPowers t = PlanetTau(JD);
    return {NeptuneLongitude(t.Tau, t.Tau2, t.Tau3, t.Tau4, t.Tau5),
            NeptuneLatitude(t.Tau, t.Tau2, t.Tau3, t.Tau4, t.Tau5),
            NeptuneRadius(t.Tau, t.Tau2, t.Tau3, t.Tau4, t.Tau5)};
}

}  // namespace orbelune
