#pragma once
// The program-wide weather state: the last report as shown, its time and temperature,
// the texts the clock window shows for it, the station of the interactive request, the
// schedule's last download, and the download flags that every download of this
// subsystem shares. Owned by the user-interface thread; what workers touch is atomic.

#include "StDate.h"

#include <QString>
#include <QStringList>

#include <atomic>

namespace orbelune {

struct TWeatherState {
    QStringList ReportLines;        // the last report as shown
    TDateTime ReportTimeUtc = 0.0;  // observation time of the last report
    bool ReportTimeKnown = false;   // the last report shown had a valid time: it has an age
    double CurrentTemperatureF = -200.0;
    double CurrentTemperatureC = -200.0;
    QString TemperatureText;  // the temperature as the caption and the tray show it
    QString WeatherText;      // the sky conditions beside it
    bool TemperatureShown = false;
    QString TemperatureProblem;  // why the last temperature request brought none, or empty
    QString TraySummaryText;     // the joined summary, at most 64 characters
    // The station of the interactive request and its name (the Weather tab's edits);
    // reading the settings makes the saved station current.
    QString CurrentStationCode = QStringLiteral("KNYC");
    QString CurrentStationName = QStringLiteral("New York");
    std::atomic<TDateTime> LastWeatherDownloadTime = 0;  // local time of the last good one
    bool ConnectionRefusedShown = false;                 // the refused message was shown
    std::atomic<bool> ShowHttpStatus{true};              // echo download status into the memo
    std::atomic<bool> ConnectionRefusedFlag{false};      // the last request was refused
};

extern TWeatherState WeatherState;

// Texts cut to the widths the display keeps.
inline constexpr int WeatherTextWidth = 128;
inline constexpr int TemperatureTextWidth = 64;
inline constexpr int TraySummaryTextWidth = 128;
inline constexpr int StationNameWidth = 128;
inline constexpr int TimeStampTextWidth = 128;

}  // namespace orbelune
