// The temperature texts, the tray picture, the caption and the once-per-run message.
#include "ClockState.h"
#include "FakePlatform.h"
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

class TRecordingClock final : public TWeatherClockView {
public:
    QStringList Captions;
    int Icons = 0;
    void SetWeatherCaption(const QString& Caption) override { Captions << Caption; }
    void SetTrayIcon(const QIcon&) override { ++Icons; }
    void SetTrayHint(const QString&) override {}
};

class TemperatureDisplay : public ::testing::Test {
protected:
    TemperatureDisplay() : saved_(Settings) {
        WeatherState.TraySummaryText = "Clear \r3 mins ago";
        WeatherState.ConnectionRefusedShown = false;
    }
    ~TemperatureDisplay() override {
        Settings = saved_;
        WeatherState.TraySummaryText.clear();
        DisplayState.TemperatureText.clear();
        DisplayState.WeatherText.clear();
        WeatherState.ConnectionRefusedShown = false;
        WeatherState.ShowHttpStatus = true;
        WeatherWindows().Info = nullptr;
    }
    TSettings saved_;
    TRecordingClock clock_;
    test::TFakePlatform platform_;
};

TEST_F(TemperatureDisplay, CelsiusOrFahrenheitByTheSetting) {
    Settings.TemperatureUnits = 'C';
    ShowTemperatureOn(clock_, "Clear", -4.0);
    EXPECT_EQ(DisplayState.TemperatureText, "-20" + Degree);
    EXPECT_DOUBLE_EQ(WeatherState.CurrentTemperatureC, -20.0);
    EXPECT_EQ(clock_.Captions.last(), "-20" + Degree + " \rClear \r3 mins ago");
    Settings.TemperatureUnits = 'F';
    ShowTemperatureOn(clock_, "Clear", -4.0);
    EXPECT_EQ(clock_.Captions.last(), "-4" + Degree + " \rClear \r3 mins ago");
    EXPECT_EQ(DisplayState.WeatherText, "Clear");
}

TEST_F(TemperatureDisplay, TheTrayIconOnlyWhenItShowsTheTemperature) {
    Settings.TrayType = 'T';
    ShowTemperatureOn(clock_, "Clear", 50.0);
    EXPECT_EQ(clock_.Icons, 1);
    for (const char type : {'M', 'A', 'N'}) {
        Settings.TrayType = type;
        ShowTemperatureOn(clock_, "Clear", 50.0);
    }
    EXPECT_EQ(clock_.Icons, 1);
}

TEST_F(TemperatureDisplay, TheWeatherTextIsCutTo128) {
    ShowTemperatureOn(clock_, QString(300, 's'), 50.0);
    EXPECT_EQ(DisplayState.WeatherText.size(), 128);
}

TEST_F(TemperatureDisplay, ConnectionRefusedIsShownOncePerRun) {
    for (int i = 0; i < 3; ++i) ShowConnectionRefusedMessage();
    EXPECT_EQ(platform_.Messages.Shown,
              QStringList({"Orbelune: Internet connection may be blocked by firewall."}));
    EXPECT_TRUE(WeatherState.ConnectionRefusedShown);
}

class TMemo final : public TWeatherInfoView {
public:
    QStringList Lines;
    void ClearWeatherMemo() override { Lines.clear(); }
    void AppendWeatherMemo(const QString& Line) override { Lines << Line; }
    void ShowWeatherReport(const QStringList&, const QString&, const QString&) override {}
};

TEST_F(TemperatureDisplay, StatusEchoFollowsTheSwitchAndTheWindow) {
    ShowStatus("without a window");  // nothing to write to, nothing happens
    TMemo memo;
    WeatherWindows().Info = &memo;
    ShowStatus("Connecting to example.org.");
    WeatherState.ShowHttpStatus = false;
    ShowStatus("not echoed");
    WeatherState.ShowHttpStatus = true;
    ShowStatus("HTTP 200 OK");
    EXPECT_EQ(memo.Lines, QStringList({"Connecting to example.org.", "HTTP 200 OK"}));
}

}  // namespace
}  // namespace orbelune
