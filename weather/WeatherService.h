#pragma once
// The weather report requests of the program and what the windows hear of them. A
// window asks with RequestReport; a worker thread (TMyThread1) gets the request value
// and hands back an outcome value, which the service records in the weather state on
// the user-interface thread and then announces with ReportArrived. Each window applies
// what concerns it: the clock window the temperature, the information window the report
// panel. The service touches no window, and a window that is gone simply hears nothing.

#include "WeatherThread.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

namespace orbelune {

class TWeatherService final : public QObject {
    Q_OBJECT

public:
    // Starts a request for the station Code (its first four characters) and returns at
    // once; Show shows the temperature and stamps the schedule. FromWeatherTab tells
    // whose request it is: the Weather tab's, else the clock window's. User-interface
    // thread.
    void RequestReport(const QString& Code, bool Show, bool FromWeatherTab = false);
    // The "Get Weather" request of the Weather tab: the typed station becomes the
    // current one, and its report is fetched without showing the temperature (unless it
    // is the saved station).
    void RequestStationWeather(const QString& CodeText, const QString& NameText);

    // A download status text, from any thread; announced on the user-interface thread
    // while the echo is on.
    void ShowStatus(const QString& Text);

    // The limits every request gets (tests shorten them).
    TReportLimits Limits;

    // Waits up to TimeoutMs for running requests to end, then delivers their outcomes;
    // true when none is left.
    bool WaitForRequests(int TimeoutMs);
    // Asks running requests to stop, then waits as WaitForRequests.
    bool StopRequests(int TimeoutMs);

signals:
    // A request starts: the report panel empties its memo.
    void ReportStarted();
    // After the weather state has taken the outcome.
    void ReportArrived(const orbelune::TReportOutcome& Outcome);
    void StatusEchoed(const QString& Text);

private:
    void Record(const TReportOutcome& Outcome);

    QList<QPointer<TMyThread1>> Running_;
};

// The program's one service, on the user-interface thread.
TWeatherService& WeatherService();

}  // namespace orbelune
