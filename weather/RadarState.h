#pragma once
// The radar state of the program: the composed frames, the last frame's layers, the
// animation, the frame lists, the warning flags and the flags the animation timer and
// the radar map read (busy, lists ready, frames ready, loop started). It lives on the
// user-interface thread; single-site requests run on a TMyThread2 whose steps arrive
// here in order. The Radar tab connects to the signals and applies them to its widgets;
// nothing here touches a widget.

#include "RadarCompose.h"
#include "RadarMap.h"
#include "RadarRequest.h"
#include "RadarTimeLine.h"
#include "RadarWarnings.h"

#include <QImage>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <array>

namespace orbelune {

class TMyThread2;

class TRadarState final : public QObject {
    Q_OBJECT
public:
    explicit TRadarState(QObject* Parent = nullptr);
    ~TRadarState() override;

    // Starts a single-site request and returns at once; false (and nothing started)
    // while another request runs or when the location is not a site. RadarBusy is set
    // from here until Finished.
    bool GetRadar(const TRadarRequest& Request);
    // Asks a running request to stop and waits up to TimeoutMs; true when none runs.
    bool StopRadar(int TimeoutMs);

    // The time line of frame Frame (the clock's refresh and the display call it too).
    TRadarTimeLine ShowRadarTime(int Frame, const QString& Prefix, bool Show,
                                 std::int32_t Color) const;

    int RadarFrameCount() const { return radarFrameCount_; }
    // Clamped to 1..30, as every count from the settings or the spin box.
    void SetRadarFrameCount(int Count) { radarFrameCount_ = ClampRadarFrameCount(Count); }

    bool RadarBusy = false;
    bool RadarFrameListsReady = false;
    bool RadarFramesReady = false;
    bool RadarLoopStarted = false;
    int RadarFramePos = 0;
    long double RadarZoomFactor = 1.0L;
    TDateTime LastRadarDownloadTime = 0;  // local
    TRadarWarningFlags RadarWarningFlags;
    TRadarLayers RadarLayerImages;  // the layers of the last composed frame
    std::array<QImage, RadarFrameSlots> RadarFrames;
    QList<QImage> RadarAnimation;  // composed frames, written with WriteAnimatedGif
    bool RadarAnimationReady = false;
    QStringList RadarFileList;
    QStringList WarningFileList;
    QStringList LegendFileList;

signals:
    // The Radar tab sheet is disabled while a request runs.
    void SheetEnabled(bool Enabled);
    // A request for Location begins: set the controls and the image size for it.
    void Preparing(int Location);
    // The site name and position labels (the location's centre as a request begins).
    void LonLatTextsChanged(const TLonLatTexts& Texts);
    // The frame count in use: the frame count spin box and the state frame setting.
    void MaxImagesChanged(int Count);
    void TimeLineChanged(const TRadarTimeLine& Line);
    void FrameNumberChanged(const QString& Text);
    // Frame Frame was composed: show it.
    void FrameShown(int Frame, const QImage& Picture);
    void WarningLabelsChanged(const std::array<TWarningLabel, WarningLabelCount>& Labels);
    // Show every warning label that holds text.
    void ShowWarningsRequested();
    // The frames are ready: run the animation timer.
    void AnimationStarted();
    // The request is over: show the position labels; when zoomed, scroll the map a
    // quarter of its size.
    void ViewFinished();
    void ConnectionRefused();
    // The request has ended and RadarBusy is clear.
    void Finished();

private:
    friend class TMyThread2;

    // The steps of a request, in the order the worker queues them.
    void PrepRadar(int Location);
    void SetMaxImagesPosition(int Count);
    void SetFileLists(const QStringList& Radar, const QStringList& Warnings,
                      const QStringList& Legends, bool ListsReady);
    void ClearAnimation();
    void ShowLoadingFrame(int Frame);
    void ShowFrame(int Frame, const TRadarLayers& Layers);
    void ShowSiteTime();
    void ShowWarningLabels();
    void EnableAnimation();
    void ShowWarningsIfChecked();
    void FinishRadarView();
    void EnableRadarSheet();

    void DetachWorker();

    int radarFrameCount_ = 1;
    TRadarRequest request_;  // of the running or last request
    QPointer<TMyThread2> worker_;
};

}  // namespace orbelune
