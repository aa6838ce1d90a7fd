#pragma once
// The date formats the windows' time texts use, taken from the locale at start-up and
// written with the format letters of DateTimeToString.

#include "DateTimeRtl.h"
#include "StDate.h"

#include <QString>

class QLocale;

namespace orbelune {

struct TDateFormats {
    QString Short = QStringLiteral("mm/dd/yy");
    QString ShortYY = QStringLiteral("mm/dd/yy");
    QString Long = QStringLiteral("dddd mmmm d, yyyy");
    // The month and day names of the locale the three patterns come from.
    TFormatSettings Names;
};

// The program-wide formats (user-interface thread).
extern TDateFormats DateFormats;

// "Greenwich Time (GMT)": the zone text of times shown in UTC.
inline const QString GMTCaption = QStringLiteral("Greenwich Time (GMT)");

// A Qt date pattern (d, M, y, quoted text) in DateTimeToString letters; any other
// letter is kept as literal text.
QString DelphiDateFormatFromQt(const QString& QtFormat);

// "M/D/YYYY" becomes "mm/dd/yyyy" and "D/M/YYYY" "dd/mm/yyyy" (compared upper-cased);
// any other format stays as it is.
QString WidenShortDateFormat(const QString& Format);

// Format with its first "yyyy" (any case) replaced by "yy".
QString TwoDigitYearFormat(const QString& Format);

// Format with a year of two digits ("yy", any case, and no "yyyy") given four; any other
// format stays as it is.
QString FourDigitYearFormat(const QString& Format);

// The three formats from the locale's short and long patterns (in DateTimeToString
// letters).
TDateFormats DateFormatsFrom(const QString& SystemShort, const QString& SystemLong);

// The three formats and the month and day names of a locale. Qt's short patterns are
// the common locale data's, which write the year with two digits where the system's own
// short format has four ("M/d/yy" for US English, "M/d/yyyy" on the desktop): the short
// pattern gets four digits before it is widened, so the short format shows the whole
// year and only its two-digit copy shortens it.
TDateFormats LocaleDateFormats(const QLocale& Locale);

// DateTime under one of the program-wide formats (or a pattern built on one), with the
// month and day names of the locale the formats come from; the program's own fixed
// patterns go through FormatDateTimeSafe, in the English of their wording.
QString FormatLocaleDateTime(const QString& Format, TDateTime DateTime);

}  // namespace orbelune
