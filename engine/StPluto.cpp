#include "StPluto.h"

#include "AstroConstants.h"

#include <array>

#include "SeriesTrig.h"

namespace orbelune {

namespace {

constexpr double DegPerRad = 57.29577951308232;

struct TUnit {
    double Re, Im;  // cosine and sine
};

TUnit operator*(const TUnit& A, const TUnit& B) {
    return {A.Re * B.Re - A.Im * B.Im, A.Re * B.Im + A.Im * B.Re};
}

// e^(ik x) for k = -Most .. Most, at index k + Most, by products of e^(ix).
template <int Most>
std::array<TUnit, 2 * Most + 1> Multiples(double x) {
    TUnit one{};
    SeriesSinCos(x, one.Im, one.Re);
    std::array<TUnit, 2 * Most + 1> m{};
    m[Most] = {1.0, 0.0};
    for (int k = 1; k <= Most; ++k) {
        m[Most + k] = k % 2 == 0 ? m[Most + k / 2] * m[Most + k / 2] : m[Most + k - 1] * one;
        m[Most - k] = {m[Most + k].Re, -m[Most + k].Im};
    }
    return m;
}

}  // namespace

// The sine and cosine of each row's argument come from products of the multiples of J,
// S and P rather than from a trigonometric call per row.
TPlanetLBR PlutoLBR(double JD) {
    const double T = (JD - J2000) / DaysPerJulianCentury;
    const double J = (34.35 + 3034.9057 * T) / DegPerRad;
    const double S = (50.08 + 1222.1138 * T) / DegPerRad;
    const double P = (238.96 + 144.96 * T) / DegPerRad;
    const auto j = Multiples<3>(J);
    const auto sm = Multiples<2>(S);
    const auto p = Multiples<6>(P);
    long double sumL = 0.0L, sumB = 0.0L, sumR = 0.0L;
    for (const PlutoTerm& t : PlutoTerms) {
        const TUnit alpha = j[t.j + 3] * sm[t.s + 2] * p[t.p + 6];
        sumL += t.LSin * static_cast<long double>(alpha.Im) +
                t.LCos * static_cast<long double>(alpha.Re);
        sumB += t.BSin * static_cast<long double>(alpha.Im) +
                t.BCos * static_cast<long double>(alpha.Re);
        sumR += t.RSin * static_cast<long double>(alpha.Im) +
                t.RCos * static_cast<long double>(alpha.Re);
    }
    const double dL = static_cast<double>(sumL);
    const double dB = static_cast<double>(sumB);
    const double dR = static_cast<double>(sumR);
    // The base longitude 238.956785 is not P's 238.96: it is the theory's own.
    return {(238.956785 + 144.96 * T + dL / 1e6) / DegPerRad, (dB / 1e6 - 3.908202) / DegPerRad,
            dR / 1e7 + 40.7247248};
}

}  // namespace orbelune
