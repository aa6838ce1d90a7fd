// The clock window's texts and numbers without widgets: date formats, captions, world
// clocks, sun times with their day correction, day names, moon labels and icons, the
// display levels and the tab-command rule.
#include "ClockTexts.h"
#include "DateFormats.h"
#include "DateHelpers.h"

#include "Astronomy.h"
#include "DateTimeRtl.h"
#include "ScopedZone.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <cmath>

namespace orbelune {
namespace {

TDateTime At(int y, int mo, int d, int h, int mi, int s = 0) {
    return EncodeDate(y, mo, d) + EncodeTime(h, mi, s, 0);
}

QString Stamp(TDateTime t) {
    return FormatDateTimeSafe(QStringLiteral("yyyy-mm-dd hh:nn"), t);
}

TEST(DateFormatsTest, WideningAndTwoDigitYears) {
    EXPECT_EQ(WidenShortDateFormat(QStringLiteral("d/m/yyyy")), QStringLiteral("dd/mm/yyyy"));
    EXPECT_EQ(WidenShortDateFormat(QStringLiteral("M/d/yyyy")), QStringLiteral("mm/dd/yyyy"));
    EXPECT_EQ(WidenShortDateFormat(QStringLiteral("yyyy-mm-dd")), QStringLiteral("yyyy-mm-dd"));
    EXPECT_EQ(WidenShortDateFormat(QStringLiteral("m/d/yy")), QStringLiteral("m/d/yy"));
    EXPECT_EQ(TwoDigitYearFormat(QStringLiteral("yyyy-mm-dd")), QStringLiteral("yy-mm-dd"));
    EXPECT_EQ(TwoDigitYearFormat(QStringLiteral("YYYY/yyyy")), QStringLiteral("yy/yyyy"));
    EXPECT_EQ(TwoDigitYearFormat(QStringLiteral("dd.mm.yy")), QStringLiteral("dd.mm.yy"));
    EXPECT_EQ(FourDigitYearFormat(QStringLiteral("m/d/yy")), QStringLiteral("m/d/yyyy"));
    EXPECT_EQ(FourDigitYearFormat(QStringLiteral("YY-mm-dd")), QStringLiteral("yyyy-mm-dd"));
    EXPECT_EQ(FourDigitYearFormat(QStringLiteral("dd.mm.yyyy")), QStringLiteral("dd.mm.yyyy"));
    const TDateFormats f = DateFormatsFrom(QStringLiteral("D/M/YYYY"), QStringLiteral("dddd"));
    EXPECT_EQ(f.Short, QStringLiteral("dd/mm/yyyy"));
    EXPECT_EQ(f.ShortYY, QStringLiteral("dd/mm/yy"));
    EXPECT_EQ(f.Long, QStringLiteral("dddd"));
}

TEST(DateFormatsTest, QtPatternsBecomeFormatLetters) {
    EXPECT_EQ(DelphiDateFormatFromQt(QStringLiteral("M/d/yyyy")), QStringLiteral("m/d/yyyy"));
    EXPECT_EQ(DelphiDateFormatFromQt(QStringLiteral("dddd, MMMM d, yyyy")),
              QStringLiteral("dddd, mmmm d, yyyy"));
    // A letter Qt keeps as text stays text ("t" and "h" would be codes otherwise).
    EXPECT_EQ(DelphiDateFormatFromQt(QStringLiteral("d 'de' MMMM t")),
              QStringLiteral("d 'de' mmmm \"t\""));
    const TDateTime day = EncodeDate(2025, 3, 4);
    EXPECT_EQ(FormatDateTimeSafe(DelphiDateFormatFromQt(QStringLiteral("dd.MM.yyyy")), day),
              QStringLiteral("04.03.2025"));
}

// The locale's patterns come with the same locale's month and day names; the program's
// own fixed patterns keep their English names. The short dates are those the desktop
// and the C library's "%x" write for these locales: the whole year, and two-digit days
// and months for US English.
TEST(DateFormatsTest, LocalePatternsCarryTheLocalesNames) {
    const TDateFormats saved = DateFormats;
    struct Case {
        QLocale Locale;
        const char* Long;
        const char* Short;
        const char* ShortYY;
    };
    const Case cases[] = {
        {QLocale(QLocale::German, QLocale::Germany), "Mittwoch, 9. Dezember 2026", "09.12.2026",
         "09.12.26"},
        {QLocale(QLocale::English, QLocale::UnitedStates), "Wednesday, December 9, 2026",
         "12/09/2026", "12/09/26"},
        {QLocale(QLocale::French, QLocale::France), "mercredi 9 d\u00E9cembre 2026", "09/12/2026",
         "09/12/26"},
    };
    const TDateTime day = EncodeDate(2026, 12, 9);
    for (const Case& c : cases) {
        DateFormats = LocaleDateFormats(c.Locale);
        EXPECT_EQ(FormatLocaleDateTime(DateFormats.Long, day), QString::fromUtf8(c.Long));
        EXPECT_EQ(FormatLocaleDateTime(DateFormats.Short, day), QString::fromUtf8(c.Short));
        EXPECT_EQ(FormatLocaleDateTime(DateFormats.ShortYY, day), QString::fromUtf8(c.ShortYY));
        EXPECT_EQ(FormatDateTimeSafe(QStringLiteral("mmm d"), day), QStringLiteral("Dec 9"));
    }
    DateFormats = saved;
}

TEST(ClockTextsTest, MinuteAndSecondOfTheDay) {
    EXPECT_EQ(MinuteOfHour(At(2025, 3, 14, 10, 15, 30)), 15);
    EXPECT_EQ(MinuteOfHour(At(2025, 3, 14, 23, 59, 59)), 59);
    EXPECT_EQ(SecondOfDay(At(2025, 3, 14, 0, 0, 5)), 5);
    EXPECT_EQ(SecondOfDay(At(2025, 3, 14, 23, 59, 59)), 86399);
}

TEST(ClockTextsTest, LocalMomentsMoveToUTAcrossMidnightBeforeAndAfterNineteenHundred) {
    // Before 1899-12-30 the day counts back while its time of day runs forward.
    const TDateTime june1 = EncodeDate(1899, 6, 1);
    const TDayNumber day = DateTimeToDayNumber(june1);
    TDayTimeRec rec = LocalMomentToUT(june1 - 1.0 / 24, 5.0);  // 01:00, five hours east
    EXPECT_EQ(rec.D, day - 1);
    EXPECT_EQ(rec.T, 20 * 3600);
    rec = LocalMomentToUT(june1 - 22.0 / 24, -5.0);  // 22:00, five hours west
    EXPECT_EQ(rec.D, day + 1);
    EXPECT_EQ(rec.T, 3 * 3600);
    rec = LocalMomentToUT(june1 - 12.5 / 24, 2.0);  // within the day
    EXPECT_EQ(rec.D, day);
    EXPECT_EQ(rec.T, 10 * 3600 + 1800);
    rec = LocalMomentToUT(At(2024, 1, 1, 1, 0), 5.0);
    EXPECT_EQ(rec.D, DateTimeToDayNumber(EncodeDate(2023, 12, 31)));
    EXPECT_EQ(rec.T, 20 * 3600);
}

TEST(ClockTextsTest, HoursOfTheDayRunForwardOnBothSidesOfNineteenHundred) {
    EXPECT_NEAR(HoursOfDay(EncodeDate(1899, 6, 1) - 0.75), 18.0, 1e-9);
    EXPECT_NEAR(HoursOfDay(EncodeDate(1899, 6, 1) - 0.25), 6.0, 1e-9);
    EXPECT_NEAR(HoursOfDay(At(2024, 1, 1, 18, 0)), 18.0, 1e-9);
    EXPECT_NEAR(HoursOfDay(EncodeDate(1899, 12, 30)), 0.0, 1e-9);
}

TEST(ClockTextsTest, CaptionsByDisplayLevelAndClock) {
    const TDateTime morning = At(2025, 3, 14, 9, 5, 3);
    const TDateTime evening = At(2025, 3, 14, 21, 5, 3);
    const QString yy = QStringLiteral("mm/dd/yy");
    EXPECT_EQ(ClockCaption(1, false, morning, yy), QStringLiteral("03/14/25"));
    EXPECT_EQ(ClockCaption(1, true, morning, yy), QStringLiteral("03/14/25"));
    for (int level = 2; level <= 4; ++level) {
        // One-digit hour: the eighth character is the blank behind the seconds.
        EXPECT_EQ(ClockCaption(level, false, morning, yy), QStringLiteral("9:05:03 "));
        EXPECT_EQ(ClockCaption(level, true, morning, yy), QStringLiteral("9:05:03 "));
        EXPECT_EQ(ClockCaption(level, false, evening, yy), QStringLiteral("9:05:03 "));
        EXPECT_EQ(ClockCaption(level, true, evening, yy), QStringLiteral("21:05:03"));
    }
    EXPECT_EQ(TimeRowText(evening), QStringLiteral("9:05"));
    EXPECT_EQ(TimeRowText(At(2025, 3, 14, 12, 0)), QStringLiteral("12:00"));
    EXPECT_EQ(FormatDateTimeSafe(TimePanelFormat(false), evening),
              QStringLiteral("09:05:03  PM   "));
    EXPECT_EQ(FormatDateTimeSafe(TimePanelFormat(true), evening), QStringLiteral("21:05:03  "));
}

// Local times of the seven cities from Python's zoneinfo (IANA rules) at instants on
// both sides of the 2025 daylight changes of the United States, the European Union
// and New Zealand.
TEST(ClockTextsTest, WorldClocksAcrossDaylightChanges) {
    struct Case {
        TDateTime U;
        std::array<const char*, 7> Local;
    };
    const Case cases[] = {
        {At(2025, 3, 9, 6, 30),
         {"2025-03-08 20:30", "2025-03-08 22:30", "2025-03-09 01:30", "2025-03-09 07:30",
          "2025-03-09 12:00", "2025-03-09 15:30", "2025-03-09 19:30"}},
        {At(2025, 3, 9, 10, 30),
         {"2025-03-09 00:30", "2025-03-09 03:30", "2025-03-09 06:30", "2025-03-09 11:30",
          "2025-03-09 16:00", "2025-03-09 19:30", "2025-03-09 23:30"}},
        {At(2025, 3, 30, 0, 30),
         {"2025-03-29 14:30", "2025-03-29 17:30", "2025-03-29 20:30", "2025-03-30 01:30",
          "2025-03-30 06:00", "2025-03-30 09:30", "2025-03-30 13:30"}},
        {At(2025, 3, 30, 1, 30),
         {"2025-03-29 15:30", "2025-03-29 18:30", "2025-03-29 21:30", "2025-03-30 03:30",
          "2025-03-30 07:00", "2025-03-30 10:30", "2025-03-30 14:30"}},
        {At(2025, 4, 5, 13, 30),
         {"2025-04-05 03:30", "2025-04-05 06:30", "2025-04-05 09:30", "2025-04-05 15:30",
          "2025-04-05 19:00", "2025-04-05 22:30", "2025-04-06 02:30"}},
        {At(2025, 4, 5, 14, 30),
         {"2025-04-05 04:30", "2025-04-05 07:30", "2025-04-05 10:30", "2025-04-05 16:30",
          "2025-04-05 20:00", "2025-04-05 23:30", "2025-04-06 02:30"}},
        {At(2025, 9, 27, 13, 30),
         {"2025-09-27 03:30", "2025-09-27 06:30", "2025-09-27 09:30", "2025-09-27 15:30",
          "2025-09-27 19:00", "2025-09-27 22:30", "2025-09-28 01:30"}},
        {At(2025, 9, 27, 14, 30),
         {"2025-09-27 04:30", "2025-09-27 07:30", "2025-09-27 10:30", "2025-09-27 16:30",
          "2025-09-27 20:00", "2025-09-27 23:30", "2025-09-28 03:30"}},
    };
    for (const Case& c : cases) {
        const auto times = WorldClockTimes(c.U);
        for (int i = 0; i < WorldClockCount; ++i)
            EXPECT_EQ(Stamp(times[i]), QString::fromLatin1(c.Local[i]))
                << WorldCityNames[i] << " at " << Stamp(c.U).toStdString();
    }
}

TEST(ClockTextsTest, DisplayLevelsAndTabCommands) {
    EXPECT_EQ(NextDisplayLevel(1), 2);
    EXPECT_EQ(NextDisplayLevel(3), 4);
    EXPECT_EQ(NextDisplayLevel(4), 1);
    EXPECT_EQ(NextDisplayLevel(0), 1);
    EXPECT_EQ(TabCommandAction(true, 5, 5), TTabAction::Close);
    EXPECT_EQ(TabCommandAction(true, 0, 5), TTabAction::Switch);
    EXPECT_EQ(TabCommandAction(false, 5, 5), TTabAction::ShowAndSwitch);
    EXPECT_EQ(TabCommandAction(false, 2, 5), TTabAction::ShowAndSwitch);
}

TEST(ClockTextsTest, MoonIconIndexBySteps) {
    EXPECT_EQ(MoonIconIndex(0.0, QString()), 0);
    EXPECT_EQ(MoonIconIndex(-0.5, QString()), 18);
    EXPECT_EQ(MoonIconIndex(0.5, QString()), 6);
    EXPECT_EQ(MoonIconIndex(1.0 / 12, QString()), 1);
    EXPECT_EQ(MoonIconIndex(-1.0 / 12, QString()), 23);
    EXPECT_EQ(MoonIconIndex(0.25, QString()), 3);
    EXPECT_EQ(MoonIconIndex(1.0, QString()), 12);
    EXPECT_EQ(MoonIconIndex(-0.99, QString()), 12);
    EXPECT_EQ(MoonIconIndex(0.9, QString()), 11);  // between 21/24 and 23/24
    EXPECT_EQ(MoonIconIndex(-0.5, QStringLiteral("FULL MOON")), 12);
    EXPECT_EQ(MoonIconIndex(0.3, QStringLiteral("New Moon")), 0);
    EXPECT_EQ(MoonIconIndex(0.0, QStringLiteral("First Quarter")), 6);
    EXPECT_EQ(MoonIconIndex(0.0, QStringLiteral("Last Quarter")), 18);
}

TZoneAnswer FixedZone(long double hours, const char* name) {
    return {hours, QString::fromLatin1(name)};
}

TEST(SunDisplayTest, AllDayCodes) {
    const auto zone = [](TDateTime) { return FixedZone(0, "UTC"); };
    TSunDisplay sun = SunDisplay(EncodeDate(2025, 12, 21), SunNeverRises, SunNeverRises, true,
                                 false, QStringLiteral("yyyy-mm-dd"), zone);
    EXPECT_EQ(sun.SunriseLabel, QStringLiteral("Sun down all day"));
    EXPECT_TRUE(sun.SunsetLabel.isEmpty());
    sun = SunDisplay(EncodeDate(2025, 6, 21), SunNeverSets, SunNeverSets, true, false,
                     QStringLiteral("yyyy-mm-dd"), zone);
    EXPECT_EQ(sun.SunriseLabel, QStringLiteral("Sun up all day"));
    EXPECT_TRUE(sun.SunsetLabel.isEmpty());
}

TEST(SunDisplayTest, LocalTimesAndZoneNames) {
    const auto eastern = [](TDateTime) { return FixedZone(-5, "EST"); };
    const TDateTime day = EncodeDate(2025, 1, 15);
    TSunDisplay sun =
        SunDisplay(day, 12.25L, 22.0L, true, false, QStringLiteral("yyyy-mm-dd"), eastern);
    EXPECT_EQ(sun.SunriseLabel, QStringLiteral("Sunrise 7:15 AM"));
    EXPECT_EQ(sun.SunsetLabel, QStringLiteral("Sunset  5:00 PM"));
    EXPECT_EQ(sun.SunriseText, QStringLiteral("2025-01-15  7:15 AM"));
    EXPECT_EQ(sun.SunriseZone, QStringLiteral("EST"));
    sun = SunDisplay(day, 12.25L, 22.0L, true, true, QStringLiteral("yyyy-mm-dd"), eastern);
    EXPECT_EQ(sun.SunriseLabel, QStringLiteral("Sunrise 07:15"));
    EXPECT_EQ(sun.SunsetLabel, QStringLiteral("Sunset  17:00"));
    sun = SunDisplay(day, 12.25L, 22.0L, false, true, QStringLiteral("yyyy-mm-dd"), eastern);
    EXPECT_EQ(sun.SunriseLabel, QStringLiteral("Sunrise 12:15"));
    EXPECT_EQ(sun.SunsetZone, GMTCaption);
}

// A zone far east: the sunrise of the local day falls on the UTC day before. On the
// last day of a month the local date's day of the month is smaller, but the event
// still belongs to the calendar's day.
TEST(SunDisplayTest, EventDateAcrossTheMonthEnd) {
    const auto tokyo = [](TDateTime) { return FixedZone(9, "JST"); };
    const QString format = QStringLiteral("yyyy-mm-dd");
    TSunDisplay sun = SunDisplay(EncodeDate(2025, 1, 31), 21.75L, 8.25L, true, true, format, tokyo);
    EXPECT_EQ(sun.SunriseText, QStringLiteral("2025-01-31  06:45"));
    EXPECT_EQ(sun.SunsetText, QStringLiteral("2025-01-31  17:15"));
    sun = SunDisplay(EncodeDate(2025, 1, 31), 21.75L, 8.25L, false, true, format, tokyo);
    EXPECT_EQ(sun.SunriseText, QStringLiteral("2025-01-30  21:45"));

    // A zone far west: a sunset in the small hours (UT) of the next day.
    const auto hawaii = [](TDateTime) { return FixedZone(-10, "HST"); };
    sun = SunDisplay(EncodeDate(2025, 4, 1), 16.5L, 4.75L, true, true, format, hawaii);
    EXPECT_EQ(sun.SunriseText, QStringLiteral("2025-04-01  06:30"));
    EXPECT_EQ(sun.SunsetText, QStringLiteral("2025-04-01  18:45"));
    sun = SunDisplay(EncodeDate(2025, 4, 1), 16.5L, 4.75L, false, true, format, hawaii);
    EXPECT_EQ(sun.SunsetText, QStringLiteral("2025-04-02  04:45"));
}

// Days before 1899-12-30 are negative numbers whose integer part is the day.
TEST(SunDisplayTest, DatesBefore1900) {
    const auto eastern = [](TDateTime) { return FixedZone(-5, "EST"); };
    const QString format = QStringLiteral("yyyy-mm-dd");
    TSunDisplay sun =
        SunDisplay(EncodeDate(1850, 6, 1), 12.25L, 22.0L, true, true, format, eastern);
    EXPECT_EQ(sun.SunriseText, QStringLiteral("1850-06-01  07:15"));
    EXPECT_EQ(sun.SunsetText, QStringLiteral("1850-06-01  17:00"));
    // A sunset after midnight UT, shown in UT and in local time.
    const auto hawaii = [](TDateTime) { return FixedZone(-10, "HST"); };
    sun = SunDisplay(EncodeDate(1850, 4, 1), 16.5L, 4.75L, false, true, format, hawaii);
    EXPECT_EQ(sun.SunsetText, QStringLiteral("1850-04-02  04:45"));
    sun = SunDisplay(EncodeDate(1850, 4, 1), 16.5L, 4.75L, true, true, format, hawaii);
    EXPECT_EQ(sun.SunsetText, QStringLiteral("1850-04-01  18:45"));
    const auto tokyo = [](TDateTime) { return FixedZone(9, "JST"); };
    sun = SunDisplay(EncodeDate(1850, 1, 31), 21.75L, 8.25L, false, true, format, tokyo);
    EXPECT_EQ(sun.SunriseText, QStringLiteral("1850-01-30  21:45"));
    sun = SunDisplay(EncodeDate(1850, 1, 31), 21.75L, 8.25L, true, true, format, tokyo);
    EXPECT_EQ(sun.SunriseText, QStringLiteral("1850-01-31  06:45"));
    EXPECT_EQ(FormatCalendarDate(QStringLiteral("mmm d, yyyy"), EncodeDate(1, 3, 1)),
              QStringLiteral("Mar 1, 0001"));
    EXPECT_EQ(FormatCalendarDate(QStringLiteral("mmm d"), EncodeDate(1899, 12, 29)),
              QStringLiteral("Dec 29"));
}

TEST(DayNamesTest, HolidaysThenSeasonThenPhase) {
    auto names = DayNames(EncodeDate(2025, 12, 25), QString(), QString());
    EXPECT_EQ(names[0], QStringLiteral("Christmas"));
    EXPECT_TRUE(names[1].isEmpty());
    names = DayNames(EncodeDate(2025, 12, 25), QStringLiteral("Dec Solstice"),
                     QStringLiteral("FULL MOON"));
    EXPECT_EQ(names[0], QStringLiteral("Christmas"));
    EXPECT_EQ(names[1], QStringLiteral("Dec Solstice"));
    names = DayNames(EncodeDate(2025, 12, 10), QString(), QStringLiteral("Last Quarter"));
    EXPECT_EQ(names[0], QStringLiteral("Last Quarter"));
    EXPECT_TRUE(names[1].isEmpty());
    names = DayNames(EncodeDate(2025, 12, 10), QString(), QString());
    EXPECT_TRUE(names[0].isEmpty());
}

TEST(ClockTextsTest, MoonEventTexts) {
    EXPECT_EQ(MoonEventText(true, 7 * 3600 + 5 * 60, true), QStringLiteral("MRise  07:05"));
    EXPECT_EQ(MoonEventText(false, 19 * 3600 + 5 * 60, false), QStringLiteral("MSet   7:05 PM"));
    EXPECT_EQ(MoonEventText(false, 23 * 3600 + 5 * 60, false), QStringLiteral("MSet  11:05 PM"));
}

TEST(ClockTextsTest, StateLinesAndDateHint) {
    EXPECT_EQ(BodyStateLine(QStringLiteral("SUN"), true, true, 23.6, QStringLiteral("SE")),
              QStringLiteral("SUN is UP     24") + QChar(0xB0) + QStringLiteral(" (SE)"));
    EXPECT_EQ(BodyStateLine(QStringLiteral("MOON"), false, false, 0, QString()),
              QStringLiteral("MOON is SET"));
    // 2021-01-03 is day 3 and still in ISO week 53 of 2020.
    EXPECT_EQ(DateRowHint(EncodeDate(2021, 1, 3), QStringLiteral("mm/dd/yyyy")),
              QStringLiteral("01/03/2021\nDay  3\nWeek  53\nClick for Year Calendar"));
    EXPECT_EQ(IsoWeekNumber(EncodeDate(2025, 12, 29)), 1);
}

TEST(ClockTextsTest, YearCalendarStartsIn1756) {
    const TDateTime big = EncodeDate(1800, 5, 5);
    EXPECT_EQ(BigCalendarDateFor(EncodeDate(1900, 7, 4), big), EncodeDate(1900, 7, 4));
    EXPECT_EQ(BigCalendarDateFor(EncodeDate(1700, 7, 4), big), EncodeDate(1756, 7, 4));
    EXPECT_EQ(BigCalendarDateFor(EncodeDate(1700, 7, 4), EncodeDate(1756, 1, 9)),
              EncodeDate(1756, 1, 9));
    // 1756 is a leap year, so 29 February of an earlier leap year has its day.
    EXPECT_EQ(BigCalendarDateFor(EncodeDate(1600, 2, 29), big), EncodeDate(1756, 2, 29));
}

}  // namespace
}  // namespace orbelune
