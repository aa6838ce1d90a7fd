#pragma once
// TInfoForm: the information window. Thirteen tabs in one page control, a menu, an
// action list shared by the menus and the Set tab's check boxes, a status bar, and the
// start-up work the clock window's first tick asks for. The tabs' own controls and
// handlers live with their tabs.

#include "InfoFormModel.h"
#include "MoonSheet.h"
#include "MoonTabTexts.h"
#include "PlanetSheet.h"
#include "StDate.h"
#include "WeatherSheet.h"

#include <QMainWindow>
#include <QTabWidget>

#include <array>
#include <vector>

class QAction;
class QLabel;
class QStatusBar;

namespace orbelune {

struct TInfoWindowLink;
struct TReportOutcome;

// A page control whose tabs are all drawn alike: the button face with the caption
// centred.
class TInfoPageControl : public QTabWidget {
    Q_OBJECT

public:
    explicit TInfoPageControl(QWidget* AOwner = nullptr);
};

class TInfoForm : public QMainWindow {
    Q_OBJECT

public:
    static constexpr int MinimumWidth = 400;
    static constexpr int MinimumHeight = 300;
    static constexpr int StatusPanelCount = 4;

    explicit TInfoForm(QWidget* AOwner = nullptr);
    ~TInfoForm() override;

    // The start-up work of the clock window's first tick.
    void DoStartTasks();
    // Refreshes the window for the clock calendar's date at the time of day of now.
    void UpdateInfoForm();

    // Moon tab.
    void UpdateLatLonDisplays(int Mode);
    void UpdateAllMoonDisplays(bool Southern, TDateTime T);
    void UpdateMoonPhasesDisplay(bool Southern);
    QString GetMoonPhaseName(TDateTime T) const;
    QString GetEquinoxSolsticeName(TDateTime T) const;
    // The lunation picture of phase entry N (1 .. 5), mirrored for the southern sky
    // when Flip.
    int GetIconNum(int N, bool Flip) const;
    // Altitude and azimuth of the sun or the moon at T (local when ToUTC); false for a
    // date outside the engine's range.
    bool CalcSunMoonPosition(double& Altitude, double& Azimuth, bool IsSun, bool ToUTC,
                             TDateTime T) const;
    void ShowSunMoonPosition(TDateTime T);
    // Moves the clock calendar to phase entry N (1 .. 5) when it is set.
    void GoToMoonPhaseDate(int N);
    void AnimateMoonBoxClick();
    void Moon1Click();

    // Planet tab.
    void ShowEclipses(int Year);
    // The eclipse on Day's date as shown; empty when none. Rebuilds the list for
    // another year first.
    TEclipseDay GetEclipse(TDateTime Day);
    // The planet table for the local time T.
    void ShowPlanets(TDateTime T);
    void PlanetRadioGroupClick();
    void EclipseRadioGroupClick();
    void SetEclipsesMemo(bool Summary);
    // Moves the clock calendar to the day (as shown) of eclipse N (1 .. 7) of the list.
    void GoToEclipseDate(int N);
    // A click on eclipse row N's label.
    void EclipseLabClick(int N);

    // Weather tab: the report panel.
    void ApplyWeatherReport(const TReportOutcome& Outcome);
    void DisplayWeather();
    void WeatherSheet2Show();
    void GetWeatherBut2Click();

    TMoonSheet MoonPage;
    TPlanetSheet PlanetPage;
    TWeatherSheet WeatherPage;
    int ShownEclipseYear = 0;
    std::vector<TEclipseDay> EclipseDays;
    TMonthPhaseTable MonthPhaseTable;
    TSeasonTable SeasonTable;
    TMoonDay DayMoon;

    TInfoPageControl* InfoFormPageControl = nullptr;
    std::array<QWidget*, InfoFormTabs.size()> Sheets{};
    QTabWidget* SetSheetPageControl = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    std::array<QLabel*, StatusPanelCount> StatusPanels{};

    QAction* Close1 = nullptr;
    QAction* SendEmail1 = nullptr;
    QAction* GoToHomePage1 = nullptr;
    QAction* LabelGoRed = nullptr;
    QAction* LabelGoNavy = nullptr;
    QAction* LabelGoBlack = nullptr;
    QAction* ToggleMinimizeToTray1 = nullptr;
    QAction* ToggleStartMinimized1 = nullptr;
    QAction* ToggleSaveOnExit1 = nullptr;
    QAction* ToggleShowHolidays1 = nullptr;
    QAction* ToggleShowTinyMoons1 = nullptr;
    QAction* PrintImageAction1 = nullptr;
    QAction* SizeDefaultAction1 = nullptr;
    QAction* SizeMaximumAction1 = nullptr;
    QAction* SizeMinimumAction1 = nullptr;
    QAction* RunWhenWindowsStartsAction = nullptr;

    // The clickable labels' colours as the mouse enters or leaves them.
    static void LabelGoRedExecute(QWidget* Label);
    static void LabelGoNavyExecute(QWidget* Label);
    static void LabelGoBlackExecute(QWidget* Label);
    static void LabelGoBlueExecute(QWidget* Label);

    void ToggleMinimizeToTray1Execute();
    void ToggleShowHolidays1Execute();
    void ToggleShowTinyMoons1Execute();
    void ToggleStartMinimized1Execute();
    void ToggleSaveOnExit1Execute();
    void SizeDefaultAction1Execute();
    void SizeMaximumAction1Execute();
    void SizeMinimumAction1Execute();
    void RunWhenWindowsStartsActionExecute();
    void Close1Click();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    void createPages();
    void createActions();
    void createMenus();
    void createStatusBar();
    void createMoonSheet();
    void createPlanetSheet();
    void createWeatherSheet();
    void LinkPlanetTab(TInfoWindowLink& Info);
    void UpdatePlanetTab(TDateTime T);
    void RefreshForCalendarDate();
    // Offers the tabs' answers to the clock window.
    void LinkForClockWindow();
    // The clock calendar's date at the time of day of now (now without a calendar).
    TDateTime CalendarDateNow() const;
    // Moves the clock calendar to Date (nothing without a calendar).
    void GoToCalendarDate(TDateTime Date);

    void FormCreate();
    void FormShow();
    void FormActivate();
    void FormDeactivate();

    // False while FormCreate sets the minimise-to-tray controls.
    bool MinToTrayReady = false;
    // The time format the eclipse texts were written in; another one rebuilds them.
    TEclipseTextOptions EclipseTextsWrittenWith;
};

// The program's one information window; null until it is created.
extern TInfoForm* InfoForm;

// The information window's location: the settings' one at creation, later the place
// list's choice.
extern TInfoLocation InfoLocation;

// Raised at start-up when the weather is to be fetched; the start tasks consume it once
// the clock window can download.
extern bool PendingStartupWeather;

}  // namespace orbelune
