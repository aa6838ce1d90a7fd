// The national and regional mosaics from an HTTPS fixture on 127.0.0.1, and the loop
// animation over their frames.
#include "FakePlatform.h"
#include "FixtureServer.h"
#include "RadarState.h"
#include "TestGif.h"
#include "WeatherState.h"

#include "QStringPrinter.h"

#include <gtest/gtest.h>

#include <optional>

namespace orbelune {
namespace {

using test::THttpFixture;
using TRoute = THttpFixture::TRoute;

TEST(MosaicNames, StillAndLoopPaths) {
    const struct {
        int Location;
        bool Loop;
        const char* Path;
    } cases[] = {
        {0, false, "/Conus/RadarImg/latest_Small.gif"},
        {0, true, "/Conus/Loop/NatLoop_Small.gif"},
        {1, false, "/Conus/RadarImg/latest.gif"},
        {1, true, "/Conus/Loop/NatLoop.gif"},
        {2, true, "/Conus/Loop/northeast_loop.gif"},
        {7, false, "/Conus/RadarImg/southplains.gif"},
        {11, true, "/Conus/Loop/pacsouthwest_loop.gif"},
        {12, true, "/Conus/Loop/alaskaLoop.gif"},
        {13, false, "/Conus/RadarImg/hawaii.gif"},
        {13, true, "/Conus/Loop/hawaiiLoop.gif"},
        {99, false, "/Conus/RadarImg/latest_Small.gif"},
        {-1, true, "/Conus/Loop/NatLoop_Small.gif"},
    };
    for (const auto& c : cases) EXPECT_EQ(MosaicPath(c.Location, c.Loop), c.Path) << c.Location;
}

// Frame i of a fixture loop: one colour all over.
QRgb FrameColour(int I) {
    return qRgb(20 * I, 100, 200 - 20 * I);
}

QByteArray Loop(int Frames) {
    QList<QImage> images;
    for (int i = 0; i < Frames; ++i) {
        QImage frame(60, 57, QImage::Format_RGB32);
        frame.fill(FrameColour(i));
        images << frame;
    }
    return test::TestAnimatedGif(images, 25);
}

class Mosaics : public ::testing::Test {
protected:
    void SetUp() override {
        if (test::SharedTestCertificate().Certificate.isNull())
            GTEST_SKIP() << "the openssl tool is not available";
        trusted_.emplace(test::SharedTestCertificate());
        QObject::connect(&state_, &TRadarState::FrameShown, &state_,
                         [this](int Frame, const QImage& Picture) {
                             shown_ << Frame;
                             colours_ << (Picture.pixel(30, 28) & 0xFFFFFF);
                         });
        QObject::connect(&state_, &TRadarState::MaxImagesChanged, &state_,
                         [this](int Count) { maxImages_ << Count; });
        QObject::connect(&state_, &TRadarState::AnimationStarted, &state_,
                         [this] { ++animations_; });
        QObject::connect(&state_, &TRadarState::SheetEnabled, &state_,
                         [this](bool On) { enabled_ << On; });
    }
    void TearDown() override {
        trusted_.reset();
        WeatherState.ConnectionRefusedFlag = false;
    }

    std::unique_ptr<THttpFixture> Serve(const QString& Path, const QByteArray& Body) {
        return std::make_unique<THttpFixture>(
            QHash<QString, TRoute>{{Path, TRoute{200, Body, {}, THttpFixture::TMode::Normal}}},
            trusted_->ServerTls);
    }

    static TRadarRequest Request(const QString& Server, int Location, bool Animate, int Max) {
        TRadarRequest r;
        r.Location = Location;
        r.Animate = Animate;
        r.MaxImages = Max;
        r.Server = Server;
        r.Limits.TimeoutMs = 5000;
        r.ShowSites = false;
        return r;
    }

    // Ticks of the loop animation, and the frames they showed.
    QList<int> Ticks(int Count, bool Loop = true) {
        shown_.clear();
        for (int i = 0; i < Count; ++i) state_.AnimationTick(Loop, false);
        return shown_;
    }

    std::optional<test::TTrustedCertificate> trusted_;
    test::TFakePlatform platform_;
    TRadarState state_;
    QList<int> shown_;
    QList<QRgb> colours_;
    QList<int> maxImages_;
    QList<bool> enabled_;
    int animations_ = 0;
};

TEST_F(Mosaics, ALoopOfSixFramesWhenEightAreWanted) {
    const auto server = Serve("/Conus/Loop/northeast_loop.gif", Loop(6));
    ASSERT_TRUE(state_.NewGetRadarNational(Request(server->HostAndPort(), 2, true, 8)));
    EXPECT_EQ(state_.RadarFrameCount(), 6);
    EXPECT_EQ(maxImages_, QList<int>({6}));
    EXPECT_EQ(shown_, QList<int>({0, 1, 2, 3, 4, 5}));
    for (int i = 0; i < 6; ++i) EXPECT_EQ(colours_[i], FrameColour(i) & 0xFFFFFF) << i;
    EXPECT_EQ(state_.RadarFrames[5].size(), QSize(60, 57));
    EXPECT_EQ(animations_, 1);
    EXPECT_TRUE(state_.RadarFramesReady && state_.RadarLoopStarted && state_.RadarFrameListsReady);
    EXPECT_FALSE(state_.RadarBusy);
    EXPECT_EQ(enabled_, QList<bool>({false, true}));

    // The loop: six frames, the last one held six ticks, then from the start again.
    EXPECT_EQ(Ticks(13), QList<int>({0, 1, 2, 3, 4, 5, 0}));
    // Nothing moves while a request runs.
    state_.RadarBusy = true;
    EXPECT_TRUE(Ticks(20).isEmpty());
    state_.RadarBusy = false;
    // ROCK: on from where it was, to the end, then back.
    EXPECT_EQ(Ticks(13, false), QList<int>({1, 2, 3, 4, 5, 5, 4}));
}

TEST_F(Mosaics, OnlyTheFramesWantedAndAllowedAreDecoded) {
    const auto server = Serve("/Conus/Loop/northeast_loop.gif", Loop(6));
    constexpr qint64 Frame = 60 * 57 * 4;  // decoded; composed at zoom 2, four times that
    const struct {
        int Wanted;
        qint64 Budget;
        long double Zoom;
        int Frames;
    } cases[] = {{2, 1 << 28, 1.0L, 2}, {8, Frame * 2 * 3, 1.0L, 3}, {8, Frame * 5 * 2, 2.0L, 2}};
    for (const auto& c : cases) {
        TRadarRequest request = Request(server->HostAndPort(), 2, true, c.Wanted);
        request.Limits.PictureMaxBytes = c.Budget;
        request.Zoom = c.Zoom;
        ASSERT_TRUE(state_.NewGetRadarNational(request));
        EXPECT_EQ(state_.RadarAnimation.size(), c.Frames) << c.Wanted;
        EXPECT_EQ(state_.RadarFrameCount(), c.Frames) << c.Wanted;
    }
}

// A few hundred bytes that claim thousands of pixels a frame, far beyond the regional
// map's 600 x 571: refused from the file's layout, and the time line says why.
TEST_F(Mosaics, AHostileGifIsRefusedBeforeItsPixelsAreDecoded) {
    const auto server =
        Serve("/Conus/Loop/northeast_loop.gif", test::TestClaimingGif(30, QSize(1300, 1200)));
    QList<TRadarTimeLine> lines;
    QObject::connect(&state_, &TRadarState::TimeLineChanged, &state_,
                     [&](const TRadarTimeLine& Line) { lines << Line; });
    EXPECT_FALSE(state_.NewGetRadarNational(Request(server->HostAndPort(), 2, true, 30)));
    EXPECT_TRUE(shown_.isEmpty());
    EXPECT_TRUE(state_.RadarAnimation.isEmpty());
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(lines.last().Text,
              "No radar for USA - NorthEast: the picture is too large (1300 x 1200).\n"
              "No radar picture has arrived yet.");
    EXPECT_EQ(lines.last().Color, RadarTimeRed);
}

TEST_F(Mosaics, ASingleFrameIsShownStillEvenWhenAnimating) {
    const auto server = Serve("/Conus/Loop/NatLoop_Small.gif", Loop(1));
    ASSERT_TRUE(state_.NewGetRadarNational(Request(server->HostAndPort(), 0, true, 8)));
    EXPECT_EQ(shown_, QList<int>({0}));
    EXPECT_EQ(animations_, 0);
    EXPECT_FALSE(state_.RadarFramesReady || state_.RadarLoopStarted);
    EXPECT_TRUE(state_.RadarFrameListsReady);
    EXPECT_TRUE(Ticks(5).isEmpty());
}

TEST_F(Mosaics, AStillIsAskedForWithoutAnimation) {
    const auto server = Serve("/Conus/RadarImg/latest.gif", Loop(3));
    TRadarRequest request = Request(server->HostAndPort(), 1, false, 8);
    request.Zoom = 2.0L;
    state_.RadarZoomFactor = 2.0L;
    ASSERT_TRUE(state_.NewGetRadarNational(request));
    EXPECT_EQ(server->RequestedPaths(), QStringList({"/Conus/RadarImg/latest.gif"}));
    // Only the first frame, at its own size: the large national map is never zoomed.
    EXPECT_EQ(shown_, QList<int>({0}));
    EXPECT_EQ(state_.RadarZoomFactor, 1.0L);
    EXPECT_EQ(state_.RadarFrames[0].size(), QSize(60, 57));
}

TEST_F(Mosaics, ABodyThatIsNotAGifIsRefused) {
    const auto server = Serve("/Conus/RadarImg/northeast.gif", "<html>Not Found</html>");
    EXPECT_FALSE(state_.NewGetRadarNational(Request(server->HostAndPort(), 2, false, 8)));
    EXPECT_TRUE(shown_.isEmpty());
    EXPECT_FALSE(state_.RadarFrameListsReady);
    EXPECT_FALSE(state_.RadarBusy);
    EXPECT_EQ(enabled_, QList<bool>({false, true}));
}

TEST_F(Mosaics, SitesAreNotFetchedAsMosaicsNorTwoAtOnce) {
    EXPECT_FALSE(state_.NewGetRadarNational(Request("127.0.0.1:1", 120, false, 8)));
    state_.RadarBusy = true;
    EXPECT_FALSE(state_.NewGetRadarNational(Request("127.0.0.1:1", 2, false, 8)));
    state_.RadarBusy = false;
    EXPECT_TRUE(enabled_.isEmpty());
}

}  // namespace
}  // namespace orbelune
