#pragma once
// The Year tab's rules and texts without widgets: the first year it shows, the date it
// shows for a calendar date, the day texts that count the days and working days from
// today, the days of a month set in bold, and the first day of the week of the year
// calendar and the month grid for the week-start box.

#include "StDate.h"

#include <QList>
#include <QString>

namespace orbelune {

// Years before this one are not shown: the tab moves the calendar to it first.
inline constexpr int YearTabMinYear = 1756;

// The same month and day in Year; a day the month of that year lacks (29 February)
// steps back to the month's last day.
TDateTime SameDayInYear(TDateTime Date, int Year);

// The date the year calendar shows for the calendar's Date: Date itself from
// YearTabMinYear on, else the same month and day in that year.
TDateTime YearTabDate(TDateTime Date);

// Whole days from Today to Selected (negative for a day before today).
int DaysFromToday(TDateTime Selected, TDateTime Today);

// The four day texts under the year calendar for the selected day, its date in
// LongFormat with the names of that format's locale (Label4 is left to the caller,
// which shows the day's event there).
struct TYearDayTexts {
    QString Label1;  // "<date> is <n> days from today."
    QString Label2;  // "<date> is <n> working days from today."
    QString Label3;  // "<date>"
};
TYearDayTexts YearDayTexts(TDateTime Selected, TDateTime Today, const QString& LongFormat);

// The days of Month in Year that the year calendar sets in bold: the holidays of the
// engine's table, none before YearTabMinYear or with ShowHolidays off.
QList<int> BoldDaysOfMonth(int Year, int Month, bool ShowHolidays);

// The week-start box's index (0 Monday .. 6 Sunday, 7 the locale's first day) as the
// month grid's StartOfWeek (0 Sunday .. 6 Saturday); LocaleFirstDay is the locale's
// first day, 0 Monday .. 6 Sunday.
int GridStartOfWeek(int WeekStart, int LocaleFirstDay);

}  // namespace orbelune
