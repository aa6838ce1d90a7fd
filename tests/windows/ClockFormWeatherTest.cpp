// The clock window and the weather report together: the saved station's temperature
// from a fixture server reaches the caption, the application title and the tray, and
// the schedule is stamped only by a good download.
#include "ClockForm.h"
#include "ClockState.h"
#include "DateTimeRtl.h"
#include "FakePlatform.h"
#include "FixtureServer.h"
#include "ProgramState.h"
#include "QStringPrinter.h"
#include "ReportSamples.h"
#include "ReportText.h"
#include "Settings.h"
#include "TrayIcon.h"
#include "WeatherService.h"
#include "WeatherState.h"
#include "WeatherTextForm.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>

#include <gtest/gtest.h>

#include <memory>

namespace orbelune {
namespace {

using test::THttpFixture;

class ClockFormWeather : public ::testing::Test {
protected:
    const TDateTime Start = EncodeDate(2026, 12, 9) + EncodeTime(5, 58, 10, 0);

    ClockFormWeather()
        : server_({{ReportPath("EGLL"),
                    THttpFixture::TRoute{
                        200, test::HeathrowReport, {}, THttpFixture::TMode::Normal}}}) {
        test::ResetProgramState();
        Settings.UpdateClockPerSchedule = false;
        Settings.UpdateWeatherPerSchedule = false;
        Settings.RunWhenWindowsStarts = false;
        Settings.SaveOnExit = false;
        platform_.Clock.Value = Start;
        form_ = std::make_unique<TForm1>();
        form_->FormCreate({QStringLiteral("orbelune"), QStringLiteral("/C")});
        Settings.WeatherServer = server_.HostAndPort();
        Settings.WeatherStationCode = QStringLiteral("EGLL");
    }

    ~ClockFormWeather() override {
        WeatherService().StopRequests(5000);
        form_.reset();
        test::ResetProgramState();
    }

    void Tick(TDateTime t) {
        platform_.Clock.Value = t;
        form_->UpdateClocks();
        ASSERT_TRUE(WeatherService().WaitForRequests(10000));
    }

    test::TFakePlatform platform_;
    THttpFixture server_;
    std::unique_ptr<TForm1> form_;
};

TEST_F(ClockFormWeather, TheSavedStationsTemperatureReachesTheClockWindow) {
    form_->GetWeather(Settings.WeatherStationCode, true);
    ASSERT_TRUE(WeatherService().WaitForRequests(10000));
    // Observed 05:50 UTC, fetched 05:58:10 in Universal Time: 8 minutes old.
    const QString caption =
        QString::fromUtf8("46° Overcast Mist; Light Drizzle Calm Hum: 93% 8 mins ago");
    EXPECT_EQ(form_->windowTitle(), caption);
    EXPECT_EQ(DisplayState.ApplicationTitle, caption);
    EXPECT_EQ(WeatherState.TemperatureText, QString::fromUtf8("46°"));
    EXPECT_TRUE(WeatherState.TemperatureShown);
    EXPECT_EQ(
        form_->TrayIcon->Hint(),
        QString::fromUtf8("46°\nOvercast \nMist; Light Drizzle \nCalm \nHum: 93% \n8 mins ago"));
    EXPECT_FALSE(form_->TrayIcon->Icon().isNull());
    EXPECT_DOUBLE_EQ(WeatherState.LastWeatherDownloadTime.load(), Start);

    // The clock update no longer writes the time into the caption.
    Tick(Start + EncodeTime(0, 0, 1, 0));
    EXPECT_TRUE(form_->windowTitle().startsWith(QString::fromUtf8("46°")));
}

TEST_F(ClockFormWeather, TheScheduleIsStampedOnlyByAGoodDownload) {
    Settings.UpdateWeatherPerSchedule = true;
    Settings.UpdateWeatherMinutes = 20;
    Settings.WeatherStationCode = QStringLiteral("NONE");  // the server has no such report
    Tick(Start + EncodeTime(0, 1, 0, 0));                  // a minute change past 30 seconds
    EXPECT_EQ(server_.RequestedPaths().size(), 1);
    EXPECT_EQ(WeatherState.LastWeatherDownloadTime.load(), 0.0);
    Tick(Start + EncodeTime(0, 2, 0, 0));  // tried again at the next minute change
    EXPECT_EQ(server_.RequestedPaths().size(), 2);

    Settings.WeatherStationCode = QStringLiteral("EGLL");
    const TDateTime good = Start + EncodeTime(0, 3, 0, 0);
    Tick(good);
    EXPECT_EQ(server_.RequestedPaths().size(), 3);
    EXPECT_DOUBLE_EQ(WeatherState.LastWeatherDownloadTime.load(), good);
    Tick(Start + EncodeTime(0, 4, 0, 0));  // within the interval: no request
    EXPECT_EQ(server_.RequestedPaths().size(), 3);
    EXPECT_EQ(WeatherState.TemperatureText, QString::fromUtf8("46°"));
}

TEST_F(ClockFormWeather, TheWeatherMenuEntries) {
    QMenu* menu = form_->PopupMenu1;
    ASSERT_NE(menu->findChild<QAction*>("UpdateTemperature1"), nullptr);
    EXPECT_EQ(form_->UpdateTemperature1->text(), "Update Temperature");
    EXPECT_EQ(form_->WeatherText1->text(), "Show Weather Text");
    EXPECT_TRUE(menu->actions().contains(form_->WeatherText1));

    // Without the information window there is no button to click: no request.
    form_->UpdateTemperature1->trigger();
    ASSERT_TRUE(WeatherService().WaitForRequests(10000));
    EXPECT_TRUE(server_.RequestedPaths().isEmpty());

    form_->WeatherText1->trigger();
    ASSERT_FALSE(form_->Form6.isNull());
    EXPECT_TRUE(form_->Form6->isVisible());
    // Before any report the window says so rather than stay blank.
    EXPECT_EQ(form_->Form6->Memo1->toPlainText(), "No weather report has arrived yet.");
    TForm6* const first = form_->Form6;
    form_->WeatherText1->trigger();
    EXPECT_EQ(form_->Form6, first);  // created once
    delete form_->Form6;
}

TEST_F(ClockFormWeather, TheWeatherTextWindowShowsTheReport) {
    form_->WeatherText1->trigger();
    Settings.UseMilitaryTime = true;
    form_->GetWeather(QStringLiteral("EGLL"), true);
    ASSERT_TRUE(WeatherService().WaitForRequests(10000));
    TForm6& window = *form_->Form6;
    // Observed 05:50 UTC, fetched 05:58:10: 8 minutes old.
    EXPECT_TRUE(window.windowTitle().startsWith("Weather 8 mins ago at 05:50 Wednesday"))
        << window.windowTitle().toStdString();
    EXPECT_EQ(window.Label1->text(), window.windowTitle());
    const QStringList memo = window.Memo1->toPlainText().split('\n');
    ASSERT_GE(memo.size(), 2);
    // The station line, wrapped at a word before column 50, joined again.
    EXPECT_EQ(memo[0], "London / Heathrow Airport, United Kingdom (EGLL)51-29N 000-27W 24M");
    EXPECT_EQ(memo[1], "Dec 09, 2026 - 05:50 AM GMT / 2026.12.09 0550 UTC");
    delete form_->Form6;
}

TEST_F(ClockFormWeather, AReportFetchedBeforeTheWindowOpensIsShownInIt) {
    form_->GetWeather(QStringLiteral("EGLL"), true);
    ASSERT_TRUE(WeatherService().WaitForRequests(10000));
    form_->WeatherText1->trigger();
    EXPECT_TRUE(form_->Form6->Memo1->toPlainText().startsWith("London / Heathrow Airport"));
    EXPECT_TRUE(form_->Form6->windowTitle().startsWith("Weather 8 mins ago"));
    delete form_->Form6;
}

TEST_F(ClockFormWeather, TheTrayShowsTheTemperatureOnlyWhenItsTypeAsks) {
    for (const char type : {'M', 'A', 'N'}) {
        Settings.TrayType = type;
        form_->TrayIcon->SetIcon(QIcon());
        form_->ShowTemperature(QStringLiteral("Clear"), 50.0);
        EXPECT_TRUE(form_->TrayIcon->Icon().isNull()) << type;
    }
    Settings.TrayType = 'T';
    form_->ShowTemperature(QStringLiteral("Clear"), 50.0);
    EXPECT_FALSE(form_->TrayIcon->Icon().isNull());
    EXPECT_EQ(WeatherState.TemperatureText, QString::fromUtf8("50°"));
    EXPECT_TRUE(form_->windowTitle().startsWith(QString::fromUtf8("50° ")));
}

TEST_F(ClockFormWeather, TheTrayTypeEntriesFormOneGroupThatCanBeCleared) {
    EXPECT_TRUE(form_->TrayTemperature1->isChecked());  // the default tray type 'T'
    EXPECT_FALSE(form_->TrayMoon1->isChecked());
    EXPECT_EQ(form_->TrayTemperature1->text(), "Tray Temperature");
    EXPECT_EQ(form_->TrayAnimation1->text(), "Tray Animation");

    form_->TrayMoon1->trigger();
    EXPECT_EQ(Settings.TrayType, 'M');
    EXPECT_FALSE(form_->TrayTemperature1->isChecked());
    EXPECT_TRUE(form_->TrayIcon->Active());

    form_->TrayMoon1->trigger();  // the checked item again: no tray icon
    EXPECT_EQ(Settings.TrayType, 'N');
    EXPECT_FALSE(form_->TrayIcon->Active());

    form_->TrayAnimation1->trigger();
    EXPECT_EQ(Settings.TrayType, 'A');
    EXPECT_TRUE(form_->TrayIcon->Active());
}

TEST_F(ClockFormWeather, ARefusalIsReportedOnlyWhileTheClockWindowExists) {
    WeatherState.ConnectionRefusedShown = false;
    Settings.WeatherServer = QStringLiteral("127.0.0.1:%1").arg(test::ClosedPort());
    form_->GetWeather(QStringLiteral("EGLL"), true);  // the clock window now takes reports
    ASSERT_TRUE(WeatherService().WaitForRequests(10000));
    QCoreApplication::processEvents();  // the box follows the other displays
    ASSERT_EQ(platform_.Messages.Shown.size(), 1);
    EXPECT_EQ(platform_.Messages.Owners[0], form_.get());
    EXPECT_EQ(platform_.Messages.Icons[0], TMessageIcon::None);

    WeatherState.ConnectionRefusedShown = false;
    form_.reset();
    WeatherService().RequestReport(QStringLiteral("EGLL"), true);
    ASSERT_TRUE(WeatherService().WaitForRequests(10000));
    EXPECT_EQ(platform_.Messages.Shown.size(), 1);
    EXPECT_FALSE(WeatherState.ConnectionRefusedShown);
    WeatherState.ConnectionRefusedShown = false;
}

}  // namespace
}  // namespace orbelune
