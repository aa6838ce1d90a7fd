// The holiday table of one civil year (25 civil, religious and observance days, the
// two clock changes of the local zone and, in the years that have two, a second
// Hanukah), the rule of every holiday, the n-th weekday of a month, a working-day
// counter and the fixed daylight-saving rules the world clocks use for foreign cities.
//
// In:  a civil year (the rules), a TDateTime (the lookup and the daylight tests).
// Out: TDateTime values at 00:00 of the day (the clock changes at the local time of the
//      change); 0 where a rule has no date.
// Method: Easter by the Gregorian computus in Oudin's form (Explanatory Supplement to
//      the Astronomical Almanac, 1992, 12.22), Orthodox Easter by the Julian computus
//      (Meeus chapter 8), Passover by Gauss's formula (Meeus chapter 9),
//      Hanukah from the Jewish calendar and the Chinese New Year of unit moon; the
//      others by fixed dates and n-th weekdays; the clock changes from the machine's
//      zone rules (Astronomy.h).
// Accuracy: exact calendar rules; the Chinese New Year as unit moon computes it.
// Reference: J. Meeus, Astronomical Algorithms, 2nd ed. (Willmann-Bell, 1998).
//
// The table is program-wide state of the user-interface thread, written only by
// BuildHolidayTable and the sort. Weekdays here are 1 = Monday .. 7 = Sunday.
#pragma once

#include "StDate.h"

#include <array>
#include <cstdint>
#include <string>

namespace orbelune {

inline constexpr int32_t HolidayCount = 28;
inline constexpr size_t HolidayNameLength = 20;

// An array indexed 1 .. HolidayCount, as the table's entries are numbered.
template <typename T>
struct THolidayArray {
    std::array<T, HolidayCount> Items{};
    T& operator[](int32_t Index) { return Items.at(static_cast<size_t>(Index - 1)); }
    const T& operator[](int32_t Index) const { return Items.at(static_cast<size_t>(Index - 1)); }
    auto begin() { return Items.begin(); }
    auto end() { return Items.end(); }
    auto begin() const { return Items.begin(); }
    auto end() const { return Items.end(); }
};

// Entry dates of HolidayTableYear, ascending after a build. A date of 0 is no date: a
// clock change of a zone without daylight time, a rule outside its range, or a Hanukah
// that falls in another year.
extern THolidayArray<TDateTime> HolidayDates;
extern THolidayArray<std::string> HolidayNames;
extern int32_t HolidayTableYear;  // 0 until the first build

void BuildHolidayTable(int32_t Year);
// The first holiday of Date's day at or after entry Index (from 1): Index becomes its
// entry and Name its name; with none, Name is empty and Index unchanged. Call again with
// Index + 1 for a second holiday of the same day. Rebuilds the table for another year.
void GetHolidayName(int32_t& Index, TDateTime Date, std::string& Name);
void SortHolidayTable();
void QuickSortHolidays(int32_t Lo, int32_t Hi);

// The rules; each takes the year and gives the day at 00:00 (the clock changes at the
// local time of the change, 0 in a zone without daylight time). None raises: a year
// that a rule's calendar cannot reach (outside 1 .. 9999, before the Jewish calendar's
// first year, the first civil year for the Chinese New Year) gives 0, no date.
TDateTime NewYearsDay(int32_t Year);
TDateTime ThirdMondayOfJanuary(int32_t Year);
TDateTime ChinaNewYear(int32_t Year);
TDateTime GroundhogDay(int32_t Year);
TDateTime ThirdMondayOfFebruary(int32_t Year);
TDateTime AshWednesday(int32_t Year);
TDateTime GoodFriday(int32_t Year);
TDateTime EasterSunday(int32_t Year);
TDateTime OrthodoxEaster(int32_t Year);  // Julian-calendar Easter, as a Gregorian date
TDateTime PassoverDay1(int32_t Year);
TDateTime MothersDay(int32_t Year);
TDateTime MemorialDay(int32_t Year);
TDateTime FathersDay(int32_t Year);
TDateTime FourthOfJuly(int32_t Year);
TDateTime LaborDay(int32_t Year);
TDateTime JewishNewYear(int32_t Year);
TDateTime SecondMondayOfOctober(int32_t Year);
TDateTime Halloween(int32_t Year);
TDateTime ElectionDay(int32_t Year);
TDateTime VeteransDay(int32_t Year);
TDateTime ThanksgivingDay(int32_t Year);
// 25 Kislev of the Jewish year holding 15 December; from 3031 on, 18 years up to 3429
// give 1 or 2 January of the next year.
TDateTime HanukahDay1(int32_t Year);
TDateTime ChristmasDay(int32_t Year);
TDateTime DaylightStartOfYear(int32_t Year);
TDateTime DaylightEndOfYear(int32_t Year);
TDateTime February14(int32_t Year);
TDateTime March17(int32_t Year);

// Day of the month of the N-th Weekday (N = 5 or more: the last one); 7 when an
// argument is below 1, 0 for a month that does not exist.
int32_t NthWeekdayDay(int32_t Weekday, int32_t Year, int32_t Month, int32_t N);
TDateTime NthWeekdayDate(int32_t Weekday, int32_t Year, int32_t Month, int32_t N);

// Working days (Monday to Friday) from B to A: positive when A >= B, counting the days
// after B up to A; negative otherwise, counting from A up to the day before B. Over
// more than 20 years, the estimate 5/7 of the days.
int32_t CountWeekdays(TDateTime A, TDateTime B);

// Fixed daylight-saving rules of the United States, the European Union (T in UTC) and
// New Zealand, with the windows of a year. The United States and New Zealand rules
// are those in force since 2007, and the earlier ones for earlier years.
bool IsDaylightUS(TDateTime T);
bool IsDaylightEU(TDateTime T);
bool IsDaylightNZ(TDateTime T);
TDateTime USDaylightStart(int32_t Year);
TDateTime USDaylightEnd(int32_t Year);
TDateTime EUDaylightStart(int32_t Year);
TDateTime EUDaylightEnd(int32_t Year);
TDateTime NZDaylightStart(int32_t Year);
TDateTime NZDaylightEnd(int32_t Year);

}  // namespace orbelune
