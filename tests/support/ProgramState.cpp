#include "ProgramState.h"

#include "ClockState.h"
#include "DateFormats.h"
#include "FixtureServer.h"
#include "InfoLocation.h"
#include "Settings.h"
#include "WeatherService.h"
#include "WeatherState.h"

namespace orbelune::test {

void ResetProgramState() {
    WeatherService().StopRequests(10000);
    WeatherService().Limits = TReportLimits{};
    Settings = TSettings{};
    Settings.WeatherServer = QStringLiteral("127.0.0.1:%1").arg(ClosedPort());
    ResetClockState();
    ResetWeatherState();
    DateFormats = TDateFormats{};
    InfoLocation = TInfoLocation{};
}

}  // namespace orbelune::test
