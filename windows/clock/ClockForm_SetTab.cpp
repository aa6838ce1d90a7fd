// What the Set tab's tray and temperature-unit changes show in the clock window.
#include "ClockForm.h"

#include "Settings.h"
#include "TrayIcon.h"
#include "WeatherState.h"

#include <QAction>

namespace orbelune {

void TForm1::ApplyTrayType() {
    const char type = Settings.TrayType;
    TrayTemperature1->setChecked(type == 'T');
    TrayMoon1->setChecked(type == 'M');
    TrayAnimation1->setChecked(type == 'A');
    TrayIcon->SetAnimate(type == 'A');
    TrayIcon->SetActive(type == 'T' || type == 'M' || type == 'A');
    // The temperature picture only while the tray shows the temperature: another
    // type keeps its moon.
    if (type == 'T' && !WeatherState.TemperatureText.isEmpty())
        ShowTrayTemp(WeatherState.TemperatureText, Settings.TrayForeColor,
                     Settings.TrayBackTransparent, Settings.TrayBackColor);
}

void TForm1::ShowTemperatureInUnits() {
    if (WeatherState.TemperatureShown) {
        ShowTemperature(WeatherState.WeatherText, WeatherState.CurrentTemperatureF);
        TrayIcon->SetHint(
            WeatherState.TemperatureText + QLatin1Char('\n') +
            QString(WeatherState.TraySummaryText).replace(QLatin1Char('\r'), QLatin1Char('\n')));
    }
    UpdateDisplays();
}

}  // namespace orbelune
