// The Planet tab's texts: eclipse lists of several years, the detailed texts, the day
// lookup across the UT/local day boundary, and the planet table's columns. Reference
// eclipses: tests/data/eclipses_1900_2100.csv (python3-ephem); planet places:
// python3-ephem 4.1.4 for 2024-01-01 00:00 UT at London (51.5 N, 0.1 W).
#include "DateTimeRtl.h"
#include "PlanetTabTexts.h"
#include "ScopedZone.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

namespace orbelune {
namespace {

TDateTime At(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
    return EncodeDate(year, month, day) + ((hour * 60 + minute) * 60 + second) / 86400.0;
}

TEclipseTextOptions Greenwich24() {
    TEclipseTextOptions options;
    options.UseLocalTime = false;
    options.UseMilitaryTime = true;
    return options;
}

TEclipseYear YearOfEclipses(int year, const TEclipseTextOptions& options) {
    TStEclipses list;
    list.SearchYear(year);
    return BuildEclipseYear(year, list, options);
}

bool Matches(const QString& pattern, const QString& text) {
    return QRegularExpression(pattern).match(text).hasMatch();
}

TEST(EclipseYear, TwentyTwentyFourSummaryRowsAndDays) {
    test::TScopedZone zone("Etc/UTC");
    const TEclipseYear year = YearOfEclipses(2024, Greenwich24());
    ASSERT_EQ(year.Days.size(), 4u);
    ASSERT_EQ(year.Rows.size(), 4u);
    const QStringList names = {" Lunar - Penumbral", " Solar - Total", " Lunar - Partial",
                               " Solar - Annular"};
    // Lunar: greatest eclipse less the penumbral half-duration; solar: greatest eclipse.
    const TDateTime times[] = {At(2024, 3, 25, 4, 53, 13), At(2024, 4, 8, 18, 17, 17),
                               At(2024, 9, 18, 0, 41, 2), At(2024, 10, 2, 18, 45, 1)};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(year.Days[i].Name, names[i]) << i;
        EXPECT_NEAR(static_cast<double>(year.Days[i].Time), times[i], 5.0 / 1440) << i;
    }
    EXPECT_EQ(year.Rows[0].Caption, " Lunar - Penumbral 03/25/2024");
    EXPECT_TRUE(Matches("^04:5\\d$", year.Rows[0].TimeText)) << year.Rows[0].TimeText.toStdString();
    EXPECT_EQ(year.Rows[1].MenuCaption, " Solar - Total 04/08/24");
    const int images[] = {6, 12, 13, 11};
    for (size_t i = 0; i < 4; ++i) EXPECT_EQ(year.Rows[i].Image, images[i]) << i;

    const QStringList head = year.Memo.mid(0, 11);
    const QStringList expectedHead = {"",
                                      "------------------------",
                                      "Eclipse Summary:",
                                      "",
                                      "03/25/24 Lunar - Penumbral",
                                      "04/08/24 Solar - Total",
                                      "09/18/24 Lunar - Partial",
                                      "10/02/24 Solar - Annular",
                                      "",
                                      "------------------------",
                                      ""};
    EXPECT_EQ(head, expectedHead);
    EXPECT_EQ(year.Memo[11], "03/25/24 Lunar - Penumbral");
    // Penumbral magnitude 0.956 by the reference; the methods differ by up to 0.01.
    EXPECT_TRUE(Matches("^Mag: 0\\.9[45]\\d$", year.Memo[12])) << year.Memo[12].toStdString();
    EXPECT_EQ(year.Memo[14], "Penumbral Starts:");
    EXPECT_EQ(year.Memo[15], "03/25/2024");
}

TEST(EclipseYear, ShortDatesLongerThanEightCharactersStayWhole) {
    test::TScopedZone zone("Etc/UTC");
    TEclipseTextOptions options = Greenwich24();
    options.DateFormatShort = QStringLiteral("d mmm yyyy");
    options.DateFormatShortYY = QStringLiteral("d mmm yy");
    const TEclipseYear year = YearOfEclipses(2024, options);
    ASSERT_EQ(year.Rows.size(), 4u);
    EXPECT_EQ(year.Memo[4], "25 Mar 24 Lunar - Penumbral");
    EXPECT_EQ(year.Memo[5], "8 Apr 24 Solar - Total");
    EXPECT_EQ(year.Rows[0].MenuCaption, " Lunar - Penumbral 25 Mar 24");
    EXPECT_EQ(year.Rows[0].Caption, " Lunar - Penumbral 25 Mar 2024");
}

TEST(EclipseYear, AYearWithoutTotalEclipseHidesRowsSixAndSeven) {
    // 1951: two annular solar and three penumbral lunar eclipses.
    test::TScopedZone zone("Etc/UTC");
    const TEclipseYear year = YearOfEclipses(1951, Greenwich24());
    ASSERT_EQ(year.Rows.size(), 5u);
    for (const TEclipseDay& day : year.Days) {
        EXPECT_FALSE(day.Name.contains("Total")) << day.Name.toStdString();
        EXPECT_FALSE(day.Name.contains("Partial")) << day.Name.toStdString();
    }
    EXPECT_EQ(year.Days[0].Name, " Solar - Annular");
    EXPECT_EQ(year.Days[1].Name, " Lunar - Penumbral");
}

TEST(EclipseYear, SevenEclipsesFillEveryRow) {
    // 1982: three total lunar and four partial solar eclipses.
    test::TScopedZone zone("Etc/UTC");
    const TEclipseYear year = YearOfEclipses(1982, Greenwich24());
    ASSERT_EQ(year.Rows.size(), 7u);
    EXPECT_EQ(year.Days[0].Name, " Lunar - Total");
    EXPECT_EQ(year.Days[1].Name, " Solar - Partial");
    EXPECT_EQ(year.Days[6].Name, " Lunar - Total");
    EXPECT_EQ(year.Memo[4 + 6], "12/30/82 Lunar - Total");
}

TEST(EclipseTexts, SolarDetailWithTheCentralLine) {
    test::TScopedZone zone("Etc/UTC");
    TStEclipses list;
    list.SearchYear(2024);
    const TEclipseRec* total = list.EclipseAt(1);
    ASSERT_NE(total, nullptr);
    ASSERT_TRUE(total->Path.has_value());
    const QStringList lines = SolarEclipseText(*total, Greenwich24());
    EXPECT_EQ(lines[0], "04/08/24 Solar - Total");
    EXPECT_EQ(lines[1], "Mag: N/A");
    EXPECT_EQ(lines[2], "Hemisphere: Northern");
    EXPECT_EQ(lines[3], "");
    EXPECT_EQ(lines[4], "Mid Eclipse:");
    EXPECT_EQ(lines[5], "04/08/2024");
    EXPECT_TRUE(Matches("^18:1\\d$", lines[6])) << lines[6].toStdString();
    EXPECT_EQ(lines[7], "");
    // Each point: date, time, heading, numbers, empty line.
    ASSERT_EQ(lines.size(), 8 + 5 * static_cast<int>(total->Path->size()) + 2);
    for (size_t p = 0; p < total->Path->size(); ++p) {
        const int at = 8 + 5 * static_cast<int>(p);
        EXPECT_EQ(lines[at + 2], " Lat:     Lon:   Duration");
        EXPECT_TRUE(
            Matches("^[ -]{1,3}\\d{1,2}\\.\\d\\d   [ -]{0,2}\\d{1,3}\\.\\d\\d   \\d{1,2}\\.\\d\\d$",
                    lines[at + 3]))
            << lines[at + 3].toStdString();
    }
    EXPECT_EQ(lines[lines.size() - 2], "------------------------");

    TEclipseRec annularTotal = *total;
    annularTotal.EType = EclipseAnnularTotalSolar;
    annularTotal.Hemisphere = 2;
    EXPECT_EQ(SolarEclipseText(annularTotal, Greenwich24())[0], "04/08/24 Solar Ann Total");
    EXPECT_EQ(SolarEclipseText(annularTotal, Greenwich24())[2], "Hemisphere: Southern");
    TEclipseRec partial = *total;
    partial.EType = EclipsePartialSolar;
    partial.Magnitude = 0.4627;
    partial.Path.reset();
    EXPECT_EQ(SolarEclipseText(partial, Greenwich24())[1], "Mag: 0.463");
}

TEST(EclipseTexts, ALunarEclipseAcrossNewYearListsOnlyTheShownYearsContacts) {
    test::TScopedZone zone("Etc/UTC");
    TEclipseRec eclipse;
    eclipse.EType = EclipsePartialLunar;
    eclipse.Magnitude = 0.25;
    eclipse.PenumbralStart = At(2009, 12, 31, 22, 0);
    eclipse.UmbralStart = At(2009, 12, 31, 23, 30);
    eclipse.MidEclipse = At(2010, 1, 1, 0, 15);
    eclipse.UmbralEnd = At(2010, 1, 1, 1, 0);
    eclipse.PenumbralEnd = At(2010, 1, 1, 2, 30);  // TotalStart and TotalEnd stay 0
    QStringList lines = LunarEclipseText(eclipse, 2009, Greenwich24());
    EXPECT_EQ(lines, (QStringList{"12/31/09 Lunar - Partial", "Mag: 0.250", "", "Penumbral Starts:",
                                  "12/31/2009", "22:00", "", "First Contact:", "12/31/2009",
                                  "23:30", "", "------------------------", ""}));
    lines = LunarEclipseText(eclipse, 2010, Greenwich24());
    EXPECT_EQ(lines.mid(3, 12), (QStringList{"Mid Eclipse:", "01/01/2010", "00:15", "",
                                             "Fourth Contact:", "01/01/2010", "01:00", "",
                                             "Penumbral Ends:", "01/01/2010", "02:30", ""}));
    EXPECT_EQ(lines.size(), 3 + 12 + 2);
}

TEST(EclipseTexts, UnusedContactsStayOutOfAnEighteenNinetyNineList) {
    // A partial eclipse leaves its total phase at 0, which is 1899-12-30 00:00.
    test::TScopedZone zone("Etc/UTC");
    TEclipseRec eclipse;
    eclipse.EType = EclipsePartialLunar;
    eclipse.Magnitude = 0.5;
    // The records count days straight on: the times of day add to the (negative) day.
    const TDateTime day = EncodeDate(1899, 12, 17);
    eclipse.PenumbralStart = day + 1.0 / 24;
    eclipse.UmbralStart = day + 2.0 / 24;
    eclipse.MidEclipse = day + 3.0 / 24;
    eclipse.UmbralEnd = day + 4.0 / 24;
    eclipse.PenumbralEnd = day + 5.0 / 24;
    const QStringList lines = LunarEclipseText(eclipse, 1899, Greenwich24());
    EXPECT_EQ(lines, (QStringList{"12/17/99 Lunar - Partial",
                                  "Mag: 0.500",
                                  "",
                                  "Penumbral Starts:",
                                  "12/17/1899",
                                  "01:00",
                                  "",
                                  "First Contact:",
                                  "12/17/1899",
                                  "02:00",
                                  "",
                                  "Mid Eclipse:",
                                  "12/17/1899",
                                  "03:00",
                                  "",
                                  "Fourth Contact:",
                                  "12/17/1899",
                                  "04:00",
                                  "",
                                  "Penumbral Ends:",
                                  "12/17/1899",
                                  "05:00",
                                  "",
                                  "------------------------",
                                  ""}));
}

// Minutes of the day of an "hh:mm" text, -1 when it is none.
int MinutesOf(const QString& text) {
    const QRegularExpressionMatch m = QRegularExpression("^(\\d\\d):(\\d\\d)$").match(text);
    return m.hasMatch() ? m.captured(1).toInt() * 60 + m.captured(2).toInt() : -1;
}

TEST(EclipseYear, EighteenNinetyNineDatesAndContactTimesRunForward) {
    // python3-ephem 4.1.4 through tools/eclipse_reference.py, run once for 1899 (UT):
    // partial solar 01-11 22:38, partial solar 06-08 06:34, annular 12-03 00:58; total
    // lunar 06-23 greatest 14:18 with penumbral, umbral and total half-durations of
    // 160.12, 104.79 and 44.76 minutes; partial lunar 12-17 greatest 01:26, penumbral
    // half-duration 171.91 minutes (it begins on 16 December). The methods differ by a
    // few minutes, hence 4 minutes of tolerance.
    test::TScopedZone zone("Etc/UTC");
    const TEclipseYear year = YearOfEclipses(1899, Greenwich24());
    struct TExpected {
        const char* Name;
        int Month, Day, Minutes;
    };
    const TExpected expected[] = {
        {" Solar - Partial", 1, 11, 22 * 60 + 38},  {" Solar - Partial", 6, 8, 6 * 60 + 34},
        {" Lunar - Total", 6, 23, 11 * 60 + 38},    {" Solar - Annular", 12, 3, 0 * 60 + 58},
        {" Lunar - Partial", 12, 16, 22 * 60 + 34},
    };
    ASSERT_EQ(year.Rows.size(), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(year.Days[i].Name, expected[i].Name) << i;
        EXPECT_EQ(year.Rows[i].Caption,
                  QString(expected[i].Name) +
                      QString::asprintf(" %02d/%02d/1899", expected[i].Month, expected[i].Day))
            << i;
        EXPECT_NEAR(MinutesOf(year.Rows[i].TimeText), expected[i].Minutes, 4) << i;
        // The calendar finds it on its own day, late in that day for a late eclipse.
        const TDateTime day = EncodeDate(1899, expected[i].Month, expected[i].Day);
        const TEclipseDay found = FindEclipseOnDay(year.Days, day, false);
        EXPECT_EQ(found.Name, expected[i].Name) << i;
        EXPECT_NEAR(std::fabs(static_cast<double>(found.Time) - day) * 1440, expected[i].Minutes, 4)
            << i;
    }

    // The total lunar eclipse: each contact on 23 June, each later than the one before.
    const int starts = year.Memo.indexOf("06/23/99 Lunar - Total", 11);
    ASSERT_GE(starts, 0);
    const QStringList labels = {
        "Penumbral Starts:", "First Contact:",  "Second Contact:", "Mid Eclipse:",
        "Third Contact:",    "Fourth Contact:", "Penumbral Ends:"};
    const double greatest = 14 * 60 + 17.9;
    const double offsets[] = {-160.12, -104.79, -44.76, 0, 44.76, 104.79, 160.12};
    for (int k = 0; k < labels.size(); ++k) {
        const int at = starts + 3 + 4 * k;
        EXPECT_EQ(year.Memo[at], labels[k]) << k;
        EXPECT_EQ(year.Memo[at + 1], "06/23/1899") << k;
        EXPECT_NEAR(MinutesOf(year.Memo[at + 2]), greatest + offsets[k], 4) << k;
    }
}

TEST(EclipseLookup, JustAfterMidnightUTIsThePreviousDayWestOfGreenwich) {
    // The partial lunar eclipse of 2024-09-18 begins at 00:41 UT: 17 September in New York.
    std::vector<TEclipseDay> days = {{At(2024, 9, 18, 0, 41), " Lunar - Partial"}};
    {
        test::TScopedZone zone("America/New_York");
        TEclipseDay found = FindEclipseOnDay(days, At(2024, 9, 17, 12), true);
        EXPECT_EQ(found.Name, " Lunar - Partial");
        EXPECT_NEAR(static_cast<double>(found.Time), At(2024, 9, 17, 20, 41), 1e-6);
        EXPECT_EQ(FindEclipseOnDay(days, At(2024, 9, 18), true).Name, "");
        // Greenwich time, whatever the zone.
        found = FindEclipseOnDay(days, At(2024, 9, 18, 23, 59), false);
        EXPECT_EQ(found.Name, " Lunar - Partial");
        EXPECT_DOUBLE_EQ(static_cast<double>(found.Time), At(2024, 9, 18, 0, 41));
    }
    test::TScopedZone zone("Australia/Sydney");
    EXPECT_EQ(FindEclipseOnDay(days, At(2024, 9, 18), true).Name, " Lunar - Partial");
}

TEST(EclipseLookup, BeforeNineteenHundredTheLocalDayMovesTheSameWay) {
    // 1880-06-10 02:00 UT is 1880-06-09 21:00 five hours west of Greenwich. A negative
    // TDateTime keeps its time of day forward, so the shift must subtract there.
    test::TScopedZone zone("Etc/GMT+5");
    const TDateTime day = EncodeDate(1880, 6, 10);
    ASSERT_LT(day, 0);
    std::vector<TEclipseDay> days = {{day - 2.0 / 24, " Lunar - Total"}};
    const TEclipseDay found = FindEclipseOnDay(days, EncodeDate(1880, 6, 9), true);
    EXPECT_EQ(found.Name, " Lunar - Total");
    EXPECT_NEAR(static_cast<double>(found.Time), EncodeDate(1880, 6, 9) - 21.0 / 24, 1e-9);
    EXPECT_EQ(FindEclipseOnDay(days, day, true).Name, "");
    EXPECT_EQ(FindEclipseOnDay(days, EncodeDate(1880, 6, 11), true).Name, "");
    // An instant whose shift stays within its day.
    days = {{day - 20.0 / 24, " Solar - Total"}};
    EXPECT_EQ(FindEclipseOnDay(days, day, true).Name, " Solar - Total");
}

TEST(PlanetLines, AstronomicalColumns) {
    test::TScopedZone zone("Etc/UTC");
    const QStringList lines = PlanetLines(At(2024, 1, 1), true, {51.5L, -0.1L, 0});
    ASSERT_EQ(lines.size(), 12);
    EXPECT_EQ(lines[0], "         RA      Declination");
    EXPECT_EQ(lines[1], "         (hours) (degrees)");
    const char* names[] = {"Sun     ", "Moon    ", "Mercury ", "Venus   ", "Mars    ",
                           "Jupiter ", "Saturn  ", "Uranus  ", "Neptune ", "Pluto   "};
    for (int i = 0; i < 10; ++i) {
        EXPECT_TRUE(lines[i + 2].startsWith(names[i])) << lines[i + 2].toStdString();
        EXPECT_EQ(lines[i + 2].size(), 26) << lines[i + 2].toStdString();
    }
    // python3-ephem: Mars RA 267.062 deg = 17h 48.25m, Dec -23.959 = -23 57.6';
    // Jupiter RA 33.685 = 2h 14.74m, Dec +12.263 = +12 15.8'.
    EXPECT_TRUE(Matches("^Mars    17 48\\.[123]\\d  -23 5[78]\\.\\d$", lines[6]))
        << lines[6].toStdString();
    EXPECT_TRUE(Matches("^Jupiter  2 14\\.[678]\\d  \\+12 1[56]\\.\\d$", lines[7]))
        << lines[7].toStdString();
}

TEST(PlanetLines, EarthSurfaceColumns) {
    test::TScopedZone zone("Europe/London");
    const QStringList lines = PlanetLines(At(2024, 1, 1), false, {51.5L, -0.1L, 0});
    ASSERT_EQ(lines.size(), 11);
    EXPECT_EQ(lines[0], "         Compass     Angle");
    const QChar degree(0x00B0);
    for (int i = 1; i < 11; ++i) {
        EXPECT_EQ(lines[i].size(), 27) << lines[i].toStdString();
        EXPECT_EQ(lines[i][14], degree) << lines[i].toStdString();
        EXPECT_EQ(lines[i][15], QLatin1Char('(')) << lines[i].toStdString();
        EXPECT_EQ(lines[i][26], degree) << lines[i].toStdString();
    }
    // python3-ephem at the same instant: the Sun at azimuth 358.32, altitude -61.55;
    // Jupiter 258.98, +24.21; the Moon 107.03, +28.11 (topocentric).
    EXPECT_TRUE(
        Matches(QString("^Sun      358\\.[234]%1\\(N\\)   -61\\.[56]%1$").arg(degree), lines[1]))
        << lines[1].toStdString();
    EXPECT_TRUE(
        Matches(QString("^Jupiter  25[89]\\.\\d%1\\(W\\)    24\\.[123]%1$").arg(degree), lines[6]))
        << lines[6].toStdString();
    EXPECT_TRUE(
        Matches(QString("^Moon     10[67]\\.\\d%1\\(E\\)    2[78]\\.\\d%1$").arg(degree), lines[2]))
        << lines[2].toStdString();
}

TEST(EclipseKinds, NamesAndPictures) {
    EXPECT_EQ(EclipseSummaryName(0), " Lunar - Penumbral");
    EXPECT_EQ(EclipseSummaryName(6), " Solar - Ann Total");
    EXPECT_EQ(EclipseImageIndex(6), 11);
    EXPECT_EQ(EclipseImageIndex(2), 14);
    TEclipseRec lunar;
    lunar.EType = EclipseTotalLunar;
    lunar.PenumbralStart = 1.5;
    lunar.MidEclipse = 1.6;
    EXPECT_EQ(EclipseTime(lunar), 1.5);
    lunar.EType = EclipseTotalSolar;
    EXPECT_EQ(EclipseTime(lunar), 1.6);
}

}  // namespace
}  // namespace orbelune
