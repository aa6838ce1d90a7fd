// Sun and Moon positions, sidereal time, moonrise and moonset, lunar phases; the
// methods and their accuracy are given in StAstro.h.
#include "StAstro.h"

#include <cmath>
#include <cstddef>
#include <cstdio>
#include <iterator>
#include <optional>
#include <span>

#include "AstroConstants.h"
#include "MoonSeries.h"
#include "SeriesTrig.h"
#include "SmallMemo.h"
#include "SunJ2000.h"
#include "ah_math.h"
#include "moonTerms.h"

namespace orbelune {

const long double AJDOffset = DateTimeJDOffset;

namespace {

long double Frac(long double X) {
    return X - std::trunc(X);
}

long double Rad(long double Degrees) {
    return Degrees * ExtDegToRad;
}
long double Deg(long double Radians) {
    return Radians * ExtRadToDeg;
}

// Arcsine and arccosine in radians; arguments that rounding pushed a hair past
// +-1 count as +-1.
double InvSinClamped(double X) {
    if (X >= 1.0) return static_cast<double>(ExtHalfPi);
    if (X <= -1.0) return -static_cast<double>(ExtHalfPi);
    return std::asin(X);
}
double InvCosClamped(double X) {
    if (X >= 1.0) return 0.0;
    if (X <= -1.0) return static_cast<double>(ExtPi);
    return std::acos(X);
}

// Sine and cosine in double precision of an angle given in radians.
struct TSinCos {
    double Sin, Cos;
};
TSinCos SinCosOf(long double Radians) {
    TSinCos r{};
    SeriesSinCos(static_cast<double>(Radians), r.Sin, r.Cos);
    return r;
}

// The J2000 obliquity with which the Moon's ecliptic places turn equatorial.
const TSinCos& ObliquityJ2000() {
    static const TSinCos value = SinCosOf(J2000Obliquity);
    return value;
}

// X reduced into [0, 360).
long double Reduce360(long double X) {
    X = Frac(X / 360.0L) * 360.0L;
    return X < 0.0L ? X + 360.0L : X;
}

// An angle of [0, 360) as a double: rounding must not turn 359.99... into 360.
double AngleToDouble(long double X) {
    double D = static_cast<double>(X);
    return D >= 360.0 ? 0.0 : D;
}

long double JulianDate(const TDayTimeRec& UT) {
    return DayNumberToJD(UT.D) + static_cast<long double>(UT.T) / SecondsPerDay;
}

// Equatorial coordinates (radians) from the mean equator and equinox J2000 to
// those of the date T Julian centuries later (Meeus, Astronomical Algorithms,
// eq. 21.3 and 21.4).
void PrecessFromJ2000(double& RA, double& Dec, long double T) {
    constexpr long double Arcsec = ExtDegToRad / 3600.0L;
    const long double Zeta = (2306.2181L * T + 0.30188L * T * T + 0.017998L * T * T * T) * Arcsec;
    const long double Z = (2306.2181L * T + 1.09468L * T * T + 0.018203L * T * T * T) * Arcsec;
    const long double Theta = (2004.3109L * T - 0.42665L * T * T - 0.041833L * T * T * T) * Arcsec;
    const TSinCos theta = SinCosOf(Theta), dec = SinCosOf(Dec), ra = SinCosOf(RA + Zeta);
    const double A = dec.Cos * ra.Sin;
    const double B = theta.Cos * dec.Cos * ra.Cos - theta.Sin * dec.Sin;
    const double C = theta.Sin * dec.Cos * ra.Cos + theta.Cos * dec.Sin;
    RA = static_cast<double>(std::atan2(A, B) + Z);
    if (RA > ExtPi)
        RA -= static_cast<double>(2.0L * ExtPi);
    else if (RA <= -ExtPi)
        RA += static_cast<double>(2.0L * ExtPi);
    Dec = InvSinClamped(C);
}

// The Moon's series: every row of the longitude and distance table (59 sine terms,
// 46 cosine terms have a coefficient) and the first 48 rows of the latitude table,
// which are also its 48 largest.
constexpr std::size_t MoonLatitudeTermCount = 48;
static_assert(std::size(kMoonLatitudeTerms) >= MoonLatitudeTermCount);

// Cosine of a latitude. At +-90 degrees the cosine comes out as a tiny number of either
// sign, and a negative one would turn "never sets" at a pole into "never rises".
double CosLatitude(double Latitude) {
    return std::fabs(SinCosOf(Rad(Latitude)).Cos);
}

// A day fraction m brought into 0..1 (frac when |m| >= 1, +1 when negative).
long double IntoDay(long double M) {
    if (std::fabs(M) >= 1.0L) M = Frac(M);
    if (M < 0.0L) M += 1.0L;
    return M;
}

// Interpolation from three equidistant values Y1, Y2, Y3 at the fraction N past the
// middle one: Y2 + N/2 (A + B + N C) with A = Y2 - Y1, B = Y3 - Y2, C = B - A.
struct TInterpolation {
    long double Y2, AB, C;
    TInterpolation(long double Y1, long double Y2_, long double Y3) : Y2(Y2_) {
        const long double A = Y2_ - Y1, B = Y3 - Y2_;
        AB = A + B;
        C = B - A;
    }
    long double At(long double N) const { return Y2 + N / 2.0L * (AB + N * C); }
};

// Refines the day fraction M of a rise or set (Meeus, chapter 15). The refinement
// normally converges in two or three passes; when it still moves by more than
// 0.0005 day at the 4th pass, the 4th and 5th passes are combined once and the
// result taken. MaxPasses only guards against a refinement that never settles.
long double RefineEvent(long double M, long double Theta0, const TInterpolation& RA,
                        const TInterpolation& Dec, long double H0, const TSinCos& Phi,
                        long double Longitude) {
    constexpr int MaxPasses = 20;
    long double M4 = 0.0L, Dh4 = 0.0L;
    bool Have4 = false;
    for (int Pass = 1; Pass <= MaxPasses; ++Pass) {
        const long double Theta = Frac((Theta0 + 360.985647L * M) / 360.0L) * 360.0L;
        const TSinCos delta = SinCosOf(Rad(Dec.At(M)));
        const TSinCos h = SinCosOf(Rad(Theta + Longitude - RA.At(M)));
        const long double Alt =
            Deg(InvSinClamped(Phi.Sin * delta.Sin + Phi.Cos * delta.Cos * h.Cos));
        const long double Dh = Alt - H0;
        const long double Dm = Dh / (360.0L * delta.Cos * Phi.Cos * h.Sin);
        if (!std::isfinite(Dm)) break;
        M += Dm;
        if (Pass >= 4 && std::fabs(Dm) >= 0.0005L) {
            if (Pass == 4) {
                M4 = M;
                Dh4 = Dh;
                Have4 = true;
            } else if (Pass == 5 && Have4 && Dh != 0.0L) {
                M = M4 + (Dh4 / Dh) * (M4 - M);
                break;
            }
        } else if (std::fabs(Dm) < 0.0001L) {
            break;
        }
    }
    return M;
}

// The day's event near the day fraction M, or nothing when the day has none. The
// refinement goes to the nearest event, which may lie on the day before or after; the
// day's own, if it has one, is then about one lunar day (24 h 50 min for the Moon) on
// the other side, so it is sought once more a day over.
std::optional<long double> EventOfTheDay(long double M, long double Theta0,
                                         const TInterpolation& RA, const TInterpolation& Dec,
                                         long double H0, const TSinCos& Phi,
                                         long double Longitude) {
    const auto InDay = [](long double m) { return m >= 0.0L && m < 1.0L; };
    M = RefineEvent(M, Theta0, RA, Dec, H0, Phi, Longitude);
    if (InDay(M) || !std::isfinite(M)) return M;
    M = RefineEvent(M < 0.0L ? M + 1.0L : M - 1.0L, Theta0, RA, Dec, H0, Phi, Longitude);
    if (InDay(M)) return M;
    return std::nullopt;
}

// Seconds of the UT day 0..86399 of a day fraction. A refinement that wandered
// more than a day away (a Moon grazing the horizon) is still brought into the day,
// so the result never collides with the markers.
int32_t DayFractionToSeconds(long double M) {
    if (!std::isfinite(M)) return 0;
    if (M >= 1.0L || M < 0.0L) M -= std::floor(M);
    long double S = M * SecondsPerDay;
    int32_t Seconds = static_cast<int32_t>(std::trunc(S));
    if (Seconds < 0)
        Seconds += SecondsPerDay;
    else if (Seconds > SecondsPerDay - 1)
        Seconds -= SecondsPerDay;
    return Seconds;
}

}  // namespace

bool IsValidDayTime(const TDayTimeRec& UT) {
    return UT.D >= 0 && UT.D <= StLastDayNumber && UT.T >= 0 && UT.T < SecondsPerDay;
}

double GreenwichSiderealTime(const TDayTimeRec& UT) {
    if (!IsValidDayTime(UT)) return -1.0;
    long double D = JulianDate(UT) - J2000;
    long double T = D / DaysPerJulianCentury;
    long double Theta =
        280.46061837L + 360.98564736629L * D + 0.000387933L * T * T - T * T * T / 3.871e7L;
    return AngleToDouble(Reduce360(Theta));
}

TSunVector SunVectorJ2000(const TDayTimeRec& UT) {
    if (!IsValidDayTime(UT)) return {-99.0, -99.0, -99.0, -99.0, -99.0, -99.0};
    long double Tau = (JulianDate(UT) - J2000) / DaysPerJulianMillennium;
    const TSunJ2000 Sun = SunFromEarthJ2000(Tau);
    TSunVector V;
    V.X = static_cast<double>(Sun.X);
    V.Y = static_cast<double>(Sun.Y);
    V.Z = static_cast<double>(Sun.Z);
    V.R = static_cast<double>(Sun.R);
    V.L = AngleToDouble(Deg(Sun.L));
    V.B = static_cast<double>(Deg(Sun.B));
    return V;
}

// The vector's direction is referred to J2000, while the Moon's place and the
// sidereal time that every user of these coordinates combines them with are
// referred to the equinox of date: without the precession the Sun would sit
// 0.35 degree off in 2025 and 4 degrees off in 1700.
TRADecRec SunRADec(const TDayTimeRec& UT) {
    if (!IsValidDayTime(UT)) return {-1.0, -99.0};
    const TSunVector V = SunVectorJ2000(UT);
    double RA = std::atan2(V.Y, V.X);
    double Dec = InvSinClamped(V.Z / V.R);
    PrecessFromJ2000(RA, Dec, (JulianDate(UT) - J2000) / DaysPerJulianCentury);
    return {static_cast<double>(Deg(RA)), static_cast<double>(Deg(Dec))};
}

namespace {

// The Moon's place, with RA and Dec in radians as well, for the phase values.
struct TMoonPlace {
    TMoonPosRec Rec;  // all but the phase values
    double RA, Dec;
};

// Moonrise and moonset need the place only: the Sun's place, which costs as much
// again, is left to MoonPosition.
TMoonPlace MoonPlaceAt(const TDayTimeRec& UT) {
    long double T = (JulianDate(UT) - J2000) / DaysPerJulianCentury;
    long double T2 = T * T, T3 = T2 * T, T4 = T3 * T;

    long double Lp = Reduce360(218.3164477L + 481267.88123421L * T - 0.0015786L * T2 +
                               T3 / 538841.0L - T4 / 6.5194e7L);
    long double D = Reduce360(297.8501921L + 445267.1114034L * T - 0.0018819L * T2 +
                              T3 / 545868.0L - T4 / 1.13065e8L);
    long double M = Reduce360(357.5291092L + 35999.0502909L * T - 0.0001536L * T2 + T3 / 2.449e7L);
    long double Mp = Reduce360(134.9633964L + 477198.8675055L * T + 0.0087414L * T2 +
                               T3 / 69699.0L - T4 / 14712000.0L);
    long double F = Reduce360(93.2720950L + 483202.0175233L * T - 0.0036539L * T2 -
                              T3 / 3526000.0L + T4 / 8.6331e8L);
    long double A1 = 119.75L + 131.849L * T;
    long double A2 = 53.09L + 479264.29L * T;
    long double A3 = 313.45L + 481266.484L * T;
    long double E = 1.0L - 0.002516L * T - 0.0000074L * T2;

    const TMoonSums Sums = MoonSeriesSums(D, M, Mp, F, E, MoonLatitudeTermCount);
    const auto Sin = [](long double Degrees) { return SinCosOf(Rad(Degrees)).Sin; };
    const long double SumL =
        Sums.Longitude + 3958.0L * Sin(A1) + 1962.0L * Sin(Lp - F) + 318.0L * Sin(A2);
    const long double SumB = Sums.Latitude - 2235.0L * Sin(Lp) + 382.0L * Sin(A3) +
                             175.0L * Sin(A1 - F) + 175.0L * Sin(A1 + F) + 127.0L * Sin(Lp - Mp) -
                             115.0L * Sin(Lp + Mp);

    const TSinCos Lambda = SinCosOf(Rad(Lp + SumL / 1e6L));
    const TSinCos Beta = SinCosOf(Rad(SumB / 1e6L));
    const long double Distance = 385000.56L + Sums.Distance / 1000.0L;

    TMoonPosRec P{};
    P.Parallax = static_cast<double>(Deg(InvSinClamped(static_cast<double>(6378.14L / Distance))));
    P.Diameter = static_cast<double>(2.0L * 3.584734e8L / Distance / 3600.0L);

    const TSinCos& Eps = ObliquityJ2000();
    const double RA = std::atan2(Lambda.Sin * Eps.Cos - Beta.Sin / Beta.Cos * Eps.Sin, Lambda.Cos);
    const double Dec = InvSinClamped(Beta.Sin * Eps.Cos + Beta.Cos * Eps.Sin * Lambda.Sin);
    P.RA = static_cast<double>(Deg(RA));
    P.Dec = static_cast<double>(Deg(Dec));
    P.MeanLongitude = AngleToDouble(Lp);
    P.MeanAnomaly = AngleToDouble(Mp);
    return {P, RA, Dec};
}

// The places of the Moon at 0h that moonrise and moonset take from three days, kept for
// the neighbouring days of the next call (a year's table asks for each day three times).
struct TMoonDayPlace {
    TRADecRec Place;  // RA lowered by the parallax, and Dec
    double Parallax;
};

TMoonDayPlace MoonAtZeroHours(TDayNumber Day) {
    static TSmallMemo<TDayNumber, TMoonDayPlace, 8> Memo;
    return Memo.Get(Day, [Day] {
        const TMoonPosRec Moon = MoonPlaceAt({Day, 0}).Rec;
        return TMoonDayPlace{{Moon.RA - Moon.Parallax, Moon.Dec}, Moon.Parallax};
    });
}

}  // namespace

TMoonPosRec MoonPlace(const TDayTimeRec& UT) {
    if (!IsValidDayTime(UT)) {
        TMoonPosRec P{};
        P.RA = -1.0;
        P.Dec = -1.0;
        return P;
    }
    return MoonPlaceAt(UT).Rec;
}

TMoonPosRec MoonPosition(const TDayTimeRec& UT) {
    const TMoonPlace Place = MoonPlaceAt(UT);
    TMoonPosRec P = Place.Rec;

    // Elongation from the Sun; negative values mark the waning half of the lunation.
    const TRADecRec Sun = SunRADec(UT);
    const TSinCos Dec0 = SinCosOf(Rad(Sun.Dec)), Dec = SinCosOf(Place.Dec);
    const TSinCos DRA = SinCosOf(Rad(Sun.RA) - Place.RA);
    const double CosPsi = Dec0.Sin * Dec.Sin + Dec0.Cos * Dec.Cos * DRA.Cos;
    long double Illuminated = (1.0L - CosPsi) / 2.0L;
    long double Psi = Deg(InvCosClamped(CosPsi));
    if (Reduce360(Deg(Place.RA) - Sun.RA) >= 180.0L) {
        Illuminated = -Illuminated;
        Psi = -Psi;
    }
    P.Illuminated = static_cast<double>(Illuminated);
    P.PhaseAngle = static_cast<double>(Psi);
    return P;
}

TMoonPosRec MoonPositionChecked(const TDayTimeRec& UT) {
    if (!IsValidDayTime(UT)) {
        TMoonPosRec P{};
        P.RA = -1.0;
        P.Dec = -1.0;
        return P;
    }
    return MoonPosition(UT);
}

TRiseSetRec RiseSetIteration(TDayNumber Day, const TRADecRec& P1, const TRADecRec& P2,
                             const TRADecRec& P3, double H0, bool NoIteration, double Latitude,
                             double Longitude) {
    if (!IsValidDayTime({Day, 0})) return {RiseSetInvalidDay, RiseSetInvalidDay};
    const long double Theta0 = GreenwichSiderealTime({Day, 0});
    const TSinCos Phi{SinCosOf(Rad(Latitude)).Sin, CosLatitude(Latitude)};
    const TSinCos Dec2 = SinCosOf(Rad(P2.Dec));
    const double CosH0 = (SinCosOf(Rad(H0)).Sin - Phi.Sin * Dec2.Sin) / (Phi.Cos * Dec2.Cos);
    if (!(std::fabs(CosH0) < 1.0)) {
        int32_t Code = CosH0 > 0.0 ? RiseSetAlwaysBelow : RiseSetAlwaysAbove;
        return {Code, Code};
    }
    const long double HalfArc = Deg(InvCosClamped(CosH0)) / 360.0L;
    const long double M0 = IntoDay((P2.RA - Longitude - Theta0) / 360.0L);
    const long double M1 = IntoDay(M0 - HalfArc);
    const long double M2 = IntoDay(M0 + HalfArc);
    if (NoIteration) return {DayFractionToSeconds(M1), DayFractionToSeconds(M2)};
    const TInterpolation RA(P1.RA, P2.RA, P3.RA), Dec(P1.Dec, P2.Dec, P3.Dec);
    const auto Seconds = [](std::optional<long double> M) {
        return M ? DayFractionToSeconds(*M) : RiseSetNoEvent;
    };
    return {Seconds(EventOfTheDay(M1, Theta0, RA, Dec, H0, Phi, Longitude)),
            Seconds(EventOfTheDay(M2, Theta0, RA, Dec, H0, Phi, Longitude))};
}

// The Moon's places are taken at 0h of the days before, of and after the day. The
// right ascensions are lowered by the horizontal parallax and the sidereal time is
// that of the day before; each alone would shift the events by about four minutes,
// in opposite directions, and together they nearly cancel, so both stay.
TRiseSetRec MoonRiseSet(TDayNumber Day, int32_t Height, double Longitude, double Latitude) {
    // The days before and after must be valid (compared so that no day number overflows).
    if (Day < 1 || Day > StLastDayNumber - 1) return {RiseSetInvalidDay, RiseSetInvalidDay};
    TRADecRec P[3];
    double Parallax = 0.0;
    for (int i = 0; i < 3; ++i) {
        const TMoonDayPlace Moon = MoonAtZeroHours(Day - 1 + i);
        P[i] = Moon.Place;
        if (i == 1) Parallax = Moon.Parallax;
    }
    if (P[1].RA < P[0].RA) P[1].RA += 360.0;
    if (P[2].RA < P[1].RA) P[2].RA += 360.0;
    double H0 = 0.7275 * Parallax - 0.5666667;
    if (Height >= 0)
        H0 -= 0.0195 * std::sqrt(static_cast<double>(Height));
    else
        H0 += 0.0195 * std::sqrt(-static_cast<double>(Height));
    return RiseSetIteration(Day - 1, P[0], P[1], P[2], H0, false, Latitude, Longitude);
}

LunationPhases LunationPhaseJDE(double K0) {
    LunationPhases Result{};
    for (int i = 0; i < 4; ++i) {
        long double K = K0 + 0.25L * i;
        long double T = K / 1236.85L;
        long double T2 = T * T, T3 = T2 * T, T4 = T3 * T;
        long double JDE = 2451550.09765L + 29.530588853L * K + 0.0001337L * T2 - 0.00000015L * T3 +
                          0.00000000073L * T4;
        // Arguments reduced to one turn, so that their small multiples stay small.
        long double M =
            Rad(Reduce360(2.5534L + 29.1053569L * K - 0.0000218L * T2 - 0.00000011L * T3));
        long double Mp = Rad(Reduce360(201.5643L + 385.81693528L * K + 0.0107438L * T2 +
                                       0.00001239L * T3 - 0.000000058L * T4));
        long double F = Rad(Reduce360(160.7108L + 390.67050274L * K - 0.0016341L * T2 -
                                      0.00000227L * T3 + 0.000000011L * T4));
        long double Omega =
            Rad(Reduce360(124.7746L - 1.5637558L * K + 0.0020691L * T2 + 0.00000215L * T3));
        long double E = 1.0L - 0.002516L * T - 0.0000074L * T2;

        // The fraction of k tells the phase; other fractions leave their field 0.
        long double Fk = Frac(K);
        if (Fk < 0.0L) Fk += 1.0L;
        int Slot;
        std::span<const PhaseTerm> Terms;
        if (Fk < 0.01L) {
            Slot = 0;
            Terms = kNewMoonTerms;
        } else if (std::fabs(Fk - 0.5L) < 0.01L) {
            Slot = 2;
            Terms = kFullMoonTerms;
        } else if (std::fabs(Fk - 0.25L) < 0.01L) {
            Slot = 1;
            Terms = kQuarterMoonTerms;
        } else if (std::fabs(Fk - 0.75L) < 0.01L) {
            Slot = 3;
            Terms = kQuarterMoonTerms;
        } else {
            continue;
        }
        const auto Sin = [](long double Radians) { return SinCosOf(Radians).Sin; };
        const auto Cos = [](long double Radians) { return SinCosOf(Radians).Cos; };
        long double C = 0.0L;
        for (const PhaseTerm& P : Terms) {
            long double Factor = P.EPower == 2 ? E * E : P.EPower == 1 ? E : 1.0L;
            C += P.Coefficient * Factor * Sin(P.Mp * Mp + P.M * M + P.F * F + P.Omega * Omega);
        }
        if (Slot == 1 || Slot == 3) {
            long double W = 0.00306L - 0.00038L * E * Cos(M) + 0.00026L * Cos(Mp) -
                            0.00002L * Cos(Mp - M) + 0.00002L * Cos(Mp + M) +
                            0.00002L * Cos(2.0L * F);
            C += Slot == 1 ? W : -W;
        }
        for (const PlanetaryPhaseTerm& P : kPlanetaryPhaseTerms)
            C += P.Coefficient * Sin(Rad(P.A0 + P.PerK * K + P.T2 * T2));
        Result[Slot] = static_cast<double>(JDE + C);
    }
    return Result;
}

std::array<LunationPhases, 14> YearLunations(TDayNumber Day) {
    int DayOfMonth, Month, Year;
    DayNumberToDMY(Day, DayOfMonth, Month, Year);
    // The month-phase routines ask for the same year again and again: the last few years'
    // lunations are kept.
    static TSmallMemo<int, std::array<LunationPhases, 14>, 4> Memo;
    return Memo.Get(Year, [Year] {
        long double K = std::trunc((Year - 0.05L - 2000.0L) * 12.3685L);
        if (!(Year >= K / 12.3685L + 2000.0L)) K -= 1.0L;
        std::array<LunationPhases, 14> Result;
        for (int i = 0; i < 14; ++i) Result[i] = LunationPhaseJDE(static_cast<double>(K + i));
        return Result;
    });
}

TPhaseDates PhaseDatesInMonth(TDayNumber Day, int Phase) {
    TPhaseDates Result{{{-1, -1}, {-1, -1}}};
    if (Phase < 0 || Phase > 3) return Result;
    int DayOfMonth, Month, Year;
    DayNumberToDMY(Day, DayOfMonth, Month, Year);
    if (Month < 1) return Result;
    const auto Lunations = YearLunations(Day);
    int Found = 0;
    for (int i = Month - 1; i <= Month + 1 && Found < 2; ++i) {
        double JDE = Lunations[i][Phase];
        TDayNumber PhaseDay = JDToDayNumber(JDE, true);
        if (PhaseDay < 0) continue;
        int PD, PM, PY;
        DayNumberToDMY(PhaseDay, PD, PM, PY);
        if (PM != Month || PY != Year) continue;
        int32_t Seconds = static_cast<int32_t>(
            std::trunc((Frac(static_cast<long double>(JDE)) + 0.5L) * SecondsPerDay));
        if (Seconds > SecondsPerDay - 1) Seconds -= SecondsPerDay;
        Result[Found++] = {PhaseDay, Seconds};
    }
    return Result;
}

TPhaseDates NewMoonDates(TDayNumber Day) {
    return PhaseDatesInMonth(Day, 0);
}
TPhaseDates FirstQuarterDates(TDayNumber Day) {
    return PhaseDatesInMonth(Day, 1);
}
TPhaseDates FullMoonDates(TDayNumber Day) {
    return PhaseDatesInMonth(Day, 2);
}
TPhaseDates LastQuarterDates(TDayNumber Day) {
    return PhaseDatesInMonth(Day, 3);
}

std::string RAToText(double RA) {
    long double X = RA;
    if (!std::isfinite(X)) X = 0.0L;
    if (std::fabs(X) >= 360.0L) X = Frac(X / 360.0L) * 360.0L;
    if (X < 0.0L) X += 360.0L;
    if (X >= 360.0L) X = 0.0L;  // a tiny negative angle rounds to a full turn
    long double Hours = X / 15.0L;
    char Minutes[32];
    std::snprintf(Minutes, sizeof Minutes, "%5.2f", static_cast<double>(Frac(Hours) * 60.0L));
    if (Minutes[0] == ' ') Minutes[0] = '0';
    int H = static_cast<int>(std::trunc(Hours));
    char HoursText[16];
    std::snprintf(HoursText, sizeof HoursText, "%2d", H);
    std::string MinutesText = Minutes;
    if (MinutesText == "60.00") {
        MinutesText = "00.00";
        ++H;
        if (H == 24)
            std::snprintf(HoursText, sizeof HoursText, "0");
        else
            std::snprintf(HoursText, sizeof HoursText, "%2d", H);
    }
    return std::string(HoursText) + " " + MinutesText;
}

std::string DecToText(double Dec) {
    long double X = Dec;
    if (!std::isfinite(X)) X = 0.0L;
    if (std::fabs(X) > 90.0L) X = Frac(X / 90.0L) * 90.0L;
    const bool Negative = X < 0.0L;
    int Degrees = static_cast<int>(std::trunc(X));
    char Minutes[32];
    std::snprintf(Minutes, sizeof Minutes, "%4.1f",
                  static_cast<double>(Frac(std::fabs(X)) * 60.0L));
    if (Minutes[0] == ' ') Minutes[0] = '0';
    std::string MinutesText = Minutes;
    if (MinutesText == "60.0") {
        MinutesText = "00.0";
        Degrees += Negative ? -1 : 1;
    }
    // The sign comes from the angle, so that -0 degrees and some minutes keep it.
    const int Size = Degrees < 0 ? -Degrees : Degrees;
    std::string DegreesText =
        std::string(Negative ? "-" : "+") + (Size < 10 ? " " : "") + std::to_string(Size);
    return DegreesText + " " + MinutesText;
}

double AstroJDToDateTime(long double JD) {
    return static_cast<double>(JD - AJDOffset);
}

}  // namespace orbelune
