#pragma once
// The satellite images of the program: a still image or a loop of up to ten frames,
// fetched on the user-interface thread (the event loop keeps turning while a download
// waits; Busy is set meanwhile and a second request is refused), shown as they arrive,
// then stepped by the animation timer. The Satellite tab connects to the signals;
// nothing here touches a widget.
//
// The picture on screen, its loop and what describes it (ShownRegion, ShownType, the
// time of its download) stay until a request's first image arrives: a request that
// brings nothing, or is cancelled first, leaves them as they were. A request has one
// time bound for all its transfers, can be cancelled, and its pictures decoded may take
// no more than its limit; the last-download line then says how it ended.

#include "ImageDownloads.h"
#include "SatelliteRequest.h"
#include "StDate.h"

#include <QDeadlineTimer>
#include <QImage>
#include <QObject>
#include <QStringList>

#include <array>
#include <atomic>

namespace orbelune {

class TSatelliteState final : public QObject {
    Q_OBJECT
public:
    explicit TSatelliteState(QObject* Parent = nullptr);

    // The still image of Request.Code, or the loop's frames when Request.Animate. Returns
    // when done: true when the still or at least one frame arrived; only then is the
    // time of the last download stamped. A refused connection is announced and ends the
    // request.
    bool GetSatellite(const TSatelliteRequest& Request);
    // Fetches List's frames (at most ten) into the frame slots, showing each as it
    // arrives; then, when any arrived and Request.Repeat, starts the loop. A frame that
    // fails keeps its slot empty; the request's time, a cancel or a frame past the
    // memory left ends the loop early. False when the server refused the connection.
    bool ShowSatAnimJpg(const QStringList& List, const TSatelliteRequest& Request);
    // The frame names the server lists for a hurricane loop (one per line), sorted, as
    // addresses in the loop's folder; lines that are not plain file names are skipped.
    // True when at least one name was found; List is left alone otherwise.
    bool LoadJPGList(const TSatelliteRequest& Request, QStringList& List);
    // The user's "Cancel": the download in progress stops within a tenth of a second.
    void CancelSatellite() { cancel_ = true; }

    // One tick of the loop: shows the next loaded frame while the loop runs, its frames
    // are loaded and Repeat is on.
    void AnimationTick(bool Repeat);
    // Leaving the tab pauses the loop, entering it resumes a loaded one.
    void SatelliteSheetEnter() { SatelliteLoopRunning = SatelliteLoopLoaded; }
    void SatelliteSheetExit() { SatelliteLoopRunning = false; }

    bool Busy() const { return busy_; }

    TSatelliteLimits Limits;  // of the requests the tab makes
    std::array<QImage, SatelliteFrameSlots> SatelliteFrames;
    std::array<bool, SatelliteFrameSlots> SatelliteFrameLoaded{};
    QImage StillImage;
    int SatelliteFrameCount = 0;
    int SatelliteFramePos = 1;  // 1-based
    bool SatelliteLoopLoaded = false;
    bool SatelliteLoopRunning = false;
    bool SatelliteImageShown = false;
    TDateTime LastSatelliteDownloadTime = 0;  // local
    int ShownRegion = -1;                     // of the picture on screen
    int ShownType = SatInfrared;

signals:
    // A request begins (true) or has ended (false): the tab is disabled meanwhile, but
    // for its "Cancel".
    void BusyChanged(bool Busy);
    // Show Picture (the still or a frame) on the still screen.
    void ImageShown(const QImage& Picture);
    void FrameNumberChanged(const QString& Text);
    // The time of the shown picture's download, below how the request ended when that
    // went wrong.
    void LastDownloadChanged(const QString& Text);
    // The loop's frames have arrived: run the animation timer.
    void LoopStarted();
    void ConnectionRefused();

private:
    TDownloadOptions Options(const TSatelliteRequest& Request, qint64 MaxBytes) const;
    void ReportRefused();
    // The request's first image arrived: the last picture and its loop give way.
    void TakeUpRequest();
    bool Stopping() const { return cancel_ || budget_.hasExpired(); }
    // The line under the picture when the request ended: Arrived tells whether it
    // brought a picture.
    QString EndedLine(bool Arrived) const;

    bool busy_ = false;
    TSatelliteRequest request_;  // the running request
    QDeadlineTimer budget_;
    std::atomic<bool> cancel_ = false;
    bool requestShown_ = false;  // an image of the running request arrived
    bool stopped_ = false;       // the running request stopped before its end
    TImageryProblem problem_;    // its first problem
};

// "12 09 2026  14:05 GMT = 9:05 AM EST": a local time of a download in Universal Time
// and in local time ("hh:mm" with the 24-hour clock) with the zone's name.
QString LastSatelliteText(TDateTime Local, bool UseMilitaryTime);

}  // namespace orbelune
