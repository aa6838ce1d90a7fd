#include "ClockTexts.h"

#include "AstroExtras.h"
#include "Astronomy.h"
#include "DateFormats.h"
#include "DateHelpers.h"
#include "DateTimeRtl.h"
#include "EngineText.h"
#include "Holidays.h"
#include "MyUtil.h"

#include <QDate>

#include <cmath>

namespace orbelune {

namespace {

constexpr double Hour = 1.0 / 24.0;

// Milliseconds of the day, to the nearest: a time that is a whole second must not
// read as the second before it.
long long MillisecondOfDay(TDateTime T) {
    const double frac = std::fabs(T - std::trunc(T));
    const long long ms = std::llround(frac * 86400000.0);
    return ms >= 86400000LL ? 86399999LL : ms;
}

}  // namespace

double HoursOfDay(TDateTime T) {
    const double a = std::fabs(T);
    return (a - std::trunc(a)) * 24.0;
}

TDayTimeRec LocalMomentToUT(TDateTime Local, double UTCOffsetHours) {
    const TDateTime ut = AddSignedHours(-UTCOffsetHours, Local);
    return {DateTimeToDayNumber(ut), DateTimeToDaySeconds(ut)};
}

int MinuteOfHour(TDateTime T) {
    return static_cast<int>(MillisecondOfDay(T) / 60000 % 60);
}

int SecondOfDay(TDateTime T) {
    return static_cast<int>(MillisecondOfDay(T) / 1000);
}

QString FormatCalendarDate(const QString& Format, TDateTime Date) {
    return FromEngineText(DateTimeToString(ToEngineText(Format), Date));
}

QString TimeRowText(TDateTime T) {
    return FormatDateTimeSafe(QStringLiteral("h:nnAM/PM"), T).chopped(2);
}

QString ClockCaption(int DisplayLevel, bool UseMilitaryTime, TDateTime T, const QString& ShortYY) {
    if (DisplayLevel == 1) return FormatLocaleDateTime(ShortYY, T);
    const QString format =
        UseMilitaryTime ? QStringLiteral("h:nn:ss  ") : QStringLiteral("h:nn:ss  AM/PM   ");
    return FormatDateTimeSafe(format, T).left(8);
}

QString TemperatureProblemLine(bool TemperatureKnown, const QString& Problem) {
    return (TemperatureKnown ? QStringLiteral("Temp not updated: ")
                             : QStringLiteral("Temp not available: ")) +
           Problem;
}

QString TimePanelFormat(bool UseMilitaryTime) {
    return UseMilitaryTime ? QStringLiteral("hh:nn:ss  ") : QStringLiteral("hh:nn:ss  AM/PM   ");
}

const std::array<const char*, WorldClockCount> WorldCityNames = {
    "Honolulu", "Los Angeles", "New York", "Amsterdam", "New Delhi", "Tokyo", "Auckland"};

std::array<TDateTime, WorldClockCount> WorldClockTimes(TDateTime U) {
    std::array<TDateTime, WorldClockCount> times{};
    times[0] = U - 10 * Hour;
    TDateTime s = U - 8 * Hour;
    times[1] = IsDaylightUS(s) ? s + Hour : s;
    s = U - 5 * Hour;
    times[2] = IsDaylightUS(s) ? s + Hour : s;
    times[3] = IsDaylightEU(U) ? U + 2 * Hour : U + Hour;
    times[4] = U + 5.5 * Hour;
    times[5] = U + 9 * Hour;
    s = U + 12 * Hour;
    times[6] = IsDaylightNZ(s) ? s + Hour : s;
    return times;
}

int NextDisplayLevel(int DisplayLevel) {
    return DisplayLevel >= 1 && DisplayLevel < 4 ? DisplayLevel + 1 : 1;
}

TTabAction TabCommandAction(bool Showing, int CurrentTab, int Tab) {
    if (!Showing) return TTabAction::ShowAndSwitch;
    return CurrentTab == Tab ? TTabAction::Close : TTabAction::Switch;
}

int MoonIconIndex(double Shade, const QString& PhaseName) {
    if (PhaseName == QLatin1String("New Moon")) return 0;
    if (PhaseName == QLatin1String("First Quarter")) return 6;
    if (PhaseName == QLatin1String("FULL MOON")) return 12;
    if (PhaseName == QLatin1String("Last Quarter")) return 18;
    if (Shade > -1.0 / 24 && Shade < 1.0 / 24) return 0;
    for (int k = 1; k <= 11; ++k) {
        const double low = (2.0 * k - 1) / 24, high = (2.0 * k + 1) / 24;
        if (Shade >= low && Shade < high) return k;
        if (Shade <= -low && Shade > -high) return 24 - k;
    }
    return 12;
}

namespace {

struct TSunEvent {
    QString Time;
    QString Text;
    QString Zone;
};

// A date-time before 1899-12-30 holds its day in the integer part and its time of day
// in the fraction's absolute value. Shifts by hours are done on a running count of
// days (the day plus the time of day); this writes such a count back as a date-time.
TDateTime FromRunningDays(double Days) {
    if (Days >= 0) return Days;
    const double day = std::floor(Days);
    return day - (Days - day);
}

// The event on the calendar's local day: its UT instant and its local time move
// together by a day when they fall on different dates.
TSunEvent SunEvent(TDateTime Day, long double Hours, bool UseLocalTime, bool UseMilitaryTime,
                   const QString& DateFormat, const std::function<TZoneAnswer(TDateTime)>& ZoneAt) {
    const double hours = static_cast<double>(Hours / 24.0L);
    double e = std::trunc(Day) + (hours - std::trunc(hours));
    const TZoneAnswer zone = ZoneAt(FromRunningDays(e));
    double local = e + static_cast<double>(zone.OffsetHours) / 24.0;
    const double eDay = std::floor(e), localDay = std::floor(local);
    if (localDay < eDay) {
        e += 1;
        local += 1;
    } else if (localDay > eDay) {
        e -= 1;
        local -= 1;
    }
    TSunEvent event;
    event.Time =
        FromEngineText(FormatClockHours(UseLocalTime, UseMilitaryTime, Hours, zone.OffsetHours));
    event.Zone = UseLocalTime ? zone.Name : GMTCaption;
    event.Text = FormatLocaleDateTime(DateFormat, FromRunningDays(UseLocalTime ? local : e)) +
                 QStringLiteral("  ") + event.Time;
    return event;
}

}  // namespace

TSunDisplay SunDisplay(TDateTime Day, long double Rise, long double Set, bool UseLocalTime,
                       bool UseMilitaryTime, const QString& DateFormat,
                       const std::function<TZoneAnswer(TDateTime)>& ZoneAt) {
    TSunDisplay display;
    if (Rise == SunNeverRises || Set == SunNeverRises) {
        display.SunriseLabel = QStringLiteral("Sun down all day");
        display.SunriseText = display.SunriseLabel;
        return display;
    }
    if (Rise == SunNeverSets || Set == SunNeverSets) {
        display.SunriseLabel = QStringLiteral("Sun up all day");
        display.SunriseText = display.SunriseLabel;
        return display;
    }
    const TSunEvent rise = SunEvent(Day, Rise, UseLocalTime, UseMilitaryTime, DateFormat, ZoneAt);
    const TSunEvent set = SunEvent(Day, Set, UseLocalTime, UseMilitaryTime, DateFormat, ZoneAt);
    display.SunriseLabel = QStringLiteral("Sunrise ") + rise.Time;
    QString setTime = set.Time;
    if (setTime.size() <= 7 || setTime.size() < rise.Time.size()) setTime.prepend(QLatin1Char(' '));
    display.SunsetLabel = QStringLiteral("Sunset ") + setTime;
    display.SunriseText = rise.Text;
    display.SunriseZone = rise.Zone;
    display.SunsetText = set.Text;
    display.SunsetZone = set.Zone;
    return display;
}

std::array<QString, 2> DayNames(TDateTime Day, const QString& EquinoxSolsticeName,
                                const QString& MoonPhaseName) {
    std::array<QString, 2> names;
    int filled = 0;
    const auto add = [&](const QString& name) {
        if (!name.isEmpty() && filled < 2) names[filled++] = name;
    };
    std::int32_t index = 1;
    std::string holiday;
    GetHolidayName(index, Day, holiday);
    if (!holiday.empty()) {
        add(FromEngineText(holiday));
        if (index < HolidayCount) {
            std::int32_t next = index + 1;
            GetHolidayName(next, Day, holiday);
            add(FromEngineText(holiday));
        }
    }
    add(EquinoxSolsticeName);
    add(MoonPhaseName);
    return names;
}

QString MoonEventText(bool Rise, TDaySeconds Seconds, bool UseMilitaryTime) {
    const std::string time =
        FormatClockHours(false, UseMilitaryTime, static_cast<long double>(Seconds) / 3600.0L, 0);
    const int width = UseMilitaryTime ? 7 : 9;
    return (Rise ? QStringLiteral("MRise") : QStringLiteral("MSet ")) +
           FromEngineText(time).rightJustified(width, QLatin1Char(' '));
}

QString BodyStateLine(const QString& Body, bool Up, bool PositionKnown, double Altitude,
                      const QString& Compass) {
    QString line = Body + (Up ? QStringLiteral(" is UP") : QStringLiteral(" is SET"));
    if (PositionKnown) {
        line += QStringLiteral("     ") + QString::number(std::nearbyint(Altitude), 'f', 0) +
                QChar(0xB0) + QStringLiteral(" (") + Compass + QLatin1Char(')');
    }
    return line;
}

TDateTime BigCalendarDateFor(TDateTime CalendarDate, TDateTime BigCalendarDate) {
    int year = 0, month = 0, day = 0;
    DecodeDate(CalendarDate, year, month, day);
    if (year >= 1756) return CalendarDate;
    int bigYear = 0, bigMonth = 0, bigDay = 0;
    DecodeDate(BigCalendarDate, bigYear, bigMonth, bigDay);
    if (bigYear == 1756) return BigCalendarDate;
    return SafeEncodeDate(1756, month, day);
}

int IsoWeekNumber(TDateTime Day) {
    int year = 0, month = 0, day = 0;
    DecodeDate(Day, year, month, day);
    return QDate(year, month, day).weekNumber();
}

QString DateRowHint(TDateTime Today, const QString& ShortFormat) {
    int year = 0, month = 0, day = 0;
    DecodeDate(Today, year, month, day);
    const int dayOfYear = QDate(year, month, day).dayOfYear();
    return FormatLocaleDateTime(ShortFormat, Today) + QLatin1Char('\n') + QStringLiteral("Day  ") +
           QString::number(dayOfYear) + QLatin1Char('\n') + QStringLiteral("Week  ") +
           QString::number(IsoWeekNumber(Today)) + QLatin1Char('\n') +
           QStringLiteral("Click for Year Calendar");
}

}  // namespace orbelune
