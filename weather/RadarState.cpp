#include "RadarState.h"

#include "GlobalObjects.h"
#include "PlatformSeams.h"
#include "RadarSites.h"
#include "RadarThread.h"

namespace orbelune {

namespace {

// How long the state's end waits for a running request that was asked to stop.
constexpr int StopOnDestroyMs = 3000;

}  // namespace

TRadarState::TRadarState(QObject* Parent) : QObject(Parent) {
    setObjectName(QStringLiteral("RadarState"));
}

TRadarState::~TRadarState() {
    StopRadar(StopOnDestroyMs);
    DetachWorker();
}

bool TRadarState::GetRadar(const TRadarRequest& Request) {
    if (RadarBusy || !IsRadarSite(Request.Location)) return false;
    request_ = Request;
    RadarBusy = true;
    emit SheetEnabled(false);

    auto* thread = new TMyThread2(Request, this);
    thread->LocationIndex = Request.Location;
    thread->Product = Request.Product;
    thread->Animate = Request.Animate;
    thread->Site = Request.Site;
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    worker_ = thread;
    thread->start();
    // The program's shut-down stops it with the other workers.
    RegisterWorker(thread);
    return true;
}

bool TRadarState::StopRadar(int TimeoutMs) {
    if (!worker_) return true;
    worker_->requestInterruption();
    return worker_->wait(TimeoutMs);
}

void TRadarState::DetachWorker() {
    // Steps still queued by a worker that outlives the state find no state to change.
    if (worker_) worker_->state_ = nullptr;
}

TRadarTimeLine TRadarState::ShowRadarTime(int Frame, const QString& Prefix, bool Show,
                                          std::int32_t Color) const {
    return RadarTimeLine(Frame, Prefix, Show, Color, RadarFileList, LastRadarDownloadTime,
                         Platform().Clock->Now(), request_.UseMilitaryTime);
}

void TRadarState::PrepRadar(int Location) {
    RadarFrameListsReady = false;
    RadarFramesReady = false;
    RadarLoopStarted = false;
    RadarLayerImages = TRadarLayers{};
    RadarWarningFlags = TRadarWarningFlags{};
    RadarFileList.clear();
    WarningFileList.clear();
    LegendFileList.clear();
    emit Preparing(Location);
    emit WarningLabelsChanged({});
    TRadarTimeLine loading;
    loading.Visible = true;
    loading.Color = RadarTimeRed;
    loading.SetText = true;
    loading.Text = QStringLiteral("Loading Radar  ") + RadarLocationName(Location);
    emit TimeLineChanged(loading);
    emit FrameNumberChanged(QString());
    emit LonLatTextsChanged(LocationTexts(Location, request_.ProductIndex));
}

void TRadarState::SetMaxImagesPosition(int Count) {
    SetRadarFrameCount(Count);
    emit MaxImagesChanged(radarFrameCount_);
}

void TRadarState::SetFileLists(const QStringList& Radar, const QStringList& Warnings,
                               const QStringList& Legends, bool ListsReady) {
    RadarFileList = Radar;
    WarningFileList = Warnings;
    LegendFileList = Legends;
    RadarFrameListsReady = ListsReady;
}

void TRadarState::ClearAnimation() {
    RadarAnimation.clear();
    RadarAnimationReady = false;
}

void TRadarState::ShowLoadingFrame(int Frame) {
    emit FrameNumberChanged(FrameNumberText(Frame));
    emit TimeLineChanged(ShowRadarTime(Frame, LoadingFramePrefix(Frame), true, RadarTimeRed));
}

void TRadarState::ShowFrame(int Frame, const TRadarLayers& Layers) {
    if (Frame < 0 || Frame >= RadarFrameSlots) return;
    RadarLayerImages = Layers;
    const TComposedFrame composed =
        ComposeRadarFrame(Layers, request_, Frame + 1 == radarFrameCount_);
    // Warning flags are only ever set here; the next request clears them.
    RadarWarningFlags.Tornado |= composed.Warnings.Tornado;
    RadarWarningFlags.Severe |= composed.Warnings.Severe;
    RadarWarningFlags.Flood |= composed.Warnings.Flood;
    RadarWarningFlags.Marine |= composed.Warnings.Marine;
    RadarFrames[std::size_t(Frame)] = composed.Picture;
    if (request_.Animate) RadarAnimation.append(composed.Picture);
    emit FrameShown(Frame, composed.Picture);
}

void TRadarState::ShowSiteTime() {
    LastRadarDownloadTime = Platform().Clock->Now();
    if (request_.Animate && RadarAnimation.size() > 1) RadarAnimationReady = true;
    emit TimeLineChanged(ShowRadarTime(radarFrameCount_ - 1,
                                       RadarLocationName(request_.Location) + QStringLiteral("   "),
                                       true, RadarTimeBlack));
}

void TRadarState::ShowWarningLabels() {
    if (request_.Layers.WantsWarnings() && RadarWarningFlags.Any())
        emit WarningLabelsChanged(WarningLabels(RadarWarningFlags));
}

void TRadarState::EnableAnimation() {
    RadarFramesReady = true;
    RadarLoopStarted = true;
    emit AnimationStarted();
}

void TRadarState::ShowWarningsIfChecked() {
    if (request_.Layers.WarningsText) emit ShowWarningsRequested();
}

void TRadarState::FinishRadarView() {
    RadarFramePos = 0;
    emit ViewFinished();
}

void TRadarState::EnableRadarSheet() {
    RadarBusy = false;
    emit SheetEnabled(true);
    emit Finished();
}

}  // namespace orbelune
