// The Jewish calendar: Passover by Gauss's formula (Meeus, Astronomical Algorithms,
// chapter 9), year types from the distance of two Passovers, and month tables.

#include <cmath>

#include "moon.h"

namespace orbelune {

namespace {

// Year types 0..5 by their length in days.
constexpr int kYearLengths[6] = {353, 354, 355, 383, 384, 385};

// 1 Tishri follows 15 Nisan by this many days in every year.
constexpr int kPassoverToNewYear = 163;

// The Jewish year J runs from autumn of civil year J - 3761 to autumn of J - 3760.
constexpr int kJewishEraOffset = 3760;

// The first Jewish year whose type can be found (its Passovers from civil year 359 on).
constexpr int kFirstJewishYear = 359 + kJewishEraOffset + 1;

void CheckJewishYear(int jewishYear) {
    if (jewishYear < kFirstJewishYear) throw E_OutOfAlgorithmRange("Out of range of the algorithm");
}

}  // namespace

int JewishMonthLength(int yearType, int month) {
    switch (month) {
        case 1:
        case 3:
        case 5:
        case 7:
        case 11:
            return 30;
        case 2:
        case 4:
        case 6:
        case 10:
            return 29;
        case 8:
            return (yearType == 2 || yearType == 5) ? 30 : 29;
        case 9:
            return (yearType == 0 || yearType == 3) ? 29 : 30;
        case 12:
            return yearType >= 3 ? 30 : 29;
        case 13:
            return yearType >= 3 ? 29 : 0;
        default:
            return 0;
    }
}

TDateTime PassoverDate(int year) {
    if (year < 359) throw E_OutOfAlgorithmRange("Out of range of the algorithm");
    if (year > 9999)  // beyond the civil calendar; also keeps 12 * year in range
        throw EConvertError("Invalid year");
    const int s = year > 1582 ? (3 * (year / 100) - 5) / 4 : 0;
    const int a = (12 * year + 12) % 19;
    const int b = year % 4;
    const long double q =
        1.554241796621L * a - 1.904412361576L + 0.25L * b - 0.003177794022L * year + s;
    // Gauss's formula takes the integer below Q and the fraction above it; Q is
    // negative for many years of the Julian calendar.
    const int m = static_cast<int>(std::floor(q));
    const long double r = q - m;
    const int c = (m + 3 * year + 5 * b + 2 - s) % 7;

    int t = 22;
    if (c == 2 || c == 4 || c == 6)
        t = 23;
    else if (c == 1 && a > 6 && r >= 0.63287037L)
        t = 24;
    else if (c == 0 && a > 11 && r >= 0.897723765L)
        t = 23;

    // Day m + t of March, counted on past the end of April in the far future.
    return EncodeCalendarDate(year, 3, 1) + (m + t - 1);
}

int JewishYearType(int jewishYear) {
    CheckJewishYear(jewishYear);
    const long double length =
        std::nearbyint(static_cast<long double>(PassoverDate(jewishYear - kJewishEraOffset)) -
                       PassoverDate(jewishYear - kJewishEraOffset - 1));
    for (int type = 0; type < 6; ++type)
        if (length == kYearLengths[type]) return type;
    return 0;
}

TDateTime JewishToDateTime(int jewishYear, int month, int day) {
    const int type = JewishYearType(jewishYear);
    if (month < 1 || month > 13 || (month == 13 && type < 3)) throw EConvertError("Invalid month");
    if (day < 1 || day > JewishMonthLength(type, month)) throw EConvertError("Invalid day");
    int days = day - 1;
    for (int m = 7; m != month; m = m % 13 + 1)  // Tishri, Heshvan, .., Adar 2, Nisan, ..
        days += JewishMonthLength(type, m);
    return PassoverDate(jewishYear - kJewishEraOffset - 1) + kPassoverToNewYear + days;
}

int DateTimeToJewish(TDateTime dateTime, int& jewishYear, int& month, int& day) {
    // Work on the civil day alone: its time of day must not carry into the next day.
    const TDateTime civilDay = std::trunc(dateTime);
    int year = 0, civilMonth = 0, civilDate = 0;
    DecodeCalendarDate(civilDay, year, civilMonth, civilDate);
    TDateTime newYear = PassoverDate(year) + kPassoverToNewYear;
    jewishYear = year + kJewishEraOffset + 1;
    if (civilDay < newYear) {
        newYear = PassoverDate(year - 1) + kPassoverToNewYear;
        jewishYear = year + kJewishEraOffset;
    }
    const int type = JewishYearType(jewishYear);
    month = 7;
    day = static_cast<int>(std::nearbyint(civilDay - newYear + 1));
    for (int step = 0; step < 13 && JewishMonthLength(type, month) < day; ++step) {
        day -= JewishMonthLength(type, month);
        month = month % 13 + 1;
    }
    return type;
}

}  // namespace orbelune
