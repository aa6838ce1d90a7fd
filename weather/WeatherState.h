#pragma once
// The program-wide weather state besides what the clock window keeps (the shown
// temperature and sky texts, TemperatureShown, the schedule's LastWeatherDownloadTime)
// and the program-wide report list: the report's time, the temperature, the tray
// summary, the current station, and the download flags that every download of this
// subsystem shares. Owned by the user-interface thread; the flags that workers touch
// are atomic.

#include "StDate.h"

#include <QString>
#include <QStringList>

#include <atomic>

namespace orbelune {

struct TWeatherState {
    TDateTime ReportTimeUtc = 0.0;  // observation time of the last report
    double CurrentTemperatureF = -200.0;
    double CurrentTemperatureC = -200.0;
    QString TraySummaryText;                         // the joined summary, at most 64 characters
    bool ConnectionRefusedShown = false;             // the refused message was shown in this run
    std::atomic<bool> ShowHttpStatus{true};          // echo download status into the weather memo
    std::atomic<bool> ConnectionRefusedFlag{false};  // the last request was refused
};

extern TWeatherState WeatherState;

// The last report as shown (the program-wide report list; empty while it does not exist).
QStringList WeatherReportLines();
void SetWeatherReportLines(const QStringList& Lines);

// The station of the interactive request and its name (the Set tab's edits), which
// reading the settings sets to the saved station.
QString& CurrentStationCode();
QString& CurrentStationName();

// Texts cut to the widths the display keeps.
inline constexpr int WeatherTextWidth = 128;
inline constexpr int TemperatureTextWidth = 64;
inline constexpr int TraySummaryTextWidth = 128;
inline constexpr int StationNameWidth = 128;
inline constexpr int TimeStampTextWidth = 128;

}  // namespace orbelune
