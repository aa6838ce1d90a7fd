// The TMoon component offscreen: its picture at the main phases and between them,
// the southern turn, the landing-site mark, redraw rules and the tray icon.
#include "MoonComponent.h"

#include "FakePlatform.h"
#include "MoonImageLists.h"
#include "ah_math.h"

#include <QApplication>
#include <QStyle>

#include <gtest/gtest.h>

#include <cmath>

namespace orbelune {
namespace {

constexpr TDateTime Jan1st2000 = 36526;  // 2000-01-01 00:00
constexpr TDateTime OneSecond = 1.0 / 86400;

bool IsBlack(QRgb c) {
    return qRed(c) == 0 && qGreen(c) == 0 && qBlue(c) == 0;
}

// A colour Moon of the given size without the landing-site mark.
struct MoonFixture : testing::Test {
    void SetUp() override {
        platform.Clock.Value = Jan1st2000;
        moon = std::make_unique<TMoon>();
        moon->SetShowApollo11(false);
        moon->SetMoonStyle(TMoonStyle::msColor);
    }
    test::TFakePlatform platform;
    std::unique_ptr<TMoon> moon;
};

// The picture's black pixels on each row of the disc match the shadow rule for the
// component's phase angle: Round(CosDeg(angle) sqrt(R^2 - h^2)) from the centre to
// the left limb below 180 degrees, to the right limb from 180 on.
void ExpectShadowRule(const TMoon& moon) {
    const TMoonSizeRow& row = MoonSizeRow(moon.MoonSize());
    const long double angle = moon.PhaseAngle();
    for (int y = row.CentreY - row.Radius; y <= row.CentreY + row.Radius; ++y) {
        const int h = std::abs(y - row.CentreY);
        const long double l = std::sqrt((long double)(row.Radius * row.Radius - h * h));
        const int L = int(std::nearbyint(l));
        const int T = int(std::nearbyint(CosDeg(angle) * l));
        const int first = angle < 180 ? row.CentreX - L : row.CentreX + T;
        const int last = angle < 180 ? row.CentreX - T : row.CentreX + L;
        for (int x = row.CentreX - L; x <= row.CentreX + L; ++x)
            ASSERT_EQ(IsBlack(moon.Picture().pixel(x, y)), x >= first && x <= last)
                << "angle " << double(angle) << " at " << x << "," << y;
    }
}

// Published instants of January 2000 (UT): new moon 6th 18:14, first quarter 14th
// 13:34, full moon 21st 04:40, last quarter 28th 07:57. Phase angles within 6
// degrees of 180 and 0 (the Moon's latitude), within 1 degree of 90 and 270.
TEST_F(MoonFixture, MainPhasesDarkenTheDiscByTheRule) {
    struct Case {
        TDateTime date;
        double angle, tolerance;
    };
    for (const Case& c : {Case{Jan1st2000 + 5 + (18 + 14 / 60.0) / 24, 180, 6},
                          Case{Jan1st2000 + 13 + (13 + 34 / 60.0) / 24, 90, 1},
                          Case{Jan1st2000 + 20 + (4 + 40 / 60.0) / 24, 0, 6},
                          Case{Jan1st2000 + 27 + (7 + 57 / 60.0) / 24, 270, 1}})
        for (TMoonSize size : {TMoonSize::ms64, TMoonSize::ms32, TMoonSize::ms16}) {
            moon->SetMoonSize(size);
            moon->SetDate(c.date);
            const double off = std::remainder(double(moon->PhaseAngle()) - c.angle, 360.0);
            EXPECT_LT(std::abs(off), c.tolerance) << c.date;
            ExpectShadowRule(*moon);
        }
}

TEST_F(MoonFixture, PhasesBetweenDarkenTheDiscByTheRule) {
    // Crescent, gibbous, gibbous, crescent: 10th, 18th, 25th January, 2nd February.
    for (double day : {9.0, 17.0, 24.0, 32.0})
        for (TMoonSize size : {TMoonSize::ms64, TMoonSize::ms32, TMoonSize::ms16}) {
            moon->SetMoonSize(size);
            moon->SetDate(Jan1st2000 + day);
            ExpectShadowRule(*moon);
        }
    // Waxing: the shadow on the left; waning: on the right.
    moon->SetMoonSize(TMoonSize::ms64);
    moon->SetDate(Jan1st2000 + 9);
    EXPECT_LT(moon->PhaseAngle(), 180);
    EXPECT_TRUE(IsBlack(moon->Picture().pixel(5, 28)));
    EXPECT_FALSE(IsBlack(moon->Picture().pixel(57, 28)));
    moon->SetDate(Jan1st2000 + 32);
    EXPECT_GT(moon->PhaseAngle(), 180);
    EXPECT_FALSE(IsBlack(moon->Picture().pixel(5, 28)));
    EXPECT_TRUE(IsBlack(moon->Picture().pixel(57, 28)));
}

TEST_F(MoonFixture, SouthernRotationTurnsThePictureHalfATurn) {
    moon->SetDate(Jan1st2000 + 13.5);  // first quarter: lit on the right in the north
    const QImage north = moon->Picture();
    moon->SetRotation(TRotate::rot_180);
    const QImage& south = moon->Picture();
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            ASSERT_EQ(south.pixel(63 - x, 63 - y), north.pixel(x, y)) << x << "," << y;
    EXPECT_FALSE(IsBlack(south.pixel(63 - 50, 63 - 28)));  // lit on the left
    EXPECT_TRUE(IsBlack(south.pixel(63 - 10, 63 - 28)));
}

// Outside the disc the picture is see-through at every phase and turn; the new moon's
// disc stays an opaque dark disc rather than a black square.
TEST_F(MoonFixture, OnlyTheDiscIsOpaque) {
    for (TDateTime date : {Jan1st2000 + 5 + (18 + 14 / 60.0) / 24, Jan1st2000 + 20.2})
        for (TRotate turn : {TRotate::rot_none, TRotate::rot_180})
            for (TMoonSize size : {TMoonSize::ms64, TMoonSize::ms32, TMoonSize::ms16}) {
                moon->SetDate(date);
                moon->SetRotation(turn);
                moon->SetMoonSize(size);
                const QImage& picture = moon->Picture();
                const TMoonSizeRow& row = MoonSizeRow(size);
                const int cx =
                    turn == TRotate::rot_none ? row.CentreX : row.Width - 1 - row.CentreX;
                const int cy =
                    turn == TRotate::rot_none ? row.CentreY : row.Height - 1 - row.CentreY;
                const int last = row.Width - 1;
                for (QPoint corner :
                     {QPoint(0, 0), QPoint(last, 0), QPoint(0, last), QPoint(last, last)})
                    EXPECT_EQ(qAlpha(picture.pixel(corner)), 0) << row.Width << " " << corner.x();
                EXPECT_EQ(qAlpha(picture.pixel(cx, cy)), 255) << row.Width;
            }
}

TEST_F(MoonFixture, LandingSiteMarkedOnlyAfterTheLanding) {
    // 1969-07-20 20:17:43.
    EXPECT_DOUBLE_EQ(moon->LandingDate(), 25404 + (20 + (17 + 43 / 60.0) / 60) / 24);
    moon->SetShowApollo11(true);
    moon->SetDate(moon->LandingDate());
    EXPECT_FALSE(moon->LandingSiteMarked());
    EXPECT_NE(moon->Picture().pixel(41, 29), qRgb(255, 0, 0));
    moon->SetDate(moon->LandingDate() + OneSecond);
    EXPECT_TRUE(moon->LandingSiteMarked());
    // The landing came soon after sunrise at the site: the terminator of that
    // evening covers the mark in every size.
    EXPECT_TRUE(IsBlack(moon->Picture().pixel(41, 29)));
    moon->SetShowApollo11(false);
    EXPECT_FALSE(moon->LandingSiteMarked());
    // A few days later the site is in sunlight and shows red in every size.
    moon->SetShowApollo11(true);
    moon->SetDate(moon->LandingDate() + 4);
    EXPECT_EQ(moon->Picture().pixel(41, 29), qRgb(255, 0, 0));
    moon->SetMoonSize(TMoonSize::ms32);
    EXPECT_EQ(moon->Picture().pixel(20, 15), qRgb(255, 0, 0));
    moon->SetMoonSize(TMoonSize::ms16);
    EXPECT_EQ(moon->Picture().pixel(9, 7), qRgb(255, 0, 0));
}

TEST(MoonComponent, CreatedAtNowWithTheLargeClassicMoon) {
    test::TFakePlatform platform;
    platform.Clock.Value = Jan1st2000 + 13.5;
    TMoon moon;
    EXPECT_EQ(moon.Date(), Jan1st2000 + 13.5);
    EXPECT_FALSE(moon.DateSet());
    EXPECT_EQ(moon.MoonSize(), TMoonSize::ms64);
    EXPECT_EQ(moon.size(), QSize(64, 64));
    EXPECT_EQ(moon.Picture().size(), QSize(64, 64));
    EXPECT_EQ(moon.MoonStyle(), TMoonStyle::msClassic);
    EXPECT_EQ(moon.Rotation(), TRotate::rot_none);
    EXPECT_TRUE(moon.ShowApollo11());
    EXPECT_GE(moon.PhaseAngle(), 0);
    EXPECT_LT(moon.PhaseAngle(), 360);
    moon.SetDate(Jan1st2000);
    EXPECT_TRUE(moon.DateSet());
    moon.SetMoonSize(TMoonSize::ms32);
    EXPECT_EQ(moon.size(), QSize(32, 32));
    EXPECT_EQ(moon.Picture().size(), QSize(32, 32));
}

TEST_F(MoonFixture, OnlyAChangedRotationOrStyleRedraws) {
    // The landing-site switch takes effect at the next redraw, which shows whether
    // one happened.
    moon->SetShowApollo11(true);
    moon->SetDate(Jan1st2000 + 13.5);
    ASSERT_EQ(moon->Picture().pixel(41, 29), qRgb(255, 0, 0));
    moon->SetShowApollo11(false);
    moon->SetRotation(TRotate::rot_none);
    moon->SetMoonStyle(TMoonStyle::msColor);
    EXPECT_EQ(moon->Picture().pixel(41, 29), qRgb(255, 0, 0));
    moon->SetMoonSize(TMoonSize::ms64);  // the same size redraws
    EXPECT_NE(moon->Picture().pixel(41, 29), qRgb(255, 0, 0));
    const QImage colour = moon->Picture();
    moon->SetMoonStyle(TMoonStyle::msClassic);
    EXPECT_NE(moon->Picture(), colour);
}

TEST_F(MoonFixture, IconOfTheLargeIconSizeLeavesThePictureAlone) {
    moon->SetDate(Jan1st2000 + 13.5);
    const QImage before = moon->Picture();
    const QIcon& icon = moon->Icon();
    const int size = moon->style()->pixelMetric(QStyle::PM_LargeIconSize);
    const QImage image = icon.pixmap(size, size).toImage();
    ASSERT_EQ(image.size(), QSize(size, size));
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(image.pixel(size / 2, size / 2 - 2)), 255);
    EXPECT_EQ(moon->Picture(), before);
}

TEST(MoonImageLists, TwentyFourStepsOfTheLunationPerHemisphere) {
    const QList<QImage> north = LoadNorthImageList();
    const QList<QImage> south = LoadSouthImageList();
    ASSERT_EQ(north.size(), MoonImageCount);
    ASSERT_EQ(south.size(), MoonImageCount);
    auto litOnRow = [](const QImage& image, int y) {
        int lit = 0;
        for (int x = 0; x < 16; ++x)
            lit += qAlpha(image.pixel(x, y)) == 255 && !IsBlack(image.pixel(x, y));
        return lit;
    };
    for (int k = 0; k < MoonImageCount; ++k) {
        SCOPED_TRACE(k);
        ASSERT_EQ(north[k].size(), QSize(16, 16));
        EXPECT_EQ(qAlpha(north[k].pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(north[k].pixel(7, 7)), 255);
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                ASSERT_EQ(south[k].pixel(15 - x, 15 - y), north[k].pixel(x, y));
    }
    EXPECT_EQ(litOnRow(north[0], 7), 0);    // new
    EXPECT_EQ(litOnRow(north[12], 7), 14);  // full: all but the left limb pixel
    // First quarter lit on the right of the centre column, last quarter on the left.
    EXPECT_FALSE(IsBlack(north[6].pixel(10, 7)));
    EXPECT_TRUE(IsBlack(north[6].pixel(4, 7)));
    EXPECT_TRUE(IsBlack(north[18].pixel(10, 7)));
    EXPECT_FALSE(IsBlack(north[18].pixel(4, 7)));
    // The lit part grows to full and shrinks after it.
    for (int k = 1; k <= 12; ++k) EXPECT_GE(litOnRow(north[k], 7), litOnRow(north[k - 1], 7)) << k;
    for (int k = 13; k < MoonImageCount; ++k)
        EXPECT_LE(litOnRow(north[k], 7), litOnRow(north[k - 1], 7)) << k;
}

TEST(MoonImageLists, MenuImagesOfThePhasesAndEclipses) {
    const QList<QImage> menu = LoadImageList2();
    const QList<QImage> north = LoadNorthImageList();
    ASSERT_EQ(menu.size(), ImageList2Count);
    EXPECT_EQ(menu[4], north[0]);
    EXPECT_EQ(menu[5], north[6]);
    EXPECT_EQ(menu[6], north[12]);
    EXPECT_EQ(menu[7], north[18]);
    for (int index : {10, 11, 12, 13, 14}) {
        ASSERT_EQ(menu[index].size(), QSize(16, 16)) << index;
        EXPECT_EQ(qAlpha(menu[index].pixel(0, 0)), 0) << index;
    }
    // Solar glyphs: a bright rim around the dark Moon; lunar: the copper umbra.
    EXPECT_GT(qRed(menu[11].pixel(7, 2)), 200);
    EXPECT_LT(qRed(menu[11].pixel(7, 7)), 60);
    EXPECT_GT(qRed(menu[14].pixel(7, 7)), qBlue(menu[14].pixel(7, 7)) + 30);
    for (int index : {0, 1, 2, 3, 8, 9, 15, 16}) EXPECT_TRUE(menu[index].isNull()) << index;
}

}  // namespace
}  // namespace orbelune
