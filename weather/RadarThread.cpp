#include "RadarThread.h"

#include "ImageDownloads.h"
#include "RadarListing.h"
#include "RadarState.h"
#include "WeatherState.h"

#include <QMetaObject>

#include <algorithm>

namespace orbelune {

TMyThread2::TMyThread2(const TRadarRequest& Request, TRadarState* State)
    : request_(Request), state_(State) {}

template <typename TStep>
void TMyThread2::Synchronize(TStep Step) {
    // The thread object lives on the user-interface thread, so the step runs there, after
    // every step queued before it; state_ is read there too.
    QMetaObject::invokeMethod(
        this,
        [this, Step = std::move(Step)] {
            if (state_) Step(*state_);
        },
        Qt::QueuedConnection);
}

void TMyThread2::run() {
    budget_ = QDeadlineTimer(request_.Limits.RequestBudgetMs);
    try {
        LoadRadar(LocationIndex, Product, Animate, Site);
    } catch (...) {
        // A failure inside the worker must not end the program; the request just ends.
    }
    const bool stopped = Stopping();
    if (stopped && !isInterruptionRequested()) Note({TImageryProblem::TKind::OutOfTime, QString()});
    Synchronize(
        [problem = problem_, stopped](TRadarState& s) { s.EnableRadarSheet(problem, stopped); });
}

bool TMyThread2::Stopping() const {
    return isInterruptionRequested() || budget_.hasExpired();
}

void TMyThread2::Note(const TImageryProblem& Problem) {
    if (!problem_.Any()) problem_ = Problem;
}

TDownloadResult TMyThread2::Fetch(const QString& Path, qint64 MaxBytes) {
    if (Stopping()) {
        TDownloadResult skipped;
        skipped.Error = TDownloadError::Cancelled;
        return skipped;
    }
    TDownloadOptions options;
    options.Proxy = ProxyFromRule(request_.Proxy);
    options.TimeoutMs = int(
        std::min<qint64>(request_.Limits.TimeoutMs, std::max<qint64>(1, budget_.remainingTime())));
    options.MaxBytes = MaxBytes;
    const TDownloadResult reply =
        Download(QUrl(QStringLiteral("https://") + request_.Server + Path), options);
    // A transfer given up because the request stops is no problem of the server's.
    if (reply.Error != TDownloadError::Cancelled) Note(ProblemOf(reply));
    return reply;
}

void TMyThread2::ReportConnectionRefused() {
    if (refusedReported_) return;
    refusedReported_ = true;
    Synchronize([](TRadarState& s) { emit s.ConnectionRefused(); });
}

bool TMyThread2::GetImageFileList(const QString& Directory, const QString& Prefix,
                                  QStringList& List, const QString& Filter) {
    WeatherState.ConnectionRefusedFlag = false;
    const TDownloadResult reply = Fetch(Directory, request_.Limits.ListingMaxBytes);
    if (reply.Error == TDownloadError::Refused) {
        WeatherState.ConnectionRefusedFlag = true;
        ReportConnectionRefused();
        return false;
    }
    if (!reply.Ok()) return false;
    const std::optional<QStringList> names =
        ListingNames(reply.Body, Prefix, Filter, ClampRadarFrameCount(request_.MaxImages));
    if (!names) {
        Note({TImageryProblem::TKind::NoFrames, QString()});
        return false;
    }
    List = *names;
    return true;
}

bool TMyThread2::GetGifImage(const QString& Path, QImage& Image) {
    return GetImage(Path, true, Image);
}

bool TMyThread2::GetJpegImage(const QString& Path, QImage& Image) {
    return GetImage(Path, false, Image);
}

bool TMyThread2::GetImage(const QString& Path, bool Gif, QImage& Image) {
    const TDownloadResult reply = Fetch(Path, request_.Limits.ImageMaxBytes);
    if (!reply.Ok()) return false;
    // Every layer of a site is drawn at the site's map size.
    const TMapSize map = GetMapSize(request_.Location);
    const TImageryProblem problem =
        DecodeImage(reply.Body, Gif, Image,
                    {QSize(2 * map.Width, 2 * map.Height), request_.Limits.PictureMaxBytes});
    Note(problem);
    return !problem.Any();
}

bool TMyThread2::GetLayer(TRadarLayer Layer, const QString& Path) {
    QImage& image = layers_.Image(Layer);
    const auto once = [&] {
        return Layer == TRadarLayer::Topo ? GetJpegImage(Path, image) : GetGifImage(Path, image);
    };
    const bool loaded = once() || (!Stopping() && once());
    layers_.IsLoaded(Layer) = loaded;
    return loaded;
}

bool TMyThread2::LoadOverlays(const QString& ProductCode, const QString& SiteCode) {
    const QString size = RadarSizeWord(ProductCode);
    const TRadarLayerChoice& wanted = request_.Layers;
    const std::pair<TRadarLayer, bool> overlays[] = {
        {TRadarLayer::Topo, wanted.Topo},
        {TRadarLayer::Counties, wanted.Counties},
        {TRadarLayer::Rivers, wanted.Rivers},
        {TRadarLayer::Highways, wanted.Highways},
        {TRadarLayer::Cities, wanted.Cities},
        // Range rings exist for the short-range images only.
        {TRadarLayer::RangeRings, wanted.RangeRings && size == QLatin1String("Short")},
    };
    bool any = false;
    for (const auto& [layer, on] : overlays) {
        layers_.IsLoaded(layer) = false;
        if (on && GetLayer(layer, RadarOverlayPath(layer, SiteCode, size))) any = true;
    }
    return any;
}

void TMyThread2::LoadRadar(int Location, const QString& ProductCode, bool AnimateFrames,
                           const QString& SiteCode) {
    LocationIndex = Location;
    Synchronize([Location](TRadarState& s) { s.PrepRadar(Location); });
    const bool overlays = LoadOverlays(ProductCode, SiteCode);

    const QString size = RadarSizeWord(ProductCode);
    const QString product = RadarPathProduct(ProductCode);
    const int frameCount = ClampRadarFrameCount(request_.MaxImages);
    Synchronize([frameCount](TRadarState& s) { s.SetMaxImagesPosition(frameCount); });

    const TRadarLayerChoice& wanted = request_.Layers;
    const QString prefix = SiteCode + QStringLiteral("_20");
    const QString frameDirectory = RadarFrameDirectory(product, SiteCode);
    const QString legendDirectory = RadarLegendDirectory(product, SiteCode);
    const QString warningsDirectory = RadarWarningsDirectory(size, SiteCode);
    QStringList radarNames, legendNames, warningNames;
    const bool radarFound =
        wanted.Radar && GetImageFileList(frameDirectory, prefix, radarNames, QString());
    const bool legendFound =
        wanted.Legend && GetImageFileList(legendDirectory, prefix, legendNames, QString());
    const bool warningsFound =
        wanted.WantsWarnings() && GetImageFileList(warningsDirectory, prefix, warningNames,
                                                   size + QStringLiteral("_Warnings"));

    const bool listsReady = radarFound || legendFound || warningsFound || overlays;
    const QStringList& first = radarFound ? radarNames : legendFound ? legendNames : warningNames;
    const int last = std::max(0, int(first.size()) - 1);
    Synchronize([radarNames, warningNames, legendNames, listsReady](TRadarState& s) {
        s.SetFileLists(radarNames, warningNames, legendNames, listsReady);
    });

    bool successful = false;
    const auto getFrame = [&](bool want, bool found, const QStringList& names, int i,
                              const QString& directory, TRadarLayer layer) {
        layers_.IsLoaded(layer) = false;
        return want && found && i < names.size() && GetLayer(layer, directory + names[i]);
    };
    for (int i = AnimateFrames ? 0 : last; listsReady && i <= last && !Stopping(); ++i) {
        if (AnimateFrames) Synchronize([i](TRadarState& s) { s.ShowLoadingFrame(i); });
        const bool radar =
            getFrame(wanted.Radar, radarFound, radarNames, i, frameDirectory, TRadarLayer::Radar);
        const bool warnings = getFrame(wanted.WantsWarnings(), warningsFound, warningNames, i,
                                       warningsDirectory, TRadarLayer::Warnings);
        const bool legend = getFrame(wanted.Legend, legendFound, legendNames, i, legendDirectory,
                                     TRadarLayer::Legend);
        if (!(overlays || radar || warnings || legend)) continue;
        successful = true;
        Synchronize([i, layers = layers_](TRadarState& s) { s.ShowRadarFrame(i, layers); });
    }

    if (listsReady && successful) {
        Synchronize([](TRadarState& s) {
            s.ShowSiteTime();
            s.ShowWarningLabels();
        });
        if (AnimateFrames) Synchronize([](TRadarState& s) { s.EnableAnimation(); });
        Synchronize([](TRadarState& s) { s.ShowWarningsIfChecked(); });
    }
    Synchronize([](TRadarState& s) { s.FinishRadarView(); });
}

}  // namespace orbelune
