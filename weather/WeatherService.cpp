#include "WeatherService.h"

#include "GlobalObjects.h"
#include "Settings.h"
#include "TemperatureDisplay.h"
#include "WeatherState.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>

namespace orbelune {

namespace {

TWeatherRequest RequestFromSettings(const QString& Code, bool Show, bool FromWeatherTab,
                                    const TReportLimits& Limits) {
    TWeatherRequest request;
    request.StationCode = Code;
    request.Show = Show;
    request.FromWeatherTab = FromWeatherTab;
    request.WeatherServer = Settings.WeatherServer;
    request.Proxy = {Settings.UseProxyServer, Settings.ProxyServer, Settings.ProxyPort,
                     Settings.ProxyUserName, Settings.ProxyPassword};
    request.TemperatureUnits = Settings.TemperatureUnits;
    request.SavedStationIsCurrent = WeatherState.CurrentStationCode == Settings.WeatherStationCode;
    request.PreviousReportTimeUtc = WeatherState.ReportTimeUtc;
    request.Limits = Limits;
    return request;
}

}  // namespace

TWeatherService& WeatherService() {
    static TWeatherService* service = [] {
        qRegisterMetaType<TReportOutcome>();
        return new TWeatherService;
    }();
    return *service;
}

void TWeatherService::RequestReport(const QString& Code, bool Show, bool FromWeatherTab) {
    emit ReportStarted();
    auto* thread = new TMyThread1(RequestFromSettings(Code, Show, FromWeatherTab, Limits));
    // Queued: the outcome is recorded and announced on the user-interface thread.
    connect(thread, &TMyThread1::ReportReady, this, &TWeatherService::Record, Qt::QueuedConnection);
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    Running_.removeAll(nullptr);
    Running_.append(thread);
    thread->start();
    RegisterWorker(thread);
}

void TWeatherService::RequestStationWeather(const QString& CodeText, const QString& NameText) {
    WeatherState.CurrentStationName = NameText.left(StationNameWidth);
    WeatherState.CurrentStationCode = CodeText.left(4);
    RequestReport(CodeText, false, true);
}

void TWeatherService::Record(const TReportOutcome& Outcome) {
    using TKind = TReportOutcome::TKind;
    TWeatherState& state = WeatherState;
    // The caption and the tray tell why the temperature they show is not new, or is
    // missing.
    if (Outcome.Show)
        state.TemperatureProblem = Outcome.ShowsTemperature() ? QString()
                                   : Outcome.Kind == TKind::Good
                                       ? QStringLiteral("The report gives no temperature.")
                                       : Outcome.FailureText;
    switch (Outcome.Kind) {
        case TKind::Refused:
        case TKind::NotAReport:
            break;
        case TKind::Failed:
            state.ReportLines = {QStringLiteral("Site not available")};
            break;
        case TKind::Good:
            state.ReportLines = Outcome.Lines;
            if (Outcome.HasReportTime) state.ReportTimeUtc = Outcome.ReportTimeUtc;
            state.ReportTimeKnown = Outcome.HasReportTime;
            if (!Outcome.Show) break;
            if (!Outcome.TimeStampText.isEmpty())
                Settings.LastWeatherTimeStampStr = Outcome.TimeStampText.left(TimeStampTextWidth);
            state.LastWeatherDownloadTime = Outcome.DownloadTime;
            if (Outcome.ShowsTemperature()) {
                if (!Outcome.Summary.Tray.isEmpty())
                    state.TraySummaryText = Outcome.Summary.Tray.left(TraySummaryTextWidth);
                state.TemperatureShown = true;
                RecordTemperature(Outcome.Summary.Sky, Outcome.Temperature);
            }
            break;
    }
    emit ReportArrived(Outcome);
}

void TWeatherService::ShowStatus(const QString& Text) {
    if (QThread::currentThread() != thread()) {
        QMetaObject::invokeMethod(
            this, [this, Text] { ShowStatus(Text); }, Qt::QueuedConnection);
        return;
    }
    if (WeatherState.ShowHttpStatus) emit StatusEchoed(Text);
}

bool TWeatherService::WaitForRequests(int TimeoutMs) {
    const QDeadlineTimer deadline(TimeoutMs);
    bool allDone = true;
    for (const QPointer<TMyThread1>& thread : Running_)
        if (thread && !thread->wait(deadline)) allDone = false;
    if (allDone) Running_.clear();
    QCoreApplication::sendPostedEvents();
    return allDone;
}

bool TWeatherService::StopRequests(int TimeoutMs) {
    for (const QPointer<TMyThread1>& thread : Running_)
        if (thread) thread->requestInterruption();
    return WaitForRequests(TimeoutMs);
}

}  // namespace orbelune
