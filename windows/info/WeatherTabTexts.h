#pragma once
// The texts of the information window's weather tab besides the report itself.

#include "StDate.h"

#include <QString>

namespace orbelune {

struct TWeatherTabTexts {
    int TemperatureUnitsIndex = 0;  // 0 Fahrenheit, 1 Celsius
    QString LastWeatherUpdate;      // empty: leave the label as it is
    QString LastWeatherTimeStamp;   // empty: leave the label as it is
};

// From the temperature unit, the last good download (local, 0 = never) and the stored
// time stamp text of the last report (which ends with a blank).
TWeatherTabTexts WeatherTabTexts(char TemperatureUnits, TDateTime LastWeatherDownloadTime,
                                 const QString& LastWeatherTimeStampStr);

}  // namespace orbelune
