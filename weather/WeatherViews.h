#pragma once
// The windows a weather report reaches. The clock and information windows implement
// these small interfaces and register themselves in WeatherWindows() while they
// exist; a report skips any window that is absent at the moment it arrives.

#include <QIcon>
#include <QPointer>
#include <QString>
#include <QStringList>

namespace orbelune {

class TForm6;

class TWeatherClockView {
public:
    virtual ~TWeatherClockView() = default;
    // False once the window behind the view is gone.
    virtual bool Exists() const { return true; }
    // The temperature caption, whose parts are joined by a blank and a carriage return;
    // the window shows it as its caption and application title.
    virtual void SetWeatherCaption(const QString& Caption) = 0;
    virtual void SetTrayIcon(const QIcon& Icon) = 0;
    virtual void SetTrayHint(const QString& Hint) = 0;
};

class TWeatherInfoView {
public:
    virtual ~TWeatherInfoView() = default;
    virtual void ClearWeatherMemo() = 0;
    virtual void AppendWeatherMemo(const QString& Line) = 0;
    // The report lines into the weather memo, the station code and name into their edits,
    // then the tab's labels (see WeatherTabTexts).
    virtual void ShowWeatherReport(const QStringList& Lines, const QString& StationCode,
                                   const QString& StationName) = 0;
};

struct TWeatherWindows {
    TWeatherClockView* Clock = nullptr;  // see ClockWindowView()
    TWeatherInfoView* Info = nullptr;
    QPointer<TForm6> Form6;  // the weather text window, once created
};

// The registry of the user-interface thread.
TWeatherWindows& WeatherWindows();

// The registered clock view while its window exists, else null.
TWeatherClockView* ClockWindowView();

}  // namespace orbelune
