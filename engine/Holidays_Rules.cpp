// The date rules of the holiday table, the n-th weekday of a month and the
// working-day counter.
#include "Holidays.h"

#include "Astronomy.h"
#include "DateTimeRtl.h"
#include "Exceptions.h"
#include "MyUtil.h"
#include "moon.h"

#include <cmath>
#include <cstdlib>
#include <optional>

namespace orbelune {

namespace {

// 1 = Monday .. 7 = Sunday; 0 for a date that cannot be decoded.
int IsoWeekday(TDateTime Day) {
    const int sundayFirst = DayOfWeek(Day);  // 1 = Sunday .. 7 = Saturday
    return sundayFirst == 0 ? 0 : (sundayFirst + 5) % 7 + 1;
}

constexpr int32_t Monday = 1, Thursday = 4, Sunday = 7;

// A rule built on the Julian, Chinese or Jewish calendar of unit moon gives no date for a
// year that calendar cannot reach, as every other rule does, instead of raising.
template <typename Rule>
TDateTime DateOrNone(Rule rule) {
    try {
        return rule();
    } catch (const Exception&) {
        return 0;
    }
}

// The day Days days from another rule's date; none where that rule has none.
TDateTime DaysFrom(TDateTime Date, int Days) {
    return Date == 0 ? 0 : Date + Days;
}

}  // namespace

int32_t NthWeekdayDay(int32_t Weekday, int32_t Year, int32_t Month, int32_t N) {
    if (Weekday < 1 || Year < 1 || Month < 1 || N < 1) return 7;
    const int length = DaysInAMonth(Year, Month);
    const TDateTime first = SafeEncodeDate(Year, Month, 1);
    if (length == 0 || first == 0) return 0;
    int32_t found = 0, count = 0;
    for (int day = 1; day <= length && count < N; ++day) {
        if (IsoWeekday(first + (day - 1)) == Weekday) {
            found = day;
            ++count;
        }
    }
    return found;
}

TDateTime NthWeekdayDate(int32_t Weekday, int32_t Year, int32_t Month, int32_t N) {
    return SafeEncodeDateTime(Year, Month, NthWeekdayDay(Weekday, Year, Month, N), 0, 0, 0, 0);
}

TDateTime NewYearsDay(int32_t Year) {
    return SafeEncodeDateTime(Year, 1, 1, 0, 0, 0, 0);
}
TDateTime ThirdMondayOfJanuary(int32_t Year) {
    return NthWeekdayDate(Monday, Year, 1, 3);
}
TDateTime ChinaNewYear(int32_t Year) {
    return DateOrNone([Year] { return ChineseNewYear(Year); });
}
TDateTime GroundhogDay(int32_t Year) {
    return SafeEncodeDateTime(Year, 2, 2, 0, 0, 0, 0);
}
TDateTime ThirdMondayOfFebruary(int32_t Year) {
    return NthWeekdayDate(Monday, Year, 2, 3);
}
TDateTime AshWednesday(int32_t Year) {
    return DaysFrom(EasterSunday(Year), -46);
}
TDateTime GoodFriday(int32_t Year) {
    return DaysFrom(EasterSunday(Year), -2);
}

TDateTime EasterSunday(int32_t Year) {
    // Years outside the calendar have no date. Checking first also keeps the
    // remainders below non-negative, so that 29 / (h + 1) never divides by zero.
    if (Year < 1 || Year > 9999) return 0;
    const int32_t g = Year % 19, c = Year / 100;
    const int32_t h = (c - c / 4 - (8 * c + 13) / 25 + 19 * g + 15) % 30;
    const int32_t i = h - (h / 28) * (1 - (29 / (h + 1)) * ((21 - g) / 11));
    const auto j = static_cast<int32_t>((int64_t{Year} + Year / 4 + i + 2 - c + c / 4) % 7);
    const int32_t l = i - j;
    const int32_t month = 3 + (l + 40) / 44;
    const int32_t day = l + 28 - 31 * (month / 4);
    TDateTime date = SafeEncodeDate(Year, month, day);
    // The formula lands on the Sunday; the walk only guards against a year it misses.
    for (int step = 0; step < 7 && date != 0 && IsoWeekday(date) != Sunday; ++step) date += 1;
    return date;
}

TDateTime OrthodoxEaster(int32_t Year) {
    const int32_t i = (19 * (Year % 19) + 15) % 30;
    const auto j = static_cast<int32_t>((int64_t{Year} + Year / 4 + i) % 7);
    const int32_t l = i - j;
    const int32_t month = 3 + (l + 40) / 44;
    const int32_t day = l + 28 - 31 * (month / 4);
    return DateOrNone([=] { return JDToDateTime(JulianCalendarToJD(Year, month, day)); });
}

// Gauss's formula for 15 Nisan, given as a Gregorian date.
TDateTime PassoverDay1(int32_t Year) {
    const long double c = std::floor((3.0L * std::floor(Year / 100.0L) - 5.0L) / 4.0L);
    const int32_t b = Year % 4;
    const auto a = static_cast<int32_t>((int64_t{12} * Year + 12) % 19);
    const long double q =
        1.554241796621L * a - 1.904412361576L + 0.25L * b - 0.003177794022L * Year + c;
    const long double mFloor = std::floor(q);
    const long double f = q - mFloor;
    const int32_t m = static_cast<int32_t>(mFloor);
    const int32_t w = static_cast<int32_t>(
        std::fmod(static_cast<long double>(m) + 3.0L * Year + 5.0L * b - c + 2.0L, 7.0L));
    int32_t d = (w == 2 || w == 4 || w == 6) ? m + 23 : m + 22;
    if (w == 1 && a > 6 && f >= 0.63287037L) d = m + 24;
    if (w == 0 && a > 11 && f >= 0.897723765L) d = m + 23;
    return d <= 31 ? SafeEncodeDate(Year, 3, d) : SafeEncodeDate(Year, 4, d - 31);
}

TDateTime MothersDay(int32_t Year) {
    return NthWeekdayDate(Sunday, Year, 5, 2);
}
TDateTime MemorialDay(int32_t Year) {
    return NthWeekdayDate(Monday, Year, 5, 5);
}
TDateTime FathersDay(int32_t Year) {
    return NthWeekdayDate(Sunday, Year, 6, 3);
}
TDateTime FourthOfJuly(int32_t Year) {
    return SafeEncodeDateTime(Year, 7, 4, 0, 0, 0, 0);
}
TDateTime LaborDay(int32_t Year) {
    return NthWeekdayDate(Monday, Year, 9, 1);
}
TDateTime JewishNewYear(int32_t Year) {
    return DaysFrom(PassoverDay1(Year), 163);
}
TDateTime SecondMondayOfOctober(int32_t Year) {
    return NthWeekdayDate(Monday, Year, 10, 2);
}
TDateTime Halloween(int32_t Year) {
    return SafeEncodeDateTime(Year, 10, 31, 0, 0, 0, 0);
}
TDateTime ElectionDay(int32_t Year) {
    return DaysFrom(NthWeekdayDate(Monday, Year, 11, 1), 1);
}
TDateTime VeteransDay(int32_t Year) {
    return SafeEncodeDateTime(Year, 11, 11, 0, 0, 0, 0);
}
TDateTime ThanksgivingDay(int32_t Year) {
    return NthWeekdayDate(Thursday, Year, 11, 4);
}

TDateTime HanukahDay1(int32_t Year) {
    const TDateTime december15 = SafeEncodeDate(Year, 12, 15);
    if (december15 == 0) return 0;
    return DateOrNone([december15] {
        int jewishYear = 0, month = 0, day = 0;
        DateTimeToJewish(december15, jewishYear, month, day);
        return JewishToDateTime(jewishYear, 9, 25);
    });
}

TDateTime ChristmasDay(int32_t Year) {
    return SafeEncodeDateTime(Year, 12, 25, 0, 0, 0, 0);
}

namespace {

// The zone state for a day of Year when the zone has daylight time then; nothing for
// a year without dates or a zone without it. A zone that could not be read leaves the
// window of the last one that could in the state: not this zone's, so none.
std::optional<TTimeZoneState> DaylightZoneOfYear(int32_t Year, int32_t Month, int32_t Day) {
    const TDateTime date = SafeEncodeDate(Year, Month, Day);
    if (date == 0) return std::nullopt;
    TTimeZoneState state = TimeZoneAt(date);
    if (!state.ZoneHasDaylight) return std::nullopt;
    return state;
}

}  // namespace

TDateTime DaylightStartOfYear(int32_t Year) {
    const auto state = DaylightZoneOfYear(Year, 4, 4);
    return state ? state->DaylightStart : 0;
}

TDateTime DaylightEndOfYear(int32_t Year) {
    const auto state = DaylightZoneOfYear(Year, 10, 28);
    return state ? state->DaylightEnd : 0;
}

TDateTime February14(int32_t Year) {
    return SafeEncodeDateTime(Year, 2, 14, 0, 0, 0, 0);
}
TDateTime March17(int32_t Year) {
    return SafeEncodeDateTime(Year, 3, 17, 0, 0, 0, 0);
}

int32_t CountWeekdays(TDateTime A, TDateTime B) {
    const long double a = std::trunc(static_cast<long double>(A));
    const long double b = std::trunc(static_cast<long double>(B));
    const long double span = std::fabs(a - b);
    // Beyond any calendar (or not a number): no count.
    if (!(span > 0) || span > 4.0e6L) return 0;
    const int32_t n = static_cast<int32_t>(span);
    int32_t count = 0;
    if (std::abs(n / 365) > 20) {
        count = static_cast<int32_t>(std::nearbyint(n * 5.0L / 7.0L));
    } else {
        const TDateTime start = static_cast<TDateTime>(a >= b ? b + 1 : a);
        for (int32_t i = 0; i < n; ++i) {
            const int weekday = IsoWeekday(start + i);
            if (weekday >= 1 && weekday <= 5) ++count;
        }
    }
    return a >= b ? count : -count;
}

}  // namespace orbelune
