// The map addresses of the twenty sites and the site code of each list entry.
#include "MapAddress.h"

#include "QStringPrinter.h"

#include <gtest/gtest.h>

namespace orbelune {
namespace {

// Santiago de Chile: south and west, so both numbers carry a sign.
const TMapPlace Santiago{-33.5, -70.65, QStringLiteral(" Santiago "), QStringLiteral(" rm")};

TEST(GetMap, EverySiteForASouthernAndWesternPlace) {
    const char* const expected[MapSiteCount] = {
        "http://www.mapquest.com/?q=-33.5000000,-70.6500000&zoom=12",
        "http://www.google.com/maps?ll=-33.500000,-70.650000&spn=0.060,0.060",
        "http://wikimapia.org/#lat=-33.50000&lon=-70.65000&z=13&m=m",
        "http://wikimapia.org/#lat=-33.50000&lon=-70.65000&z=13&m=h",
        "http://maps.yahoo.com/#q=Santiago%2C+RM&conf=1&start=1&lat=-33.500000&lon=-70.6500"
        "&zoom=12&mvt=m&trf=0",
        "http://maps.yahoo.com/#q=Santiago%2C+RM&conf=1&start=1&lat=-33.500000&lon=-70.6500"
        "&zoom=12&mvt=h&trf=0",
        "http://www.bing.com/map.aspx?&lats1=-33.50000&lons1=-70.65000&S=800,740&alts1=5",
        "http://www.flashearth.com/?lat=-33.500000&lon=-70.650000&z=16.8&r=0&src=ggl",
        "http://www.randmcnally.com/rmc/directions/dirGetMap.jsp?val=large&h=false&aprt="
        "&CT=-33.500000&CN=-70.650000&l=9",
        "http://apps.nationalmap.gov/viewer/webmap/viewer.html",
        "http://www.google.com/maps?ll=-33.500000,-70.650000&spn=0.060,0.060&t=k",
        "http://wikimapia.org/#lat=-33.50000&lon=-70.65000&z=13&m=s",
        "http://maps.yahoo.com/#q=Santiago%2C+RM&conf=1&start=1&lat=-33.500000&lon=-70.6500"
        "&zoom=12&mvt=s&trf=0",
        "http://www.maptech.com/homepage/index.cfm?lat=-33.500000&lon=-70.650000&scale=24000"
        "&zoom=50&type=3",
        "http://www.topozone.com/map.asp?lat=-33.5000&lon=-70.6500&size=large",
        "http://www.maptech.com/homepage/index.cfm?lat=-33.500000&lon=-70.650000&scale=24000"
        "&zoom=50&type=1",
        "http://wikimapia.org/#lat=-33.50000&lon=-70.65000&z=13&m=t",
        "http://maps.nationalgeographic.com/map-machine#s=r&c=-33.500000,%20-70.650000&z=12",
        "http://www.maptech.com/homepage/index.cfm?lat=-33.500000&lon=-70.650000&scale=24000"
        "&zoom=50&type=2",
        "http://www.maptech.com/homepage/index.cfm?lat=-33.500000&lon=-70.650000&scale=24000"
        "&zoom=50&type=0",
    };
    for (int code = 0; code < MapSiteCount; ++code)
        EXPECT_EQ(GetMap(code, Santiago), QString::fromLatin1(expected[code])) << "code " << code;
    // Codes beyond the twenty are the first site.
    for (int code : {20, 255, -1}) EXPECT_EQ(GetMap(code, Santiago), expected[0]) << code;
}

TEST(GetMap, NumbersRoundedToTheSitesDecimals) {
    EXPECT_EQ(GetMap(0, {40.7127, -74.006, {}, {}}),
              QStringLiteral("http://www.mapquest.com/?q=40.7127000,-74.0060000&zoom=12"));
    EXPECT_EQ(GetMap(0, {-33.5, 151.25, {}, {}}),
              QStringLiteral("http://www.mapquest.com/?q=-33.5000000,151.2500000&zoom=12"));
    // Rounded, and a value that rounds to zero has no sign.
    EXPECT_EQ(GetMap(14, {12.34567, -0.00004, {}, {}}),
              QStringLiteral("http://www.topozone.com/map.asp?lat=12.3457&lon=0.0000&size=large"));
}

TEST(GetMap, CityAndStateEncodedOrEmpty) {
    EXPECT_EQ(
        GetMap(4, {35.0, -80.0, QStringLiteral("Winston-Salem & More"), QStringLiteral("nc")}),
        QStringLiteral("http://maps.yahoo.com/#q=Winston-Salem%20%26%20More%2C+NC&conf=1&start=1"
                       "&lat=35.000000&lon=-80.0000&zoom=12&mvt=m&trf=0"));
    EXPECT_EQ(GetMap(12, {0, 0, {}, {}}),
              QStringLiteral("http://maps.yahoo.com/#q=%2C+&conf=1&start=1&lat=0.000000&lon=0.0000"
                             "&zoom=12&mvt=s&trf=0"));
}

TEST(MapSiteCode, ListEntriesSixteenAndSeventeenSwap) {
    const std::pair<int, int> cases[] = {{-1, 0},  {0, 0},   {9, 9},   {15, 15}, {16, 17},
                                         {17, 16}, {18, 18}, {19, 19}, {20, 0},  {255, 0}};
    for (const auto& [index, code] : cases) EXPECT_EQ(MapSiteCode(index), code) << index;
    EXPECT_STREQ(MapSiteNames[16], "National Geographic");
    EXPECT_TRUE(GetMap(MapSiteCode(16), Santiago)
                    .startsWith(QStringLiteral("http://maps.nationalgeographic.com/")));
    EXPECT_TRUE(GetMap(MapSiteCode(17), Santiago).endsWith(QStringLiteral("&m=t")));
}

}  // namespace
}  // namespace orbelune
