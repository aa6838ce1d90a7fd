// Heliocentric ecliptic position of the Earth from the complete VSOP87D series
// (Bretagnon & Francou 1988; ecliptic and equinox of date), corrected to the FK5
// system (Meeus, Astronomical Algorithms, eq. 32.3).
//
// In: a TDateTime taken as dynamical time (no Delta-T). Out: longitude in degrees
// [0, 360), latitude in degrees, radius vector in AU. The complete series is good to
// well under 0.01" over several thousand years around J2000.
#pragma once

#include "StDate.h"
#include "VSOPSeries.h"

#include <memory>

namespace orbelune {

// Sums whatever series a subclass hands out: per coordinate the six series by power of
// tau, amplitudes A stored times 1e8 (radians for L and B, AU for R).
class TVSOP {
public:
    using SeriesGetter = const TVSOPCoordinate& (TVSOP::*)() const;

    virtual ~TVSOP() = default;
    virtual const TVSOPCoordinate& LongitudeSeries() const = 0;
    virtual const TVSOPCoordinate& LatitudeSeries() const = 0;
    virtual const TVSOPCoordinate& RadiusSeries() const = 0;

    void SetDate(TDateTime date) { FDate = date; }
    // Julian millennia from J2000.0 (2000-01-01 12:00).
    long double Tau() const;
    // The coordinate in radians or AU: sum of the series by power of tau.
    long double SeriesSum(SeriesGetter getter) const;
    long double Longitude() const { return SeriesSum(&TVSOP::LongitudeSeries); }
    long double Latitude() const { return SeriesSum(&TVSOP::LatitudeSeries); }
    long double Radius() const { return SeriesSum(&TVSOP::RadiusSeries); }

private:
    TDateTime FDate = 0.0;
};

// The Earth's series from the constant VSOP87D table.
class TVSOPEarth final : public TVSOP {
public:
    const TVSOPCoordinate& LongitudeSeries() const override;
    const TVSOPCoordinate& LatitudeSeries() const override;
    const TVSOPCoordinate& RadiusSeries() const override;
};

// Makes a fresh evaluator of one series class (the Delphi class reference).
using TVSOPClass = std::unique_ptr<TVSOP> (*)();

// Corrects dynamical L and B (radians) to the FK5 system; tau in Julian millennia.
void DynamicalToFK5(long double tau, long double& L, long double& B);

// Longitude (degrees, [0, 360)), latitude (degrees) and radius (AU) of the series
// class at the date, FK5-corrected.
void VSOPHeliocentric(TVSOPClass vsopClass, TDateTime date, long double& L, long double& B,
                      long double& R);

// VSOPHeliocentric for the Earth.
void EarthHeliocentric(TDateTime date, long double& L, long double& B, long double& R);

}  // namespace orbelune
