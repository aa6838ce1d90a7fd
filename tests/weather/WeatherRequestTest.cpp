// Whole weather requests: the worker fetches from a fixture server, and the result
// reaches the program-wide state and the windows on the user-interface thread.
#include "ClockState.h"
#include "DateFormats.h"
#include "DateTimeRtl.h"
#include "FakePlatform.h"
#include "FixtureServer.h"
#include "GlobalObjects.h"
#include "ReportSamples.h"
#include "ReportText.h"
#include "Settings.h"
#include "TemperatureDisplay.h"
#include "WeatherState.h"
#include "WeatherTextForm.h"
#include "WeatherThread.h"

#include "QStringPrinter.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPlainTextEdit>

namespace orbelune {
namespace {

using test::THttpFixture;
using TRoute = THttpFixture::TRoute;

QString PathOf(const char* station) {
    return ReportPath(QString::fromLatin1(station));
}

TRoute Report(const char* text) {
    return TRoute{200, text, {}, THttpFixture::TMode::Normal};
}

class TRecordingClock final : public TWeatherClockView {
public:
    QStringList Captions;
    QStringList Hints;
    int Icons = 0;
    void SetWeatherCaption(const QString& Caption) override { Captions << Caption; }
    void SetTrayIcon(const QIcon&) override { ++Icons; }
    void SetTrayHint(const QString& Hint) override { Hints << Hint; }
};

class TRecordingInfo final : public TWeatherInfoView {
public:
    int Clears = 0;
    QStringList Memo;
    QString Code;
    QString Name;
    int Shown = 0;
    void ClearWeatherMemo() override {
        ++Clears;
        Memo.clear();
    }
    void AppendWeatherMemo(const QString& Line) override { Memo << Line; }
    void ShowWeatherReport(const QStringList& Lines, const QString& StationCode,
                           const QString& StationName) override {
        ++Shown;
        Memo = Lines;
        Code = StationCode;
        Name = StationName;
    }
};

class WeatherRequest : public ::testing::Test {
protected:
    const TDateTime ReportTime = EncodeDate(2026, 12, 9) + EncodeTime(5, 51, 0, 0);

    WeatherRequest()
        : server_({
              {PathOf("KNYC"), Report(test::NewYorkReport)},
              {PathOf("CYUL"), Report(test::MontrealReport)},
              {PathOf("EGLL"), Report(test::HeathrowReport)},
              {PathOf("KMRF"), Report(test::NoTemperatureReport)},
              {PathOf("HTML"), Report("<HTML><body>Service moved</body></html>")},
              {PathOf("ONEL"), Report("JUST ONE LINE OF TEXT")},
              {PathOf("SLOW"), TRoute{200, "partial", {}, THttpFixture::TMode::Stall}},
              {PathOf("HUGE"),
               TRoute{200, QByteArray(100000, 'x'), {}, THttpFixture::TMode::NoLength}},
              {PathOf("MOVE"), TRoute{302,
                                      "",
                                      {{"Location", PathOf("EGLL").toLatin1()}},
                                      THttpFixture::TMode::Normal}},
          }) {
        savedSettings_ = Settings;
        Settings = TSettings{};
        Settings.WeatherServer = server_.HostAndPort();
        ResetState();
        CreateGlobalObjects();
        DateFormats = TDateFormats{};  // the long format "dddd mmmm d, yyyy"
        platform_.Clock.Value = ReportTime + EncodeTime(0, 5, 0, 0);  // five minutes later
        WeatherWindows().Clock = &clock_;
        WeatherWindows().Info = &info_;
        WeatherReportLimits() = {1000, 16 * 1024};
    }

    ~WeatherRequest() override {
        StopWeatherThreads(5000);
        WeatherWindows().Clock = nullptr;
        WeatherWindows().Info = nullptr;
        delete WeatherWindows().Form6;
        WeatherReportLimits() = {};
        Settings = savedSettings_;
        ResetState();
        FreeGlobalObjects();
    }

    static void ResetState() {
        ResetClockState();
        TWeatherState& s = WeatherState;
        s.ReportTimeUtc = 0.0;
        s.CurrentTemperatureF = s.CurrentTemperatureC = -200.0;
        s.TraySummaryText.clear();
        s.ConnectionRefusedShown = false;
        s.ShowHttpStatus = true;
        s.ConnectionRefusedFlag = false;
    }

    // Runs one request to its end and delivers its result.
    void Fetch(const QString& code, bool show) {
        StartWeatherRequest(code, show);
        ASSERT_TRUE(WaitForWeatherThreads(10000));
    }

    THttpFixture server_;
    TSettings savedSettings_;
    test::TFakePlatform platform_;
    TRecordingClock clock_;
    TRecordingInfo info_;
};

TEST_F(WeatherRequest, AGoodReportInFahrenheit) {
    Settings.WeatherStationCode = "EGLL";  // not the current station: no implicit show
    Fetch("knyc", true);
    EXPECT_EQ(server_.RequestedPaths(), QStringList({PathOf("KNYC")}));
    EXPECT_DOUBLE_EQ(WeatherState.CurrentTemperatureF, 37.9);
    EXPECT_NEAR(WeatherState.CurrentTemperatureC, 3.2778, 1e-4);
    EXPECT_EQ(DisplayState.TemperatureText, QString::fromUtf8("38°"));
    EXPECT_EQ(DisplayState.WeatherText, "Overcast");
    EXPECT_EQ(WeatherState.TraySummaryText, "Overcast \r12 Mph \rHum: 69% \r5 mins ago");
    EXPECT_TRUE(DisplayState.TemperatureShown);
    EXPECT_DOUBLE_EQ(WeatherState.ReportTimeUtc, ReportTime);
    EXPECT_DOUBLE_EQ(ClockState.LastWeatherDownloadTime.load(), platform_.Clock.Value);
    EXPECT_EQ(Settings.LastWeatherTimeStampStr, "Dec 09, 2026 - 12:51 AM EST ");
    ASSERT_EQ(clock_.Captions.size(), 1);
    EXPECT_EQ(clock_.Captions[0],
              QString::fromUtf8("38° \rOvercast \r12 Mph \rHum: 69% \r5 mins ago"));
    EXPECT_EQ(clock_.Hints,
              QStringList({QString::fromUtf8("38°\rOvercast \r12 Mph \rHum: 69% \r5 mins ago")}));
    EXPECT_EQ(clock_.Icons, 1);  // TrayType 'T' by default
    // The report without its last two lines; lines over 50 characters wrapped at a word.
    EXPECT_EQ(
        WeatherReportLines(),
        QStringList({"NEW YORK CITY CENTRAL PARK, NY, United States", "(KNYC) 40-47N 073-58W 48M",
                     "Dec 09, 2026 - 12:51 AM EST / 2026.12.09 0551 UTC",
                     "Wind: from the NW (310 degrees) at 12 MPH (10", "KT):0",
                     "Visibility: 10 mile(s):0", "Sky conditions: overcast",
                     "Temperature: 37.9 F (3.3 C)", "Dew Point: 28.9 F (-1.7 C)",
                     "Relative Humidity: 69%", "Pressure (altimeter): 30.05 in. Hg (1017 hPa)"}));
    EXPECT_EQ(info_.Clears, 1);
    EXPECT_EQ(info_.Shown, 1);
    EXPECT_EQ(info_.Memo, WeatherReportLines());
    EXPECT_EQ(info_.Code, "KNYC");
    EXPECT_EQ(info_.Name, "New York");
}

TEST_F(WeatherRequest, AGoodReportInCelsiusBelowZero) {
    Settings.TemperatureUnits = 'C';
    Settings.WeatherStationCode = "CYUL";
    CurrentStationCode() = "CYUL";  // the saved station: always shown
    platform_.Clock.Value = EncodeDate(2026, 12, 9) + EncodeTime(5, 1, 30, 0);
    Fetch("CYUL", false);
    EXPECT_DOUBLE_EQ(WeatherState.CurrentTemperatureF, -4.0);
    EXPECT_EQ(DisplayState.TemperatureText, QString::fromUtf8("-20°"));
    EXPECT_EQ(WeatherState.TraySummaryText,
              "Mostly Cloudy \rLight Snow \r27 Kph \rHum: 79% \r1 min ago");
    ASSERT_EQ(clock_.Captions.size(), 1);
    EXPECT_TRUE(clock_.Captions[0].startsWith(QString::fromUtf8("-20° \rMostly Cloudy")));
}

TEST_F(WeatherRequest, WithoutTheShowFlagNothingIsStampedOrShownInTheCaption) {
    Settings.WeatherStationCode = "EGLL";
    Fetch("KNYC", false);
    EXPECT_TRUE(clock_.Captions.isEmpty());
    EXPECT_EQ(ClockState.LastWeatherDownloadTime.load(), 0.0);
    EXPECT_TRUE(Settings.LastWeatherTimeStampStr.isEmpty());
    EXPECT_FALSE(DisplayState.TemperatureShown);
    EXPECT_EQ(info_.Shown, 1);  // the report itself is still shown
    EXPECT_DOUBLE_EQ(WeatherState.ReportTimeUtc, ReportTime);
}

TEST_F(WeatherRequest, AReportWithoutTemperatureLeavesTheCaption) {
    Fetch("KNYC", true);
    ASSERT_EQ(clock_.Captions.size(), 1);
    Fetch("KMRF", true);
    EXPECT_EQ(clock_.Captions.size(), 1);
    EXPECT_EQ(DisplayState.TemperatureText, QString::fromUtf8("38°"));
    EXPECT_EQ(WeatherReportLines().first(), "MARFA MUNICIPAL AIRPORT, TX, United States (KMRF)");
    EXPECT_EQ(info_.Shown, 2);
    // A good download, even without a temperature, stamps the schedule.
    EXPECT_EQ(Settings.LastWeatherTimeStampStr, "Dec 08, 2026 - 11:15 PM CST ");
}

TEST_F(WeatherRequest, AWebPageChangesNothing) {
    Fetch("KNYC", true);
    const QStringList lines = WeatherReportLines();
    platform_.Clock.Value += 1.0;
    Fetch("HTML", true);
    EXPECT_EQ(WeatherReportLines(), lines);
    EXPECT_EQ(info_.Shown, 1);
    EXPECT_EQ(clock_.Captions.size(), 1);
    EXPECT_DOUBLE_EQ(ClockState.LastWeatherDownloadTime.load(), platform_.Clock.Value - 1.0);
}

TEST_F(WeatherRequest, FailuresSaySiteNotAvailableAndDoNotStamp) {
    for (const char* station : {"NONE", "SLOW", "HUGE"}) {
        SetWeatherReportLines({"old"});
        Fetch(station, true);
        EXPECT_EQ(WeatherReportLines(), QStringList({"Site not available"})) << station;
        EXPECT_EQ(info_.Memo, QStringList({"Site not available"})) << station;
    }
    EXPECT_EQ(ClockState.LastWeatherDownloadTime.load(), 0.0);
    EXPECT_TRUE(clock_.Captions.isEmpty());
    EXPECT_EQ(info_.Shown, 3);  // only the memo, which each request had emptied
    EXPECT_TRUE(platform_.Messages.Shown.isEmpty());
}

TEST_F(WeatherRequest, ARedirectIsFollowed) {
    Fetch("MOVE", true);
    EXPECT_EQ(DisplayState.TemperatureText, QString::fromUtf8("46°"));
    EXPECT_EQ(server_.RequestedPaths(), QStringList({PathOf("MOVE"), PathOf("EGLL")}));
}

TEST_F(WeatherRequest, AOneLineReplyIsReadSafely) {
    WeatherState.ReportTimeUtc = 1234.5;
    Fetch("ONEL", true);
    EXPECT_DOUBLE_EQ(WeatherState.ReportTimeUtc, 1234.5);
    EXPECT_TRUE(Settings.LastWeatherTimeStampStr.isEmpty());
    EXPECT_TRUE(WeatherReportLines().isEmpty());  // dropped by the two-line rule
    EXPECT_EQ(info_.Shown, 1);
}

TEST_F(WeatherRequest, StationCodes) {
    Fetch("NY", true);       // too short
    Fetch("../../x", true);  // cut to "../." and refused
    Fetch("EGLLXYZ", true);  // cut to its first four characters
    EXPECT_EQ(server_.RequestedPaths(),
              QStringList({PathOf("KNYC"), PathOf("KNYC"), PathOf("EGLL")}));
}

TEST_F(WeatherRequest, ARefusedConnectionIsReportedOncePerRun) {
    Settings.WeatherServer = QStringLiteral("127.0.0.1:%1").arg(test::ClosedPort());
    SetWeatherReportLines({"old"});
    Fetch("KNYC", true);
    Fetch("KNYC", true);
    EXPECT_TRUE(WeatherState.ConnectionRefusedFlag);
    EXPECT_EQ(platform_.Messages.Shown,
              QStringList({"Orbelune: Internet connection may be blocked by firewall."}));
    EXPECT_EQ(WeatherReportLines(), QStringList({"old"}));
    EXPECT_EQ(info_.Shown, 0);
    // The next good request clears the flag.
    Settings.WeatherServer = server_.HostAndPort();
    Fetch("KNYC", true);
    EXPECT_FALSE(WeatherState.ConnectionRefusedFlag);
}

TEST_F(WeatherRequest, ThroughTheProxy) {
    test::TProxyFixture proxy("user", "pass word");
    Settings.UseProxyServer = true;
    Settings.ProxyServer = "127.0.0.1";
    Settings.ProxyPort = proxy.Port();
    Settings.ProxyUserName = "user";
    Settings.ProxyPassword = "pass word";
    Fetch("EGLL", true);
    EXPECT_EQ(DisplayState.TemperatureText, QString::fromUtf8("46°"));
    EXPECT_EQ(proxy.Authorised(), 1);

    Settings.ProxyPassword = "guess";
    Fetch("KNYC", true);
    EXPECT_EQ(WeatherReportLines(), QStringList({"Site not available"}));
    EXPECT_EQ(DisplayState.TemperatureText, QString::fromUtf8("46°"));
    EXPECT_EQ(proxy.Authorised(), 1);

    Settings.ProxyPort = 0;  // the rule is off: a direct request
    Fetch("KNYC", true);
    EXPECT_EQ(DisplayState.TemperatureText, QString::fromUtf8("38°"));
    EXPECT_EQ(proxy.Authorised(), 1);
}

TEST_F(WeatherRequest, TheWeatherTextWindowShowsTheReport) {
    TForm6& form = ShowWeatherTextWindow();
    Settings.UseMilitaryTime = true;
    Fetch("KNYC", true);
    const QString caption = "Weather 5 mins ago at 05:51 Wednesday December 9, 2026";
    EXPECT_EQ(form.windowTitle(), caption);
    EXPECT_EQ(form.Label1->text(), caption);
    const QStringList memo = form.Memo1->toPlainText().split('\n');
    ASSERT_GE(memo.size(), 2);
    EXPECT_EQ(memo[0], "NEW YORK CITY CENTRAL PARK, NY, United States(KNYC) 40-47N 073-58W 48M");
    EXPECT_EQ(memo[1], "Dec 09, 2026 - 12:51 AM EST / 2026.12.09 0551 UTC");
}

TEST_F(WeatherRequest, TheGetWeatherButtonMakesTheStationCurrent) {
    Settings.WeatherStationCode = "KNYC";
    RequestStationWeather("egll", "London Heathrow");
    ASSERT_TRUE(WaitForWeatherThreads(10000));
    EXPECT_EQ(CurrentStationCode(), "egll");
    EXPECT_EQ(info_.Name, "London Heathrow");
    EXPECT_EQ(server_.RequestedPaths(), QStringList({PathOf("EGLL")}));
    EXPECT_TRUE(clock_.Captions.isEmpty());  // not the saved station
}

}  // namespace
}  // namespace orbelune

namespace orbelune {
namespace {

TEST(ProcessReport, MinusTwoHundredDegreesCountsAsNoTemperature) {
    TDownloadResult reply;
    reply.Error = TDownloadError::None;
    reply.Body =
        "ARCTIC TEST STATION (XXXX)\n"
        "Dec 09, 2026 - 05:51 AM UTC / 2026.12.09 0551 UTC\n"
        "Sky conditions: clear\n"
        "Temperature: -200 F (-128.9 C)\n"
        "ob: XXXX 090551Z\n"
        "cycle: 6\n";
    const TDateTime now = EncodeDate(2026, 12, 9) + EncodeTime(6, 0, 0, 0);
    const TReportOutcome absent = ProcessReport(reply, true, TWeatherRequest{}, now);
    EXPECT_EQ(absent.Kind, TReportOutcome::TKind::Good);
    EXPECT_EQ(absent.Temperature, NoTemperature);
    EXPECT_TRUE(absent.Summary.Sky.isEmpty());  // nothing to show with the caption

    reply.Body.replace("-200 F", "-199 F");
    const TReportOutcome shown = ProcessReport(reply, true, TWeatherRequest{}, now);
    EXPECT_DOUBLE_EQ(shown.Temperature, -199.0);
    EXPECT_EQ(shown.Summary.Tray, "Clear \r9 mins ago");
}

}  // namespace
}  // namespace orbelune
