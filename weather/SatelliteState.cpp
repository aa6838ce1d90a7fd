#include "SatelliteState.h"

#include "AnimationSteps.h"
#include "Astronomy.h"
#include "DateTimeRtl.h"
#include "EngineText.h"
#include "PlatformSeams.h"
#include "RadarListing.h"
#include "WeatherService.h"
#include "WeatherState.h"

#include <algorithm>

namespace orbelune {

namespace {

QString Formatted(const char* Format, TDateTime Value) {
    return FromEngineText(DateTimeToString(Format, Value));
}

}  // namespace

QString LastSatelliteText(TDateTime Local, bool UseMilitaryTime) {
    const TDateTime utc = LocalToUTC(Local);
    const TTimeZoneState zone = TimeZoneAt(utc);
    return Formatted("mm dd yyyy  hh:mm", utc) + QStringLiteral(" GMT = ") +
           Formatted(UseMilitaryTime ? "hh:mm" : "h:mm AM/PM", Local) + u' ' +
           FromEngineText(zone.TimeZoneName);
}

TSatelliteState::TSatelliteState(QObject* Parent) : QObject(Parent) {
    setObjectName(QStringLiteral("SatelliteState"));
}

TDownloadOptions TSatelliteState::Options(const TSatelliteRequest& Request, qint64 MaxBytes) const {
    TDownloadOptions options;
    options.Proxy = ProxyFromRule(Request.Proxy);
    // While a request runs, each transfer within what is left of its time.
    options.TimeoutMs =
        busy_ ? int(std::clamp<qint64>(budget_.remainingTime(), 1, Request.Limits.TimeoutMs))
              : Request.Limits.TimeoutMs;
    options.MaxBytes = MaxBytes;
    options.Cancel = &cancel_;
    return options;
}

void TSatelliteState::ReportRefused() {
    WeatherState.ConnectionRefusedFlag = true;
    emit ConnectionRefused();
}

void TSatelliteState::TakeUpRequest() {
    if (requestShown_) return;
    requestShown_ = true;
    SatelliteFrames.fill(QImage());
    SatelliteFrameLoaded.fill(false);
    StillImage = QImage();
    SatelliteFramePos = 1;
    SatelliteLoopLoaded = SatelliteLoopRunning = false;
    SatelliteImageShown = true;
    if (!request_.Frames.isEmpty())
        SatelliteFrameCount = std::min(int(request_.Frames.size()), SatelliteFrameSlots);
    ShownRegion = request_.Region;
    ShownType = request_.Type;
}

QString TSatelliteState::EndedLine(bool Arrived) const {
    const QString shown =
        LastSatelliteDownloadTime != 0
            ? LastSatelliteText(LastSatelliteDownloadTime, request_.UseMilitaryTime)
            : QStringLiteral("No satellite image has arrived yet.");
    if (Arrived && !stopped_) return shown;
    TImageryProblem problem = problem_;
    if (cancel_)
        problem = {TImageryProblem::TKind::Cancelled, QString()};
    else if (!problem.Any())
        problem = {TImageryProblem::TKind::OutOfTime, QString()};
    const QString note = Arrived ? QStringLiteral("Satellite loop cut short: ")
                                 : QStringLiteral("No satellite image: ");
    return note + ProblemText(problem) + QStringLiteral(".\n") + shown;
}

bool TSatelliteState::GetSatellite(const TSatelliteRequest& Request) {
    if (busy_) return false;
    busy_ = true;
    emit BusyChanged(true);
    WeatherState.ShowHttpStatus = true;
    request_ = Request;
    budget_ = QDeadlineTimer(Request.Limits.RequestBudgetMs);
    cancel_ = false;
    requestShown_ = stopped_ = false;
    problem_ = {};
    // The last loop pauses while the request runs, and goes on when it brings nothing.
    const bool loopWasRunning = SatelliteLoopRunning;
    SatelliteLoopRunning = false;
    WeatherState.ConnectionRefusedFlag = false;

    bool refused = false;
    if (Request.Animate) {
        refused = !ShowSatAnimJpg(Request.Frames, Request);
    } else {
        TDownloadOptions options = Options(Request, Request.Limits.ImageMaxBytes);
        options.OnStatus = [](const QString& Text) { WeatherService().ShowStatus(Text); };
        QImage still;
        const TFetchOutcome outcome =
            GetJPG(QUrl(SatelliteStillAddress(Request.Server, Request.Code)), still, options,
                   {TPictureLimits{}.MaxSize, Request.Limits.PictureMaxBytes});
        problem_ = outcome.Problem;
        refused = outcome.Refused();
        if (outcome.Ok()) {
            TakeUpRequest();
            StillImage = still;
            emit ImageShown(StillImage);
        }
    }
    const bool arrived = requestShown_;
    if (arrived) {
        LastSatelliteDownloadTime = Platform().Clock->Now();
    } else if (loopWasRunning) {
        SatelliteLoopRunning = true;
        emit LoopStarted();
    }
    if (arrived || problem_.Any() || stopped_ || cancel_)
        emit LastDownloadChanged(EndedLine(arrived));
    WeatherState.ShowHttpStatus = true;
    busy_ = false;
    emit BusyChanged(false);
    // Told once the tab is usable again: the message may wait for the user.
    if (refused) ReportRefused();
    return arrived && !refused;
}

bool TSatelliteState::ShowSatAnimJpg(const QStringList& List, const TSatelliteRequest& Request) {
    // The frames' transfers are not echoed as the weather status.
    const int count = std::min(int(List.size()), SatelliteFrameSlots);
    qint64 decoded = 0;
    for (int i = 0; i < count; ++i) {
        if (Stopping()) {
            stopped_ = true;
            break;
        }
        QImage frame;
        const TFetchOutcome outcome =
            GetJPG(QUrl(List[i]), frame, Options(Request, Request.Limits.ImageMaxBytes),
                   {TPictureLimits{}.MaxSize, Request.Limits.PictureMaxBytes - decoded});
        if (!problem_.Any() && outcome.Problem.Kind != TImageryProblem::TKind::Cancelled)
            problem_ = outcome.Problem;
        if (outcome.Refused()) {
            stopped_ = true;
            return false;
        }
        // The frames so far fill the memory a loop may take: no more of them.
        if (outcome.Problem.Kind == TImageryProblem::TKind::PictureTooLarge) {
            problem_ = outcome.Problem;
            stopped_ = true;
            break;
        }
        if (!outcome.Ok()) continue;
        TakeUpRequest();
        decoded += frame.sizeInBytes();
        const auto slot = std::size_t(i);
        SatelliteFrames[slot] = frame;
        SatelliteFrameLoaded[slot] = true;
        SatelliteLoopLoaded = true;
        emit ImageShown(frame);
        emit FrameNumberChanged(QString::number(i + 1));
    }
    if (SatelliteLoopLoaded && Request.Repeat) {
        SatelliteFramePos = 1;
        SatelliteLoopRunning = true;
        emit LoopStarted();
    }
    return true;
}

bool TSatelliteState::LoadJPGList(const TSatelliteRequest& Request, QStringList& List) {
    QString text;
    const QString address = SatelliteFileNamesAddress(Request.Server, Request.Code);
    const TFetchOutcome outcome =
        GetTextFile(QUrl(address), text, Options(Request, Request.Limits.TextMaxBytes));
    if (outcome.Refused()) ReportRefused();
    if (!outcome.Ok()) return false;
    QStringList names;
    for (const QString& line : text.split(u'\n')) {
        const QString name = line.trimmed();
        if (IsSafeListingName(name)) names << name;
    }
    if (names.isEmpty()) return false;
    names.sort();
    const QString folder = address.left(address.lastIndexOf(u'/') + 1);
    List.clear();
    for (const QString& name : names) List << folder + name;
    return true;
}

void TSatelliteState::AnimationTick(bool Repeat) {
    if (!SatelliteLoopRunning || !SatelliteLoopLoaded || !Repeat) return;
    const int shown = SatelliteLoopStep(SatelliteFramePos, SatelliteFrameCount);
    if (shown < 1 || shown > SatelliteFrameSlots || !SatelliteFrameLoaded[std::size_t(shown - 1)])
        return;
    emit FrameNumberChanged(QString::number(shown));
    emit ImageShown(SatelliteFrames[std::size_t(shown - 1)]);
}

}  // namespace orbelune
