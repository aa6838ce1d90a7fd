#include "WeatherThread.h"

#include "Astronomy.h"
#include "PlatformSeams.h"
#include "ReportText.h"
#include "WeatherState.h"

namespace orbelune {

TReportOutcome ProcessReport(const TDownloadResult& Reply, bool Show,
                             const TWeatherRequest& Request, TDateTime NowLocal) {
    TReportOutcome outcome;
    outcome.Show = Show;
    outcome.FromWeatherTab = Request.FromWeatherTab;
    outcome.FailureText = DownloadFailureText(Reply);
    if (Reply.Error == TDownloadError::Refused) {
        outcome.Kind = TReportOutcome::TKind::Refused;
        return outcome;
    }
    if (!Reply.Ok()) return outcome;
    const QString text = CleanReportText(Reply.Body);
    outcome.FailureText = QStringLiteral("The reply is not a weather report.");
    if (IsHtmlReply(text)) {
        outcome.Kind = TReportOutcome::TKind::NotAReport;
        return outcome;
    }
    const QStringList lines = SplitReportLines(text);
    // An empty reply, or one in no shape the parsing knows, is no report.
    if (!LooksLikeReport(lines)) return outcome;
    outcome.Kind = TReportOutcome::TKind::Good;
    outcome.FailureText.clear();
    TDateTime reportTime = Request.PreviousReportTimeUtc;
    outcome.HasReportTime = ParseReportTime(lines, reportTime);
    outcome.ReportTimeUtc = reportTime;
    if (Show) outcome.TimeStampText = ReportLocalTimeText(lines);
    outcome.Lines = WrapReportLines(DropLastTwoLines(lines));
    if (Show) {
        outcome.DownloadTime = NowLocal;
        outcome.Temperature = GetReportTemperature(text);
        if (outcome.Temperature > NoTemperature) {
            const std::optional<int> age =
                outcome.HasReportTime
                    ? std::optional<int>(ReportAgeMinutes(LocalToUTC(NowLocal), reportTime))
                    : std::nullopt;
            outcome.Summary = BuildWeatherSummary(text, age, Request.TemperatureUnits);
        }
    }
    return outcome;
}

TMyThread1::TMyThread1(const TWeatherRequest& Request)
    : StationCode(Request.StationCode.left(4)), ShowTemperature(Request.Show), Request_(Request) {}

void TMyThread1::run() {
    try {
        FetchReport(StationCode, ShowTemperature);
    } catch (...) {
        // A failure inside the worker must not end the program; the request just fails.
        TReportOutcome failed;
        failed.Show = ShowTemperature;
        failed.FromWeatherTab = Request_.FromWeatherTab;
        failed.FailureText = QStringLiteral("The report could not be read.");
        emit ReportReady(failed);
    }
}

void TMyThread1::FetchReport(const QString& Code, bool Show) {
    if (Request_.SavedStationIsCurrent) Show = true;
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
    emit ReportReady(outcome);
}

}  // namespace orbelune
