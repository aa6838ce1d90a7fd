// Stored window places kept on the available area, whatever the settings file holds.
#include "ScreenFit.h"

#include <gtest/gtest.h>

#include <limits>

namespace orbelune {
namespace {

constexpr long long IntMax = std::numeric_limits<int>::max();
constexpr long long IntMin = std::numeric_limits<int>::min();

TEST(FitToArea, KeepsTheWholeFrameOnTheArea) {
    const QRect area(0, 0, 1920, 1050);  // a 1080-pixel screen less its panel
    const QSize minimum(400, 300);
    const QMargins frame(1, 20, 1, 1);
    struct Case {
        long long Left, Top, Width, Height;
        QPoint Corner;
        QSize Client;
    } cases[] = {
        {30, 50, 750, 730, {30, 50}, {750, 730}},        // fits: unchanged
        {1500, 900, 750, 730, {1168, 299}, {750, 730}},  // moved in from the corner
        {-400, -80, 750, 730, {0, 0}, {750, 730}},       // and from the other
        {0, 0, 1500, 1460, {0, 0}, {1500, 1029}},        // too tall: cut to the area
        {100, 100, 100, 50, {100, 100}, {400, 300}},     // too small: the minimum
        {0, IntMax, 750, IntMax, {0, 0}, {750, 1029}},   // wild values
        {IntMin, IntMin, IntMin, IntMin, {0, 0}, {400, 300}},
        {IntMax, IntMax, IntMax, IntMax, {0, 0}, {1918, 1029}},
    };
    for (const Case& c : cases) {
        const TWindowPlace place =
            FitToArea(c.Left, c.Top, c.Width, c.Height, area, minimum, frame);
        EXPECT_EQ(place.FrameTopLeft, c.Corner) << c.Left << "," << c.Top;
        EXPECT_EQ(place.ClientSize, c.Client) << c.Width << "x" << c.Height;
        const QRect whole(place.FrameTopLeft, place.ClientSize.grownBy(frame));
        EXPECT_TRUE(area.contains(whole)) << c.Left << "," << c.Top;
    }
}

TEST(FitToArea, AnAreaSmallerThanTheMinimumKeepsTheMinimumAtItsCorner) {
    const TWindowPlace place =
        FitToArea(500, 500, 750, 730, QRect(100, 50, 320, 240), QSize(400, 300), QMargins());
    EXPECT_EQ(place.FrameTopLeft, QPoint(100, 50));
    EXPECT_EQ(place.ClientSize, QSize(400, 300));
}

TEST(FrameRect, EmptyWhenTheRectangleDoesNotFitAnInt) {
    EXPECT_EQ(FrameRect(10, 20, 100, 50, QMargins(1, 20, 1, 1)), QRect(10, 20, 102, 71));
    EXPECT_TRUE(FrameRect(IntMax, 0, 100, 50, QMargins()).isEmpty());
    EXPECT_TRUE(FrameRect(0, 0, IntMax, 50, QMargins(1, 1, 1, 1)).isEmpty());
    EXPECT_TRUE(FrameRect(0, 0, -5, 50, QMargins()).isEmpty());
}

TEST(BesideFrame, RightThenLeftNarrowedToTheRoom) {
    const QRect area(0, 0, 1600, 1000);
    const QSize size(750, 730), minimum(400, 300);
    struct Case {
        QRect Other;
        QPoint Corner;
        int Width;
    } cases[] = {
        {{30, 50, 300, 340}, {338, 50}, 750},    // room on the right
        {{1000, 50, 300, 340}, {242, 50}, 750},  // room on the left only
        {{700, 50, 300, 340}, {1008, 50}, 592},  // the right narrowed
        {{408, 0, 900, 340}, {0, 0}, 400},       // the left narrowed to the minimum
        {{300, 0, 1000, 340}, {1308, 0}, 750},   // no room: for the fit to sort out
    };
    for (const Case& c : cases) {
        const TWindowPlace place = BesideFrame(c.Other, size, minimum, area);
        EXPECT_EQ(place.FrameTopLeft, c.Corner) << c.Other.x();
        EXPECT_EQ(place.ClientSize, QSize(c.Width, 730)) << c.Other.x();
    }
}

}  // namespace
}  // namespace orbelune
