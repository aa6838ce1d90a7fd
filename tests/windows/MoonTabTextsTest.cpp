// The Moon tab's texts for several places, dates and zones, with the zone set per test.
// Reference instants: published phase, equinox and solstice times (USNO, to the
// minute) and moonrise/moonset from python3-ephem (tests/data/moonrise_ephem.csv);
// the engine's methods agree with them to a minute or two, hence the tolerances.
#include "CsvReader.h"
#include "DateTimeRtl.h"
#include "MoonTabTexts.h"
#include "ScopedZone.h"
#include "StDate.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <cmath>
#include <map>

namespace orbelune {
namespace {

const QString ShortYY = QStringLiteral("mm/dd/yy");
const QString LongFormat = QStringLiteral("dddd mmmm d, yyyy");

TDateTime At(int year, int month, int day, int hour = 0, int minute = 0) {
    return EncodeDate(year, month, day) + (hour * 60 + minute) / 1440.0;
}

// The degrees of a "... at:  123.4° (SE)" line.
double BearingOf(const QString& Line) {
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("([0-9.]+)\u00B0")).match(Line);
    return m.hasMatch() ? m.captured(1).toDouble() : -1;
}

int Seconds(int hour, int minute) {
    return (hour * 60 + minute) * 60;
}

TEST(MyDateTimeString, GreenwichAndLocalForms) {
    test::TScopedZone zone("America/New_York");
    const TDateTime t = At(2024, 1, 1, 18, 0);  // UT
    TDateTimeText text = MyDateTimeString(ShortYY, true, true, false, t);
    EXPECT_EQ(text.Text, "01/01/24   18:00");
    EXPECT_EQ(text.ZoneName, "Greenwich Time (GMT)");
    text = MyDateTimeString(ShortYY, false, true, true, t);
    EXPECT_EQ(text.Text, "01/01/24   1:00 PM");
    EXPECT_EQ(text.ZoneName, "EST");
    EXPECT_DOUBLE_EQ(text.Shown, At(2024, 1, 1, 13, 0));
    text = MyDateTimeString(ShortYY, false, false, true, t);
    EXPECT_EQ(text.TimeText, "01:00  PM");
    text = MyDateTimeString(ShortYY, true, false, false, t);
    EXPECT_EQ(text.TimeText, "18:00");
}

TEST(MyDateTimeString, DatesBefore1900KeepTheirTimeRunningForward) {
    test::TScopedZone zone("Etc/UTC");
    const TDateTime t = -1.25;  // 1899-12-29 06:00
    EXPECT_EQ(MyDateTimeString(ShortYY, true, true, false, t).Text, "12/29/99   06:00");
    EXPECT_EQ(MyDateTimeString(ShortYY, true, true, true, t).Text, "12/29/99   06:00");
}

TEST(LocalDateTime, BeforeAndAfter1900TheLocalDayIsTheOneBeforeWestOfGreenwich) {
    test::TScopedZone zone("Etc/GMT+5");  // five hours behind Greenwich all year
    const TDateTime ut1880 = EncodeDate(1880, 6, 10) - 2.0 / 24;  // 02:00 UT
    EXPECT_NEAR(LocalDateTime(ut1880, true), EncodeDate(1880, 6, 9) - 21.0 / 24, 1e-9);
    EXPECT_NEAR(LocalDateTime(0.125, true), -1.0 - 22.0 / 24, 1e-9);  // 1899-12-30 03:00 UT
    EXPECT_NEAR(LocalDateTime(EncodeDate(2024, 1, 1) + 2.0 / 24, true),
                EncodeDate(2023, 12, 31) + 21.0 / 24, 1e-9);
    EXPECT_EQ(LocalDateTime(ut1880, false), ut1880);
}

TEST(MoonPhases, AMonthWithTwoFullMoonsFillsAllFiveEntries) {
    test::TScopedZone zone("Etc/UTC");
    const TMonthPhaseTable table = CalcMoonPhases(true, true, At(2023, 8, 10, 12), ShortYY);
    struct Expected {
        int Day, Hour, Minute;
        float Value;
        const char* Name;
    };
    const Expected expected[5] = {{1, 18, 31, 1.0F, "Full Moon"},
                                  {8, 10, 28, -0.5F, "Last Quarter"},
                                  {16, 9, 38, 0.0F, "New Moon"},
                                  {24, 9, 57, 0.5F, "First Quarter"},
                                  {31, 1, 35, 1.0F, "Full Moon"}};
    for (size_t i = 0; i < 5; ++i) {
        const PhaseEvent& e = table[i];
        EXPECT_EQ(e.DayNumber, DMYToDayNumber(expected[i].Day, 8, 2023, 0)) << i;
        EXPECT_NEAR(e.DaySeconds, Seconds(expected[i].Hour, expected[i].Minute), 120) << i;
        EXPECT_EQ(e.PhaseValue, expected[i].Value) << i;
        EXPECT_TRUE(e.Text.startsWith(
            QStringLiteral("08/%1/23   ").arg(expected[i].Day, 2, 10, QLatin1Char('0'))))
            << e.Text.toStdString();
        EXPECT_TRUE(e.Text.endsWith(QStringLiteral("   ") + expected[i].Name))
            << e.Text.toStdString();
        EXPECT_EQ(e.ZoneName, "UTC");
    }
    EXPECT_EQ(GetMoonPhaseName(table, At(2023, 8, 31, 23, 59)), "FULL MOON");
    EXPECT_EQ(GetMoonPhaseName(table, At(2023, 8, 24)), "First Quarter");
    EXPECT_EQ(GetMoonPhaseName(table, At(2023, 8, 8)), "Last Quarter");
    EXPECT_EQ(GetMoonPhaseName(table, At(2023, 8, 16)), "New Moon");
    EXPECT_EQ(GetMoonPhaseName(table, At(2023, 8, 17)), "");
}

// The table's instants are clock times: the engine's dynamical-time phases less Delta-T
// (about 70 s in 2026), checked against python3-ephem's UT instants in New York.
TEST(MoonPhases, ClockTimesOfDecember2026InNewYorkAgreeWithEphem) {
    test::TScopedZone zone("America/New_York");
    const TMonthPhaseTable table = CalcMoonPhases(true, true, At(2026, 12, 15), ShortYY);
    const std::map<std::string, float> values = {
        {"new", 0.0F}, {"first", 0.5F}, {"full", 1.0F}, {"last", -0.5F}};
    const std::vector<test::CsvRow> rows = test::ReadCsv("phase_times_new_york.csv");
    ASSERT_EQ(rows.size(), 5U);
    for (size_t i = 0; i < rows.size(); ++i) {
        const std::string& date = rows[i].Text("date");
        const PhaseEvent& e = table[i];
        EXPECT_EQ(e.DayNumber, DMYToDayNumber(std::stoi(date.substr(8, 2)), 12, 2026, 0)) << date;
        EXPECT_EQ(e.PhaseValue, values.at(rows[i].Text("phase"))) << date;
        EXPECT_NEAR(e.DaySeconds, rows[i].Int("seconds"), 30) << date;
    }
    // Full moon at 20:28:09 EST: the clock text shows the minute it happens in.
    EXPECT_TRUE(table[3].Text.startsWith(QStringLiteral("12/23/26   20:28")))
        << table[3].Text.toStdString();
}

TEST(MoonPhases, AMonthWithFourLeavesTheFifthEntryEmpty) {
    test::TScopedZone zone("Etc/UTC");
    const TMonthPhaseTable table = CalcMoonPhases(true, true, At(2024, 1, 15), ShortYY);
    EXPECT_EQ(table[0].DayNumber, DMYToDayNumber(4, 1, 2024, 0));   // last quarter 03:30
    EXPECT_EQ(table[3].DayNumber, DMYToDayNumber(25, 1, 2024, 0));  // full moon 17:54
    EXPECT_EQ(table[4].DayNumber, -1);
}

TEST(MoonPhases, TheLocalDayOfAPhaseFollowsTheZone) {
    // New moon 2023-12-12 23:32 UT: 13 December in Sydney, 12 December in Greenwich.
    TMonthPhaseTable table;
    {
        test::TScopedZone zone("Australia/Sydney");
        table = CalcMoonPhases(true, false, At(2023, 12, 5), ShortYY);
        EXPECT_EQ(GetMoonPhaseName(table, At(2023, 12, 13)), "New Moon");
        EXPECT_EQ(GetMoonPhaseName(table, At(2023, 12, 12)), "");
        const QRegularExpression form(QStringLiteral("^12/13/23   10:3\\d AM   New Moon$"));
        bool found = false;
        for (const PhaseEvent& e : table)
            if (e.DayNumber >= 0 && e.PhaseValue == 0.0F) {
                found = true;
                EXPECT_TRUE(form.match(e.Text).hasMatch()) << e.Text.toStdString();
                EXPECT_EQ(e.ZoneName, "AEDT");
            }
        EXPECT_TRUE(found);
    }
    test::TScopedZone zone("Etc/UTC");
    table = CalcMoonPhases(false, true, At(2023, 12, 5), ShortYY);
    EXPECT_EQ(GetMoonPhaseName(table, At(2023, 12, 12)), "New Moon");
    EXPECT_EQ(GetMoonPhaseName(table, At(2023, 12, 13)), "");
}

TEST(MoonPhases, IconIndexesAndTheirSouthernMirror) {
    EXPECT_EQ(PhaseIconIndex(0.0F, false), 0);
    EXPECT_EQ(PhaseIconIndex(0.5F, false), 6);
    EXPECT_EQ(PhaseIconIndex(1.0F, false), 12);
    EXPECT_EQ(PhaseIconIndex(-0.5F, false), 18);
    EXPECT_EQ(PhaseIconIndex(0.0F, true), 0);
    EXPECT_EQ(PhaseIconIndex(0.5F, true), 18);
    EXPECT_EQ(PhaseIconIndex(1.0F, true), 12);
    EXPECT_EQ(PhaseIconIndex(-0.5F, true), 6);
    EXPECT_EQ(PhaseValueName(-0.5F), "Last Quarter");
}

TEST(Seasons, TheMarchEquinoxFallsOnTheLocalDay) {
    // 2024: Mar 20 03:06, Jun 20 20:51, Sep 22 12:44, Dec 21 09:20 UT.
    {
        test::TScopedZone zone("America/New_York");
        const TSeasonTable table = CalcEquinoxSolstice(2024, true, false, ShortYY);
        EXPECT_EQ(GetEquinoxSolsticeName(table, At(2024, 3, 19)), "Mar Equinox");
        EXPECT_EQ(GetEquinoxSolsticeName(table, At(2024, 3, 20)), "");
        EXPECT_NEAR(table[0].Date, At(2024, 3, 19, 23, 6), 1.5 / 1440);
        EXPECT_TRUE(table[0].Text.startsWith("03/19/24   11:0")) << table[0].Text.toStdString();
        EXPECT_TRUE(table[0].Text.endsWith(" PM  Mar Equinox")) << table[0].Text.toStdString();
        EXPECT_EQ(table[0].ZoneName, "EDT");
        EXPECT_EQ(table[3].ZoneName, "EST");
    }
    test::TScopedZone zone("Etc/UTC");
    const TSeasonTable table = CalcEquinoxSolstice(2024, false, true, ShortYY);
    const TDateTime expected[4] = {At(2024, 3, 20, 3, 6), At(2024, 6, 20, 20, 51),
                                   At(2024, 9, 22, 12, 44), At(2024, 12, 21, 9, 20)};
    const char* names[4] = {"Mar Equinox", "Jun Solstice", "Sep Equinox", "Dec Solstice"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(table[i].Date, expected[i], 1.5 / 1440) << i;
        EXPECT_EQ(table[i].Name, names[i]);
        EXPECT_EQ(GetEquinoxSolsticeName(table, expected[i]), names[i]);
        EXPECT_EQ(table[i].ZoneName, "Greenwich Time (GMT)");
    }
}

TEST(MoonRiseSet, LondonInWinterBothEventsInTimeOrder) {
    test::TScopedZone zone("Europe/London");
    const TPlace london{51.5L, -0.1L, 0};
    // python3-ephem: set 39986 s, rise 78760 s UT on 2024-01-01.
    const TMoonDay day = CalcMoonRiseSet(true, false, At(2024, 1, 1, 15), london, ShortYY);
    ASSERT_EQ(day.Count, 2);
    EXPECT_FALSE(day.Events[0].Rise);
    EXPECT_NEAR(day.Events[0].DaySeconds, 39986, 180);
    EXPECT_TRUE(day.Events[1].Rise);
    EXPECT_NEAR(day.Events[1].DaySeconds, 78760, 180);
    EXPECT_TRUE(
        QRegularExpression("^Moonset 11:0\\d AM  01/01/24$").match(day.Events[0].Text).hasMatch())
        << day.Events[0].Text.toStdString();
    EXPECT_TRUE(
        QRegularExpression("^Moonrise  9:5\\d PM  01/01/24$").match(day.Events[1].Text).hasMatch())
        << day.Events[1].Text.toStdString();
    EXPECT_EQ(day.Events[0].ZoneName, "GMT");
    EXPECT_FALSE(day.MoonUp);  // 15:00 lies between the set and the rise

    const TMoonLabels labels = MoonRiseSetLabels(day, At(2024, 1, 1, 15), london);
    EXPECT_EQ(labels.RiseLab1, day.Events[0].Text);
    EXPECT_EQ(labels.SetLab1, day.Events[1].Text);
    EXPECT_EQ(labels.RiseLab2, "GMT");
    EXPECT_TRUE(labels.RiseLab3.startsWith("Moon Sets at:  ")) << labels.RiseLab3.toStdString();
    EXPECT_TRUE(labels.SetLab3.startsWith("Moon Rises at:  ")) << labels.SetLab3.toStdString();
    // python3-ephem at the same instants: set at azimuth 286.47, rise at 77.45 (0.5
    // degree covers the minute or two between the two methods' event times).
    EXPECT_NEAR(BearingOf(labels.RiseLab3), 286.47, 0.5);
    EXPECT_TRUE(labels.RiseLab3.endsWith("(W)"));
    EXPECT_NEAR(BearingOf(labels.SetLab3), 77.45, 0.5);
    EXPECT_TRUE(labels.SetLab3.endsWith("(E)"));
    EXPECT_EQ(labels.UpLab, "Moon is set");

    const TMoonDay late = CalcMoonRiseSet(true, true, At(2024, 1, 1, 23, 30), london, ShortYY);
    EXPECT_TRUE(late.MoonUp);  // after the rise
    EXPECT_TRUE(
        QRegularExpression("^Moonset  11:0\\d  01/01/24$").match(late.Events[0].Text).hasMatch())
        << late.Events[0].Text.toStdString();
}

TEST(MoonRiseSet, LocalDaysWithoutMoonriseOrMoonset) {
    // python3-ephem, New York in local time: on 2024-01-03 the moon only sets (11:27
    // EST), on 2024-01-17 it only rises (10:58 EST).
    test::TScopedZone zone("America/New_York");
    const TPlace newYork{40.7L, -74.0L, 0};
    TMoonDay day = CalcMoonRiseSet(true, false, At(2024, 1, 3, 12), newYork, ShortYY);
    ASSERT_EQ(day.Count, 1);
    EXPECT_FALSE(day.Events[0].Rise);
    EXPECT_NEAR(day.Events[0].DaySeconds, 41261, 180);
    TMoonLabels labels = MoonRiseSetLabels(day, At(2024, 1, 3, 12), newYork);
    EXPECT_EQ(labels.RiseLab1, "No moonrise this day");
    EXPECT_EQ(labels.SetLab1, day.Events[0].Text);
    EXPECT_EQ(labels.SetLab2, "EST");
    EXPECT_TRUE(labels.SetLab3.startsWith("Moon Sets at:  "));
    EXPECT_EQ(labels.UpLab, "Moon is set");
    EXPECT_EQ(MoonRiseSetLabels(day, At(2024, 1, 3, 10), newYork).UpLab, "Moon is up");

    day = CalcMoonRiseSet(true, false, At(2024, 1, 17, 12), newYork, ShortYY);
    ASSERT_EQ(day.Count, 1);
    EXPECT_TRUE(day.Events[0].Rise);
    EXPECT_NEAR(day.Events[0].DaySeconds, 39502, 180);
    labels = MoonRiseSetLabels(day, At(2024, 1, 17, 12), newYork);
    EXPECT_EQ(labels.RiseLab1, "No moonset this day");
    EXPECT_TRUE(labels.SetLab1.startsWith("Moonrise"));
    EXPECT_EQ(labels.UpLab, "Moon is up");
    EXPECT_EQ(MoonRiseSetLabels(day, At(2024, 1, 17, 9), newYork).UpLab, "Moon is set");
}

TEST(MoonRiseSet, PolarDayAndPolarNight) {
    test::TScopedZone zone("Etc/UTC");
    const TPlace longyearbyen{78.2L, 15.6L, 0};
    // python3-ephem: the upper limb stays at least 10 degrees above the horizon on
    // 2024-01-21 and at least 9 degrees below it on 2024-01-08.
    TMoonDay day = CalcMoonRiseSet(true, true, At(2024, 1, 21, 12), longyearbyen, ShortYY);
    ASSERT_EQ(day.Count, 1);
    TMoonLabels labels = MoonRiseSetLabels(day, At(2024, 1, 21, 12), longyearbyen);
    EXPECT_EQ(labels.RiseLab1, "Moon up all day");
    EXPECT_EQ(labels.UpLab, "Moon is up");
    for (const QString& other :
         {labels.RiseLab2, labels.RiseLab3, labels.SetLab1, labels.SetLab2, labels.SetLab3})
        EXPECT_TRUE(other.isEmpty()) << other.toStdString();

    day = CalcMoonRiseSet(true, true, At(2024, 1, 8, 12), longyearbyen, ShortYY);
    labels = MoonRiseSetLabels(day, At(2024, 1, 8, 12), longyearbyen);
    EXPECT_EQ(labels.RiseLab1, "Moon down all day");
    EXPECT_EQ(labels.UpLab, "Moon is set");
    EXPECT_TRUE(labels.SetLab1.isEmpty());
}

TEST(SunLabels, DayLengthCountsASunsetPastMidnightUT) {
    // New York, 2024-06-21: sunrise 09:25 UT, sunset 00:31 UT of the next day; the day
    // is 15 h 06 min long, not negative.
    EXPECT_NEAR(DayLengthHours(9.4167L, 0.5167L), 15.1, 1e-9);
    EXPECT_NEAR(DayLengthHours(6.0L, 18.0L), 12.0, 1e-12);
    test::TScopedZone zone("America/New_York");
    const TPlace newYork{40.7L, -74.0L, 0};
    TSunInput sun;
    sun.RiseText = "06/21/24  5:25 AM";
    sun.SetText = "06/21/24  8:31 PM";
    sun.RiseZone = sun.SetZone = "EDT";
    sun.RiseUT = 9.4167L;
    sun.SetUT = 0.5167L;
    sun.UTCOffsetHours = -4;
    const TSunLabels labels = SunLabels(sun, At(2024, 6, 21, 12), newYork);
    EXPECT_EQ(labels.DayHoursLab, "Day is 15:06 Hours Long");
    EXPECT_EQ(labels.UpLab, "Sun is up");
    EXPECT_EQ(labels.RiseLab2, "EDT");
    // python3-ephem: azimuth 57.48 at 09:25 UT and 302.52 at 00:31 UT.
    EXPECT_TRUE(labels.RiseLab3.startsWith("Sun Rises at:  ")) << labels.RiseLab3.toStdString();
    EXPECT_NEAR(BearingOf(labels.RiseLab3), 57.48, 0.2);
    EXPECT_TRUE(labels.RiseLab3.endsWith("(NE)"));
    EXPECT_TRUE(labels.SetLab3.startsWith("Sun Sets at:  ")) << labels.SetLab3.toStdString();
    EXPECT_NEAR(BearingOf(labels.SetLab3), 302.52, 0.2);
    EXPECT_TRUE(labels.SetLab3.endsWith("(NW)"));
    EXPECT_EQ(SunLabels(sun, At(2024, 6, 21, 22), newYork).UpLab, "Sun is set");
}

TEST(SunLabels, AnAllDayTextClearsTheOtherLines) {
    test::TScopedZone zone("Etc/UTC");
    TSunInput sun;
    sun.RiseText = "Sun up all day";
    sun.SetText = "";
    sun.RiseZone = sun.SetZone = "UTC";
    sun.RiseUT = -3;
    sun.SetUT = -3;
    const TSunLabels labels = SunLabels(sun, At(2024, 6, 21, 12), TPlace{78.2L, 15.6L, 0});
    EXPECT_EQ(labels.RiseLab1, "Sun up all day");
    EXPECT_EQ(labels.UpLab, "Sun is up");
    for (const QString& other :
         {labels.RiseLab2, labels.RiseLab3, labels.SetLab2, labels.SetLab3, labels.DayHoursLab})
        EXPECT_TRUE(other.isEmpty());
}

TEST(CompassPosition, EightSectorsCentredOnThePoints) {
    EXPECT_EQ(CompassPosition(0), "N");
    EXPECT_EQ(CompassPosition(22.49), "N");
    EXPECT_EQ(CompassPosition(22.5), "NE");
    EXPECT_EQ(CompassPosition(112.5), "SE");
    EXPECT_EQ(CompassPosition(180), "S");
    EXPECT_EQ(CompassPosition(250), "W");
    EXPECT_EQ(CompassPosition(337.49), "NW");
    EXPECT_EQ(CompassPosition(337.5), "N");
    EXPECT_EQ(CompassPosition(-10), "N");
    EXPECT_EQ(CompassPosition(-100), "W");
    EXPECT_EQ(CompassPosition(-130), "SW");
    EXPECT_EQ(BearingText(123.456, 1), QStringLiteral("123.5\u00B0 (SE)"));
}

TEST(LocationLines, HemispheresAndAltitudeUnits) {
    TLocationLines lines = LocationLines("Fish & Chips", 51.5L, 0.0L, 9999);
    EXPECT_EQ(lines.PlaceName, "Fish & Chips");
    EXPECT_EQ(lines.Latitude,
              QStringLiteral("Latitude:   51\u00B0  30'  0''   North   51.50000\u00B0"));
    EXPECT_EQ(lines.Longitude,
              QStringLiteral("Longitude:  0\u00B0  0'  0''   West   0.00000\u00B0"));
    EXPECT_EQ(lines.Altitude, "Altitude: 9,999 Feet = 3,048 Meters");
    lines = LocationLines("La Paz", -16.5L, -68.15L, 10000);
    EXPECT_TRUE(lines.Latitude.contains(" South "));
    EXPECT_TRUE(lines.Longitude.contains(" West "));
    EXPECT_EQ(lines.Altitude, "Altitude: 10,000 Feet = 3,048 M");
    lines = LocationLines("Tokyo", 35.68L, 139.69L, 0);
    EXPECT_TRUE(lines.Longitude.contains(" East "));
}

TEST(StatusBarTexts, DateDayWeekAndHebrewDate) {
    std::array<QString, 4> panels = StatusBarTexts(At(2024, 1, 1, 9), LongFormat);
    EXPECT_EQ(panels[0], "Monday January 1, 2024");
    EXPECT_EQ(panels[1], "Day: 1");
    EXPECT_EQ(panels[2], "Week: 1");
    EXPECT_EQ(panels[3], "Tevet 20, 5784");  // convertdate: 20 Tevet 5784
    panels = StatusBarTexts(At(2021, 1, 1), LongFormat);
    EXPECT_EQ(panels[2], "Week: 53");
    panels = StatusBarTexts(At(2024, 3, 25), LongFormat);
    EXPECT_EQ(panels[1], "Day: 85");
    EXPECT_EQ(panels[3], "Adar 2 15, 5784");  // Shushan Purim of a leap year
}

TEST(DaylightLines, NorthernAndSouthernZones) {
    {
        test::TScopedZone zone("America/New_York");
        const TDaylightLines lines = DaylightLines(At(2024, 6, 1));
        ASSERT_TRUE(lines.Visible);
        EXPECT_TRUE(lines.FirstIsStart);
        EXPECT_EQ(lines.StartLabel1, "Sun Mar  10   02:00 AM Clock Ahead 1 H");
        EXPECT_EQ(lines.StartLabel2, "Start of EDT");
        EXPECT_EQ(lines.EndLabel1, "Sun Nov 3   02:00 AM Clock Back 1 H");
        EXPECT_EQ(lines.EndLabel2, "Start of EST");
        EXPECT_EQ(lines.Caption, " 2024  Daylight Savings Time ");
    }
    {
        test::TScopedZone zone("Australia/Sydney");
        const TDaylightLines lines = DaylightLines(At(2024, 6, 1));
        ASSERT_TRUE(lines.Visible);
        EXPECT_FALSE(lines.FirstIsStart);
        EXPECT_EQ(lines.StartLabel1, "Sun Apr  7   03:00 AM Clock Back 1 H");
        EXPECT_EQ(lines.StartLabel2, "Start of AEST");
        EXPECT_EQ(lines.EndLabel1, "Sun Oct 6   02:00 AM Clock Ahead 1 H");
        EXPECT_EQ(lines.EndLabel2, "Start of AEDT");
    }
    test::TScopedZone zone("Etc/UTC");
    EXPECT_FALSE(DaylightLines(At(2024, 6, 1)).Visible);
}

TEST(PositionTexts, ThreeDecimalsWithTheCompassPoint) {
    const TPositionTexts texts = PositionTexts(TAltAzPos{-12.3456, 271.0});
    EXPECT_EQ(texts.Azimuth, QStringLiteral("271.000\u00B0 (W)"));
    EXPECT_EQ(texts.Altitude, QStringLiteral("-12.346\u00B0"));
}

TEST(SunMoonPosition, TheSunAtLocalNoonStandsSouth) {
    // London, 2024-06-21 12:02 UT: the sun culminates at altitude 90 - 51.5 + 23.44.
    const TAltAzPos sun = SunMoonPosition(true, At(2024, 6, 21, 12, 2), TPlace{51.5L, -0.1L, 0});
    EXPECT_NEAR(sun.Altitude, 61.94, 0.1);
    EXPECT_NEAR(sun.Azimuth, 180.0, 1.0);
}

}  // namespace
}  // namespace orbelune
