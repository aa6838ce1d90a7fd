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

// At the sizes trays use, the letters are drawn in the fore colour, antialiased, and
// stand out from the background: a filled one, or a clear one with the letters outlined.
TEST(TrayTemperatureImage, LettersStandOutAtTraySizes) {
    const std::int32_t red = 0x0000FF;  // Windows colours are $00BBGGRR
    const std::int32_t white = 0xFFFFFF;
    for (int size : {16, 32})
        for (bool transparent : {false, true})
            for (const QString& text : {"88" + Degree, "-20" + Degree}) {
                const QImage image = TrayTemperatureImage(text, red, transparent, white, size)
                                         .convertToFormat(QImage::Format_ARGB32);
                ASSERT_EQ(image.size(), QSize(size, size));
                const QRgb corner = image.pixel(0, 0);
                EXPECT_EQ(corner, transparent ? qRgba(0, 0, 0, 0) : qRgb(255, 255, 255));
                // Letter pixels lean to the fore colour (red), outline pixels to the back
                // colour (white), antialiased edges lie between.
                int letters = 0, outline = 0;
                for (int y = 0; y < size; ++y)
                    for (int x = 0; x < size; ++x) {
                        const QRgb p = image.pixel(x, y);
                        if (qAlpha(p) < 128) continue;
                        if (qRed(p) > 160 && qGreen(p) < 96) ++letters;
                        if (qGreen(p) > 160 && qRed(p) > 160) ++outline;
                    }
                const std::string at = std::to_string(size) +
                                       (transparent ? " clear " : " filled ") + text.toStdString();
                EXPECT_GT(letters, size * size / 10) << at;
                EXPECT_GT(outline, transparent ? size : size * size / 2) << at;
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
    for (int i = 0; i < 3; ++i) ShowConnectionRefusedMessage(nullptr);
    EXPECT_EQ(platform_.Messages.Shown,
              QStringList({"Orbelune: Internet connection may be blocked by firewall."}));
    EXPECT_TRUE(WeatherState.ConnectionRefusedShown);
}

}  // namespace
}  // namespace orbelune
