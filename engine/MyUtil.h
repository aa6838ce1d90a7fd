// Small date, number and text helpers shared by the windows and the engine: safe date
// encoding, text fields, padding, thousands separators and mile/kilometre conversion.
//
// In and out: plain values and strings. Method: the run-time library's date encoding
// (DateTimeRtl.h) and exact string operations; one statute mile is 1609.344 m. Pure
// functions; none of them throws.
#pragma once

#include "DateTimeRtl.h"
#include "StDate.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace orbelune {

// 0 when any part is 0 or the date does not exist.
TDateTime SafeEncodeDate(int Year, int Month, int Day);
// 0 when year, month or day is 0 or the date or time does not exist.
TDateTime SafeEncodeDateTime(int Year, int Month, int Day, int Hour, int Minute, int Second,
                             int MilliSecond);
// The day of DateValue with the time of day of TimeValue.
TDateTime JoinDateAndTime(TDateTime DateValue, TDateTime TimeValue);
// DateTimeToString with the default or the given format settings. A value before
// 1899-12-30 prints the day and time it was encoded with (DateTimeRtl.h).
std::string DateTimeToStringSafe(const std::string& Format, TDateTime Value);
std::string DateTimeToStringSafe(const std::string& Format, TDateTime Value,
                                 const TFormatSettings& Settings);

std::string ProperCase(const std::string& S);
std::string DigitsOnly(const std::string& S);
// The N-th field (from 1) of S between any of the Delimiters characters; with
// RunsAsOne a run of delimiters separates like a single one.
std::string ExtractField(uint8_t N, const std::string& S, std::string_view Delimiters,
                         bool RunsAsOne);
std::string PadLeftToWidth(const std::string& S, int Width);
std::string PadRightToWidth(const std::string& S, int Length, char Pad);
std::string FormatIntThousands(int32_t Value);
std::string InsertThousandSeparators(const std::string& Digits);
std::string FormatRoundedThousands(double Value);

void SwapInts(int& A, int& B);
double KmToMiles(double Km);
double MilesToKm(double Miles);

}  // namespace orbelune
