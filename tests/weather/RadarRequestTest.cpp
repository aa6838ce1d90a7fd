// The radar request's server paths, products and frame counts.
#include "RadarRequest.h"
#include "Settings.h"

#include "QStringPrinter.h"

#include <gtest/gtest.h>

namespace orbelune {
namespace {

TEST(RadarRequest, ProductsAndSizeWords) {
    const char* codes[] = {"NOZ", "N0R", "NCR", "N1P", "NTP", "NOS", "NOV"};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(RadarProductCode(i), codes[i]);
    EXPECT_EQ(RadarProductCode(-1), "");
    EXPECT_EQ(RadarProductCode(7), "");
    EXPECT_EQ(RadarSizeWord("NOZ"), "Long");
    EXPECT_EQ(RadarSizeWord("N0Z"), "Long");
    EXPECT_EQ(RadarSizeWord("N0R"), "Short");
    EXPECT_EQ(RadarPathProduct("NOZ"), "N0Z");
    EXPECT_EQ(RadarPathProduct("NOS"), "NOS");
    EXPECT_EQ(RadarPathProduct("NOV"), "NOV");
}

TEST(RadarRequest, ServerPaths) {
    struct TCase {
        TRadarLayer Layer;
        const char* Path;
    };
    const TCase cases[] = {
        {TRadarLayer::Topo, "/ridge/Overlays/Topo/Short/OKX_Topo_Short.jpg"},
        {TRadarLayer::Counties, "/ridge/Overlays/County/Short/OKX_County_Short.gif"},
        {TRadarLayer::Rivers, "/ridge/Overlays/Rivers/Short/OKX_Rivers_Short.gif"},
        {TRadarLayer::Highways, "/ridge/Overlays/Highways/Short/OKX_Highways_Short.gif"},
        {TRadarLayer::Cities, "/ridge/Overlays/Cities/Short/OKX_City_Short.gif"},
        {TRadarLayer::RangeRings, "/ridge/Overlays/RangeRings/Short/OKX_RangeRing_Short.gif"},
        {TRadarLayer::Radar, ""},
    };
    for (const TCase& c : cases) EXPECT_EQ(RadarOverlayPath(c.Layer, "OKX", "Short"), c.Path);
    EXPECT_EQ(RadarFrameDirectory("N0Z", "OKX"), "/ridge/RadarImg/N0Z/OKX/");
    EXPECT_EQ(RadarLegendDirectory("N0R", "OKX"), "/ridge/Legend/N0R/OKX/");
    EXPECT_EQ(RadarWarningsDirectory("Long", "OKX"), "/ridge/Warnings/Long/OKX/");
}

TEST(RadarRequest, FrameCountsStayWithinTheThirtySlots) {
    struct TCase {
        int In, Out;
    };
    for (const TCase& c : {TCase{-5, 1}, TCase{0, 1}, TCase{1, 1}, TCase{10, 10}, TCase{30, 30},
                           TCase{45, 30}, TCase{INT_MAX, 30}})
        EXPECT_EQ(ClampRadarFrameCount(c.In), c.Out) << c.In;
}

TEST(RadarRequest, TakenFromTheSettings) {
    TSettings s;
    s.RadarReflectivityBoxIndex = 0;
    s.RadarServer = "radar.example.org";
    s.UseProxyServer = true;
    s.ProxyServer = "proxy";
    s.ProxyPort = 3128;
    s.RangeRingBoxChecked = false;
    s.Latitude = 40.5L;
    s.Longitude = -74.25L;
    const TRadarRequest r = RadarRequestFor(s, 120, 45, 2.0L);
    EXPECT_EQ(r.Product, "NOZ");
    EXPECT_EQ(r.Site, "OKX");
    EXPECT_EQ(r.MaxImages, 45);
    EXPECT_EQ(r.Server, "radar.example.org");
    EXPECT_EQ(ProxyFromRule(r.Proxy).port(), 3128);
    EXPECT_FALSE(r.Layers.RangeRings);
    EXPECT_EQ(r.Home.Lat, 40.5L);
    EXPECT_EQ(r.Home.Lon, -74.25L);
    EXPECT_EQ(r.Zoom, 2.0L);
}

}  // namespace
}  // namespace orbelune
