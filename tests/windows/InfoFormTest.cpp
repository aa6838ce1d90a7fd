// The information window's frame: its tabs, the stored position and size, the action
// list and the start-up tasks, with what it asks of the clock window recorded from its
// signals.
#include "CalendarEvents.h"
#include "ClockState.h"
#include "DateFormats.h"
#include "FakePlatform.h"
#include "FixtureServer.h"
#include "InfoForm.h"
#include "InfoLocation.h"
#include "ProgramState.h"
#include "ReportSamples.h"
#include "ReportText.h"
#include "Settings.h"
#include "WeatherService.h"
#include "WeatherState.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPointer>
#include <QStatusBar>
#include <QTabWidget>

#include <QTabBar>

#include <gtest/gtest.h>

#include <memory>

namespace orbelune {
namespace {

class InfoFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::ResetProgramState();
        Settings.ShowInfoFormAtStartup = false;
        Fakes.Clock.Value = 46000.75;  // 2025-12-09 18:00
        Events.SetDate(45000.0);       // the calendar on 2023-03-15
    }
    void TearDown() override {
        Form.reset();
        test::ResetProgramState();
    }
    TInfoForm& MakeForm() {
        Form = std::make_unique<TInfoForm>(Events);
        return *Form;
    }
    // Records what the window asks of the clock window.
    void Listen() {
        QObject::connect(Form.get(), &TInfoForm::ClockIntervalRequested,
                         [this](int Ms) { Timer1Interval = Ms; });
        QObject::connect(Form.get(), &TInfoForm::CaptionRequested,
                         [this](const QString& Text) { Caption = Text; });
        QObject::connect(Form.get(), &TInfoForm::MoonShown,
                         [this](TDateTime T, bool) { MoonIconsAt = T; });
        QObject::connect(Form.get(), &TInfoForm::MinimizeToTrayChanged,
                         [this](bool On) { TrayMinimize = On; });
        QObject::connect(Form.get(), &TInfoForm::ShowHolidaysChanged,
                         [this](bool On) { ShowHolidays = On; });
        QObject::connect(Form.get(), &TInfoForm::ShowTinyMoonsChanged,
                         [this](bool On) { ShowTinyMoons = On; });
    }

    test::TFakePlatform Fakes;
    TCalendarEvents Events;
    std::unique_ptr<TInfoForm> Form;
    int Timer1Interval = 10;
    QString Caption;
    TDateTime MoonIconsAt = -1;
    int TrayMinimize = -1;
    int ShowHolidays = -1;
    int ShowTinyMoons = -1;
};

TEST_F(InfoFormTest, ThirteenTabsInOrderWithTheirNamesAndCaptions) {
    TInfoForm& form = MakeForm();
    const QStringList names = {"MoonSheet",      "PlanetSheet", "WeatherSheet", "RadarSheet",
                               "SatelliteSheet", "TimeSheet",   "SetSheet",     "YearSheet",
                               "ToolsSheet",     "GraphSheet",  "HolidaySheet", "MapsSheet",
                               "AboutSheet"};
    const QStringList captions = {"Moon",    "Planet", "Weather", "Radar", "Satellite",
                                  "Time",    " Set",   "Year",    "Tools", "Graph",
                                  "Holiday", "Maps",   "About"};
    auto* pages = form.findChild<QTabWidget*>("InfoFormPageControl");
    ASSERT_NE(pages, nullptr);
    ASSERT_EQ(pages->count(), 13);
    for (int i = 0; i < 13; ++i) {
        EXPECT_EQ(pages->widget(i)->objectName(), names[i]) << i;
        EXPECT_EQ(pages->tabText(i), captions[i]) << i;
    }
    auto* setPages = form.findChild<QTabWidget*>("SetSheetPageControl");
    ASSERT_NE(setPages, nullptr);
    EXPECT_EQ(setPages->parentWidget()->objectName(), "SetSheet");
    ASSERT_EQ(setPages->count(), 2);
    EXPECT_EQ(setPages->widget(0)->objectName(), "Settings1");
    EXPECT_EQ(setPages->widget(1)->objectName(), "Settings2");
    EXPECT_EQ(form.windowTitle(), "Orbelune");
}

TEST_F(InfoFormTest, SettingsPagesFillTheSetTab) {
    TInfoForm& form = MakeForm();
    form.InfoFormPageControl->setCurrentIndex(6);
    form.resize(700, 500);
    form.show();
    QApplication::processEvents();
    auto* setSheet = form.findChild<QWidget*>("SetSheet");
    ASSERT_NE(setSheet, nullptr);
    EXPECT_EQ(form.SetSheetPageControl->geometry(), setSheet->rect());
    EXPECT_GT(setSheet->width(), 600);
}

TEST_F(InfoFormTest, PositionSizeAndTabsRestoredFromTheSettings) {
    Settings.InfoFormLeft = 123;
    Settings.InfoFormTop = 45;
    Settings.InfoFormWidth = 610;
    Settings.InfoFormHeight = 520;
    Settings.LastInfoFormTabIndex = 9;
    Settings.LastSetSheetTabIndex = 1;
    TInfoForm& form = MakeForm();
    EXPECT_EQ(form.pos(), QPoint(123, 45));
    EXPECT_EQ(form.size(), QSize(610, 520));
    EXPECT_EQ(form.InfoFormPageControl->currentIndex(), 9);
    EXPECT_EQ(form.SetSheetPageControl->currentIndex(), 1);
    EXPECT_EQ(form.minimumSize(), QSize(400, 300));
}

// The window never starts smaller than its minimum, nor than its contents need (which
// the window system would enlarge it to, losing its place).
TEST_F(InfoFormTest, TooSmallStoredSizeIsRaisedToTheMinimum) {
    Settings.InfoFormWidth = 100;
    Settings.InfoFormHeight = 50;
    TInfoForm& form = MakeForm();
    EXPECT_EQ(form.size(), QSize(400, 300).expandedTo(form.minimumSizeHint()));
}

TEST_F(InfoFormTest, DeactivationStoresPositionSizeTabsAndSwitches) {
    TInfoForm& form = MakeForm();
    form.move(77, 66);
    form.resize(555, 444);
    form.InfoFormPageControl->setCurrentIndex(1);
    form.SetSheetPageControl->setCurrentIndex(1);
    form.ToggleStartMinimized1->setChecked(true);
    form.ToggleSaveOnExit1->setChecked(false);
    QEvent deactivate(QEvent::ActivationChange);
    QApplication::sendEvent(&form, &deactivate);
    EXPECT_EQ(Settings.InfoFormLeft, 77);
    EXPECT_EQ(Settings.InfoFormTop, 66);
    EXPECT_EQ(Settings.InfoFormWidth, 555);
    EXPECT_EQ(Settings.InfoFormHeight, 444);
    EXPECT_FALSE(Settings.InfoFormMaximized);
    EXPECT_EQ(Settings.LastInfoFormTabIndex, 1);
    EXPECT_EQ(Settings.LastSetSheetTabIndex, 1);
    EXPECT_TRUE(Settings.StartMinimized);
    EXPECT_FALSE(Settings.SaveOnExit);
}

TEST_F(InfoFormTest, CreationCopiesTheSwitchesIntoTheActions) {
    Settings.MinimizeToTrayOn = true;
    Settings.StartMinimized = true;
    Settings.SaveOnExit = false;
    Settings.RunWhenWindowsStarts = false;
    Settings.ShowHolidays = false;
    Settings.ShowTinyMoons = true;
    TInfoForm& form = MakeForm();
    Listen();
    EXPECT_TRUE(form.ToggleMinimizeToTray1->isChecked());
    EXPECT_TRUE(form.ToggleStartMinimized1->isChecked());
    EXPECT_FALSE(form.ToggleSaveOnExit1->isChecked());
    EXPECT_FALSE(form.RunWhenWindowsStartsAction->isChecked());
    EXPECT_FALSE(form.ToggleShowHolidays1->isChecked());
    EXPECT_TRUE(form.ToggleShowTinyMoons1->isChecked());
    // Creating the window does not count as the user's toggle.
    EXPECT_EQ(TrayMinimize, -1);
}

TEST_F(InfoFormTest, ActionListCaptionsAndHints) {
    TInfoForm& form = MakeForm();
    struct Expected {
        const char* Name;
        const char* Caption;
        const char* Hint;
    };
    const Expected expected[] = {
        {"SendEmail1", "&Send Email", "Send Email"},
        {"GoToHomePage1", "&Home Page", "Go To Home Page"},
        {"ToggleMinimizeToTray1", "Minimize To Tray", "Minimize To Tray On/Off"},
        {"ToggleStartMinimized1", "Start Minimized", "Start Minimized On/Off"},
        {"ToggleSaveOnExit1", "Save Settings On Exit", "Save On Exit On/Off"},
        {"ToggleShowHolidays1", "Show Holidays", "Show Holidays On/Off"},
        {"ToggleShowTinyMoons1", "Show Tiny Moons", "Show Tiny Moons On/Off"},
        {"SizeDefaultAction1", "Default Size", "Default Size"},
        {"SizeMaximumAction1", "Maximum Size", "Maximum Size"},
        {"SizeMinimumAction1", "Minimum Size", "Minimum Size"},
    };
    for (const Expected& e : expected) {
        auto* action = form.findChild<QAction*>(e.Name);
        ASSERT_NE(action, nullptr) << e.Name;
        EXPECT_EQ(action->text(), e.Caption) << e.Name;
        EXPECT_EQ(action->toolTip(), e.Hint) << e.Name;
    }
    auto* run = form.findChild<QAction*>("RunWhenWindowsStartsAction");
    ASSERT_NE(run, nullptr);
    EXPECT_EQ(run->text(), "Run When The Desktop Session Starts");  // the Linux caption
    for (const char* name :
         {"LabelGoRed", "LabelGoNavy", "LabelGoBlack", "PrintImageAction1", "Close1"})
        EXPECT_NE(form.findChild<QAction*>(name), nullptr) << name;
}

TEST_F(InfoFormTest, MainMenuClosesAndSizesTheWindow) {
    TInfoForm& form = MakeForm();
    const QList<QAction*> items = form.menuBar()->actions();
    ASSERT_GE(items.size(), 2);
    EXPECT_EQ(items[0]->text(), "&Close");
    ASSERT_NE(items[1]->menu(), nullptr);
    EXPECT_EQ(items[1]->text(), "&View");
    const QList<QAction*> sizes = items[1]->menu()->actions();
    ASSERT_EQ(sizes.size(), 3);
    EXPECT_EQ(sizes[0], form.SizeMinimumAction1);
    EXPECT_EQ(sizes[1], form.SizeDefaultAction1);
    EXPECT_EQ(sizes[2], form.SizeMaximumAction1);
}

// A double-click closes the window on its bare background only: a label, a read-only
// field or a list that does not take the double-click leaves it open.
TEST_F(InfoFormTest, DoubleClickClosesTheWindowOnlyOnItsBareBackground) {
    TInfoForm& form = MakeForm();
    form.resize(900, 800);
    const struct {
        int Tab;
        const char* Target;
        bool Closes;
    } cases[] = {
        {MoonTab, "MoonRiseLab1", false},    {SetTab, "LatDegreesLabel", false},
        {SetTab, "StationCodeEd", false},    {SetTab, "PlaceListBox", false},
        {MoonTab, "MoonSheetContent", true}, {SetTab, "LocationSheetContent", true},
    };
    for (const auto& c : cases) {
        form.show();
        form.InfoFormPageControl->setCurrentIndex(c.Tab);
        auto* target = form.findChild<QWidget*>(QString::fromLatin1(c.Target));
        ASSERT_NE(target, nullptr) << c.Target;
        if (auto* area = qobject_cast<QAbstractScrollArea*>(target)) target = area->viewport();
        // A corner of the target that no child of its own covers.
        QPoint at(1, target->height() - 2);
        while (target->childAt(at) != nullptr && at.y() > 1) --at.ry();
        ASSERT_TRUE(target->isVisible()) << c.Target;
        QMouseEvent click(QEvent::MouseButtonDblClick, at, target->mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &click);
        EXPECT_EQ(form.isVisible(), !c.Closes) << c.Target;
    }
}

TEST_F(InfoFormTest, ToggleActionsFlipTheirSettings) {
    TInfoForm& form = MakeForm();
    Listen();
    form.ToggleStartMinimized1->trigger();
    EXPECT_TRUE(Settings.StartMinimized);
    EXPECT_TRUE(form.ToggleStartMinimized1->isChecked());
    form.ToggleSaveOnExit1->trigger();
    EXPECT_FALSE(Settings.SaveOnExit);
    EXPECT_FALSE(form.ToggleSaveOnExit1->isChecked());
    form.RunWhenWindowsStartsAction->trigger();
    EXPECT_FALSE(Settings.RunWhenWindowsStarts);
    form.ToggleMinimizeToTray1->trigger();
    EXPECT_TRUE(Settings.MinimizeToTrayOn);
    EXPECT_EQ(TrayMinimize, 1);
    form.ToggleShowHolidays1->trigger();
    EXPECT_EQ(ShowHolidays, 0);
    EXPECT_FALSE(form.ToggleShowHolidays1->isChecked());
    form.ToggleShowTinyMoons1->trigger();
    EXPECT_EQ(ShowTinyMoons, 0);
    form.ToggleShowTinyMoons1->trigger();
    EXPECT_EQ(ShowTinyMoons, 1);
    EXPECT_TRUE(form.ToggleShowTinyMoons1->isChecked());
}

TEST_F(InfoFormTest, SizeActions) {
    TInfoForm& form = MakeForm();
    form.SizeDefaultAction1->trigger();
    EXPECT_EQ(form.size(), QSize(660, 752));
    form.SizeMinimumAction1->trigger();
    EXPECT_EQ(form.size(), QSize(540, 480));
    form.move(120, 90);
    const QPoint corner = form.pos();
    form.SizeMaximumAction1->trigger();
    EXPECT_TRUE(form.windowState() & Qt::WindowMaximized);
    form.SizeDefaultAction1->trigger();
    EXPECT_FALSE(form.windowState() & Qt::WindowMaximized);
    // Back where it stood before it was maximised.
    EXPECT_EQ(form.geometry(), QRect(corner, QSize(660, 752)));
}

TEST_F(InfoFormTest, LabelColourHandlers) {
    QLabel label;
    TInfoForm::LabelGoRedExecute(&label);
    EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(255, 0, 0));
    TInfoForm::LabelGoNavyExecute(&label);
    EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(0, 0, 128));
    TInfoForm::LabelGoBlueExecute(&label);
    EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(0, 0, 255));
    TInfoForm::LabelGoBlackExecute(&label);
    EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(0, 0, 0));
}

TEST_F(InfoFormTest, ShowingSetsTheClockTimerAndTheSavedState) {
    Settings.InfoFormMaximized = true;
    TInfoForm& form = MakeForm();
    Listen();
    EXPECT_EQ(Timer1Interval, 10);
    form.show();
    EXPECT_EQ(Timer1Interval, 1000);
    EXPECT_TRUE(form.windowState() & Qt::WindowMaximized);
}

TEST_F(InfoFormTest, ShownAtCreationWhenAsked) {
    Settings.ShowInfoFormAtStartup = true;
    TInfoForm& form = MakeForm();
    EXPECT_TRUE(form.isVisible());
    form.Close1->trigger();
    EXPECT_FALSE(form.isVisible());
}

TEST_F(InfoFormTest, StartTasksWithTheDefaultTabOpenTheSetTabAndFetchNothing) {
    TInfoForm& form = MakeForm();
    Listen();
    int requests = 0;
    QObject::connect(&WeatherService(), &TWeatherService::ReportStarted, &form,
                     [&requests] { ++requests; });
    form.InfoFormPageControl->setCurrentIndex(0);
    form.DoStartTasks();
    EXPECT_EQ(form.InfoFormPageControl->currentIndex(), 6);
    EXPECT_EQ(requests, 0);
    EXPECT_TRUE(Caption.isEmpty());
}

TEST_F(InfoFormTest, StartTasksFetchTheSavedStationsTemperatureOnce) {
    test::THttpFixture server(
        {{ReportPath("EGLL"),
          test::THttpFixture::TRoute{
              200, test::HeathrowReport, {}, test::THttpFixture::TMode::Normal}}});
    Settings.WeatherServer = server.HostAndPort();
    Settings.WeatherStationCode = "EGLL";
    ClockState.PendingStartupWeather = true;
    TInfoForm& form = MakeForm();
    Listen();
    form.DoStartTasks();
    ASSERT_TRUE(WeatherService().WaitForRequests(10000));
    EXPECT_FALSE(ClockState.PendingStartupWeather);
    EXPECT_EQ(Caption, "Loading Temp...");
    EXPECT_EQ(server.RequestedPaths(), QStringList{ReportPath("EGLL")});
    EXPECT_DOUBLE_EQ(WeatherState.LastWeatherDownloadTime.load(), Fakes.Clock.Value);  // shown
    // The calendar's date (2023-03-15) at the time of day of now (18:00).
    EXPECT_DOUBLE_EQ(MoonIconsAt, 45000.75);

    form.DoStartTasks();
    ASSERT_TRUE(WeatherService().WaitForRequests(10000));
    EXPECT_EQ(server.RequestedPaths().size(), 1);
}

TEST_F(InfoFormTest, StartTasksReopenTheWeatherRadarAndSatelliteTabs) {
    for (int tab : {2, 3, 4, 12}) {
        Settings.LastInfoFormTabIndex = tab;
        TInfoForm& form = MakeForm();
        form.InfoFormPageControl->setCurrentIndex(0);
        form.DoStartTasks();
        EXPECT_EQ(form.InfoFormPageControl->currentIndex(), tab);
        // The weather tab asks for a report (of a server here that refuses at once).
        ASSERT_TRUE(WeatherService().WaitForRequests(10000));
    }
}

TEST_F(InfoFormTest, StatusBarHasFourPanels) {
    TInfoForm& form = MakeForm();
    ASSERT_NE(form.findChild<QStatusBar*>("StatusBar1"), nullptr);
    for (int i = 0; i < 4; ++i)
        EXPECT_NE(form.findChild<QLabel*>(QStringLiteral("StatusBar1Panel%1").arg(i)), nullptr)
            << i;
}

TEST(InfoFormModel, RadarFrameCountWrittenBackToItsOwnSetting) {
    TSettings settings;
    settings.RadarLocationBoxIndex = 5;  // a national mosaic
    settings.NationalMaxImages = 0;
    settings.StateMaxImages = 12;
    EXPECT_EQ(TakeRadarFrameCount(settings), 1);
    EXPECT_EQ(settings.NationalMaxImages, 1);
    EXPECT_EQ(settings.StateMaxImages, 12);

    settings.RadarLocationBoxIndex = 14;  // the first single site
    settings.NationalMaxImages = 8;
    settings.StateMaxImages = 45;
    EXPECT_EQ(TakeRadarFrameCount(settings), 30);
    EXPECT_EQ(settings.StateMaxImages, 30);
    EXPECT_EQ(settings.NationalMaxImages, 8);

    settings.RadarLocationBoxIndex = 13;
    settings.NationalMaxImages = 17;
    EXPECT_EQ(TakeRadarFrameCount(settings), 17);
    EXPECT_EQ(settings.StateMaxImages, 30);
}

TEST_F(InfoFormTest, ShowingKeepsTheNationalFrameCountApartFromTheSiteCount) {
    Settings.RadarLocationBoxIndex = 2;
    Settings.NationalMaxImages = 45;
    Settings.StateMaxImages = 10;
    TInfoForm& form = MakeForm();
    form.show();
    EXPECT_EQ(Settings.NationalMaxImages, 30);
    EXPECT_EQ(Settings.StateMaxImages, 10);
}

// The current tab looks different from the others, as in any tab control.
TEST_F(InfoFormTest, TheCurrentTabStandsOut) {
    TInfoForm& form = MakeForm();
    form.resize(700, 500);
    form.show();
    QTabBar* bar = form.InfoFormPageControl->tabBar();
    const QRect moonTab = bar->tabRect(MoonTab);
    const auto tabPicture = [&](int current) {
        form.InfoFormPageControl->setCurrentIndex(current);
        return bar->grab(moonTab).toImage();
    };
    EXPECT_NE(tabPicture(MoonTab), tabPicture(PlanetTab));
}

TEST(InfoFormModel, TabCaptionCentredWithHalvesTruncated) {
    EXPECT_EQ(TabCaptionOffset(75, 20, 31, 13), QPoint(22, 4));
    EXPECT_EQ(TabCaptionOffset(74, 21, 30, 12), QPoint(22, 4));
    // A caption wider than its tab starts left of the tab (and is clipped).
    EXPECT_EQ(TabCaptionOffset(20, 10, 41, 10), QPoint(-10, 0));
}

TEST(InfoFormModel, LocationTakenFromTheSettings) {
    TSettings settings;
    settings.Altitude = 5280;
    settings.Latitude = 39.7392L;
    settings.Longitude = -104.9903L;
    settings.PlaceName = "Denver";
    settings.CountryName = "United States";
    settings.StateName = "Colorado";
    settings.CityName = "Denver";
    const TInfoLocation location = InfoLocationFromSettings(settings);
    EXPECT_EQ(location.Altitude, 5280);
    EXPECT_EQ(location.Latitude, 39.7392L);
    EXPECT_EQ(location.Longitude, -104.9903L);
    EXPECT_EQ(location.PlaceName, "Denver");
    EXPECT_EQ(location.CountryName, "United States");
    EXPECT_EQ(location.StateName, "Colorado");
    EXPECT_EQ(location.CityName, "Denver");
}

}  // namespace
}  // namespace orbelune
