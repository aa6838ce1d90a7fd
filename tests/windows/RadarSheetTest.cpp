// The Radar and Satellite tabs in the information window, offscreen: the controls a
// location shows, the frame counts and the speed taken from the settings, the loop
// controls, the boxes of the satellite choice, and the clock window's animation timer,
// which runs only while an animation can be seen.
#include "CalendarEvents.h"
#include "ClockForm.h"
#include "FakePlatform.h"
#include "FixtureServer.h"
#include "ImageryLinks.h"
#include "InfoForm.h"
#include "MoonComponent.h"
#include "PictureBox.h"
#include "ProgramState.h"
#include "RadarState.h"
#include "RadarTabTexts.h"
#include "SatelliteState.h"
#include "SatelliteTabTexts.h"
#include "Settings.h"
#include "TestGif.h"
#include "WaitUntil.h"

#include "QStringPrinter.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>
#include <optional>

namespace orbelune {
namespace {

using test::THttpFixture;
using TRoute = THttpFixture::TRoute;

TEST(RadarTabTexts, StepsByHandWrapAtTheEnds) {
    const struct {
        int Pos, Count;
        bool Forward;
        int Next;
    } cases[] = {{0, 10, true, 1},  {9, 10, true, 0},   {0, 10, false, 9}, {5, 10, false, 4},
                 {12, 10, true, 0}, {-3, 10, false, 9}, {0, 1, true, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(ManualFrameStep(c.Pos, c.Count, c.Forward), c.Next) << c.Pos << " " << c.Forward;
}

TEST(SatelliteTabTexts, TypesOfferedByRegion) {
    const QStringList all = {"Infrared", "Visible", "Water Vapor"};
    for (int region : {0, 5, 10}) EXPECT_EQ(SatelliteTypeItems(region), all) << region;
    for (int region : {11, 12, 18, 21}) EXPECT_EQ(SatelliteTypeItems(region), all.mid(0, 2));
    for (int region : {13, 14, 17}) EXPECT_EQ(SatelliteTypeItems(region), all.mid(0, 1));
    EXPECT_EQ(SatelliteRegionNames().size(), 22);
    EXPECT_EQ(KeptSatelliteType(2, 3), 2);
    EXPECT_EQ(KeptSatelliteType(2, 2), 0);
}

class ImageryTabs : public ::testing::Test {
protected:
    void SetUp() override {
        test::ResetProgramState();
        Settings.ShowInfoFormAtStartup = false;
        Settings.RunWhenWindowsStarts = false;
        Settings.SaveOnExit = false;
        Fakes.Clock.Value = 46000.75;
        Events.SetDate(46000.0);
    }
    void TearDown() override {
        Info.reset();
        Clock.reset();
        test::ResetProgramState();
    }
    TInfoForm& MakeForm() {
        Info = std::make_unique<TInfoForm>(Events);
        return *Info;
    }
    // The clock window with the information window attached, as the program has them.
    TForm1& MakeWindows() {
        Clock = std::make_unique<TForm1>();
        Clock->FormCreate({QStringLiteral("orbelune"), QStringLiteral("/C")});
        Info = std::make_unique<TInfoForm>(*Clock->Events);
        Clock->AttachInfoForm(Info.get());
        return *Clock;
    }
    // Three frames of a single site, ready to loop.
    static void LoadFrames(TRadarState& Radar) {
        Radar.SetRadarFrameCount(3);
        for (int i = 0; i < 3; ++i) {
            Radar.RadarFrames[std::size_t(i)] = QImage(600, 550, QImage::Format_RGB32);
            Radar.RadarFrames[std::size_t(i)].fill(QColor(50 * i, 0, 0));
        }
        Radar.RadarFramesReady = true;
    }

    test::TFakePlatform Fakes;
    TCalendarEvents Events;
    std::unique_ptr<TForm1> Clock;
    std::unique_ptr<TInfoForm> Info;
};

TEST_F(ImageryTabs, ALocationShowsItsControls) {
    TRadarSheet& radar = *MakeForm().RadarPage;
    Info->show();
    Info->InfoFormPageControl->setCurrentIndex(RadarTab);
    const auto select = [&](int Location) {
        radar.RadarLocationBox->setCurrentIndex(Location);
        radar.RadarLocationBoxSelect();
    };
    select(120);  // New York City
    EXPECT_EQ(Settings.RadarLocationBoxIndex, 120);
    EXPECT_TRUE(radar.ZoomBut->isVisible() && radar.RadarReflectivityBox->isVisible());
    EXPECT_TRUE(radar.TopoBox->isVisible() && radar.WarningsTextBox->isVisible());
    select(1);  // the large national map: no zoom, no products, no layers
    EXPECT_FALSE(radar.ZoomBut->isVisible() || radar.RadarReflectivityBox->isVisible());
    EXPECT_FALSE(radar.TopoBox->isVisible() || radar.LegendBox->isVisible());
    EXPECT_TRUE(radar.ShowSitesBox->isVisible() && radar.RadarHintsBox->isVisible());
    select(5);
    EXPECT_TRUE(radar.ZoomBut->isVisible());

    // Each location's image size; the direction buttons of a Hawaii site.
    radar.SetRadarImageSize(1);
    const QImage& canvas = radar.Image6->Picture();
    EXPECT_EQ(canvas.size(), QSize(3400, 1600));
    // Black all over, and no more than a bit a pixel while it waits for a picture.
    EXPECT_EQ(canvas.pixel(3399, 1599), qRgb(0, 0, 0));
    EXPECT_LE(canvas.sizeInBytes(), 3400 / 8 * 1600 + 8 * 1600);
    radar.SetRadarControlVisibility(59, true);  // Molokai: SE, S and NW
    QStringList shown;
    for (QToolButton* b : radar.RadButs)
        if (b->isVisible()) shown << b->text() + "=" + b->toolTip();
    EXPECT_EQ(shown,
              QStringList({"SE= HI - South Hawaii", "S= HI - Kohala", "NW= HI - South Kauai"}));
    radar.SetRadarControlVisibility(0, true);
    EXPECT_FALSE(radar.RadarButPanel->isVisible());
}

TEST_F(ImageryTabs, TheMapNamesTheNearestSiteAndMeasuresDistances) {
    Settings.RadarLocationBoxIndex = 120;  // New York City, 600 x 550 centred on the radar
    TRadarSheet& radar = *MakeForm().RadarPage;
    radar.Image6MouseMove({300, 275});
    EXPECT_EQ(radar.SiteNameLab->text(), " NY - New York City");
    EXPECT_TRUE(radar.LonLab2->text().startsWith("-72.86")) << radar.LonLab2->text().toStdString();
    EXPECT_TRUE(radar.LatLab2->text().startsWith("40.86")) << radar.LatLab2->text().toStdString();
    EXPECT_EQ(radar.Image6->toolTip(), " NY - New York City");
    // Another location chosen in the box changes nothing the map says about its picture.
    radar.RadarLocationBox->setCurrentIndex(58);  // HI - Kohala
    radar.RadarLocationBoxSelect();
    radar.Image6MouseMove({300, 280});
    EXPECT_EQ(radar.SiteNameLab->text(), " NY - New York City");
    EXPECT_TRUE(radar.LatLab2->text().startsWith("40.8")) << radar.LatLab2->text().toStdString();

    radar.LeftClickItems[1]->setChecked(true);
    EXPECT_EQ(Settings.LeftClickGroupIndex, 1);
    radar.Image6MouseDown(Qt::LeftButton, {300, 275});
    EXPECT_TRUE(radar.MilesLab->text().isEmpty());
    // A hundred pixels down the map: 0.95 degree of latitude, some 66 miles.
    radar.Image6MouseDown(Qt::LeftButton, {300, 375});
    const double miles = radar.MilesLab->text().section(' ', 0, 0).toDouble();
    const double km = radar.KMLab->text().section(' ', 0, 0).toDouble();
    EXPECT_NEAR(miles, 65.8, 1.0) << radar.MilesLab->text().toStdString();
    EXPECT_NEAR(km / miles, 1.609, 0.02);
    EXPECT_EQ(radar.Image6->toolTip(), radar.KMLab->text() + " = " + radar.MilesLab->text());
    // Nothing while a request runs.
    radar.Radar->RadarBusy = true;
    radar.Image6MouseMove({10, 10});
    EXPECT_TRUE(radar.LonLab2->text().startsWith("-72.86"));
    radar.Radar->RadarBusy = false;
}

TEST_F(ImageryTabs, StoredCountsAndSpeedAreHeldToTheirRanges) {
    Settings.RadarLocationBoxIndex = 120;
    Settings.StateMaxImages = 99;
    Settings.NationalMaxImages = -4;
    Settings.SpeedUpDownPosition = 150;
    TRadarSheet& radar = *MakeForm().RadarPage;
    EXPECT_EQ(radar.Radar->RadarMaxImages(), 30);
    EXPECT_EQ(Settings.StateMaxImages, 30);
    EXPECT_EQ(radar.MaxImagesUpDown->value(), 30);
    EXPECT_EQ(Info->AnimationIntervalMs(), 20);
    radar.RadarLocationBox->setCurrentIndex(3);
    radar.RadarLocationBoxSelect();
    EXPECT_EQ(radar.Radar->RadarMaxImages(), 1);
    EXPECT_EQ(Settings.NationalMaxImages, 1);
    EXPECT_EQ(radar.MaxImagesUpDown->value(), 1);
    radar.MaxImagesUpDown->setValue(12);
    EXPECT_EQ(radar.Radar->RadarMaxImages(), 12);
}

TEST_F(ImageryTabs, TheLoopButtonNamesTheOtherModeAndStartsTheLoop) {
    Settings.LoopRadar = true;
    Settings.AnimateRadar = Settings.RepeatRadar = false;
    TRadarSheet& radar = *MakeForm().RadarPage;
    EXPECT_EQ(radar.LoopRadarBut->text(), "ROCK");
    radar.LoopRadarBut->click();
    EXPECT_FALSE(Settings.LoopRadar);
    EXPECT_EQ(radar.LoopRadarBut->text(), "LOOP");
    EXPECT_TRUE(Settings.AnimateRadar && Settings.RepeatRadar);
    EXPECT_TRUE(radar.AnimateRadarBox->isChecked() && radar.RepeatRadarBox->isChecked());
}

TEST_F(ImageryTabs, FramesSteppedByHand) {
    TRadarSheet& radar = *MakeForm().RadarPage;
    LoadFrames(*radar.Radar);
    radar.AnimateRadarBox->setChecked(true);
    // The first press stops the loop on the last frame; later ones step and wrap.
    radar.NextRadarImageBut->click();
    EXPECT_FALSE(Settings.AnimateRadar);
    EXPECT_EQ(radar.RadarImageNumLab->text(), " 3");
    radar.NextRadarImageBut->click();
    EXPECT_EQ(radar.RadarImageNumLab->text(), " 1");
    radar.PrevRadarImageBut->click();
    EXPECT_EQ(radar.RadarImageNumLab->text(), " 3");
    EXPECT_EQ(radar.Image6->Picture().pixel(0, 0), QColor(100, 0, 0).rgb());
    EXPECT_TRUE(radar.Radar->RadarManualStep);
}

TEST_F(ImageryTabs, TheAnimationTimerRunsOnlyWhileAnAnimationIsShown) {
    TForm1& clock = MakeWindows();
    TRadarSheet& radar = *Info->RadarPage;
    LoadFrames(*radar.Radar);
    Settings.AnimateRadar = Settings.RepeatRadar = true;
    radar.AnimateRadarBox->setChecked(true);
    Info->show();
    Info->InfoFormPageControl->setCurrentIndex(MoonTab);
    EXPECT_FALSE(clock.Timer2->isActive());

    Info->InfoFormPageControl->setCurrentIndex(RadarTab);
    EXPECT_TRUE(clock.Timer2->isActive());
    clock.Timer2Timer();
    clock.Timer2Timer();
    EXPECT_EQ(radar.Image6->Picture().pixel(0, 0), QColor(50, 0, 0).rgb());
    radar.SpeedUpDown->setValue(99);
    EXPECT_EQ(clock.Timer2->interval(), 20);

    // Another tab: the loop pauses and the timer stops, unless the moon turns there.
    Info->InfoFormPageControl->setCurrentIndex(SatelliteTab);
    EXPECT_FALSE(clock.Timer2->isActive());
    Info->InfoFormPageControl->setCurrentIndex(MoonTab);
    EXPECT_FALSE(clock.Timer2->isActive());
    Info->MoonPage->AnimateMoonBox->click();
    EXPECT_TRUE(clock.Timer2->isActive());
    const TDateTime before = Info->MoonPage->Moon1->Date();
    clock.Timer2Timer();
    EXPECT_NEAR(Info->MoonPage->Moon1->Date() - before, 0.33, 1e-9);

    // A hidden window animates nothing: the next tick stops the timer.
    Info->hide();
    clock.Timer2Timer();
    EXPECT_FALSE(clock.Timer2->isActive());
    Info->show();
    EXPECT_TRUE(clock.Timer2->isActive());
    Info->MoonPage->AnimateMoonBox->click();
    EXPECT_FALSE(clock.Timer2->isActive());
}

TEST_F(ImageryTabs, TheTimeLineIsDrawnInItsColour) {
    TInfoForm& form = MakeForm();
    form.DoStartTasks();  // the window's face becomes the button face
    form.show();
    form.InfoFormPageControl->setCurrentIndex(RadarTab);
    TRadarTimeLine line;
    line.Visible = line.SetText = true;
    line.Color = RadarTimeRed;
    line.Text = "Loading Radar";
    emit form.RadarPage->Radar->TimeLineChanged(line);
    const QImage drawn = form.RadarPage->LastRadarLab1->grab().toImage();
    int red = 0;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
            if (qRed(drawn.pixel(x, y)) > 150 && qGreen(drawn.pixel(x, y)) < 100) ++red;
    EXPECT_GT(red, 10);
}

TEST_F(ImageryTabs, LinksOpenInTheBrowserAndTheSatellitePictureCanBeSaved) {
    TInfoForm& form = MakeForm();
    const QString address = ImageryLinkAddress(TImageryLink::GroundClutter);
    EXPECT_TRUE(form.RadarPage->GroundClutterLab->text().contains(address));
    emit form.RadarPage->GroundClutterLab->linkActivated(address);
    ASSERT_EQ(Fakes.Urls.Opened.size(), 1);
    EXPECT_EQ(Fakes.Urls.Opened[0].host(), "www.weather.gov");
    EXPECT_EQ(Fakes.Urls.Opened[0].path(), "/jetstream/doppler/radarfaq.html");
    EXPECT_EQ(Fakes.Urls.Opened[0].fragment(), "everything");

    QTemporaryDir folder;
    const QString file = folder.filePath("satellite - 1.jpg");
    EXPECT_FALSE(form.PanelToClipBoardOrFile(file));  // nothing shown yet
    QImage picture(64, 48, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    emit form.SatellitePage->Satellite->ImageShown(picture);
    ASSERT_TRUE(form.PanelToClipBoardOrFile(file));
    EXPECT_EQ(QImage(file).size(), QSize(64, 48));
}

TEST_F(ImageryTabs, SatelliteBoxesFollowTheRegion) {
    Settings.SatelliteLocationBoxIndex = 0;
    Settings.SatelliteTypeBoxIndex = 2;
    Settings.AnimateSatellite = false;
    TSatelliteSheet& sat = *MakeForm().SatellitePage;
    Info->show();
    Info->InfoFormPageControl->setCurrentIndex(SatelliteTab);
    EXPECT_EQ(sat.SatelliteTypeBox->count(), 3);
    EXPECT_EQ(sat.SatelliteTypeBox->currentText(), "Water Vapor");
    EXPECT_TRUE(sat.SatelliteColorBox->isVisible());
    const auto select = [&](int Region) {
        sat.SatelliteLocationBox->setCurrentIndex(Region);
        sat.SatelliteLocationBoxSelect();
    };
    select(12);  // no water vapour: back to the first type
    EXPECT_EQ(sat.SatelliteTypeBox->count(), 2);
    EXPECT_EQ(Settings.SatelliteTypeBoxIndex, 0);
    EXPECT_FALSE(sat.SatelliteColorBox->isVisible());
    EXPECT_TRUE(sat.AnimateSatelliteBox->isVisible() && sat.RepeatSatelliteBox->isVisible());
    sat.SatelliteTypeBox->setCurrentIndex(1);
    sat.SatelliteTypeBoxSelect();
    select(18);  // a full disk: visible kept, no loop
    EXPECT_EQ(sat.SatelliteTypeBox->currentText(), "Visible");
    EXPECT_FALSE(sat.AnimateSatelliteBox->isVisible() || sat.RepeatSatelliteBox->isVisible());
    select(1);
    sat.AnimateSatelliteBox->setChecked(true);
    EXPECT_TRUE(Settings.AnimateSatellite);
    EXPECT_FALSE(sat.SatelliteColorBox->isVisible());
}

// Requests through the tabs against servers on 127.0.0.1 that fail in every way a
// server can: each tells why in the tab's time line, keeps the picture shown before
// (and says so when there is none), and leaves the tab usable at once.
class ImageryRequests : public ImageryTabs {
protected:
    void SetUp() override {
        if (test::SharedTestCertificate().Certificate.isNull())
            GTEST_SKIP() << "the openssl tool is not available";
        ImageryTabs::SetUp();
        trusted_.emplace(test::SharedTestCertificate());
        TInfoForm& form = MakeForm();
        form.RadarPage->Radar->Limits.TimeoutMs = form.SatellitePage->Satellite->Limits.TimeoutMs =
            300;
        form.RadarPage->Radar->Limits.RequestBudgetMs = 1500;
        form.SatellitePage->Satellite->Limits.RequestBudgetMs = 1000;
        form.InfoFormPageControl->setCurrentIndex(RadarTab);
        Fakes.FileDialogs.Cancel = true;
    }
    void TearDown() override {
        ImageryTabs::TearDown();
        trusted_.reset();
    }

    struct TFailure {
        const char* Name;
        std::optional<TRoute> Route;  // none: nothing listens
        const char* Reason;
    };
    static inline const TFailure Failures[] = {
        {"refused", std::nullopt, "the server refused the connection"},
        {"stalled", TRoute{200, "GIF89a", {}, THttpFixture::TMode::Stall},
         "the server did not answer in time"},
        {"404", TRoute{404, "gone", {}, THttpFixture::TMode::Normal},
         "the server answered HTTP 404 Not Found"},
        {"500", TRoute{500, "oops", {}, THttpFixture::TMode::Normal},
         "the server answered HTTP 500 Internal Server Error"},
        {"no picture", TRoute{200, "<html>down</html>", {}, THttpFixture::TMode::Normal},
         "the reply is not a picture"},
    };

    // A server that answers every path with the failure's route (over TLS for the radar),
    // named as the settings name servers; nothing listens at a refused one.
    std::unique_ptr<THttpFixture> Serve(const TFailure& Failure, bool Tls, QString& Host) {
        Host = QStringLiteral("127.0.0.1:%1").arg(test::ClosedPort());
        if (!Failure.Route) return nullptr;
        QHash<QString, TRoute> routes{{"*", *Failure.Route}};
        auto server = Tls ? std::make_unique<THttpFixture>(routes, trusted_->ServerTls)
                          : std::make_unique<THttpFixture>(routes);
        Host = server->HostAndPort();
        return server;
    }
    std::unique_ptr<THttpFixture> Good(const QString& Path, const QByteArray& Body, bool Tls) {
        QHash<QString, TRoute> routes{{Path, TRoute{200, Body, {}, THttpFixture::TMode::Normal}}};
        return Tls ? std::make_unique<THttpFixture>(routes, trusted_->ServerTls)
                   : std::make_unique<THttpFixture>(routes);
    }
    // The tab's controls work and its request button is back in place.
    static bool Usable(QPushButton* Start, QPushButton* Cancel, QWidget* Control) {
        return Start->isEnabled() && !Start->isHidden() && Cancel->isHidden() &&
               Control->isEnabled();
    }
    QString SaveName() {
        Info->SaveAsFile2Click();
        return Fakes.FileDialogs.Asked.isEmpty() ? QString()
                                                 : Fakes.FileDialogs.Asked.takeLast().FileName;
    }

    std::optional<test::TTrustedCertificate> trusted_;
};

TEST_F(ImageryRequests, ASiteRequestThatFailsSaysWhy) {
    TRadarSheet& radar = *Info->RadarPage;
    for (const TFailure& f : Failures) {
        SCOPED_TRACE(f.Name);
        const auto server = Serve(f, true, Settings.RadarServer);
        radar.GetRadarBut->click();
        // Meanwhile only "Cancel" works.
        EXPECT_TRUE(radar.CancelRadarBut->isEnabled() && !radar.CancelRadarBut->isHidden());
        EXPECT_FALSE(radar.RadarLocationBox->isEnabled() || radar.GetRadarBut->isEnabled());
        ASSERT_TRUE(test::WaitUntil([&] { return !radar.Radar->RadarBusy; }, 10000));
        EXPECT_EQ(radar.LastRadarLab1->text(), QStringLiteral("No radar for NY - New York City: "
                                                              "%1.\nNo radar picture has arrived "
                                                              "yet.")
                                                   .arg(QLatin1String(f.Reason)));
        EXPECT_TRUE(Usable(radar.GetRadarBut, radar.CancelRadarBut, radar.RadarLocationBox));
        EXPECT_TRUE(SaveName().isEmpty());
    }
}

// The last good mosaic stays, and everything that describes it (the time line, the
// position under the mouse, the name it is saved under) describes it, though another
// location is chosen in the box.
TEST_F(ImageryRequests, AMosaicRequestThatFailsKeepsTheLastPicture) {
    TRadarSheet& radar = *Info->RadarPage;
    QImage good(60, 57, QImage::Format_RGB32);
    good.fill(qRgb(0, 90, 200));
    const auto goodServer = Good("/Conus/RadarImg/northeast.gif", test::TestGif(good), true);
    Settings.RadarServer = goodServer->HostAndPort();
    Settings.AnimateRadar = false;
    radar.RadarLocationBox->setCurrentIndex(2);  // USA - NorthEast
    radar.RadarLocationBoxSelect();
    radar.GetRadarBut->click();
    const QString goodLine = radar.LastRadarLab1->text();
    ASSERT_TRUE(goodLine.startsWith(" USA - NorthEast   ")) << goodLine.toStdString();

    radar.RadarLocationBox->setCurrentIndex(3);  // USA - SouthEast
    radar.RadarLocationBoxSelect();
    QString toldAfter;  // the time line when a refused connection is told, the tab usable
    QObject::connect(radar.Radar, &TRadarState::ConnectionRefused, &radar, [&] {
        if (Usable(radar.GetRadarBut, radar.CancelRadarBut, radar.RadarLocationBox))
            toldAfter = radar.LastRadarLab1->text();
    });
    for (const TFailure& f : Failures) {
        SCOPED_TRACE(f.Name);
        const auto server = Serve(f, true, Settings.RadarServer);
        radar.GetRadarBut->click();
        EXPECT_EQ(
            radar.LastRadarLab1->text(),
            QStringLiteral("No radar for USA - SouthEast: %1.\n").arg(QLatin1String(f.Reason)) +
                goodLine);
        EXPECT_TRUE(Usable(radar.GetRadarBut, radar.CancelRadarBut, radar.RadarLocationBox));
        EXPECT_EQ(radar.Image6->Picture().pixel(30, 28), good.pixel(30, 28));
        radar.Image6MouseMove({300, 100});  // the NorthEast map's left edge is at -81.61
        EXPECT_TRUE(radar.LonLab2->text().startsWith("-74.05"))
            << radar.LonLab2->text().toStdString();
        EXPECT_TRUE(SaveName().startsWith("radar -  USA - NorthEast - "));
        radar.RefreshRadarAge();
        EXPECT_TRUE(radar.LastRadarLab1->text().endsWith(goodLine));
    }
    EXPECT_TRUE(toldAfter.contains("refused")) << toldAfter.toStdString();
}

TEST_F(ImageryRequests, ASatelliteStillThatFailsSaysWhy) {
    TSatelliteSheet& sat = *Info->SatellitePage;
    Info->InfoFormPageControl->setCurrentIndex(SatelliteTab);
    sat.SatelliteLocationBox->setCurrentIndex(16);  // Northern Hemisphere: a still
    sat.SatelliteLocationBoxSelect();
    // The message about a refused connection comes once the tab says why and is usable.
    QString toldAfter;
    QObject::connect(sat.Satellite, &TSatelliteState::ConnectionRefused, &sat, [&] {
        if (Usable(sat.GetSatelliteBut, sat.CancelSatelliteBut, sat.SatelliteLocationBox))
            toldAfter = sat.LastSatelliteLab->text();
    });
    for (const TFailure& f : Failures) {
        SCOPED_TRACE(f.Name);
        const auto server = Serve(f, false, Settings.SatelliteServer);
        sat.GetSatelliteBut->click();
        EXPECT_EQ(sat.LastSatelliteLab->text(),
                  QStringLiteral("No satellite image: %1.\nNo satellite image has arrived yet.")
                      .arg(QLatin1String(f.Reason)));
        EXPECT_TRUE(Usable(sat.GetSatelliteBut, sat.CancelSatelliteBut, sat.SatelliteLocationBox));
        EXPECT_TRUE(SaveName().isEmpty());
    }
    EXPECT_TRUE(toldAfter.contains("refused")) << toldAfter.toStdString();
    ASSERT_EQ(Fakes.Messages.Owners.size(), 1);
    EXPECT_EQ(Fakes.Messages.Owners[0], sat.window());
}

// A loop that fails keeps the still shown before, with its own time and name; a
// stalled server holds the whole loop no longer than the request's one time bound.
TEST_F(ImageryRequests, ASatelliteLoopThatFailsKeepsTheLastPicture) {
    TSatelliteSheet& sat = *Info->SatellitePage;
    Info->InfoFormPageControl->setCurrentIndex(SatelliteTab);
    const auto goodServer =
        Good("/FULLDISK/GEIR.JPG", test::TestJpeg({64, 48}, qRgb(200, 40, 40)), false);
    Settings.SatelliteServer = goodServer->HostAndPort();
    sat.SatelliteLocationBox->setCurrentIndex(17);  // Full Disk - GOES East
    sat.SatelliteLocationBoxSelect();
    sat.GetSatelliteBut->click();
    const QString goodLine = sat.LastSatelliteLab->text();
    ASSERT_FALSE(goodLine.isEmpty());

    sat.SatelliteLocationBox->setCurrentIndex(0);  // USA - East, a loop
    sat.SatelliteLocationBoxSelect();
    sat.AnimateSatelliteBox->setChecked(true);
    for (const TFailure& f : Failures) {
        SCOPED_TRACE(f.Name);
        const auto server = Serve(f, false, Settings.SatelliteServer);
        QElapsedTimer clock;
        clock.start();
        sat.GetSatelliteBut->click();
        EXPECT_LT(clock.elapsed(), 3000);
        // Ten frames at most; of a stalled server, the few that the request's second holds.
        const int most = f.Route && f.Route->Mode == THttpFixture::TMode::Stall ? 5 : 10;
        EXPECT_LE(server ? server->RequestedPaths().size() : 0, most);
        EXPECT_EQ(
            sat.LastSatelliteLab->text(),
            QStringLiteral("No satellite image: %1.\n").arg(QLatin1String(f.Reason)) + goodLine);
        EXPECT_TRUE(Usable(sat.GetSatelliteBut, sat.CancelSatelliteBut, sat.SatelliteLocationBox));
        EXPECT_TRUE(qRed(sat.Image7->Picture().pixel(32, 24)) > 150);
        EXPECT_TRUE(SaveName().startsWith("satellite - Full Disk - GOES East - Infrared - "));
    }
}

TEST_F(ImageryRequests, ARequestTheUserCancelsSaysSoAtOnce) {
    const TFailure stalled = Failures[1];
    TRadarSheet& radar = *Info->RadarPage;
    radar.Radar->Limits.TimeoutMs = 20000;
    const auto radarServer = Serve(stalled, true, Settings.RadarServer);
    radar.GetRadarBut->click();
    ASSERT_TRUE(test::WaitUntil([&] { return !radarServer->RequestedPaths().isEmpty(); }, 10000));
    QElapsedTimer clock;
    clock.start();
    radar.CancelRadarBut->click();
    ASSERT_TRUE(test::WaitUntil([&] { return !radar.Radar->RadarBusy; }, 5000));
    EXPECT_LT(clock.elapsed(), 2000);
    EXPECT_EQ(radar.LastRadarLab1->text(),
              "No radar for NY - New York City: cancelled.\nNo radar picture has arrived yet.");
    EXPECT_TRUE(Usable(radar.GetRadarBut, radar.CancelRadarBut, radar.RadarLocationBox));

    // The satellite waits on this thread: the click comes while its loop downloads.
    TSatelliteSheet& sat = *Info->SatellitePage;
    sat.Satellite->Limits.TimeoutMs = sat.Satellite->Limits.RequestBudgetMs = 20000;
    const auto satServer = Serve(stalled, false, Settings.SatelliteServer);
    sat.AnimateSatelliteBox->setChecked(true);
    QTimer::singleShot(300, sat.CancelSatelliteBut, &QPushButton::click);
    clock.restart();
    sat.GetSatelliteBut->click();
    EXPECT_LT(clock.elapsed(), 2000);
    EXPECT_EQ(sat.LastSatelliteLab->text(),
              "No satellite image: cancelled.\nNo satellite image has arrived yet.");
    EXPECT_TRUE(Usable(sat.GetSatelliteBut, sat.CancelSatelliteBut, sat.SatelliteLocationBox));
}

}  // namespace
}  // namespace orbelune
