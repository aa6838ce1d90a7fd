#pragma once
// One radar frame composed from its layers: the topography (or black), then radar,
// counties, rivers, highways and cities, the warnings, the range rings and the legend,
// each drawn over the others with its transparent colour left out; then the zoom and
// the site marks. The warnings of the last frame are also read by their colours.

#include "RadarGeometry.h"
#include "RadarRequest.h"
#include "RadarWarnings.h"

#include <QImage>

#include <array>

namespace orbelune {

// The layer images of one frame (decoded GIF or JPEG) and whether each loaded.
struct TRadarLayers {
    std::array<QImage, RadarLayerKindCount> Images;
    std::array<bool, RadarLayerKindCount> Loaded{};

    QImage& Image(TRadarLayer Layer) { return Images[std::size_t(Layer)]; }
    const QImage& Image(TRadarLayer Layer) const { return Images[std::size_t(Layer)]; }
    bool& IsLoaded(TRadarLayer Layer) { return Loaded[std::size_t(Layer)]; }
    bool IsLoaded(TRadarLayer Layer) const { return Loaded[std::size_t(Layer)]; }
};

struct TComposedFrame {
    QImage Picture;
    TRadarWarningFlags Warnings;  // found on this frame (only the last one is read)
};

// Composes a frame of Request's location at its map size times its zoom. LastFrame: the
// warnings layer is read for warning colours when the request wants warning labels.
TComposedFrame ComposeRadarFrame(const TRadarLayers& Layers, const TRadarRequest& Request,
                                 bool LastFrame);

}  // namespace orbelune
