// Small astronomy helpers of the windows. TDateTime arguments are Universal Time.
// Altitude and azimuth follow Meeus, Astronomical Algorithms, eq. 13.5 and 13.6,
// with the Moon's parallax applied to the altitude (Meeus, chapter 40) and the
// observer's height lowering the horizon.
#include "AstroExtras.h"

#include <algorithm>
#include <cmath>

#include "Astronomy.h"
#include "MyUtil.h"
#include "StAstro.h"
#include "TimeValue.h"
#include "moon.h"

namespace orbelune {

namespace {

double Frac(double X) {
    return X - std::trunc(X);
}

// Arcsine in degrees of an argument that rounding may have pushed past +-1.
long double ArcSinDegClamped(long double X) {
    return DArcSin(std::clamp(X, -1.0L, 1.0L));
}

TDayTimeRec ToDayTime(TDateTime T) {
    return {DateTimeToDayNumber(T), DateTimeToDaySeconds(T)};
}

}  // namespace

bool TimeInWindow(double X, double Start, double End) {
    if (Start < End) return Start <= X && X < End;
    return X >= Start || X < End;
}

double MoonIconShade(const TDayTimeRec& UT) {
    // The phase routines read a TDateTime as a plain count of days.
    TDateTime T = DayNumberToDateTime(UT.D) + UT.T / 86400.0;
    double P = static_cast<double>(MoonPhaseAngle(T));
    double Sign = P > 0.0 ? 1.0 : P < 0.0 ? -1.0 : 0.0;
    return Sign * (1.0 - std::fabs(P) / 180.0);
}

TDayTimeRec HoursToDayTime(const TDayTimeRec& Rec, double Hours) {
    if (Rec.D == -1) return Rec;
    double Seconds = std::nearbyint(Hours * 3600.0);
    // More than a few thousand years either way cannot be a valid instant.
    if (!std::isfinite(Seconds) || std::fabs(Seconds) > 2.0e9) return {-1, Rec.T};
    return AddDaysSeconds(Rec, 0, static_cast<int32_t>(Seconds));
}

double AddSignedHours(double Hours, TDateTime T) {
    if (Hours == 0.0) return T;
    if (T >= 0.0) {
        const double Shifted = T + Hours / 24.0;
        if (Shifted >= 0.0) return Shifted;
    }
    // Before 1899-12-30 the day counts backwards while the time of day runs forward,
    // so a shift across midnight is made on the continuous day count.
    return LinearToDateTime(DateTimeToLinear(T) + Hours / 24.0L);
}

double SiderealDays(TDateTime T) {
    return std::trunc(T) + GreenwichSiderealTime(ToDayTime(T)) / 360.0;
}

double HourAngleDeg(double RAHours, double Longitude, TDateTime T) {
    double H = (Frac(SiderealDays(T)) * 24.0 + Longitude / 15.0 - RAHours) * 15.0;
    return H < 0.0 ? H + 360.0 : H;
}

void EquatorialToAltAz(double& Alt, double& Az, int32_t Height, double Parallax, double Dec,
                       double RA, double Latitude, double Longitude, TDateTime T) {
    long double H = HourAngleDeg(RA / 15.0, Longitude, T);
    // Azimuth from the south (Meeus 13.5), turned to count from the north.
    long double A = DArcTan2(DSin(H), DCos(H) * DSin(Latitude) - DTan(Dec) * DCos(Latitude));
    A += 180.0L;
    if (A < 0.0L) A += 360.0L;
    long double h =
        ArcSinDegClamped(DSin(Latitude) * DSin(Dec) + DCos(Latitude) * DCos(Dec) * DCos(H));
    h -= ArcSinDegClamped(DSin(Parallax) * DCos(h));
    if (Height >= 0)
        h -= 0.0195L * std::sqrt(static_cast<long double>(Height));
    else
        h += 0.0195L * std::sqrt(-static_cast<long double>(Height));
    Alt = static_cast<double>(h);
    Az = static_cast<double>(A);
}

double LocalSiderealDeg(double Offset, TDateTime T) {
    return Offset + GreenwichSiderealTime(ToDayTime(T));
}

std::string AngleToHMSText(double Degrees) {
    // A sidereal time west of Greenwich comes out negative: -15 degrees is 23:00:00.
    double Reduced = std::fmod(Degrees, 360.0);
    if (Reduced < 0) Reduced += 360.0;
    return DateTimeToStringSafe("hh:mm:ss", Reduced / 15.0 / 24.0);
}

}  // namespace orbelune
