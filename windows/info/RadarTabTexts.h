#pragma once
// The Radar tab without widgets: the product list, which controls a location shows,
// the captions that follow the loop mode and the zoom, the size of the shown image and
// stepping frames by hand.

#include "RadarGeometry.h"

#include <QSize>
#include <QString>
#include <QStringList>

namespace orbelune {

// The entries of the product box, in the order of the products' codes.
QStringList RadarProductNames();

struct TRadarControlVisibility {
    bool ZoomBut = true;       // every location but the large national map
    bool SiteControls = true;  // the product box and the layer boxes: sites only
};
TRadarControlVisibility RadarControlVisibility(int Location);

// The LOOP/ROCK button names the other mode: "ROCK" while looping.
QString LoopRadarCaption(bool LoopRadar);
// "Zoom Out" while zoomed, else "Zoom In".
QString ZoomCaption(long double Zoom);

// The shown image of a location: its map size times the zoom, rounded.
QSize RadarImageSize(int Location, long double Zoom);

// The frame one step forward or back from Pos among Count frames, wrapping at the ends;
// a position outside the frames (a pause of the loop) steps from the nearest end.
int ManualFrameStep(int Pos, int Count, bool Forward);

}  // namespace orbelune
