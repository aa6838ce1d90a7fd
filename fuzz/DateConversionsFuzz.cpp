// Fuzzes the date conversions: day numbers, Julian Dates, TDateTime encoding and
// decoding and their texts, and the calendar-aware civil and Jewish conversions. Any
// input may be refused (a marker value, or the calendar routines' exceptions), but none
// may crash, overflow or break a round trip that the conversions promise.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "DateTimeRtl.h"
#include "Exceptions.h"
#include "MyUtil.h"
#include "StDate.h"
#include "moon.h"

namespace {

using namespace orbelune;

// Reads the input as a stream of values; past its end every value is 0.
class TInput {
public:
    TInput(const uint8_t* Data, size_t Size) : Data_(Data), Size_(Size) {}

    template <typename T>
    T Take() {
        T value{};
        const size_t n = std::min(sizeof(T), Size_ - Used_);
        std::memcpy(&value, Data_ + Used_, n);
        Used_ += n;
        return value;
    }
    std::string Text() {
        const size_t n = std::min<size_t>(Take<uint8_t>() % 32, Size_ - Used_);
        std::string text(reinterpret_cast<const char*>(Data_ + Used_), n);
        Used_ += n;
        return text;
    }

private:
    const uint8_t* Data_;
    size_t Size_;
    size_t Used_ = 0;
};

void Check(bool Condition) {
    if (!Condition) std::abort();
}

void DayNumbers(TInput& In) {
    const int day = In.Take<int32_t>(), month = In.Take<int32_t>(), year = In.Take<int32_t>();
    const int epoch = In.Take<int32_t>();
    const TDayNumber n = DMYToDayNumber(day, month, year, epoch);
    if (n != StBadDayNumber) {
        int d = 0, m = 0, y = 0;
        DayNumberToDMY(n, d, m, y);
        Check(DMYToDayNumber(d, m, y, 0) == n);
        Check(JDToDayNumber(DayNumberToJD(n), true) == n);
    }
    const TDayNumber any = In.Take<int32_t>();
    int d = 0, m = 0, y = 0;
    DayNumberToDMY(any, d, m, y);
    AddMonthsClamped(any, In.Take<int32_t>(), In.Take<int32_t>());
    AddDaysSeconds({any, In.Take<int32_t>()}, In.Take<int32_t>(), In.Take<int32_t>());
    AstroJulianDate(year, month, day, In.Take<int32_t>());
    JDToDayNumber(In.Take<double>(), (In.Take<uint8_t>() & 1) != 0);
    uint8_t h = 0, mi = 0, s = 0;
    SecondsToHMS(In.Take<int32_t>(), h, mi, s);
    HMSToSeconds(In.Take<uint8_t>(), In.Take<uint8_t>(), In.Take<uint8_t>());
}

void DateTimes(TInput& In) {
    const TDateTime t = In.Take<double>();
    int y = 0, m = 0, d = 0, hh = 0, mm = 0, ss = 0, ms = 0;
    DecodeDate(t, y, m, d);
    DecodeTime(t, hh, mm, ss, ms);
    DayOfWeek(t);
    DateTimeToDayNumber(t);
    DateTimeToDaySeconds(t);
    DateTimeToStringSafe(In.Text(), t);
    const int year = In.Take<int32_t>(), month = In.Take<int32_t>(), day = In.Take<int32_t>();
    const TDateTime encoded = SafeEncodeDate(year, month, day);
    if (encoded != 0) {
        DecodeDate(encoded, y, m, d);
        Check(y == year && m == month && d == day);
    }
    SafeEncodeDateTime(year, month, day, In.Take<int32_t>(), In.Take<int32_t>(), In.Take<int32_t>(),
                       In.Take<int32_t>());
    JoinDateAndTime(In.Take<double>(), In.Take<double>());
    DayNumberToDateTime(In.Take<int32_t>());
    DaySecondsToDateTime(In.Take<int32_t>());
}

void Calendars(TInput& In) {
    const int year = In.Take<int32_t>(), month = In.Take<int32_t>(), day = In.Take<int32_t>();
    try {
        const long double jd = CalendarDateToJD(year, month, day);
        int y = 0, m = 0, d = 0;
        JDToCalendarDate(jd, y, m, d);
        if (month >= 1 && month <= 12) Check(y == year && m == month && d == day);
    } catch (const Exception&) {
    }
    try {
        int y = 0, m = 0, d = 0;
        JDToCalendarDate(In.Take<double>(), y, m, d);
        DecodeCalendarDate(In.Take<double>(), y, m, d);
    } catch (const Exception&) {
    }
    try {
        int y = 0, m = 0, d = 0;
        DateTimeToJewish(In.Take<double>(), y, m, d);
        JewishToDateTime(In.Take<int32_t>(), In.Take<int32_t>(), In.Take<int32_t>());
    } catch (const Exception&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    TInput in(Data, Size);
    switch (in.Take<uint8_t>() % 3) {
        case 0:
            DayNumbers(in);
            break;
        case 1:
            DateTimes(in);
            break;
        default:
            Calendars(in);
            break;
    }
    return 0;
}
