#include "WeatherThread.h"

#include "Astronomy.h"
#include "ClockState.h"
#include "ClockWindowLink.h"
#include "DateFormats.h"
#include "GlobalObjects.h"
#include "PlatformSeams.h"
#include "ReportText.h"
#include "Settings.h"
#include "TemperatureDisplay.h"
#include "WeatherState.h"
#include "WeatherTextForm.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QList>
#include <QPointer>

namespace orbelune {

namespace {

// The running requests, kept by the user-interface thread.
QList<QPointer<TMyThread1>>& RunningThreads() {
    static QList<QPointer<TMyThread1>> threads;
    return threads;
}

// Runs Step on the user-interface thread after everything queued before it.
template <typename TStep>
void Synchronize(TStep Step) {
    if (QCoreApplication* app = QCoreApplication::instance())
        QMetaObject::invokeMethod(app, std::move(Step), Qt::QueuedConnection);
}

TWeatherRequest RequestFromSettings() {
    TWeatherRequest request;
    request.WeatherServer = Settings.WeatherServer;
    request.Proxy = {Settings.UseProxyServer, Settings.ProxyServer, Settings.ProxyPort,
                     Settings.ProxyUserName, Settings.ProxyPassword};
    request.TemperatureUnits = Settings.TemperatureUnits;
    request.SavedStationIsCurrent = CurrentStationCode() == Settings.WeatherStationCode;
    request.PreviousReportTimeUtc = WeatherState.ReportTimeUtc;
    request.Limits = WeatherReportLimits();
    return request;
}

void ClearWeatherMemo() {
    if (TWeatherInfoView* info = WeatherWindows().Info) info->ClearWeatherMemo();
}

void ReportConnectionRefused() {
    if (ClockWindowView()) ShowConnectionRefusedMessage();
}

void ShowTemperatureResult(const TReportOutcome& Outcome) {
    TWeatherClockView* clock = ClockWindowView();
    if (!clock) return;
    ShowTemperatureOn(*clock, Outcome.Summary.Sky, Outcome.Temperature);
    clock->SetTrayHint(DisplayState.TemperatureText + QLatin1Char('\r') +
                       WeatherState.TraySummaryText);
}

void ShowWeatherWindow() {
    TForm6* form = WeatherWindows().Form6;
    if (!form) return;
    const TDateTime nowUtc = LocalToUTC(Platform().Clock->Now());
    form->ShowReport(WeatherWindowLines(WeatherReportLines()),
                     WeatherWindowCaption(ReportAgeMinutes(nowUtc, WeatherState.ReportTimeUtc),
                                          UTCToLocal(WeatherState.ReportTimeUtc),
                                          Settings.UseMilitaryTime, DateFormats.Long));
}

void ShowWeatherOnInfoForm() {
    if (TWeatherInfoView* info = WeatherWindows().Info)
        info->ShowWeatherReport(WeatherReportLines(), CurrentStationCode(), CurrentStationName());
}

}  // namespace

TReportLimits& WeatherReportLimits() {
    static TReportLimits limits;
    return limits;
}

TReportOutcome ProcessReport(const TDownloadResult& Reply, bool Show,
                             const TWeatherRequest& Request, TDateTime NowLocal) {
    TReportOutcome outcome;
    outcome.Show = Show;
    if (Reply.Error == TDownloadError::Refused) {
        outcome.Kind = TReportOutcome::TKind::Refused;
        return outcome;
    }
    if (!Reply.Ok()) return outcome;
    const QString text = QString::fromUtf8(Reply.Body);
    if (IsHtmlReply(text)) {
        outcome.Kind = TReportOutcome::TKind::NotAReport;
        return outcome;
    }
    outcome.Kind = TReportOutcome::TKind::Good;
    const QStringList lines = SplitReportLines(text);
    TDateTime reportTime = Request.PreviousReportTimeUtc;
    outcome.HasReportTime = ParseReportTime(lines, reportTime);
    outcome.ReportTimeUtc = reportTime;
    if (Show) outcome.TimeStampText = ReportLocalTimeText(lines);
    outcome.Lines = WrapReportLines(DropLastTwoLines(lines));
    if (Show) {
        outcome.DownloadTime = NowLocal;
        outcome.Temperature = GetReportTemperature(text);
        if (outcome.Temperature > NoTemperature) {
            const int age = ReportAgeMinutes(LocalToUTC(NowLocal), reportTime);
            outcome.Summary = BuildWeatherSummary(text, age, Request.TemperatureUnits);
        }
    }
    return outcome;
}

void ApplyReportOutcome(const TReportOutcome& Outcome) {
    using TKind = TReportOutcome::TKind;
    TWeatherState& state = WeatherState;
    switch (Outcome.Kind) {
        case TKind::Refused:
            ReportConnectionRefused();
            return;
        case TKind::Failed:
            SetWeatherReportLines({QStringLiteral("Site not available")});
            // The memo was emptied when the request started; it tells why nothing came.
            ShowWeatherOnInfoForm();
            return;
        case TKind::NotAReport:
            return;
        case TKind::Good:
            break;
    }
    SetWeatherReportLines(Outcome.Lines);
    if (Outcome.HasReportTime) state.ReportTimeUtc = Outcome.ReportTimeUtc;
    if (Outcome.Show) {
        if (!Outcome.TimeStampText.isEmpty())
            Settings.LastWeatherTimeStampStr = Outcome.TimeStampText.left(TimeStampTextWidth);
        ClockState.LastWeatherDownloadTime = Outcome.DownloadTime;
        if (Outcome.Temperature > NoTemperature) {
            if (!Outcome.Summary.Tray.isEmpty())
                state.TraySummaryText = Outcome.Summary.Tray.left(TraySummaryTextWidth);
            DisplayState.TemperatureShown = true;
            ShowTemperatureResult(Outcome);
        }
    }
    ShowWeatherWindow();
    ShowWeatherOnInfoForm();
}

TMyThread1::TMyThread1(const TWeatherRequest& Request) : Request_(Request) {}

void TMyThread1::run() {
    try {
        FetchReport(StationCode, ShowTemperature);
    } catch (...) {
        // A failure inside the worker must not end the program; the request just fails.
        Synchronize([] { ApplyReportOutcome(TReportOutcome{}); });
    }
}

void TMyThread1::FetchReport(const QString& Code, bool Show) {
    if (Request_.SavedStationIsCurrent) Show = true;
    Synchronize([] { ClearWeatherMemo(); });
    const QString station = StationForRequest(Code);

    TDownloadOptions options;
    options.Proxy = ProxyFromRule(Request_.Proxy);
    options.TimeoutMs = Request_.Limits.TimeoutMs;
    options.MaxBytes = Request_.Limits.MaxBytes;
    const QUrl url(QStringLiteral("http://") + Request_.WeatherServer + ReportPath(station));

    WeatherState.ConnectionRefusedFlag = false;
    const TDownloadResult reply = Download(url, options);
    if (reply.Error == TDownloadError::Refused) WeatherState.ConnectionRefusedFlag = true;

    const TReportOutcome outcome = ProcessReport(reply, Show, Request_, Platform().Clock->Now());
    Temperature = outcome.Temperature;
    SkyConditions = outcome.Summary.Sky;
    Synchronize([outcome] { ApplyReportOutcome(outcome); });
}

void StartWeatherRequest(const QString& Code, bool ShowTemperature) {
    auto* thread = new TMyThread1(RequestFromSettings());
    thread->StationCode = Code.left(4);
    thread->ShowTemperature = ShowTemperature;
    QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    QList<QPointer<TMyThread1>>& running = RunningThreads();
    running.removeAll(nullptr);
    running.append(thread);
    thread->start();
    RegisterWorker(thread);
}

void RequestStationWeather(const QString& CodeText, const QString& NameText) {
    ClearWeatherMemo();
    CurrentStationName() = NameText.left(StationNameWidth);
    CurrentStationCode() = CodeText.left(4);
    // Through the clock window, whose caption then takes the temperature of the saved
    // station even before its own schedule has asked for a report.
    if (ClockWindow().GetWeather)
        ClockWindow().GetWeather(CodeText, false);
    else
        StartWeatherRequest(CodeText, false);
}

bool WaitForWeatherThreads(int TimeoutMs) {
    const QDeadlineTimer deadline(TimeoutMs);
    bool allDone = true;
    for (const QPointer<TMyThread1>& thread : RunningThreads())
        if (thread && !thread->wait(deadline)) allDone = false;
    if (allDone) RunningThreads().clear();
    QCoreApplication::sendPostedEvents();
    return allDone;
}

bool StopWeatherThreads(int TimeoutMs) {
    for (const QPointer<TMyThread1>& thread : RunningThreads())
        if (thread) thread->requestInterruption();
    return WaitForWeatherThreads(TimeoutMs);
}

}  // namespace orbelune
