#include "StAstroP.h"

#include "AstroConstants.h"
#include "Precession.h"
#include "SeriesTrig.h"
#include "StJup.h"
#include "StMars.h"
#include "StMerc.h"
#include "StNeptun.h"
#include "StPluto.h"
#include "StSaturn.h"
#include "StUranus.h"
#include "StVenus.h"
#include "SunJ2000.h"

#include <algorithm>
#include <cmath>

namespace orbelune {

namespace {

constexpr double DegPerRad = 57.29577951308232;

// Arcsine and arccosine that accept arguments a rounding step beyond +-1.
double InvSin(double x) {
    return std::asin(std::clamp(x, -1.0, 1.0));
}

double InvCos(double x) {
    return std::acos(std::clamp(x, -1.0, 1.0));
}

TEquVector Rotated(const RotationMatrix& m, const TEquVector& v) {
    const long double x = v.X, y = v.Y, z = v.Z;
    return {static_cast<double>(m[0][0] * x + m[0][1] * y + m[0][2] * z),
            static_cast<double>(m[1][0] * x + m[1][1] * y + m[1][2] * z),
            static_cast<double>(m[2][0] * x + m[2][1] * y + m[2][2] * z)};
}

// The frame of date that every body is brought to: the Sun's vector and the
// rotations for the planets' ecliptic of date and for J2000 vectors.
struct DateFrame {
    TEquVector Sun;
    double Obliquity;
    RotationMatrix FromJ2000;
};

TPlanetPos OfDatePosition(const TPlanetLBR& lbr, const DateFrame& frame) {
    const TEquVector body = HelioToEquatorial(lbr.L, lbr.B, lbr.R, frame.Obliquity);
    return GeocentricRADecElong(body, frame.Sun, true);
}

TPlanetPos MercuryPosition(double JD, const DateFrame& frame) {
    return OfDatePosition(MercuryLBR(JD), frame);
}

TPlanetPos VenusPosition(double JD, const DateFrame& frame) {
    return OfDatePosition(VenusLBR(JD), frame);
}

TPlanetPos MarsPosition(double JD, const DateFrame& frame) {
    return OfDatePosition(MarsLBR(JD), frame);
}

TPlanetPos JupiterPosition(double JD, const DateFrame& frame) {
    return OfDatePosition(JupiterLBR(JD), frame);
}

TPlanetPos SaturnPosition(double JD, const DateFrame& frame) {
    return OfDatePosition(SaturnLBR(JD), frame);
}

TPlanetPos UranusPosition(double JD, const DateFrame& frame) {
    return OfDatePosition(UranusLBR(JD), frame);
}

TPlanetPos NeptunePosition(double JD, const DateFrame& frame) {
    return OfDatePosition(NeptuneLBR(JD), frame);
}

// Pluto's terms are referred to the ecliptic J2000: to the J2000 equator, then
// precessed to the date.
TPlanetPos PlutoPosition(double JD, const DateFrame& frame) {
    const TPlanetLBR lbr = PlutoLBR(JD);
    const TEquVector body = Rotated(frame.FromJ2000, HelioToEquatorial(lbr.L, lbr.B, lbr.R));
    return GeocentricRADecElong(body, frame.Sun, true);
}

}  // namespace

TEquVector SunVectorForPlanets(double JD) {
    const long double tau = (static_cast<long double>(JD) - J2000) / DaysPerJulianMillennium;
    const TSunJ2000 sun = SunFromEarthJ2000(tau);
    return {static_cast<double>(sun.X), static_cast<double>(sun.Y), static_cast<double>(sun.Z)};
}

TEquVector HelioToEquatorial(double L, double B, double R, double obliquity) {
    double sinL = 0, cosL = 0, sinB = 0, cosB = 0, sinE = 0, cosE = 0;
    SeriesSinCos(L, sinL, cosL);
    SeriesSinCos(B, sinB, cosB);
    SeriesSinCos(obliquity, sinE, cosE);
    const double x = R * cosL * cosB;
    const double y = R * sinL * cosB;
    const double z = R * sinB;
    return {x, cosE * y - sinE * z, sinE * y + cosE * z};
}

double QuadrantAngle(double Y, double X, double Angle) {
    constexpr double Pi = 3.14159265358979323846;
    if (X == 0.0) return Y > 0.0 ? Pi / 2.0 : 3.0 * Pi / 2.0;
    if (Y > 0.0) return X > 0.0 ? Angle : Angle + Pi;
    if (Y == 0.0) return X > 0.0 ? 0.0 : Pi;
    if (Y < 0.0) return X < 0.0 ? Angle + Pi : Angle + 2.0 * Pi;
    return 0.0;  // Y is not a number
}

TPlanetPos GeocentricRADecElong(const TEquVector& body, const TEquVector& sun,
                                bool withElongation) {
    TPlanetPos result{0.0, 0.0, 0.0};
    const double X = sun.X + body.X, Y = sun.Y + body.Y, Z = sun.Z + body.Z;
    result.RA = QuadrantAngle(Y, X, X != 0.0 ? std::atan(Y / X) : 0.0) * DegPerRad;
    // A point just below the X axis can round up to a full turn.
    if (result.RA >= 360.0) result.RA -= 360.0;
    const double distance = std::sqrt(X * X + Y * Y + Z * Z);
    result.Dec = distance > 0.0 ? InvSin(Z / distance) * DegPerRad : 0.0;
    if (withElongation) {
        const TPlanetPos sunPos = GeocentricRADecElong(sun, {0.0, 0.0, 0.0}, false);
        const double a = result.RA / DegPerRad, d = result.Dec / DegPerRad;
        const double aS = sunPos.RA / DegPerRad, dS = sunPos.Dec / DegPerRad;
        result.Elong =
            InvCos(std::sin(dS) * std::sin(d) + std::cos(dS) * std::cos(d) * std::cos(aS - a)) *
            DegPerRad;
    }
    return result;
}

void PlanetsPosition(double JD, TPlanetPosArray& positions) {
    // The Sun comes referred to J2000 and the planets to the ecliptic of date:
    // both go to the mean equator and equinox of date before they are added.
    DateFrame frame;
    frame.FromJ2000 = PrecessionFromJ2000(JD);
    frame.Sun = Rotated(frame.FromJ2000, SunVectorForPlanets(JD));
    frame.Obliquity = static_cast<double>(MeanObliquity(JD));
    positions[0] = MercuryPosition(JD, frame);
    positions[1] = VenusPosition(JD, frame);
    positions[2] = MarsPosition(JD, frame);
    positions[3] = JupiterPosition(JD, frame);
    positions[4] = SaturnPosition(JD, frame);
    positions[5] = UranusPosition(JD, frame);
    positions[6] = NeptunePosition(JD, frame);
    positions[7] = PlutoPosition(JD, frame);
}

}  // namespace orbelune
