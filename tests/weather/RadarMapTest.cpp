// What the radar map's buttons, hover and clicks decide.
#include "RadarMap.h"

#include "QStringPrinter.h"

#include <gtest/gtest.h>

namespace orbelune {
namespace {

bool IsAlaska(int Location) {
    return Location >= 14 && Location <= 20;
}
bool IsHawaii(int Location) {
    return Location >= 58 && Location <= 61;
}

TEST(RadarDirections, NoPanelOnTheNationalMapsGuamAndSanJuan) {
    for (int location : {0, 1, 57, 133, -1, 169})
        EXPECT_FALSE(DirectionButtons(location, 1, 1.0L).Visible) << location;
}

TEST(RadarDirections, HawaiiSitesUseTheirNeighbourTable) {
    struct TCase {
        int Location;
        std::array<int, 8> Targets;  // N NE E SE S SW W NW
    };
    const TCase cases[] = {
        {58, {59, -1, -1, 60, -1, -1, -1, 61}},
        {59, {-1, -1, -1, 60, 58, -1, -1, 61}},
        {60, {59, 58, -1, -1, -1, -1, -1, 61}},
        {61, {-1, -1, -1, 60, 58, 59, -1, -1}},
    };
    for (const TCase& c : cases) {
        const TDirectionPanel panel = DirectionButtons(c.Location, 1, 1.0L);
        EXPECT_TRUE(panel.Visible);
        for (int tag = 1; tag <= 8; ++tag) {
            const TDirectionButton& b = panel.Buttons[tag - 1];
            EXPECT_EQ(b.Visible, c.Targets[tag - 1] >= 0) << c.Location << ' ' << tag;
            EXPECT_EQ(b.Target, c.Targets[tag - 1]);
            EXPECT_EQ(DirectionTarget(c.Location, tag, 1, 1.0L), c.Targets[tag - 1]);
            EXPECT_EQ(b.Hint, b.Visible ? RadarLocationName(b.Target) : QString());
        }
    }
}

// Every offered button leads to a site in its own direction and within the region:
// Alaska stays with Alaska, Hawaii with Hawaii, Guam and San Juan are never offered.
TEST(RadarDirections, ButtonsStayWithinTheRegion) {
    for (int location = 2; location < RadarLocationCount; ++location) {
        if (location == 57 || location == 133 || IsHawaii(location)) continue;
        for (long double zoom : {1.0L, 2.0L}) {
            const TDirectionPanel panel = DirectionButtons(location, 1, zoom);
            ASSERT_TRUE(panel.Visible) << location;
            const TLonLat reference = XYtoLonLat(300, 275, GetScaleLonLat(location, 1), zoom);
            for (int tag = 1; tag <= 8; ++tag) {
                const TDirectionButton& b = panel.Buttons[tag - 1];
                if (!b.Visible) continue;
                EXPECT_NE(b.Target, 57);
                EXPECT_NE(b.Target, 133);
                EXPECT_EQ(IsAlaska(b.Target), IsAlaska(location) || location == 12) << location;
                EXPECT_EQ(IsHawaii(b.Target), location == 13) << location;
                EXPECT_EQ(PointInQuadrant(SiteCentre(b.Target, 1), reference), tag) << location;
                EXPECT_EQ(b.Hint, RadarLocationName(b.Target));
                EXPECT_EQ(DirectionTarget(location, tag, 1, zoom), b.Target);
            }
        }
    }
    // Mainland sites offer their neighbours; New York its northern ones.
    const TDirectionPanel okx = DirectionButtons(120, 1, 1.0L);
    EXPECT_EQ(okx.Buttons[0].Target, 160);  // N: Burlington
    EXPECT_EQ(okx.Buttons[1].Target, 83);   // NE: Boston
    EXPECT_EQ(okx.Buttons[7].Target, 116);  // NW: Albany
    const TDirectionPanel alaska = DirectionButtons(12, 1, 1.0L);
    EXPECT_TRUE(std::any_of(alaska.Buttons.begin(), alaska.Buttons.end(),
                            [](const TDirectionButton& b) { return b.Visible; }));
}

TEST(RadarMapHover, ShowsThePlaceAndTheNearestSite) {
    TRadarMapState state;
    const TRadarMapView view{120, 1, 1.0L, LeftClickMoveRadar};
    EXPECT_FALSE(RadarMapHover(state, view, 300, 275, true).Show);
    EXPECT_FALSE(RadarMapHover(state, {-1, 1, 1.0L, 0}, 300, 275, false).Show);

    const THoverOutcome centre = RadarMapHover(state, view, 300, 275, false);
    ASSERT_TRUE(centre.Show);
    EXPECT_EQ(centre.Texts.SiteName, " NY - New York City");
    EXPECT_EQ(centre.Texts.Lon, QString::fromUtf8("-72.863917°"));
    EXPECT_EQ(centre.Texts.Lat, QString::fromUtf8("40.865528°"));
    EXPECT_TRUE(centre.Texts.LatDMS.startsWith(QString::fromUtf8("40°")));
    EXPECT_EQ(centre.Texts.LonDMS, QString::fromUtf8("-72°  51'  50''"));
    EXPECT_TRUE(centre.MoveHint);
    EXPECT_EQ(centre.Hint, " NY - New York City");
    EXPECT_EQ(centre.HintAt, QPoint(300, 280));

    // The hint moves only after the mouse has gone two pixels or more.
    struct TStep {
        int X, Y;
        bool Moves;
    };
    for (const TStep& s : {TStep{301, 276, false}, TStep{302, 275, true}, TStep{303, 276, false},
                           TStep{303, 277, true}})
        EXPECT_EQ(RadarMapHover(state, view, s.X, s.Y, false).MoveHint, s.Moves) << s.X << s.Y;

    const THoverOutcome distance =
        RadarMapHover(state, {120, 1, 1.0L, LeftClickDistance}, 0, 0, false);
    EXPECT_TRUE(distance.Texts.SiteName.isEmpty());
    EXPECT_TRUE(distance.Texts.HasLon);
    EXPECT_FALSE(distance.MoveHint);
}

TEST(RadarMapHover, PositionsOffTheGlobeKeepTheirLabels) {
    const TLonLatTexts texts = LonLatTexts("x", 91.0L, -181.0L);
    EXPECT_FALSE(texts.HasLat);
    EXPECT_FALSE(texts.HasLon);
    EXPECT_TRUE(LonLatTexts("x", -90.0L, 180.0L).HasLat);
}

TEST(RadarMapClick, MoveRadarPicksTheNearestSite) {
    TRadarMapState state;
    const QPoint chicago = LonLatToXY({-87.63L, 41.88L}, GetScaleLonLat(0, 1), 1.0L);
    const TClickOutcome click = RadarMapClick(state, {0, 1, 1.0L, LeftClickMoveRadar}, chicago.x(),
                                              chicago.y(), true, false);
    EXPECT_EQ(click.Kind, TClickOutcome::TKind::MoveRadar);
    EXPECT_EQ(click.Location, 66);
    EXPECT_EQ(click.Name, " IL - Chicago");
    EXPECT_EQ(RadarMapClick(state, {0, 1, 1.0L, 0}, 10, 10, false, false).Kind,
              TClickOutcome::TKind::None);
    EXPECT_EQ(RadarMapClick(state, {0, 1, 1.0L, 0}, 10, 10, true, true).Kind,
              TClickOutcome::TKind::None);
}

// At New York a pixel of the short-range map is about half a mile across: 300 pixels
// due east are about 149 miles, 240 km.
TEST(RadarMapClick, DistanceBetweenTwoClicks) {
    using TKind = TClickOutcome::TKind;
    TRadarMapState state;
    const TRadarMapView view{120, 1, 1.0L, LeftClickDistance};
    EXPECT_EQ(RadarMapClick(state, view, 150, 275, true, false).Kind, TKind::DistanceStart);
    EXPECT_FALSE(state.DistanceStartPending);
    const TClickOutcome d = RadarMapClick(state, view, 450, 275, true, false);
    EXPECT_EQ(d.Kind, TKind::Distance);
    EXPECT_TRUE(state.DistanceStartPending);
    EXPECT_TRUE(d.MilesText.endsWith(" Miles"));
    EXPECT_NEAR(d.MilesText.section(' ', 0, 0).toInt(), 149, 1);
    EXPECT_TRUE(d.KmText.endsWith(" Kilometers"));
    EXPECT_NEAR(d.KmText.section(' ', 0, 0).toInt(), 240, 1);
    EXPECT_EQ(d.Hint, d.KmText + " = " + d.MilesText);
    EXPECT_EQ(d.HintAt, QPoint(450, 280));

    // The same point twice: no distance and no hint.
    RadarMapClick(state, view, 50, 60, true, false);
    const TClickOutcome zero = RadarMapClick(state, view, 50, 60, true, false);
    EXPECT_EQ(zero.Kind, TKind::Distance);
    EXPECT_TRUE(zero.MilesText.isEmpty());
    EXPECT_TRUE(zero.Hint.isEmpty());
}

TEST(RadarMapButtons, ZoomAlternatesExceptOnTheLargeMap) {
    EXPECT_FALSE(ZoomButClick(1, 1.0L).Changed);
    const TZoomOutcome in = ZoomButClick(120, 1.0L);
    EXPECT_TRUE(in.Changed);
    EXPECT_EQ(in.Zoom, 2.0L);
    EXPECT_EQ(in.Caption, "Zoom Out");
    const TZoomOutcome out = ZoomButClick(0, 2.0L);
    EXPECT_EQ(out.Zoom, 1.0L);
    EXPECT_EQ(out.Caption, "Zoom In");
}

}  // namespace
}  // namespace orbelune
