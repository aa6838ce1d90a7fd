#include "RadarState.h"

#include "AnimationSteps.h"
#include "GlobalObjects.h"
#include "PlatformSeams.h"
#include "RadarSites.h"
#include "RadarThread.h"

namespace orbelune {

namespace {

// How long the state's end waits for a running request that was asked to stop.
constexpr int StopOnDestroyMs = 3000;

const QString NoPictureYet = QStringLiteral("No radar picture has arrived yet.");

}  // namespace

QString RadarEndNote(int Location, const TImageryProblem& Problem, bool CutShort) {
    // A request that failed without a problem of its own asked for no layer at all.
    const QString reason =
        Problem.Any() ? ProblemText(Problem) : QStringLiteral("no layer was asked for");
    if (CutShort) return QStringLiteral("Radar loop cut short: ") + reason + u'.';
    return QStringLiteral("No radar for ") + RadarLocationName(Location).trimmed() +
           QStringLiteral(": ") + reason + u'.';
}

TRadarState::TRadarState(QObject* Parent) : QObject(Parent) {
    setObjectName(QStringLiteral("RadarState"));
}

TRadarState::~TRadarState() {
    StopRadar(StopOnDestroyMs);
    DetachWorker();
}

void TRadarState::BeginRequest(const TRadarRequest& Request) {
    request_ = Request;
    RadarBusy = true;
    requestShown_ = false;
    requestRadarFiles_.clear();
    requestWarningFiles_.clear();
    requestLegendFiles_.clear();
    requestListsReady_ = false;
    requestFrameCount_ = 1;
    cancel_ = false;
    endNote_.clear();
    emit SheetEnabled(false);
}

bool TRadarState::GetRadar(const TRadarRequest& Request) {
    if (RadarBusy || !IsRadarSite(Request.Location)) return false;
    BeginRequest(Request);

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

void TRadarState::CancelRadar() {
    if (!RadarBusy) return;
    cancel_ = true;
    if (worker_) worker_->requestInterruption();
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

TRadarTimeLine TRadarState::ShownTimeLine(int Frame) const {
    TRadarTimeLine line;
    if (HasPicture()) {
        line = ShowRadarTime(Frame, RadarLocationName(ShownView.Location) + QStringLiteral("   "),
                             true, RadarTimeBlack);
    } else {
        line.Visible = line.SetText = true;
        line.Text = NoPictureYet;
    }
    if (!endNote_.isEmpty()) {
        line.Text = endNote_ + u'\n' + line.Text;
        line.Color = RadarTimeRed;
    }
    return line;
}

void TRadarState::InitImageFiles() {
    RadarLayerImages.Loaded.fill(false);
    RadarAnimationReady = false;
}

void TRadarState::PrepRadar(int Location) {
    // The loop and the map's mouse keep away until the end (RadarBusy); the picture on
    // screen stays until the request has one of its own.
    RadarLoopStarted = false;
    TRadarTimeLine loading;
    loading.Visible = true;
    loading.Color = RadarTimeRed;
    loading.SetText = true;
    loading.Text = QStringLiteral("Loading Radar  ") + RadarLocationName(Location);
    emit TimeLineChanged(loading);
}

void TRadarState::TakeUpRequest() {
    if (requestShown_) return;
    requestShown_ = true;
    RadarFrameListsReady = RadarFramesReady = RadarLoopStarted = false;
    InitImageFiles();
    // Frames of the last request are not shown for this one.
    for (QImage& frame : RadarFrames) frame = QImage();
    RadarAnimation.clear();
    RadarWarningFlags = TRadarWarningFlags{};
    RadarFileList = requestRadarFiles_;
    WarningFileList = requestWarningFiles_;
    LegendFileList = requestLegendFiles_;
    RadarFrameListsReady = requestListsReady_;
    SetRadarFrameCount(requestFrameCount_);
    ShownView = {request_.Location, request_.ProductIndex, request_.Zoom};
    emit Preparing(request_.Location);
    emit WarningLabelsChanged({});
    emit FrameNumberChanged(QString());
    emit LonLatTextsChanged(LocationTexts(request_.Location, request_.ProductIndex));
}

void TRadarState::SetMaxImagesPosition(int Count) {
    requestFrameCount_ = ClampRadarFrameCount(Count);
    emit MaxImagesChanged(requestFrameCount_);
}

void TRadarState::SetFileLists(const QStringList& Radar, const QStringList& Warnings,
                               const QStringList& Legends, bool ListsReady) {
    requestRadarFiles_ = Radar;
    requestWarningFiles_ = Warnings;
    requestLegendFiles_ = Legends;
    requestListsReady_ = ListsReady;
}

void TRadarState::ShowLoadingFrame(int Frame) {
    emit FrameNumberChanged(FrameNumberText(Frame));
    emit TimeLineChanged(RadarTimeLine(Frame, LoadingFramePrefix(Frame), true, RadarTimeRed,
                                       requestRadarFiles_, LastRadarDownloadTime,
                                       Platform().Clock->Now(), request_.UseMilitaryTime));
}

void TRadarState::ShowRadarFrame(int Frame, const TRadarLayers& Layers) {
    if (Frame < 0 || Frame >= RadarFrameSlots) return;
    TakeUpRequest();
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
    emit TimeLineChanged(ShownTimeLine(radarFrameCount_ - 1));
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
    if (!requestShown_) return;
    RadarFramePos = 0;
    emit ViewFinished();
}

void TRadarState::ShowRadarImage(int Frame) {
    if (!RadarFramesReady || Frame < 0 || Frame >= RadarFrameSlots ||
        RadarFrames[std::size_t(Frame)].isNull())
        return;
    emit FrameShown(Frame, RadarFrames[std::size_t(Frame)]);
    emit TimeLineChanged(ShownTimeLine(Frame));
    emit FrameNumberChanged(FrameNumberText(Frame));
}

void TRadarState::AnimationTick(bool Loop, bool WarningsText) {
    if (!LoopRunning()) return;
    const int frame = RadarLoopStep(RadarFramePos, RadarRockForward, radarFrameCount_, Loop);
    if (frame < 0 || RadarFrames[std::size_t(frame)].isNull()) return;
    emit FrameShown(frame, RadarFrames[std::size_t(frame)]);
    emit FrameNumberChanged(FrameNumberText(frame));
    if (frame + 1 != radarFrameCount_)
        emit WarningLabelsHidden();
    else if (WarningsText)
        emit ShowWarningsRequested();
}

void TRadarState::EnableRadarSheet(const TImageryProblem& Problem, bool Stopped) {
    RadarBusy = false;
    TImageryProblem problem = Problem;
    if (cancel_) problem = {TImageryProblem::TKind::Cancelled, QString()};
    const bool cutShort = requestShown_ && (Stopped || cancel_);
    if (!requestShown_ || cutShort) {
        endNote_ = RadarEndNote(request_.Location, problem, cutShort);
        emit TimeLineChanged(ShownTimeLine(radarFrameCount_ - 1));
    }
    if (!requestShown_ && RadarFramesReady) {
        // The last good loop goes on.
        RadarLoopStarted = true;
        emit AnimationStarted();
    }
    emit SheetEnabled(true);
    emit Finished();
}

}  // namespace orbelune
