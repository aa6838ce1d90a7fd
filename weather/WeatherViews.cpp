#include "WeatherViews.h"

namespace orbelune {

void TClockWindowWeather::SetWeatherCaption(const QString& Caption)
{
  if (Window_) Window_->setWindowTitle(QString(Caption).remove(QLatin1Char('\r')));
}

void TClockWindowWeather::SetTrayIcon(const QIcon& Icon)
{
  if (Tray_) Tray_->setIcon(Icon);
}

void TClockWindowWeather::SetTrayHint(const QString& Hint)
{
  if (Tray_) Tray_->setToolTip(QString(Hint).replace(QLatin1Char('\r'), QLatin1Char('\n')));
}

TWeatherWindows& WeatherWindows()
{
  static TWeatherWindows windows;
  return windows;
}

TWeatherClockView* ClockWindowView()
{
  TWeatherClockView* clock = WeatherWindows().Clock;
  return clock != nullptr && clock->Exists() ? clock : nullptr;
}

}  // namespace orbelune
