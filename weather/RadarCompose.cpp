#include "RadarCompose.h"

#include "GraphicsHelpers.h"

#include <QPainter>

namespace orbelune {

void DrawTransparent(const QImage& Gif, QImage& Target) {
    if (Gif.isNull() || Target.isNull()) return;
    QPainter(&Target).drawImage(0, 0, Gif);
}

TComposedFrame ComposeRadarFrame(const TRadarLayers& Layers, const TRadarRequest& Request,
                                 bool LastFrame) {
    const TMapSize size = GetMapSize(Request.Location);
    TComposedFrame frame;
    frame.Picture = QImage(size.Width, size.Height, QImage::Format_RGB32);
    frame.Picture.fill(Qt::black);
    const auto draw = [&](TRadarLayer Layer) {
        if (Layers.IsLoaded(Layer)) DrawTransparent(Layers.Image(Layer), frame.Picture);
    };
    // The topography, or black without it, under the radar and the map's lines.
    for (TRadarLayer layer : {TRadarLayer::Topo, TRadarLayer::Radar, TRadarLayer::Counties,
                              TRadarLayer::Rivers, TRadarLayer::Highways, TRadarLayer::Cities})
        draw(layer);
    if (Request.Layers.Warnings) draw(TRadarLayer::Warnings);
    if (LastFrame && Request.Layers.WarningsText && Layers.IsLoaded(TRadarLayer::Warnings)) {
        // Read on black, so only the layer's own colours count.
        QImage test(size.Width, size.Height, QImage::Format_RGB32);
        test.fill(Qt::black);
        DrawTransparent(Layers.Image(TRadarLayer::Warnings), test);
        frame.Warnings = GetWarning(test);
    }
    draw(TRadarLayer::RangeRings);
    draw(TRadarLayer::Legend);
    if (Request.Zoom != 1.0L) ScaleBitmap(frame.Picture, Request.Zoom);
    if (Request.ShowSites)
        BuildSmallMapCenterArray(Request.Location, Request.ProductIndex, Request.Zoom, Request.Home,
                                 frame.Picture);
    return frame;
}

}  // namespace orbelune
