#include "vsop.h"

#include "ah_math.h"
#include "vsop_earth_terms.h"

#include <cmath>

namespace orbelune {

namespace {

// The TDateTime of 2000-01-01 00:00 (days since 1899-12-30).
constexpr TDateTime VSOPEpoch = 36526.0;

constexpr int MaxPower = 5;
// Longer than any published series: a bound for the summing loop.
constexpr int MaxSeriesTerms = 4096;

constexpr long double ArcSecond = 1.0L / 3600.0L;  // degrees

TVSOPTerm LookUp(const TVSOPSeriesIndex (&series)[MaxPower + 1], int index, int power) {
    if (power < 0 || power > MaxPower || index < 0 || index >= series[power].Count)
        return {0.0L, 0.0L, 0.0L};
    return VSOPEarthTerms[series[power].First + index];
}

}  // namespace

long double TVSOP::Tau() const {
    return (static_cast<long double>(FDate) - VSOPEpoch - 0.5L) / 365250.0L;
}

long double TVSOP::SeriesSum(TermGetter getter) const {
    const long double t = Tau();
    long double sums[MaxPower + 1] = {};
    for (int p = 0; p <= MaxPower; ++p) {
        // The term past the end of a series is all zero, which ends the sum.
        for (int i = 0; i < MaxSeriesTerms; ++i) {
            const TVSOPTerm term = (this->*getter)(i, p);
            const long double value = term.A * std::cos(term.B + term.C * t);
            sums[p] += value;
            if (value == 0.0L) break;
        }
    }
    long double result = sums[MaxPower];
    for (int p = MaxPower - 1; p >= 0; --p) result = result * t + sums[p];
    return result * 1e-8L;
}

TVSOPTerm TVSOPEarth::LongitudeTerm(int index, int power) const {
    return LookUp(VSOPEarthL, index, power);
}

TVSOPTerm TVSOPEarth::LatitudeTerm(int index, int power) const {
    return LookUp(VSOPEarthB, index, power);
}

TVSOPTerm TVSOPEarth::RadiusTerm(int index, int power) const {
    return LookUp(VSOPEarthR, index, power);
}

void DynamicalToFK5(long double tau, long double& L, long double& B) {
    const long double T = 10.0L * tau;  // Julian centuries
    const long double L1 = L + Deg2Rad(T * (-1.397L - 0.00031L * T));
    const long double cosL1 = std::cos(L1);
    const long double sinL1 = std::sin(L1);
    L += Deg2Rad((-0.09033L + 0.03916L * (cosL1 + sinL1) * std::tan(B)) * ArcSecond);
    B += Deg2Rad(0.03916L * (cosL1 - sinL1) * ArcSecond);
}

void VSOPHeliocentric(TVSOPClass vsopClass, TDateTime date, long double& L, long double& B,
                      long double& R) {
    const std::unique_ptr<TVSOP> vsop = vsopClass();
    vsop->SetDate(date);
    R = vsop->Radius();
    L = vsop->Longitude();
    B = vsop->Latitude();
    DynamicalToFK5(vsop->Tau(), L, B);
    L = NormalizeDeg(Rad2Deg(L));
    B = Rad2Deg(B);
}

void EarthHeliocentric(TDateTime date, long double& L, long double& B, long double& R) {
    VSOPHeliocentric([]() -> std::unique_ptr<TVSOP> { return std::make_unique<TVSOPEarth>(); },
                     date, L, B, R);
}

}  // namespace orbelune
