#pragma once
// The radar state of the program: the composed frames, the last frame's layers, the
// animation, the frame lists, the warning flags and the flags the animation timer and
// the radar map read (busy, lists ready, frames ready, loop started), and the loop's
// position. It lives on the user-interface thread; single-site requests run on a
// TMyThread2 whose steps arrive here in order, mosaics are fetched here while the event
// loop keeps turning (RadarBusy set meanwhile). The Radar tab connects to the signals
// and applies them to its widgets; nothing here touches a widget.
//
// The picture on screen, and everything that describes it (ShownView, the frame lists,
// the download time), stays until a request shows its first frame: a request that
// brings nothing, or is cancelled first, leaves the last good picture where it was.
// The time line then says how the request ended, above the picture's own line.

#include "ImageryProblem.h"
#include "RadarCompose.h"
#include "RadarMap.h"
#include "RadarMosaic.h"
#include "RadarRequest.h"
#include "RadarTimeLine.h"
#include "RadarWarnings.h"

#include <QImage>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <array>
#include <atomic>

namespace orbelune {

class TMyThread2;

// What the map on screen was made for: its location, product and zoom.
struct TRadarView {
    int Location = -1;
    int Product = 1;
    long double Zoom = 1.0L;
};

class TRadarState final : public QObject {
    Q_OBJECT
public:
    explicit TRadarState(QObject* Parent = nullptr);
    ~TRadarState() override;

    // Starts a single-site request and returns at once; false (and nothing started)
    // while another request runs or when the location is not a site. RadarBusy is set
    // from here until Finished.
    bool GetRadar(const TRadarRequest& Request);
    // Fetches a mosaic (location 0..13) and shows it, a loop when Request.Animate and the
    // GIF has more than one frame; returns when done, true when an image was shown. The
    // large national map (location 1) is never zoomed. False at once while another
    // request runs.
    bool NewGetRadarNational(const TRadarRequest& Request);
    // The user's "Cancel": the running request stops within a tenth of a second (a
    // frame being composed is finished first) and the time line says it was cancelled.
    void CancelRadar();
    // Asks a running request to stop and waits up to TimeoutMs; true when none runs.
    bool StopRadar(int TimeoutMs);

    // The time line of frame Frame (the clock's refresh and the display call it too).
    TRadarTimeLine ShowRadarTime(int Frame, const QString& Prefix, bool Show,
                                 std::int32_t Color) const;
    // The line of the picture on screen, frame Frame: its location and time, below how
    // the last request ended when that went wrong; or, before any picture, that there
    // is none.
    TRadarTimeLine ShownTimeLine(int Frame) const;
    // Whether a request has brought a picture (the black map before it is none).
    bool HasPicture() const { return LastRadarDownloadTime != 0; }

    int RadarFrameCount() const { return radarFrameCount_; }
    // Clamped to 1..30, as every count from the settings or the spin box.
    void SetRadarFrameCount(int Count) { radarFrameCount_ = ClampRadarFrameCount(Count); }
    // The frames the next request asks for, clamped to 1..30.
    int RadarMaxImages() const { return radarMaxImages_; }
    void SetRadarMaxImages(int Count) { radarMaxImages_ = ClampRadarFrameCount(Count); }

    // Shows stored frame Frame with its time line and number, while the frames are ready.
    void ShowRadarImage(int Frame);
    // One tick of the loop animation: shows the frame at RadarFramePos and steps it (LOOP
    // or ROCK), unless a request runs or no loop is started. On the last frame the warning
    // labels are shown when WarningsText, on the others hidden.
    void AnimationTick(bool Loop, bool WarningsText);
    // Whether the loop animation has frames to show.
    bool LoopRunning() const { return RadarLoopStarted && RadarFramesReady && !RadarBusy; }
    // Clears the loaded flags of every layer.
    void InitImageFiles();

    TRadarView ShownView;
    TRadarLimits Limits;  // of the requests the tab makes
    bool RadarBusy = false;
    bool RadarFrameListsReady = false;
    bool RadarFramesReady = false;
    bool RadarLoopStarted = false;
    int RadarFramePos = 0;
    bool RadarRockForward = true;  // the ROCK mode's direction
    bool RadarManualStep = false;  // the frames are stepped by hand (FWD, REV)
    long double RadarZoomFactor = 1.0L;
    TDateTime LastRadarDownloadTime = 0;  // local
    TRadarWarningFlags RadarWarningFlags;
    TRadarLayers RadarLayerImages;  // the layers of the last composed frame
    std::array<QImage, RadarFrameSlots> RadarFrames;
    // Composed frames of a site, written with WriteAnimatedGif; a mosaic's own frames.
    QList<QImage> RadarAnimation;
    bool RadarAnimationReady = false;
    QStringList RadarFileList;
    QStringList WarningFileList;
    QStringList LegendFileList;

signals:
    // The Radar tab sheet is disabled while a request runs, but for its "Cancel".
    void SheetEnabled(bool Enabled);
    // A request's first frame is about to be shown for Location: set the controls and
    // the image size for it.
    void Preparing(int Location);
    // The site name and position labels (the location's centre as its picture arrives).
    void LonLatTextsChanged(const TLonLatTexts& Texts);
    // The frame count in use: the frame count spin box and the state frame setting.
    void MaxImagesChanged(int Count);
    void TimeLineChanged(const TRadarTimeLine& Line);
    void FrameNumberChanged(const QString& Text);
    // Frame Frame was composed, or is shown again: show it.
    void FrameShown(int Frame, const QImage& Picture);
    void WarningLabelsChanged(const std::array<TWarningLabel, WarningLabelCount>& Labels);
    // Show every warning label that holds text.
    void ShowWarningsRequested();
    // Hide the warning labels, keeping their texts.
    void WarningLabelsHidden();
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
    void ShowLoadingFrame(int Frame);
    void ShowRadarFrame(int Frame, const TRadarLayers& Layers);
    void ShowSiteTime();
    void ShowWarningLabels();
    void EnableAnimation();
    void ShowWarningsIfChecked();
    void FinishRadarView();
    // The last step: how the request ended (its first problem; Stopped when it was
    // stopped before its end), told in the time line.
    void EnableRadarSheet(const TImageryProblem& Problem, bool Stopped);

    // A request begins: busy, nothing said yet about how it ends.
    void BeginRequest(const TRadarRequest& Request);
    // The request's first frame is shown: the last picture and all that describes it
    // give way to the request's.
    void TakeUpRequest();
    // The still image or the first frames of a mosaic GIF.
    void ShowMosaic(const TGifFrames& Gif, const TRadarRequest& Request);
    // One GIF from the radar server, fetched on this thread.
    TImageryProblem NewGetGIF(const QString& Host, const QString& Path,
                              const TRadarRequest& Request, QByteArray& Gif);
    void DetachWorker();

    int radarFrameCount_ = 1;
    int radarMaxImages_ = 10;
    TRadarRequest request_;  // of the running or last request
    // The running request's frame lists and count, taken up with its first frame.
    QStringList requestRadarFiles_, requestWarningFiles_, requestLegendFiles_;
    bool requestListsReady_ = false;
    int requestFrameCount_ = 1;
    bool requestShown_ = false;  // the running request has shown a frame
    QString endNote_;            // how the last request went wrong, above the time line
    std::atomic<bool> cancel_ = false;
    QPointer<TMyThread2> worker_;
};

// "No radar for NY - New York City: the server refused the connection.": the first line
// of the time line after a request for Location that showed nothing, or (CutShort) one
// whose loop stopped before its end.
QString RadarEndNote(int Location, const TImageryProblem& Problem, bool CutShort);

}  // namespace orbelune
