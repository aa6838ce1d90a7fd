#include "PlanetSeries.h"

#include "AstroConstants.h"

namespace orbelune {

PlanetTauPowers PlanetTau(double JD) {
    PlanetTauPowers t;
    t.Tau = static_cast<double>((static_cast<long double>(JD) - J2000) / DaysPerJulianMillennium);
    t.Tau2 = t.Tau * t.Tau;
    t.Tau3 = t.Tau * t.Tau2;
    t.Tau4 = t.Tau2 * t.Tau2;
    t.Tau5 = t.Tau2 * t.Tau3;
    return t;
}

double SeriesCoordinate(const TVSOPCoordinate& series, double tau, double tau2, double tau3,
                        double tau4, double tau5) {
    const double powers[6] = {1.0, tau, tau2, tau3, tau4, tau5};
    long double coordinate = 0.0L;
    for (int p = 0; p < 6; ++p) {
        const double sum = static_cast<double>(VSOPSeriesSum(series[p], tau));
        coordinate += static_cast<long double>(sum) * powers[p];
    }
    return static_cast<double>(coordinate);
}

}  // namespace orbelune
