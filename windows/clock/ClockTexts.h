#pragma once
// The texts and numbers of the clock window, as plain functions of the time, the
// settings and the engine's answers: captions, panels, world clocks, sun times, day
// names, moon labels and icon index, display levels and the tab-command rule.

#include "StDate.h"

#include <QString>

#include <array>
#include <functional>

namespace orbelune {

// Minute of the hour and second of the day of a (non-negative) time.
int MinuteOfHour(TDateTime T);
int SecondOfDay(TDateTime T);

// Hours of the time of day of T, read forward also before 1899-12-30.
double HoursOfDay(TDateTime T);

// The Universal Time of a local moment whose zone is UTCOffsetHours east of
// Greenwich, as a day and seconds; the day moves back across midnight also before 1900.
TDayTimeRec LocalMomentToUT(TDateTime Local, double UTCOffsetHours);

// The text of a calendar date, or of a calendar day joined with a time of day: a day
// before 1899-12-30 keeps its date in the integer part, so it is read as it stands
// rather than adjusted as a moment of the running clock would be.
QString FormatCalendarDate(const QString& Format, TDateTime Date);

// The time row: hour and minutes without AM or PM ("9:05").
QString TimeRowText(TDateTime T);

// The window caption of the clock update: the short date for display level 1, else
// the time cut to 8 characters.
QString ClockCaption(int DisplayLevel, bool UseMilitaryTime, TDateTime T, const QString& ShortYY);

// While the last temperature request brought none (Problem says why), the caption
// says "Temp not available" in place of the time, and the tray's hint ends with this
// line: the temperature is missing, or the one shown was not updated.
QString TemperatureProblemLine(bool TemperatureKnown, const QString& Problem);

// The format of the information window's time panels.
QString TimePanelFormat(bool UseMilitaryTime);

// The seven world clocks for the UTC time U, in table order.
inline constexpr int WorldClockCount = 7;
extern const std::array<const char*, WorldClockCount> WorldCityNames;
std::array<TDateTime, WorldClockCount> WorldClockTimes(TDateTime U);

// Display levels 1 .. 4 in turn.
int NextDisplayLevel(int DisplayLevel);

// What a tab command does to the information window.
enum class TTabAction { Close, Switch, ShowAndSwitch };
TTabAction TabCommandAction(bool Showing, int CurrentTab, int Tab);

// The picture (0 .. 23) for the moon shade -1 .. 1, unless the day's phase name
// fixes it.
int MoonIconIndex(double Shade, const QString& PhaseName);

// Sunrise and sunset of the clock window for the calendar day.
struct TSunDisplay {
    QString SunriseLabel;
    QString SunsetLabel;
    // Date, two blanks and time of each event, with the zone name of its time.
    QString SunriseText;
    QString SunriseZone;
    QString SunsetText;
    QString SunsetZone;
};
// Day: the calendar date; Rise, Set: SunRiseSetUT's hours or codes; ZoneAt gives the
// UTC offset in hours and the zone name for an instant.
struct TZoneAnswer {
    long double OffsetHours = 0;
    QString Name;
};
TSunDisplay SunDisplay(TDateTime Day, long double Rise, long double Set, bool UseLocalTime,
                       bool UseMilitaryTime, const QString& DateFormat,
                       const std::function<TZoneAnswer(TDateTime)>& ZoneAt);

// Up to two names of a day: its holidays, then the equinox or solstice, then the
// moon phase, each in the first free slot.
std::array<QString, 2> DayNames(TDateTime Day, const QString& EquinoxSolsticeName,
                                const QString& MoonPhaseName);

// "MRise" or "MSet " and the time of the event (seconds of the day as it is shown).
QString MoonEventText(bool Rise, TDaySeconds Seconds, bool UseMilitaryTime);

// "SUN is UP" or "SUN is SET" (Body "SUN", "MOON") with the altitude and compass
// direction when known.
QString BodyStateLine(const QString& Body, bool Up, bool PositionKnown, double Altitude,
                      const QString& Compass);

// The date row's hint for today.
QString DateRowHint(TDateTime Today, const QString& ShortFormat);

// The year calendar's date for the month grid's date: the grid's date itself, but the
// year calendar starts in 1756, so for an earlier grid date it keeps its own date when
// that lies in 1756 and otherwise takes the same month and day of 1756 (0 when that
// day does not exist).
TDateTime BigCalendarDateFor(TDateTime CalendarDate, TDateTime BigCalendarDate);

// ISO 8601 week number of a date.
int IsoWeekNumber(TDateTime Day);

}  // namespace orbelune
