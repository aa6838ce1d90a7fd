#include "DateHelpers.h"

#include "DateTimeRtl.h"
#include "EngineText.h"
#include "MyUtil.h"

#include <QLocale>

namespace orbelune {

TDateTime SystemTimeToDateTimeSafe(const TSystemTime& SystemTime) {
    TDateTime date = 0.0;
    TDateTime time = 0.0;
    if (!TryEncodeDate(SystemTime.wYear, SystemTime.wMonth, SystemTime.wDay, date) ||
        !TryEncodeTime(SystemTime.wHour, SystemTime.wMinute, SystemTime.wSecond,
                       SystemTime.wMilliseconds, time))
        return 0.0;
    return date >= 0.0 ? date + time : date - time;
}

TDateTime DateTimeFromQt(const QDateTime& value) {
    if (!value.isValid()) return 0.0;
    const QDate d = value.date();
    const QTime t = value.time();
    if (d.year() < 1 || d.year() > 9999) return 0.0;
    TSystemTime st;
    st.wYear = static_cast<std::uint16_t>(d.year());
    st.wMonth = static_cast<std::uint16_t>(d.month());
    st.wDay = static_cast<std::uint16_t>(d.day());
    st.wHour = static_cast<std::uint16_t>(t.hour());
    st.wMinute = static_cast<std::uint16_t>(t.minute());
    st.wSecond = static_cast<std::uint16_t>(t.second());
    st.wMilliseconds = static_cast<std::uint16_t>(t.msec());
    return SystemTimeToDateTimeSafe(st);
}

TDateTime FileTimeToLocalDateTime(const QFileInfo& FindData) {
    return DateTimeFromQt(FindData.lastModified().toLocalTime());
}

QString FormatDateTimeSafe(const QString& Format, TDateTime DateTime) {
    return FromEngineText(DateTimeToStringSafe(ToEngineText(Format), DateTime));
}

int GetLocaleFirstDayOfWeek() {
    return static_cast<int>(QLocale().firstDayOfWeek()) - 1;
}

}  // namespace orbelune
