// The clock window's weather methods: requests, the temperature in its caption and
// tray icon, and the download messages.
#include "ClockForm.h"
#include "ClockState.h"
#include "TemperatureDisplay.h"
#include "TrayIcon.h"
#include "WeatherThread.h"

#include <QPointer>

namespace orbelune {

namespace {

// The clock window as the weather display sees it; once it is gone, nothing.
class TForm1WeatherView final : public TWeatherClockView {
 public:
  QPointer<TForm1> Window;

  void SetWeatherCaption(const QString& Caption) override
  {
    if (!Window) return;
    // A window title is one line: the carriage returns go.
    Window->setWindowTitle(QString(Caption).remove(QLatin1Char('\r')));
    DisplayState.ApplicationTitle = Window->windowTitle();
  }
  void SetTrayIcon(const QIcon& Icon) override
  {
    if (Window && Window->TrayIcon != nullptr) Window->TrayIcon->SetIcon(Icon);
  }
  void SetTrayHint(const QString& Hint) override
  {
    if (Window && Window->TrayIcon != nullptr)
      Window->TrayIcon->SetHint(QString(Hint).replace(QLatin1Char('\r'), QLatin1Char('\n')));
  }
};

// The view of Form, which reports now reach.
TWeatherClockView& ViewOf(TForm1* Form)
{
  static TForm1WeatherView view;
  view.Window = Form;
  WeatherWindows().Clock = &view;
  return view;
}

}  // namespace

void TForm1::GetWeather(const QString& StationCode, bool Show)
{
  ViewOf(this);
  StartWeatherRequest(StationCode, Show);
}

void TForm1::ShowTemperature(const QString& SkyText, double TemperatureF)
{
  ShowTemperatureOn(ViewOf(this), SkyText, TemperatureF);
}

void TForm1::ShowTrayTemp(const QString& Text, std::int32_t ForeColor, bool Transparent,
                          std::int32_t BackColor)
{
  ShowTrayTempOn(ViewOf(this), Text, ForeColor, Transparent, BackColor);
}

void TForm1::ShowConnectionRefused() { ShowConnectionRefusedMessage(); }

void TForm1::ShowStatus(const QString& Text) { orbelune::ShowStatus(Text); }

}  // namespace orbelune
