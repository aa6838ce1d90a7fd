#include "DateTimeRtl.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace orbelune {

namespace {

// TDateTime values of 0001-01-01 00:00 and of the end of 9999-12-31.
constexpr double MinDateTime = -693593.0;
constexpr double MaxDateTime = 2958466.0;

struct TTimeStamp {
    int32_t Time;  // milliseconds since midnight
    int32_t Date;  // days since 0001-01-01, counting that day as 1
};

// Splits a value into day and milliseconds as the run-time library does: the
// milliseconds are rounded, the day is the integer part (toward zero) and the
// time of day the absolute remainder. False when the value is out of range.
bool ToTimeStamp(TDateTime Value, TTimeStamp& Stamp) {
    if (!(Value > MinDateTime - 1 && Value < MaxDateTime)) return false;
    const int64_t MSecs =
        static_cast<int64_t>(std::nearbyint(Value * static_cast<long double>(MSecsPerDay)));
    Stamp.Date = static_cast<int32_t>(DateDelta + MSecs / MSecsPerDay);
    Stamp.Time = static_cast<int32_t>(std::llabs(MSecs) % MSecsPerDay);
    // The last half millisecond of 9999-12-31 rounds into year 10000.
    return Stamp.Date < DateDelta + static_cast<int32_t>(MaxDateTime);
}

int DaysBeforeMonth(int Year, int Month) {
    int Days = 0;
    for (int M = 1; M < Month; ++M) Days += DaysInAMonth(Year, M);
    return Days;
}

}  // namespace

bool IsLeapYear(int Year) {
    return Year % 4 == 0 && (Year % 100 != 0 || Year % 400 == 0);
}

int DaysInAMonth(int Year, int Month) {
    static constexpr int Days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (Month < 1 || Month > 12) return 0;
    return Month == 2 && IsLeapYear(Year) ? 29 : Days[Month - 1];
}

bool TryEncodeDate(int Year, int Month, int Day, TDateTime& Value) {
    if (Year < 1 || Year > 9999 || Month < 1 || Month > 12 || Day < 1 ||
        Day > DaysInAMonth(Year, Month))
        return false;
    const int32_t I = Year - 1;
    Value = I * 365 + I / 4 - I / 100 + I / 400 + DaysBeforeMonth(Year, Month) + Day - DateDelta;
    return true;
}

bool TryEncodeTime(int Hour, int Minute, int Second, int MilliSecond, TDateTime& Value) {
    if (Hour < 0 || Hour > 23 || Minute < 0 || Minute > 59 || Second < 0 || Second > 59 ||
        MilliSecond < 0 || MilliSecond > 999)
        return false;
    const int32_t MSecs = ((Hour * 60 + Minute) * 60 + Second) * 1000 + MilliSecond;
    Value = static_cast<double>(MSecs) / MSecsPerDay;
    return true;
}

bool TryEncodeDateTime(int Year, int Month, int Day, int Hour, int Minute, int Second,
                       int MilliSecond, TDateTime& Value) {
    TDateTime Date = 0;
    TDateTime Time = 0;
    if (!TryEncodeDate(Year, Month, Day, Date) ||
        !TryEncodeTime(Hour, Minute, Second, MilliSecond, Time))
        return false;
    // Before 1899-12-30 the time of day counts away from zero.
    Value = Date >= 0 ? Date + Time : Date - Time;
    return true;
}

TDateTime EncodeDate(int Year, int Month, int Day) {
    TDateTime Value = 0;
    return TryEncodeDate(Year, Month, Day, Value) ? Value : 0;
}

TDateTime EncodeTime(int Hour, int Minute, int Second, int MilliSecond) {
    TDateTime Value = 0;
    return TryEncodeTime(Hour, Minute, Second, MilliSecond, Value) ? Value : 0;
}

void DecodeDate(TDateTime Value, int& Year, int& Month, int& Day) {
    Year = Month = Day = 0;
    TTimeStamp Stamp{};
    if (!ToTimeStamp(Value, Stamp) || Stamp.Date <= 0) return;
    constexpr int32_t D1 = 365;
    constexpr int32_t D4 = D1 * 4 + 1;
    constexpr int32_t D100 = D4 * 25 - 1;
    constexpr int32_t D400 = D100 * 4 + 1;
    int32_t T = Stamp.Date - 1;
    int32_t Y = 1 + 400 * (T / D400);
    T %= D400;
    int32_t I = T / D100;
    int32_t D = T % D100;
    if (I == 4) {  // the last day of a 400-year cycle
        --I;
        D += D100;
    }
    Y += I * 100;
    I = D / D4;
    D %= D4;
    Y += I * 4;
    I = D / D1;
    D %= D1;
    if (I == 4) {  // the last day of a leap cycle
        --I;
        D += D1;
    }
    Y += I;
    int M = 1;
    while (D >= DaysInAMonth(Y, M)) {
        D -= DaysInAMonth(Y, M);
        ++M;
    }
    Year = Y;
    Month = M;
    Day = D + 1;
}

void DecodeTime(TDateTime Value, int& Hour, int& Minute, int& Second, int& MilliSecond) {
    Hour = Minute = Second = MilliSecond = 0;
    TTimeStamp Stamp{};
    if (!ToTimeStamp(Value, Stamp)) return;
    int32_t MSecs = Stamp.Time;
    MilliSecond = MSecs % 1000;
    MSecs /= 1000;
    Second = MSecs % 60;
    MSecs /= 60;
    Minute = MSecs % 60;
    Hour = MSecs / 60;
}

int YearOf(TDateTime Value) {
    int Year = 0, Month = 0, Day = 0;
    DecodeDate(Value, Year, Month, Day);
    return Year;
}

int DayOfWeek(TDateTime Value) {
    TTimeStamp Stamp{};
    if (!ToTimeStamp(Value, Stamp) || Stamp.Date <= 0) return 0;
    // 0001-01-01 (day 1) was a Monday.
    return Stamp.Date % 7 + 1;
}

namespace {

// One run of DateTimeToString; nested formats (c, ddddd, t ...) recurse one level.
class TDateTimeFormatter {
public:
    TDateTimeFormatter(TDateTime Value, const TFormatSettings& Settings) : Settings_(Settings) {
        DecodeDate(Value, Year_, Month_, Day_);
        DecodeTime(Value, Hour_, Minute_, Second_, MilliSecond_);
        WeekDay_ = DayOfWeek(Value);
    }

    std::string Result;

    void AppendFormat(const std::string& Format, int Level) {
        if (Level >= 2) return;
        char LastToken = ' ';
        bool Use12HourClock = false;
        std::size_t P = 0;
        while (P < Format.size()) {
            const char StartChar = Format[P++];
            char Token = StartChar;
            if (Token >= 'a' && Token <= 'z') Token = static_cast<char>(Token - 32);
            if (Token >= 'A' && Token <= 'Z') {
                if (Token == 'M' && LastToken == 'H') Token = 'N';
                LastToken = Token;
            }
            // Repeats count only the very same character.
            const auto Count = [&] {
                int N = 1;
                while (P < Format.size() && Format[P] == StartChar) {
                    ++P;
                    ++N;
                }
                return N;
            };
            switch (Token) {
                case 'Y': {
                    const int N = Count();
                    if (N <= 2)
                        AppendNumber(Year_ % 100, 2);
                    else
                        AppendNumber(Year_, 4);
                    break;
                }
                case 'M': {
                    const int N = Count();
                    if (N <= 2)
                        AppendNumber(Month_, N);
                    else if (N == 3)
                        AppendName(Settings_.ShortMonthNames, Month_);
                    else
                        AppendName(Settings_.LongMonthNames, Month_);
                    break;
                }
                case 'D': {
                    const int N = Count();
                    if (N <= 2)
                        AppendNumber(Day_, N);
                    else if (N == 3)
                        AppendName(Settings_.ShortDayNames, WeekDay_);
                    else if (N == 4)
                        AppendName(Settings_.LongDayNames, WeekDay_);
                    else if (N == 5)
                        AppendFormat(Settings_.ShortDateFormat, Level + 1);
                    else
                        AppendFormat(Settings_.LongDateFormat, Level + 1);
                    break;
                }
                case 'H': {
                    const int N = Count();
                    if (AmPmFollows(Format, P)) Use12HourClock = true;
                    int H = Hour_;
                    if (Use12HourClock) {
                        if (H == 0)
                            H = 12;
                        else if (H > 12)
                            H -= 12;
                    }
                    AppendNumber(H, N > 2 ? 2 : N);
                    break;
                }
                case 'N': {
                    const int N = Count();
                    AppendNumber(Minute_, N > 2 ? 2 : N);
                    break;
                }
                case 'S': {
                    const int N = Count();
                    AppendNumber(Second_, N > 2 ? 2 : N);
                    break;
                }
                case 'T': {
                    const int N = Count();
                    AppendFormat(N == 1 ? Settings_.ShortTimeFormat : Settings_.LongTimeFormat,
                                 Level + 1);
                    break;
                }
                case 'Z': {
                    const int N = Count();
                    AppendNumber(MilliSecond_, N > 2 ? 3 : N);
                    break;
                }
                case 'A': {
                    const std::size_t Start = P - 1;
                    if (MatchesAt(Format, Start, "am/pm")) {
                        Result.append(Format, Start + (Hour_ >= 12 ? 3 : 0), 2);
                        P = Start + 5;
                        Use12HourClock = true;
                    } else if (MatchesAt(Format, Start, "a/p")) {
                        Result.push_back(Format[Start + (Hour_ >= 12 ? 2 : 0)]);
                        P = Start + 3;
                        Use12HourClock = true;
                    } else if (MatchesAt(Format, Start, "ampm")) {
                        Result += Hour_ < 12 ? Settings_.TimeAMString : Settings_.TimePMString;
                        P = Start + 4;
                        Use12HourClock = true;
                    } else if (MatchesAt(Format, Start, "aaaa")) {
                        AppendName(Settings_.LongDayNames, WeekDay_);
                        P = Start + 4;
                    } else if (MatchesAt(Format, Start, "aaa")) {
                        AppendName(Settings_.ShortDayNames, WeekDay_);
                        P = Start + 3;
                    } else {
                        Result.push_back(StartChar);
                    }
                    break;
                }
                case 'C': {
                    Count();
                    AppendFormat(Settings_.ShortDateFormat, Level + 1);
                    if (Hour_ != 0 || Minute_ != 0 || Second_ != 0) {
                        Result.push_back(' ');
                        AppendFormat(Settings_.LongTimeFormat, Level + 1);
                    }
                    break;
                }
                case '/':
                    Result.push_back(Settings_.DateSeparator);
                    break;
                case ':':
                    Result.push_back(Settings_.TimeSeparator);
                    break;
                case '\'':
                case '"': {
                    const std::size_t Close = Format.find(StartChar, P);
                    const std::size_t End = Close == std::string::npos ? Format.size() : Close;
                    Result.append(Format, P, End - P);
                    P = Close == std::string::npos ? End : End + 1;
                    break;
                }
                default:
                    Result.push_back(StartChar);
            }
        }
    }

private:
    const TFormatSettings& Settings_;
    int Year_ = 0, Month_ = 0, Day_ = 0, WeekDay_ = 0;
    int Hour_ = 0, Minute_ = 0, Second_ = 0, MilliSecond_ = 0;

    void AppendNumber(int Number, int Digits) {
        char Buffer[16];
        std::snprintf(Buffer, sizeof Buffer, "%0*d", Digits, Number);
        Result += Buffer;
    }

    template <std::size_t N>
    void AppendName(const std::array<std::string, N>& Names, int Index) {
        if (Index >= 1 && Index <= static_cast<int>(N)) Result += Names[Index - 1];
    }

    static bool MatchesAt(const std::string& Format, std::size_t At, const char* Pattern) {
        for (std::size_t I = 0; Pattern[I] != '\0'; ++I) {
            if (At + I >= Format.size()) return false;
            char C = Format[At + I];
            if (C >= 'A' && C <= 'Z') C = static_cast<char>(C + 32);
            if (C != Pattern[I]) return false;
        }
        return true;
    }

    // An hour is on the 12-hour clock when an am/pm marker follows before the
    // next hour letter, outside quotes.
    static bool AmPmFollows(const std::string& Format, std::size_t P) {
        bool InQuotes = false;
        for (; P < Format.size(); ++P) {
            const char C = Format[P];
            if (C == '\'' || C == '"') {
                InQuotes = !InQuotes;
            } else if (!InQuotes && (C == 'a' || C == 'A')) {
                return MatchesAt(Format, P, "am/pm") || MatchesAt(Format, P, "a/p") ||
                       MatchesAt(Format, P, "ampm");
            } else if (C == 'h' || C == 'H') {
                return false;
            }
        }
        return false;
    }
};

}  // namespace

std::string DateTimeToString(const std::string& Format, TDateTime Value,
                             const TFormatSettings& Settings) {
    TDateTimeFormatter Formatter(Value, Settings);
    Formatter.AppendFormat(Format.empty() ? std::string("c") : Format, 0);
    return std::move(Formatter.Result);
}

std::string DateTimeToString(const std::string& Format, TDateTime Value) {
    static const TFormatSettings Defaults;
    return DateTimeToString(Format, Value, Defaults);
}

}  // namespace orbelune
