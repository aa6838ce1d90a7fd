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
    options.TimeoutMs = Request.Limits.TimeoutMs;
    options.MaxBytes = MaxBytes;
    return options;
}

void TSatelliteState::ReportRefused() {
    WeatherState.ConnectionRefusedFlag = true;
    emit ConnectionRefused();
}

bool TSatelliteState::GetSatellite(const TSatelliteRequest& Request) {
    if (busy_) return false;
    busy_ = true;
    emit BusyChanged(true);
    WeatherState.ShowHttpStatus = true;
    SatelliteFramePos = 1;
    SatelliteLoopLoaded = SatelliteLoopRunning = SatelliteImageShown = false;
    if (!Request.Frames.isEmpty())
        SatelliteFrameCount = std::min(int(Request.Frames.size()), SatelliteFrameSlots);
    WeatherState.ConnectionRefusedFlag = false;

    bool arrived = false;
    bool refused = false;
    if (Request.Animate) {
        refused = !ShowSatAnimJpg(Request.Frames, Request);
        arrived = SatelliteLoopLoaded;
    } else {
        TDownloadOptions options = Options(Request, Request.Limits.ImageMaxBytes);
        options.OnStatus = [](const QString& Text) { WeatherService().ShowStatus(Text); };
        QImage still;
        const TFetchOutcome outcome =
            GetJPG(QUrl(SatelliteStillAddress(Request.Server, Request.Code)), still, options);
        refused = outcome.Refused;
        if (outcome.Ok) {
            StillImage = still;
            SatelliteImageShown = arrived = true;
            emit ImageShown(StillImage);
        }
    }
    if (refused) {
        ReportRefused();
    } else if (arrived) {
        LastSatelliteDownloadTime = Platform().Clock->Now();
        emit LastDownloadChanged(
            LastSatelliteText(LastSatelliteDownloadTime, Request.UseMilitaryTime));
    }
    WeatherState.ShowHttpStatus = true;
    busy_ = false;
    emit BusyChanged(false);
    return arrived && !refused;
}

bool TSatelliteState::ShowSatAnimJpg(const QStringList& List, const TSatelliteRequest& Request) {
    SatelliteLoopLoaded = SatelliteLoopRunning = false;
    SatelliteImageShown = true;
    // The frames' transfers are not echoed as the weather status.
    const TDownloadOptions options = Options(Request, Request.Limits.ImageMaxBytes);
    const int count = std::min(int(List.size()), SatelliteFrameSlots);
    for (int i = 0; i < count; ++i) {
        const auto slot = std::size_t(i);
        SatelliteFrameLoaded[slot] = false;
        SatelliteFrames[slot] = QImage();
        QImage frame;
        const TFetchOutcome outcome = GetJPG(QUrl(List[i]), frame, options);
        if (outcome.Refused) return false;
        if (!outcome.Ok) continue;
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
    if (outcome.Refused) ReportRefused();
    if (!outcome.Ok) return false;
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
