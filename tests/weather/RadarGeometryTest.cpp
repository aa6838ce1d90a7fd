// The radar site table and map geometry, checked against the weather service's station
// positions (tests/data/radar_sites.csv) and places whose nearest radar is known.
#include "RadarGeometry.h"
#include "RadarSitesTerms.h"

#include "QStringPrinter.h"

#include <gtest/gtest.h>

#include <QFile>

#include <cmath>

namespace orbelune {
namespace {

struct TStation {
    int Location;
    QString Code;
    long double Lat;
    long double Lon;
};

std::vector<TStation> Stations() {
    std::vector<TStation> stations;
    QFile file(QStringLiteral(ORBELUNE_TEST_DATA "/radar_sites.csv"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return stations;
    while (!file.atEnd()) {
        const QStringList f = QString::fromUtf8(file.readLine()).trimmed().split(',');
        if (f.size() != 5 || f[0].startsWith('#') || f[0] == "location") continue;
        stations.push_back({f[0].toInt(), f[1], f[3].toDouble(), f[4].toDouble()});
    }
    return stations;
}

int LocationOf(const char* Code) {
    for (int i = FirstRadarSite; i < RadarLocationCount; ++i)
        if (QLatin1String(RadarSiteCodes[i]) == QLatin1String(Code)) return i;
    return -1;
}

TEST(RadarSites, TheStationListMatchesTheSiteCodes) {
    const std::vector<TStation> stations = Stations();
    ASSERT_EQ(stations.size(), std::size_t(RadarSiteCount));
    for (const TStation& s : stations)
        EXPECT_EQ(s.Code, QLatin1String(RadarSiteCodes[s.Location])) << s.Location;
    EXPECT_EQ(RadarLocationName(120), " NY - New York City");
    EXPECT_EQ(RadarSiteCodeUpper(120), "OKX");
    EXPECT_EQ(RadarSiteCodeUpper(13), "");
    EXPECT_EQ(RadarLocationName(169), "");
    for (const char* name : RadarLocationNames) {
        EXPECT_EQ(name[0], ' ');
        EXPECT_LE(std::strlen(name), 40u);
    }
}

TEST(RadarSites, FourShippedRowsAreKeptAsTheyStand) {
    struct TRow {
        int Location;
        TRadarMapRecord Site;
        TRadarOrigin Far;
    };
    const TRow rows[] = {
        {14,
         {0.014696211381392L, -155.750514332163L, 64.7601117636941L},
         {-155.705362659801L, 64.7187290122292L}},
        {57, {0.007397682884L, 142.5953986L, 15.48366402L}, {140.454641002308L, 17.4457273413918L}},
        {58,
         {0.007662575462L, -158.0759472L, 22.23237667L},
         {-160.137369495739L, 24.1217269828103L}},
        {168,
         {0.009845220392L, -111.4256409L, 45.76851489L},
         {-112.833361011852L, 47.0587291648171L}},
    };
    for (const TRow& r : rows) {
        const TRadarMapRecord& site = SiteMapRecords[r.Location - FirstRadarSite];
        const TRadarOrigin& far = SiteLongRangeOrigins[r.Location - FirstRadarSite];
        EXPECT_EQ(site.DegPerPixel, r.Site.DegPerPixel) << r.Location;
        EXPECT_EQ(site.LeftLon, r.Site.LeftLon) << r.Location;
        EXPECT_EQ(site.TopLat, r.Site.TopLat) << r.Location;
        EXPECT_EQ(far.LeftLon, r.Far.LeftLon) << r.Location;
        EXPECT_EQ(far.TopLat, r.Far.TopLat) << r.Location;
    }
}

// Every site image is 600 x 550 centred on its station at 0.0071946 / cos(latitude)
// degrees per pixel (long range: 8/550). The generated rows follow the rule; the four
// shipped rows come within a pixel and a half of it and their scale within 0.2 %.
TEST(RadarSites, RecordsCentreEachImageOnItsStation) {
    constexpr long double Far = 8.0L / 550.0L;
    for (const TStation& s : Stations()) {
        const long double scale = 0.0071946L / std::cos(s.Lat * M_PIl / 180.0L);
        const TRadarMapRecord& site = SiteMapRecords[s.Location - FirstRadarSite];
        const TRadarOrigin& far = SiteLongRangeOrigins[s.Location - FirstRadarSite];
        const bool shipped =
            s.Location == 14 || s.Location == 57 || s.Location == 58 || s.Location == 168;
        const long double pixels = shipped ? 1.5L : 1e-9L;
        EXPECT_NEAR(site.DegPerPixel / scale, 1.0L, shipped ? 0.002L : 1e-12L)
            << s.Code.toStdString();
        EXPECT_NEAR(site.LeftLon, s.Lon - 300 * scale, pixels * scale) << s.Code.toStdString();
        EXPECT_NEAR(site.TopLat, s.Lat + 275 * scale, pixels * scale) << s.Code.toStdString();
        EXPECT_NEAR(far.LeftLon, s.Lon - 300 * Far, pixels * Far) << s.Code.toStdString();
        EXPECT_NEAR(far.TopLat, s.Lat + 275 * Far, pixels * Far) << s.Code.toStdString();
    }
}

TEST(RadarGeometry, MapSizesAndScales) {
    EXPECT_EQ(GetMapSize(0).Width, 600);
    EXPECT_EQ(GetMapSize(0).Height, 282);
    EXPECT_EQ(GetMapSize(1).Width, 3400);
    EXPECT_EQ(GetMapSize(1).Height, 1600);
    EXPECT_EQ(GetMapSize(13).Height, 571);
    EXPECT_EQ(GetMapSize(14).Height, 550);

    // The small national map is the large one shrunk.
    const TScaleLonLat small = GetScaleLonLat(0, 1);
    const TScaleLonLat large = GetScaleLonLat(1, 1);
    EXPECT_EQ(large.XScale, MosaicMapRecords[0].DegPerPixel);
    EXPECT_EQ(large.YScale, MosaicMapRecords[0].DegPerPixel);
    EXPECT_NEAR(small.XScale * 600, large.XScale * 3400, 1e-12);
    EXPECT_NEAR(small.YScale * 282, large.YScale * 1600, 1e-12);
    EXPECT_EQ(small.LeftLon, large.LeftLon);
    EXPECT_EQ(GetScaleLonLat(12, 1).YScale, 0.039L);

    // A site's long-range product has its own origin and a fixed scale.
    const TScaleLonLat shortRange = GetScaleLonLat(120, 1);
    const TScaleLonLat longRange = GetScaleLonLat(120, 0);
    EXPECT_EQ(longRange.XScale, 0.0145454545454545L);
    EXPECT_EQ(longRange.LeftLon, SiteLongRangeOrigins[120 - 14].LeftLon);
    EXPECT_EQ(shortRange.XScale, SiteMapRecords[120 - 14].DegPerPixel);
    EXPECT_EQ(GetScaleLonLat(169, 1).XScale, 0.0L);
}

TEST(RadarGeometry, PixelsRoundTripAtZoomOneAndTwo) {
    for (int location : {0, 1, 5, 12, 13, 20, 57, 120}) {
        for (int product : {0, 1}) {
            const TScaleLonLat map = GetScaleLonLat(location, product);
            for (long double zoom : {1.0L, 2.0L}) {
                for (QPoint p : {QPoint(0, 0), QPoint(17, 301), QPoint(599, 549)}) {
                    const TLonLat place = XYtoLonLat(p.x(), p.y(), map, zoom);
                    EXPECT_EQ(LonLatToXY(place, map, zoom), p) << location << ' ' << product;
                }
            }
        }
    }
}

TEST(RadarGeometry, ZoomDoublesPixelDistancesButNotTheCentre) {
    const TScaleLonLat map = GetScaleLonLat(120, 1);
    const TLonLat place{-73.5L, 40.2L};
    const QPoint one = LonLatToXY(place, map, 1.0L);
    const QPoint two = LonLatToXY(place, map, 2.0L);
    EXPECT_NEAR(two.x(), 2 * one.x(), 1);
    EXPECT_NEAR(two.y(), 2 * one.y(), 1);
    const TLonLat half = XYtoLonLat(200, 100, map, 2.0L);
    const TLonLat whole = XYtoLonLat(100, 50, map, 1.0L);
    EXPECT_NEAR(half.Lon, whole.Lon, 1e-12);
    EXPECT_NEAR(half.Lat, whole.Lat, 1e-12);
    // The centre of a site image is its station.
    const TLonLat centre = WHToLonLat(600, 550, map);
    EXPECT_NEAR(centre.Lon, -72.863917, 1e-5);
    EXPECT_NEAR(centre.Lat, 40.865528, 1e-5);
}

TEST(RadarGeometry, SectorsOfBearings) {
    struct TCase {
        long double Bearing;
        int Sector;
    };
    const TCase cases[] = {{0, 1},      {22.5L, 1}, {22.51L, 2}, {67.5L, 2}, {90, 3},
                           {157.5L, 4}, {180, 5},   {247.5L, 6}, {270, 7},   {337.5L, 8},
                           {337.6L, 1}, {360, 1},   {-1, -1},    {NAN, -1}};
    for (const TCase& c : cases)
        EXPECT_EQ(QuadrantOfBearing(c.Bearing), c.Sector) << static_cast<double>(c.Bearing);
    const TLonLat here{-90, 40};
    EXPECT_EQ(PointInQuadrant({-90, 41}, here), 1);
    EXPECT_EQ(PointInQuadrant({-89, 41}, here), 2);
    EXPECT_EQ(PointInQuadrant({-89, 40}, here), 3);
    EXPECT_EQ(PointInQuadrant({-90, 39}, here), 5);
    EXPECT_EQ(PointInQuadrant({-91, 41}, here), 8);
}

TEST(RadarGeometry, NearestSiteToPlaces) {
    struct TCase {
        const char* Place;
        long double Lat, Lon;
        const char* Code;
    };
    // Manhattan lies a few miles nearer the Fort Dix radar than the Long Island one.
    const TCase cases[] = {
        {"Manhattan", 40.71L, -74.01L, "dix"},  {"Islip", 40.79L, -73.10L, "okx"},
        {"Chicago", 41.88L, -87.63L, "lot"},    {"Denver", 39.74L, -104.99L, "ftg"},
        {"Seattle", 47.61L, -122.33L, "atx"},   {"Miami", 25.76L, -80.19L, "amx"},
        {"Anchorage", 61.22L, -149.90L, "ahg"}, {"Honolulu", 21.31L, -157.86L, "hmo"},
        {"Hagatna", 13.47L, 144.75L, "gua"},    {"San Juan", 18.47L, -66.11L, "jua"},
    };
    for (const TCase& c : cases) {
        for (int product : {0, 1}) {
            const TClosestRadar r = FindClosestRadar(0, {c.Lon, c.Lat}, product);
            EXPECT_FALSE(r.Found);
            EXPECT_EQ(r.Location, LocationOf(c.Code)) << c.Place;
            EXPECT_EQ(r.Name, RadarLocationName(r.Location));
        }
    }
}

TEST(RadarGeometry, DirectionSearchLeavesOutNearbyAndAlignedSites) {
    const int okx = LocationOf("okx");
    const TLonLat station = SiteCentre(okx, 1);
    // Five miles north-east of the station: the station itself is too close to lie in
    // any direction.
    const TLonLat nearby{station.Lon + 0.05L, station.Lat + 0.05L};
    for (int sector = 1; sector <= 8; ++sector) {
        const TClosestRadar r = FindClosestRadar(sector, nearby, 1);
        EXPECT_TRUE(!r.Found || r.Location != okx) << sector;
    }
    // Due south of the station on its very meridian: it is not "north" of the point.
    const TClosestRadar north = FindClosestRadar(1, {station.Lon, station.Lat - 1.0L}, 1);
    EXPECT_NE(north.Location, okx);
    // Nothing lies east of Guam: the nearest site comes back, not found.
    const TClosestRadar east = FindClosestRadar(3, {145.5L, 13.2L}, 1);
    EXPECT_FALSE(east.Found);
    EXPECT_EQ(east.Location, LocationOf("gua"));
}

TEST(RadarGeometry, DirectionsFromNewYork) {
    const int okx = LocationOf("okx");
    EXPECT_EQ(GetClosestRadarInQuadrant(1, okx, 1, 1.0L).Location, LocationOf("cxx"));
    EXPECT_EQ(GetClosestRadarInQuadrant(2, okx, 1, 1.0L).Location, LocationOf("box"));
    EXPECT_EQ(GetClosestRadarInQuadrant(8, okx, 1, 1.0L).Location, LocationOf("enx"));
    EXPECT_EQ(GetClosestRadarInQuadrant(0, okx, 1, 1.0L).Location, okx);
    // Zoomed in, pixel (300, 275) lies a quarter of the way into the map, north-west of
    // the station and a few miles from Albany.
    EXPECT_EQ(GetClosestRadarInQuadrant(0, okx, 1, 2.0L).Location, LocationOf("enx"));
}

TEST(RadarGeometry, SiteMarksAreDrawnWhereTheSitesAre) {
    QImage map(600, 550, QImage::Format_RGB32);
    map.fill(Qt::black);
    const int okx = LocationOf("okx");
    const TLonLat home{-74.01L, 40.71L};
    BuildSmallMapCenterArray(okx, 1, 1.0L, home, map);
    // The station's own mark at the centre is cream, the home mark aqua; far from any
    // site the map is untouched.
    EXPECT_EQ(map.pixel(300, 275), qRgb(0xFF, 0xFB, 0xF0));
    const QPoint h = LonLatToXY(home, GetScaleLonLat(okx, 1), 1.0L);
    EXPECT_EQ(map.pixel(h), qRgb(0x00, 0xFF, 0xFF));
    EXPECT_EQ(map.pixel(300, 500), qRgb(0, 0, 0));
    QImage untouched = map;
    BuildSmallMapCenterArray(-1, 1, 1.0L, home, untouched);
    EXPECT_EQ(untouched, map);
}

}  // namespace
}  // namespace orbelune
