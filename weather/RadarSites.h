#pragma once
// The fixed table of radar locations: 14 national and regional mosaics (indexes 0..13)
// and 155 single radar sites (indexes 14..168), with their list texts, the sites'
// three-letter codes and the map records that place each radar image on the globe.
//
// A map record gives the image's scale (degrees per pixel, the same across and down)
// and the longitude of its left edge and latitude of its top edge, east and north
// positive. The site records are in RadarSitesTerms.h, generated from the published
// station list: each site image is 600 x 550 pixels centred on the radar.

#include <QString>

#include <array>

namespace orbelune {

struct TRadarMapRecord {
    long double DegPerPixel;
    long double LeftLon;
    long double TopLat;
};

// The top left corner of a site's long-range image; its scale is LongRangeDegPerPixel.
struct TRadarOrigin {
    long double LeftLon;
    long double TopLat;
};

inline constexpr int RadarLocationCount = 169;
inline constexpr int RadarMosaicCount = 14;
inline constexpr int RadarSiteCount = 155;
inline constexpr int FirstRadarSite = RadarMosaicCount;  // location index of site 0

// Eight degrees across 550 pixels: the scale of every long-range (product 0) image.
inline constexpr long double LongRangeDegPerPixel = 0.0145454545454545L;

// The list texts in list order; each begins with a blank.
extern const std::array<const char*, RadarLocationCount> RadarLocationNames;
// Lower-case site codes by location index; empty for the mosaics.
extern const std::array<const char*, RadarLocationCount> RadarSiteCodes;
extern const std::array<TRadarMapRecord, RadarMosaicCount> MosaicMapRecords;

inline bool IsRadarLocation(int Index) {
    return Index >= 0 && Index < RadarLocationCount;
}
inline bool IsRadarSite(int Index) {
    return Index >= FirstRadarSite && Index < RadarLocationCount;
}

// The list text of a location; empty outside the table.
QString RadarLocationName(int Index);
// The site code of a location in upper case, as requests send it; empty for a mosaic
// or outside the table.
QString RadarSiteCodeUpper(int Index);

}  // namespace orbelune
