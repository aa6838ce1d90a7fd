#include "CalendarEvents.h"

#include "DateFormats.h"
#include "DateTimeRtl.h"
#include "GlobalObjects.h"
#include "Holidays.h"
#include "Settings.h"

#include <cmath>
#include <string>

namespace orbelune {

namespace {

TEclipseTextOptions CurrentOptions() {
    return {Settings.UseLocalTime, Settings.UseMilitaryTime, DateFormats.Short,
            DateFormats.ShortYY};
}

bool SameOptions(const TEclipseTextOptions& A, const TEclipseTextOptions& B) {
    return A.UseLocalTime == B.UseLocalTime && A.UseMilitaryTime == B.UseMilitaryTime &&
           A.DateFormatShort == B.DateFormatShort && A.DateFormatShortYY == B.DateFormatShortYY;
}

bool HolidayOn(TDateTime Day) {
    std::int32_t index = 1;
    std::string name;
    GetHolidayName(index, Day, name);
    return !name.empty();
}

}  // namespace

TCalendarEvents::TCalendarEvents(QObject* Parent) : QObject(Parent) {
    setObjectName(QStringLiteral("CalendarEvents"));
}

void TCalendarEvents::SetDate(TDateTime Date) {
    FDate = std::trunc(Date);
    Build(false);
}

void TCalendarEvents::Rebuild() {
    Build(true);
}

void TCalendarEvents::Build(bool Force) {
    int year = 0, month = 0, day = 0;
    DecodeDate(FDate, year, month, day);
    const TEclipseTextOptions options = CurrentOptions();
    const bool newOptions = !FBuilt || !SameOptions(options, FOptions);
    const bool newYear = Force || newOptions || year != FYear;
    const bool newMonth = newYear || month != FMonth;
    if (!newMonth) return;
    FBuilt = true;
    FOptions = options;
    FYear = year;
    FMonth = month;
    try {
        FMonthPhases = CalcMoonPhases(options.UseLocalTime, options.UseMilitaryTime, FDate,
                                      options.DateFormatShortYY);
        if (newYear) {
            FSeasons = CalcEquinoxSolstice(year, options.UseLocalTime, options.UseMilitaryTime,
                                           options.DateFormatShortYY);
            if (!GlobalObjects.EclipseList)
                GlobalObjects.EclipseList = std::make_unique<TStEclipses>();
            TStEclipses& list = *GlobalObjects.EclipseList;
            list.Clear();
            list.SearchYear(year);
            FEclipses = BuildEclipseYear(year, list, options);
        }
    } catch (const std::exception&) {
        // A date the engine's calendar routines refuse: the tables keep what they held.
    }
    FHolidays.fill(false);
    for (int d = 1; d < static_cast<int>(FHolidays.size()); ++d) {
        TDateTime date = 0;
        if (TryEncodeDate(year, month, d, date))
            FHolidays[static_cast<size_t>(d)] = HolidayOn(date);
    }
    emit Changed();
}

TEclipseDay TCalendarEvents::Eclipse(TDateTime Day) const {
    return FindEclipseOnDay(FEclipses.Days, Day, Settings.UseLocalTime);
}

std::optional<TDateTime> TCalendarEvents::EclipseDate(int N) const {
    if (N < 1 || N > static_cast<int>(FEclipses.Days.size())) return std::nullopt;
    const TDateTime ut = static_cast<double>(FEclipses.Days[static_cast<size_t>(N - 1)].Time);
    return LocalDateTime(ut, Settings.UseLocalTime);
}

int TCalendarEvents::IconNum(int N, bool Flip) const {
    if (N < 1 || N > static_cast<int>(FMonthPhases.size())) return 0;
    return PhaseIconIndex(FMonthPhases[static_cast<size_t>(N - 1)].PhaseValue, Flip);
}

bool TCalendarEvents::HasEclipse(TDateTime Day) const {
    return !Eclipse(Day).Name.isEmpty();
}

bool TCalendarEvents::IsHoliday(TDateTime Day) const {
    int year = 0, month = 0, day = 0;
    DecodeDate(Day, year, month, day);
    return year == FYear && month == FMonth && FHolidays[static_cast<size_t>(day)];
}

QString TCalendarEvents::EquinoxSolsticeName(TDateTime Day) const {
    return GetEquinoxSolsticeName(FSeasons, Day);
}

QString TCalendarEvents::MoonPhaseName(TDateTime Day) const {
    return GetMoonPhaseName(FMonthPhases, Day);
}

}  // namespace orbelune
