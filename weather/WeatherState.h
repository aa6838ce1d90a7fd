#pragma once
// The program-wide weather state: the last report and what was shown of it, and the
// download flags shared by every download of this subsystem. Owned by the
// user-interface thread; the two flags that workers touch are atomic.

#include "StDate.h"

#include <QString>
#include <QStringList>

#include <atomic>

namespace orbelune {

struct TWeatherState {
  QStringList WeatherReportLines;         // the last report as shown, or "Site not available"
  TDateTime ReportTimeUtc = 0.0;          // observation time of that report
  TDateTime LastWeatherDownloadTime = 0.0;  // local; last good scheduled download, 0 = never
  double CurrentTemperatureF = -200.0;
  double CurrentTemperatureC = -200.0;
  QString WeatherText;                    // sky conditions last shown with the temperature
  QString TemperatureText;                // the shown temperature with its degree sign
  QString TraySummaryText;                // the joined summary, at most 64 characters
  QString CurrentStationCode = QStringLiteral("KNYC");  // the interactive request's station
  QString CurrentStationName = QStringLiteral("New York");
  bool TemperatureShown = false;          // a temperature has reached the clock window
  bool ConnectionRefusedShown = false;    // the refused message was shown in this run
  std::atomic<bool> ShowHttpStatus{true};         // echo download status into the weather memo
  std::atomic<bool> ConnectionRefusedFlag{false};  // the last request was refused
};

extern TWeatherState WeatherState;

// Texts cut to the widths the display keeps.
inline constexpr int WeatherTextWidth = 128;
inline constexpr int TemperatureTextWidth = 64;
inline constexpr int TraySummaryTextWidth = 128;
inline constexpr int StationNameWidth = 128;
inline constexpr int TimeStampTextWidth = 128;

}  // namespace orbelune
