// The holiday table of one year: building, sorting and the day lookup.
#include "Holidays.h"

#include "DateTimeRtl.h"

#include <climits>
#include <cmath>
#include <utility>

namespace orbelune {

THolidayArray<TDateTime> HolidayDates;
THolidayArray<std::string> HolidayNames;
int32_t HolidayTableYear = 0;

namespace {

using HolidayRule = TDateTime (*)(int32_t);

// From 3032 on, 25 Kislev of the Jewish year that begins in the autumn can fall on 1 or
// 2 January (18 times up to 3429): that Hanukah belongs to the year it falls in, which
// then has a second one in December.
TDateTime HanukahDay1OfTheYearBefore(int32_t Year) {
    return Year > INT32_MIN ? HanukahDay1(Year - 1) : 0;
}

struct HolidayEntry {
    const char* Name;
    HolidayRule Rule;
};

// In fill order; the build sorts them by date.
constexpr HolidayEntry HolidayEntries[HolidayCount] = {
    {"New Year's Day", NewYearsDay},
    {"Martin L. King", ThirdMondayOfJanuary},
    {"China New Year", ChinaNewYear},
    {"Groundhog Day", GroundhogDay},
    {"Wash. Birthday", ThirdMondayOfFebruary},
    {"Ash Wednesday", AshWednesday},
    {"Good Friday", GoodFriday},
    {"Easter", EasterSunday},
    {"Orthodox Easter", OrthodoxEaster},
    {"Passover Day 1", PassoverDay1},
    {"Mother's Day", MothersDay},
    {"Memorial Day", MemorialDay},
    {"Father's Day", FathersDay},
    {"Fourth of July", FourthOfJuly},
    {"Labor Day", LaborDay},
    {"Jewish New Year", JewishNewYear},
    {"Columbus Day", SecondMondayOfOctober},
    {"Halloween", Halloween},
    {"Election Day", ElectionDay},
    {"Veterans Day", VeteransDay},
    {"Thanksgiving", ThanksgivingDay},
    {"Hanukah Day 1", HanukahDay1},
    {"Christmas", ChristmasDay},
    {"Clock Ahead 1H", DaylightStartOfYear},
    {"Clock Back 1H", DaylightEndOfYear},
    {"Valentine's Day", February14},
    {"St Patrick's Day", March17},
    {"Hanukah Day 1", HanukahDay1OfTheYearBefore},
};

}  // namespace

void BuildHolidayTable(int32_t Year) {
    HolidayTableYear = Year;
    for (int32_t i = 1; i <= HolidayCount; ++i) {
        const HolidayEntry& entry = HolidayEntries[i - 1];
        HolidayDates[i] = entry.Rule(Year);
        // The table marks days of its own year only: a Hanukah of 1 January is the
        // next year's.
        if (YearOf(HolidayDates[i]) != Year) HolidayDates[i] = 0;
        HolidayNames[i] = std::string(entry.Name).substr(0, HolidayNameLength);
    }
    SortHolidayTable();
}

void GetHolidayName(int32_t& Index, TDateTime Date, std::string& Name) {
    Name.clear();
    const double day = std::trunc(Date);
    int year = 0, month = 0, dayOfMonth = 0;
    DecodeDate(day, year, month, dayOfMonth);
    if (year == 0) return;
    if (year != HolidayTableYear) BuildHolidayTable(year);
    for (int32_t i = Index < 1 ? 1 : Index; i <= HolidayCount; ++i) {
        // Date 0 marks an entry without a date, not 1899-12-30.
        if (HolidayDates[i] != 0 && std::trunc(HolidayDates[i]) == day) {
            Index = i;
            Name = HolidayNames[i];
            return;
        }
    }
}

void SortHolidayTable() {
    QuickSortHolidays(1, HolidayCount);
}

void QuickSortHolidays(int32_t Lo, int32_t Hi) {
    if (Lo < 1 || Hi > HolidayCount || Lo >= Hi) return;
    const TDateTime pivot = HolidayDates[(Lo + Hi) / 2];
    int32_t i = Lo, j = Hi;
    do {
        while (HolidayDates[i] < pivot) ++i;
        while (pivot < HolidayDates[j]) --j;
        if (i <= j) {
            std::swap(HolidayDates[i], HolidayDates[j]);
            std::swap(HolidayNames[i], HolidayNames[j]);
            ++i;
            --j;
        }
    } while (i <= j);
    if (Lo < j) QuickSortHolidays(Lo, j);
    if (i < Hi) QuickSortHolidays(i, Hi);
}

}  // namespace orbelune
