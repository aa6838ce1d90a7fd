// Satellite requests: the addresses the region, type and colour choices give, and the
// stills and loops fetched from a plain HTTP fixture on 127.0.0.1.
#include "DateTimeRtl.h"
#include "FakePlatform.h"
#include "FixtureServer.h"
#include "SatelliteState.h"
#include "ScopedZone.h"
#include "TestGif.h"
#include "WeatherState.h"

#include "QStringPrinter.h"

#include <gtest/gtest.h>

namespace orbelune {
namespace {

using test::THttpFixture;
using TRoute = THttpFixture::TRoute;
using TRoutes = QHash<QString, TRoute>;

TEST(SatelliteRequests, CodesAndAddressesOfTheChoices) {
    const struct {
        int Region, Type, Color;
        bool Animate;
        const char* Code;
        bool Loop;
        const char* First;  // the first frame, or the still
    } cases[] = {
        {0, 2, 0, true, "ECWV", true, "http://S/GSSLOOPS/ecwv/1.jpg"},
        {5, 1, 0, true, "vs", true, "http://S/HURRLOOPS/vs/1.jpg"},
        {4, 0, 0, true, "ATIR", true, "http://S/HURRLOOPS/atir/1.jpg"},
        {17, 0, 0, false, "GEIR", false, "http://S/FULLDISK/GEIR.JPG"},
        {16, 0, 0, false, "NHIR", false, "http://S/GIFS/NHIR.JPG"},
        {0, 0, 2, false, "ECI6", false, "http://S/GIFS/ECI6.JPG"},
        {1, 1, 4, false, "WCI8", false, "http://S/GIFS/WCI8.JPG"},
        {1, 2, 1, false, "WCW1", false, "http://S/GIFS/WCW1.JPG"},
        // A colour applies to stills only; "Animate" to the loop regions only.
        {0, 0, 2, true, "ECIR", true, "http://S/GSSLOOPS/ecir/1.jpg"},
        {13, 0, 0, true, "HAIR", false, "http://S/GIFS/HAIR.JPG"},
        // The full-disk views have visible images too; a type not offered is infrared.
        {18, 1, 0, false, "GWVS", false, "http://S/FULLDISK/GWVS.JPG"},
        {14, 1, 0, false, "ECSTIR", false, "http://S/GIFS/ECSTIR.JPG"},
        {11, 2, 0, false, "SE5IR", false, "http://S/GIFS/SE5IR.JPG"},
        {40, 0, 0, true, "ECIR", false, "http://S/GIFS/ECIR.JPG"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Region);
        const TSatelliteRequest r = SatelliteRequestFor(c.Region, c.Type, c.Color, c.Animate, "S");
        EXPECT_EQ(r.Code, c.Code);
        EXPECT_EQ(r.Animate, c.Loop);
        if (c.Loop) {
            ASSERT_EQ(r.Frames.size(), 10);
            EXPECT_EQ(r.Frames.first(), c.First);
            EXPECT_TRUE(r.Frames.last().endsWith("/10.jpg"));
        } else {
            EXPECT_EQ(SatelliteStillAddress("S", r.Code), c.First);
        }
    }
}

TEST(SatelliteRequests, LastDownloadLine) {
    test::TScopedZone zone("America/New_York");
    const TDateTime local = EncodeDate(2024, 6, 1) + EncodeTime(15, 5, 0, 0);
    EXPECT_EQ(LastSatelliteText(local, false), "06 01 2024  19:05 GMT = 3:05 PM EDT");
    EXPECT_EQ(LastSatelliteText(local, true), "06 01 2024  19:05 GMT = 15:05 EDT");
}

QRgb FrameColour(int N) {
    return qRgb(20 * N, 250 - 20 * N, 128);
}

// Loop frames 1..10 of ecir, but for the ones listed as missing.
TRoutes LoopRoutes(std::initializer_list<int> Missing = {}) {
    TRoutes routes;
    for (int n = 1; n <= 10; ++n)
        if (std::find(Missing.begin(), Missing.end(), n) == Missing.end())
            routes.insert(QStringLiteral("/GSSLOOPS/ecir/%1.jpg").arg(n),
                          TRoute{200,
                                 test::TestJpeg({64, 48}, FrameColour(n)),
                                 {},
                                 THttpFixture::TMode::Normal});
    return routes;
}

bool Near(QRgb A, QRgb B) {
    return std::abs(qRed(A) - qRed(B)) < 12 && std::abs(qGreen(A) - qGreen(B)) < 12 &&
           std::abs(qBlue(A) - qBlue(B)) < 12;
}

class Satellites : public ::testing::Test {
protected:
    void SetUp() override {
        platform_.Clock.Value = EncodeDate(2024, 6, 1) + EncodeTime(15, 5, 0, 0);
        QObject::connect(&state_, &TSatelliteState::ImageShown, &state_,
                         [this](const QImage& Picture) { shown_ << Picture.pixel(32, 24); });
        QObject::connect(&state_, &TSatelliteState::FrameNumberChanged, &state_,
                         [this](const QString& Text) { numbers_ << Text; });
        QObject::connect(&state_, &TSatelliteState::LastDownloadChanged, &state_,
                         [this](const QString& Text) { lastLines_ << Text; });
        QObject::connect(&state_, &TSatelliteState::LoopStarted, &state_, [this] { ++loops_; });
        QObject::connect(&state_, &TSatelliteState::ConnectionRefused, &state_,
                         [this] { ++refused_; });
        QObject::connect(&state_, &TSatelliteState::BusyChanged, &state_,
                         [this](bool Busy) { busy_ << Busy; });
    }
    void TearDown() override { WeatherState.ConnectionRefusedFlag = false; }

    static TSatelliteRequest Request(const QString& Server, int Region, bool Animate,
                                     bool Repeat = true) {
        TSatelliteRequest r = SatelliteRequestFor(Region, 0, 0, Animate, Server);
        r.Repeat = Repeat;
        r.Limits.TimeoutMs = 5000;
        return r;
    }

    QStringList Ticks(int Count) {
        numbers_.clear();
        for (int i = 0; i < Count; ++i) state_.AnimationTick(true);
        return numbers_;
    }

    test::TFakePlatform platform_;
    TSatelliteState state_;
    QList<QRgb> shown_;
    QStringList numbers_;
    QStringList lastLines_;
    QList<bool> busy_;
    int loops_ = 0;
    int refused_ = 0;
};

TEST_F(Satellites, ALoopSkipsTheFrameThatFailed) {
    THttpFixture server(LoopRoutes({3}));
    ASSERT_TRUE(state_.GetSatellite(Request(server.HostAndPort(), 0, true)));
    EXPECT_EQ(server.RequestedPaths().size(), 10);
    EXPECT_EQ(numbers_, QStringList({"1", "2", "4", "5", "6", "7", "8", "9", "10"}));
    EXPECT_FALSE(state_.SatelliteFrameLoaded[2]);
    EXPECT_TRUE(state_.SatelliteLoopLoaded && state_.SatelliteLoopRunning);
    EXPECT_EQ(loops_, 1);
    EXPECT_EQ(busy_, QList<bool>({true, false}));
    // Each frame is asked for under the satellite server's own name.
    for (const test::TRequestHead& head : server.RequestedHeads())
        EXPECT_EQ(head.Headers.value("host"), server.HostAndPort().toLatin1());
    EXPECT_EQ(lastLines_, QStringList({"06 01 2024  15:05 GMT = 3:05 PM UTC"}));

    // The loop from frame 1, without frame 3, holding the last, then again.
    EXPECT_EQ(Ticks(17), QStringList({"1", "2", "4", "5", "6", "7", "8", "9", "10", "1"}));
    // Leaving the tab pauses it, coming back resumes it.
    state_.SatelliteSheetExit();
    EXPECT_TRUE(Ticks(5).isEmpty());
    state_.SatelliteSheetEnter();
    EXPECT_EQ(Ticks(1), QStringList({"2"}));
}

TEST_F(Satellites, WithoutRepeatTheLoopStaysOnItsLastFrame) {
    THttpFixture server(LoopRoutes({10}));
    ASSERT_TRUE(state_.GetSatellite(Request(server.HostAndPort(), 0, true, false)));
    EXPECT_EQ(loops_, 0);
    EXPECT_FALSE(state_.SatelliteLoopRunning);
    ASSERT_FALSE(shown_.isEmpty());
    EXPECT_TRUE(Near(shown_.last(), FrameColour(9)));
    EXPECT_EQ(numbers_.last(), "9");
    EXPECT_TRUE(Ticks(20).isEmpty());
}

TEST_F(Satellites, ALoopThatBroughtNoFrameIsNoDownload) {
    THttpFixture server(TRoutes{});
    EXPECT_FALSE(state_.GetSatellite(Request(server.HostAndPort(), 0, true)));
    EXPECT_EQ(server.RequestedPaths().size(), 10);
    EXPECT_EQ(lastLines_, QStringList({"No satellite image: the server answered HTTP 404 Not "
                                       "Found.\nNo satellite image has arrived yet."}));
    EXPECT_EQ(state_.LastSatelliteDownloadTime, 0.0);
    EXPECT_FALSE(state_.SatelliteLoopLoaded || state_.SatelliteLoopRunning);
    EXPECT_EQ(loops_, 0);
}

TEST_F(Satellites, ALoopStopsWhereItsFramesWouldPassTheMemoryItMayTake) {
    THttpFixture server(LoopRoutes());
    TSatelliteRequest request = Request(server.HostAndPort(), 0, true);
    // Room for three and a half frames of 64 x 48 decoded at four bytes a pixel.
    request.Limits.PictureMaxBytes = 64 * 48 * 4 * 7 / 2;
    ASSERT_TRUE(state_.GetSatellite(request));
    EXPECT_EQ(numbers_, QStringList({"1", "2", "3"}));
    EXPECT_EQ(server.RequestedPaths().size(), 4);
    EXPECT_EQ(lastLines_, QStringList({"Satellite loop cut short: the picture is too large "
                                       "(64 x 48).\n06 01 2024  15:05 GMT = 3:05 PM UTC"}));
}

TEST_F(Satellites, AStillFromTheFullDiskFolder) {
    THttpFixture server(TRoutes{
        {"/FULLDISK/GEIR.JPG",
         TRoute{200, test::TestJpeg({64, 48}, FrameColour(2)), {}, THttpFixture::TMode::Normal}}});
    ASSERT_TRUE(state_.GetSatellite(Request(server.HostAndPort(), 17, true)));
    EXPECT_EQ(server.RequestedPaths(), QStringList({"/FULLDISK/GEIR.JPG"}));
    ASSERT_EQ(shown_.size(), 1);
    EXPECT_TRUE(Near(shown_[0], FrameColour(2)));
    EXPECT_TRUE(state_.SatelliteImageShown);
    EXPECT_EQ(lastLines_.size(), 1);

    // An error page in its place leaves the picture and its time, and says why.
    THttpFixture broken(TRoutes{
        {"/GIFS/NHIR.JPG", TRoute{200, "<html>gone</html>", {}, THttpFixture::TMode::Normal}}});
    EXPECT_FALSE(state_.GetSatellite(Request(broken.HostAndPort(), 16, false)));
    EXPECT_EQ(shown_.size(), 1);
    EXPECT_EQ(state_.ShownRegion, 17);
    EXPECT_EQ(lastLines_.last(),
              "No satellite image: the reply is not a picture.\n" + lastLines_.first());
}

TEST_F(Satellites, ARefusedConnectionEndsTheRequest) {
    const QString closed = QStringLiteral("127.0.0.1:%1").arg(test::ClosedPort());
    EXPECT_FALSE(state_.GetSatellite(Request(closed, 0, true)));
    EXPECT_EQ(refused_, 1);
    EXPECT_TRUE(WeatherState.ConnectionRefusedFlag);
    EXPECT_EQ(lastLines_, QStringList({"No satellite image: the server refused the "
                                       "connection.\nNo satellite image has arrived yet."}));
    EXPECT_EQ(busy_, QList<bool>({true, false}));
}

TEST_F(Satellites, TheHurricaneFrameList) {
    THttpFixture server(TRoutes{
        {"/HURRLOOPS/huir/file_names.txt",
         TRoute{200,
                "3.jpg\n1.jpg\r\n../../etc/passwd\n\nhttp://elsewhere/x.jpg\n2.jpg\n",
                {},
                THttpFixture::TMode::Normal}},
        {"/HURRLOOPS/huvs/file_names.txt", TRoute{200, "", {}, THttpFixture::TMode::Normal}}});
    TSatelliteRequest request = Request(server.HostAndPort(), 5, false);
    request.Code = "HUIR";
    QStringList list;
    ASSERT_TRUE(state_.LoadJPGList(request, list));
    const QString folder = "http://" + server.HostAndPort() + "/HURRLOOPS/huir/";
    EXPECT_EQ(list, QStringList({folder + "1.jpg", folder + "2.jpg", folder + "3.jpg"}));
    request.Code = "HUVS";
    EXPECT_FALSE(state_.LoadJPGList(request, list));
    EXPECT_EQ(list.size(), 3);
}

TEST_F(Satellites, SmallDownloadsCountOnlyWhatWasAskedFor) {
    QImage mark(8, 8, QImage::Format_RGB32);
    mark.fill(Qt::red);
    THttpFixture server(TRoutes{
        {"/a.gif", TRoute{200, test::TestGif(mark), {}, THttpFixture::TMode::Normal}},
        {"/b.gif",
         TRoute{200, test::TestJpeg({64, 48}, FrameColour(1)), {}, THttpFixture::TMode::Normal}},
        {"/c.txt", TRoute{200, "line", {}, THttpFixture::TMode::Normal}},
        {"/d.txt", TRoute{200, "", {}, THttpFixture::TMode::Normal}}});
    const TDownloadOptions options;
    QImage gif;
    EXPECT_TRUE(GetGIF(server.HostAndPort(), "/a.gif", gif, options).Ok());
    EXPECT_EQ(gif.pixel(3, 3), qRgb(255, 0, 0));
    EXPECT_FALSE(GetGIF(server.HostAndPort(), "/b.gif", gif, options).Ok());
    QImage jpeg;
    EXPECT_FALSE(GetJPG(QUrl("http://" + server.HostAndPort() + "/a.gif"), jpeg, options).Ok());
    QString text;
    EXPECT_TRUE(GetTextFile(QUrl("http://" + server.HostAndPort() + "/c.txt"), text, options).Ok());
    EXPECT_EQ(text, "line");
    EXPECT_FALSE(
        GetTextFile(QUrl("http://" + server.HostAndPort() + "/d.txt"), text, options).Ok());
}

}  // namespace
}  // namespace orbelune
