#pragma once
// The Planet tab's texts without widgets: the eclipse list of a year (summary lines,
// detailed texts, the seven rows and the day lookup) and the planet table in fixed
// columns. Eclipse and planet times go in as UT or local as the names say.

#include "MoonTabTexts.h"
#include "StDate.h"
#include "StEclpse.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace orbelune {

// How times are written: local or Greenwich, 24-hour or AM/PM, and the two date formats.
struct TEclipseTextOptions {
    bool UseLocalTime = true;
    bool UseMilitaryTime = false;
    QString DateFormatShort = QStringLiteral("mm/dd/yyyy");
    QString DateFormatShortYY = QStringLiteral("mm/dd/yy");
};

inline constexpr int EclipseRowCount = 7;

// The eclipse of a day: its time and name, both empty when the day has none.
struct TEclipseDay {
    long double Time = 0;
    QString Name;
};

// " Lunar - Penumbral" ... " Solar - Ann Total", and the picture of ImageList2.
QString EclipseSummaryName(uint8_t EType);
int EclipseImageIndex(uint8_t EType);
// Mid-eclipse for solar eclipses, the penumbral start for lunar ones (UT), as a
// TDateTime; the records themselves count days straight on, also before 1899-12-30.
TDateTime EclipseTime(const TEclipseRec& Eclipse);

// Label, the date and time lines of T (UT), an empty line.
QStringList EclipseEventLines(const QString& Label, TDateTime T,
                              const TEclipseTextOptions& Options);
QStringList LunarEclipseText(const TEclipseRec& Eclipse, int ShownYear,
                             const TEclipseTextOptions& Options);
QStringList SolarEclipseText(const TEclipseRec& Eclipse, const TEclipseTextOptions& Options);

// One of the seven rows and its menu caption.
struct TEclipseRow {
    QString Caption;  // name + " " + date
    QString TimeText;
    QString MenuCaption;  // name + " " + the short date with a two-digit year
    int Image = 0;
};

struct TEclipseYear {
    int Year = 0;
    QStringList Memo;
    std::vector<TEclipseDay> Days;  // UT times
    std::vector<TEclipseRow> Rows;  // one per eclipse (the tab shows seven)
};

// The eclipses of Year from the engine's list, in list order.
TEclipseYear BuildEclipseYear(int Year, const TStEclipses& List,
                              const TEclipseTextOptions& Options);

// The eclipse on Day (its whole day as shown), with its time as shown; empty when none.
// Times are shown in local time when UseLocalTime, negative dates counted the same way
// as everywhere else.
TEclipseDay FindEclipseOnDay(const std::vector<TEclipseDay>& Days, TDateTime Day,
                             bool UseLocalTime);

// The planet table at the local time T: right ascension and declination
// (Astronomical) or compass bearing and angle above the horizon.
QStringList PlanetLines(TDateTime T, bool Astronomical, const TPlace& Place);

}  // namespace orbelune
