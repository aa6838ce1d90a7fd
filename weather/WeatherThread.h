#pragma once
// The weather report worker: a thread that downloads the decoded report of one station
// and parses it. It gets a request value when it starts and hands back an outcome value
// with its ReportReady signal; it touches no window and no program-wide state but the
// shared refused-connection flag.

#include "Download.h"
#include "DownloadFailureText.h"
#include "ReportFields.h"
#include "StDate.h"

#include <QMetaType>
#include <QString>
#include <QStringList>
#include <QThread>

namespace orbelune {

// The limits of a report download; a report is a few kilobytes.
struct TReportLimits {
    int TimeoutMs = 30000;
    qint64 MaxBytes = 64 * 1024;
};

// What a request takes from the settings and the state, copied on the
// user-interface thread when it starts.
struct TWeatherRequest {
    QString StationCode;  // as typed; its first four characters are asked for
    bool Show = false;    // show the temperature and stamp the schedule
    QString WeatherServer;
    TProxyRule Proxy;
    char TemperatureUnits = 'F';
    bool SavedStationIsCurrent = false;  // the current station is the saved one: always shown
    TDateTime PreviousReportTimeUtc = 0.0;
    TReportLimits Limits;
    bool FromWeatherTab = false;  // asked for on the Weather tab, else by the clock window
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
    QString FailureText;      // why no report came, as a sentence; empty for a good one
    bool FromWeatherTab = false;

    // A good report to be shown that has a temperature: the caption and tray take it.
    bool ShowsTemperature() const {
        return Kind == TKind::Good && Show && Temperature > NoTemperature;
    }
};

// The outcome of a reply. NowLocal is the time of the download; the report's age
// is measured against LocalToUTC of it.
TReportOutcome ProcessReport(const TDownloadResult& Reply, bool Show,
                             const TWeatherRequest& Request, TDateTime NowLocal);

class TMyThread1 final : public QThread {
    Q_OBJECT
public:
    double Temperature = NoTemperature;
    QString SkyConditions;
    QString StationCode;
    bool ShowTemperature = false;

    explicit TMyThread1(const TWeatherRequest& Request);

signals:
    // Once, from the worker thread, as the request ends (a failure included).
    void ReportReady(const orbelune::TReportOutcome& Outcome);

protected:
    void run() override;

private:
    void FetchReport(const QString& Code, bool Show);
    TWeatherRequest Request_;
};

}  // namespace orbelune

Q_DECLARE_METATYPE(orbelune::TReportOutcome)
