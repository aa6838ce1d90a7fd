#include "ProgramState.h"

#include "ClockState.h"
#include "DateFormats.h"
#include "FixtureServer.h"
#include "InfoLocation.h"
#include "Settings.h"
#include "WeatherService.h"
#include "WeatherState.h"

namespace orbelune::test {

namespace {

void ResetWeatherState() {
    TWeatherState& s = WeatherState;
    s.ReportLines.clear();
    s.ReportTimeUtc = 0.0;
    s.ReportTimeKnown = false;
    s.CurrentTemperatureF = s.CurrentTemperatureC = -200.0;
    s.TemperatureText.clear();
    s.WeatherText.clear();
    s.TemperatureShown = false;
    s.TemperatureProblem.clear();
    s.TraySummaryText.clear();
    s.CurrentStationCode = QStringLiteral("KNYC");
    s.CurrentStationName = QStringLiteral("New York");
    s.LastWeatherDownloadTime = 0;
    s.ConnectionRefusedShown = false;
    s.ShowHttpStatus = true;
    s.ConnectionRefusedFlag = false;
}

}  // namespace

void ResetProgramState() {
    WeatherService().StopRequests(10000);
    WeatherService().Limits = TReportLimits{};
    Settings = TSettings{};
    // No request of a test that forgets to name its server may leave the machine.
    Settings.WeatherServer = QStringLiteral("127.0.0.1:%1").arg(ClosedPort());
    Settings.RadarServer = Settings.SatelliteServer = Settings.WeatherServer;
    Settings.SaveURL = QStringLiteral("http://127.0.0.1:%1/").arg(ClosedPort());
    ClockState = TClockState{};
    DisplayState = TDisplayState{};
    SettingsCopies = TSettingsCopies{};
    ResetWeatherState();
    DateFormats = TDateFormats{};
    InfoLocation = TInfoLocation{};
}

}  // namespace orbelune::test
