// The Chinese New Year from solar terms and new moons: the sui from one winter
// solstice to the next holds 12 or 13 lunar months, and in a sui of 13 the first month
// without a major term is the leap month.

#include <cmath>
#include <cstdint>
#include <utility>

#include "SmallMemo.h"
#include "ah_math.h"
#include "moon.h"

namespace orbelune {

namespace {

// The Newton steps of a solar term converge in a handful; the month walks of the major
// terms need at most two steps.
constexpr int kSolarTermIterations = 50;
constexpr int kMajorTermSteps = 14;

// Solar terms are 15 degrees of apparent solar longitude apart.
constexpr long double kDegreesPerTerm = 15;
constexpr long double kDaysPerTerm = 15.218424583333333333L;
// Day of the year near the March equinox (term 0): 31 + 28 + 21.
constexpr long double kEquinoxDayOfYear = 80;
// Newton step: 58 sin(diff) days is about one day per degree, near the sun's
// 1/0.9856 days per degree.
constexpr long double kStepDaysPerRadian = 58;
// The Sun's longitude is found to 1e-7 degree, a hundredth of a second of time; the
// series carry about 1e-9 degree, so a tighter tolerance would chase rounding.
constexpr long double kTermTolerance = 1e-7L;  // degrees

[[noreturn]] void OutOfRange() {
    throw E_OutOfAlgorithmRange("Out of range of the algorithm");
}

// Beijing's offset from UTC in days: 120 E from 1929 on, its local mean time before.
long double BeijingOffset(TDateTime dateTime) {
    int year = 0, month = 0, day = 0;
    DecodeCalendarDate(dateTime, year, month, day);
    return year > 1928 ? 1.0L / 3 : 0.3233796296296296296L;
}

constexpr TMoonPhase kNewMoon = 0;

// The civil year before `year`. The calendar starts at year 1, so below 2 there is
// none; checking first also keeps the subtraction from overflowing.
int PreviousYear(int year) {
    if (year < 2) throw EConvertError("Invalid year");
    return year - 1;
}

// The Beijing day of an instant. The phase and term instants count on continuously
// from 1899-12-30, before it too, so their day is the whole number below them:
// truncation would move every instant before 1900 to the following day.
TDateTime BeijingDay(TDateTime instant) {
    return std::floor(ToBeijingTime(instant));
}

}  // namespace

long double AngleDiff180(long double target, long double angle) {
    const long double diff = NormalizeDeg(target - angle);
    return diff > 180 ? diff - 360 : diff;
}

TDateTime SolarTermDate(int year, int term) {
    // The Chinese New Year, the major terms and the holiday table ask for the same few
    // terms over and over: the terms of the last few years are kept.
    static TSmallMemo<std::pair<int, int>, TDateTime, 96> memo;
    return memo.Get({year, term}, [year, term] {
        const long double dayOfYear = kDaysPerTerm * term + kEquinoxDayOfYear;
        // Terms 19..23 of a civil year fall between its January and early March.
        const int guessYear = dayOfYear > 365 ? PreviousYear(year) : year;
        TDateTime guess = EncodeCalendarDate(guessYear, 1, 1) + dayOfYear;
        const long double target = kDegreesPerTerm * term;
        for (int i = 0; i < kSolarTermIterations; ++i) {
            const long double longitude = SunApparentPosition(guess).Longitude;
            if (std::fabs(AngleDiff180(target, longitude)) <= kTermTolerance) return guess;
            guess += static_cast<TDateTime>(kStepDaysPerRadian * SinDeg(target - longitude));
        }
        OutOfRange();
    });
}

int MajorTermOfMonth(int month) {
    return static_cast<int>((2 * int64_t{month} + 18) % 24);
}

TDateTime NextMajorTerm(TDateTime dateTime) {
    int year = 0, month = 0, day = 0;
    DecodeCalendarDate(dateTime, year, month, day);
    for (int step = 0; step < kMajorTermSteps; ++step) {
        const TDateTime term = SolarTermDate(year, MajorTermOfMonth(month));
        if (term >= dateTime) return term;
        if (++month > 12) {
            month = 1;
            ++year;
        }
    }
    OutOfRange();
}

TDateTime PrevMajorTerm(TDateTime dateTime) {
    int year = 0, month = 0, day = 0;
    DecodeCalendarDate(dateTime, year, month, day);
    for (int step = 0; step < kMajorTermSteps; ++step) {
        const TDateTime term = SolarTermDate(year, MajorTermOfMonth(month));
        if (term < dateTime) return term;
        if (--month < 1) {
            month = 12;
            --year;
        }
    }
    OutOfRange();
}

TDateTime ToBeijingTime(TDateTime dateTime) {
    return static_cast<TDateTime>(dateTime + BeijingOffset(dateTime));
}

TDateTime FromBeijingTime(TDateTime dateTime) {
    return static_cast<TDateTime>(dateTime - BeijingOffset(dateTime));
}

TDateTime NewMoonOnOrBefore(TDateTime beijingDate) {
    return BeijingDay(PhaseOnOrBefore(kNewMoon, FromBeijingTime(beijingDate)));
}

TDateTime NewMoonOnOrAfter(TDateTime beijingDate) {
    return BeijingDay(PhaseOnOrAfter(kNewMoon, FromBeijingTime(beijingDate)));
}

TDateTime NextMajorTermDay(TDateTime beijingDate) {
    return BeijingDay(NextMajorTerm(FromBeijingTime(beijingDate)));
}

TDateTime PrevMajorTermDay(TDateTime beijingDate) {
    return BeijingDay(PrevMajorTerm(FromBeijingTime(beijingDate)));
}

bool MonthHasNoMajorTerm(TDateTime newMoonDay) {
    return PrevMajorTermDay(newMoonDay) == PrevMajorTermDay(NewMoonOnOrAfter(newMoonDay + 2));
}

TDateTime ChineseNewYear(int year) {
    // The winter solstices that open this sui and the next.
    const TDateTime solstice1 = NextMajorTermDay(EncodeCalendarDate(PreviousYear(year), 12, 15));
    const TDateTime solstice2 = NextMajorTermDay(EncodeCalendarDate(year, 12, 15));
    // The first two new moons after the first solstice; the second opens the new year
    // unless one of the two months is the leap month of a sui of 13 months.
    const TDateTime newMoon1 = NewMoonOnOrAfter(solstice1 + 1);
    const TDateTime newMoon2 = NewMoonOnOrAfter(newMoon1 + 4);
    const long double lunations =
        std::nearbyint((NewMoonOnOrBefore(solstice2 + 1) - newMoon1) / SynodicMonth);
    if (lunations == 12 && (MonthHasNoMajorTerm(newMoon1) || MonthHasNoMajorTerm(newMoon2)))
        return NewMoonOnOrAfter(newMoon2 + 1);
    return newMoon2;
}

}  // namespace orbelune
