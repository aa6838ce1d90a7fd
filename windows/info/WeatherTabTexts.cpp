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

QString ForecastPageStatus(TPageState State, const QString& Address, const QString& Problem) {
    switch (State) {
        case TPageState::NotOpened:
            return Address.isEmpty() ? QStringLiteral(
                                           "Choose a forecast source and a place, then press "
                                           "\"Get Weather\".")
                                     : QStringLiteral("\"Get Weather\" opens ") + Address;
        case TPageState::Loading:
            return QStringLiteral("Loading ") + Address + QStringLiteral(" ...");
        case TPageState::Failed:
            return QStringLiteral("The page could not be loaded (") + Problem +
                   QStringLiteral("): ") + Address;
        case TPageState::Loaded:
            break;
    }
    return {};
}

QString ReportPanelText(const QStringList& ReportLines, const QString& FailureText) {
    if (FailureText.isEmpty()) return ReportLines.join(QLatin1Char('\n'));
    return QStringLiteral("Site not available\n") + FailureText;
}

}  // namespace orbelune
