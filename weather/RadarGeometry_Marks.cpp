#include "RadarGeometry.h"

#include "GraphicsHelpers.h"

#include <QPainter>

namespace orbelune {

namespace {

constexpr int MarkSize = 8;
constexpr int MarkOutline = 2;
constexpr std::int32_t Black = 0x000000;
constexpr std::int32_t Cream = 0xF0FBFF;  // Windows colour values, $00BBGGRR
constexpr std::int32_t Aqua = 0xFFFF00;

void Mark(QPainter& Canvas, QPoint At, std::int32_t Fill) {
    DrawCenteredEllipse(At.x(), At.y(), MarkSize, MarkSize, MarkOutline, Canvas, true, Black, Fill);
}

}  // namespace

void BuildSmallMapCenterArray(int Location, int Product, long double Zoom, TLonLat Home,
                              QImage& Bitmap) {
    if (!IsRadarLocation(Location) || Bitmap.isNull()) return;
    const TScaleLonLat map = GetScaleLonLat(Location, Product);
    QPainter canvas(&Bitmap);
    for (int i = 0; i < RadarSiteCount; ++i)
        Mark(canvas, LonLatToXY(SiteCentre(FirstRadarSite + i, Product), map, Zoom), Cream);
    Mark(canvas, LonLatToXY(Home, map, Zoom), Aqua);
}

}  // namespace orbelune
