#pragma once
// The worker of one single-site radar request. It downloads the site's overlays, reads
// the listings of radar frames, legends and warnings, fetches the newest frames layer
// by layer and hands each frame's layers to the user-interface thread, where
// TRadarState composes and keeps it. The worker itself only downloads and decodes: every
// change of the radar state is a step queued to the user-interface thread, in order.
//
// Every transfer is an HTTPS GET through the one download helper, with the request's
// proxy, time-out and size caps. A refused connection is reported once per request, and
// the request's first problem is handed back at its end. The worker gives up between
// transfers when it is asked to stop (the user's "Cancel", shut-down) or when the
// request has used its time budget; the download in progress stops within a tenth of a
// second. An image far beyond a site's map is refused before it is decoded.

#include "ImageryProblem.h"
#include "RadarCompose.h"
#include "RadarRequest.h"

#include <QDeadlineTimer>
#include <QString>
#include <QStringList>
#include <QThread>

namespace orbelune {

class TRadarState;

class TMyThread2 final : public QThread {
    Q_OBJECT
public:
    int LocationIndex = -1;
    QString Product;
    QString Site;
    bool Animate = false;

    // Started by TRadarState::GetRadar, which fills the four request fields.
    TMyThread2(const TRadarRequest& Request, TRadarState* State);

protected:
    void run() override;

private:
    friend class TRadarState;

    bool GetImageFileList(const QString& Directory, const QString& Prefix, QStringList& List,
                          const QString& Filter);
    bool GetGifImage(const QString& Path, QImage& Image);
    bool GetJpegImage(const QString& Path, QImage& Image);
    bool GetImage(const QString& Path, bool Gif, QImage& Image);
    // Either image kind with the one second try a failed image gets.
    bool GetLayer(TRadarLayer Layer, const QString& Path);
    bool LoadOverlays(const QString& ProductCode, const QString& SiteCode);
    void LoadRadar(int Location, const QString& ProductCode, bool AnimateFrames,
                   const QString& SiteCode);

    TDownloadResult Fetch(const QString& Path, qint64 MaxBytes);
    bool Stopping() const;
    // Keeps the request's first problem, the one its time line tells.
    void Note(const TImageryProblem& Problem);
    void ReportConnectionRefused();
    // Queues Step (a call on the state) to the user-interface thread.
    template <typename TStep>
    void Synchronize(TStep Step);

    const TRadarRequest request_;
    TRadarLayers layers_;
    QDeadlineTimer budget_;
    bool refusedReported_ = false;
    TImageryProblem problem_;
    // Read and cleared on the user-interface thread only (the steps run there).
    TRadarState* state_;
};

}  // namespace orbelune
