// Sun and Moon positions, sidereal time, moonrise and moonset, lunar phases; the
// methods and their accuracy are given in StAstro.h.
#include "StAstro.h"

#include <cmath>
#include <cstddef>
#include <cstdio>
#include <iterator>
#include <span>

#include "AstroConstants.h"
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
long double InvSinClamped(long double X) {
    if (X >= 1.0L) return ExtHalfPi;
    if (X <= -1.0L) return -ExtHalfPi;
    return std::asin(X);
}
long double InvCosClamped(long double X) {
    if (X >= 1.0L) return 0.0L;
    if (X <= -1.0L) return ExtPi;
    return std::acos(X);
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
void PrecessFromJ2000(long double& RA, long double& Dec, long double T) {
    constexpr long double Arcsec = ExtDegToRad / 3600.0L;
    long double Zeta = (2306.2181L * T + 0.30188L * T * T + 0.017998L * T * T * T) * Arcsec;
    long double Z = (2306.2181L * T + 1.09468L * T * T + 0.018203L * T * T * T) * Arcsec;
    long double Theta = (2004.3109L * T - 0.42665L * T * T - 0.041833L * T * T * T) * Arcsec;
    long double A = std::cos(Dec) * std::sin(RA + Zeta);
    long double B =
        std::cos(Theta) * std::cos(Dec) * std::cos(RA + Zeta) - std::sin(Theta) * std::sin(Dec);
    long double C =
        std::sin(Theta) * std::cos(Dec) * std::cos(RA + Zeta) + std::cos(Theta) * std::sin(Dec);
    RA = std::atan2(A, B) + Z;
    if (RA > ExtPi)
        RA -= 2.0L * ExtPi;
    else if (RA <= -ExtPi)
        RA += 2.0L * ExtPi;
    Dec = InvSinClamped(C);
}

// The Moon's series: every row of the longitude and distance table whose
// coefficient is not zero (59 sine terms, 46 cosine terms) and the first 48 rows
// of the latitude table, which are also its 48 largest.
constexpr std::size_t MoonLongitudeTermCount = 59;
constexpr std::size_t MoonDistanceTermCount = 46;
constexpr std::size_t MoonLatitudeTermCount = 48;

template <auto Coefficient>
constexpr std::size_t NonZeroTerms() {
    std::size_t Count = 0;
    for (const auto& Term : kMoonLongitudeDistanceTerms) Count += Term.*Coefficient != 0;
    return Count;
}
static_assert(NonZeroTerms<&MoonLongitudeDistanceTerm::SigmaL>() == MoonLongitudeTermCount);
static_assert(NonZeroTerms<&MoonLongitudeDistanceTerm::SigmaR>() == MoonDistanceTermCount);
static_assert(std::size(kMoonLatitudeTerms) >= MoonLatitudeTermCount);

// The argument of a Moon term in radians.
template <typename Term>
long double MoonArgument(const Term& T, long double D, long double M, long double Mp,
                         long double F) {
    return Rad(T.D * D + T.M * M + T.Mp * Mp + T.F * F);
}

// Terms in M or -M carry the factor E, those in 2M or -2M the factor E^2.
long double EccentricityFactor(int MultipleOfM, long double E) {
    if (MultipleOfM == 1 || MultipleOfM == -1) return E;
    if (MultipleOfM == 2 || MultipleOfM == -2) return E * E;
    return 1.0L;
}

// Cosine of a latitude. At +-90 degrees the extended cosine comes out as a tiny
// negative number, which would turn "never sets" at a pole into "never rises".
long double CosLatitude(double Latitude) {
    return std::fabs(std::cos(Rad(Latitude)));
}

// A day fraction m brought into 0..1 (frac when |m| >= 1, +1 when negative).
long double IntoDay(long double M) {
    if (std::fabs(M) >= 1.0L) M = Frac(M);
    if (M < 0.0L) M += 1.0L;
    return M;
}

// Interpolation from three equidistant values at the fraction N past the middle one.
long double Interpolate(long double Y1, long double Y2, long double Y3, long double N) {
    long double A = Y2 - Y1;
    long double B = Y3 - Y2;
    long double C = B - A;
    return Y2 + N / 2.0L * (A + B + N * C);
}

// Refines the day fraction M of a rise or set (Meeus, chapter 15). The refinement
// normally converges in two or three passes; when it still moves by more than
// 0.0005 day at the 4th pass, the 4th and 5th passes are combined once and the
// result taken. MaxPasses only guards against a refinement that never settles.
long double RefineEvent(long double M, long double Theta0, const TRADecRec& P1, const TRADecRec& P2,
                        const TRADecRec& P3, long double H0, long double Latitude,
                        long double Longitude) {
    constexpr int MaxPasses = 20;
    const long double SinPhi = std::sin(Rad(Latitude));
    const long double CosPhi = CosLatitude(Latitude);
    long double M4 = 0.0L, Dh4 = 0.0L;
    bool Have4 = false;
    for (int Pass = 1; Pass <= MaxPasses; ++Pass) {
        long double Theta = Frac((Theta0 + 360.985647L * M) / 360.0L) * 360.0L;
        long double RA = Interpolate(P1.RA, P2.RA, P3.RA, M);
        long double Dec = Rad(Interpolate(P1.Dec, P2.Dec, P3.Dec, M));
        long double H = Rad(Theta + Longitude - RA);
        long double Alt =
            Deg(InvSinClamped(SinPhi * std::sin(Dec) + CosPhi * std::cos(Dec) * std::cos(H)));
        long double Dh = Alt - H0;
        long double Dm = Dh / (360.0L * std::cos(Dec) * CosPhi * std::sin(H));
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
    TSunVector V = SunVectorJ2000(UT);
    long double RA = std::atan2(static_cast<long double>(V.Y), V.X);
    long double Dec = InvSinClamped(static_cast<long double>(V.Z) / V.R);
    PrecessFromJ2000(RA, Dec, (JulianDate(UT) - J2000) / DaysPerJulianCentury);
    return {static_cast<double>(Deg(RA)), static_cast<double>(Deg(Dec))};
}

namespace {

// The Moon's place, with RA and Dec in radians as well, for the phase values.
struct MoonPlace {
    TMoonPosRec Rec;  // all but the phase values
    long double RA, Dec;
};

// Moonrise and moonset need the place only: the Sun's place, which costs as much
// again, is left to MoonPosition.
MoonPlace MoonPlaceAt(const TDayTimeRec& UT) {
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

    // Longitude and distance share their arguments; a zero coefficient marks a
    // row that has a term of the other series only.
    long double SumL = 0.0L, SumR = 0.0L, SumB = 0.0L;
    for (const auto& Term : kMoonLongitudeDistanceTerms) {
        long double Arg = MoonArgument(Term, D, M, Mp, F);
        long double Factor = EccentricityFactor(Term.M, E);
        if (Term.SigmaL != 0) SumL += Term.SigmaL * std::sin(Arg) * Factor;
        if (Term.SigmaR != 0) SumR += Term.SigmaR * std::cos(Arg) * Factor;
    }
    for (const auto& Term : std::span(kMoonLatitudeTerms).first<MoonLatitudeTermCount>())
        SumB +=
            Term.SigmaB * std::sin(MoonArgument(Term, D, M, Mp, F)) * EccentricityFactor(Term.M, E);
    SumL +=
        3958.0L * std::sin(Rad(A1)) + 1962.0L * std::sin(Rad(Lp - F)) + 318.0L * std::sin(Rad(A2));
    SumB += -2235.0L * std::sin(Rad(Lp)) + 382.0L * std::sin(Rad(A3)) +
            175.0L * std::sin(Rad(A1 - F)) + 175.0L * std::sin(Rad(A1 + F)) +
            127.0L * std::sin(Rad(Lp - Mp)) - 115.0L * std::sin(Rad(Lp + Mp));

    long double Lambda = Rad(Lp + SumL / 1e6L);
    long double Beta = Rad(SumB / 1e6L);
    long double Distance = 385000.56L + SumR / 1000.0L;

    TMoonPosRec P{};
    P.Parallax = static_cast<double>(Deg(InvSinClamped(6378.14L / Distance)));
    P.Diameter = static_cast<double>(2.0L * 3.584734e8L / Distance / 3600.0L);

    const long double SinE = std::sin(J2000Obliquity), CosE = std::cos(J2000Obliquity);
    long double RA = std::atan2(std::sin(Lambda) * CosE - std::tan(Beta) * SinE, std::cos(Lambda));
    long double Dec =
        InvSinClamped(std::sin(Beta) * CosE + std::cos(Beta) * SinE * std::sin(Lambda));
    P.RA = static_cast<double>(Deg(RA));
    P.Dec = static_cast<double>(Deg(Dec));
    P.MeanLongitude = AngleToDouble(Lp);
    P.MeanAnomaly = AngleToDouble(Mp);
    return {P, RA, Dec};
}

}  // namespace

TMoonPosRec MoonPosition(const TDayTimeRec& UT) {
    const MoonPlace Place = MoonPlaceAt(UT);
    const long double RA = Place.RA, Dec = Place.Dec;
    TMoonPosRec P = Place.Rec;

    // Elongation from the Sun; negative values mark the waning half of the lunation.
    TRADecRec Sun = SunRADec(UT);
    long double Dec0 = Rad(Sun.Dec), RA0 = Rad(Sun.RA);
    long double CosPsi =
        std::sin(Dec0) * std::sin(Dec) + std::cos(Dec0) * std::cos(Dec) * std::cos(RA0 - RA);
    long double Illuminated = (1.0L - CosPsi) / 2.0L;
    long double Psi = Deg(InvCosClamped(CosPsi));
    if (Reduce360(Deg(RA) - Sun.RA) >= 180.0L) {
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
    long double Theta0 = GreenwichSiderealTime({Day, 0});
    long double Dec2 = Rad(P2.Dec);
    long double CosH0 = (std::sin(Rad(H0)) - std::sin(Rad(Latitude)) * std::sin(Dec2)) /
                        (CosLatitude(Latitude) * std::cos(Dec2));
    if (!(std::fabs(CosH0) < 1.0L)) {
        int32_t Code = CosH0 > 0.0L ? RiseSetAlwaysBelow : RiseSetAlwaysAbove;
        return {Code, Code};
    }
    long double HalfArc = Deg(InvCosClamped(CosH0)) / 360.0L;
    long double M0 = IntoDay((P2.RA - Longitude - Theta0) / 360.0L);
    long double M1 = IntoDay(M0 - HalfArc);
    long double M2 = IntoDay(M0 + HalfArc);
    if (!NoIteration) {
        M1 = RefineEvent(M1, Theta0, P1, P2, P3, H0, Latitude, Longitude);
        M2 = RefineEvent(M2, Theta0, P1, P2, P3, H0, Latitude, Longitude);
    }
    return {DayFractionToSeconds(M1), DayFractionToSeconds(M2)};
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
        TMoonPosRec Moon = MoonPlaceAt({Day - 1 + i, 0}).Rec;
        P[i] = {Moon.RA - Moon.Parallax, Moon.Dec};
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
        // Arguments reduced to one turn before use: the sines of huge radian
        // arguments are slow.
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
        long double C = 0.0L;
        for (const PhaseTerm& P : Terms) {
            long double Factor = P.EPower == 2 ? E * E : P.EPower == 1 ? E : 1.0L;
            C += P.Coefficient * Factor * std::sin(P.Mp * Mp + P.M * M + P.F * F + P.Omega * Omega);
        }
        if (Slot == 1 || Slot == 3) {
            long double W = 0.00306L - 0.00038L * E * std::cos(M) + 0.00026L * std::cos(Mp) -
                            0.00002L * std::cos(Mp - M) + 0.00002L * std::cos(Mp + M) +
                            0.00002L * std::cos(2.0L * F);
            C += Slot == 1 ? W : -W;
        }
        for (const PlanetaryPhaseTerm& P : kPlanetaryPhaseTerms)
            C += P.Coefficient * std::sin(Rad(Reduce360(P.A0 + P.PerK * K + P.T2 * T2)));
        Result[Slot] = static_cast<double>(JDE + C);
    }
    return Result;
}

std::array<LunationPhases, 14> YearLunations(TDayNumber Day) {
    int DayOfMonth, Month, Year;
    DayNumberToDMY(Day, DayOfMonth, Month, Year);
    long double K = std::trunc((Year - 0.05L - 2000.0L) * 12.3685L);
    if (!(Year >= K / 12.3685L + 2000.0L)) K -= 1.0L;
    std::array<LunationPhases, 14> Result;
    for (int i = 0; i < 14; ++i) Result[i] = LunationPhaseJDE(static_cast<double>(K + i));
    return Result;
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
