#pragma once
// The Moon tab's texts and tables without widgets: date-time texts in the user's clock
// format, the moon phases of a month, the equinoxes and solstices of a year, the
// moonrise and moonset of a day, the sun's lines, the daylight-saving lines, the
// location lines, the status bar and the sun and moon positions. Times are local
// (TDateTime) unless a name says UT; the zone comes from the engine's zone state.

#include "StDate.h"

#include <QString>

#include <array>

namespace orbelune {

// T (UT) as the user reads it: the date under Format, three blanks, the time; in local
// time with the zone's name when ToLocal, else in Greenwich time. UseClockHours gives
// the clock window's hour text ("7:05 PM" or "19:05"), else "hh:mm" or "hh:mm  AM/PM".
struct TDateTimeText {
    QString DateText;
    QString TimeText;
    QString Text;  // DateText + "   " + TimeText
    QString ZoneName;
    TDateTime Shown = 0;  // the instant as shown (local when ToLocal)
};
TDateTimeText MyDateTimeString(const QString& Format, bool Use24h, bool UseClockHours, bool ToLocal,
                               TDateTime T);

// The local time of a UT instant when UseLocalTime, else T itself; negative dates keep
// their time of day running forward.
TDateTime LocalDateTime(TDateTime T, bool UseLocalTime);
// A UT instant from a day number and seconds of the day.
TDateTime DayTimeToDateTime(TDayNumber Day, TDaySeconds Seconds);

// ---- Moon phases ------------------------------------------------------------------

// PhaseValue: 0 new moon, 0.5 first quarter, 1 full moon, -0.5 last quarter.
struct PhaseEvent {
    TDayNumber DayNumber = -1;  // of the day as shown; -1 marks an empty entry
    TDaySeconds DaySeconds = 0;
    QString Text;
    float PhaseValue = 0;
    QString ZoneName;
};
using TPhaseEventTable = std::array<PhaseEvent, 24>;
using TMonthPhaseTable = std::array<PhaseEvent, 5>;

// The clock instant (UT) of a phase instant the engine gives in dynamical time: the
// engine's Delta-T of the instant's year earlier.
TDateTime PhaseInstantUT(TDayNumber Day, TDaySeconds Seconds);

// The phases of T's month and the months on either side (entries 1-8, 9-16, 17-24 of
// All when given), sorted by day; the result holds those of T's own month in order.
TMonthPhaseTable CalcMoonPhases(bool ToLocal, bool Use24h, TDateTime T, const QString& ShortYY,
                                TPhaseEventTable* All = nullptr);

// "New Moon", "First Quarter", "FULL MOON" or "Last Quarter" for the entry on T's day;
// empty when none.
QString GetMoonPhaseName(const TMonthPhaseTable& Table, TDateTime T);
// The picture of the 24-step lunation list for a phase value; Flip mirrors it for the
// southern sky ((24 - index) mod 24).
int PhaseIconIndex(float PhaseValue, bool Flip);
// The phase's name for a button hint ("Go To " + name).
QString PhaseValueName(float PhaseValue);

// ---- Equinoxes and solstices --------------------------------------------------------

struct TSeasonEvent {
    TDateTime Date = -1;  // as shown; -1 = none
    QString Text;
    QString ZoneName;
    QString Name;
};
using TSeasonTable = std::array<TSeasonEvent, 4>;

TSeasonTable CalcEquinoxSolstice(int Year, bool ToLocal, bool Use24h, const QString& ShortYY);
QString GetEquinoxSolsticeName(const TSeasonTable& Table, TDateTime T);

// ---- Moonrise and moonset ------------------------------------------------------------

struct TMoonRiseSetEvent {
    TDayNumber DayNumber = -1;
    TDaySeconds DaySeconds = -1;  // -1 for the "all day" entries
    QString Text;
    QString ZoneName;
    bool Rise = false;
    bool MoonUp = false;  // the moon-up state for T
    TDateTime UT = 0;     // the event's instant in Universal Time
};

struct TPlace {
    long double Latitude = 0;
    long double Longitude = 0;
    int Altitude = 0;  // feet
};

// The day's events (at most two, in time order) and whether the moon is up at T (local).
struct TMoonDay {
    std::array<TMoonRiseSetEvent, 2> Events;
    int Count = 0;
    bool MoonUp = false;
};
TMoonDay CalcMoonRiseSet(bool ToLocal, bool Use24h, TDateTime T, const TPlace& Place,
                         const QString& ShortYY);

// Altitude and azimuth in degrees of the sun or the moon at the UT instant U.
struct TAltAzPos {
    double Altitude = 0;
    double Azimuth = 0;
};
TAltAzPos SunMoonPosition(bool IsSun, TDateTime U, const TPlace& Place);

// "N", "NE", ... "NW" for an azimuth in degrees.
QString CompassPosition(double Angle);
// "123.4° (SE)", the bearing of a rising or setting body.
QString BearingText(double Azimuth, int Decimals);

// The six moon labels and the up state (rows 1 rise, 2 set; columns text, zone, bearing).
struct TMoonLabels {
    QString RiseLab1, RiseLab2, RiseLab3;
    QString SetLab1, SetLab2, SetLab3;
    QString UpLab;
};
TMoonLabels MoonRiseSetLabels(const TMoonDay& Day, TDateTime T, const TPlace& Place);

// The sun's lines: the clock window's sunrise and sunset texts with their zones, the
// bearings and the day length. RiseUT, SetUT are the sunrise routine's hours or codes.
struct TSunInput {
    QString RiseText, RiseZone, SetText, SetZone;
    long double RiseUT = 0, SetUT = 0;
    long double UTCOffsetHours = 0;
};
struct TSunLabels {
    QString UpLab;
    QString RiseLab1, RiseLab2, RiseLab3;
    QString SetLab1, SetLab2, SetLab3;
    QString DayHoursLab;
};
TSunLabels SunLabels(const TSunInput& Sun, TDateTime T, const TPlace& Place);
// Day length in hours from UT sunrise and sunset; a sunset past 0h UT counts on the
// next day.
long double DayLengthHours(long double RiseUT, long double SetUT);

// ---- Daylight saving, location, status bar ------------------------------------------

struct TDaylightLines {
    bool Visible = false;
    QString StartLabel1, StartLabel2, EndLabel1, EndLabel2;
    bool FirstIsStart = true;  // the first line is the change to daylight time
    QString Caption;
};
TDaylightLines DaylightLines(TDateTime T);

struct TLocationLines {
    QString PlaceName, Latitude, Longitude, Altitude;
};
TLocationLines LocationLines(const QString& PlaceName, long double Latitude, long double Longitude,
                             int AltitudeFeet);

// The four status bar panels: long date, day of the year, ISO week, Hebrew date.
std::array<QString, 4> StatusBarTexts(TDateTime T, const QString& LongFormat);

// "12.345°" and "123.456° (SE)" of a body's place.
struct TPositionTexts {
    QString Azimuth, Altitude;
};
TPositionTexts PositionTexts(const TAltAzPos& Position);

}  // namespace orbelune
