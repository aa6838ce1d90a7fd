#include "PlanetTabTexts.h"

#include "AstroExtras.h"
#include "Astronomy.h"
#include "DateFormats.h"
#include "DateTimeRtl.h"
#include "EngineText.h"
#include "MyUtil.h"
#include "StAstro.h"
#include "StAstroP.h"
#include "TimeValue.h"

#include <array>
#include <cmath>

namespace orbelune {

namespace {

struct TEclipseKind {
    const char* SummaryName;
    const char* SolarHeading;  // the detailed text's heading of a solar eclipse
    int Image;
};
constexpr std::array<TEclipseKind, 7> EclipseKinds = {{
    {" Lunar - Penumbral", "", 6},
    {" Lunar - Partial", "", 13},
    {" Lunar - Total", "", 14},
    {" Solar - Partial", " Solar - Partial", 10},
    {" Solar - Annular", " Solar - Annular", 11},
    {" Solar - Total", " Solar - Total", 12},
    {" Solar - Ann Total", " Solar Ann Total", 11},
}};

const TEclipseKind& KindOf(uint8_t EType) {
    return EclipseKinds[EType < EclipseKinds.size() ? EType : 0];
}

const QString Rule = QStringLiteral("------------------------");

QString Fixed(double Value, int Width, int Decimals) {
    return QString::asprintf("%*.*f", Width, Decimals, Value);
}

// The eclipse records count days straight on, also before 1899-12-30, where a TDateTime
// keeps its time of day forward from a day counted back.
TDateTime Shown(TDateTime RecordTime) {
    return LinearToDateTime(RecordTime);
}

TDateTimeText ShownTime(const QString& Format, TDateTime T, const TEclipseTextOptions& Options) {
    return MyDateTimeString(Format, Options.UseMilitaryTime, true, Options.UseLocalTime, T);
}

struct TBody {
    const char* AstronomicalName;  // 8 characters
    const char* SurfaceName;       // 7 characters
};
constexpr std::array<TBody, 10> Bodies = {{
    {"Sun     ", "Sun    "},
    {"Moon    ", "Moon   "},
    {"Mercury ", "Mercury"},
    {"Venus   ", "Venus  "},
    {"Mars    ", "Mars   "},
    {"Jupiter ", "Jupiter"},
    {"Saturn  ", "Saturn "},
    {"Uranus  ", "Uranus "},
    {"Neptune ", "Neptune"},
    {"Pluto   ", "Pluto  "},
}};

}  // namespace

QString EclipseSummaryName(uint8_t EType) {
    return QString::fromLatin1(KindOf(EType).SummaryName);
}

int EclipseImageIndex(uint8_t EType) {
    return KindOf(EType).Image;
}

TDateTime EclipseTime(const TEclipseRec& Eclipse) {
    return Shown(Eclipse.EType > EclipseTotalLunar ? Eclipse.MidEclipse : Eclipse.PenumbralStart);
}

QStringList EclipseEventLines(const QString& Label, TDateTime T,
                              const TEclipseTextOptions& Options) {
    const TDateTimeText text = ShownTime(Options.DateFormatShort, T, Options);
    return {Label, text.DateText, text.TimeText, QString()};
}

QStringList LunarEclipseText(const TEclipseRec& Eclipse, int ShownYear,
                             const TEclipseTextOptions& Options) {
    QStringList lines;
    lines << FormatLocaleDateTime(Options.DateFormatShortYY, Shown(Eclipse.PenumbralStart)) +
                 EclipseSummaryName(Eclipse.EType);
    lines << QStringLiteral("Mag: ") + Fixed(Eclipse.Magnitude, 5, 3);
    lines << QString();
    const std::array<std::pair<const char*, TDateTime>, 7> contacts = {{
        {"Penumbral Starts:", Eclipse.PenumbralStart},
        {"First Contact:", Eclipse.UmbralStart},
        {"Second Contact:", Eclipse.TotalStart},
        {"Mid Eclipse:", Eclipse.MidEclipse},
        {"Third Contact:", Eclipse.TotalEnd},
        {"Fourth Contact:", Eclipse.UmbralEnd},
        {"Penumbral Ends:", Eclipse.PenumbralEnd},
    }};
    // Contacts of other years drop out, and so do those the kind leaves unused at 0,
    // also when the shown year is 1899.
    for (const auto& [label, time] : contacts)
        if (time != 0 && YearOf(Shown(time)) == ShownYear)
            lines << EclipseEventLines(QString::fromLatin1(label), Shown(time), Options);
    lines << Rule << QString();
    return lines;
}

QStringList SolarEclipseText(const TEclipseRec& Eclipse, const TEclipseTextOptions& Options) {
    QStringList lines;
    lines << FormatLocaleDateTime(Options.DateFormatShortYY, Shown(Eclipse.MidEclipse)) +
                 QString::fromLatin1(KindOf(Eclipse.EType).SolarHeading);
    lines << (Eclipse.EType == EclipsePartialSolar
                  ? QStringLiteral("Mag: ") + Fixed(Eclipse.Magnitude, 5, 3)
                  : QStringLiteral("Mag: N/A"));
    lines << (Eclipse.Hemisphere == 1 ? QStringLiteral("Hemisphere: Northern")
                                      : QStringLiteral("Hemisphere: Southern"));
    lines << QString();
    lines << EclipseEventLines(QStringLiteral("Mid Eclipse:"), Shown(Eclipse.MidEclipse), Options);
    if (Eclipse.Path) {
        for (const TEclipsePathPoint& point : *Eclipse.Path) {
            const TDateTimeText text =
                ShownTime(Options.DateFormatShort, Shown(point.Time), Options);
            lines << text.DateText << text.TimeText;
            lines << QStringLiteral(" Lat:     Lon:   Duration");
            lines << Fixed(point.Latitude, 7, 2) + QStringLiteral("   ") +
                         Fixed(point.Longitude, 6, 2) + QStringLiteral("   ") +
                         Fixed(point.Duration, 4, 2);
            lines << QString();
        }
    }
    lines << Rule << QString();
    return lines;
}

TEclipseYear BuildEclipseYear(int Year, const TStEclipses& List,
                              const TEclipseTextOptions& Options) {
    TEclipseYear result;
    result.Year = Year;
    QStringList summary;
    for (int32_t i = 0; i < List.Count(); ++i) {
        const TEclipseRec* eclipse = List.EclipseAt(i);
        if (eclipse == nullptr) continue;
        result.Memo << (eclipse->EType > EclipseTotalLunar
                            ? SolarEclipseText(*eclipse, Options)
                            : LunarEclipseText(*eclipse, Year, Options));
        const TDateTime time = EclipseTime(*eclipse);
        const QString name = EclipseSummaryName(eclipse->EType);
        // The whole short date, also where the user's format makes it longer than 8
        // characters.
        const QString shortDate = ShownTime(Options.DateFormatShortYY, time, Options).DateText;
        summary << shortDate + name;
        const TDateTimeText shown = ShownTime(Options.DateFormatShort, time, Options);
        result.Rows.push_back({name + QLatin1Char(' ') + shown.DateText, shown.TimeText,
                               name + QLatin1Char(' ') + shortDate,
                               EclipseImageIndex(eclipse->EType)});
        result.Days.push_back({time, name});
    }
    summary << QString() << Rule << QString();
    result.Memo = QStringList{QString(), Rule, QStringLiteral("Eclipse Summary:"), QString()} +
                  summary + result.Memo;
    return result;
}

TEclipseDay FindEclipseOnDay(const std::vector<TEclipseDay>& Days, TDateTime Day,
                             bool UseLocalTime) {
    const TDateTime day = std::trunc(Day);
    for (const TEclipseDay& entry : Days) {
        const double ut = static_cast<double>(entry.Time);
        const TDateTime shown =
            UseLocalTime ? AddSignedHours(static_cast<double>(GetUTCOffset(ut)), ut) : ut;
        if (std::trunc(shown) == day) return {shown, entry.Name};
    }
    return {};
}

QStringList PlanetLines(TDateTime T, bool Astronomical, const TPlace& Place) {
    const TDateTime u = AddSignedHours(static_cast<double>(-GetUTCOffset(T)), T);
    const TDayTimeRec rec{DateTimeToDayNumber(u), DateTimeToDaySeconds(u)};
    if (rec.D < 0) return {};
    struct TPlace3 {
        double RA, Dec, Parallax;
    };
    std::array<TPlace3, Bodies.size()> places{};
    const TRADecRec sun = SunRADec(rec);
    places[0] = {sun.RA, sun.Dec, 0};
    const TMoonPosRec moon = MoonPositionChecked(rec);
    places[1] = {moon.RA, moon.Dec, moon.Parallax};
    TPlanetPosArray planets{};
    PlanetsPosition(DayNumberToJD(rec.D) + rec.T / 86400.0, planets);
    for (size_t i = 0; i < planets.size(); ++i) places[i + 2] = {planets[i].RA, planets[i].Dec, 0};

    QStringList lines;
    if (Astronomical) {
        lines << QStringLiteral("         RA      Declination")
              << QStringLiteral("         (hours) (degrees)");
        for (size_t i = 0; i < Bodies.size(); ++i)
            lines << QString::fromLatin1(Bodies[i].AstronomicalName) +
                         FromEngineText(RAToText(places[i].RA)) + QStringLiteral("  ") +
                         FromEngineText(DecToText(places[i].Dec));
        return lines;
    }
    lines << QStringLiteral("         Compass     Angle");
    const QChar degree(0x00B0);
    for (size_t i = 0; i < Bodies.size(); ++i) {
        double altitude = 0, azimuth = 0;
        EquatorialToAltAz(altitude, azimuth, Place.Altitude, places[i].Parallax, places[i].Dec,
                          places[i].RA, static_cast<double>(Place.Latitude),
                          static_cast<double>(Place.Longitude), u);
        lines << QString::fromLatin1(Bodies[i].SurfaceName) +
                     QString::number(azimuth, 'f', 1).rightJustified(7) + degree +
                     (QLatin1Char('(') + CompassPosition(azimuth) + QLatin1Char(')'))
                         .leftJustified(4) +
                     QString::number(altitude, 'f', 1).rightJustified(7) + degree;
    }
    return lines;
}

}  // namespace orbelune
