// Single-site radar requests against an HTTPS fixture on 127.0.0.1 that serves the
// radar server's overlays, listings and layers (small GIF and JPEG images).
#include "AnimatedGif.h"
#include "DateTimeRtl.h"
#include "FakePlatform.h"
#include "FixtureServer.h"
#include "GlobalObjects.h"
#include "RadarState.h"
#include "TestGif.h"
#include "TunnelProxyFixture.h"
#include "WaitUntil.h"
#include "WeatherState.h"

#include "QStringPrinter.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QElapsedTimer>
#include <QImageReader>

#include <optional>

namespace orbelune {
namespace {

using test::THttpFixture;
using TRoute = THttpFixture::TRoute;
using TRoutes = QHash<QString, TRoute>;

constexpr QRgb Key = 0xFF00FF;  // the transparent colour of the fixture's GIF layers

TRoute Ok(const QByteArray& Body) {
    return TRoute{200, Body, {}, THttpFixture::TMode::Normal};
}

// A transparent layer of the given size with one pixel of Colour at At.
QByteArray Layer(QSize Size, QRgb Colour, QPoint At) {
    QImage image(Size, QImage::Format_RGB32);
    image.fill(Key);
    image.setPixel(At, Colour);
    return test::TestGif(image, Key);
}

// OKX_20240601_1800_N0R.gif and on, a minute apart.
QStringList FrameNames(int Count, const QString& Suffix = "N0R.gif") {
    QStringList names;
    for (int i = 0; i < Count; ++i)
        names << QStringLiteral("OKX_20240601_%1%2_")
                         .arg(18 + i / 60)
                         .arg(i % 60, 2, 10, QChar('0')) +
                     Suffix;
    return names;
}

QByteArray Listing(const QStringList& Names) {
    QByteArray page = "<html><body>\n<a href=\"?C=M;O=A\">Last modified</a>\n";
    for (const QString& name : Names)
        page += "<a href=\"" + name.toLatin1() + "\">" + name.toLatin1() + "</a> 01-Jun-2024\n";
    return page + "</body></html>\n";
}

// The overlays of a size, each with its own mark.
void AddOverlays(TRoutes& Routes, const QString& Size) {
    Routes.insert("/ridge/Overlays/Topo/" + Size + "/OKX_Topo_" + Size + ".jpg",
                  Ok(test::TestJpeg({600, 550}, qRgb(40, 90, 40))));
    const char* names[][2] = {{"County", "County"},
                              {"Rivers", "Rivers"},
                              {"Highways", "Highways"},
                              {"Cities", "City"},
                              {"RangeRings", "RangeRing"}};
    int row = 10;
    for (const auto& [kind, name] : names)
        Routes.insert(QStringLiteral("/ridge/Overlays/%1/%2/OKX_%3_%2.gif").arg(kind, Size, name),
                      Ok(Layer({60, 55}, qRgb(255, 255, 255), {5, row++})));
}

// Radar frames of a product with a mark at (20, 20).
void AddFrames(TRoutes& Routes, const QString& Product, const QStringList& Names) {
    const QString directory = "/ridge/RadarImg/" + Product + "/OKX/";
    Routes.insert(directory, Ok(Listing(Names)));
    for (const QString& name : Names)
        Routes.insert(directory + name, Ok(Layer({60, 55}, qRgb(0, 200, 255), {20, 20})));
}

using test::WaitUntil;

class RadarWorker : public ::testing::Test {
protected:
    void SetUp() override {
        if (test::SharedTestCertificate().Certificate.isNull())
            GTEST_SKIP() << "the openssl tool is not available";
        trusted_.emplace(test::SharedTestCertificate());
        platform_.Clock.Value = EncodeDate(2024, 6, 1) + EncodeTime(19, 12, 30, 0);
        Record();
    }
    void TearDown() override {
        state_.StopRadar(5000);
        trusted_.reset();
        WeatherState.ConnectionRefusedFlag = false;
    }

    std::unique_ptr<THttpFixture> Serve(TRoutes Routes) {
        return std::make_unique<THttpFixture>(std::move(Routes), trusted_->ServerTls);
    }

    // A request for New York City with only the given layers.
    static TRadarRequest Request(const QString& Server, int MaxImages, bool Animate,
                                 TRadarLayerChoice Layers, int Product = 1) {
        TRadarRequest r;
        r.Location = 120;
        r.ProductIndex = Product;
        r.Product = RadarProductCode(Product);
        r.Site = "OKX";
        r.Animate = Animate;
        r.MaxImages = MaxImages;
        r.Server = Server;
        r.Limits.TimeoutMs = 5000;
        r.Layers = Layers;
        r.ShowSites = false;
        return r;
    }
    static TRadarLayerChoice Only(bool Radar, bool Warnings = false, bool Overlays = false) {
        TRadarLayerChoice c;
        c.Topo = c.Counties = c.Rivers = c.Highways = c.Cities = c.RangeRings = Overlays;
        c.Radar = Radar;
        c.Warnings = c.WarningsText = Warnings;
        c.Legend = false;
        return c;
    }

    // Runs a request to its end.
    void Run(const TRadarRequest& Request) {
        const int before = finished_;
        ASSERT_TRUE(state_.GetRadar(Request));
        ASSERT_TRUE(WaitUntil([&] { return finished_ > before; }, 30000));
        EXPECT_FALSE(state_.RadarBusy);
    }

    void Record() {
        QObject::connect(&state_, &TRadarState::FrameShown, &state_,
                         [this](int frame, const QImage& picture) {
                             shown_ << frame;
                             lastPicture_ = picture;
                         });
        QObject::connect(&state_, &TRadarState::MaxImagesChanged, &state_,
                         [this](int count) { maxImages_ << count; });
        QObject::connect(&state_, &TRadarState::TimeLineChanged, &state_,
                         [this](const TRadarTimeLine& line) { timeLines_ << line; });
        QObject::connect(&state_, &TRadarState::WarningLabelsChanged, &state_,
                         [this](const std::array<TWarningLabel, 4>& l) { labels_ = l; });
        QObject::connect(&state_, &TRadarState::ConnectionRefused, &state_, [this] { ++refused_; });
        QObject::connect(&state_, &TRadarState::AnimationStarted, &state_,
                         [this] { ++animations_; });
        QObject::connect(&state_, &TRadarState::ShowWarningsRequested, &state_,
                         [this] { ++showWarnings_; });
        QObject::connect(&state_, &TRadarState::Finished, &state_, [this] { ++finished_; });
    }

    static QStringList Matching(const THttpFixture& Server, const QString& Part) {
        return Server.RequestedPaths().filter(Part);
    }

    std::optional<test::TTrustedCertificate> trusted_;
    test::TFakePlatform platform_;
    TRadarState state_;
    QList<int> shown_;
    QImage lastPicture_;
    QList<int> maxImages_;
    QList<TRadarTimeLine> timeLines_;
    std::array<TWarningLabel, 4> labels_;
    int refused_ = 0;
    int animations_ = 0;
    int showWarnings_ = 0;
    int finished_ = 0;
};

TEST_F(RadarWorker, FrameCountsAreClampedToOneAndThirty) {
    TRoutes routes;
    const QStringList names = FrameNames(35);
    AddFrames(routes, "N0R", names);
    const auto server = Serve(routes);

    Run(Request(server->HostAndPort(), 0, true, Only(true)));
    EXPECT_EQ(maxImages_, QList<int>({1}));
    EXPECT_EQ(shown_, QList<int>({0}));
    EXPECT_EQ(Matching(*server, "_N0R.gif"),
              QStringList({"/ridge/RadarImg/N0R/OKX/" + names.last()}));
    // A single frame is shown still.
    EXPECT_FALSE(state_.RadarAnimationReady);

    shown_.clear();
    animations_ = 0;
    Run(Request(server->HostAndPort(), 45, true, Only(true)));
    EXPECT_EQ(maxImages_.last(), 30);
    EXPECT_EQ(state_.RadarFrameCount(), 30);
    ASSERT_EQ(shown_.size(), 30);
    EXPECT_EQ(shown_.first(), 0);
    EXPECT_EQ(shown_.last(), 29);
    EXPECT_EQ(state_.RadarFileList, names.mid(5));
    EXPECT_FALSE(state_.RadarFrames[29].isNull());
    EXPECT_EQ(animations_, 1);
    EXPECT_TRUE(state_.RadarFramesReady && state_.RadarLoopStarted);
    ASSERT_TRUE(state_.RadarAnimationReady);

    // The animation as it would be saved: 30 frames, a quarter second each, endless.
    QBuffer gif;
    ASSERT_TRUE(gif.open(QIODevice::ReadWrite));
    ASSERT_TRUE(WriteAnimatedGif(state_.RadarAnimation, RadarAnimationDelay, gif));
    gif.seek(0);
    QImageReader reader(&gif, "gif");
    EXPECT_EQ(reader.imageCount(), 30);
    EXPECT_EQ(reader.loopCount(), -1);
    EXPECT_FALSE(reader.read().isNull());
    EXPECT_EQ(reader.nextImageDelay(), 250);
}

TEST_F(RadarWorker, AListingShorterThanTheFrameCountGivesNoFrames) {
    TRoutes routes;
    AddOverlays(routes, "Short");
    AddFrames(routes, "N0R", FrameNames(3));
    const auto server = Serve(routes);
    Run(Request(server->HostAndPort(), 5, true, Only(true, false, true)));
    EXPECT_TRUE(Matching(*server, "_N0R.gif").isEmpty());
    EXPECT_TRUE(state_.RadarFileList.isEmpty());
    // The overlays alone still make one frame.
    EXPECT_TRUE(state_.RadarFrameListsReady);
    EXPECT_EQ(shown_, QList<int>({0}));
}

TEST_F(RadarWorker, LongRangeHasNoRangeRingsShortRangeHas) {
    TRoutes routes;
    AddOverlays(routes, "Long");
    AddOverlays(routes, "Short");
    AddFrames(routes, "N0Z", FrameNames(1));
    AddFrames(routes, "N0R", FrameNames(1));
    const auto server = Serve(routes);

    Run(Request(server->HostAndPort(), 1, false, Only(true, false, true), 0));
    EXPECT_EQ(Matching(*server, "/Long/").size(), 5);
    EXPECT_TRUE(Matching(*server, "RangeRing").isEmpty());
    EXPECT_EQ(Matching(*server, "/ridge/RadarImg/N0Z/OKX/").size(), 2);  // listing and frame
    EXPECT_FALSE(state_.RadarLayerImages.IsLoaded(TRadarLayer::RangeRings));
    EXPECT_TRUE(state_.RadarLayerImages.IsLoaded(TRadarLayer::Topo));

    Run(Request(server->HostAndPort(), 1, false, Only(true, false, true), 1));
    EXPECT_EQ(Matching(*server, "/Short/").size(), 6);
    EXPECT_EQ(Matching(*server, "/ridge/Overlays/RangeRings/Short/OKX_RangeRing_Short.gif").size(),
              1);
    EXPECT_TRUE(state_.RadarLayerImages.IsLoaded(TRadarLayer::RangeRings));
}

TEST_F(RadarWorker, WithoutAnimationOnlyTheNewestFrame) {
    TRoutes routes;
    AddOverlays(routes, "Short");
    const QStringList names = FrameNames(5);
    AddFrames(routes, "N0R", names);
    const auto server = Serve(routes);
    Run(Request(server->HostAndPort(), 5, false, Only(true, false, true)));
    EXPECT_EQ(shown_, QList<int>({4}));
    EXPECT_EQ(Matching(*server, "_N0R.gif"), QStringList({"/ridge/RadarImg/N0R/OKX/" + names[4]}));
    EXPECT_TRUE(state_.RadarAnimation.isEmpty());
    EXPECT_EQ(animations_, 0);
    // The frame: topography with the radar's and the counties' marks over it.
    ASSERT_EQ(lastPicture_.size(), QSize(600, 550));
    EXPECT_EQ(lastPicture_.pixel(20, 20), qRgb(0, 200, 255));
    EXPECT_EQ(lastPicture_.pixel(5, 10), qRgb(255, 255, 255));
    EXPECT_NEAR(qGreen(lastPicture_.pixel(300, 300)), 90, 8);
    // The time line names the site and the frame's time.
    ASSERT_FALSE(timeLines_.isEmpty());
    EXPECT_EQ(timeLines_.last().Color, RadarTimeBlack);
    EXPECT_TRUE(
        timeLines_.last().Text.startsWith(" NY - New York City     69  mins ago at 6:04 PM"))
        << timeLines_.last().Text.toStdString();
}

TEST_F(RadarWorker, WarningColoursBecomeLabels) {
    struct TCase {
        QList<QPair<QRgb, QPoint>> Pixels;
        QStringList Labels;
    };
    const TCase cases[] = {
        {{{qRgb(255, 0, 0), {100, 100}}, {qRgb(255, 165, 0), {400, 500}}},
         {"TORNADO WARNING", "Marine Warning"}},
        {{{qRgb(34, 139, 34), {599, 549}}, {qRgb(255, 255, 0), {0, 0}}},
         {"Severe Thunderstorm Warning", "Flash Flood Warning"}},
        // Only in the pixel the drawing uses for its transparent key: no warning.
        {{{qRgb(255, 0, 0), {0, 549}}}, {}},
    };
    for (const TCase& c : cases) {
        QImage warnings(600, 550, QImage::Format_RGB32);
        warnings.fill(Key);
        for (const auto& [colour, at] : c.Pixels) warnings.setPixel(at, colour);
        const QStringList names = FrameNames(1, "Short_Warnings.gif");
        TRoutes routes;
        routes.insert("/ridge/Warnings/Short/OKX/", Ok(Listing(names)));
        routes.insert("/ridge/Warnings/Short/OKX/" + names[0], Ok(test::TestGif(warnings, Key)));
        const auto server = Serve(routes);
        const int shown = showWarnings_;
        Run(Request(server->HostAndPort(), 1, false, Only(false, true)));
        QStringList labels;
        for (const TWarningLabel& l : labels_)
            if (!l.Text.isEmpty()) labels << l.Text;
        EXPECT_EQ(labels, c.Labels);
        EXPECT_EQ(state_.RadarWarningFlags.Any(), !c.Labels.isEmpty());
        EXPECT_EQ(showWarnings_, shown + 1);
    }
}

TEST_F(RadarWorker, HostileListingsAreNotFollowed) {
    const QStringList names = FrameNames(2);
    TRoutes routes;
    AddFrames(routes, "N0R", names);
    routes.insert("/ridge/RadarImg/N0R/OKX/",
                  Ok(Listing(names) + "<a href=\"../OKX_20990101_0000_x\">x</a>\n"
                                      "<a href=\"OKX_20990101_0000/b\">b</a>\n"));
    // Ten megabytes of names: more than any listing may be.
    QByteArray huge;
    while (huge.size() < 10 * 1024 * 1024) huge += Listing(FrameNames(50, "Short_Warnings.gif"));
    routes.insert("/ridge/Warnings/Short/OKX/", Ok(huge));
    const auto server = Serve(routes);
    Run(Request(server->HostAndPort(), 2, true, Only(true, true)));
    EXPECT_EQ(state_.RadarFileList, names);
    EXPECT_TRUE(state_.WarningFileList.isEmpty());
    EXPECT_EQ(shown_, QList<int>({0, 1}));
    for (const QString& path : server->RequestedPaths())
        EXPECT_FALSE(path.contains("2099") || path.contains("..")) << path.toStdString();
}

TEST_F(RadarWorker, ARefusedConnectionIsReportedOnce) {
    TRadarLayerChoice all;
    Run(Request(QStringLiteral("127.0.0.1:%1").arg(test::ClosedPort()), 3, true, all));
    EXPECT_EQ(refused_, 1);
    EXPECT_TRUE(shown_.isEmpty());
    EXPECT_FALSE(state_.RadarFrameListsReady);
    EXPECT_TRUE(WeatherState.ConnectionRefusedFlag);
}

TEST_F(RadarWorker, DownloadsGoThroughTheProxy) {
    TRoutes routes;
    AddFrames(routes, "N0R", FrameNames(1));
    const auto server = Serve(routes);
    test::TTunnelProxyFixture proxy("radar", "s3cret");
    TRadarRequest request = Request(server->HostAndPort(), 1, false, Only(true));
    request.Proxy = {true, "127.0.0.1", proxy.Port(), "radar", "s3cret"};
    Run(request);
    EXPECT_EQ(shown_, QList<int>({0}));
    EXPECT_GE(proxy.Tunnels(), 1);

    // Wrong credentials: nothing reaches the server.
    shown_.clear();
    const int served = int(server->RequestedPaths().size());
    request.Proxy.ProxyPassword = "wrong";
    Run(request);
    EXPECT_TRUE(shown_.isEmpty());
    EXPECT_GE(proxy.Refused(), 1);
    EXPECT_EQ(server->RequestedPaths().size(), served);
}

TRoutes Stalling() {
    TRoutes routes;
    AddOverlays(routes, "Short");
    AddFrames(routes, "N0R", FrameNames(3));
    for (TRoute& route : routes) route.Mode = THttpFixture::TMode::Stall;
    return routes;
}

TEST_F(RadarWorker, AServerThatNeverFinishesDoesNotHoldTheRequest) {
    const auto server = Serve(Stalling());
    TRadarRequest request = Request(server->HostAndPort(), 3, true, TRadarLayerChoice{});
    request.Limits.TimeoutMs = 300;
    request.Limits.RequestBudgetMs = 1500;
    QElapsedTimer clock;
    clock.start();
    Run(request);
    EXPECT_LT(clock.elapsed(), 6000);
    EXPECT_TRUE(shown_.isEmpty());
}

TEST_F(RadarWorker, StopsAtShutDownWithinThreeSeconds) {
    const auto server = Serve(Stalling());
    ASSERT_TRUE(state_.GetRadar(Request(server->HostAndPort(), 3, true, TRadarLayerChoice{})));
    EXPECT_FALSE(state_.GetRadar(Request(server->HostAndPort(), 3, true, TRadarLayerChoice{})));
    ASSERT_TRUE(WaitUntil([&] { return !server->RequestedPaths().isEmpty(); }, 10000));
    QElapsedTimer clock;
    clock.start();
    EXPECT_TRUE(StopWorkers(3000));
    EXPECT_LT(clock.elapsed(), 3000);
    // The steps queued before the stop still arrive, the last one clearing the busy flag.
    ASSERT_TRUE(WaitUntil([&] { return finished_ == 1; }, 5000));
    EXPECT_FALSE(state_.RadarBusy);
}

TEST_F(RadarWorker, OnlySitesAreFetchedHere) {
    TRadarRequest mosaic = Request("127.0.0.1:1", 1, false, TRadarLayerChoice{});
    mosaic.Location = 5;
    EXPECT_FALSE(state_.GetRadar(mosaic));
    EXPECT_FALSE(state_.RadarBusy);
}

}  // namespace
}  // namespace orbelune
