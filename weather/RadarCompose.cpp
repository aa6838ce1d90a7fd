#include "RadarCompose.h"

#include "GraphicsHelpers.h"

#include <QPainter>

namespace orbelune {

namespace {

void DrawLayer(QPainter& Canvas, const TRadarLayers& Layers, TRadarLayer Layer) {
    if (Layers.IsLoaded(Layer) && !Layers.Image(Layer).isNull())
        Canvas.drawImage(0, 0, Layers.Image(Layer));
}

}  // namespace

TComposedFrame ComposeRadarFrame(const TRadarLayers& Layers, const TRadarRequest& Request,
                                 bool LastFrame) {
    const TMapSize size = GetMapSize(Request.Location);
    TComposedFrame frame;
    frame.Picture = QImage(size.Width, size.Height, QImage::Format_RGB32);
    frame.Picture.fill(Qt::black);
    {
        QPainter canvas(&frame.Picture);
        for (TRadarLayer layer : {TRadarLayer::Topo, TRadarLayer::Radar, TRadarLayer::Counties,
                                  TRadarLayer::Rivers, TRadarLayer::Highways, TRadarLayer::Cities})
            DrawLayer(canvas, Layers, layer);
        if (Request.Layers.Warnings) DrawLayer(canvas, Layers, TRadarLayer::Warnings);
        DrawLayer(canvas, Layers, TRadarLayer::RangeRings);
        DrawLayer(canvas, Layers, TRadarLayer::Legend);
    }
    if (LastFrame && Request.Layers.WarningsText && Layers.IsLoaded(TRadarLayer::Warnings)) {
        // Read on black, so only the layer's own colours count.
        QImage test(size.Width, size.Height, QImage::Format_RGB32);
        test.fill(Qt::black);
        QPainter(&test).drawImage(0, 0, Layers.Image(TRadarLayer::Warnings));
        frame.Warnings = GetWarning(test);
    }
    if (Request.Zoom != 1.0L) ScaleBitmap(frame.Picture, Request.Zoom);
    if (Request.ShowSites)
        BuildSmallMapCenterArray(Request.Location, Request.ProductIndex, Request.Zoom, Request.Home,
                                 frame.Picture);
    return frame;
}

}  // namespace orbelune
