#include "RadarGeometry.h"

#include "Astronomy.h"
#include "RadarSitesTerms.h"

#include <climits>
#include <cmath>

namespace orbelune {

namespace {

constexpr int SiteWidth = 600;
constexpr int SiteHeight = 550;
constexpr long double MinScale = 0.0001L;
// Sites closer than this to the reference point are not "in a direction" of it.
constexpr long double NearbyMiles = 10.0L;
constexpr long double FarAway = 30000.0L;

// Round half to even, with NaN and values beyond the int range kept finite.
int RoundToInt(long double X) {
    if (!(X == X)) return 0;
    const long double r = std::nearbyint(X);
    if (r >= static_cast<long double>(INT_MAX)) return INT_MAX;
    if (r <= static_cast<long double>(INT_MIN)) return INT_MIN;
    return static_cast<int>(r);
}

long double MilesBetween(TLonLat A, TLonLat B) {
    return GreatCircleMiles(A.Lat, A.Lon, B.Lat, B.Lon);
}

}  // namespace

TMapSize GetMapSize(int Location) {
    if (Location == 0) return {600, 282};
    if (Location == 1) return {3400, 1600};
    if (Location >= 2 && Location < RadarMosaicCount) return {600, 571};
    return {SiteWidth, SiteHeight};
}

TScaleLonLat GetScaleLonLat(int Location, int Product) {
    if (!IsRadarLocation(Location)) return {};
    if (IsRadarSite(Location)) {
        const int site = Location - FirstRadarSite;
        if (Product == 0) {
            const TRadarOrigin& far = SiteLongRangeOrigins[site];
            return {LongRangeDegPerPixel, LongRangeDegPerPixel, far.LeftLon, far.TopLat};
        }
        const TRadarMapRecord& r = SiteMapRecords[site];
        return {r.DegPerPixel, r.DegPerPixel, r.LeftLon, r.TopLat};
    }
    const TRadarMapRecord& r = MosaicMapRecords[Location];
    if (Location == 0)
        return {r.DegPerPixel * 3400.0L / 600.0L, r.DegPerPixel * 1600.0L / 282.0L, r.LeftLon,
                r.TopLat};
    if (Location == 12) return {r.DegPerPixel, 0.039L, r.LeftLon, r.TopLat};
    return {r.DegPerPixel, r.DegPerPixel, r.LeftLon, r.TopLat};
}

QPoint LonLatToXY(TLonLat Place, const TScaleLonLat& Map, long double Zoom) {
    return {RoundToInt((Place.Lon - Map.LeftLon) * Zoom / Map.XScale),
            RoundToInt((Place.Lat - Map.TopLat) * Zoom / -Map.YScale)};
}

TLonLat XYtoLonLat(int X, int Y, const TScaleLonLat& Map, long double Zoom) {
    TLonLat place{Map.LeftLon, Map.TopLat};
    if (Map.XScale > MinScale) place.Lon += X * Map.XScale / Zoom;
    if (Map.YScale > MinScale) place.Lat -= Y * Map.YScale / Zoom;
    return place;
}

TLonLat WHToLonLat(int W, int H, const TScaleLonLat& Map) {
    TLonLat place{Map.LeftLon, Map.TopLat};
    if (Map.XScale > MinScale) place.Lon += Map.XScale * W / 2;
    // The latitude test is ten times coarser than the longitude one; no record comes
    // near either bound.
    if (Map.YScale > 0.001L) place.Lat -= Map.YScale * H / 2;
    return place;
}

TLonLat SiteCentre(int Location, int Product) {
    return WHToLonLat(SiteWidth, SiteHeight, GetScaleLonLat(Location, Product));
}

int QuadrantOfBearing(long double b) {
    constexpr long double Borders[] = {22.5L,  67.5L,  112.5L, 157.5L,
                                       202.5L, 247.5L, 292.5L, 337.5L};
    if (b >= 0.0L && b <= Borders[0]) return 1;
    for (int sector = 2; sector <= 8; ++sector)
        if (b >= Borders[sector - 2] && b <= Borders[sector - 1]) return sector;
    if (b >= Borders[7] && b <= 360.0L) return 1;
    return -1;
}

int PointInQuadrant(TLonLat Site, TLonLat Reference) {
    return QuadrantOfBearing(BearingDeg(Reference.Lon, Reference.Lat, Site.Lon, Site.Lat));
}

TClosestRadar FindClosestRadar(int Quadrant, TLonLat Place, int Product) {
    long double best = FarAway;
    long double bestInSector = FarAway;
    int bestIndex = 0;
    int sectorIndex = 0;
    TLonLat bestCentre;
    TLonLat sectorCentre;
    bool found = false;
    for (int i = 0; i < RadarSiteCount; ++i) {
        const TLonLat centre = SiteCentre(FirstRadarSite + i, Product);
        const long double d = MilesBetween(centre, Place);
        if (d < best) {
            best = d;
            bestIndex = i;
            bestCentre = centre;
        }
        if (Quadrant > 0 && d < bestInSector && d > NearbyMiles && centre.Lon != Place.Lon &&
            centre.Lat != Place.Lat && PointInQuadrant(centre, Place) == Quadrant) {
            bestInSector = d;
            sectorIndex = i;
            sectorCentre = centre;
            found = true;
        }
    }
    TClosestRadar result;
    result.Found = found && Quadrant > 0;
    const int chosen = result.Found ? sectorIndex : bestIndex;
    result.Location = FirstRadarSite + chosen;
    result.Centre = result.Found ? sectorCentre : bestCentre;
    result.Name = RadarLocationName(result.Location);
    return result;
}

TClosestRadar GetClosestRadarInQuadrant(int Quadrant, int Location, int Product, long double Zoom) {
    const TLonLat reference = XYtoLonLat(300, 275, GetScaleLonLat(Location, Product), Zoom);
    return FindClosestRadar(Quadrant, reference, Product);
}

}  // namespace orbelune
