#pragma once
// Conversions between system times, file times and TDateTime, and date formatting
// that copes with dates before 1899-12-30.

#include "StDate.h"

#include <QDateTime>
#include <QFileInfo>
#include <QString>

#include <cstdint>

namespace orbelune {

// The operating system's broken-down time.
struct TSystemTime {
    std::uint16_t wYear = 0;
    std::uint16_t wMonth = 0;
    std::uint16_t wDayOfWeek = 0;
    std::uint16_t wDay = 0;
    std::uint16_t wHour = 0;
    std::uint16_t wMinute = 0;
    std::uint16_t wSecond = 0;
    std::uint16_t wMilliseconds = 0;
};

// Date + time, or date - time for a date before 1899-12-30 (whose time part still
// runs forward); 0 when the date or the time fields do not exist.
TDateTime SystemTimeToDateTimeSafe(const TSystemTime& SystemTime);

// The date and time of a Qt date-time as it reads (no zone shift); 0 when it is
// outside the years 1..9999.
TDateTime DateTimeFromQt(const QDateTime& value);

// The file's last-write time in local time; 0 when the file has none.
TDateTime FileTimeToLocalDateTime(const QFileInfo& FindData);

// The date-time text of DateTime under Format (Delphi format letters); values below
// zero are adjusted first so that their time of day reads forward.
QString FormatDateTimeSafe(const QString& Format, TDateTime DateTime);

// The user locale's first day of the week, 0 = Monday to 6 = Sunday.
int GetLocaleFirstDayOfWeek();

}  // namespace orbelune
