#include "MyUtil.h"

#include "DateTimeRtl.h"

#include <cmath>
#include <cstdio>
#include <utility>

namespace orbelune {

TDateTime SafeEncodeDate(int Year, int Month, int Day) {
    TDateTime Value = 0;
    if (Year == 0 || Month == 0 || Day == 0 || !TryEncodeDate(Year, Month, Day, Value)) return 0;
    return Value;
}

TDateTime SafeEncodeDateTime(int Year, int Month, int Day, int Hour, int Minute, int Second,
                             int MilliSecond) {
    TDateTime Value = 0;
    if (Year == 0 || Month == 0 || Day == 0 ||
        !TryEncodeDateTime(Year, Month, Day, Hour, Minute, Second, MilliSecond, Value))
        return 0;
    return Value;
}

TDateTime JoinDateAndTime(TDateTime DateValue, TDateTime TimeValue) {
    const double TimeOfDay = TimeValue - std::trunc(TimeValue);
    if (DateValue > 0) return std::trunc(DateValue) + TimeOfDay;
    return std::trunc(DateValue) - TimeOfDay;
}

std::string DateTimeToStringSafe(const std::string& Format, TDateTime Value,
                                 const TFormatSettings& Settings) {
    // A value before 1899-12-30 is decoded as it was encoded (its day in the integer
    // part, its time of day in the absolute fraction); shifting it first would print
    // the day before and the time mirrored about noon.
    return DateTimeToString(Format, Value, Settings);
}

std::string DateTimeToStringSafe(const std::string& Format, TDateTime Value) {
    return DateTimeToString(Format, Value);
}

std::string ProperCase(const std::string& S) {
    std::string Result = S;
    for (std::size_t I = 0; I < Result.size(); ++I) {
        const bool StartsWord = I == 0 || static_cast<unsigned char>(Result[I - 1]) < 33;
        if (StartsWord && Result[I] >= 'a' && Result[I] <= 'z')
            Result[I] = static_cast<char>(Result[I] - 'a' + 'A');
    }
    return Result;
}

std::string DigitsOnly(const std::string& S) {
    std::string Result;
    for (const char C : S) {
        if (C >= '0' && C <= '9' && !(Result.empty() && C == '0')) Result.push_back(C);
    }
    return Result.empty() ? "0" : Result;
}

std::string ExtractField(uint8_t N, const std::string& S, std::string_view Delimiters,
                         bool RunsAsOne) {
    const auto IsDelimiter = [&](std::size_t I) {
        return Delimiters.find(S[I]) != std::string_view::npos;
    };
    std::string Result;
    unsigned Field = 0;
    std::size_t I = 0;
    while (I < S.size() && Field != N) {
        if (RunsAsOne) {
            while (I < S.size() && IsDelimiter(I)) ++I;
        } else if (IsDelimiter(I)) {
            ++I;
        }
        if (I < S.size()) ++Field;
        const std::size_t Start = I;
        while (I < S.size() && !IsDelimiter(I)) ++I;
        if (Field == N) Result.assign(S, Start, I - Start);
    }
    return Result;
}

std::string PadLeftToWidth(const std::string& S, int Width) {
    if (Width <= static_cast<int>(S.size())) return S;
    return std::string(static_cast<std::size_t>(Width) - S.size(), ' ') + S;
}

std::string PadRightToWidth(const std::string& S, int Length, char Pad) {
    if (Length <= static_cast<int>(S.size())) return S;
    return S + std::string(static_cast<std::size_t>(Length) - S.size(), Pad);
}

std::string FormatIntThousands(int32_t Value) {
    char Buffer[16];
    std::snprintf(Buffer, sizeof Buffer, "%10d", Value);
    std::string Result = Buffer;
    // Positions count from 1 in the ten-character field; insert from the right.
    if (Value >= 1000) Result.insert(7, 1, ',');
    if (Value > 999999) Result.insert(4, 1, ',');
    if (Value > 999999999) Result.insert(1, 1, ',');
    return Result;
}

std::string InsertThousandSeparators(const std::string& Digits) {
    std::string Result = Digits;
    const std::size_t L = Digits.size();
    // Before character L-2, L-5, ... (counted from 1), the rightmost first.
    for (std::size_t Group = 1; Group <= 5 && L > 3 * Group; ++Group)
        Result.insert(L - 3 * Group, 1, ',');
    return Result;
}

std::string FormatRoundedThousands(double Value) {
    if (std::isnan(Value)) return "NAN";
    if (std::isinf(Value)) return Value > 0 ? "INF" : "-INF";
    const double Rounded = std::nearbyint(Value);
    char Buffer[400];
    std::snprintf(Buffer, sizeof Buffer, "%.0f", std::fabs(Rounded));
    // The sign stays outside the digit groups: -123 reads "-123", not "-,123".
    const std::string Digits = InsertThousandSeparators(Buffer);
    return Rounded < 0 ? "-" + Digits : Digits;
}

void SwapInts(int& A, int& B) {
    std::swap(A, B);
}

double KmToMiles(double Km) {
    return Km * 1000 / 1609.344;
}

double MilesToKm(double Miles) {
    return Miles * 1609.344 / 1000;
}

}  // namespace orbelune
