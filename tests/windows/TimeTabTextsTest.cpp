// The Time tab's texts: the server list, the schedules' caption around its editor, and
// the time stamp and result line in two locales.
#include "TimeTabTexts.h"

#include "DateTimeRtl.h"
#include "QStringPrinter.h"
#include "Settings.h"

#include <gtest/gtest.h>

#include <QSet>

namespace orbelune {
namespace {

TEST(TimeTabTexts, ServersAreDistinctHostNamesOfAtMost30Characters) {
    const QStringList names = TimeServerNames();
    EXPECT_EQ(names.first(), DefaultTimeServer);
    for (const QString& host : names)
        EXPECT_TRUE(host.size() <= 30 && host.contains(QLatin1Char('.'))) << host.toStdString();
    EXPECT_EQ(QSet<QString>(names.begin(), names.end()).size(), 125);
}

TEST(TimeTabTexts, ScheduleCaptionSplitsAtItsBlanks) {
    const TCaptionParts parts = SplitAtBlanks(QString::fromLatin1(ScheduleCaption));
    EXPECT_EQ(parts.Before, "Connect + Update Every");
    EXPECT_EQ(parts.After, "Min");
    EXPECT_EQ(SplitAtBlanks("Update PC Clock").Before, "Update PC Clock");
}

TEST(TimeTabTexts, StampAndResultLine) {
    const TDateTime obtained = EncodeDate(2025, 3, 14) + EncodeTime(22, 5, 9, 0);
    const struct {
        bool German;
        double OffsetSeconds;
        bool Adjusted;
        const char* Note;
        const char* Line;
    } cases[] = {
        {false, 1.5, true, "", "PC Clock Adjusted:  1.500 Seconds"},
        {false, -2.0, false, "", "Time Difference:  -2.000 Seconds"},
        {false, -0.0004, false, "the system keeps its own time",
         "Time Difference:  0.000 Seconds  (the system keeps its own time)"},
        {false, 12345.6786, false, "", "Time Difference:  12345.679 Seconds"},
        {true, 1.5, true, "", "PC Clock Adjusted:  1,500 Seconds"},
    };
    for (const auto& c : cases) {
        const QLocale locale = c.German ? QLocale(QLocale::German, QLocale::Germany)
                                        : QLocale(QLocale::English, QLocale::UnitedStates);
        const TInternetTimeTexts texts = InternetTimeTexts(
            {obtained, c.OffsetSeconds / 86400, c.Adjusted, QString::fromLatin1(c.Note)}, locale);
        EXPECT_EQ(texts.TimeStamp, c.German ? "14.03.25 22:05:09" : "3/14/25 10:05:09 PM");
        EXPECT_EQ(texts.Result, c.Line);
    }
    // No time came: no stamp, the line says why.
    const TInternetTimeTexts none = InternetTimeTexts({0, 0, false, "No answer."}, QLocale());
    EXPECT_TRUE(none.TimeStamp.isEmpty());
    EXPECT_EQ(none.Result, "No answer.");
}

}  // namespace
}  // namespace orbelune
