#include "WeatherTabTexts.h"

#include "DateTimeRtl.h"
#include "EngineText.h"

namespace orbelune {

TWeatherTabTexts WeatherTabTexts(char TemperatureUnits, TDateTime LastWeatherDownloadTime,
                                 const QString& LastWeatherTimeStampStr) {
    TWeatherTabTexts texts;
    texts.TemperatureUnitsIndex = TemperatureUnits == 'C' ? 1 : 0;
    if (LastWeatherDownloadTime != 0.0)
        texts.LastWeatherUpdate = FromEngineText(DateTimeToString("mmm dd, yyyy - hh:mm AM/PM",
                                                                  LastWeatherDownloadTime)) +
                                  QStringLiteral("  Last Download");
    if (!LastWeatherTimeStampStr.isEmpty())
        texts.LastWeatherTimeStamp = LastWeatherTimeStampStr + QStringLiteral("Last Time Stamp");
    return texts;
}

QString ReportPanelText(const QStringList& ReportLines, const QString& FailureText) {
    if (FailureText.isEmpty()) return ReportLines.join(QLatin1Char('\n'));
    return QStringLiteral("Site not available\n") + FailureText;
}

}  // namespace orbelune
