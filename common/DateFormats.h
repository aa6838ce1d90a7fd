#pragma once
// The date formats the windows' time texts use, taken from the locale at start-up and
// written with the format letters of DateTimeToString.

#include <QString>

namespace orbelune {

struct TDateFormats {
    QString Short = QStringLiteral("mm/dd/yy");
    QString ShortYY = QStringLiteral("mm/dd/yy");
    QString Long = QStringLiteral("dddd mmmm d, yyyy");
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

// The three formats from the locale's short and long patterns (in DateTimeToString
// letters).
TDateFormats DateFormatsFrom(const QString& SystemShort, const QString& SystemLong);

}  // namespace orbelune
