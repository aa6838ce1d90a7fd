#include "PlanetSeries.h"

#include <cmath>

namespace orbelune {

PlanetTauPowers PlanetTau(double JD) {
    PlanetTauPowers t;
    t.Tau = static_cast<double>((static_cast<long double>(JD) - 2451545.0L) / 365250.0L);
    t.Tau2 = t.Tau * t.Tau;
    t.Tau3 = t.Tau * t.Tau2;
    t.Tau4 = t.Tau2 * t.Tau2;
    t.Tau5 = t.Tau2 * t.Tau3;
    return t;
}

double SeriesCoordinate(const PlanetCoordinateSeries& series, double tau, double tau2, double tau3,
                        double tau4, double tau5) {
    const double powers[6] = {1.0, tau, tau2, tau3, tau4, tau5};
    long double coordinate = 0.0L;
    for (int p = 0; p < 6; ++p) {
        long double sum = 0.0L;
        for (const PlanetSeriesTerm& term : series[p])
            sum += term.A * std::cos(term.C * tau + term.B);
        coordinate += static_cast<long double>(static_cast<double>(sum)) * powers[p];
    }
    return static_cast<double>(coordinate);
}

}  // namespace orbelune
