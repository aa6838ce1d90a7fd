#include "RadarMosaic.h"

#include "GifLayout.h"
#include "ImageSniff.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace orbelune {

namespace {

struct TMosaicName {
    const char* Still;
    const char* Loop;  // null: the still name + "_loop"
};

constexpr TMosaicName MosaicNames[RadarMosaicCount] = {
    {"latest_Small", "NatLoop_Small"},
    {"latest", "NatLoop"},
    {"northeast", nullptr},
    {"southeast", nullptr},
    {"centgrtlakes", nullptr},
    {"southmissvly", nullptr},
    {"uppermissvly", nullptr},
    {"southplains", nullptr},
    {"northrockies", nullptr},
    {"southrockies", nullptr},
    {"pacnorthwest", nullptr},
    {"pacsouthwest", nullptr},
    {"alaska", "alaskaLoop"},
    {"hawaii", "hawaiiLoop"},
};

// The product does not matter for a mosaic's map record.
constexpr int AnyProduct = 1;

// How far a mosaic may pass its map's known size before it is taken for hostile.
constexpr int SizeTolerance = 2;

int Zoomed(int Pixels, long double Zoom) {
    return int(std::nearbyint(Pixels * Zoom));
}

}  // namespace

QString MosaicImageName(int Location, bool Loop) {
    const TMosaicName& name =
        MosaicNames[Location >= 0 && Location < RadarMosaicCount ? Location : 0];
    if (!Loop) return QLatin1String(name.Still);
    return name.Loop ? QLatin1String(name.Loop)
                     : QLatin1String(name.Still) + QStringLiteral("_loop");
}

QString MosaicPath(int Location, bool Loop) {
    return (Loop ? QStringLiteral("/Conus/Loop/") : QStringLiteral("/Conus/RadarImg/")) +
           MosaicImageName(Location, Loop) + QStringLiteral(".gif");
}

TMosaicPlan PlanMosaic(const QByteArray& Body, int Location, int Wanted, long double Zoom,
                       qint64 MaxBytes) {
    TMosaicPlan plan;
    const std::optional<TGifLayout> layout = ScanGif(Body);
    if (!layout || layout->FrameCount == 0) {
        plan.Problem.Kind = TImageryProblem::TKind::NotAPicture;
        return plan;
    }
    const QSize extent = layout->Extent;
    const TMapSize map = GetMapSize(Location);
    // Each frame decodes to four bytes a pixel and is composed into as many, zoomed.
    const qint64 frameBytes =
        4 * (qint64(extent.width()) * extent.height() +
             qint64(Zoomed(extent.width(), Zoom)) * Zoomed(extent.height(), Zoom));
    if (extent.width() > SizeTolerance * map.Width ||
        extent.height() > SizeTolerance * map.Height || frameBytes > MaxBytes) {
        plan.Problem = PictureTooLarge(extent);
        return plan;
    }
    plan.Frames = int(std::min<qint64>({qint64(std::max(Wanted, 1)), qint64(layout->FrameCount),
                                        MaxBytes / std::max<qint64>(frameBytes, 1)}));
    return plan;
}

std::optional<TGifFrames> ReadGifFrames(const QByteArray& Body, int MaxFrames) {
    QBuffer buffer;
    buffer.setData(Body);
    if (!buffer.open(QIODevice::ReadOnly) || !IsGifStream(&buffer)) return std::nullopt;
    buffer.seek(0);
    QImageReader reader(&buffer, "gif");
    TGifFrames gif;
    gif.FrameCount = reader.imageCount();
    while (gif.Frames.size() < MaxFrames) {
        QImage frame = reader.read();
        if (frame.isNull()) break;
        gif.Frames.append(frame.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    }
    if (gif.Frames.isEmpty()) return std::nullopt;
    // A file whose count the reader could not tell holds at least what was read.
    gif.FrameCount = std::max(gif.FrameCount, int(gif.Frames.size()));
    return gif;
}

QImage ComposeMosaicFrame(const QImage& Frame, int Location, long double Zoom, bool ShowSites,
                          TLonLat Home) {
    const QSize size(Zoomed(Frame.width(), Zoom), Zoomed(Frame.height(), Zoom));
    QImage composite(size, QImage::Format_RGB32);
    composite.fill(Qt::black);
    {
        QPainter canvas(&composite);
        canvas.setRenderHint(QPainter::SmoothPixmapTransform, false);
        canvas.drawImage(QRect(QPoint(0, 0), size), Frame);
    }
    if (ShowSites) BuildSmallMapCenterArray(Location, AnyProduct, Zoom, Home, composite);
    return composite;
}

}  // namespace orbelune
