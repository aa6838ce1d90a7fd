#pragma once
// Where a pixel of a radar image lies on the globe and back, and the search for the
// radar site nearest to a place, optionally within one of eight compass sectors.
//
// Images are flat longitude/latitude grids: a pixel is XScale degrees of longitude wide
// and YScale degrees of latitude high, counted from the top left corner (LeftLon,
// TopLat). The shown image may be enlarged by a zoom factor (1 or 2). Distances are
// great-circle miles; sectors come from the bearing on the flat grid, so they are
// only the rough directions the map's arrow buttons need.

#include "RadarSites.h"

#include <QImage>
#include <QPoint>
#include <QString>

namespace orbelune {

struct TMapSize {
    int Width;
    int Height;
};

struct TScaleLonLat {
    long double XScale = 0;
    long double YScale = 0;
    long double LeftLon = 0;
    long double TopLat = 0;
};

struct TLonLat {
    long double Lon = 0;
    long double Lat = 0;
};

// Width and height of a location's image before zoom: the small national map 600 x 282,
// the large one 3400 x 1600, the regional mosaics 600 x 571, every site 600 x 550.
TMapSize GetMapSize(int Location);

// The map record of a location for a radar product (the products' list index; 0 is the
// long-range product). The small national map is the large one shrunk, so its scales
// are stretched by 3400/600 and 1600/282; the Alaska mosaic is 0.039 degree per pixel
// high. All zero outside the table.
TScaleLonLat GetScaleLonLat(int Location, int Product);

// The pixel of a place on the zoomed image, rounded half to even.
QPoint LonLatToXY(TLonLat Place, const TScaleLonLat& Map, long double Zoom);
// The place of a pixel of the zoomed image; a scale of 0.0001 or less leaves that
// coordinate at the edge.
TLonLat XYtoLonLat(int X, int Y, const TScaleLonLat& Map, long double Zoom);
// The centre of an unzoomed image of W x H pixels.
TLonLat WHToLonLat(int W, int H, const TScaleLonLat& Map);

// The centre of a site (location 14..168) for a product: always taken at 600 x 550.
TLonLat SiteCentre(int Location, int Product);

// The compass sector 1..8 (N, NE, E, SE, S, SW, W, NW) of a bearing in degrees; one on
// a border belongs to the lower sector (22.5 is N, 337.5 NW); -1 outside 0..360.
int QuadrantOfBearing(long double Bearing);
// The sector in which Site lies seen from Reference, by the bearing on the flat grid.
int PointInQuadrant(TLonLat Site, TLonLat Reference);

struct TClosestRadar {
    bool Found = false;  // a site in the asked sector was found
    int Location = FirstRadarSite;
    TLonLat Centre;
    QString Name;  // the location's list text
};

// With Quadrant 0 the nearest site to Place (Found is false). With a sector 1..8 the
// nearest site in that sector, leaving out sites within 10 miles and sites on exactly
// Place's longitude or latitude; when there is none, the nearest site and Found false.
// Ties keep the site earlier in the list.
TClosestRadar FindClosestRadar(int Quadrant, TLonLat Place, int Product);

// FindClosestRadar from the place at pixel (300, 275) of a location's zoomed image,
// which is the map's centre only without zoom.
TClosestRadar GetClosestRadarInQuadrant(int Quadrant, int Location, int Product, long double Zoom);

// Marks every site on a composed image of a location (8-pixel cream discs with a black
// outline), then Home in aqua. Nothing for a location outside the table.
void BuildSmallMapCenterArray(int Location, int Product, long double Zoom, TLonLat Home,
                              QImage& Bitmap);

}  // namespace orbelune
