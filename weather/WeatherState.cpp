#include "WeatherState.h"

#include "ClockState.h"
#include "GlobalObjects.h"

namespace orbelune {

TWeatherState WeatherState;

QStringList WeatherReportLines() {
    return GlobalObjects.WeatherReportLines ? *GlobalObjects.WeatherReportLines : QStringList();
}

void SetWeatherReportLines(const QStringList& Lines) {
    if (GlobalObjects.WeatherReportLines) *GlobalObjects.WeatherReportLines = Lines;
}

QString& CurrentStationCode() {
    return SettingsCopies.CurrentStationCode;
}

QString& CurrentStationName() {
    return SettingsCopies.CurrentStationName;
}

}  // namespace orbelune
