#include "DateFormats.h"
#include "DateHelpers.h"
#include "QStringPrinter.h"
#include "ScopedZone.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QTimeZone>

namespace orbelune {
namespace {

TSystemTime MakeSystemTime(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0) {
    TSystemTime st;
    st.wYear = static_cast<std::uint16_t>(y);
    st.wMonth = static_cast<std::uint16_t>(mo);
    st.wDay = static_cast<std::uint16_t>(d);
    st.wHour = static_cast<std::uint16_t>(h);
    st.wMinute = static_cast<std::uint16_t>(mi);
    st.wSecond = static_cast<std::uint16_t>(s);
    st.wMilliseconds = static_cast<std::uint16_t>(ms);
    return st;
}

// TDateTime counts days from 1899-12-30; 2000-01-01 is day 36526.
TEST(SystemTimeToDateTimeSafe, JoinsDateAndTime) {
    EXPECT_DOUBLE_EQ(SystemTimeToDateTimeSafe(MakeSystemTime(2000, 1, 1, 12)), 36526.5);
    EXPECT_DOUBLE_EQ(SystemTimeToDateTimeSafe(MakeSystemTime(1899, 12, 30, 6)), 0.25);
    EXPECT_NEAR(SystemTimeToDateTimeSafe(MakeSystemTime(2000, 1, 1, 0, 0, 1, 500)),
                36526.0 + 1.5 / 86400.0, 1e-9);
}

TEST(SystemTimeToDateTimeSafe, RunsTheTimeForwardBefore1899) {
    // 1899-12-29 06:00: day -1, and the time part counts forward from it.
    EXPECT_DOUBLE_EQ(SystemTimeToDateTimeSafe(MakeSystemTime(1899, 12, 29, 6)), -1.25);
}

TEST(SystemTimeToDateTimeSafe, GivesZeroForFieldsThatDoNotExist) {
    EXPECT_EQ(SystemTimeToDateTimeSafe(MakeSystemTime(2001, 2, 30)), 0.0);
    EXPECT_EQ(SystemTimeToDateTimeSafe(MakeSystemTime(2001, 13, 1)), 0.0);
    EXPECT_EQ(SystemTimeToDateTimeSafe(MakeSystemTime(0, 1, 1)), 0.0);
    EXPECT_EQ(SystemTimeToDateTimeSafe(MakeSystemTime(2001, 1, 1, 24)), 0.0);
    EXPECT_EQ(SystemTimeToDateTimeSafe(MakeSystemTime(2001, 1, 1, 0, 60)), 0.0);
    EXPECT_EQ(SystemTimeToDateTimeSafe(MakeSystemTime(2001, 1, 1, 0, 0, 0, 1000)), 0.0);
}

TEST(DateTimeFromQt, TakesTheFieldsAsTheyRead) {
    const QDateTime value(QDate(2024, 2, 29), QTime(18, 0));
    EXPECT_DOUBLE_EQ(DateTimeFromQt(value), 45351.75);
    EXPECT_EQ(DateTimeFromQt(QDateTime()), 0.0);
}

TEST(FormatDateTimeSafe, UsesTheDelphiFormatLetters) {
    EXPECT_EQ(FormatDateTimeSafe("mmmm d, yyyy   hh:mm:ss", 36526.5 + 61.0 / 86400.0),
              "January 1, 2000   12:01:01");
    EXPECT_EQ(FormatDateTimeSafe("dddd, mmmm d,  yyyy,   h:mm:ss AM/PM", 45351.75),
              "Thursday, February 29,  2024,   6:00:00 PM");
}

// Days before 1899-12-30 against Qt's own calendar and formatting; their time of day
// counts away from zero.
TEST(FormatDateTimeSafe, DaysBefore1900ReadAsQtReadsThem) {
    const QDate origin(1899, 12, 30);
    for (const QDate date : {QDate(1600, 3, 1), QDate(1850, 1, 1), QDate(1899, 12, 29)}) {
        const double days = origin.daysTo(date);
        const QString expected = QLocale::c().toString(QDateTime(date, QTime(10, 0)),
                                                       QStringLiteral("dddd MMMM d yyyy hh:mm"));
        EXPECT_EQ(FormatDateTimeSafe("dddd mmmm d yyyy hh:nn", days - 10 / 24.0), expected);
        EXPECT_EQ(FormatLocaleDateTime("dddd mmmm d yyyy hh:nn", days - 10 / 24.0), expected);
    }
    EXPECT_EQ(FormatDateTimeSafe("yyyy-mm-dd hh:nn", 0.25), "1899-12-30 06:00");
}

TEST(FileTimeToLocalDateTime, ReadsTheLastWriteTimeInLocalTime) {
    QTemporaryDir dir;
    const QString path = dir.filePath("probe.txt");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("x");
    file.flush();
    // 2020-07-04 16:30:00 UTC is 12:30 in New York (daylight time).
    ASSERT_TRUE(file.setFileTime(QDateTime(QDate(2020, 7, 4), QTime(16, 30), QTimeZone::utc()),
                                 QFileDevice::FileModificationTime));
    file.close();
    test::TScopedZone zone("America/New_York");
    EXPECT_DOUBLE_EQ(FileTimeToLocalDateTime(QFileInfo(path)),
                     SystemTimeToDateTimeSafe(MakeSystemTime(2020, 7, 4, 12, 30)));
    EXPECT_EQ(FileTimeToLocalDateTime(QFileInfo(dir.filePath("missing"))), 0.0);
}

TEST(GetLocaleFirstDayOfWeek, CountsFromMonday) {
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(GetLocaleFirstDayOfWeek(), 6);  // Sunday
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(GetLocaleFirstDayOfWeek(), 0);  // Monday
    QLocale::setDefault(saved);
}

}  // namespace
}  // namespace orbelune
