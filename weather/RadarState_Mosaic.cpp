// The national and regional mosaics: one GIF from the radar server, fetched on the
// user-interface thread while its event loop keeps turning, shown still or as a loop.
#include "RadarState.h"

#include "PlatformSeams.h"
#include "RadarSites.h"
#include "WeatherService.h"
#include "WeatherState.h"

#include <algorithm>

namespace orbelune {

namespace {

constexpr int LargeNationalMap = 1;

}  // namespace

bool TRadarState::NewGetRadarNational(const TRadarRequest& Request) {
    if (RadarBusy || !IsRadarLocation(Request.Location) || IsRadarSite(Request.Location))
        return false;
    TRadarRequest r = Request;
    // The mouse handlers and the animation keep away until the end, and the tab is
    // disabled but for its "Cancel", since events are handled while the download waits.
    if (r.Location == LargeNationalMap) RadarZoomFactor = r.Zoom = 1.0L;
    BeginRequest(r);
    PrepRadar(r.Location);

    QByteArray body;
    TImageryProblem problem = NewGetGIF(r.Server, MosaicPath(r.Location, r.Animate), r, body);
    if (!problem.Any()) {
        // Only the frames wanted, and only what the map's size and the memory allow.
        const TMosaicPlan plan = PlanMosaic(body, r.Location, r.Animate ? r.MaxImages : 1, r.Zoom,
                                            r.Limits.PictureMaxBytes);
        problem = plan.Problem;
        if (plan.Frames > 0) {
            if (const std::optional<TGifFrames> gif = ReadGifFrames(body, plan.Frames))
                ShowMosaic(*gif, r);
            else
                problem.Kind = TImageryProblem::TKind::NotAPicture;
        }
    }
    const bool shown = requestShown_;
    FinishRadarView();
    EnableRadarSheet(problem, false);
    // Told once the tab is usable again: the message may wait for the user.
    if (problem.Kind == TImageryProblem::TKind::Refused) {
        WeatherState.ConnectionRefusedFlag = true;
        emit ConnectionRefused();
    }
    return shown;
}

TImageryProblem TRadarState::NewGetGIF(const QString& Host, const QString& Path,
                                       const TRadarRequest& Request, QByteArray& Gif) {
    TDownloadOptions options;
    options.Proxy = ProxyFromRule(Request.Proxy);
    options.TimeoutMs = Request.Limits.TimeoutMs;
    options.MaxBytes = Request.Limits.MosaicMaxBytes;
    options.OnStatus = [](const QString& Text) { WeatherService().ShowStatus(Text); };
    options.Cancel = &cancel_;
    WeatherState.ConnectionRefusedFlag = false;
    const TDownloadResult reply = Download(QUrl(QStringLiteral("https://") + Host + Path), options);
    Gif = reply.Body;
    return ProblemOf(reply);
}

void TRadarState::ShowMosaic(const TGifFrames& Gif, const TRadarRequest& Request) {
    const bool loop = Request.Animate && Gif.FrameCount > 1 && Gif.Frames.size() > 1;
    if (loop) SetMaxImagesPosition(std::clamp(Request.MaxImages, 1, int(Gif.Frames.size())));
    TakeUpRequest();
    RadarAnimation = Gif.Frames;
    RadarAnimationReady = true;
    const auto compose = [&](int Frame) {
        return ComposeMosaicFrame(Gif.Frames[Frame], Request.Location, Request.Zoom,
                                  Request.ShowSites, Request.Home);
    };
    if (loop) {
        for (int i = 0; i < radarFrameCount_; ++i) {
            TRadarTimeLine loading;
            loading.Visible = true;
            loading.Color = RadarTimeRed;
            loading.SetText = true;
            loading.Text = QStringLiteral("Loading ") + QString::number(i + 1);
            emit TimeLineChanged(loading);
            RadarFrames[std::size_t(i)] = compose(i);
            emit FrameShown(i, RadarFrames[std::size_t(i)]);
        }
        RadarFramePos = 0;
        EnableAnimation();
    } else {
        RadarFrames[0] = compose(0);
        emit FrameShown(0, RadarFrames[0]);
    }
    LastRadarDownloadTime = Platform().Clock->Now();
    emit TimeLineChanged(ShownTimeLine(radarFrameCount_ - 1));
    RadarFrameListsReady = true;
}

}  // namespace orbelune
