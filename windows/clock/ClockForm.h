#pragma once
// TForm1: the clock window. Its rows show the time, the date, the month calendar with
// its navigation, the moon with its rise and set, and the sun's rise and set; it owns
// the one-second clock update, the tray icon, the menus and actions that open the
// information window's tabs, and the program's start-up and shut-down handlers.
//
// It also owns the calendar-events model of its calendar's date, which the month grid,
// its day labels and menus and the information window read. It drives the information
// window it is given (AttachInfoForm) by calling it and its tab pages; the information
// window answers only through signals, which AttachInfoForm connects.

#include "SettingsIo.h"
#include "StDate.h"

#include <QImage>
#include <QList>
#include <QMainWindow>
#include <QPointer>

#include <array>
#include <cstdint>

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QTimer;
class QToolButton;
class QFrame;
class QKeyEvent;

namespace orbelune {

class TCalendar;
class TCalendarEvents;
class TInfoForm;
class TMoon;
class TTrayIcon;
class THelpForm;
class TForm6;
struct TInternetTimeResult;
struct TReportOutcome;
struct TTimeZoneState;

class TForm1 : public QMainWindow {
    Q_OBJECT

public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // Takes the information window: its signals reach this window, and the clock
    // update refreshes it. The window may be deleted before this one.
    void AttachInfoForm(TInfoForm* Info);

    // Start-up and shut-down handlers.
    void FormCreate(const QStringList& Arguments);
    bool FormCloseQuery();
    void FormClose();
    void FormDestroy();
    // What closing records and saves; also run when the desktop session ends, which
    // may end the program without closing its windows.
    void SaveSession();
    // Shows the window as the settings ask after start-up.
    void ShowAtStartup();
    // Tells over the window of a settings file that could not be read, or of settings
    // that cannot be saved; the program asks from its message loop, once it answers quit
    // signals, so that a logout does not wait for the box.
    void TellSettingsTrouble();

    void Timer1Timer();
    // The animation tick of the information window; the timer stops when nothing is
    // left to animate.
    void Timer2Timer();
    void UpdateClocks();

    // Displays.
    void SetHeight();
    void UpdateDisplays();
    void UpdateDayInfoLabels(TDateTime Day);
    void SetMoonIcons(TDateTime Day);
    void UpdateMenuItems(bool Southern);
    void SetEclipseItem(int N, bool Visible, int Image, const QString& Caption);

    // Commands.
    void ToggleWindowAction1Execute();
    void ToggleStayOnTop1Execute();
    void ToggleHintsOn1Execute();
    void ExitAction1Execute();
    void Calendar1Change();
    void ButTodayClick();
    void OpenInfoTab(int Tab);
    void TrayIconClick(Qt::MouseButton Button);
    void RestoreAction1Execute();
    void TrayIconMinimize();
    void TrayIconRestore();
    void ToggleInfoFormAction1Execute();
    void GoToGoogle();
    void ShowHelp1Execute();
    void GoToEclipseExecute(int N);
    // Moves the calendar to Date's day.
    void GoToDate(TDateTime Date);

    // Date navigation: the actions of the "Go To" menus and the month and year boxes.
    void GoToToday1Execute();
    void GoToPrevDay1Execute();
    void GoToNextDay1Execute();
    void GoToPrevMonthAction1Execute();
    void GoToNextMonthAction1Execute();
    void GoToPrevYearAction1Execute();
    void GoToNextYearAction1Execute();
    void GoToNewYearsDay1Execute();
    void GoToMartinLutherKingDay1Execute();
    void GoToChineseNewYear1Execute();
    void GoToGroundHogDay1Execute();
    void GoToValentinesDay1Execute();
    void GoToWashingtonsBirthday1Execute();
    void GoToAshWednesday1Execute();
    void GoToSaintPatricksDay1Execute();
    void GoToPassover1Execute();
    void GoToGoodFridayExecute();
    void GoToEaster1Execute();
    void GoToEasterOrthodox1Execute();
    void GoToMothersDay1Execute();
    void GoToMemorialDay1Execute();
    void GoToFathersDay1Execute();
    void GoToFourthOfJuly1Execute();
    void GoToLaborDay1Execute();
    void GoToJewishNewYear1Execute();
    void GoToColumbusDay1Execute();
    void GoToHalloween1Execute();
    void GoToElectionDay1Execute();
    void GoToVeteransDay1Execute();
    void GoToThanksgiving1Execute();
    void GoToHanukah1Execute();
    void GoToChristmas1Execute();
    void GoToMarEquinox1Execute();
    void GoToJunSolstice1Execute();
    void GoToSepEquinox1Execute();
    void GoToDecSolstice1Execute();
    void GoToDaylightStart1Execute();
    void GoToDaylightEnd1Execute();
    // Phase entry N (1 .. 5) of the calendar's month.
    void GoToMoonPhaseExecute(int N);
    // Shower N (1 .. 9) in the calendar's year.
    void GoToMeteorExecute(int N);
    void MonthComboBoxChange();
    void YearComboBoxChange();
    // True for a typed character, which the year box swallows: the year is only chosen
    // from its list.
    static bool YearComboBoxKeyPress(const QKeyEvent* Key);
    void ApplicationEvents1Activate();
    bool ApplicationEvents1ShortCut(int Key);

    // Settings store and start with the session.
    void ReadIniFile();
    // Writes the settings; at close not over a settings file that could not be read.
    TSettingsResult SaveIniFile(TSaveIntent Intent = TSaveIntent::AtClose);
    // Writes every setting, then SaveOnExit as the user has it, over whatever file was
    // there; says so when the file cannot be written.
    void SaveAllSettings();
    void SetRunWhenWindowsStarts(bool On);

    // Asks the time server once through the platform's time query; the check time is
    // stamped first. With SetClock the PC clock is then set by the offset found, unless
    // the system keeps its own time; Interactive lets the desktop ask the user for
    // authorisation. A clock set is recorded in LastTimeStamp and LastTimeAdjust.
    TInternetTimeResult GetInternetTime(const QString& Server, bool SetClock, bool Interactive);
    // Shows a query's result on the information window's Time tab.
    void ShowInternetTime(const TInternetTimeResult& Result);
    void GetWeather(const QString& StationCode, bool Show);
    // What a weather report brings the clock window: the temperature in its caption and
    // tray, the refusal message, the weather text window's report.
    void ApplyWeatherReport(const TReportOutcome& Outcome);
    // The temperature in the caption and the tray, the tray temperature picture, the
    // once-per-run "connection refused" message and the download status echo.
    void ShowTemperature(const QString& SkyText, double TemperatureF);
    void ShowTrayTemp(const QString& Text, std::int32_t ForeColor, bool Transparent,
                      std::int32_t BackColor);
    void ShowConnectionRefused();
    void ShowStatus(const QString& Text);
    // The Set tab's changes: the tray icon of the tray settings (menu check marks, shown,
    // animated, the temperature picture in its colours), and the temperature, caption
    // and tray hint in a new unit.
    void ApplyTrayType();
    void ShowTemperatureInUnits();
    // Status texts of the window's own downloads and of secure downloads, for their
    // progress callbacks; both go through ShowStatus.
    void http1Status(const QString& StatusText);
    void SslStatus(const QString& Text);
    // The weather entries of the pop-up and tray menu.
    void UpdateTemperature1Click();
    void WeatherText1Click();
    void TrayMenuItemClick(QAction* Item);
    // The first-start guess of the place, when no location is stored.
    void GuessLatLon();

    // Where the help file is looked for; empty when it is not found.
    static QString FindHelpFile(const QString& Name, const QStringList& Folders);

    TCalendarEvents* Events = nullptr;
    QPointer<TInfoForm> InfoForm;

    // Components.
    QFrame* Panel1 = nullptr;
    QFrame* Panel2 = nullptr;
    QFrame* Panel3 = nullptr;
    QFrame* Panel4 = nullptr;
    QFrame* Panel5 = nullptr;
    QLabel* TimeLabel = nullptr;
    QLabel* DateLabel = nullptr;
    TCalendar* Calendar1 = nullptr;
    QComboBox* MonthComboBox = nullptr;
    QComboBox* YearComboBox = nullptr;
    QToolButton* ButLastMonth = nullptr;
    QToolButton* ButLastYear = nullptr;
    QToolButton* ButNextYear = nullptr;
    QToolButton* ButNextMonth = nullptr;
    QToolButton* ButToday = nullptr;
    TMoon* Moon2 = nullptr;
    QLabel* DayInfoLabel1 = nullptr;
    QLabel* DayInfoLabel2 = nullptr;
    QLabel* SunriseLabel = nullptr;
    QLabel* SunsetLabel = nullptr;
    QTimer* Timer1 = nullptr;
    QTimer* Timer2 = nullptr;
    TTrayIcon* TrayIcon = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QMenu* ButPopupMenu = nullptr;
    QMenu* GoToMenu1 = nullptr;  // the "&Go To..." branch of PopupMenu1
    std::array<QAction*, 5> MoonMenu{};
    std::array<QAction*, 5> MenuMoon{};
    std::array<QAction*, 7> EclipseMenu{};
    std::array<QAction*, 7> MenuEclipse{};
    THelpForm* HelpForm = nullptr;
    QPointer<TForm6> Form6;  // the weather text window, once asked for
    QList<QImage> NorthImageList;
    QList<QImage> SouthImageList;
    QList<QImage> ImageList2;

    // Actions.
    QAction* ToggleWindowAction1 = nullptr;
    QAction* ToggleStayOnTop1 = nullptr;
    QAction* ToggleHintsOn1 = nullptr;
    QAction* ExitAction1 = nullptr;
    QAction* RestoreAction1 = nullptr;
    QAction* ToggleInfoFormAction1 = nullptr;
    QAction* ShowHelp1 = nullptr;
    QAction* GoToGoogle1 = nullptr;
    QAction* ShowMoonSheetAction1 = nullptr;
    QAction* ShowPlanetSheetAction1 = nullptr;
    QAction* ShowWeatherSheetAction1 = nullptr;
    QAction* ShowRadarSheetAction1 = nullptr;
    QAction* ShowSatelliteSheetAction1 = nullptr;
    QAction* ShowTimeSheetAction1 = nullptr;
    QAction* ShowSetSheetAction1 = nullptr;
    QAction* ShowYearSheetAction1 = nullptr;
    QAction* ShowToolSheetAction1 = nullptr;
    QAction* ShowMapSheetAction1 = nullptr;
    QAction* ShowAboutSheetAction1 = nullptr;
    QAction* UpdateTemperature1 = nullptr;
    QAction* WeatherText1 = nullptr;
    QAction* TrayTemperature1 = nullptr;
    QAction* TrayMoon1 = nullptr;
    QAction* TrayAnimation1 = nullptr;
    std::array<QAction*, 7> GoToEclipse{};
    QAction* GoToToday1 = nullptr;
    QAction* GoToPrevDay1 = nullptr;
    QAction* GoToNextDay1 = nullptr;
    QAction* GoToPrevMonthAction1 = nullptr;
    QAction* GoToNextMonthAction1 = nullptr;
    QAction* GoToPrevYearAction1 = nullptr;
    QAction* GoToNextYearAction1 = nullptr;
    std::array<QAction*, 25> GoToHolidays{};  // in menu order, GoToNewYearsDay1 first
    std::array<QAction*, 4> GoToSeasons{};    // GoToMarEquinox1 .. GoToDecSolstice1
    QAction* GoToDaylightStart1 = nullptr;
    QAction* GoToDaylightEnd1 = nullptr;
    std::array<QAction*, 5> GoToMoonPhase{};
    std::array<QAction*, 9> GoToMeteor{};

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateActions();
    void CreateRows();
    void CreateMenus();
    void CreateWeatherMenu();
    void ShowTemperatureCaption();
    void ShowWeatherTextReport();
    void CreateNavigationActions();
    // The date commands in their menu order, into the "Go To" drop-down or the pop-up
    // menu's branch; the moon and eclipse items are the menu's own.
    void FillGoToMenu(QMenu* Menu, const QString& Prefix, std::array<QAction*, 5>& MoonItems,
                      std::array<QAction*, 7>& EclipseItems);
    void GoToHoliday(TDateTime (*Rule)(std::int32_t Year));
    void GoToSeason(int Entry);
    void GoToDaylight(bool Start);
    void CreateEclipseItems();
    // The eclipse items from the calendar-events model's year.
    void ShowEclipseItems();
    // What the clock window shows of the moon the information window has drawn.
    void ShowMoonOf(TDateTime T, bool Southern);
    void CreateTrayIcon();
    QAction* NewAction(const char* Name, const QString& Caption);
    void ApplyStayOnTop();
    // The window at its stored place, kept on a screen; at the first start the
    // information window's place is set beside it.
    void PlaceAtStoredPosition();
    // The window's place into the settings, while it is shown and not minimised.
    void RecordPlace();
    void SetApplicationTitle(const QString& Title);
    void UpdateInfoFormClocks(TDateTime T, int SecondOfDayNow, const TTimeZoneState& Zone);
    void ShowSunTimes(TDateTime Day, long double Rise, long double Set);
    void ShowMoonEvents(bool& MoonKnown, bool& MoonUp);
    void ShowHints(TDateTime Day, TDateTime DayAtNow, const TTimeZoneState& Zone, bool SunUp,
                   bool MoonKnown, bool MoonUp);

    bool FClosed = false;
    bool FDestroyed = false;
    TSettingsResult FReadResult;  // of the settings read at start-up
};

}  // namespace orbelune
