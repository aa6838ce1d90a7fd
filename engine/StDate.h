// Day-number time scale: days since 1600-01-01 and seconds of the day, with
// conversions to and from TDateTime, day-month-year and the astronomical
// Julian Date. Pure functions; invalid input gives the sentinel -1 (day
// number, seconds), -2147483647 (Julian Date) or 0 (TDateTime), never throws.
//
// Method: integer arithmetic on a year that starts on 1 March (146097 days in 400
// years, 1461 in 4, 153 in 5 months), exact for 1600-01-01 .. 3999-12-31; the Julian
// Date by Meeus, Astronomical Algorithms, chapter 7, with the Julian calendar before
// 1582-10-15.
#pragma once

#include <cstdint>

namespace orbelune {

// The run-time library's date-time: days since 1899-12-30, the fraction is the
// time of day; for negative values the integer part is the day and the
// absolute fraction the time.
using TDateTime = double;

// Days since 1600-01-01 (Gregorian); 876581 = 3999-12-31; -1 = invalid.
using TDayNumber = int32_t;
// Seconds since midnight, 0 .. 86399; -1 = invalid.
using TDaySeconds = int32_t;

struct TDayTimeRec {
    TDayNumber D;
    TDaySeconds T;
};

inline constexpr int StFirstYear = 1600;
inline constexpr int StLastYear = 3999;
inline constexpr TDayNumber StLastDayNumber = 876581;
inline constexpr int32_t StDaysIn400Years = 146097;
inline constexpr int32_t StDaysIn4Years = 1461;
// January and February of 1600: the base of the March-based year arithmetic.
inline constexpr int32_t StDaysJanFeb1600 = 59;
inline constexpr TDayNumber StBadDayNumber = -1;
inline constexpr double StBadJulianDate = -2147483647.0;

bool YearIsLeap(int Year);
int ExpandTwoDigitYear(int Year, int Epoch);
int MonthLength(int Month, int Year, int Epoch);
bool IsValidDMY(int Day, int Month, int Year, int Epoch);
TDayNumber DMYToDayNumber(int Day, int Month, int Year, int Epoch);
void DayNumberToDMY(TDayNumber Julian, int& Day, int& Month, int& Year);
double DayNumberToJD(TDayNumber Julian);
double AstroJulianDate(int Year, int Month, int Day, TDaySeconds SecondsUT);
TDayNumber JDToDayNumber(double JD, bool Truncate);
TDayNumber AddMonthsClamped(TDayNumber Julian, int Months, int Years);
void SecondsToHMS(TDaySeconds Seconds, uint8_t& Hours, uint8_t& Minutes, uint8_t& Secs);
TDaySeconds HMSToSeconds(uint8_t Hours, uint8_t Minutes, uint8_t Secs);
TDayNumber DateTimeToDayNumber(TDateTime Value);
TDaySeconds DateTimeToDaySeconds(TDateTime Value);
TDateTime DayNumberToDateTime(TDayNumber Julian);
TDateTime DaySecondsToDateTime(TDaySeconds Seconds);
TDayTimeRec AddDaysSeconds(const TDayTimeRec& In, int32_t Days, int32_t Seconds);

}  // namespace orbelune
