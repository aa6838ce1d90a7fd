#pragma once
// The national and regional radar mosaics (locations 0..13): their image names and
// paths on the radar server, the frames of a downloaded GIF, and one shown frame made
// from a GIF frame.
//
// A still mosaic is "/Conus/RadarImg/<name>.gif", a loop "/Conus/Loop/<name>.gif",
// both below "https://" + the radar server. The names, by location: 0 latest_Small /
// NatLoop_Small, 1 latest / NatLoop, 2..11 the region (northeast, southeast,
// centgrtlakes, southmissvly, uppermissvly, southplains, northrockies, southrockies,
// pacnorthwest, pacsouthwest) with "_loop" for the loop, 12 alaska / alaskaLoop,
// 13 hawaii / hawaiiLoop. Any other location is taken as 0.

#include "ImageryProblem.h"
#include "RadarGeometry.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

#include <optional>

namespace orbelune {

QString MosaicImageName(int Location, bool Loop);
QString MosaicPath(int Location, bool Loop);

// The frames a mosaic request takes from its GIF, decided from the file's layout before
// a pixel is decoded: at most Wanted and what the file holds; none of a picture far
// beyond the location's map (over twice its width or height: a hostile file claims
// thousands of pixels in a few bytes); and no more than the decoded frames and those
// composed from them at Zoom fit in MaxBytes. Frames is 0 when the file is refused,
// for Problem.
struct TMosaicPlan {
    int Frames = 0;
    TImageryProblem Problem;
};
TMosaicPlan PlanMosaic(const QByteArray& Body, int Location, int Wanted, long double Zoom,
                       qint64 MaxBytes);

// The frames of a GIF, at most MaxFrames of them in order, each whole (Qt's reader
// applies every frame's disposal); FrameCount is the number the file holds. Nothing
// when Body is not a GIF or its first frame does not decode.
struct TGifFrames {
    QList<QImage> Frames;
    int FrameCount = 0;
};
std::optional<TGifFrames> ReadGifFrames(const QByteArray& Body, int MaxFrames);

// A mosaic frame as the Radar tab shows it: Frame drawn on black at its own size,
// stretched by Zoom (rounded), with the sites marked when ShowSites.
QImage ComposeMosaicFrame(const QImage& Frame, int Location, long double Zoom, bool ShowSites,
                          TLonLat Home);

}  // namespace orbelune
