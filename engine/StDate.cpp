#include "StDate.h"

#include "AstroConstants.h"
#include "DateTimeRtl.h"

#include <cmath>
#include <cstdlib>

namespace orbelune {

namespace {

// Dates from 1582-10-15 on are Gregorian, earlier ones Julian.
bool IsGregorianDate(int Year, int Month, int Day) {
    if (Year != 1582) return Year > 1582;
    if (Month != 10) return Month > 10;
    return Day >= 15;
}

}  // namespace

bool YearIsLeap(int Year) {
    return Year % 4 == 0 && Year % 4000 != 0 && (Year % 100 != 0 || Year % 400 == 0);
}

int ExpandTwoDigitYear(int Year, int Epoch) {
    // The two-digit test looks at the low 16 bits only, as the year was once a word.
    if (static_cast<uint16_t>(Year) >= 100) return Year;
    int64_t Expanded = int64_t{Year} + int64_t{Epoch / 100} * 100;
    if (Year < Epoch % 100) Expanded += 100;
    if (Expanded > INT32_MAX || Expanded < INT32_MIN)
        return Year;  // an absurd epoch: leave the year alone
    return static_cast<int>(Expanded);
}

int MonthLength(int Month, int Year, int Epoch) {
    Year = ExpandTwoDigitYear(Year, Epoch);
    if (Year < StFirstYear || Year > StLastYear || Month < 1 || Month > 12) return 0;
    switch (Month) {
        case 2:
            return YearIsLeap(Year) ? 29 : 28;
        case 4:
        case 6:
        case 9:
        case 11:
            return 30;
        default:
            return 31;
    }
}

bool IsValidDMY(int Day, int Month, int Year, int Epoch) {
    Year = ExpandTwoDigitYear(Year, Epoch);
    return Day >= 1 && Year >= StFirstYear && Year <= StLastYear && Month >= 1 && Month <= 12 &&
           Day <= MonthLength(Month, Year, 0);
}

TDayNumber DMYToDayNumber(int Day, int Month, int Year, int Epoch) {
    Year = ExpandTwoDigitYear(Year, Epoch);
    if (!IsValidDMY(Day, Month, Year, 0)) return StBadDayNumber;
    if (Year == StFirstYear && Month < 3) return Month == 1 ? Day - 1 : Day + 30;
    // Years start on 1 March so that February's length is the year's last day.
    if (Month > 2) {
        Month -= 3;
    } else {
        Month += 9;
        --Year;
    }
    const int32_t Century = (Year - StFirstYear) / 100;
    const int32_t YearOfCentury = (Year - StFirstYear) % 100;
    return (Century * StDaysIn400Years) / 4 + (YearOfCentury * StDaysIn4Years) / 4 +
           (153 * Month + 2) / 5 + Day + StDaysJanFeb1600;
}

void DayNumberToDMY(TDayNumber Julian, int& Day, int& Month, int& Year) {
    Day = Month = Year = 0;
    if (Julian < 0) return;
    if (Julian <= StDaysJanFeb1600) {
        Year = StFirstYear;
        if (Julian <= 30) {
            Month = 1;
            Day = Julian + 1;
        } else {
            Month = 2;
            Day = Julian - 30;
        }
        return;
    }
    // 64-bit so that day numbers past the valid range cannot overflow.
    int64_t I = 4 * (int64_t{Julian} - StDaysJanFeb1600) - 1;
    const int64_t J = 4 * ((I % StDaysIn400Years) / 4) + 3;
    int64_t Y = 100 * (I / StDaysIn400Years) + J / StDaysIn4Years;
    I = 5 * (((J % StDaysIn4Years) + 4) / 4) - 3;
    Day = static_cast<int>(((I % 153) + 5) / 5);
    int M = static_cast<int>(I / 153);
    if (M < 10) {
        M += 3;
    } else {
        M -= 9;
        ++Y;
    }
    Month = M;
    Year = static_cast<int>(Y + StFirstYear);
}

double DayNumberToJD(TDayNumber Julian) {
    return static_cast<double>(Julian - 0.5L + 2305448);
}

double AstroJulianDate(int Year, int Month, int Day, TDaySeconds SecondsUT) {
    if (Month < 1 || Month > 12 || Day < 1 || SecondsUT < 0 || SecondsUT >= SecondsPerDay)
        return StBadJulianDate;
    int Limit = 31;
    if (Month == 4 || Month == 6 || Month == 9 || Month == 11)
        Limit = 30;
    else if (Month == 2)
        Limit = YearIsLeap(Year) ? 29 : 28;
    if (Day > Limit) return StBadJulianDate;

    const bool Gregorian = IsGregorianDate(Year, Month, Day);
    int64_t Y = Year;
    int64_t M = Month;
    if (M < 3) {
        M += 12;
        --Y;
    }
    int64_t B = 0;
    if (Gregorian) {
        const int64_t A = std::llabs(Y / 100);
        B = A / 4 - A + 2;
    }
    const long double JD = std::trunc(365.25L * (Y + 4716)) + std::trunc(30.6001L * (M + 1)) + Day +
                           B - 1524.5L + SecondsUT / 86400.0L;
    return static_cast<double>(JD);
}

TDayNumber JDToDayNumber(double JD, bool Truncate) {
    const long double X = JD + 0.5L - 2305448;
    if (!(X >= 0 && X <= StLastDayNumber)) return StBadDayNumber;
    return static_cast<TDayNumber>(Truncate ? std::trunc(X) : std::trunc(X + 0.5L));
}

TDayNumber AddMonthsClamped(TDayNumber Julian, int Months, int Years) {
    int Day, Month, Year;
    DayNumberToDMY(Julian, Day, Month, Year);
    int Excess = 0;
    if (Day > 28) {
        Excess = Day - 28;
        Day = 28;
    }
    int64_t NewYear = int64_t{Year} + Years + Months / 12;
    int NewMonth = Month + Months % 12;
    if (NewMonth < 1) {
        NewMonth += 12;
        --NewYear;
    } else if (NewMonth > 12) {
        NewMonth -= 12;
        ++NewYear;
    }
    if (NewYear < StFirstYear || NewYear > StLastYear) return StBadDayNumber;
    const TDayNumber M = DMYToDayNumber(Day, NewMonth, static_cast<int>(NewYear), 0);
    if (M == StBadDayNumber) return StBadDayNumber;
    const int Length = MonthLength(NewMonth, static_cast<int>(NewYear), 0);
    if (Day + Excess <= Length) return M + Excess;
    return M + Length - Day;
}

void SecondsToHMS(TDaySeconds Seconds, uint8_t& Hours, uint8_t& Minutes, uint8_t& Secs) {
    if (Seconds < 0) {
        Hours = Minutes = Secs = 0;
        return;
    }
    Hours = static_cast<uint8_t>(Seconds / 3600);
    Minutes = static_cast<uint8_t>((Seconds % 3600) / 60);
    Secs = static_cast<uint8_t>(Seconds % 60);
}

TDaySeconds HMSToSeconds(uint8_t Hours, uint8_t Minutes, uint8_t Secs) {
    return ((Hours % 24) * 3600 + Minutes * 60 + Secs) % SecondsPerDay;
}

TDayNumber DateTimeToDayNumber(TDateTime Value) {
    int Year, Month, Day;
    DecodeDate(Value, Year, Month, Day);
    return DMYToDayNumber(Day, Month, Year, 0);
}

TDaySeconds DateTimeToDaySeconds(TDateTime Value) {
    int Hour, Minute, Second, MilliSecond;
    DecodeTime(Value, Hour, Minute, Second, MilliSecond);
    return HMSToSeconds(static_cast<uint8_t>(Hour), static_cast<uint8_t>(Minute),
                        static_cast<uint8_t>(Second));
}

TDateTime DayNumberToDateTime(TDayNumber Julian) {
    if (Julian == StBadDayNumber) return 0;
    int Day, Month, Year;
    DayNumberToDMY(Julian, Day, Month, Year);
    TDateTime Value = 0;
    return TryEncodeDate(Year, Month, Day, Value) ? Value : 0;
}

TDateTime DaySecondsToDateTime(TDaySeconds Seconds) {
    if (Seconds == -1) return 0;
    uint8_t Hours, Minutes, Secs;
    SecondsToHMS(Seconds, Hours, Minutes, Secs);
    TDateTime Value = 0;
    return TryEncodeTime(Hours, Minutes, Secs, 0, Value) ? Value : 0;
}

TDayTimeRec AddDaysSeconds(const TDayTimeRec& In, int32_t Days, int32_t Seconds) {
    // 64-bit inside: the magnitude of the most negative 32-bit value does not fit.
    int64_t D = int64_t{In.D} + Days;
    int64_t T = In.T;
    if (Seconds < 0) {
        const int64_t Magnitude = -int64_t{Seconds};
        D -= Magnitude / SecondsPerDay;
        const int64_t Rest = Magnitude % SecondsPerDay;
        if (T < Rest) {
            --D;
            T += SecondsPerDay;
        }
        T -= Rest;
    } else {
        const int64_t Total = T + Seconds;
        D += Total / SecondsPerDay;
        T = Total % SecondsPerDay;
    }
    return TDayTimeRec{static_cast<TDayNumber>(D), static_cast<TDaySeconds>(T)};
}

}  // namespace orbelune
