#pragma once
// The texts of the Time tab's internet-time controls: the time servers offered, the
// schedules' caption, and what one query of a time server brings, as the time stamp
// and the result line show it.

#include "StDate.h"

#include <QLocale>
#include <QString>
#include <QStringList>

namespace orbelune {

// What one query of a time server found.
struct TInternetTimeResult {
    TDateTime Obtained = 0;  // the server's time (the PC clock's once set); 0: none came
    double Offset = 0;       // server time minus PC time, in days; 0 when none came
    bool Adjusted = false;   // the PC clock was set by Offset
    QString Note;            // why no time came, or why the PC clock was left as it was
};

// The 125 public SNTP servers of the server box, the program's default first.
QStringList TimeServerNames();

// The caption of both schedule boxes; its run of blanks is where the minutes editor sits.
inline constexpr const char* ScheduleCaption = "Connect + Update Every                     Min";

// The caption text before and after its run of blanks.
struct TCaptionParts {
    QString Before;
    QString After;
};
TCaptionParts SplitAtBlanks(const QString& Caption);

struct TInternetTimeTexts {
    QString TimeStamp;  // empty when no time came: a time shown before would mislead
    QString Result;
};

// The time stamp in the locale's short date and long time (without the zone), and the
// result line: "PC Clock Adjusted:  " or "Time Difference:  " with the offset in seconds
// to three decimals and the note in brackets; no stamp and the note alone when no time
// came.
TInternetTimeTexts InternetTimeTexts(const TInternetTimeResult& Result, const QLocale& Locale);

}  // namespace orbelune
