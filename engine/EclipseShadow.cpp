#include "EclipseShadow.h"

#include <algorithm>
#include <cmath>

#include "AstroConstants.h"
#include "Astronomy.h"
#include "StAstro.h"

namespace orbelune {

namespace {

constexpr double DegToRad = 0.017453292519943295769;
constexpr double RadToDeg = 57.295779513082320877;
constexpr double ArcsecToRad = DegToRad / 3600.0;
// The obliquity with which the Moon's series turn ecliptic into equatorial places.
constexpr double MoonFrameObliquity = static_cast<double>(J2000Obliquity);
// Constant of annual aberration, arcseconds at one astronomical unit.
constexpr double AberrationArcsec = 20.4898;

struct Vec3 {
    double X, Y, Z;
};

double Dot(const Vec3& A, const Vec3& B) {
    return A.X * B.X + A.Y * B.Y + A.Z * B.Z;
}

// Ecliptic longitude and latitude (radians) turned equatorial with the Moon's obliquity.
Vec3 EclipticToEquatorial(double Lambda, double Beta, double Distance) {
    const double ce = std::cos(MoonFrameObliquity), se = std::sin(MoonFrameObliquity);
    const double cb = std::cos(Beta), sb = std::sin(Beta);
    const double cl = std::cos(Lambda), sl = std::sin(Lambda);
    return {Distance * cb * cl, Distance * (cb * sl * ce - sb * se),
            Distance * (cb * sl * se + sb * ce)};
}

Vec3 EquatorialVector(double RADeg, double DecDeg, double Distance) {
    const double ra = RADeg * DegToRad, dec = DecDeg * DegToRad;
    return {Distance * std::cos(dec) * std::cos(ra), Distance * std::cos(dec) * std::sin(ra),
            Distance * std::sin(dec)};
}

// The Sun's J2000 ecliptic place carried to the mean ecliptic and equinox of date
// (Meeus, Astronomical Algorithms, eq. 21.5 with the starting epoch J2000), less the
// annual aberration; T in Julian centuries of dynamical time from J2000. Radians.
void SunOfDate(const TSunVector& Sun, double T, double& Lambda, double& Beta) {
    const double eta = (47.0029 * T - 0.03302 * T * T + 0.000060 * T * T * T) * ArcsecToRad;
    const double pi = 174.876384 * DegToRad + (-869.8089 * T + 0.03536 * T * T) * ArcsecToRad;
    const double p = (5029.0966 * T + 1.11113 * T * T - 0.000006 * T * T * T) * ArcsecToRad;
    const double l0 = Sun.L * DegToRad, b0 = Sun.B * DegToRad;
    const double a =
        std::cos(eta) * std::cos(b0) * std::sin(pi - l0) - std::sin(eta) * std::sin(b0);
    const double b = std::cos(b0) * std::cos(pi - l0);
    const double c =
        std::cos(eta) * std::sin(b0) + std::sin(eta) * std::cos(b0) * std::sin(pi - l0);
    Lambda = p + pi - std::atan2(a, b) - AberrationArcsec / Sun.R * ArcsecToRad;
    Beta = std::asin(std::clamp(c, -1.0, 1.0));
}

double TanFromSin(double S) {
    return S / std::sqrt(1.0 - S * S);
}

}  // namespace

std::optional<TShadowEpoch> ShadowAtEpoch(const TDayTimeRec& UT) {
    if (!IsValidDayTime(UT)) return std::nullopt;
    int day = 0, month = 0, year = 0;
    DayNumberToDMY(UT.D, day, month, year);
    const auto deltaT = static_cast<int32_t>(std::lround(static_cast<double>(DeltaTSeconds(year))));
    const TDayTimeRec tt = AddDaysSeconds(UT, 0, deltaT);
    if (!IsValidDayTime(tt)) return std::nullopt;

    const TSunVector sun = SunVectorJ2000(tt);
    const TMoonPosRec moon = MoonPlace(tt);
    const double gmst = GreenwichSiderealTime(UT);

    // Geocentric vectors in equatorial Earth radii, both in the Moon's frame.
    const double auInEarthRadii = 1.0 / std::sin(SolarParallaxArcsec * ArcsecToRad);
    const double t = (DayNumberToJD(tt.D) + tt.T / 86400.0 - J2000) / DaysPerJulianCentury;
    double lambda = 0, beta = 0;
    SunOfDate(sun, t, lambda, beta);
    const Vec3 s = EclipticToEquatorial(lambda, beta, sun.R * auInEarthRadii);
    const Vec3 m = EquatorialVector(moon.RA, moon.Dec, 1.0 / std::sin(moon.Parallax * DegToRad));

    // The axis runs from the Moon towards the Sun; the fundamental plane is normal to
    // it through the Earth's centre, x to the east and y to the north.
    const Vec3 gv{s.X - m.X, s.Y - m.Y, s.Z - m.Z};
    const double gl = std::sqrt(Dot(gv, gv));
    const Vec3 g{gv.X / gl, gv.Y / gl, gv.Z / gl};
    const double a = std::atan2(g.Y, g.X);
    const double d = std::asin(std::clamp(g.Z, -1.0, 1.0));
    const Vec3 ex{-std::sin(a), std::cos(a), 0.0};
    const Vec3 ey{-std::sin(d) * std::cos(a), -std::sin(d) * std::sin(a), std::cos(d)};

    // Cone angles from the Sun-Moon distance in astronomical units; the umbral cone's
    // radius on the plane follows from the Moon's height z above it.
    const double z = Dot(m, g);
    const double sinF2 = UmbraConeConstant / (gl / auInEarthRadii);
    const double tanF2 = TanFromSin(sinF2);

    TShadowEpoch e{};
    e.X = Dot(m, ex);
    e.Y = Dot(m, ey);
    e.Dec = d * RadToDeg;
    e.GHA = std::fmod(gmst - a * RadToDeg + 720.0, 360.0);
    e.L2 = (z - MoonRadiusEarthRadii / sinF2) * tanF2;
    e.TanF2 = tanF2;
    e.Time = AstroJDToDateTime(static_cast<long double>(DayNumberToJD(UT.D)) + UT.T / 86400.0L);
    return e;
}

TAxisPoint AxisSurfacePoint(const TShadowEpoch& Shadow) {
    // Earth-fixed frame: x to Greenwich, z to the north pole. The axis direction and the
    // plane's unit vectors follow from the axis's declination and Greenwich hour angle.
    const double d = Shadow.Dec * DegToRad, h = Shadow.GHA * DegToRad;
    const Vec3 g{std::cos(d) * std::cos(h), -std::cos(d) * std::sin(h), std::sin(d)};
    const Vec3 ex{std::sin(h), std::cos(h), 0.0};
    const Vec3 ey{-std::sin(d) * std::cos(h), std::sin(d) * std::sin(h), std::cos(d)};
    const Vec3 p0{Shadow.X * ex.X + Shadow.Y * ey.X, Shadow.X * ex.Y + Shadow.Y * ey.Y,
                  Shadow.X * ex.Z + Shadow.Y * ey.Z};

    // Scaling z by the polar radius turns the ellipsoid into the unit sphere; the
    // sunward root of |p0 + s g| = 1 there is the point, s its height above the plane.
    const double b = std::sqrt(1.0 - EarthEccentricity2);
    const Vec3 ps{p0.X, p0.Y, p0.Z / b};
    const Vec3 gs{g.X, g.Y, g.Z / b};
    const double qa = Dot(gs, gs), qb = Dot(ps, gs), qc = Dot(ps, ps) - 1.0;
    const double s = (-qb + std::sqrt(std::max(0.0, qb * qb - qa * qc))) / qa;
    const Vec3 p{p0.X + s * g.X, p0.Y + s * g.Y, p0.Z + s * g.Z};

    // Latitude on the scaled sphere, turned geodetic.
    const double phi1 = std::atan2(p.Z / b, std::hypot(p.X, p.Y));
    TAxisPoint r{};
    r.Latitude = std::atan(GeodeticLatitudeFactor * std::tan(phi1)) * RadToDeg;
    double lon = std::fmod(std::atan2(p.Y, p.X) * RadToDeg + 360.0, 360.0);
    if (lon > 180.0) lon -= 360.0;
    r.Longitude = lon;
    r.Zeta = s;
    return r;
}

double CentralDurationMinutes(const TShadowEpoch& Before, const TShadowEpoch& At,
                              const TShadowEpoch& After, const TAxisPoint& Point) {
    // Rates per hour from the neighbours; mu' is the turning of the hour angle.
    const double xRate = (After.X - Before.X) * 3.0;
    const double yRate = (After.Y - Before.Y) * 3.0;
    const double muRate =
        (std::fmod(After.GHA - Before.GHA + 540.0, 360.0) - 180.0) * 3.0 * DegToRad;
    // The point's motion on the plane (Explanatory Supplement: xi' = mu' rho cos phi'
    // cos theta, eta' = mu' xi sin d), with theta the axis's hour angle at the point.
    const double phi1 = std::atan(std::tan(Point.Latitude * DegToRad) / GeodeticLatitudeFactor);
    const double theta = (At.GHA + Point.Longitude) * DegToRad;
    const double xiRate = muRate * std::cos(phi1) * std::cos(theta);
    const double etaRate = muRate * At.X * std::sin(At.Dec * DegToRad);
    const double speed = std::hypot(xRate - xiRate, yRate - etaRate);
    const double radius = At.L2 - Point.Zeta * At.TanF2;
    if (!(speed > 0.0)) return 0.0;
    return std::fabs(radius / speed) * 120.0;
}

TDayTimeRec TenMinuteEpoch(double JD) {
    TDayNumber day = JDToDayNumber(JD, true);
    if (day < 0) return {-1, 0};
    // Minute of the UT day, measured from the day's own midnight so that the day and the
    // minute always agree.
    const double minutes = (JD - DayNumberToJD(day)) * 1440.0;
    int32_t minute = static_cast<int32_t>(std::clamp(minutes, 0.0, 1439.999));
    minute = ((minute + 5) / 10) * 10;
    if (minute >= 1440) {
        minute -= 1440;
        ++day;
        if (day > StLastDayNumber) return {-1, 0};
    }
    return {day, minute * 60};
}

}  // namespace orbelune
