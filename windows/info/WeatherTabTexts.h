#pragma once
// The texts of the information window's weather tab besides the report itself.

#include "StDate.h"

#include <QString>
#include <QStringList>

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

// The line over the forecast page: before the first page, what "Get Weather" opens (or
// what to do without an address); while a page loads, its address; when it did not
// come, why. Empty once a page has come.
enum class TPageState { NotOpened, Loading, Loaded, Failed };
QString ForecastPageStatus(TPageState State, const QString& Address, const QString& Problem = {});

// What the report panel shows once a request has ended: the report's lines, or, when
// FailureText says why none came, "Site not available" and the reason.
QString ReportPanelText(const QStringList& ReportLines, const QString& FailureText);

}  // namespace orbelune
