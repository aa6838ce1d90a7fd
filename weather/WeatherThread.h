#pragma once
// The weather report request: a worker thread downloads the decoded report of one
// station and parses it; the result is handed to the user-interface thread, which
// updates the program-wide state and the windows that exist at that moment.

#include "Download.h"
#include "ReportFields.h"
#include "StDate.h"

#include <QString>
#include <QStringList>
#include <QThread>

namespace orbelune {

// The limits of a report download; a report is a few kilobytes.
struct TReportLimits {
    int TimeoutMs = 30000;
    qint64 MaxBytes = 64 * 1024;
};
// The limits every weather request gets (tests shorten them).
TReportLimits& WeatherReportLimits();

// What a request takes from the settings and the state, copied on the
// user-interface thread when it starts.
struct TWeatherRequest {
    QString WeatherServer;
    TProxyRule Proxy;
    char TemperatureUnits = 'F';
    bool SavedStationIsCurrent = false;  // CurrentStationCode equals WeatherStationCode
    TDateTime PreviousReportTimeUtc = 0.0;
    TReportLimits Limits;
};

// What one request found.
struct TReportOutcome {
    enum class TKind { Refused, Failed, NotAReport, Good };
    TKind Kind = TKind::Failed;
    bool Show = false;  // show the temperature and stamp the schedule
    QStringList Lines;  // Good: the lines to show, wrapped
    bool HasReportTime = false;
    TDateTime ReportTimeUtc = 0.0;
    QString TimeStampText;         // Good and Show: the report's local time text
    TDateTime DownloadTime = 0.0;  // Good and Show: local time of the download
    double Temperature = NoTemperature;
    TWeatherSummary Summary;  // when a temperature was found
};

// The outcome of a reply. NowLocal is the time of the download; the report's age
// is measured against LocalToUTC of it.
TReportOutcome ProcessReport(const TDownloadResult& Reply, bool Show,
                             const TWeatherRequest& Request, TDateTime NowLocal);

// On the user-interface thread: records the outcome in the program-wide state and
// shows it in the windows that exist.
void ApplyReportOutcome(const TReportOutcome& Outcome);

class TMyThread1 final : public QThread {
    Q_OBJECT
public:
    double Temperature = NoTemperature;
    QString SkyConditions;
    QString StationCode;
    bool ShowTemperature = false;

    explicit TMyThread1(const TWeatherRequest& Request);

protected:
    void run() override;

private:
    void FetchReport(const QString& Code, bool Show);
    TWeatherRequest Request_;
};

// Starts a request for the station Code (its first four characters) and returns at
// once; ShowTemperature shows the temperature in the caption and tray and stamps the
// schedule. User-interface thread only.
void StartWeatherRequest(const QString& Code, bool ShowTemperature);

// The "Get Weather" request of the information window: the typed station becomes the
// current one, and its report is fetched without showing the temperature.
void RequestStationWeather(const QString& CodeText, const QString& NameText);

// Stops the downloads of running requests and waits up to TimeoutMs for their threads;
// true when none is left. (The program's shut-down stops every worker with StopWorkers.)
bool StopWeatherThreads(int TimeoutMs);
// Waits up to TimeoutMs for running requests to end, then delivers their results.
bool WaitForWeatherThreads(int TimeoutMs);

}  // namespace orbelune
