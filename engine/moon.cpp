// Julian Days and civil dates: the TDateTime link, the Julian calendar before the
// Gregorian change and the Gregorian calendar from it on (Meeus, Astronomical
// Algorithms, chapter 7).

#include "moon.h"

#include "AstroConstants.h"

#include <cmath>

namespace orbelune {

namespace {

enum class Calendar { Julian, Gregorian };

bool IsLeap(int year, Calendar calendar) {
    if (calendar == Calendar::Julian) return year % 4 == 0;
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

long double CivilToJD(int year, int month, int day, Calendar calendar) {
    if (year < 1 || year >= 10000) throw EConvertError("Invalid year");
    if (month < 0) throw EConvertError("Invalid month");
    // March-based year: January and February are months 13 and 14 of the year before.
    int y = year;
    int m = month;
    if (m <= 2) {
        m += 12;
        --y;
    }
    if (m > 14) throw EConvertError("Invalid month");

    int lastDay = 31;
    if (m == 4 || m == 6 || m == 9 || m == 11)
        lastDay = 30;
    else if (m == 14)
        lastDay = IsLeap(y + 1, calendar) ? 29 : 28;  // February lies in year y + 1
    if (day < 1 || day > lastDay) throw EConvertError("Invalid day");

    long double jd =
        std::trunc(365.25L * (y + 4716)) + std::trunc(30.6001L * (m + 1)) + day - 1524.5L;
    if (calendar == Calendar::Gregorian) jd += 2 - y / 100 + y / 400;
    return jd;
}

void JDToCivil(long double jd, Calendar calendar, int& year, int& month, int& day) {
    if (!(jd >= 0)) throw EConvertError("Negative julian dates not supported");
    if (jd > 1e11L)  // far beyond any year an int holds
        throw EConvertError("Invalid year");
    const long double z = std::trunc(jd + 0.5L);
    long double b = z + 1524;
    if (calendar == Calendar::Gregorian) {
        const long double alpha = std::trunc((z - 1867216.25L) / 36524.25L);
        b = z + alpha - std::trunc(alpha / 4) + 1525;
    }
    const long double c = std::trunc((b - 122.1L) / 365.25L);
    const long double d = std::trunc(365.25L * c);
    const long double e = std::trunc((b - d) / 30.6001L);
    day = static_cast<int>(b - d - std::trunc(30.6001L * e));
    if (e > 13) {
        month = static_cast<int>(e) - 13;
        year = static_cast<int>(c) - 4715;
    } else {
        month = static_cast<int>(e) - 1;
        year = static_cast<int>(c) - 4716;
    }
}

}  // namespace

long double DateTimeToJD(TDateTime dateTime) {
    return dateTime + static_cast<long double>(DateTimeJDOffset);
}

TDateTime JDToDateTime(long double jd) {
    return static_cast<TDateTime>(jd - DateTimeJDOffset);
}

long double JulianCalendarToJD(int year, int month, int day) {
    return CivilToJD(year, month, day, Calendar::Julian);
}

long double GregorianToJD(int year, int month, int day) {
    return CivilToJD(year, month, day, Calendar::Gregorian);
}

long double CalendarDateToJDAt(int year, int month, int day, long double changeJD) {
    const long double julian = JulianCalendarToJD(year, month, day);
    if (changeJD > julian) return julian;
    const long double gregorian = GregorianToJD(year, month, day);
    if (changeJD > gregorian) throw EConvertError("Date invalid due to calendar change");
    return gregorian;
}

long double CalendarDateToJD(int year, int month, int day) {
    return CalendarDateToJDAt(year, month, day, GregorianChangeJD);
}

void JDToJulianCalendar(long double jd, int& year, int& month, int& day) {
    JDToCivil(jd, Calendar::Julian, year, month, day);
}

void JDToGregorianCalendar(long double jd, int& year, int& month, int& day) {
    JDToCivil(jd, Calendar::Gregorian, year, month, day);
}

void JDToCalendarDateAt(long double changeJD, long double jd, int& year, int& month, int& day) {
    JDToCivil(jd, changeJD > jd ? Calendar::Julian : Calendar::Gregorian, year, month, day);
}

void JDToCalendarDate(long double jd, int& year, int& month, int& day) {
    JDToCalendarDateAt(GregorianChangeJD, jd, year, month, day);
}

TDateTime EncodeCalendarDate(int year, int month, int day) {
    return JDToDateTime(CalendarDateToJD(year, month, day));
}

void DecodeCalendarDate(TDateTime dateTime, int& year, int& month, int& day) {
    JDToCalendarDate(DateTimeToJD(dateTime), year, month, day);
}

}  // namespace orbelune
