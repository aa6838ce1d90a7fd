#include "YearTabTexts.h"

#include "DateFormats.h"
#include "DateTimeRtl.h"
#include "Holidays.h"

#include <cmath>
#include <string>

namespace orbelune {

TDateTime SameDayInYear(TDateTime Date, int Year) {
    int year = 0, month = 0, day = 0;
    DecodeDate(Date, year, month, day);
    if (year == 0) return 0;
    const int length = DaysInAMonth(Year, month);
    return EncodeDate(Year, month, day > length ? length : day);
}

TDateTime YearTabDate(TDateTime Date) {
    int year = 0, month = 0, day = 0;
    DecodeDate(Date, year, month, day);
    return year >= YearTabMinYear ? Date : SameDayInYear(Date, YearTabMinYear);
}

int DaysFromToday(TDateTime Selected, TDateTime Today) {
    return static_cast<int>(std::trunc(Selected) - std::trunc(Today));
}

TYearDayTexts YearDayTexts(TDateTime Selected, TDateTime Today, const QString& LongFormat) {
    // A calendar day before 1899-12-30 is read as it stands: adjusting it like a moment
    // of the running clock would name the day before.
    const QString date = FormatLocaleDateTime(LongFormat, std::trunc(Selected));
    TYearDayTexts texts;
    texts.Label1 = date + QStringLiteral(" is ") + QString::number(DaysFromToday(Selected, Today)) +
                   QStringLiteral(" days from today.");
    texts.Label2 = date + QStringLiteral(" is ") +
                   QString::number(CountWeekdays(std::trunc(Selected), std::trunc(Today))) +
                   QStringLiteral(" working days from today.");
    texts.Label3 = date;
    return texts;
}

QList<int> BoldDaysOfMonth(int Year, int Month, bool ShowHolidays) {
    QList<int> days;
    if (!ShowHolidays || Year < YearTabMinYear || Month < 1 || Month > 12) return days;
    const int length = DaysInAMonth(Year, Month);
    for (int day = 1; day <= length; ++day) {
        int32_t index = 1;
        std::string name;
        GetHolidayName(index, EncodeDate(Year, Month, day), name);
        if (!name.empty()) days.append(day);
    }
    return days;
}

int GridStartOfWeek(int WeekStart, int LocaleFirstDay) {
    const int monday0 = WeekStart >= 0 && WeekStart <= 6 ? WeekStart : LocaleFirstDay;
    return (monday0 + 1) % 7;
}

}  // namespace orbelune
