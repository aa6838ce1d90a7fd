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

namespace orbelune {

class TCalendar;
class TCalendarEvents;
class TInfoForm;
class TMoon;
class TTrayIcon;
class THelpForm;
class TForm6;
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

    void Timer1Timer();
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
    void ApplicationEvents1Activate();
    bool ApplicationEvents1ShortCut(int Key);

    // Settings store and start with the session.
    void ReadIniFile();
    void SaveIniFile();
    void SetRunWhenWindowsStarts(bool On);

    // Asks the time server once through the platform's time query and returns the
    // time it gave (0 when it did not answer), with Offset in days; the check time is
    // stamped first. Setting the clock comes with the internet-time tab.
    TDateTime GetInternetTime(const QString& Server, bool SetClock, double& Offset);
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
    // Status texts of the window's own downloads and of secure downloads, for their
    // progress callbacks; both go through ShowStatus.
    void http1Status(const QString& StatusText);
    void SslStatus(const QString& Text);
    // The weather entries of the pop-up and tray menu.
    void UpdateTemperature1Click();
    void WeatherText1Click();
    void TrayMenuItemClick(QAction* Item);
    // The first-start guess of the place; it comes with the place list.
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

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateActions();
    void CreateRows();
    void CreateMenus();
    void CreateWeatherMenu();
    void ShowTemperatureCaption();
    void ShowWeatherTextReport();
    void CreateEclipseItems();
    // The eclipse items from the calendar-events model's year.
    void ShowEclipseItems();
    // What the clock window shows of the moon the information window has drawn.
    void ShowMoonOf(TDateTime T, bool Southern);
    void CreateTrayIcon();
    QAction* NewAction(const char* Name, const QString& Caption);
    void ApplyStayOnTop();
    void MoveToStoredPosition();
    void SetApplicationTitle(const QString& Title);
    void UpdateInfoFormClocks(TDateTime T, int SecondOfDayNow, const TTimeZoneState& Zone);
    void ShowSunTimes(TDateTime Day, long double Rise, long double Set);
    void ShowMoonEvents(bool& MoonKnown, bool& MoonUp);
    void ShowHints(TDateTime Day, TDateTime DayAtNow, const TTimeZoneState& Zone, bool SunUp,
                   bool MoonKnown, bool MoonUp);
    void MonthOrYearPicked();

    bool FClosed = false;
    bool FDestroyed = false;
};

}  // namespace orbelune
