#include "MoonTabTexts.h"

#include "AstroExtras.h"
#include "Astronomy.h"
#include "DateFormats.h"
#include "DateTimeRtl.h"
#include "EngineText.h"
#include "MyUtil.h"
#include "StAstro.h"
#include "TextHelpers.h"
#include "moon.h"

#include <QDate>

#include <algorithm>
#include <cmath>
#include <exception>
#include <vector>

namespace orbelune {

namespace {

const QChar DegreeSign(0x00B0);

QString FormatDate(const QString& Format, TDateTime T) {
    return FromEngineText(DateTimeToStringSafe(ToEngineText(Format), T));
}

// Hours of the time of day of T, read forward also for negative dates.
long double TimeOfDayHours(TDateTime T) {
    const long double a = std::fabs(static_cast<long double>(T));
    return (a - std::trunc(a)) * 24.0L;
}

QString ClockHoursText(bool Use24h, long double Hours) {
    return QString::fromLatin1(FormatClockHours(false, Use24h, Hours, 0));
}

struct TPhaseKind {
    const char* EventName;  // as the phase lines show it
    const char* DayName;    // as the calendar and the day labels show it
    float Value;
    int Icon;
};
constexpr std::array<TPhaseKind, 4> PhaseKinds = {{
    {" New Moon", "New Moon", 0.0F, 0},
    {" First Quarter", "First Quarter", 0.5F, 6},
    {" Full Moon", "FULL MOON", 1.0F, 12},
    {" Last Quarter", "Last Quarter", -0.5F, 18},
}};

const TPhaseKind* PhaseKindOf(float Value) {
    for (const TPhaseKind& kind : PhaseKinds)
        if (kind.Value == Value) return &kind;
    return nullptr;
}

struct TSeasonKind {
    const char* Event;
    const char* Name;
};
constexpr std::array<TSeasonKind, 4> SeasonKinds = {{
    {"Mar", "Mar Equinox"},
    {"Jun", "Jun Solstice"},
    {"Sep", "Sep Equinox"},
    {"Dec", "Dec Solstice"},
}};

constexpr std::array<const char*, 13> HebrewMonthNames = {
    "Nisan",   "Iyar",   "Sivan", "Tammuz", "Av",   "Elul",  "Tishri",
    "Heshvan", "Kislev", "Tevet", "Shevat", "Adar", "Adar 2"};

bool SameDay(TDateTime A, TDayNumber Day) {
    return DateTimeToDayNumber(A) == Day;
}

}  // namespace

TDateTime LocalDateTime(TDateTime T, bool UseLocalTime) {
    if (!UseLocalTime) return T;
    return AddSignedHours(static_cast<double>(GetUTCOffset(T)), T);
}

TDateTime DayTimeToDateTime(TDayNumber Day, TDaySeconds Seconds) {
    return AddSignedHours(Seconds / 3600.0, DayNumberToDateTime(Day));
}

TDateTimeText MyDateTimeString(const QString& Format, bool Use24h, bool UseClockHours, bool ToLocal,
                               TDateTime T) {
    TDateTimeText result;
    result.Shown = T;
    if (ToLocal) {
        const TTimeZoneState zone = TimeZoneAt(T);
        result.Shown = AddSignedHours(static_cast<double>(zone.UTCOffsetHours), T);
        result.ZoneName = FromEngineText(zone.TimeZoneName);
    } else {
        result.ZoneName = GMTCaption;
    }
    result.DateText = FormatLocaleDateTime(Format, result.Shown);
    if (UseClockHours)
        result.TimeText = ClockHoursText(Use24h, TimeOfDayHours(result.Shown));
    else
        result.TimeText = FormatDate(
            Use24h ? QStringLiteral("hh:mm") : QStringLiteral("hh:mm  AM/PM"), result.Shown);
    result.Text = result.DateText + QStringLiteral("   ") + result.TimeText;
    return result;
}

// ---- Moon phases ------------------------------------------------------------------

TDateTime PhaseInstantUT(TDayNumber Day, TDaySeconds Seconds) {
    int d = 0, m = 0, y = 0;
    DayNumberToDMY(Day, d, m, y);
    const long double deltaT = DeltaTSeconds(y);
    const long long dynamical = static_cast<long long>(Day) * 86400 + Seconds;
    const long long universal = dynamical - (std::isfinite(deltaT) ? std::llround(deltaT) : 0LL);
    const long long day = universal >= 0 ? universal / 86400 : -((-universal + 86399) / 86400);
    return DayTimeToDateTime(static_cast<TDayNumber>(day),
                             static_cast<TDaySeconds>(universal - day * 86400));
}

TMonthPhaseTable CalcMoonPhases(bool ToLocal, bool Use24h, TDateTime T, const QString& ShortYY,
                                TPhaseEventTable* All) {
    TMonthPhaseTable month;
    TPhaseEventTable table;
    const TDayNumber day = DateTimeToDayNumber(T);
    if (day < 0) return month;
    const std::array<TDayNumber, 3> months = {day, AddMonthsClamped(day, -1, 0),
                                              AddMonthsClamped(day, 1, 0)};
    for (size_t m = 0; m < months.size(); ++m) {
        if (months[m] < 0) continue;
        for (size_t phase = 0; phase < PhaseKinds.size(); ++phase) {
            const TPhaseDates dates = PhaseDatesInMonth(months[m], static_cast<int>(phase));
            for (size_t k = 0; k < dates.size(); ++k) {
                if (dates[k].D < 0) continue;
                const TDateTimeText text = MyDateTimeString(ShortYY, Use24h, true, ToLocal,
                                                            PhaseInstantUT(dates[k].D, dates[k].T));
                PhaseEvent& event = table[m * 8 + phase * 2 + k];
                event.DayNumber = DateTimeToDayNumber(text.Shown);
                event.DaySeconds = DateTimeToDaySeconds(text.Shown);
                event.Text =
                    text.Text + QStringLiteral("  ") + QLatin1String(PhaseKinds[phase].EventName);
                event.PhaseValue = PhaseKinds[phase].Value;
                event.ZoneName = text.ZoneName;
            }
        }
    }
    std::stable_sort(table.begin(), table.end(), [](const PhaseEvent& a, const PhaseEvent& b) {
        return a.DayNumber != b.DayNumber ? a.DayNumber < b.DayNumber : a.DaySeconds < b.DaySeconds;
    });
    int shownDay = 0, shownMonth = 0, shownYear = 0;
    DayNumberToDMY(day, shownDay, shownMonth, shownYear);
    size_t count = 0;
    for (const PhaseEvent& event : table) {
        if (event.DayNumber < 0 || count == month.size()) continue;
        int d = 0, m = 0, y = 0;
        DayNumberToDMY(event.DayNumber, d, m, y);
        if (m == shownMonth && y == shownYear) month[count++] = event;
    }
    if (All != nullptr) *All = table;
    return month;
}

QString GetMoonPhaseName(const TMonthPhaseTable& Table, TDateTime T) {
    const TDayNumber day = DateTimeToDayNumber(T);
    for (const PhaseEvent& event : Table)
        if (event.DayNumber >= 0 && event.DayNumber == day) {
            const TPhaseKind* kind = PhaseKindOf(event.PhaseValue);
            return kind ? QString::fromLatin1(kind->DayName) : QString();
        }
    return {};
}

int PhaseIconIndex(float PhaseValue, bool Flip) {
    const TPhaseKind* kind = PhaseKindOf(PhaseValue);
    const int index = kind ? kind->Icon : 0;
    return Flip ? (24 - index) % 24 : index;
}

QString PhaseValueName(float PhaseValue) {
    const TPhaseKind* kind = PhaseKindOf(PhaseValue);
    return kind ? QString::fromLatin1(kind->EventName).trimmed() : QString();
}

// ---- Equinoxes and solstices --------------------------------------------------------

TSeasonTable CalcEquinoxSolstice(int Year, bool ToLocal, bool Use24h, const QString& ShortYY) {
    TSeasonTable table;
    for (size_t n = 0; n < SeasonKinds.size(); ++n) {
        const TDateTime instant = EquinoxSolsticeDate(Year, SeasonKinds[n].Event);
        if (instant == 0) continue;
        const TDateTimeText text = MyDateTimeString(ShortYY, Use24h, true, ToLocal, instant);
        TSeasonEvent& event = table[n];
        event.Date = text.Shown;
        event.Name = QString::fromLatin1(SeasonKinds[n].Name);
        event.Text = text.Text + QStringLiteral("  ") + event.Name;
        event.ZoneName = text.ZoneName;
    }
    return table;
}

QString GetEquinoxSolsticeName(const TSeasonTable& Table, TDateTime T) {
    const TDayNumber day = DateTimeToDayNumber(T);
    for (const TSeasonEvent& event : Table)
        if (event.Date != -1 && SameDay(event.Date, day)) return event.Name;
    return {};
}

// ---- Moonrise and moonset ------------------------------------------------------------

TMoonDay CalcMoonRiseSet(bool ToLocal, bool Use24h, TDateTime T, const TPlace& Place,
                         const QString& ShortYY) {
    TMoonDay result;
    const TDayNumber day = DateTimeToDayNumber(T);
    if (day < 0) return result;
    std::vector<TMoonRiseSetEvent> kept;
    for (TDayNumber d = day - 1; d <= day + 1; ++d) {
        const TRiseSetRec rs = MoonRiseSet(d, Place.Altitude, static_cast<double>(Place.Longitude),
                                           static_cast<double>(Place.Latitude));
        if (rs.Rise == RiseSetInvalidDay || rs.Set == RiseSetInvalidDay) continue;
        if (rs.Rise == RiseSetAlwaysBelow || rs.Rise == RiseSetAlwaysAbove) {
            if (d != day) continue;
            TMoonRiseSetEvent event;
            event.DayNumber = d;
            event.Text = rs.Rise == RiseSetAlwaysBelow ? QStringLiteral("Moon down all day")
                                                       : QStringLiteral("Moon up all day");
            event.MoonUp = rs.Rise == RiseSetAlwaysAbove;
            event.ZoneName = ToLocal ? FromEngineText(TimeZoneAt(T).TimeZoneName) : GMTCaption;
            kept.push_back(event);
            continue;
        }
        for (const bool rise : {true, false}) {
            const TDaySeconds seconds = rise ? rs.Rise : rs.Set;
            if (seconds == RiseSetNoEvent) continue;  // none of this kind that UT day
            TMoonRiseSetEvent event;
            event.Rise = rise;
            event.UT = DayTimeToDateTime(d, seconds);
            const TDateTimeText text = MyDateTimeString(ShortYY, Use24h, true, ToLocal, event.UT);
            event.DayNumber = DateTimeToDayNumber(text.Shown);
            if (event.DayNumber != day) continue;
            event.DaySeconds = DateTimeToDaySeconds(text.Shown);
            event.Text = QLatin1String(rise ? "Moonrise" : "Moonset") +
                         RightAlignText(text.TimeText, Use24h ? 7 : 9) + QStringLiteral("  ") +
                         text.DateText;
            event.ZoneName = text.ZoneName;
            kept.push_back(event);
        }
    }
    std::stable_sort(kept.begin(), kept.end(),
                     [](const TMoonRiseSetEvent& a, const TMoonRiseSetEvent& b) {
                         return a.DaySeconds < b.DaySeconds;
                     });
    if (kept.size() > result.Events.size()) kept.resize(result.Events.size());

    // Up when the last event before now was a rise; before the first event, the
    // opposite of that event.
    const TDateTime now = ToLocal ? T : AddSignedHours(static_cast<double>(-GetUTCOffset(T)), T);
    const TDaySeconds nowSeconds = DateTimeToDaySeconds(now);
    bool up = false;
    if (!kept.empty()) {
        if (kept.front().DaySeconds < 0) {
            up = kept.front().MoonUp;
        } else {
            up = !kept.front().Rise;
            for (const TMoonRiseSetEvent& event : kept)
                if (event.DaySeconds <= nowSeconds) up = event.Rise;
        }
    }
    result.Count = static_cast<int>(kept.size());
    for (int i = 0; i < result.Count; ++i) {
        result.Events[static_cast<size_t>(i)] = kept[static_cast<size_t>(i)];
        result.Events[static_cast<size_t>(i)].MoonUp = up;
    }
    result.MoonUp = up;
    return result;
}

TAltAzPos SunMoonPosition(bool IsSun, TDateTime U, const TPlace& Place) {
    const TDayTimeRec rec{DateTimeToDayNumber(U), DateTimeToDaySeconds(U)};
    double ra = 0, dec = 0, parallax = 0;
    if (IsSun) {
        const TRADecRec sun = SunRADec(rec);
        ra = sun.RA;
        dec = sun.Dec;
    } else {
        const TMoonPosRec moon = MoonPositionChecked(rec);
        ra = moon.RA;
        dec = moon.Dec;
        parallax = moon.Parallax;
    }
    TAltAzPos position;
    EquatorialToAltAz(position.Altitude, position.Azimuth, Place.Altitude, parallax, dec, ra,
                      static_cast<double>(Place.Latitude), static_cast<double>(Place.Longitude), U);
    return position;
}

QString CompassPosition(double Angle) {
    if (Angle < 0) Angle += 360;
    static constexpr std::array<const char*, 8> points = {"N", "NE", "E", "SE",
                                                          "S", "SW", "W", "NW"};
    for (size_t i = 0; i < points.size(); ++i)
        if (Angle < 22.5 + 45.0 * static_cast<double>(i)) return QString::fromLatin1(points[i]);
    return QStringLiteral("N");
}

QString BearingText(double Azimuth, int Decimals) {
    return QString::number(Azimuth, 'f', Decimals) + DegreeSign + QStringLiteral(" (") +
           CompassPosition(Azimuth) + QLatin1Char(')');
}

TMoonLabels MoonRiseSetLabels(const TMoonDay& Day, TDateTime T, const TPlace& Place) {
    TMoonLabels labels;
    const auto bearing = [&Place](const TMoonRiseSetEvent& event) {
        return QLatin1String(event.Rise ? "Moon Rises at:  " : "Moon Sets at:  ") +
               BearingText(SunMoonPosition(false, event.UT, Place).Azimuth, 1);
    };
    bool up = Day.MoonUp;
    if (Day.Count == 2) {
        const TMoonRiseSetEvent& first = Day.Events[0];
        const TMoonRiseSetEvent& second = Day.Events[1];
        labels.RiseLab1 = first.Text;
        labels.RiseLab2 = first.ZoneName;
        labels.SetLab1 = second.Text;
        labels.SetLab2 = second.ZoneName;
        if (first.DaySeconds >= 0) labels.RiseLab3 = bearing(first);
        if (second.DaySeconds >= 0) labels.SetLab3 = bearing(second);
    } else if (Day.Count == 1 && Day.Events[0].DaySeconds < 0) {
        labels.RiseLab1 = Day.Events[0].Text;  // all day up or down
    } else if (Day.Count == 1) {
        // The one event goes on the second line under a note of the missing one.
        const TMoonRiseSetEvent& event = Day.Events[0];
        labels.RiseLab1 = event.Rise ? QStringLiteral("No moonset this day")
                                     : QStringLiteral("No moonrise this day");
        labels.SetLab1 = event.Text;
        labels.SetLab2 = event.ZoneName;
        labels.SetLab3 = bearing(event);
        const TDaySeconds now = DateTimeToDaySeconds(T);
        up = event.Rise ? now > event.DaySeconds : now < event.DaySeconds;
    } else {
        labels.RiseLab1 = QStringLiteral("No moonrise this day");
        labels.SetLab1 = QStringLiteral("No moonset this day");
    }
    labels.UpLab = up ? QStringLiteral("Moon is up") : QStringLiteral("Moon is set");
    const QString first = labels.RiseLab1.toUpper();
    if (first.contains(QLatin1String("ALL"))) {
        if (first.contains(QLatin1String("DOWN"))) labels.UpLab = QStringLiteral("Moon is set");
        if (first.contains(QLatin1String("UP"))) labels.UpLab = QStringLiteral("Moon is up");
        labels.RiseLab2.clear();
        labels.RiseLab3.clear();
        labels.SetLab1.clear();
        labels.SetLab2.clear();
        labels.SetLab3.clear();
    }
    return labels;
}

long double DayLengthHours(long double RiseUT, long double SetUT) {
    long double hours = SetUT - RiseUT;
    if (hours < 0) hours += 24.0L;
    return hours;
}

TSunLabels SunLabels(const TSunInput& Sun, TDateTime T, const TPlace& Place) {
    TSunLabels labels;
    labels.UpLab = IsDaytimeAt(Sun.RiseUT, Sun.SetUT, Sun.UTCOffsetHours, TimeOfDayHours(T))
                       ? QStringLiteral("Sun is up")
                       : QStringLiteral("Sun is set");
    labels.RiseLab1 = Sun.RiseText;
    labels.SetLab1 = Sun.SetText;
    if (Sun.RiseText.toUpper().contains(QLatin1String("ALL")) ||
        Sun.SetText.toUpper().contains(QLatin1String("ALL")))
        return labels;
    const TDateTime day = std::trunc(T);
    labels.RiseLab2 = Sun.RiseZone;
    labels.SetLab2 = Sun.SetZone;
    const auto bearingAt = [&](long double HoursUT) {
        return BearingText(
            SunMoonPosition(true, AddSignedHours(static_cast<double>(HoursUT), day), Place).Azimuth,
            1);
    };
    labels.RiseLab3 = QStringLiteral("Sun Rises at:  ") + bearingAt(Sun.RiseUT);
    labels.SetLab3 = QStringLiteral("Sun Sets at:  ") + bearingAt(Sun.SetUT);
    labels.DayHoursLab =
        QStringLiteral("Day is ") +
        FormatDate(QStringLiteral("hh:mm"),
                   static_cast<double>(DayLengthHours(Sun.RiseUT, Sun.SetUT) / 24.0L)) +
        QStringLiteral(" Hours Long");
    return labels;
}

// ---- Daylight saving, location, status bar ------------------------------------------

TDaylightLines DaylightLines(TDateTime T) {
    TDaylightLines lines;
    const TTimeZoneState zone = TimeZoneAt(T);
    if (!zone.ZoneHasDaylight) return lines;
    lines.Visible = true;
    lines.FirstIsStart = zone.DaylightStart <= zone.DaylightEnd;
    const TDateTime first = lines.FirstIsStart ? zone.DaylightStart : zone.DaylightEnd;
    const TDateTime second = lines.FirstIsStart ? zone.DaylightEnd : zone.DaylightStart;
    const QString shift =
        QString::number(static_cast<double>(zone.DaylightShiftHours)) + QStringLiteral(" H");
    const QString ahead = QStringLiteral(" Clock Ahead ");
    const QString back = QStringLiteral(" Clock Back ");
    const QString daylightName =
        QStringLiteral("Start of ") + FromEngineText(zone.DaylightZoneName);
    const QString standardName =
        QStringLiteral("Start of ") + FromEngineText(zone.StandardZoneName);
    lines.StartLabel1 = FormatDate(QStringLiteral("ddd mmm  d   hh:mm AM/PM"), first) +
                        (lines.FirstIsStart ? ahead : back) + shift;
    lines.StartLabel2 = lines.FirstIsStart ? daylightName : standardName;
    lines.EndLabel1 = FormatDate(QStringLiteral("ddd mmm d   hh:mm AM/PM"), second) +
                      (lines.FirstIsStart ? back : ahead) + shift;
    lines.EndLabel2 = lines.FirstIsStart ? standardName : daylightName;
    int year = 0, month = 0, dayOfMonth = 0;
    DecodeDate(T, year, month, dayOfMonth);
    lines.Caption = QStringLiteral(" %1  Daylight Savings Time ").arg(year);
    return lines;
}

TLocationLines LocationLines(const QString& PlaceName, long double Latitude, long double Longitude,
                             int AltitudeFeet) {
    TLocationLines lines;
    // Shown in a label without a mnemonic, so an "&" reads as it is.
    lines.PlaceName = PlaceName;
    const auto angle = [](long double value) {
        const long double a = std::fabs(value);
        return FromEngineText(FormatDMS(a)) + QStringLiteral("  ");
    };
    const auto decimal = [](long double value) {
        return QStringLiteral("  ") +
               QString::number(static_cast<double>(std::fabs(value)), 'f', 5) + DegreeSign;
    };
    lines.Latitude = QStringLiteral("Latitude:   ") + angle(Latitude) +
                     (Latitude >= 0 ? QStringLiteral(" North ") : QStringLiteral(" South ")) +
                     decimal(Latitude);
    lines.Longitude = QStringLiteral("Longitude:  ") + angle(Longitude) +
                      (Longitude > 0 ? QStringLiteral(" East ") : QStringLiteral(" West ")) +
                      decimal(Longitude);
    lines.Altitude =
        QStringLiteral("Altitude: ") + QString::fromLatin1(FormatRoundedThousands(AltitudeFeet)) +
        QStringLiteral(" Feet = ") +
        QString::fromLatin1(FormatRoundedThousands(AltitudeFeet * 0.3048)) + QLatin1Char(' ') +
        (AltitudeFeet > 9999 ? QStringLiteral("M") : QStringLiteral("Meters"));
    return lines;
}

std::array<QString, 4> StatusBarTexts(TDateTime T, const QString& LongFormat) {
    int year = 0, month = 0, day = 0;
    DecodeDate(T, year, month, day);
    const QDate date(year, month, day);
    std::array<QString, 4> panels;
    panels[0] = FormatLocaleDateTime(LongFormat, T);
    panels[1] = QStringLiteral("Day: %1").arg(date.dayOfYear());
    panels[2] = QStringLiteral("Week: %1").arg(date.weekNumber());
    int hebrewYear = 0, hebrewMonth = 0, hebrewDay = 0;
    try {
        DateTimeToJewish(T, hebrewYear, hebrewMonth, hebrewDay);
    } catch (const std::exception&) {
        hebrewMonth = 0;  // outside the calendar's range: the panel stays empty
    }
    if (hebrewMonth >= 1 && hebrewMonth <= static_cast<int>(HebrewMonthNames.size()))
        panels[3] = QStringLiteral("%1 %2, %3")
                        .arg(QLatin1String(HebrewMonthNames[static_cast<size_t>(hebrewMonth - 1)]))
                        .arg(hebrewDay)
                        .arg(hebrewYear);
    return panels;
}

TPositionTexts PositionTexts(const TAltAzPos& Position) {
    return {BearingText(Position.Azimuth, 3),
            QString::number(Position.Altitude, 'f', 3) + DegreeSign};
}

}  // namespace orbelune
