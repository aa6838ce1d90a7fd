// The field, temperature and summary parsers on written reports.
#include "ReportFields.h"
#include "ReportSamples.h"

#include "QStringPrinter.h"

#include <gtest/gtest.h>

#include <QLocale>

#include <clocale>

namespace orbelune {
namespace {

const QString NewYork = QString::fromLatin1(test::NewYorkReport);
const QString Montreal = QString::fromLatin1(test::MontrealReport);
const QString Heathrow = QString::fromLatin1(test::HeathrowReport);
const QString NoTemperatureText = QString::fromLatin1(test::NoTemperatureReport);

TEST(GetReportField, ForwardTakesTheRestOfTheLineCaseKept) {
    EXPECT_EQ(GetReportField(1, "sky conditions:", NewYork, true), "overcast");
    EXPECT_EQ(GetReportField(1, "WEATHER:", Heathrow, true), "mist; light drizzle");
    // The CR of a CR LF line end is trimmed with the other control characters.
    EXPECT_EQ(GetReportField(1, "WEATHER:", Montreal, true), "light snow");
    EXPECT_EQ(GetReportField(1, "TEMPERATURE:", Montreal, true), "-4.0 F (-20.0 C)");
}

TEST(GetReportField, BackwardTakesTheWordBeforeTheKeyword) {
    EXPECT_EQ(GetReportField(1, "MPH", NewYork, false), "12");
    EXPECT_EQ(GetReportField(1, "MPH", Montreal, false), "17");
    // The second occurrence: the gust.
    EXPECT_EQ(GetReportField(2, "MPH", Montreal, false), "28");
    // A keyword at the very start has no word before it.
    EXPECT_EQ(GetReportField(1, "ab", "ab cd", false), "");
    // The one character before the keyword is skipped whatever it is.
    EXPECT_EQ(GetReportField(1, "cd", "ab\ncd", false), "ab");
    EXPECT_EQ(GetReportField(1, "MPH", "at 5MPH", false), "");
}

TEST(GetReportField, MissingFieldsAreEmpty) {
    EXPECT_EQ(GetReportField(1, "WEATHER:", NewYork, true), "");
    EXPECT_EQ(GetReportField(2, "TEMPERATURE:", NewYork, true), "");
    EXPECT_EQ(GetReportField(1, "MPH", Heathrow, false), "");
    EXPECT_EQ(GetReportField(1, "SKY CONDITIONS:", "", true), "");
    // A keyword at the end of the text has nothing after it.
    EXPECT_EQ(GetReportField(1, "HUMIDITY:", "Relative Humidity:", true), "");
    EXPECT_EQ(GetReportField(1, "HUMIDITY:", "Relative Humidity: \x01\t", true), "");
}

TEST(GetReportTemperature, DegreesFahrenheitBeforeTheBracket) {
    EXPECT_DOUBLE_EQ(GetReportTemperature(NewYork), 37.9);
    EXPECT_DOUBLE_EQ(GetReportTemperature(Montreal), -4.0);
    EXPECT_DOUBLE_EQ(GetReportTemperature(Heathrow), 46.0);
}

TEST(GetReportTemperature, AbsentOrUnreadableIsTheSentinel) {
    EXPECT_EQ(GetReportTemperature(NoTemperatureText), NoTemperature);
    EXPECT_EQ(GetReportTemperature(""), NoTemperature);
    EXPECT_EQ(GetReportTemperature("Temperature: missing (n/a)\n"), NoTemperature);
    EXPECT_EQ(GetReportTemperature("Temperature: 1.2.3 F\n"), NoTemperature);
    // The sentinel itself, when a report should state it, reads as the sentinel.
    EXPECT_EQ(GetReportTemperature("Temperature: -200 F\n"), NoTemperature);
}

// Only a number in the shape a report writes it, of a temperature met on Earth.
TEST(GetReportTemperature, StrictAndPlausible) {
    const struct {
        const char* Field;
        double Expected;
    } cases[] = {
        {"-4.0 F / -20.0 C", -4.0}, {"37.9 F (3.3 C)", 37.9},  {"46 F(8 C)", 46.0},
        {"140 F", 140.0},           {"-130.0 F", -130.0},      {"+5", 5.0},
        {"141 F", NoTemperature},   {"-131 F", NoTemperature}, {"-199 F", NoTemperature},
        {"1e308 F", NoTemperature}, {"1e3 F", NoTemperature},  {"12 C (53.6 F)", NoTemperature},
        {"nan F", NoTemperature},   {"4 2 F", NoTemperature},  {"- 4 F", NoTemperature},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GetReportTemperature(QStringLiteral("Temperature: ") + c.Field + "\n"),
                  c.Expected)
            << c.Field;
    EXPECT_EQ(GetReportTemperature("Temperature: " + QString(309, '9') + " F\n"), NoTemperature);
}

TEST(GetReportTemperature, ReadsTheDecimalPointInACommaLocale) {
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const std::string cLocale = std::setlocale(LC_NUMERIC, nullptr);
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8");  // when the machine has it
    const double value = GetReportTemperature(NewYork);
    std::setlocale(LC_NUMERIC, cLocale.c_str());
    QLocale::setDefault(saved);
    EXPECT_DOUBLE_EQ(value, 37.9);
}

TEST(BuildWeatherSummary, JoinsSkyWindHumidityAndAge) {
    const TWeatherSummary s = BuildWeatherSummary(NewYork, 5, 'F');
    EXPECT_EQ(s.Sky, "Overcast");
    EXPECT_EQ(s.Tray, "Overcast \r12 Mph \rHum: 69% \r5 mins ago");
}

TEST(BuildWeatherSummary, KilometresPerHourWithCelsius) {
    // 17 mph x 1.609344 = 27.36 km/h; 12 mph = 19.31 km/h.
    EXPECT_EQ(BuildWeatherSummary(Montreal, 0, 'C').Tray,
              "Mostly Cloudy \rLight Snow \r27 Kph \rHum: 79% \r0 min ago");
    EXPECT_EQ(BuildWeatherSummary(NewYork, 1, 'C').Tray,
              "Overcast \r19 Kph \rHum: 69% \r1 min ago");
    EXPECT_EQ(BuildWeatherSummary(Montreal, 2, 'F').Tray,
              "Mostly Cloudy \rLight Snow \r17 Mph \rHum: 79% \r2 mins ago");
}

TEST(BuildWeatherSummary, CalmWindInAnyCase) {
    EXPECT_EQ(BuildWeatherSummary(Heathrow, 3, 'F').Tray,
              "Overcast \rMist; Light Drizzle \rCalm \rHum: 93% \r3 mins ago");
    EXPECT_EQ(BuildWeatherSummary("Wind: calm and quiet:0\n", -2, 'F').Tray, "Calm \r-2 min ago");
    EXPECT_EQ(BuildWeatherSummary("Wind: variable at 3 knots\n", 7, 'F').Tray,
              "Variable At 3 Knots \r7 mins ago");
}

TEST(BuildWeatherSummary, MissingFieldsAreLeftOut) {
    const TWeatherSummary s = BuildWeatherSummary(NoTemperatureText, 12, 'F');
    EXPECT_EQ(s.Sky, "");
    EXPECT_EQ(s.Tray, "6 Mph \r12 mins ago");
    EXPECT_EQ(BuildWeatherSummary("", 3, 'F').Tray, "");
}

TEST(BuildWeatherSummary, TrayKeepsTheLongestRunWithin64Characters) {
    // 47 + 2 + 37 characters: sky and weather together pass 64.
    const QString longTexts =
        "Sky conditions: overcast with scattered towering cumulus clouds\n"
        "Weather: thunderstorm with heavy rain and hail\n"
        "Relative Humidity: 88%\n";
    EXPECT_EQ(BuildWeatherSummary(longTexts, 4, 'F').Tray,
              "Overcast With Scattered Towering Cumulus Clouds");
    // A sky text of 65 characters alone: nothing fits, the old tray text stays.
    const QString tooLong = "Sky conditions: " + QString(65, 'x') + "\n";
    const TWeatherSummary s = BuildWeatherSummary(tooLong, 4, 'F');
    EXPECT_EQ(s.Sky, "X" + QString(64, 'x'));
    EXPECT_EQ(s.Tray, "");
    // Exactly 64 characters still fit.
    const QString exact = "Sky conditions: " + QString(64, 'y') + "\n";
    EXPECT_EQ(BuildWeatherSummary(exact, 4, 'F').Tray.size(), 64);
}

TEST(BuildWeatherSummary, TheSpeedComesFromTheWindLineOnly) {
    const QString memphis =
        "MEMPHIS INTERNATIONAL AIRPORT, TN, United States (KMEM) 35-04N 089-59W 78M\n"
        "Dec 09, 2026 - 12:54 AM CST / 2026.12.09 0654 UTC\n"
        "Wind: from the S (170 degrees) at 9 MPH (8 KT):0\n";
    EXPECT_EQ(BuildWeatherSummary(memphis, 2, 'F').Tray, "9 Mph \r2 mins ago");
    const QString calmMemphis =
        "MEMPHIS INTERNATIONAL AIRPORT, TN, United States (KMEM) 35-04N 089-59W 78M\n"
        "Wind: Calm:0\n";
    EXPECT_EQ(BuildWeatherSummary(calmMemphis, 2, 'F').Tray, "Calm \r2 mins ago");
}

TEST(BuildWeatherSummary, AnUnreadableSpeedStaysAsWritten) {
    EXPECT_EQ(BuildWeatherSummary("Wind: at fast MPH\n", 9, 'C').Tray, "fast Kph \r9 mins ago");
}

TEST(AgeText, OneMinuteAndFewerAreSingular) {
    EXPECT_EQ(AgeText(1), "1 min ago");
    EXPECT_EQ(AgeText(0), "0 min ago");
    EXPECT_EQ(AgeText(-3), "-3 min ago");
    EXPECT_EQ(AgeText(2), "2 mins ago");
}

}  // namespace
}  // namespace orbelune
