// The clock window's start-up, one-second clock update and shut-down.
#include "ClockForm.h"

#include "AstroExtras.h"
#include "Astronomy.h"
#include "Autostart.h"
#include "Calendar.h"
#include "ClockState.h"
#include "ClockTexts.h"
#include "DateFormats.h"
#include "DateHelpers.h"
#include "EngineText.h"
#include "GlobalObjects.h"
#include "HelpForm.h"
#include "InfoForm.h"
#include "MyUtil.h"
#include "PlatformSeams.h"
#include "SettingsIo.h"
#include "SettingsStore.h"
#include "TrayIcon.h"
#include "WeatherState.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLocale>
#include <QTimer>

#include <cmath>

namespace orbelune {

namespace {

constexpr double ThirtySeconds = 1.0 / 2880;
constexpr int FirstYear = 1600;
constexpr int YearCount = 1830;  // 1600 .. 3429
// How long shut-down waits for the download threads before it gives up on freeing
// what they may still write.
constexpr int WorkerStopTimeoutMs = 3000;

TDateTime Now() {
    return Platform().Clock->Now();
}

}  // namespace

void TForm1::FormCreate(const QStringList& Arguments) {
    ClockState.StartTime = Now();
    CreateGlobalObjects();

    const QLocale locale;
    DateFormats = LocaleDateFormats(locale);

    YearComboBox->clear();
    for (int i = 0; i < YearCount; ++i) YearComboBox->addItem(QString::number(FirstYear + i));
    MonthComboBox->clear();
    for (int m = 1; m <= 12; ++m) MonthComboBox->addItem(locale.monthName(m, QLocale::LongFormat));

    setWindowTitle(QString());
    SetApplicationTitle(QString());
    if (!SkipSettingsRequested(Arguments)) ReadIniFile();
    ToggleStayOnTop1->setChecked(Settings.StayOnTop);
    ToggleHintsOn1->setChecked(Settings.ShowHints);
    setWindowFlag(Qt::WindowStaysOnTopHint, Settings.StayOnTop);

    UpdateClocks();
    if (Settings.PlaceName.isEmpty()) GuessLatLon();

    if (Settings.WeekStart == 7)
        Calendar1->SetStartOfWeek((GetLocaleFirstDayOfWeek() + 1) % 7);
    else
        Calendar1->SetStartOfWeek((Settings.WeekStart + 1) % 7);
    Settings.WeekStart = (Calendar1->StartOfWeek() + 6) % 7;

    SetHeight();
    PlaceAtStoredPosition();

    TrayIcon->SetActive(true);
    TrayIcon->SetAnimate(Settings.TrayType == 'A');
    TrayIcon->MinimizeToTray = Settings.MinimizeToTrayOn;
    TrayIcon->SetActive(Settings.TrayType == 'A' || Settings.TrayType == 'M' ||
                        Settings.TrayType == 'T');

    if (Settings.TrayColorsInit) {
        Settings.TrayColorsInit = false;
        Settings.TrayBackColor = 0;
        Settings.TrayForeColor = 0xFFFFFF;
    }

    if (Settings.StartMinimized) {
        Settings.ShowInfoFormAtStartup = false;
        Settings.ShowBigCalendarFormAtStartup = false;
    }
    ClockState.TimeCheckPending = Settings.UpdateClockOnStartup;
    ClockState.PendingStartupWeather = Settings.UpdateWeatherOnStartup;
    UpdateMenuItems(Settings.SouthernHemisphere);
    QCoreApplication::processEvents();
}

// A settings file that could not be read, or settings that could not be saved, are
// the user's to know about: the stored settings may be lost otherwise.
static void TellAboutSettings(QWidget* Owner, const TSettingsResult& Result) {
    if (!Result.Message.isEmpty())
        Platform().Messages->Inform(Owner, TMessageIcon::Warning, QStringLiteral("Orbelune"),
                                    Result.Message);
}

// Started minimised, or minimising to the tray, the window starts hidden, but only
// where the tray icon can bring it back; elsewhere it starts minimised, so that it can
// always be reached.
void TForm1::ShowAtStartup() {
    if (!Settings.StartMinimized && !Settings.MinimizeToTrayOn)
        show();
    else if (!TrayIcon->Active() || !TTrayIcon::TrayAvailable())
        showMinimized();
}

void TForm1::TellSettingsTrouble() {
    TellAboutSettings(this, FReadResult);
}

void TForm1::ReadIniFile() {
    FReadResult = orbelune::ReadIniFile(Settings, SettingsCopies);
    // The saved station is the current one until the Weather tab asks for another.
    WeatherState.CurrentStationCode = Settings.WeatherStationCode;
    WeatherState.CurrentStationName = Settings.WeatherStationName;
    Calendar1->ShowHolidays = Settings.ShowHolidays;
    Calendar1->ShowTinyMoons = Settings.ShowTinyMoons;
    Calendar1->update();
}

TSettingsResult TForm1::SaveIniFile(TSaveIntent Intent) {
    Settings.ShowHolidays = Calendar1->ShowHolidays;
    Settings.ShowTinyMoons = Calendar1->ShowTinyMoons;
    RecordPlace();
    return orbelune::SaveIniFile(Settings, Intent);
}

void TForm1::SaveAllSettings() {
    TSettingsResult first;
    if (!Settings.SaveOnExit) {
        Settings.SaveOnExit = true;
        first = SaveIniFile(TSaveIntent::OnPurpose);
        Settings.SaveOnExit = false;
    }
    const TSettingsResult second = SaveIniFile(TSaveIntent::OnPurpose);
    // Asked for on the information window.
    TellAboutSettings(InfoForm.data(), first.Ok ? second : first);
}

void TForm1::SetRunWhenWindowsStarts(bool On) {
    SetRunAtStartup(QStringLiteral("Orbelune"), QCoreApplication::applicationFilePath(), On);
}

void TForm1::Timer1Timer() {
    UpdateClocks();
    if (ClockState.FirstTimerTick) {
        Timer1->setInterval(1000);
        if (InfoForm != nullptr) {
            ClockState.FirstTimerTick = false;
            InfoForm->DoStartTasks();
        }
    }
    if (ClockState.TimeCheckPending && Now() > ClockState.StartTime + ThirtySeconds) {
        ClockState.TimeCheckPending = false;
        ShowInternetTime(GetInternetTime(Settings.TimeServer, true, false));
    }
}

void TForm1::UpdateClocks() {
    const TDateTime t = Now();
    const TTimeZoneState zone = TimeZoneAt(t);
    const int minute = MinuteOfHour(t);
    const int secondOfDay = SecondOfDay(t);

    if (minute != ClockState.LastClockMinute) {
        if (ClockState.JumpBackCount < Settings.JumpBackMinutes) {
            ++ClockState.JumpBackCount;
        } else {
            ClockState.JumpBackCount = 0;
            if (std::trunc(Calendar1->CalendarDate()) != std::trunc(t))
                Calendar1->SetCalendarDate(t);
        }
        TimeLabel->setText(TimeRowText(t));
        DateLabel->setText(FormatLocaleDateTime(DateFormats.Long, t));
        if (!Settings.UpdateWeatherOnStartup)
            SetApplicationTitle(FormatDateTimeSafe(QStringLiteral("mmm d"), t));

        if (Settings.UpdateClockPerSchedule && t > ClockState.StartTime + ThirtySeconds &&
            t > ClockState.LastTimeCheckTime + Settings.UpdateClockMinutes / 1440.0)
            GetInternetTime(Settings.TimeServer, true, false);
        if (Settings.UpdateWeatherPerSchedule && t > ClockState.StartTime + ThirtySeconds &&
            t > WeatherState.LastWeatherDownloadTime.load() +
                    Settings.UpdateWeatherMinutes / 1440.0)
            GetWeather(Settings.WeatherStationCode, true);
        UpdateDisplays();
    }
    ClockState.LastClockMinute = minute;

    if (!ClockState.FirstClockUpdate && !WeatherState.TemperatureShown)
        setWindowTitle(WeatherState.TemperatureProblem.isEmpty()
                           ? ClockCaption(Settings.DisplayLevel, Settings.UseMilitaryTime, t,
                                          DateFormats.ShortYY)
                           : QStringLiteral("Temp not available"));

    if (InfoForm != nullptr) {
        // After midnight (or a clock set back) the second of the day starts again below
        // the last refresh, which would hold the refresh back until the same time tomorrow.
        if (secondOfDay < ClockState.LastPlanetUpdateSecond) ClockState.LastPlanetUpdateSecond = 0;
        UpdateInfoFormClocks(t, secondOfDay, zone);
    }
    ClockState.FirstClockUpdate = false;
}

void TForm1::UpdateInfoFormClocks(TDateTime T, int SecondOfDayNow, const TTimeZoneState& Zone) {
    const TDateTime calendarTime = JoinDateAndTime(Calendar1->CalendarDate(), T);
    InfoForm->ShowSunMoonPosition(calendarTime);
    const TDateTime u = T - static_cast<double>(Zone.UTCOffsetHours) / 24.0;
    const QString f = TimePanelFormat(Settings.UseMilitaryTime);
    TTimeClocks clocks;
    clocks.Local = QLatin1Char(' ') + FormatLocaleDateTime(f + DateFormats.Long, T);
    clocks.LocalZone = QLatin1Char(' ') + FromEngineText(Zone.TimeZoneName);
    clocks.Utc = QLatin1Char(' ') + FormatLocaleDateTime(f + DateFormats.Long, u);
    clocks.Sidereal = QLatin1Char(' ') + FromEngineText(AngleToHMSText(LocalSiderealDeg(
                                             static_cast<double>(Settings.Longitude), u)));
    clocks.JulianDate = QLatin1Char(' ') + QString::number(u + 2415018.5, 'f', 5);
    const auto cities = WorldClockTimes(u);
    for (size_t i = 0; i < clocks.Cities.size(); ++i)
        clocks.Cities[i] = QLatin1Char(' ') + FormatLocaleDateTime(f + DateFormats.Long, cities[i]);
    InfoForm->TimeSheet->ShowClocks(clocks);
    InfoForm->PlanetPage->SiderealTimePanel2->setText(clocks.Sidereal);
    InfoForm->setWindowTitle(Settings.UseLocalTime
                                 ? FromEngineText(Zone.TimeZoneName) + QStringLiteral("   ") +
                                       clocks.Local
                                 : GMTCaption + QStringLiteral("   ") + clocks.Utc);
    if (SecondOfDayNow >= ClockState.LastPlanetUpdateSecond + 5) {
        InfoForm->ShowPlanets(calendarTime);
        InfoForm->RadarPage->RefreshRadarAge();
        ClockState.LastPlanetUpdateSecond = SecondOfDayNow;
    }
}

bool TForm1::FormCloseQuery() {
    return true;
}

void TForm1::FormClose() {
    if (FClosed) return;
    FClosed = true;
    SaveSession();
    Timer1->stop();
    Timer2->stop();
    // The download threads write the program-wide lists; they must be stopped before
    // anything is freed.
    StopWorkers(WorkerStopTimeoutMs);
}

void TForm1::SaveSession() {
    if (InfoForm != nullptr) {
        InfoForm->RecordPlace();
        Settings.ShowInfoFormAtStartup = InfoForm->isVisible();
        Settings.LastInfoFormTabIndex = InfoForm->InfoFormPageControl->currentIndex();
        Settings.LastSetSheetTabIndex = InfoForm->SetSheetPageControl->currentIndex();
    }
    SetRunWhenWindowsStarts(Settings.RunWhenWindowsStarts);
    TellAboutSettings(this, SaveIniFile());
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
    if (InfoForm != nullptr) InfoForm->close();
    if (HelpForm != nullptr) HelpForm->close();
    QCoreApplication::quit();
}

void TForm1::FormDestroy() {
    if (FDestroyed) return;
    FDestroyed = true;
    FreeGlobalObjects();
}

}  // namespace orbelune
