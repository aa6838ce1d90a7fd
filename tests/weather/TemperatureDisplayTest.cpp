// The temperature texts, the tray picture, the caption and the once-per-run message.
#include "FakePlatform.h"
#include "ProgramState.h"
#include "QStringPrinter.h"
#include "Settings.h"
#include "TemperatureDisplay.h"
#include "WeatherState.h"

#include <gtest/gtest.h>

#include <QPixmap>

namespace orbelune {
namespace {

const QString Degree = QString(QChar(0x00B0));

TEST(FormatDegrees, WholeDegreesHalvesToEven) {
    EXPECT_EQ(FormatDegrees(37.9), "38" + Degree);
    EXPECT_EQ(FormatDegrees(72.5), "72" + Degree);
    EXPECT_EQ(FormatDegrees(73.5), "74" + Degree);
    EXPECT_EQ(FormatDegrees(-4.0), "-4" + Degree);
    EXPECT_EQ(FormatDegrees(-20.5), "-20" + Degree);
    EXPECT_EQ(FormatDegrees(0.0), "0" + Degree);
    // A small value below zero rounds to 0, without a minus sign.
    EXPECT_EQ(FormatDegrees(-0.4), "0" + Degree);
    EXPECT_EQ(FormatDegrees(1e20), "100000000000000000000" + Degree);
}

TEST(FahrenheitToCelsius, FixedPoints) {
    EXPECT_DOUBLE_EQ(FahrenheitToCelsius(32.0), 0.0);
    EXPECT_DOUBLE_EQ(FahrenheitToCelsius(212.0), 100.0);
    EXPECT_DOUBLE_EQ(FahrenheitToCelsius(-40.0), -40.0);
    EXPECT_DOUBLE_EQ(FahrenheitToCelsius(-4.0), -20.0);
}

TEST(TemperatureCaption, TemperatureBlankReturnSummary) {
    EXPECT_EQ(TemperatureCaption("38" + Degree, "Overcast"), "38" + Degree + " \rOvercast");
    EXPECT_EQ(TemperatureCaption("38" + Degree, ""), "38" + Degree + " \r");
}

TEST(TrayTemperatureImage, BackgroundFilledAndTextInTheForeColour) {
    const std::int32_t red = 0x0000FF;  // Windows colours are $00BBGGRR
    const std::int32_t white = 0xFFFFFF;
    const QImage image = TrayTemperatureImage("88" + Degree, red, white);
    ASSERT_EQ(image.size(), QSize(16, 16));
    // The top rows lie above the text drawn from y = 2.
    EXPECT_EQ(image.pixel(15, 0), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(0, 1), qRgb(255, 255, 255));
    int inked = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255)) ++inked;
    EXPECT_GT(inked, 10);
    // Text pixels carry red and no other colour.
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const QRgb p = image.pixel(x, y);
            EXPECT_EQ(qGreen(p), qBlue(p));
            EXPECT_GE(qRed(p), qGreen(p));
        }
}

class TemperatureDisplay : public ::testing::Test {
protected:
    TemperatureDisplay() {
        test::ResetProgramState();
        WeatherState.TraySummaryText = "Clear \r3 mins ago";
    }
    ~TemperatureDisplay() override { test::ResetProgramState(); }
    test::TFakePlatform platform_;
};

TEST_F(TemperatureDisplay, CelsiusOrFahrenheitByTheSetting) {
    Settings.TemperatureUnits = 'C';
    RecordTemperature("Clear", -4.0);
    EXPECT_EQ(WeatherState.TemperatureText, "-20" + Degree);
    EXPECT_DOUBLE_EQ(WeatherState.CurrentTemperatureC, -20.0);
    EXPECT_EQ(TemperatureCaption(WeatherState.TemperatureText, WeatherState.TraySummaryText),
              "-20" + Degree + " \rClear \r3 mins ago");
    Settings.TemperatureUnits = 'F';
    RecordTemperature("Clear", -4.0);
    EXPECT_EQ(WeatherState.TemperatureText, "-4" + Degree);
    EXPECT_DOUBLE_EQ(WeatherState.CurrentTemperatureF, -4.0);
    EXPECT_EQ(WeatherState.WeatherText, "Clear");
}

TEST_F(TemperatureDisplay, TheWeatherTextIsCutTo128) {
    RecordTemperature(QString(300, 's'), 50.0);
    EXPECT_EQ(WeatherState.WeatherText.size(), 128);
}

TEST_F(TemperatureDisplay, ConnectionRefusedIsShownOncePerRun) {
    for (int i = 0; i < 3; ++i) ShowConnectionRefusedMessage();
    EXPECT_EQ(platform_.Messages.Shown,
              QStringList({"Orbelune: Internet connection may be blocked by firewall."}));
    EXPECT_TRUE(WeatherState.ConnectionRefusedShown);
}

}  // namespace
}  // namespace orbelune
