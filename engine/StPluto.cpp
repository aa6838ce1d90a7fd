#include "StPluto.h"

#include "AstroConstants.h"

#include <cmath>

namespace orbelune {

namespace {
constexpr double DegPerRad = 57.29577951308232;
}

TPlanetLBR PlutoLBR(double JD) {
    const double T = (JD - J2000) / DaysPerJulianCentury;
    const double J = (34.35 + 3034.9057 * T) / DegPerRad;
    const double S = (50.08 + 1222.1138 * T) / DegPerRad;
    const double P = (238.96 + 144.96 * T) / DegPerRad;
    long double sumL = 0.0L, sumB = 0.0L, sumR = 0.0L;
    for (const PlutoTerm& t : PlutoTerms) {
        const double alpha = t.j * J + t.s * S + t.p * P;
        const long double sinA = std::sin(static_cast<long double>(alpha));
        const long double cosA = std::cos(static_cast<long double>(alpha));
        sumL += t.LSin * sinA + t.LCos * cosA;
        sumB += t.BSin * sinA + t.BCos * cosA;
        sumR += t.RSin * sinA + t.RCos * cosA;
    }
    const double dL = static_cast<double>(sumL);
    const double dB = static_cast<double>(sumB);
    const double dR = static_cast<double>(sumR);
    // The base longitude 238.956785 is not P's 238.96: it is the theory's own.
    return {(238.956785 + 144.96 * T + dL / 1e6) / DegPerRad, (dB / 1e6 - 3.908202) / DegPerRad,
            dR / 1e7 + 40.7247248};
}

}  // namespace orbelune
