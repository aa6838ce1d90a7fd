// Heliocentric ecliptic position of the Earth from the complete VSOP87D series
// (Bretagnon & Francou 1988; ecliptic and equinox of date), corrected to the FK5
// system (Meeus, Astronomical Algorithms, eq. 32.3).
//
// In: a TDateTime taken as dynamical time (no Delta-T). Out: longitude in degrees
// [0, 360), latitude in degrees, radius vector in AU. The complete series is good to
// well under 0.01" over several thousand years around J2000.
#pragma once

#include "StDate.h"

#include <memory>

namespace orbelune {

// One term A cos(B + C tau): A in 1e-8 radians (L, B) or 1e-8 AU (R), B in radians,
// C in radians per Julian millennium.
struct TVSOPTerm {
    long double A;
    long double B;
    long double C;
};

// Where one series lies in a constant block of terms.
struct TVSOPSeriesIndex {
    int First;
    int Count;
};

// Sums whatever terms a subclass hands out. A getter asked for an index beyond its
// series, a negative index or a power the coordinate lacks returns an all-zero term.
class TVSOP {
public:
    using TermGetter = TVSOPTerm (TVSOP::*)(int index, int power) const;

    virtual ~TVSOP() = default;
    virtual TVSOPTerm LongitudeTerm(int index, int power) const = 0;
    virtual TVSOPTerm LatitudeTerm(int index, int power) const = 0;
    virtual TVSOPTerm RadiusTerm(int index, int power) const = 0;

    void SetDate(TDateTime date) { FDate = date; }
    // Julian millennia from J2000.0 (2000-01-01 12:00).
    long double Tau() const;
    // The coordinate in radians or AU: sum of the series by power of tau.
    long double SeriesSum(TermGetter getter) const;
    long double Longitude() const { return SeriesSum(&TVSOP::LongitudeTerm); }
    long double Latitude() const { return SeriesSum(&TVSOP::LatitudeTerm); }
    long double Radius() const { return SeriesSum(&TVSOP::RadiusTerm); }

private:
    TDateTime FDate = 0.0;
};

// The Earth's terms from the constant VSOP87D table.
class TVSOPEarth final : public TVSOP {
public:
    TVSOPTerm LongitudeTerm(int index, int power) const override;
    TVSOPTerm LatitudeTerm(int index, int power) const override;
    TVSOPTerm RadiusTerm(int index, int power) const override;
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
