// The moon pictures of the resources, the shadow rule, the quarter turns and the
// tray icon, checked on images rendered offscreen.
#include "MoonImageLists.h"
#include "MoonPicture.h"
#include "MoonRendering.h"

#include "ah_math.h"

#include <QColor>

#include <gtest/gtest.h>

#include <cmath>

namespace orbelune {
namespace {

bool IsBlack(QRgb c) {
    return qRed(c) == 0 && qGreen(c) == 0 && qBlue(c) == 0;
}

double Luminance(QRgb c) {
    return 0.299 * qRed(c) + 0.587 * qGreen(c) + 0.114 * qBlue(c);
}

// A white picture of the row's size: every painted pixel shows as black.
QImage WhiteCanvas(const TMoonSizeRow& row) {
    QImage image(row.Width, row.Height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// The dark columns of a row as a first..last run; {-1, -2} when none.
std::pair<int, int> DarkRun(const QImage& image, int y) {
    int first = -1, last = -2;
    for (int x = 0; x < image.width(); ++x)
        if (IsBlack(image.pixel(x, y))) {
            if (first < 0) first = x;
            last = x;
        }
    return {first, last};
}

int DarkCount(const QImage& image, int y) {
    int n = 0;
    for (int x = 0; x < image.width(); ++x) n += IsBlack(image.pixel(x, y));
    return n;
}

// The dark run each row should have: half width L = Round(l) of the disc and
// terminator offset T = Round(CosDeg(angle) l) in extended precision, both to even,
// with the shadow on the left below 180 degrees and on the right from 180 on.
std::pair<int, int> ExpectedRun(const TMoonSizeRow& row, int y, long double angle) {
    const int h = std::abs(y - row.CentreY);
    const long double l = std::sqrt((long double)(row.Radius * row.Radius - h * h));
    const int L = int(std::nearbyint(l));
    const int T = int(std::nearbyint(CosDeg(angle) * l));
    if (angle < 180) return {row.CentreX - L, row.CentreX - T};
    return {row.CentreX + T, row.CentreX + L};
}

TEST(MoonShadow, DarkRunsPerRowFollowTheRuleAtEveryPhase) {
    // 0 full, 90 first quarter, 180 new, 270 last quarter and the octants between.
    for (const TMoonSizeRow& row : MoonSizeTable)
        for (long double angle : {0.0L, 30.0L, 45.0L, 90.0L, 135.0L, 150.0L, 180.0L, 210.0L, 225.0L,
                                  270.0L, 315.0L, 345.0L}) {
            QImage image = WhiteCanvas(row);
            DrawShadow(image, row.CentreX, row.CentreY, row.Radius, row.SiteX, row.SiteY, angle,
                       false);
            for (int y = 0; y < row.Height; ++y) {
                SCOPED_TRACE(testing::Message()
                             << row.Width << " px, " << double(angle) << " deg, row " << y);
                if (std::abs(y - row.CentreY) > row.Radius) {
                    EXPECT_EQ(DarkCount(image, y), 0);
                    continue;
                }
                const auto want = ExpectedRun(row, y, angle);
                EXPECT_EQ(DarkRun(image, y), want);
                EXPECT_EQ(DarkCount(image, y), want.second - want.first + 1);
            }
        }
}

TEST(MoonShadow, TheFourMainPhasesOnTheLargeDisc) {
    const TMoonSizeRow& row = MoonSizeRow(TMoonSize::ms64);
    auto shade = [&](double angle) {
        QImage image = WhiteCanvas(row);
        DrawShadow(image, 31, 28, 28, 41, 29, angle, false);
        return image;
    };
    // Full: only the left limb pixel of each row; on the middle row x = 31 - 28.
    QImage full = shade(0);
    EXPECT_EQ(DarkRun(full, 28), std::make_pair(3, 3));
    EXPECT_EQ(DarkRun(full, 0), std::make_pair(31, 31));
    // First quarter: the left half with the centre column.
    EXPECT_EQ(DarkRun(shade(90), 28), std::make_pair(3, 31));
    // New: the whole disc.
    EXPECT_EQ(DarkRun(shade(180), 28), std::make_pair(3, 59));
    EXPECT_EQ(DarkRun(shade(180), 56), std::make_pair(31, 31));
    // Last quarter: the right half with the centre column.
    EXPECT_EQ(DarkRun(shade(270), 28), std::make_pair(31, 59));
}

TEST(MoonShadow, HalfPixelTerminatorsRoundToEven) {
    // Exact ties of g x l in extended precision: CosDeg(300) is 0.5 and
    // CosDeg(150) sqrt(75) is -7.5. Without 80-bit arithmetic there are none.
    if (CosDeg(300.0L) != 0.5L || CosDeg(150.0L) * std::sqrt(75.0L) != -7.5L)
        GTEST_SKIP() << "no exact ties without extended precision";
    // Tiny disc, middle row, l = 7: T = Round(3.5) = 4, shadow on the right from 7 + 4.
    QImage tiny = WhiteCanvas(MoonSizeRow(TMoonSize::ms16));
    DrawShadow(tiny, 7, 7, 7, 9, 7, 300.0L, false);
    EXPECT_EQ(DarkRun(tiny, 7), std::make_pair(11, 14));
    // Small disc, h = 11, l = sqrt(75): T = Round(-7.5) = -8 (half up would give -7);
    // the shadow on the left runs from 15 + 8 to the limb at 15 - 9.
    QImage small = WhiteCanvas(MoonSizeRow(TMoonSize::ms32));
    DrawShadow(small, 15, 14, 14, 20, 15, 150.0L, false);
    EXPECT_EQ(DarkRun(small, 3), std::make_pair(6, 23));
    EXPECT_EQ(DarkRun(small, 25), std::make_pair(6, 23));
    // A disc of radius 13, h = 12, l = 5: T = Round(2.5) = 2 (half away would give 3).
    QImage image(27, 27, QImage::Format_RGB32);
    image.fill(Qt::white);
    DrawShadow(image, 13, 13, 13, 0, 0, 300.0L, false);
    EXPECT_EQ(DarkRun(image, 25), std::make_pair(15, 18));
    EXPECT_EQ(DarkRun(image, 1), std::make_pair(15, 18));
}

TEST(MoonShadow, LinesRunFromTheTerminatorToTheLimbOnTheirSide) {
    // 180 exactly darkens from the right, 179.9 from the left; both cover the row.
    const auto right = ShadowLines(31, 28, 28, 180.0L);
    const auto left = ShadowLines(31, 28, 28, 179.9L);
    ASSERT_EQ(right.size(), 58u);
    EXPECT_EQ(right[0].Y, 28);
    EXPECT_EQ(right[1].Y, 28);  // the middle row is drawn twice
    EXPECT_EQ(right[0].FromX, 3);
    EXPECT_EQ(right[0].ToX, 60);
    EXPECT_EQ(left[0].FromX, 59);
    EXPECT_EQ(left[0].ToX, 2);
    EXPECT_TRUE(ShadowLines(31, 28, 28, std::nanl("")).empty());
}

TEST(MoonShadow, LandingSiteIsMarkedRedBeforeTheShadow) {
    const TMoonSizeRow& row = MoonSizeRow(TMoonSize::ms64);
    QImage lit = WhiteCanvas(row);
    DrawShadow(lit, 31, 28, 28, 41, 29, 90, true);
    EXPECT_EQ(lit.pixel(41, 29), qRgb(255, 0, 0));
    QImage dark = WhiteCanvas(row);
    DrawShadow(dark, 31, 28, 28, 41, 29, 180, true);
    EXPECT_TRUE(IsBlack(dark.pixel(41, 29)));
    QImage unmarked = WhiteCanvas(row);
    DrawShadow(unmarked, 31, 28, 28, 41, 29, 90, false);
    EXPECT_EQ(unmarked.pixel(41, 29), qRgb(255, 255, 255));
}

TEST(MoonRotation, QuarterAndHalfTurns) {
    // A 3 x 3 picture with one marked pixel at (2, 0), the top right corner.
    auto marked = [] {
        QImage image(3, 3, QImage::Format_RGB32);
        image.fill(Qt::black);
        image.setPixel(2, 0, qRgb(255, 255, 255));
        image.setPixel(1, 0, qRgb(0, 0, 255));
        return image;
    };
    QImage turned = marked();
    RotatePicture(turned, TRotate::rot_90);  // counter-clockwise: top right to top left
    EXPECT_EQ(turned.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(turned.pixel(0, 1), qRgb(0, 0, 255));
    turned = marked();
    RotatePicture(turned, TRotate::rot_270);  // clockwise: top right to bottom right
    EXPECT_EQ(turned.pixel(2, 2), qRgb(255, 255, 255));
    EXPECT_EQ(turned.pixel(2, 1), qRgb(0, 0, 255));
    turned = marked();
    RotatePicture(turned, TRotate::rot_180);  // every pixel mirrored, the edges too
    EXPECT_EQ(turned.pixel(0, 2), qRgb(255, 255, 255));
    EXPECT_EQ(turned.pixel(1, 2), qRgb(0, 0, 255));
    EXPECT_EQ(turned.pixel(2, 0), qRgb(0, 0, 0));
    turned = marked();
    RotatePicture(turned, TRotate::rot_none);
    EXPECT_EQ(turned, marked());
}

TEST(MoonBitmaps, EverySizeAndStyleHasItsDiscWhereTheTableSays) {
    for (const TMoonSizeRow& row : MoonSizeTable)
        for (TMoonStyle style : {TMoonStyle::msClassic, TMoonStyle::msColor}) {
            SCOPED_TRACE(MoonBitmapName(style, row.Size).toStdString());
            const QImage picture = LoadMoonBitmap(MoonBitmapName(style, row.Size));
            const QImage mask = LoadMoonBitmap(MoonMaskName(row.Size));
            ASSERT_EQ(picture.size(), QSize(row.Width, row.Height));
            ASSERT_EQ(mask.size(), QSize(row.Width, row.Height));
            // The disc: rows within the radius, columns within Round(sqrt(R^2 - h^2)).
            for (int y = 0; y < row.Height; ++y)
                for (int x = 0; x < row.Width; ++x) {
                    const int h = std::abs(y - row.CentreY);
                    const bool inside =
                        h <= row.Radius &&
                        std::abs(x - row.CentreX) <=
                            std::nearbyint(std::sqrt(double(row.Radius * row.Radius - h * h)));
                    EXPECT_EQ(mask.pixel(x, y) == qRgb(255, 255, 255), !inside) << x << "," << y;
                    EXPECT_EQ(IsBlack(picture.pixel(x, y)), !inside) << x << "," << y;
                }
        }
    EXPECT_EQ(MoonBitmapName(TMoonStyle::msClassic, TMoonSize::ms64), "MOON_LARGE");
    EXPECT_EQ(MoonBitmapName(TMoonStyle::msColor, TMoonSize::ms32), "MOON_COLOR_SMALL");
    EXPECT_EQ(MoonMaskName(TMoonSize::ms16), "MOON_BW_TINY");
    EXPECT_TRUE(LoadMoonBitmap("NO_SUCH_PICTURE").isNull());
}

TEST(MoonBitmaps, ColourDepthsAsStored) {
    // 16 colours in the classic pictures, up to 256 in the colour ones, one bit in
    // the masks: the files are palette pictures of 4, 8 and 1 bits.
    for (const TMoonSizeRow& row : MoonSizeTable) {
        const QImage classic(":/moon/" + MoonBitmapName(TMoonStyle::msClassic, row.Size));
        const QImage colour(":/moon/" + MoonBitmapName(TMoonStyle::msColor, row.Size));
        const QImage mask(":/moon/" + MoonMaskName(row.Size));
        EXPECT_LE(classic.colorCount(), 16);
        EXPECT_GT(classic.colorCount(), 0);
        EXPECT_LE(colour.colorCount(), 256);
        EXPECT_GT(colour.colorCount(), 16);
        EXPECT_EQ(mask.depth(), 1);
    }
}

// Mean luminance rank of a pixel among the disc's pixels, 0 darkest .. 1 brightest.
double DiscRank(const QImage& picture, const QImage& mask, int px, int py) {
    int below = 0, all = 0;
    const double v = Luminance(picture.pixel(px, py));
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (mask.pixel(x, y) != qRgb(255, 255, 255)) {
                ++all;
                below += Luminance(picture.pixel(x, y)) < v;
            }
    return double(below) / all;
}

TEST(MoonBitmaps, LandingSiteLiesOnTheDarkMare) {
    // Mare Tranquillitatis is among the darkest quarter of the full Moon's face.
    for (const TMoonSizeRow& row : MoonSizeTable) {
        SCOPED_TRACE(row.Width);
        const QImage colour = LoadMoonBitmap(MoonBitmapName(TMoonStyle::msColor, row.Size));
        const QImage mask = LoadMoonBitmap(MoonMaskName(row.Size));
        EXPECT_LT(DiscRank(colour, mask, row.SiteX, row.SiteY), 0.25);
    }
}

TEST(MoonBitmaps, MareCrisiumNearTheRightLimbAndTychoBrightInTheSouth) {
    // Orthographic view from 4 N 6 E (the pictures' libration): Mare Crisium at
    // 17 N 59 E is dark, near the right limb; the rays of Tycho at 43 S 11 W bright.
    const TMoonSizeRow& row = MoonSizeRow(TMoonSize::ms64);
    const QImage colour = LoadMoonBitmap("MOON_COLOR_LARGE");
    const QImage mask = LoadMoonBitmap("MOON_BW_LARGE");
    auto pixelOf = [&](double lat, double lon) {
        const double d = M_PI / 180, lat0 = 4 * d, lon0 = 6 * d;
        const double u = std::cos(lat * d) * std::sin(lon * d - lon0);
        const double v = std::cos(lat0) * std::sin(lat * d) -
                         std::sin(lat0) * std::cos(lat * d) * std::cos(lon * d - lon0);
        return QPoint(int(std::lround(row.CentreX + u * (row.Radius + 0.5))),
                      int(std::lround(row.CentreY - v * (row.Radius + 0.5))));
    };
    const QPoint crisium = pixelOf(17, 59);
    EXPECT_GT(crisium.x(), row.CentreX + row.Radius * 0.7);
    EXPECT_LT(DiscRank(colour, mask, crisium.x(), crisium.y()), 0.2);
    const QPoint tycho = pixelOf(-43, -11);
    EXPECT_GT(tycho.y(), row.CentreY);
    EXPECT_GT(DiscRank(colour, mask, tycho.x(), tycho.y()), 0.6);
}

TEST(MoonIcon, SizeRowsAndTransparency) {
    EXPECT_EQ(IconMoonSize(16), TMoonSize::ms16);
    EXPECT_EQ(IconMoonSize(32), TMoonSize::ms32);
    EXPECT_EQ(IconMoonSize(48), TMoonSize::ms32);
    EXPECT_EQ(IconMoonSize(64), TMoonSize::ms64);
    for (int size : {16, 32, 64}) {
        SCOPED_TRACE(size);
        const TMoonSizeRow& row = MoonSizeRow(IconMoonSize(size));
        const QImage icon = MoonIconImage(TMoonStyle::msColor, TRotate::rot_none, size, 90, false);
        ASSERT_EQ(icon.size(), QSize(size, size));
        EXPECT_TRUE(icon.hasAlphaChannel());
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(icon.pixel(size - 1, size - 1)), 0);
        // The disc is opaque, its shadowed half black, its lit half not.
        EXPECT_EQ(qAlpha(icon.pixel(row.CentreX - 1, row.CentreY)), 255);
        EXPECT_TRUE(IsBlack(icon.pixel(row.CentreX - 1, row.CentreY)));
        EXPECT_EQ(qAlpha(icon.pixel(row.CentreX + 2, row.CentreY)), 255);
        EXPECT_FALSE(IsBlack(icon.pixel(row.CentreX + 2, row.CentreY)));
    }
}

TEST(MoonIcon, FortyEightPixelsHoldTheSmallMoonInTheTopLeftCorner) {
    const QImage icon = MoonIconImage(TMoonStyle::msClassic, TRotate::rot_none, 48, 0, false);
    ASSERT_EQ(icon.size(), QSize(48, 48));
    EXPECT_EQ(qAlpha(icon.pixel(15, 14)), 255);
    EXPECT_EQ(qAlpha(icon.pixel(29, 14)), 255);  // right limb of the 32-pixel disc
    EXPECT_EQ(qAlpha(icon.pixel(30, 14)), 0);
    for (int i = 32; i < 48; ++i) {
        EXPECT_EQ(qAlpha(icon.pixel(i, 14)), 0);
        EXPECT_EQ(qAlpha(icon.pixel(15, i)), 0);
    }
}

TEST(MoonIcon, TurnsWithThePicture) {
    const QImage north = MoonIconImage(TMoonStyle::msColor, TRotate::rot_none, 32, 90, true);
    const QImage south = MoonIconImage(TMoonStyle::msColor, TRotate::rot_180, 32, 90, true);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            ASSERT_EQ(south.pixel(31 - x, 31 - y), north.pixel(x, y)) << x << "," << y;
    EXPECT_EQ(north.pixel(20, 15), qRgb(255, 0, 0));
}

}  // namespace
}  // namespace orbelune

namespace orbelune {
namespace {

// Drawn from the map at a pixel ratio: at 1 it agrees with the committed pictures (made
// by tools/moonpictures.py from the full map with 8 x 8 samples), at 1.5 and 2 it is
// the same Moon with detail of its own in the extra pixels, not an enlargement.
TEST(MoonAtPixelRatio, AgreesWithTheCommittedPicturesAndAddsDetail) {
    for (const TMoonSize size : {TMoonSize::ms64, TMoonSize::ms32}) {
        const QImage stored = LoadMoonPicture(MoonBitmapName(TMoonStyle::msColor, size));
        const QImage mask = LoadMoonBitmap(MoonMaskName(size));
        const QImage drawn = RenderMoonDisc(TMoonStyle::msColor, size, 1.0);
        ASSERT_EQ(drawn.size(), stored.size());
        double difference = 0;
        int discPixels = 0;
        for (int y = 0; y < drawn.height(); ++y)
            for (int x = 0; x < drawn.width(); ++x) {
                const bool inDisc = mask.pixel(x, y) != qRgb(255, 255, 255);
                ASSERT_EQ(qAlpha(drawn.pixel(x, y)) == 255, inDisc) << x << "," << y;
                if (!inDisc) continue;
                difference += std::abs(qGray(drawn.pixel(x, y)) - qGray(stored.pixel(x, y)));
                ++discPixels;
            }
        EXPECT_LT(difference / discPixels, 12.0) << "mean grey difference";
    }
    for (const double ratio : {1.5, 2.0}) {
        const QImage sharp = MoonPictureAt(TMoonStyle::msColor, TMoonSize::ms64, TRotate::rot_none,
                                           0.0L, false, ratio);
        EXPECT_EQ(sharp.width(), static_cast<int>(64 * ratio)) << ratio;
        EXPECT_EQ(sharp.devicePixelRatio(), ratio);
        // Neighbouring pixels inside the disc differ far more often than an enlarged
        // picture's, whose pixels come in equal blocks.
        int pairs = 0, differing = 0;
        for (int y = 30; y < sharp.height() - 30; ++y)
            for (int x = 30; x + 1 < sharp.width() - 30; x += 2) {
                ++pairs;
                if (sharp.pixel(x, y) != sharp.pixel(x + 1, y)) ++differing;
            }
        EXPECT_GT(differing, pairs * 3 / 4) << ratio;
    }
    // At a quarter phase the left half of the scaled disc is dark, the right half lit.
    const QImage quarter =
        MoonPictureAt(TMoonStyle::msClassic, TMoonSize::ms64, TRotate::rot_none, 90.0L, false, 2.0);
    const TScaledDisc disc = ScaledDisc(TMoonSize::ms64, 2.0);
    EXPECT_EQ(quarter.pixel(disc.CentreX - disc.Radius / 2, disc.CentreY), qRgb(0, 0, 0));
    EXPECT_GE(qGray(quarter.pixel(disc.CentreX + disc.Radius / 2, disc.CentreY)), 128);

    // The first quarter's phase icon: the committed picture at 16 pixels, drawn afresh at
    // 32 with the same half lit; the southern one turned.
    const QList<QImage> north = LoadNorthImageList();
    EXPECT_EQ(LunationIcon(north[6], 6, false).pixmap(QSize(16, 16)).toImage(),
              north[6].convertToFormat(QImage::Format_ARGB32_Premultiplied));
    const QImage large = LunationIcon(north[6], 6, false).pixmap(QSize(32, 32)).toImage();
    const QImage turned = LunationIcon(north[6], 6, true).pixmap(QSize(32, 32)).toImage();
    ASSERT_EQ(large.size(), QSize(32, 32));
    EXPECT_EQ(large.pixel(8, 15), qRgb(0, 0, 0));
    EXPECT_GT(qGray(large.pixel(20, 15)), 60);
    EXPECT_EQ(turned.pixel(31 - 8, 31 - 15), qRgb(0, 0, 0));
}

}  // namespace
}  // namespace orbelune
