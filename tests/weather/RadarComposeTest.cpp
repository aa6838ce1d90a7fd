// A site's frame composed from its layers as the radar server sends them (GIF layers
// with a transparent colour, a JPEG topography): which layer shows where, the zoom and
// the site marks.
#include "ImageDownloads.h"
#include "RadarCompose.h"
#include "TestGif.h"

#include <gtest/gtest.h>

#include <QPainter>

namespace orbelune {
namespace {

constexpr QRgb Key = 0xFF00FF;
constexpr QRgb Land = 0x285A28;
const QPoint Stack(100, 100);    // every overlay has a pixel here
const QPoint Radar(200, 200);    // only the radar layer, a block of 4 x 4 from here
const QPoint Rings(300, 100);    // warnings and range rings
const QPoint Nothing(500, 500);  // no layer but the topography

// A GIF layer as decoded from the server's bytes: transparent but for the given pixels
// (or blocks of Size pixels).
QImage Layer(std::initializer_list<std::pair<QPoint, QRgb>> Pixels, QSize Size = {1, 1}) {
    QImage image(600, 550, QImage::Format_RGB32);
    image.fill(Key);
    QPainter paint(&image);
    for (const auto& [at, colour] : Pixels) paint.fillRect(QRect(at, Size), QColor(colour));
    paint.end();
    QImage decoded;
    EXPECT_FALSE(DecodeImage(test::TestGif(image, Key), true, decoded).Any());
    return decoded;
}

struct TFixture {
    TRadarLayers Layers;
    TRadarRequest Request;
};

TFixture Fixture() {
    TFixture f;
    TRadarLayers& l = f.Layers;
    l.Image(TRadarLayer::Topo) = QImage(600, 550, QImage::Format_RGB32);
    l.Image(TRadarLayer::Topo).fill(Land);
    l.Image(TRadarLayer::Radar) = Layer({{Stack, 0x0000C8}, {Radar, 0x00C800}}, {4, 4});
    l.Image(TRadarLayer::Counties) = Layer({{Stack, 0x101010}});
    l.Image(TRadarLayer::Rivers) = Layer({{Stack, 0x202020}});
    l.Image(TRadarLayer::Highways) = Layer({{Stack, 0x303030}});
    l.Image(TRadarLayer::Cities) = Layer({{Stack, 0x404040}});
    l.Image(TRadarLayer::Warnings) = Layer({{Stack, 0xFF0000}, {Rings, 0xFFFF00}});
    l.Image(TRadarLayer::RangeRings) = Layer({{Rings, 0x606060}});
    l.Image(TRadarLayer::Legend) = Layer({{{0, 0}, 0x707070}});
    l.Loaded.fill(true);
    f.Request.Location = 120;  // New York City
    f.Request.ProductIndex = 1;
    f.Request.ShowSites = false;
    return f;
}

QRgb At(const QImage& Image, QPoint P) {
    return Image.pixel(P) & 0xFFFFFF;
}

TEST(RadarCompose, LayersStackInOrderOverTheTopography) {
    TFixture f = Fixture();
    const TComposedFrame frame = ComposeRadarFrame(f.Layers, f.Request, true);
    ASSERT_EQ(frame.Picture.size(), QSize(600, 550));
    EXPECT_EQ(At(frame.Picture, Nothing), Land);  // transparent everywhere else
    EXPECT_EQ(At(frame.Picture, Radar), 0x00C800u);
    EXPECT_EQ(At(frame.Picture, Stack), 0xFF0000u);   // warnings over the cities
    EXPECT_EQ(At(frame.Picture, Rings), 0x606060u);   // range rings over the warnings
    EXPECT_EQ(At(frame.Picture, {0, 0}), 0x707070u);  // the legend last
    // The warning colours of the last frame are read.
    EXPECT_TRUE(frame.Warnings.Tornado && frame.Warnings.Severe);
    EXPECT_FALSE(frame.Warnings.Flood || frame.Warnings.Marine);

    // Without the warnings drawn the cities show; the colours are still read when the
    // labels are wanted, but only on the last frame.
    f.Request.Layers.Warnings = false;
    const TComposedFrame quiet = ComposeRadarFrame(f.Layers, f.Request, false);
    EXPECT_EQ(At(quiet.Picture, Stack), 0x404040u);
    EXPECT_FALSE(quiet.Warnings.Any());

    // A layer not loaded is left out; without the topography the ground is black.
    f.Layers.IsLoaded(TRadarLayer::Cities) = false;
    f.Layers.IsLoaded(TRadarLayer::Topo) = false;
    const TComposedFrame bare = ComposeRadarFrame(f.Layers, f.Request, false);
    EXPECT_EQ(At(bare.Picture, Stack), 0x303030u);
    EXPECT_EQ(At(bare.Picture, Nothing), 0x000000u);
}

TEST(RadarCompose, ZoomTwoDoublesTheFrame) {
    TFixture f = Fixture();
    f.Request.Zoom = 2.0L;
    const TComposedFrame frame = ComposeRadarFrame(f.Layers, f.Request, false);
    ASSERT_EQ(frame.Picture.size(), QSize(1200, 1100));
    // Pixels become blocks of 2 x 2 (smoothed at their edges).
    EXPECT_EQ(At(frame.Picture, Radar * 2 + QPoint(3, 3)), 0x00C800u);
    EXPECT_EQ(At(frame.Picture, Radar * 2 + QPoint(4, 5)), 0x00C800u);
    EXPECT_EQ(At(frame.Picture, Nothing * 2), Land);
}

TEST(RadarCompose, SitesAndHomeAreMarked) {
    TFixture f = Fixture();
    f.Request.ShowSites = true;
    f.Request.Home = {-74.0, 40.2};  // south of the radar, inside its image
    const TComposedFrame frame = ComposeRadarFrame(f.Layers, f.Request, false);
    // The image is centred on its own radar, which is marked in cream ($F0FBFF).
    const TScaleLonLat map = GetScaleLonLat(120, 1);
    const QPoint site = LonLatToXY(SiteCentre(120, 1), map, 1.0L);
    EXPECT_LE((site - QPoint(300, 275)).manhattanLength(), 2);
    EXPECT_EQ(At(frame.Picture, site), 0xFFFBF0u);
    // Home in aqua ($FFFF00), with a black outline around it.
    const QPoint home = LonLatToXY(f.Request.Home, map, 1.0L);
    EXPECT_EQ(At(frame.Picture, home), 0x00FFFFu);
    int outline = 0;
    for (int dx = -5; dx <= 5; ++dx)
        if (At(frame.Picture, home + QPoint(dx, 0)) == 0) ++outline;
    EXPECT_GE(outline, 2);
    EXPECT_EQ(At(frame.Picture, Nothing), Land);
}

}  // namespace
}  // namespace orbelune
