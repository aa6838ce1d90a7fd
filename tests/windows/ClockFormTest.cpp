// The clock window offscreen with a fake clock and a fixed zone: the minute logic of
// the clock update, the schedules and their 30-second gate, midnight, display levels,
// the tab commands, day labels, short-cuts, the tray fallback and a settings round trip.
#include "ClockForm.h"

#include "Calendar.h"
#include "CalendarEvents.h"
#include "ClockState.h"
#include "ClockTexts.h"
#include "DateFormats.h"
#include "DateTimeRtl.h"
#include "FakePlatform.h"
#include "FileFaults.h"
#include "HelpForm.h"
#include "InfoForm.h"
#include "LocationSheet.h"
#include "MoonComponent.h"
#include "MoonSheet.h"
#include "PlanetSheet.h"
#include "ProgramState.h"
#include "ScopedZone.h"
#include "Settings.h"
#include "SettingsIo.h"
#include "SettingsStore.h"
#include "TrayIcon.h"
#include "WaitUntil.h"
#include "WeatherService.h"
#include "WeatherState.h"

#include <QAction>

#include <cerrno>
#include <cstring>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTime>
#include <QTimer>
#include <QToolTip>

#include <gtest/gtest.h>

#include <memory>

namespace orbelune {
namespace {

TDateTime At(int y, int mo, int d, int h, int mi, int s = 0) {
    return EncodeDate(y, mo, d) + EncodeTime(h, mi, s, 0);
}

class ClockFormTest : public testing::Test {
protected:
    void SetUp() override {
        test::ResetProgramState();
        Settings.UpdateClockPerSchedule = false;
        Settings.UpdateWeatherPerSchedule = false;
        Settings.RunWhenWindowsStarts = false;
        Settings.SaveOnExit = false;
        platform.Clock.Value = At(2025, 3, 14, 10, 15, 30);
        QObject::connect(&WeatherService(), &TWeatherService::ReportStarted, &counter,
                         [this] { ++WeatherRequests; });
    }
    void TearDown() override {
        info.reset();
        form.reset();
        test::ResetProgramState();
    }
    TForm1& Start(const QStringList& arguments = {QStringLiteral("orbelune"),
                                                  QStringLiteral("/C")}) {
        form = std::make_unique<TForm1>();
        form->FormCreate(arguments);
        return *form;
    }
    void CreateInfoForm() {
        info = std::make_unique<TInfoForm>(*form->Events);
        form->AttachInfoForm(info.get());
    }
    int TimeQueries() const { return static_cast<int>(platform.TimeQuery.Asked.size()); }
    void Tick(TDateTime t) {
        platform.Clock.Value = t;
        form->UpdateClocks();
    }

    test::TFakePlatform platform;
    test::TScopedZone zone{"America/New_York"};
    QObject counter;  // the requests are counted while it lives
    int WeatherRequests = 0;
    std::unique_ptr<TForm1> form;
    std::unique_ptr<TInfoForm> info;
};

TEST_F(ClockFormTest, FirstUpdateIsAMinuteChangeAndLeavesTheCaption) {
    TForm1& f = Start();
    EXPECT_EQ(f.TimeLabel->text(), QStringLiteral("10:15"));
    EXPECT_EQ(f.DateLabel->text(), QStringLiteral("Friday, March 14, 2025"));  // en_US long date
    EXPECT_FALSE(ClockState.FirstClockUpdate);
    // The first update left the caption to the display refresh: the day's summary.
    EXPECT_TRUE(f.windowTitle().startsWith(QStringLiteral("Mar 14, 2025")));
    Tick(At(2025, 3, 14, 10, 15, 31));
    EXPECT_EQ(f.windowTitle(), QStringLiteral("10:15:31"));
    Settings.DisplayLevel = 1;
    Tick(At(2025, 3, 14, 10, 15, 32));
    // en_US short date with a two-digit year, as the desktop's "M/d/yyyy" widens it.
    EXPECT_EQ(f.windowTitle(), QStringLiteral("03/14/25"));
    WeatherState.TemperatureShown = true;
    Tick(At(2025, 3, 14, 10, 15, 33));
    EXPECT_EQ(f.windowTitle(), QStringLiteral("03/14/25"));
}

TEST_F(ClockFormTest, ApplicationTitleIsTheMinimisedWindowsText) {
    TForm1& f = Start();
    // The day's summary stays the program's title while the caption shows the time.
    Tick(At(2025, 3, 14, 10, 15, 40));
    EXPECT_EQ(f.windowTitle(), QStringLiteral("10:15:40"));
    EXPECT_TRUE(f.windowIconText().startsWith(QStringLiteral("Mar 14, 2025  Sunrise ")));
    EXPECT_FALSE(f.windowIconText().contains(QLatin1Char('\n')));
    EXPECT_EQ(DisplayState.ApplicationTitle, f.windowIconText());
    Tick(At(2025, 3, 15, 0, 1, 0));
    EXPECT_TRUE(
        f.windowIconText().startsWith(QStringLiteral("Mar 14, 2025")));  // the calendar's day
}

TEST_F(ClockFormTest, DaysBefore1900AreNamedAsTheyStand) {
    TForm1& f = Start();
    f.Calendar1->SetCalendarDate(EncodeDate(1850, 12, 25));
    EXPECT_EQ(f.DayInfoLabel1->text(), QStringLiteral("Christmas"));
    EXPECT_EQ(f.DayInfoLabel2->text(), QStringLiteral("Last Quarter"));  // the moon's, that day
    EXPECT_TRUE(f.windowTitle().startsWith(QStringLiteral("Dec 25, 1850  ")));
    EXPECT_EQ(f.MonthComboBox->currentIndex(), 11);
    EXPECT_EQ(f.YearComboBox->currentText(), QStringLiteral("1850"));
}

TEST_F(ClockFormTest, SunRowHintAndColourFollowTheSun) {
    Settings.PlaceName = SettingsCopies.PlaceName = QStringLiteral("Boston");
    Settings.Latitude = 42.36L;
    Settings.Longitude = -71.06L;
    TForm1& f = Start();
    CreateInfoForm();
    f.UpdateDisplays();
    // 10:15 EDT on 14 March in Boston: the sun is up, in the south-east.
    QStringList lines = f.Panel5->toolTip().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("SUN is UP     "))) << lines[0].toStdString();
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral(" (SE)")) ||
                lines[0].endsWith(QStringLiteral(" (SSE)")))
        << lines[0].toStdString();
    EXPECT_EQ(lines[1], QStringLiteral("Boston"));
    EXPECT_EQ(lines[2], QStringLiteral("EDT"));
    EXPECT_EQ(lines[3], QStringLiteral("Click for Sun Info"));
    EXPECT_EQ(f.SunriseLabel->palette().color(QPalette::WindowText), QColor(Qt::black));
    EXPECT_EQ(f.Moon2->toolTip(), f.Panel4->toolTip());
    EXPECT_TRUE(f.Moon2->toolTip().endsWith(QStringLiteral("Boston\nEDT\nClick for Moon Info")));

    Tick(At(2025, 3, 14, 22, 0, 0));
    lines = f.Panel5->toolTip().split(QLatin1Char('\n'));
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("SUN is SET     -"))) << lines[0].toStdString();
    EXPECT_EQ(f.SunriseLabel->palette().color(QPalette::WindowText), QColor(Qt::blue));
    EXPECT_EQ(f.SunsetLabel->palette().color(QPalette::WindowText), QColor(Qt::blue));
    EXPECT_EQ(f.Panel2->toolTip(),
              QStringLiteral("03/14/2025\nDay  73\nWeek  11\nClick for Year Calendar"));
}

TEST_F(ClockFormTest, PanelsChangeOnlyWithTheMinute) {
    TForm1& f = Start();
    f.TimeLabel->setText(QStringLiteral("marker"));
    Tick(At(2025, 3, 14, 10, 15, 59));
    EXPECT_EQ(f.TimeLabel->text(), QStringLiteral("marker"));
    Tick(At(2025, 3, 14, 22, 16, 0));
    EXPECT_EQ(f.TimeLabel->text(), QStringLiteral("10:16"));
}

TEST_F(ClockFormTest, CalendarReturnsToTodayOnTheSixthMinuteChange) {
    TForm1& f = Start();
    f.Calendar1->SetCalendarDate(EncodeDate(2025, 7, 4));
    EXPECT_EQ(ClockState.JumpBackCount, 0);
    for (int minute = 16; minute <= 20; ++minute) {
        Tick(At(2025, 3, 14, 10, minute, 0));
        EXPECT_EQ(std::trunc(f.Calendar1->CalendarDate()), EncodeDate(2025, 7, 4)) << minute;
    }
    Tick(At(2025, 3, 14, 10, 21, 0));
    EXPECT_EQ(std::trunc(f.Calendar1->CalendarDate()), EncodeDate(2025, 3, 14));

    // A calendar already on today is not set again.
    int changes = 0;
    QObject::connect(f.Calendar1, &TCalendar::Changed, [&] { ++changes; });
    for (int minute = 22; minute <= 40; ++minute) Tick(At(2025, 3, 14, 10, minute, 0));
    EXPECT_EQ(changes, 0);
}

TEST_F(ClockFormTest, SchedulesWaitThirtySecondsAfterStart) {
    Settings.UpdateClockPerSchedule = true;
    Settings.UpdateWeatherPerSchedule = true;
    platform.Clock.Value = At(2025, 3, 14, 10, 15, 50);
    Start();
    EXPECT_EQ(TimeQueries(), 0);
    EXPECT_EQ(WeatherRequests, 0);
    Tick(At(2025, 3, 14, 10, 16, 10));  // a minute change 20 seconds after start
    EXPECT_EQ(TimeQueries(), 0);
    EXPECT_EQ(WeatherRequests, 0);
    Tick(At(2025, 3, 14, 10, 17, 0));
    EXPECT_EQ(TimeQueries(), 1);
    EXPECT_EQ(WeatherRequests, 1);
    Tick(At(2025, 3, 14, 10, 17, 30));  // no minute change
    EXPECT_EQ(TimeQueries(), 1);
    EXPECT_EQ(WeatherRequests, 1);
}

TEST_F(ClockFormTest, TimeScheduleStampsBeforeAskingWeatherOnlyAfterSuccess) {
    Settings.UpdateClockPerSchedule = true;
    Settings.UpdateWeatherPerSchedule = true;
    Settings.UpdateClockMinutes = 60;
    Settings.UpdateWeatherMinutes = 20;
    Start();
    for (int minute = 17; minute <= 20; ++minute) Tick(At(2025, 3, 14, 10, minute, 0));
    // The failing time server is asked once an interval; the failing weather download
    // is tried again at every minute change.
    EXPECT_EQ(TimeQueries(), 1);
    EXPECT_EQ(WeatherRequests, 4);
    WeatherState.LastWeatherDownloadTime = At(2025, 3, 14, 10, 20, 0);
    for (int minute = 21; minute <= 40; ++minute) Tick(At(2025, 3, 14, 10, minute, 0));
    EXPECT_EQ(WeatherRequests, 4);  // the interval has not passed at 10:40:00
    Tick(At(2025, 3, 14, 10, 41, 0));
    EXPECT_EQ(WeatherRequests, 5);
    Tick(At(2025, 3, 14, 11, 17, 30));
    EXPECT_EQ(TimeQueries(), 2);
}

TEST_F(ClockFormTest, StartTasksWaitForTheInformationWindow) {
    TForm1& f = Start();
    EXPECT_EQ(f.Timer1->interval(), 10);  // the first tick comes almost at once
    f.Timer1Timer();
    EXPECT_EQ(f.Timer1->interval(), 1000);
    EXPECT_TRUE(ClockState.FirstTimerTick);  // no information window yet
    CreateInfoForm();
    f.Timer1Timer();
    EXPECT_FALSE(ClockState.FirstTimerTick);
}

TEST_F(ClockFormTest, StartTasksFetchTheSavedStationsTemperatureOnce) {
    Settings.UpdateWeatherOnStartup = true;
    Settings.WeatherStationCode = QStringLiteral("KBOS");
    TForm1& f = Start();
    CreateInfoForm();
    f.Timer1Timer();
    EXPECT_EQ(WeatherRequests, 1);
    EXPECT_FALSE(ClockState.PendingStartupWeather);
    f.Timer1Timer();
    EXPECT_EQ(WeatherRequests, 1);
}

TEST_F(ClockFormTest, StartupTimeCheckAsksOnceAfterThirtySeconds) {
    Settings.UpdateClockOnStartup = true;
    Settings.UpdateClock = false;
    Settings.TimeServer = QStringLiteral("time.example.org");
    TForm1& f = Start();
    CreateInfoForm();
    platform.Clock.Value = At(2025, 3, 14, 10, 15, 45);
    f.Timer1Timer();
    EXPECT_EQ(TimeQueries(), 0);
    EXPECT_EQ(f.Timer1->interval(), 1000);
    platform.Clock.Value = At(2025, 3, 14, 10, 16, 1);
    f.Timer1Timer();
    EXPECT_EQ(platform.TimeQuery.Asked, QStringList{"time.example.org"});
    EXPECT_DOUBLE_EQ(ClockState.LastTimeCheckTime, At(2025, 3, 14, 10, 16, 1));
    f.Timer1Timer();
    EXPECT_EQ(TimeQueries(), 1);
}

TEST_F(ClockFormTest, PlanetRefreshEveryFiveSecondsAndAfterMidnight) {
    platform.Clock.Value = At(2025, 3, 14, 23, 59, 50);
    Start();
    CreateInfoForm();
    // The second of the day of the last refresh, tick by tick.
    const struct {
        TDateTime Tick;
        int Refreshed;
    } ticks[] = {{At(2025, 3, 14, 23, 59, 51), 86391}, {At(2025, 3, 14, 23, 59, 54), 86391},
                 {At(2025, 3, 14, 23, 59, 56), 86396}, {At(2025, 3, 15, 0, 0, 1), 0},
                 {At(2025, 3, 15, 0, 0, 6), 6},        {At(2025, 3, 15, 0, 0, 12), 12}};
    for (const auto& t : ticks) {
        Tick(t.Tick);
        EXPECT_EQ(ClockState.LastPlanetUpdateSecond, t.Refreshed) << t.Refreshed;
    }
}

TEST_F(ClockFormTest, TimeTabPanelsAndWorldClocks) {
    platform.Clock.Value = At(2025, 7, 1, 12, 0, 0);
    Settings.UseMilitaryTime = true;
    Start();
    CreateInfoForm();
    Tick(At(2025, 7, 1, 12, 0, 1));
    const TTimeSheet& sheet = *info->TimeSheet;
    EXPECT_TRUE(sheet.UTCTimePanel->text().startsWith(QStringLiteral(" 16:00:01  ")));
    EXPECT_TRUE(sheet.CityTime[5]->text().startsWith(QStringLiteral(" 01:00:01  ")));
    EXPECT_EQ(sheet.CityLabel[5]->text(), QStringLiteral("Tokyo"));
    // JD of 2025-07-01 16:00:01 UT.
    EXPECT_EQ(sheet.JulianDatePanel->text(), QStringLiteral(" 2460858.16668"));
    EXPECT_EQ(sheet.LocTimeLabel->text(), QStringLiteral(" EDT"));
    EXPECT_EQ(sheet.UTCTimeLabel->text(), QStringLiteral(" Greenwich Time (GMT = UTC)"));
    EXPECT_TRUE(info->windowTitle().startsWith(QStringLiteral("EDT    12:00:01")));
    // New York's sidereal time then: 05:43:52.5 by the IAU 1982 mean sidereal time
    // (worked out apart from the program), within the second or so that the apparent
    // time differs by; the Planet tab shows it too.
    const QTime sidereal =
        QTime::fromString(sheet.SiderealTimePanel->text().trimmed(), QStringLiteral("hh:mm:ss"));
    EXPECT_LE(
        std::abs(sidereal.msecsSinceStartOfDay() - QTime(5, 43, 52, 500).msecsSinceStartOfDay()),
        2000);
    EXPECT_EQ(info->PlanetPage->SiderealTimePanel2->text(), sheet.SiderealTimePanel->text());
    EXPECT_EQ(info->PlanetPage->SiderealTimeLabel2->text(), sheet.SiderealTimeLabel->text());
}

// The Moon tab's time, clock and hemisphere choices start as the settings have them;
// choosing the other item changes the setting, and the calendar (whose return to today
// starts again) and the clocks are redrawn for it; the item already chosen does nothing.
TEST_F(ClockFormTest, MoonTabTimeClockAndHemisphereChoices) {
    platform.Clock.Value = At(2025, 3, 14, 15, 15, 30);
    Settings.UseLocalTime = false;
    Settings.UseMilitaryTime = true;
    TForm1& f = Start();
    CreateInfoForm();
    Tick(At(2025, 3, 14, 15, 15, 31));
    const TMoonSheet& moon = *info->MoonPage;
    EXPECT_TRUE(moon.LocalTimeRadioItems[1]->isChecked());
    EXPECT_TRUE(moon.AmPmTimeRadioItems[1]->isChecked());
    EXPECT_TRUE(moon.HemisphereRadioItems[0]->isChecked());  // New York, guessed from the zone
    EXPECT_EQ(moon.AmPmTimeRadioItems[0]->text(), QStringLiteral("AM PM"));
    EXPECT_EQ(moon.AmPmTimeRadioItems[1]->text(), QStringLiteral("24 Hour"));
    EXPECT_EQ(moon.SunRiseLab2->text(), GMTCaption);
    EXPECT_TRUE(info->windowTitle().startsWith(GMTCaption));
    EXPECT_EQ(f.windowTitle(), QStringLiteral("15:15:31"));

    const auto choose = [&](QRadioButton* Item) {
        ClockState.JumpBackCount = 3;
        Item->click();
        return ClockState.JumpBackCount == 0;  // the calendar was redrawn
    };
    EXPECT_TRUE(choose(moon.LocalTimeRadioItems[0]));
    EXPECT_TRUE(Settings.UseLocalTime);
    EXPECT_EQ(moon.SunRiseLab2->text(), QStringLiteral("EDT"));
    EXPECT_TRUE(info->windowTitle().startsWith(QStringLiteral("EDT")));

    EXPECT_TRUE(choose(moon.AmPmTimeRadioItems[0]));
    EXPECT_FALSE(Settings.UseMilitaryTime);
    EXPECT_EQ(f.windowTitle(), QStringLiteral("3:15:31 "));
    EXPECT_TRUE(f.SunriseLabel->text().endsWith(QStringLiteral(" AM")));

    EXPECT_TRUE(choose(moon.HemisphereRadioItems[1]));
    EXPECT_TRUE(Settings.SouthernHemisphere);
    EXPECT_EQ(f.Moon2->Rotation(), TRotate::rot_180);
    EXPECT_EQ(moon.Moon1->Rotation(), TRotate::rot_180);
    EXPECT_FALSE(choose(moon.HemisphereRadioItems[1]));
    EXPECT_TRUE(Settings.SouthernHemisphere);

    // A place saved south of the equator is shown as the southern sky, and one north of
    // it as the northern.
    for (const int item : {0, 1}) {
        info->LocationPage->NorthSouthComboBox->setCurrentIndex(item);
        info->LocationPage->SaveLocationOnlyBut->click();
        EXPECT_EQ(Settings.SouthernHemisphere, item == 1);
        EXPECT_TRUE(moon.HemisphereRadioItems[static_cast<size_t>(item)]->isChecked());
    }
    QFile::remove(TSettingsStore::DefaultFilePath());
}

TEST_F(ClockFormTest, HeightByDisplayLevel) {
    TForm1& f = Start();
    const int menu = f.menuBar()->sizeHint().height();
    const int rows[] = {f.Panel1->height(), f.Panel2->height(), f.Panel3->height(),
                        f.Panel4->height()};
    int bottom = 0;
    for (int level = 1; level <= 4; ++level) {
        bottom += rows[level - 1];
        Settings.DisplayLevel = level;
        f.SetHeight();
        EXPECT_EQ(f.height(), menu + bottom) << level;
    }
    const int before = f.height();
    Settings.DisplayLevel = 0;
    f.SetHeight();
    EXPECT_EQ(f.height(), before);
    Settings.DisplayLevel = 5;
    f.SetHeight();
    EXPECT_EQ(f.height(), before);
    Settings.DisplayLevel = 4;
    f.ToggleWindowAction1Execute();
    EXPECT_EQ(Settings.DisplayLevel, 1);
    EXPECT_EQ(f.height(), menu + rows[0]);
}

// A stored level that is none of the four keeps every row and is stored again as it was.
TEST_F(ClockFormTest, AStoredLevelOutsideOneToFourKeepsTheDesignedHeight) {
    for (const int stored : {0, 5}) {
        Settings.SaveOnExit = true;
        Settings.DisplayLevel = stored;
        ASSERT_TRUE(SaveIniFile(Settings));
        Settings = TSettings{};
        TForm1& f = Start({QStringLiteral("orbelune")});
        EXPECT_EQ(Settings.DisplayLevel, stored);
        int rows = f.menuBar()->sizeHint().height();
        for (QFrame* row : {f.Panel1, f.Panel2, f.Panel3, f.Panel4}) {
            EXPECT_FALSE(row->isHidden()) << stored;
            rows += row->sizeHint().height();
        }
        EXPECT_GE(f.height(), rows) << stored;
        f.close();
        TSettings read;
        TSettingsCopies copies;
        ReadIniFile(read, copies);
        EXPECT_EQ(read.DisplayLevel, stored);
    }
    QFile::remove(TSettingsStore::DefaultFilePath());
}

TEST_F(ClockFormTest, TabCommands) {
    TForm1& f = Start();
    CreateInfoForm();
    QTabWidget* pages = info->InfoFormPageControl;
    f.ShowTimeSheetAction1->trigger();
    EXPECT_TRUE(info->isVisible());
    EXPECT_EQ(pages->currentIndex(), 5);
    f.ShowMoonSheetAction1->trigger();
    EXPECT_TRUE(info->isVisible());
    EXPECT_EQ(pages->currentIndex(), 0);
    f.ShowMoonSheetAction1->trigger();
    EXPECT_FALSE(info->isVisible());
    f.ShowAboutSheetAction1->trigger();
    EXPECT_TRUE(info->isVisible());
    EXPECT_EQ(pages->currentIndex(), 12);
    f.ToggleInfoFormAction1Execute();
    EXPECT_FALSE(info->isVisible());
}

TEST_F(ClockFormTest, DayLabelsNameHolidaysPhasesAndEclipses) {
    TForm1& f = Start();
    CreateInfoForm();
    f.Calendar1->SetCalendarDate(EncodeDate(2025, 12, 25));
    EXPECT_EQ(f.DayInfoLabel1->text(), QStringLiteral("Christmas"));
    EXPECT_EQ(f.DayInfoLabel2->text(), QStringLiteral("Dec 25"));
    EXPECT_TRUE(DisplayState.DayEventShown);

    // The total lunar eclipse of 14 March 2025 enters the penumbra at 03:57 UT, the
    // evening of the 13th in New York (published eclipse catalogue); the full moon
    // follows at 02:55 EDT on the 14th.
    f.Calendar1->SetCalendarDate(EncodeDate(2025, 3, 13));
    EXPECT_EQ(f.DayInfoLabel1->text(), QStringLiteral("Lunar Eclipse"));
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^11:5[78] PM$"))
                    .match(f.DayInfoLabel2->text())
                    .hasMatch())
        << f.DayInfoLabel2->text().toStdString();
    f.Calendar1->SetCalendarDate(EncodeDate(2025, 3, 14));
    EXPECT_EQ(f.DayInfoLabel1->text(), QStringLiteral("FULL MOON"));

    // Moon events when the day has no name: "MRise" or "MSet " and a time.
    f.Calendar1->SetCalendarDate(EncodeDate(2025, 3, 24));
    const QRegularExpression event(QStringLiteral("^(MRise|MSet ) +\\d{1,2}:\\d\\d [AP]M$"));
    EXPECT_TRUE(event.match(f.DayInfoLabel1->text()).hasMatch())
        << f.DayInfoLabel1->text().toStdString();
    EXPECT_FALSE(DisplayState.DayEventShown);

    // Election Day: its own second line, and no eclipse replaces it.
    f.Calendar1->SetCalendarDate(EncodeDate(2025, 11, 4));
    EXPECT_EQ(f.DayInfoLabel1->text(), QStringLiteral("Election Day"));
    EXPECT_FALSE(f.DayInfoLabel2->text().isEmpty());
    EXPECT_NE(f.DayInfoLabel2->text(), QStringLiteral("Nov 4"));
}

TEST_F(ClockFormTest, SunRowForTheCalendarDay) {
    Settings.PlaceName = QStringLiteral("Svalbard");
    Settings.Latitude = 80;
    Settings.Longitude = 0;
    Settings.ShowHints = true;
    TForm1& f = Start();
    CreateInfoForm();
    f.Calendar1->SetCalendarDate(EncodeDate(2025, 12, 21));
    EXPECT_EQ(f.SunriseLabel->text(), QStringLiteral("Sun down all day"));
    EXPECT_TRUE(f.SunsetLabel->text().isEmpty());
    // The empty sunset leaves no gap in the caption and no blank line in the tray hint.
    const QRegularExpression caption(
        QStringLiteral("^Dec 21, 2025  Sun down all day  MOON is (UP|SET) \\([NESW]{1,2}\\)$"));
    EXPECT_TRUE(caption.match(f.windowTitle()).hasMatch()) << f.windowTitle().toStdString();
    EXPECT_EQ(f.TrayIcon->Hint().split(QLatin1Char('\n')).size(), 3);
    Settings.Latitude = 40.7L;
    Settings.Longitude = -74.0L;
    f.Calendar1->SetCalendarDate(EncodeDate(2025, 6, 21));
    EXPECT_TRUE(f.SunriseLabel->text().startsWith(QStringLiteral("Sunrise 5:2")));
    EXPECT_TRUE(f.SunsetLabel->text().startsWith(QStringLiteral("Sunset  8:3")));
    EXPECT_EQ(DisplayState.SunriseZone, QStringLiteral("EDT"));
    // The day in the sun texts takes its names from the pattern's locale.
    DateFormats = LocaleDateFormats(QLocale(QLocale::German, QLocale::Germany));
    DateFormats.ShortYY = QStringLiteral("d mmmm yy");
    f.UpdateDisplays();
    EXPECT_TRUE(DisplayState.SunriseText.startsWith(QStringLiteral("21 Juni 25  ")))
        << DisplayState.SunriseText.toStdString();
}

// Days without a moon event (python3-ephem): in Greenwich time New York sees no moonrise
// on 27 January 2024, only the moonset at 13:31 UT; at 78.2 N the Moon stays up all
// day on 21 January and down all day on 8 January.
TEST_F(ClockFormTest, MoonRowOnDaysWithoutAnEvent) {
    Settings.UseLocalTime = false;
    Settings.PlaceName = QStringLiteral("New York");
    Settings.Latitude = 40.7L;
    Settings.Longitude = -74.0L;
    TForm1& f = Start();
    CreateInfoForm();
    f.Calendar1->SetCalendarDate(EncodeDate(2024, 1, 27));
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^MSet +1:3[01] PM$"))
                    .match(f.DayInfoLabel1->text())
                    .hasMatch())
        << f.DayInfoLabel1->text().toStdString();
    EXPECT_EQ(f.DayInfoLabel2->text(), QStringLiteral("No Moonrise"));
    EXPECT_EQ(info->findChild<QLabel*>(QStringLiteral("MoonRiseLab1"))->text(),
              QStringLiteral("No moonrise this day"));
    Settings.Latitude = 78.2L;
    Settings.Longitude = 15.6L;
    for (const auto& [day, text] : {std::pair{21, "Moon up all day"}, {8, "Moon down all day"}}) {
        f.Calendar1->SetCalendarDate(EncodeDate(2024, 1, day));
        EXPECT_EQ(f.DayInfoLabel1->text(), QString::fromLatin1(text));
        EXPECT_TRUE(f.DayInfoLabel2->text().isEmpty()) << f.DayInfoLabel2->text().toStdString();
    }
}

// The moon row's picture: the small colour Moon without the landing-site mark, for
// the calendar's day at the time of day of now (14 March 2025 was a full moon, 06:55 UT).
TEST_F(ClockFormTest, MoonRowShowsTheSmallColourMoonOfTheCalendarDay) {
    TForm1& f = Start();
    EXPECT_EQ(f.Moon2->MoonSize(), TMoonSize::ms32);
    EXPECT_EQ(f.Moon2->size(), QSize(32, 32));
    EXPECT_EQ(f.Moon2->MoonStyle(), TMoonStyle::msColor);
    EXPECT_FALSE(f.Moon2->ShowApollo11());
    EXPECT_EQ(f.Moon2->Rotation(), TRotate::rot_none);
    f.Calendar1->SetCalendarDate(EncodeDate(2025, 3, 14));
    f.UpdateDisplays();
    EXPECT_DOUBLE_EQ(f.Moon2->Date(), At(2025, 3, 14, 10, 15, 30));
    EXPECT_NE(f.Moon2->Picture().pixel(20, 15), qRgb(255, 0, 0));  // site lit, not marked
}

// Day or night follows the injected clock, never the machine's: New York on 14 March
// 2025 has sunrise near 07:10 and sunset near 19:05 EDT (published almanac times).
TEST_F(ClockFormTest, SunUpOrSetFollowsTheInjectedClock) {
    Settings.Latitude = 40.7L;
    Settings.Longitude = -74.0L;
    TForm1& f = Start();
    CreateInfoForm();
    auto* sunUpLab = info->findChild<QLabel*>(QStringLiteral("SunUpLab"));
    ASSERT_NE(sunUpLab, nullptr);
    const QColor night(0, 0, 255);  // the Windows colour 0xFF0000 is blue
    struct TCase {
        int Hour, Minute;
        bool Up;
    };
    const TCase cases[] = {{6, 50, false}, {7, 30, true},   {12, 0, true},
                           {18, 45, true}, {19, 30, false}, {23, 0, false}};
    for (const TCase& c : cases) {
        platform.Clock.Value = At(2025, 3, 14, c.Hour, c.Minute);
        f.UpdateDisplays();
        EXPECT_EQ(sunUpLab->text(),
                  c.Up ? QStringLiteral("Sun is up") : QStringLiteral("Sun is set"))
            << c.Hour;
        EXPECT_EQ(f.SunriseLabel->palette().color(QPalette::WindowText),
                  c.Up ? QColor(Qt::black) : night)
            << c.Hour;
        EXPECT_EQ(f.SunsetLabel->palette().color(QPalette::WindowText),
                  c.Up ? QColor(Qt::black) : night)
            << c.Hour;
    }
}

TEST_F(ClockFormTest, MinimiseSlowsTheClockRestoreBringsItBack) {
    TForm1& f = Start();
    f.show();
    f.Timer1->setInterval(1000);  // past the first tick
    ClockState.FirstTimerTick = false;
    CreateInfoForm();
    info->show();
    f.TrayIconClick(Qt::LeftButton);
    EXPECT_EQ(f.Timer1->interval(), 30000);
    EXPECT_FALSE(info->isVisible());
    EXPECT_TRUE(f.TrayIcon->Minimized());
    if (!TTrayIcon::TrayAvailable()) {
        EXPECT_TRUE(f.isMinimized());
    }
    f.TrayIconClick(Qt::LeftButton);
    EXPECT_EQ(f.Timer1->interval(), 1000);
    EXPECT_FALSE(f.TrayIcon->Minimized());
}

TEST_F(ClockFormTest, HelpWithoutTheHelpFileOpensTheHelpWindowOnce) {
    TForm1& f = Start();
    f.ShowHelp1Execute();
    ASSERT_NE(f.HelpForm, nullptr);
    THelpForm* first = f.HelpForm;
    EXPECT_TRUE(first->isVisible());
    f.ShowHelp1Execute();
    EXPECT_EQ(f.HelpForm, first);

    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("orbelune.chm")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_EQ(TForm1::FindHelpFile(QStringLiteral("orbelune.chm"),
                                   {QStringLiteral("/nonexistent"), folder.path()}),
              QFileInfo(file).absoluteFilePath());
    EXPECT_TRUE(
        TForm1::FindHelpFile(QStringLiteral("orbelune.chm"), {QStringLiteral("/nonexistent")})
            .isEmpty());
}

TEST_F(ClockFormTest, SkipSettingsSwitchReadsNothing) {
    Settings.DisplayLevel = 2;
    Settings.PlaceName = QStringLiteral("Boston");
    ASSERT_TRUE(SaveIniFile(Settings));
    Settings = TSettings{};
    Start({QStringLiteral("orbelune"), QStringLiteral("/c")});
    EXPECT_EQ(Settings.DisplayLevel, 4);
    // No location read: the place is guessed from the zone.
    EXPECT_EQ(Settings.PlaceName, QStringLiteral("New York NY"));
    QFile::remove(TSettingsStore::DefaultFilePath());
}

TEST_F(ClockFormTest, SettingsRoundTripThroughStartAndClose) {
    Settings.SaveOnExit = true;
    Settings.DisplayLevel = 2;
    Settings.WeekStart = 7;
    Settings.PlaceName = QStringLiteral("Boston");
    Settings.ShowHolidays = false;
    ASSERT_TRUE(SaveIniFile(Settings));
    Settings = TSettings{};

    TForm1& f = Start({QStringLiteral("orbelune")});
    EXPECT_EQ(Settings.DisplayLevel, 2);
    EXPECT_EQ(Settings.PlaceName, QStringLiteral("Boston"));
    EXPECT_FALSE(f.Calendar1->ShowHolidays);
    // A stored 7 takes the locale's first day (Sunday in the tests' en_US locale).
    const int localeFirst = static_cast<int>(QLocale().firstDayOfWeek()) % 7;  // 0 = Sunday
    EXPECT_EQ(f.Calendar1->StartOfWeek(), localeFirst);
    EXPECT_EQ(Settings.WeekStart, (localeFirst + 6) % 7);
    f.ToggleWindowAction1Execute();
    f.Calendar1->ShowTinyMoons = false;
    f.close();

    Settings = TSettings{};
    TSettingsCopies copies;
    ReadIniFile(Settings, copies);
    EXPECT_EQ(Settings.DisplayLevel, 3);
    EXPECT_EQ(Settings.WeekStart, (localeFirst + 6) % 7);
    EXPECT_FALSE(Settings.ShowHolidays);
    EXPECT_FALSE(Settings.ShowTinyMoons);
    EXPECT_EQ(copies.PlaceName, QStringLiteral("Boston"));
    QFile::remove(TSettingsStore::DefaultFilePath());
}

// A settings file that cannot be read is told of once and kept at close; a save that
// fails at close is told of.
TEST_F(ClockFormTest, SettingsTroubleIsToldToTheUser) {
    const QString path = TSettingsStore::DefaultFilePath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    const QByteArray large = "[Settings]\n" + QByteArray(MaxSettingsFileBytes, ';');
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(large);
    }
    Settings.SaveOnExit = true;
    TForm1& f = Start({QStringLiteral("orbelune")});
    QCoreApplication::processEvents();
    EXPECT_TRUE(platform.Messages.Shown.isEmpty());  // not while the window is made
    f.ShowAtStartup();
    f.TellSettingsTrouble();
    ASSERT_EQ(platform.Messages.Shown.size(), 1);
    EXPECT_TRUE(platform.Messages.Shown[0].contains(path));
    EXPECT_EQ(platform.Messages.Owners[0], &f);
    EXPECT_EQ(platform.Messages.Icons[0], TMessageIcon::Warning);
    f.close();
    EXPECT_EQ(platform.Messages.Shown.size(), 1);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), large);
    file.close();

    QFile::remove(path);
    TForm1& g = Start({QStringLiteral("orbelune")});
    {
        const test::TFileSizeLimit limit(64);
        g.close();
    }
    ASSERT_EQ(platform.Messages.Shown.size(), 2);
    EXPECT_TRUE(platform.Messages.Shown[1].contains("could not be saved"));
    EXPECT_EQ(platform.Messages.Owners[1], &g);

    // A folder where nothing can be written (here: no file may grow) is told of at
    // start, with the reason, and the save it then fails at close is not told again.
    {
        const test::TFileSizeLimit nothing(0);
        TForm1& h = Start({QStringLiteral("orbelune")});
        h.TellSettingsTrouble();
        ASSERT_EQ(platform.Messages.Shown.size(), 3);
        EXPECT_TRUE(platform.Messages.Shown[2].contains("cannot be saved"));
        EXPECT_TRUE(platform.Messages.Shown[2].contains(QString::fromLocal8Bit(strerror(EFBIG))))
            << platform.Messages.Shown[2].toStdString();
        h.close();
    }
    EXPECT_EQ(platform.Messages.Shown.size(), 3);
    QFile::remove(path);
}

TEST_F(ClockFormTest, StoredPositionOffEveryScreenFallsBackToTheFirst) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    // Starts the window from stored settings that hold the position (Left, Top).
    const auto startAt = [&](int left, int top) -> TForm1& {
        Settings = TSettings{};
        Settings.SaveOnExit = true;
        Settings.WindowLeft = left;
        Settings.WindowTop = top;
        EXPECT_TRUE(SaveIniFile(Settings));
        Settings = TSettings{};
        return Start({QStringLiteral("orbelune")});
    };
    EXPECT_EQ(startAt(screen.x() + 100, screen.y() + 80).pos(),
              QPoint(screen.x() + 100, screen.y() + 80));
    EXPECT_EQ(startAt(screen.right() + 4000, screen.y() + 80).pos(),
              screen.topLeft() + QPoint(30, 50));  // the built-in position
    QFile::remove(TSettingsStore::DefaultFilePath());
}

// Start Minimized and Minimize To Tray each keep the window out of sight at start: in
// the tray when there is one to bring it back from, else minimised; the clock's first
// tick still comes at once.
TEST_F(ClockFormTest, StartMinimizedOrToTheTrayStartsOutOfSight) {
    TForm1& f = Start();
    f.ShowAtStartup();
    EXPECT_TRUE(f.isVisible());
    EXPECT_FALSE(f.isMinimized());

    for (const bool toTray : {false, true}) {
        Settings.StartMinimized = !toTray;
        Settings.MinimizeToTrayOn = toTray;
        Settings.TrayType = 'N';  // no tray icon to restore the window from
        TForm1& g = Start();
        g.ShowAtStartup();
        EXPECT_TRUE(g.isMinimized()) << toTray;
        // The start's tasks and the information window's clocks wait for no 30 s tick.
        QCoreApplication::processEvents();
        EXPECT_LT(g.Timer1->interval(), 1000) << toTray;
        if (TTrayIcon::TrayAvailable()) {
            Settings.TrayType = 'M';
            TForm1& h = Start();
            h.ShowAtStartup();
            EXPECT_FALSE(h.isVisible()) << toTray;
        }
    }
}

TEST_F(ClockFormTest, EndOfSessionSavesWithoutStoppingTheClock) {
    Settings.SaveOnExit = true;
    TForm1& f = Start();
    f.Timer1->start();
    Settings.DisplayLevel = 2;
    f.ToggleWindowAction1Execute();
    f.SaveSession();
    EXPECT_TRUE(f.Timer1->isActive());
    TSettings stored;
    TSettingsCopies copies;
    ReadIniFile(stored, copies);
    EXPECT_EQ(stored.DisplayLevel, 3);
    QFile::remove(TSettingsStore::DefaultFilePath());
}

// Counts the hint requests that reach a widget.
class THintCounter : public QObject {
public:
    int Count = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::ToolTip) ++Count;
        return false;
    }
};

TEST_F(ClockFormTest, HintsShowOnlyWhileSwitchedOn) {
    TForm1& f = Start();
    f.show();
    THintCounter counter;
    f.Panel1->installEventFilter(&counter);
    const auto hover = [&](QWidget* w) {
        QHelpEvent event(QEvent::ToolTip, QPoint(2, 2), w->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(w, &event);
    };
    Settings.ShowHints = true;
    hover(f.Panel1);
    EXPECT_EQ(counter.Count, 1);
    EXPECT_EQ(QToolTip::text(), QStringLiteral("Right Click or Double Click"));
    f.ToggleHintsOn1Execute();
    hover(f.Panel1);
    EXPECT_EQ(counter.Count, 1);
    f.ToggleHintsOn1Execute();
    hover(f.Panel1);
    EXPECT_EQ(counter.Count, 2);
    QToolTip::hideText();
}

TEST_F(ClockFormTest, MoonIconsFollowTheTrayType) {
    // March 2025 in New York: full moon on the 14th, last quarter on the 22nd.
    Settings.TrayType = 'M';
    TForm1& f = Start();
    f.SetMoonIcons(EncodeDate(2025, 3, 14));
    EXPECT_EQ(f.TrayIcon->ImageIndex(), 12);
    // With the temperature on the tray, a moon picture no longer replaces it.
    Settings.TrayType = 'T';
    WeatherState.TemperatureText = QStringLiteral("54F");
    f.SetMoonIcons(EncodeDate(2025, 3, 22));
    EXPECT_EQ(f.TrayIcon->ImageIndex(), 12);
    Settings.TrayType = 'M';
    f.SetMoonIcons(EncodeDate(2025, 3, 22));
    EXPECT_EQ(f.TrayIcon->ImageIndex(), 18);
}

TEST_F(ClockFormTest, MoonPhaseMenuItems) {
    // March 2025 has four phases: first quarter on the 6th, full moon on the 14th, last
    // quarter on the 22nd, new moon on the 29th.
    TForm1& f = Start();
    f.UpdateMenuItems(false);
    for (int n = 0; n < 4; ++n) {
        EXPECT_TRUE(f.MoonMenu[n]->isVisible());
        EXPECT_TRUE(f.MenuMoon[n]->isVisible());
        EXPECT_FALSE(f.MenuMoon[n]->icon().isNull());
    }
    EXPECT_FALSE(f.MoonMenu[4]->isVisible());
    EXPECT_FALSE(f.MenuMoon[4]->isVisible());
    // Each item carries its phase's name alone.
    const char* names[] = {"First Quarter", "FULL MOON", "Last Quarter", "New Moon"};
    for (int n = 0; n < 4; ++n) {
        EXPECT_EQ(f.MoonMenu[n]->text(), QLatin1String(names[n]));
        EXPECT_EQ(f.MenuMoon[n]->text(), QLatin1String(names[n]));
    }
    // August 2025 has five: first quarters on the 1st and the 31st.
    f.Calendar1->SetCalendarDate(EncodeDate(2025, 8, 1));
    f.UpdateMenuItems(false);
    EXPECT_TRUE(f.MoonMenu[4]->isVisible());
    EXPECT_EQ(f.MoonMenu[4]->text(), QStringLiteral("First Quarter"));
}

TEST_F(ClockFormTest, StayOnTopAndHintsSwitches) {
    TForm1& f = Start();
    CreateInfoForm();
    Settings.StayOnTop = true;
    f.ToggleStayOnTop1Execute();
    EXPECT_FALSE(Settings.StayOnTop);
    EXPECT_FALSE(f.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(info->windowFlags() & Qt::WindowStaysOnTopHint);
    f.ToggleStayOnTop1Execute();
    EXPECT_TRUE(f.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(info->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(f.ToggleStayOnTop1->isChecked());

    Settings.ShowHints = true;
    f.UpdateDisplays();
    EXPECT_FALSE(f.TrayIcon->Hint().isEmpty());
    f.ToggleHintsOn1Execute();
    EXPECT_FALSE(Settings.ShowHints);
    EXPECT_TRUE(f.TrayIcon->Hint().isEmpty());
}

TEST_F(ClockFormTest, WeatherTextsTakeOverTheTrayHintAndCaption) {
    TForm1& f = Start();
    EXPECT_TRUE(f.TrayIcon->Hint().startsWith(QStringLiteral("Mar 14, 2025\nSunrise ")));
    WeatherState.TemperatureText = QStringLiteral("54F");
    f.UpdateDisplays();
    EXPECT_TRUE(f.TrayIcon->Hint().startsWith(QStringLiteral("Mar 14, 2025\n")));  // both needed
    WeatherState.WeatherText = QStringLiteral("Cloudy");
    f.UpdateDisplays();
    EXPECT_EQ(f.TrayIcon->Hint(), QStringLiteral("54F\nCloudy"));
    EXPECT_EQ(f.windowTitle(), QStringLiteral("54F  Cloudy"));
}

// The sun row in other zones: the zone name beside the times comes from the zone
// rules of the date shown.
// Minutes after midnight of a "Sunrise h:mm AM" label.
int LabelMinutes(const QString& label) {
    const QStringList parts = label.section(QLatin1Char(' '), 1, 1).split(QLatin1Char(':'));
    return parts.size() == 2 ? parts[0].toInt() * 60 + parts[1].left(2).toInt() : -1;
}

TEST_F(ClockFormTest, SunRowInSydneyAndLondon) {
    {
        test::TScopedZone sydney("Australia/Sydney");
        Settings.Latitude = -33.87L;
        Settings.Longitude = 151.21L;
        TForm1& f = Start();
        f.Calendar1->SetCalendarDate(EncodeDate(2025, 1, 15));
        EXPECT_EQ(DisplayState.SunriseZone, QStringLiteral("AEDT"));
        // Published sunrise 6:01 AEDT; the single-pass method is good to a few minutes.
        EXPECT_NEAR(LabelMinutes(f.SunriseLabel->text()), 6 * 60 + 1, 5);
        EXPECT_TRUE(DisplayState.SunriseText.startsWith(QStringLiteral("01/15/25  ")));
        f.Calendar1->SetCalendarDate(EncodeDate(2025, 7, 15));
        EXPECT_EQ(DisplayState.SunriseZone, QStringLiteral("AEST"));
        form.reset();
    }
    test::TScopedZone london("Europe/London");
    Settings.Latitude = 51.5L;
    Settings.Longitude = -0.13L;
    TForm1& f = Start();
    f.Calendar1->SetCalendarDate(EncodeDate(2025, 6, 21));
    EXPECT_EQ(DisplayState.SunriseZone, QStringLiteral("BST"));
    EXPECT_NEAR(LabelMinutes(f.SunriseLabel->text()), 4 * 60 + 43, 5);  // published 4:43 BST
    f.Calendar1->SetCalendarDate(EncodeDate(2025, 12, 21));
    EXPECT_EQ(DisplayState.SunriseZone, QStringLiteral("GMT"));
}

void SendMouse(QWidget* target, QEvent::Type type) {
    QMouseEvent event(type, QPointF(2, 2), target->mapToGlobal(QPointF(2, 2)), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

TEST_F(ClockFormTest, RowsAnswerTheMouse) {
    TForm1& f = Start();
    CreateInfoForm();
    SendMouse(f.DateLabel, QEvent::MouseButtonPress);
    EXPECT_TRUE(info->isVisible());
    EXPECT_EQ(info->InfoFormPageControl->currentIndex(), 7);
    SendMouse(f.SunsetLabel, QEvent::MouseButtonPress);
    EXPECT_EQ(info->InfoFormPageControl->currentIndex(), 0);
    SendMouse(f.Moon2, QEvent::MouseButtonPress);
    EXPECT_FALSE(info->isVisible());
    Settings.DisplayLevel = 2;
    SendMouse(f.TimeLabel, QEvent::MouseButtonDblClick);
    EXPECT_EQ(Settings.DisplayLevel, 3);
}

// Enter reaches the control with the focus in both windows (the zip edit's own use of
// it is tested with the place list).
TEST_F(ClockFormTest, EnterReachesTheControlWithTheFocus) {
    TForm1& f = Start();
    CreateInfoForm();
    auto* edit = new QLineEdit(f.centralWidget());
    int returns = 0;
    QObject::connect(edit, &QLineEdit::returnPressed, [&] { ++returns; });
    auto* calculator = info->findChild<QWidget*>(QStringLiteral("Calculator"));
    ASSERT_NE(calculator, nullptr);
    auto* display = calculator->findChild<QLineEdit*>(QStringLiteral("CalculatorDisplay"));
    ASSERT_NE(display, nullptr);
    const struct {
        QWidget* Target;
        int Key;
        const char* Text;
    } keys[] = {{edit, Qt::Key_X, "x"}, {edit, Qt::Key_Return, ""},
                {calculator, 0, "2"},   {calculator, 0, "+"},
                {calculator, 0, "3"},   {calculator, Qt::Key_Enter, ""}};
    for (const auto& k : keys) {
        QKeyEvent press(QEvent::KeyPress, k.Key, Qt::NoModifier, QString::fromLatin1(k.Text));
        QApplication::sendEvent(k.Target, &press);
    }
    EXPECT_EQ(edit->text(), QStringLiteral("x"));
    EXPECT_EQ(returns, 1);
    EXPECT_EQ(display->text(), QStringLiteral("5"));
    EXPECT_FALSE(f.ApplicationEvents1ShortCut(Qt::Key_A));
}

// The 2024 eclipses (UT, from the published eclipse catalogue): penumbral lunar from
// Mar 25 04:53, total solar at Apr 8 18:17, partial lunar from Sep 18 00:41, annular
// solar at Oct 2 18:45. In New York the September one begins on the 17th.
TEST_F(ClockFormTest, EclipseMenusFollowTheCalendarsYear) {
    TForm1& f = Start();
    DateFormats = TDateFormats{};  // "mm/dd/yy", whatever the machine's format
    // 2025 has four: two lunar, two solar.
    for (size_t i = 0; i < 7; ++i) EXPECT_EQ(f.GoToEclipse[i]->isVisible(), i < 4) << i;
    CreateInfoForm();
    // 2020 had six (four penumbral lunar, two solar); 2024 has four, so two are hidden again.
    f.Calendar1->SetCalendarDate(EncodeDate(2020, 6, 1));
    info->UpdateInfoForm();
    for (size_t i = 0; i < 7; ++i) EXPECT_EQ(f.MenuEclipse[i]->isVisible(), i < 6) << i;
    f.Calendar1->SetCalendarDate(EncodeDate(2024, 6, 1));
    info->UpdateInfoForm();
    const QString captions[] = {" Lunar - Penumbral 03/25/24", " Solar - Total 04/08/24",
                                " Lunar - Partial 09/17/24", " Solar - Annular 10/02/24"};
    for (size_t i = 0; i < 7; ++i) {
        const bool used = i < 4;
        EXPECT_EQ(f.GoToEclipse[i]->isVisible(), used) << i;
        EXPECT_EQ(f.EclipseMenu[i]->isVisible(), used) << i;
        EXPECT_EQ(f.MenuEclipse[i]->isVisible(), used) << i;
        EXPECT_EQ(f.GoToEclipse[i]->objectName(), QStringLiteral("GoToEclipse%1").arg(i + 1));
        EXPECT_EQ(f.GoToEclipse[i]->toolTip(), QStringLiteral("Go To Eclipse"));
        if (!used) continue;
        EXPECT_EQ(f.EclipseMenu[i]->text(), captions[i]) << i;
        EXPECT_EQ(f.MenuEclipse[i]->text(), captions[i]) << i;
        EXPECT_FALSE(f.GoToEclipse[i]->icon().isNull()) << i;
        EXPECT_FALSE(f.EclipseMenu[i]->icon().isNull()) << i;
    }
    EXPECT_TRUE(f.ButPopupMenu->actions().contains(f.EclipseMenu[0]));
    EXPECT_TRUE(f.GoToMenu1->actions().contains(f.MenuEclipse[0]));

    // Each item jumps the calendar to the local day of its eclipse.
    f.GoToEclipse[2]->trigger();
    EXPECT_EQ(f.Calendar1->CalendarDate(), EncodeDate(2024, 9, 17));
    f.EclipseMenu[1]->trigger();
    EXPECT_EQ(f.Calendar1->CalendarDate(), EncodeDate(2024, 4, 8));
    f.MenuEclipse[3]->trigger();
    EXPECT_EQ(f.Calendar1->CalendarDate(), EncodeDate(2024, 10, 2));
}

}  // namespace
}  // namespace orbelune
