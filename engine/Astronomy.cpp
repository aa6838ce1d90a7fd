// Distance, bearing, degree trigonometry, degree-minute-second and clock-hour text,
// and the daytime test of the unit Astronomy.
#include "Astronomy.h"

#include "MyUtil.h"
#include "TimeValue.h"

#include <cmath>
#include <ctime>

namespace orbelune {

namespace {

constexpr long double DegToRad = 0.017453292519943295769L;
constexpr long double RadToDeg = 57.295779513082320877L;
// Half the Earth's meridian circumference over 180 degrees: kilometres per degree.
constexpr long double KmPerDegree = 20015.086796020572722L / 180.0L;

std::string TwoDigits(int Value) {
    return (Value < 10 ? "0" : "") + std::to_string(Value);
}

// A whole number of at most nine digits, blanks around it allowed; no sign.
bool ParseUnsigned(const std::string& Text, int& Value) {
    const auto first = Text.find_first_not_of(' ');
    if (first == std::string::npos) return false;
    const auto last = Text.find_last_not_of(' ');
    const std::string digits = Text.substr(first, last - first + 1);
    if (digits.empty() || digits.size() > 9) return false;
    Value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return false;
        Value = Value * 10 + (c - '0');
    }
    return true;
}

}  // namespace

long double DSin(long double Degrees) {
    return std::sin(Degrees * DegToRad);
}
long double DCos(long double Degrees) {
    return std::cos(Degrees * DegToRad);
}
long double DTan(long double Degrees) {
    return std::tan(Degrees * DegToRad);
}
long double DArcSin(long double X) {
    return std::asin(X) * RadToDeg;
}

long double DArcCos(long double X) {
    if (!(X >= -1.0L && X <= 1.0L)) return 0.0L;
    return std::acos(X) * RadToDeg;
}

long double DArcTan2(long double Y, long double X) {
    return std::atan2(Y, X) * RadToDeg;
}

long double GreatCircleMiles(long double Lat1, long double Lon1, long double Lat2,
                             long double Lon2) {
    if (Lat1 == Lat2 && Lon1 == Lon2) return 0.0L;
    long double c = DSin(Lat1) * DSin(Lat2) + DCos(Lat1) * DCos(Lat2) * DCos(Lon1 - Lon2);
    // Rounding can push the cosine of a half-turn past -1 (or of a tiny angle past 1):
    // clamp it, or antipodal points would come out 0 miles apart.
    if (c > 1.0L) c = 1.0L;
    if (c < -1.0L) c = -1.0L;
    return KmToMiles(static_cast<double>(DArcCos(c) * KmPerDegree));
}

long double BearingDeg(long double X1, long double Y1, long double X2, long double Y2) {
    long double bearing = 90.0L - DArcTan2(Y2 - Y1, X2 - X1);
    if (bearing > 360.0L) bearing -= 360.0L;
    if (bearing < 0.0L) bearing += 360.0L;
    return bearing;
}

long double UTHoursToLocal(long double Hours, long double UTCOffsetHours) {
    // Midnight UT (0) is a time like any other; below it are the sunrise codes, which
    // callers test first.
    long double local = Hours >= 0.0L ? Hours + UTCOffsetHours : Hours - UTCOffsetHours;
    if (local > 24.0L) local -= 24.0L;
    if (local < 0.0L) local += 24.0L;
    return local;
}

std::string FormatClockHours(bool Shift, bool Use24Hour, long double Hours,
                             long double UTCOffsetHours) {
    const long double value = Shift ? UTHoursToLocal(Hours, UTCOffsetHours) : Hours;
    int h = TruncToInt(value);
    // Minutes round half away from zero.
    int minutes = TruncToInt(std::round((value - std::trunc(value)) * 60.0L));
    if (minutes == 60) {
        minutes = 0;
        ++h;
    }
    if (Use24Hour) return TwoDigits(h) + ":" + TwoDigits(minutes);
    // A time that rounds up to 24:00 is midnight, 12:00 AM, not noon.
    if (h >= 24) h -= 24;
    const bool pm = h >= 12;
    if (pm) h -= 12;
    const std::string hourText = h < 1 ? "12" : std::to_string(h);
    return hourText + ":" + TwoDigits(minutes) + (pm ? " PM" : " AM");
}

THMS HoursToHMS(long double Hours) {
    const long double fraction = Hours - std::trunc(Hours);
    const long double minutes = fraction * 60.0L;
    THMS result{TruncToInt(Hours), TruncToInt(minutes),
                TruncToInt(std::nearbyint((minutes - std::trunc(minutes)) * 60.0L))};
    if (result.Seconds == 60) {
        result.Seconds = 0;
        ++result.Minutes;
    }
    if (result.Minutes == 60) {
        result.Minutes = 0;
        ++result.Hours;
    }
    return result;
}

long double DMSToDegrees(int Degrees, int Minutes, int Seconds) {
    return Degrees + Minutes / 60.0L + Seconds / 3600.0L;
}

bool ParseDMS(const std::string& DegreeText, const std::string& MinuteText,
              const std::string& SecondText, bool Latitude, long double& Degrees) {
    int d = 0, m = 0, s = 0;
    if (!ParseUnsigned(DegreeText, d) || !ParseUnsigned(MinuteText, m) ||
        !ParseUnsigned(SecondText, s))
        return false;
    if (d > (Latitude ? 90 : 180) || m > 60 || s > 60) return false;
    Degrees = DMSToDegrees(d, m, s);
    return true;
}

std::string FormatDMS(long double Degrees) {
    // The parts are those of the angle's size, with one sign in front: split as it
    // stands, a negative angle would sign every part and lose its sign above -1 degree.
    const THMS dms = HoursToHMS(std::fabs(Degrees));
    const bool negative = Degrees < 0 && (dms.Hours != 0 || dms.Minutes != 0 || dms.Seconds != 0);
    return (negative ? "-" : "") + std::to_string(dms.Hours) + "\xB0" + "  " +
           std::to_string(dms.Minutes) + "'" + "  " + std::to_string(dms.Seconds) + "''";
}

long double HourDiffToDays(long double A, long double B) {
    return (B - A) / 24.0L;
}

bool IsDaytimeAt(long double SunriseUT, long double SunsetUT, long double UTCOffsetHours,
                 long double NowHours) {
    if (SunriseUT == SunNeverRises || SunsetUT == SunNeverRises) return false;
    if (SunriseUT == SunNeverSets || SunsetUT == SunNeverSets) return true;
    const long double rise = UTHoursToLocal(SunriseUT, UTCOffsetHours);
    const long double set = UTHoursToLocal(SunsetUT, UTCOffsetHours);
    if (rise < set) return rise <= NowHours && NowHours < set;
    return NowHours < set || NowHours >= rise;
}

bool IsDaytimeNow(long double SunriseUT, long double SunsetUT, long double UTCOffsetHours) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    const long double hours = local.tm_hour + local.tm_min / 60.0L + local.tm_sec / 3600.0L;
    return IsDaytimeAt(SunriseUT, SunsetUT, UTCOffsetHours, hours);
}

}  // namespace orbelune
