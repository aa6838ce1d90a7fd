#include "WeatherState.h"

namespace orbelune {

TWeatherState WeatherState;

void ResetWeatherState() {
    TWeatherState& s = WeatherState;
    s.ReportLines.clear();
    s.ReportTimeUtc = 0.0;
    s.ReportTimeKnown = false;
    s.CurrentTemperatureF = s.CurrentTemperatureC = -200.0;
    s.TemperatureText.clear();
    s.WeatherText.clear();
    s.TemperatureShown = false;
    s.TraySummaryText.clear();
    s.CurrentStationCode = QStringLiteral("KNYC");
    s.CurrentStationName = QStringLiteral("New York");
    s.LastWeatherDownloadTime = 0;
    s.ConnectionRefusedShown = false;
    s.ShowHttpStatus = true;
    s.ConnectionRefusedFlag = false;
}

}  // namespace orbelune
