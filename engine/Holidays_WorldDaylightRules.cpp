// Fixed daylight-saving rules of the world clocks: the United States (second Sunday of
// March to first Sunday of November since 2007, first Sunday of April to last Sunday
// of October before), the European Union (last Sunday of March to last Sunday of
// October at 01:00 UTC) and New Zealand (last Sunday of September to first Sunday of
// April since the 2007/08 season, first Sunday of October to third Sunday of March
// before). Local changes happen at 02:00.
#include "Holidays.h"

#include "DateTimeRtl.h"

namespace orbelune {

namespace {

constexpr int32_t Sunday = 7, Last = 5;
constexpr TDateTime TwoHours = 2.0 / 24.0, OneHour = 1.0 / 24.0;

}  // namespace

TDateTime USDaylightStart(int32_t Year) {
    return Year >= 2007 ? NthWeekdayDate(Sunday, Year, 3, 2) + TwoHours
                        : NthWeekdayDate(Sunday, Year, 4, 1) + TwoHours;
}

TDateTime USDaylightEnd(int32_t Year) {
    return Year >= 2007 ? NthWeekdayDate(Sunday, Year, 11, 1) + TwoHours
                        : NthWeekdayDate(Sunday, Year, 10, Last) + TwoHours;
}

TDateTime EUDaylightStart(int32_t Year) {
    return NthWeekdayDate(Sunday, Year, 3, Last) + OneHour;
}
TDateTime EUDaylightEnd(int32_t Year) {
    return NthWeekdayDate(Sunday, Year, 10, Last) + OneHour;
}

// The season that starts in Year.
TDateTime NZDaylightStart(int32_t Year) {
    return Year >= 2007 ? NthWeekdayDate(Sunday, Year, 9, Last) + TwoHours
                        : NthWeekdayDate(Sunday, Year, 10, 1) + TwoHours;
}

// The end, in Year, of the season that started the year before.
TDateTime NZDaylightEnd(int32_t Year) {
    return Year >= 2008 ? NthWeekdayDate(Sunday, Year, 4, 1) + TwoHours
                        : NthWeekdayDate(Sunday, Year, 3, 3) + TwoHours;
}

bool IsDaylightUS(TDateTime T) {
    const int32_t year = YearOf(T);
    return year != 0 && USDaylightStart(year) <= T && T < USDaylightEnd(year);
}

bool IsDaylightEU(TDateTime T) {
    const int32_t year = YearOf(T);
    return year != 0 && EUDaylightStart(year) <= T && T < EUDaylightEnd(year);
}

bool IsDaylightNZ(TDateTime T) {
    const int32_t year = YearOf(T);
    return year != 0 && (T >= NZDaylightStart(year) || T < NZDaylightEnd(year));
}

}  // namespace orbelune
