#include "vsop.h"

#include "AstroConstants.h"
#include "SeriesTrig.h"
#include "ah_math.h"
#include "vsopTerms.h"

#include <cmath>

namespace orbelune {

namespace {

constexpr long double ArcSecond = 1.0L / 3600.0L;  // degrees

}  // namespace

long double TVSOP::Tau() const {
    return (static_cast<long double>(FDate) - J2000DateTime) / DaysPerJulianMillennium;
}

long double TVSOP::SeriesSum(SeriesGetter getter) const {
    const long double t = Tau();
    const TVSOPCoordinate& series = (this->*getter)();
    long double result = 0.0L;
    for (auto power = series.rbegin(); power != series.rend(); ++power)
        result = result * t + VSOPSeriesSum(*power, static_cast<double>(t));
    return result * 1e-8L;
}

const TVSOPCoordinate& TVSOPEarth::LongitudeSeries() const {
    return VSOPEarthL;
}

const TVSOPCoordinate& TVSOPEarth::LatitudeSeries() const {
    return VSOPEarthB;
}

const TVSOPCoordinate& TVSOPEarth::RadiusSeries() const {
    return VSOPEarthR;
}

void DynamicalToFK5(long double tau, long double& L, long double& B) {
    const long double T = 10.0L * tau;  // Julian centuries
    const long double L1 = L + Deg2Rad(T * (-1.397L - 0.00031L * T));
    // The corrections are a tenth of an arcsecond: double precision is ample.
    double sinL1 = 0.0, cosL1 = 0.0;
    SeriesSinCos(static_cast<double>(L1), sinL1, cosL1);
    const long double tanB = std::tan(static_cast<double>(B));
    L += Deg2Rad((-0.09033L + 0.03916L * (cosL1 + sinL1) * tanB) * ArcSecond);
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
