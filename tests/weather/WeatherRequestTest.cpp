// Whole weather requests: the worker fetches from a fixture server, and its outcome
// reaches the weather state and the service's listeners on the user-interface thread.
#include "DateTimeRtl.h"
#include "FakePlatform.h"
#include "FixtureServer.h"
#include "HostileServer.h"
#include "ProgramState.h"
#include "QStringPrinter.h"
#include "ReportSamples.h"
#include "ReportText.h"
#include "Settings.h"
#include "TemperatureDisplay.h"
#include "WeatherService.h"
#include "WeatherState.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

#include <algorithm>
#include <thread>

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

// What the windows hear of the requests.
class TRecorder {
public:
    int Started = 0;
    QList<TReportOutcome> Arrived;
    QStringList Echoed;

    TRecorder() {
        TWeatherService& weather = WeatherService();
        connections_ = {
            QObject::connect(&weather, &TWeatherService::ReportStarted, [this] { ++Started; }),
            QObject::connect(&weather, &TWeatherService::ReportArrived,
                             [this](const TReportOutcome& o) { Arrived << o; }),
            QObject::connect(&weather, &TWeatherService::StatusEchoed,
                             [this](const QString& t) { Echoed << t; })};
    }
    ~TRecorder() {
        for (const QMetaObject::Connection& c : connections_) QObject::disconnect(c);
    }
    // Outcomes whose temperature the clock window shows, and those that replace the
    // report lines.
    int Temperatures() const {
        return static_cast<int>(std::count_if(Arrived.begin(), Arrived.end(),
                                              [](const auto& o) { return o.ShowsTemperature(); }));
    }
    int Reports() const {
        return static_cast<int>(std::count_if(Arrived.begin(), Arrived.end(), [](const auto& o) {
            return o.Kind == TReportOutcome::TKind::Good || o.Kind == TReportOutcome::TKind::Failed;
        }));
    }

private:
    QList<QMetaObject::Connection> connections_;
};

// The caption the clock window makes of the state.
QString Caption() {
    return TemperatureCaption(WeatherState.TemperatureText, WeatherState.TraySummaryText);
}

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
        test::ResetProgramState();
        Settings.WeatherServer = server_.HostAndPort();
        platform_.Clock.Value = ReportTime + EncodeTime(0, 5, 0, 0);  // five minutes later
        WeatherService().Limits = {1000, 16 * 1024};
    }

    ~WeatherRequest() override { test::ResetProgramState(); }

    // Runs one request to its end and delivers its result.
    void Fetch(const QString& code, bool show) {
        WeatherService().RequestReport(code, show);
        ASSERT_TRUE(WeatherService().WaitForRequests(10000));
    }

    THttpFixture server_;
    test::TFakePlatform platform_;
    TRecorder heard_;
};

TEST_F(WeatherRequest, AGoodReportInFahrenheit) {
    Settings.WeatherStationCode = "EGLL";  // not the current station: no implicit show
    Fetch("knyc", true);
    EXPECT_EQ(server_.RequestedPaths(), QStringList({PathOf("KNYC")}));
    EXPECT_DOUBLE_EQ(WeatherState.CurrentTemperatureF, 37.9);
    EXPECT_NEAR(WeatherState.CurrentTemperatureC, 3.2778, 1e-4);
    EXPECT_EQ(WeatherState.TemperatureText, QString::fromUtf8("38°"));
    EXPECT_EQ(WeatherState.WeatherText, "Overcast");
    EXPECT_EQ(WeatherState.TraySummaryText, "Overcast \r12 Mph \rHum: 69% \r5 mins ago");
    EXPECT_TRUE(WeatherState.TemperatureShown);
    EXPECT_DOUBLE_EQ(WeatherState.ReportTimeUtc, ReportTime);
    EXPECT_DOUBLE_EQ(WeatherState.LastWeatherDownloadTime.load(), platform_.Clock.Value);
    EXPECT_EQ(Settings.LastWeatherTimeStampStr, "Dec 09, 2026 - 12:51 AM EST ");
    EXPECT_EQ(heard_.Temperatures(), 1);
    EXPECT_EQ(Caption(), QString::fromUtf8("38° \rOvercast \r12 Mph \rHum: 69% \r5 mins ago"));
    // The report without its last two lines; lines over 50 characters wrapped at a word.
    EXPECT_EQ(
        WeatherState.ReportLines,
        QStringList({"NEW YORK CITY CENTRAL PARK, NY, United States", "(KNYC) 40-47N 073-58W 48M",
                     "Dec 09, 2026 - 12:51 AM EST / 2026.12.09 0551 UTC",
                     "Wind: from the NW (310 degrees) at 12 MPH (10", "KT):0",
                     "Visibility: 10 mile(s):0", "Sky conditions: overcast",
                     "Temperature: 37.9 F (3.3 C)", "Dew Point: 28.9 F (-1.7 C)",
                     "Relative Humidity: 69%", "Pressure (altimeter): 30.05 in. Hg (1017 hPa)"}));
    EXPECT_EQ(heard_.Started, 1);
    EXPECT_EQ(heard_.Reports(), 1);
    EXPECT_EQ(WeatherState.CurrentStationCode, "KNYC");
    EXPECT_EQ(WeatherState.CurrentStationName, "New York");
}

TEST_F(WeatherRequest, AGoodReportInCelsiusBelowZero) {
    Settings.TemperatureUnits = 'C';
    Settings.WeatherStationCode = "CYUL";
    WeatherState.CurrentStationCode = "CYUL";  // the saved station: always shown
    platform_.Clock.Value = EncodeDate(2026, 12, 9) + EncodeTime(5, 1, 30, 0);
    Fetch("CYUL", false);
    EXPECT_DOUBLE_EQ(WeatherState.CurrentTemperatureF, -4.0);
    EXPECT_EQ(WeatherState.TemperatureText, QString::fromUtf8("-20°"));
    EXPECT_EQ(WeatherState.TraySummaryText,
              "Mostly Cloudy \rLight Snow \r27 Kph \rHum: 79% \r1 min ago");
    EXPECT_EQ(heard_.Temperatures(), 1);
    EXPECT_TRUE(Caption().startsWith(QString::fromUtf8("-20° \rMostly Cloudy")));
}

TEST_F(WeatherRequest, WithoutTheShowFlagNothingIsStampedOrShownInTheCaption) {
    Settings.WeatherStationCode = "EGLL";
    Fetch("KNYC", false);
    EXPECT_EQ(heard_.Temperatures(), 0);
    EXPECT_EQ(WeatherState.LastWeatherDownloadTime.load(), 0.0);
    EXPECT_TRUE(Settings.LastWeatherTimeStampStr.isEmpty());
    EXPECT_FALSE(WeatherState.TemperatureShown);
    EXPECT_EQ(heard_.Reports(), 1);  // the report itself is still shown
    EXPECT_DOUBLE_EQ(WeatherState.ReportTimeUtc, ReportTime);
}

TEST_F(WeatherRequest, AReportWithoutTemperatureLeavesTheCaption) {
    Fetch("KNYC", true);
    ASSERT_EQ(heard_.Temperatures(), 1);
    Fetch("KMRF", true);
    EXPECT_EQ(heard_.Temperatures(), 1);
    EXPECT_EQ(WeatherState.TemperatureText, QString::fromUtf8("38°"));
    EXPECT_EQ(WeatherState.ReportLines.first(),
              "MARFA MUNICIPAL AIRPORT, TX, United States (KMRF)");
    EXPECT_EQ(heard_.Reports(), 2);
    // A good download, even without a temperature, stamps the schedule.
    EXPECT_EQ(Settings.LastWeatherTimeStampStr, "Dec 08, 2026 - 11:15 PM CST ");
}

TEST_F(WeatherRequest, AWebPageChangesNothing) {
    Fetch("KNYC", true);
    const QStringList lines = WeatherState.ReportLines;
    platform_.Clock.Value += 1.0;
    Fetch("HTML", true);
    EXPECT_EQ(WeatherState.ReportLines, lines);
    EXPECT_EQ(heard_.Reports(), 1);
    EXPECT_EQ(heard_.Temperatures(), 1);
    EXPECT_DOUBLE_EQ(WeatherState.LastWeatherDownloadTime.load(), platform_.Clock.Value - 1.0);
}

TEST_F(WeatherRequest, FailuresSaySiteNotAvailableAndDoNotStamp) {
    for (const char* station : {"NONE", "SLOW", "HUGE"}) {
        WeatherState.ReportLines = {"old"};
        Fetch(station, true);
        EXPECT_EQ(WeatherState.ReportLines, QStringList({"Site not available"})) << station;
    }
    EXPECT_EQ(WeatherState.LastWeatherDownloadTime.load(), 0.0);
    EXPECT_EQ(heard_.Temperatures(), 0);
    EXPECT_EQ(heard_.Started, 3);  // each request empties the memo first
    EXPECT_EQ(heard_.Reports(), 3);
    EXPECT_TRUE(platform_.Messages.Shown.isEmpty());
}

TEST_F(WeatherRequest, ARedirectIsFollowed) {
    Fetch("MOVE", true);
    EXPECT_EQ(WeatherState.TemperatureText, QString::fromUtf8("46°"));
    EXPECT_EQ(server_.RequestedPaths(), QStringList({PathOf("MOVE"), PathOf("EGLL")}));
}

TEST_F(WeatherRequest, AReplyThatIsNoReportIsNotShownAsOne) {
    WeatherState.ReportTimeUtc = 1234.5;
    Fetch("ONEL", true);
    EXPECT_DOUBLE_EQ(WeatherState.ReportTimeUtc, 1234.5);
    EXPECT_TRUE(Settings.LastWeatherTimeStampStr.isEmpty());
    EXPECT_EQ(WeatherState.ReportLines, QStringList({"Site not available"}));
    EXPECT_EQ(WeatherState.LastWeatherDownloadTime.load(), 0.0);
    EXPECT_EQ(heard_.Reports(), 1);
}

// Control characters, bidirectional overrides and undecodable bytes from the server
// reach neither the report lines nor the caption and tray texts.
TEST_F(WeatherRequest, AHostileReportIsShownClean) {
    QByteArray report = test::NewYorkReport;
    report.replace("overcast",
                   "over\x1b]0;owned\x07"
                   "cast\xe2\x80\xae\xff");
    report.replace("12 MPH",
                   "1\xe2\x80\x8b"
                   "2 MPH");
    report.replace("37.9 F",
                   "\xe2\x81\xa6"
                   "37.9 F");
    test::THostileServer hostile(report);
    Settings.WeatherServer = hostile.HostAndPort();
    Fetch("KNYC", true);
    const QString everything = WeatherState.ReportLines.join(' ') + WeatherState.TemperatureText +
                               WeatherState.TraySummaryText + WeatherState.WeatherText +
                               Settings.LastWeatherTimeStampStr;
    for (const QChar c : everything) {
        EXPECT_TRUE(c == '\r' ||
                    (c.category() != QChar::Other_Control && c.category() != QChar::Other_Format &&
                     c != QChar::ReplacementCharacter))
            << "U+" << QString::number(c.unicode(), 16).toStdString();
    }
    EXPECT_EQ(WeatherState.TemperatureText, QString::fromUtf8("38°"));
    EXPECT_TRUE(WeatherState.TraySummaryText.startsWith("Over]0;ownedcast \r12 Mph"))
        << WeatherState.TraySummaryText.toStdString();
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
    WeatherState.ReportLines = {"old"};
    Fetch("KNYC", true);
    Fetch("KNYC", true);
    EXPECT_TRUE(WeatherState.ConnectionRefusedFlag);
    ASSERT_EQ(heard_.Arrived.size(), 2);
    EXPECT_EQ(heard_.Arrived[0].Kind, TReportOutcome::TKind::Refused);
    EXPECT_EQ(WeatherState.ReportLines, QStringList({"old"}));
    EXPECT_EQ(heard_.Reports(), 0);
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
    EXPECT_EQ(WeatherState.TemperatureText, QString::fromUtf8("46°"));
    EXPECT_EQ(proxy.Authorised(), 1);

    Settings.ProxyPassword = "guess";
    Fetch("KNYC", true);
    EXPECT_EQ(WeatherState.ReportLines, QStringList({"Site not available"}));
    EXPECT_EQ(WeatherState.TemperatureText, QString::fromUtf8("46°"));
    EXPECT_EQ(proxy.Authorised(), 1);

    Settings.ProxyPort = 0;  // the rule is off: a direct request
    Fetch("KNYC", true);
    EXPECT_EQ(WeatherState.TemperatureText, QString::fromUtf8("38°"));
    EXPECT_EQ(proxy.Authorised(), 1);
}

TEST_F(WeatherRequest, TheGetWeatherButtonMakesTheStationCurrent) {
    Settings.WeatherStationCode = "KNYC";
    WeatherService().RequestStationWeather("egll", "London Heathrow");
    ASSERT_TRUE(WeatherService().WaitForRequests(10000));
    EXPECT_EQ(WeatherState.CurrentStationCode, "egll");
    EXPECT_EQ(WeatherState.CurrentStationName, "London Heathrow");
    EXPECT_EQ(server_.RequestedPaths(), QStringList({PathOf("EGLL")}));
    EXPECT_EQ(heard_.Temperatures(), 0);  // not the saved station
}

TEST_F(WeatherRequest, StatusTextsAreAnnouncedWhileTheEchoIsOn) {
    WeatherService().ShowStatus("Connecting to example.org.");
    WeatherState.ShowHttpStatus = false;
    WeatherService().ShowStatus("not echoed");
    WeatherState.ShowHttpStatus = true;
    std::thread worker([] { WeatherService().ShowStatus("HTTP 200 OK"); });
    worker.join();
    QCoreApplication::sendPostedEvents();  // the worker's text arrives on this thread
    EXPECT_EQ(heard_.Echoed, QStringList({"Connecting to example.org.", "HTTP 200 OK"}));
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

    reply.Body.replace("-200 F", "-129 F");
    const TReportOutcome shown = ProcessReport(reply, true, TWeatherRequest{}, now);
    EXPECT_DOUBLE_EQ(shown.Temperature, -129.0);
    EXPECT_EQ(shown.Summary.Tray, "Clear \r9 mins ago");
}

// A good reply that is empty or no report fails; a report whose time is impossible has
// no age, and one made "in the future" is 0 minutes old.
TEST(ProcessReport, EmptyRepliesAndImpossibleTimes) {
    const TDateTime now = EncodeDate(2026, 12, 9) + EncodeTime(6, 0, 0, 0);
    const auto outcome = [now](const QByteArray& body) {
        TDownloadResult reply;
        reply.Error = TDownloadError::None;
        reply.Body = body;
        return ProcessReport(reply, true, TWeatherRequest{}, now);
    };
    QByteArray noise(40 * 1024, '\0');
    for (qsizetype i = 0; i < noise.size(); ++i)
        noise[i] = static_cast<char>((i * 7919 + 13) % 251);
    for (const QByteArray& body : {QByteArray(), QByteArray(" \r\n"), noise})
        EXPECT_EQ(outcome(body).Kind, TReportOutcome::TKind::Failed);

    const QByteArray report =
        "STATION (XXXX)\nDec 09 / %1 UTC\nSky conditions: clear\n"
        "Temperature: 50 F (10 C)\nob: XXXX\ncycle: 6\n";
    const TReportOutcome impossible = outcome(QByteArray(report).replace("%1", "2026.13.45 9999"));
    EXPECT_EQ(impossible.Kind, TReportOutcome::TKind::Good);
    EXPECT_FALSE(impossible.HasReportTime);
    EXPECT_EQ(impossible.Summary.Tray, "Clear");
    EXPECT_EQ(outcome(QByteArray(report).replace("%1", "2026.12.09 0610")).Summary.Tray,
              "Clear \r0 min ago");
}

}  // namespace
}  // namespace orbelune
