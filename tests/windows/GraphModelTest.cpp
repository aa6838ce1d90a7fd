// The year chart's points, labels, scales, date lines and clicks. Reference sunrise
// and sunset times are tests/data/sunrise_ephem.csv (python3-ephem); the local offsets
// come from Qt's own zone data, not from the engine.
#include "CsvReader.h"
#include "DateTimeRtl.h"
#include "GraphModel.h"
#include "QStringPrinter.h"
#include "ScopedZone.h"

#include <QDateTime>
#include <QRegularExpression>
#include <QTimeZone>

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace orbelune {
namespace {

struct TPlaceCase {
    const char* Zone;
    long double Latitude, Longitude;
};
const TPlaceCase NewYork{"America/New_York", 40.71L, -74.01L};
const TPlaceCase Sydney{"Australia/Sydney", -33.87L, 151.21L};

TGraphRequest Request(const TPlaceCase& Place, TDateTime Date) {
    TGraphRequest request;
    request.GraphDate = Date;
    request.Now = Date + 0.75;  // 18:00
    request.Latitude = Place.Latitude;
    request.Longitude = Place.Longitude;
    return request;
}

// Local minus UT in hours at a UT instant, by Qt's zone data.
double QtOffsetHours(const char* Zone, int Year, int Month, int Day, double UTHours) {
    const QDateTime ut(QDate(Year, Month, Day), QTime(0, 0), QTimeZone::utc());
    return QTimeZone(Zone).offsetFromUtc(ut.addSecs(static_cast<qint64>(UTHours * 3600))) / 3600.0;
}

int DayOfYear(int Year, int Month, int Day) {
    return static_cast<int>(EncodeDate(Year, Month, Day) - EncodeDate(Year, 1, 1)) + 1;
}

// Minutes of the day of a label such as "5:25 AM Sunrise" or "20:31 Sunset".
int LabelMinutes(const QString& Label) {
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("^(\\d+):(\\d\\d)( AM| PM)?")).match(Label);
    if (!m.hasMatch()) return -1;
    int hours = m.captured(1).toInt() % (m.captured(3).isEmpty() ? 24 : 12);
    if (m.captured(3) == QLatin1String(" PM")) hours += 12;
    return hours * 60 + m.captured(2).toInt();
}

// Every 2024 row of a place in the reference file against the chart's points.
void ExpectPointsFollow(const TPlaceCase& Place, const std::string& Name) {
    test::TScopedZone zone(Place.Zone);
    const TGraph graph = BuildGraph(Request(Place, EncodeDate(2024, 6, 15)));
    int checked = 0;
    for (const std::vector<std::string>& row : test::CsvRows("sunrise_ephem.csv")) {
        if (row[0] != Name || row[4] != "2024") continue;
        const int month = std::stoi(row[5]), day = std::stoi(row[6]);
        const bool rising = row[7] == "1";
        const double ut = std::stod(row[8]);
        SCOPED_TRACE(testing::Message() << Name << " " << month << "/" << day << " " << rising);
        const int n = DayOfYear(2024, month, day);
        const double local =
            std::fmod(ut + QtOffsetHours(Place.Zone, 2024, month, day, ut) + 48, 24);
        const double value = (!rising && local < 11) ? GraphHeight : GraphHeight * local / 24;
        const QPoint point = (rising ? graph.RiseTimes : graph.SetTimes)[n - 1];
        EXPECT_EQ(point.x(), graph.Left + n);
        EXPECT_NEAR(point.y(), GraphBottom - value, 2.0);  // 2 pixels = 6 minutes
        ++checked;
    }
    EXPECT_GE(checked, 24);
}

TEST(GraphModel, NewYorkAndSydneyCurvesFollowTheReferenceTimes) {
    ExpectPointsFollow(NewYork, "New York");
    ExpectPointsFollow(Sydney, "Sydney");
}

TEST(GraphModel, LabelsOfTheGraphDate) {
    test::TScopedZone zone(NewYork.Zone);
    TGraphRequest request = Request(NewYork, EncodeDate(2024, 6, 15));
    TGraph graph = BuildGraph(request);
    EXPECT_EQ(graph.Title, " 2024  Sunrise and Sunset (local time) ");
    EXPECT_TRUE(graph.Labels.SunRiseLab1.endsWith(" AM Sunrise"));
    EXPECT_EQ(graph.Labels.SunRiseLab2, "EDT");
    EXPECT_TRUE(graph.Labels.SunSetLab1.endsWith(" PM Sunset"));
    // 9.40530 h and 0.48663 h UT, four hours behind in summer.
    EXPECT_NEAR(LabelMinutes(graph.Labels.SunRiseLab1), 5 * 60 + 24.3, 3);
    EXPECT_NEAR(LabelMinutes(graph.Labels.SunSetLab1), 20 * 60 + 29.2, 3);
    EXPECT_NEAR(LabelMinutes(graph.Labels.DayHoursLab.mid(7)), 15 * 60 + 4.9, 4);
    EXPECT_TRUE(graph.Labels.DayHoursLab.startsWith("Day is "));
    EXPECT_TRUE(graph.Labels.DayHoursLab.endsWith(" Hours Long"));
    EXPECT_TRUE(graph.Labels.SunRiseLab3.startsWith(QString::fromUtf8("Sun Rises at:  5")));
    EXPECT_TRUE(graph.Labels.SunRiseLab3.endsWith(QString::fromUtf8("\u00B0 (NE)")));
    EXPECT_TRUE(graph.Labels.SunSetLab3.startsWith(QString::fromUtf8("Sun Sets at:  30")));
    EXPECT_TRUE(graph.Labels.SunSetLab3.endsWith(QString::fromUtf8("\u00B0 (NW)")));

    request.UseMilitaryTime = true;
    graph = BuildGraph(request);
    EXPECT_TRUE(graph.Labels.SunSetLab1.startsWith("20:"));

    // Sydney in winter: 20.97279 h and 6.88277 h UT, ten hours ahead.
    test::TScopedZone sydney(Sydney.Zone);
    graph = BuildGraph(Request(Sydney, EncodeDate(2024, 6, 15)));
    EXPECT_NEAR(LabelMinutes(graph.Labels.SunRiseLab1), 6 * 60 + 58.4, 3);
    EXPECT_NEAR(LabelMinutes(graph.Labels.SunSetLab1), 16 * 60 + 53.0, 3);
    EXPECT_TRUE(graph.Labels.SunRiseLab3.startsWith(
        QString::fromUtf8("Sun Rises at:  6")));  // 61.6 degrees
}

TEST(GraphModel, PolesAndPolarDaysAndNights) {
    test::TScopedZone zone("Etc/UTC");
    struct Case {
        long double Latitude;
        int Month;
        const char* Label;
        bool UpAllDay;
    };
    const Case cases[] = {
        {90, 6, "Sun up all day", true},     {90, 12, "Sun down all day", false},
        {-90, 6, "Sun down all day", false}, {-90, 1, "Sun up all day", true},
        {69.65L, 6, "Sun up all day", true}, {69.65L, 12, "Sun down all day", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Latitude << " month " << c.Month);
        TGraphRequest request =
            Request({"Etc/UTC", c.Latitude, 18.96L}, EncodeDate(2024, c.Month, 20));
        const TGraph graph = BuildGraph(request);
        EXPECT_EQ(graph.Title, " 2024  Sunrise and Sunset (local time) ");
        EXPECT_EQ(graph.Labels.SunRiseLab1, c.Label);
        EXPECT_TRUE(graph.Labels.SunSetLab1.isEmpty());
        EXPECT_TRUE(graph.Labels.SunRiseLab3.isEmpty());
        EXPECT_TRUE(graph.Labels.DayHoursLab.isEmpty());
        // A polar day has its curves on the plot's bottom and top, a polar night both at
        // mid-height; the whole column is night then, and none of it in a polar day.
        const int n = DayOfYear(2024, c.Month, 20);
        const int rise = graph.RiseTimes[n - 1].y(), set = graph.SetTimes[n - 1].y();
        EXPECT_EQ(rise, c.UpAllDay ? GraphBottom : GraphBottom - GraphHeight / 2);
        EXPECT_EQ(set, c.UpAllDay ? GraphTop : GraphBottom - GraphHeight / 2);
        const int x = graph.Left + n;
        EXPECT_EQ(graph.Night.contains(QPoint(x, GraphTop + 30)), !c.UpAllDay);
        EXPECT_EQ(graph.Night.contains(QPoint(x, GraphBottom - 30)), !c.UpAllDay);
    }
}

TEST(GraphModel, WithoutDaylightSavingTheSummerHourStepGoes) {
    test::TScopedZone zone(NewYork.Zone);
    TGraphRequest request = Request(NewYork, EncodeDate(2024, 7, 1));
    const TGraph withDst = BuildGraph(request);
    request.DaylightSaving = false;
    const TGraph standard = BuildGraph(request);
    for (const int n : {DayOfYear(2024, 1, 15), DayOfYear(2024, 12, 1)}) {
        EXPECT_EQ(withDst.RiseTimes[n - 1], standard.RiseTimes[n - 1]);
    }
    for (const int n : {DayOfYear(2024, 4, 1), DayOfYear(2024, 7, 1), DayOfYear(2024, 10, 1)}) {
        EXPECT_EQ(standard.RiseTimes[n - 1].y() - withDst.RiseTimes[n - 1].y(), 20);
        EXPECT_EQ(standard.SetTimes[n - 1].y() - withDst.SetTimes[n - 1].y(), 20);
    }
    const TGraphLabels labels = BuildGraph(request).Labels;
    EXPECT_NEAR(LabelMinutes(labels.SunRiseLab1), LabelMinutes(withDst.Labels.SunRiseLab1) - 60, 1);
    EXPECT_EQ(labels.SunSetLab2, "EST");
}

TEST(GraphModel, ClicksAndTheLastDayOfALeapYear) {
    test::TScopedZone zone(NewYork.Zone);
    const TGraph leap = BuildGraph(Request(NewYork, EncodeDate(2024, 12, 31)));
    ASSERT_EQ(leap.Days, 366);
    const int l = leap.Left;
    EXPECT_FALSE(GraphClickDate(leap, l).has_value());
    EXPECT_EQ(GraphClickDate(leap, l + 1), EncodeDate(2024, 1, 1));
    EXPECT_EQ(GraphClickDate(leap, l + 366), EncodeDate(2024, 12, 31));
    EXPECT_FALSE(GraphClickDate(leap, l + 367).has_value());
    // 31 December has its point and its labels.
    ASSERT_EQ(leap.RiseTimes.size(), 366);
    EXPECT_EQ(leap.RiseTimes.back().x(), l + 366);
    EXPECT_NEAR(leap.RiseTimes.back().y(), leap.RiseTimes[364].y(), 1);
    EXPECT_NEAR(LabelMinutes(leap.Labels.SunRiseLab1), 7 * 60 + 20, 3);

    const TGraph common = BuildGraph(Request(NewYork, EncodeDate(2023, 6, 1)));
    EXPECT_EQ(common.RiseTimes.size(), 365);
    EXPECT_EQ(GraphClickDate(common, l + 365), EncodeDate(2023, 12, 31));
    EXPECT_FALSE(GraphClickDate(common, l + 366).has_value());
    EXPECT_EQ(GraphSunGroupCaption(EncodeDate(2024, 1, 2)), " Tue  January 2, 2024 ");
    // A year before 1900 is labelled with its own days and months (Python's calendar).
    EXPECT_EQ(GraphSunGroupCaption(EncodeDate(1850, 1, 1)), " Tue  January 1, 1850 ");
    const TGraph old = BuildGraph(Request(NewYork, EncodeDate(1850, 6, 1)));
    EXPECT_EQ(old.MonthNames[0].Text, "Jan");
    EXPECT_EQ(old.MonthNames[11].Text, "Dec");
}

TEST(GraphModel, ScalesOfBothClockFormsAndOfThePosition) {
    test::TScopedZone zone(NewYork.Zone);
    struct Case {
        bool Military, Position;
        int Left;
        const char *Top, *Noon, *Bottom, *Second;
    };
    const Case cases[] = {
        {true, false, 40, "24:00", "12:00", "00:00", "23:00"},
        {false, false, 60, "12:00 AM", "12:00 PM", "12:00 AM", "11:00 PM"},
        {true, true, 60, "360\u00B0 (N)", "180\u00B0 (S)", "0\u00B0 (N)", "345\u00B0"},
    };
    for (const Case& c : cases) {
        TGraphRequest request = Request(NewYork, EncodeDate(2024, 3, 1));
        request.UseMilitaryTime = c.Military;
        request.PositionMode = c.Position;
        const TGraph graph = BuildGraph(request);
        EXPECT_EQ(graph.Left, c.Left);
        EXPECT_EQ(graph.Right, c.Left + 366);
        ASSERT_EQ(graph.ScaleTexts.size(), 25u);
        EXPECT_EQ(graph.ScaleTexts[0].Text, QString::fromUtf8(c.Top));
        EXPECT_EQ(graph.ScaleTexts[1].Text, QString::fromUtf8(c.Second));
        EXPECT_EQ(graph.ScaleTexts[12].Text, QString::fromUtf8(c.Noon));
        EXPECT_EQ(graph.ScaleTexts[24].Text, QString::fromUtf8(c.Bottom));
        EXPECT_EQ(graph.ScaleTexts[3].At, QPoint(0, 63));
        EXPECT_EQ(graph.GridLines[3].Line, QLine(c.Left - (c.Position ? 8 : 10), GraphTop + 60,
                                                 c.Left + 366, GraphTop + 60));
        EXPECT_EQ(graph.GridLines[6].EastWest, c.Position);
        EXPECT_EQ(graph.GridLines[18].EastWest, c.Position);
        EXPECT_FALSE(graph.GridLines[12].EastWest);
        EXPECT_EQ(graph.MonthNames[1].Text, "Feb");
        EXPECT_EQ(graph.MonthLines[0].x1(), c.Left + 32);  // 1 February
    }
}

TEST(GraphModel, DateLinesAndFooter) {
    test::TScopedZone zone(NewYork.Zone);
    TGraphRequest request = Request(NewYork, EncodeDate(2024, 2, 1));
    request.AltitudeFeet = 1000;
    request.PlaceName = QStringLiteral("New York");
    request.LatitudeText = QStringLiteral("Latitude:   40N");
    request.LongitudeText = QStringLiteral("Longitude:  74W 0");
    TGraph graph = BuildGraph(request);
    const int x = graph.Left + 32;
    ASSERT_EQ(graph.DateLines.size(), 4u);
    EXPECT_EQ(graph.DateLines[0], QLine(x, GraphTop - 5, x, GraphBottom + 5));
    EXPECT_EQ(graph.DateLines[1], QLine(graph.Left - 5, GraphBottom - 360, x, GraphBottom - 360));
    ASSERT_EQ(graph.EventLines.size(), 2u);
    EXPECT_EQ(graph.EventLines[0].p2(), graph.RiseTimes[31]);
    EXPECT_EQ(graph.EventLines[1].p2(), graph.SetTimes[31]);

    ASSERT_EQ(graph.Footer.size(), 3u);
    EXPECT_EQ(graph.Footer[0].Text, graph.Title + "   New York");
    EXPECT_EQ(graph.Footer[1].Text, "Latitude:   40N          Altitude: 1,000 Feet");
    EXPECT_EQ(graph.Footer[2].Text, "Longitude:  74W 0" + QString(24, ' ') + "305 Meters");
    EXPECT_EQ(graph.Footer[2].At, QPoint(graph.Left + 6, GraphTop + GraphBottom + 53));

    request.ShowDateLines = false;
    graph = BuildGraph(request);
    EXPECT_TRUE(graph.DateLines.empty());
    EXPECT_TRUE(graph.EventLines.empty());
}

}  // namespace
}  // namespace orbelune
