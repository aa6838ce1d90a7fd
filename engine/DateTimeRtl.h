// The run-time library's TDateTime pieces: encoding and decoding of dates and
// times and DateTimeToString with its format letters. Days count from
// 1899-12-30; a negative value keeps its day in the integer part and its time
// of day in the absolute fraction. Valid years are 1 .. 9999. Nothing throws:
// the Try forms report failure, the others give 0 or zeros.
//
// Method: the proleptic Gregorian calendar counted in days from 0001-01-01, as the
// run-time library counts them; times in whole milliseconds of the day.
#pragma once

#include "StDate.h"

#include <array>
#include <string>

namespace orbelune {

// Days from 0001-01-01 (day 1) to 1899-12-30.
inline constexpr int32_t DateDelta = 693594;
inline constexpr int32_t MSecsPerDay = 86400000;

bool IsLeapYear(int Year);
// 0 for a month outside 1 .. 12.
int DaysInAMonth(int Year, int Month);

bool TryEncodeDate(int Year, int Month, int Day, TDateTime& Value);
bool TryEncodeTime(int Hour, int Minute, int Second, int MilliSecond, TDateTime& Value);
bool TryEncodeDateTime(int Year, int Month, int Day, int Hour, int Minute, int Second,
                       int MilliSecond, TDateTime& Value);
// For a date or time known to exist; 0 otherwise.
TDateTime EncodeDate(int Year, int Month, int Day);
TDateTime EncodeTime(int Hour, int Minute, int Second, int MilliSecond);

// Zeros for a value outside the years 1 .. 9999 (or not a number).
void DecodeDate(TDateTime Value, int& Year, int& Month, int& Day);
void DecodeTime(TDateTime Value, int& Hour, int& Minute, int& Second, int& MilliSecond);
// The year of a date; 0 where DecodeDate gives zeros.
int YearOf(TDateTime Value);
// 1 = Sunday .. 7 = Saturday; 0 for an undecodable value.
int DayOfWeek(TDateTime Value);

// The locale pieces DateTimeToString reads.
struct TFormatSettings {
    char DateSeparator = '/';
    char TimeSeparator = ':';
    std::string ShortDateFormat = "M/d/yyyy";
    std::string LongDateFormat = "dddd, MMMM d, yyyy";
    std::string ShortTimeFormat = "h:mm AMPM";
    std::string LongTimeFormat = "h:mm:ss AMPM";
    std::string TimeAMString = "AM";
    std::string TimePMString = "PM";
    std::array<std::string, 12> ShortMonthNames{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::array<std::string, 12> LongMonthNames{"January",   "February", "March",    "April",
                                               "May",       "June",     "July",     "August",
                                               "September", "October",  "November", "December"};
    // Sunday first.
    std::array<std::string, 7> ShortDayNames{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    std::array<std::string, 7> LongDayNames{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                            "Thursday", "Friday", "Saturday"};
};

// Format letters (case-insensitive): c, d, dd, ddd, dddd, ddddd, dddddd, m, mm,
// mmm, mmmm (minutes right after h or hh), yy, yyyy, h, hh, n, nn, s, ss, z,
// zzz, t, tt, am/pm, a/p, ampm, / and :, and "..." or '...' for literal text.
// An empty format means "c".
std::string DateTimeToString(const std::string& Format, TDateTime Value,
                             const TFormatSettings& Settings);
std::string DateTimeToString(const std::string& Format, TDateTime Value);

}  // namespace orbelune
