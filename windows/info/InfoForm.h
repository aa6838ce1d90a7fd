#pragma once
// TInfoForm: the information window. Thirteen tabs in one page control, a menu, an
// action list shared by the menus and the Set tab's check boxes, a status bar, and the
// start-up work the clock window's first tick asks for. The tab pages are classes that
// own their controls (TMoonSheet, TPlanetSheet, TWeatherSheet, TTimeSheet); the
// window's handlers for a tab live in InfoForm_<Tab>.cpp.
//
// The window reads the shown date and its marked days from the calendar-events model
// and knows nothing of the clock window: what it asks of it (move the calendar, the
// clock's pace, the caption, the moon icons, the tray switch, the calendar's marks)
// goes out as signals, which the clock window connects when it takes the window
// (TForm1::AttachInfoForm).

#include "InfoFormModel.h"
#include "MoonSheet.h"
#include "MoonTabTexts.h"
#include "PlanetSheet.h"
#include "StDate.h"
#include "TimeSheet.h"
#include "WeatherSheet.h"

#include <QMainWindow>
#include <QTabWidget>

#include <array>

class QAction;
class QLabel;
class QMenu;
class QStatusBar;

namespace orbelune {

class TCalendarEvents;
struct TEclipseDay;
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

    // Events: the marked days of the clock calendar's date; it outlives the window.
    explicit TInfoForm(TCalendarEvents& Events, QWidget* AOwner = nullptr);

    // The clock window's pop-up menu as this window's context menu, and its help
    // command at the end of the main menu.
    void AddClockCommands(QMenu* PopupMenu, QAction* Help);

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
    // The eclipse rows, memo and year of the calendar-events model.
    void ShowEclipses();
    // The eclipse on Day's date as shown; empty when none.
    TEclipseDay GetEclipse(TDateTime Day) const;
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

    TCalendarEvents& Events;
    TMoonSheet* MoonPage = nullptr;
    TPlanetSheet* PlanetPage = nullptr;
    TWeatherSheet* WeatherPage = nullptr;
    TTimeSheet* TimeSheet = nullptr;
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

signals:
    // Asks for the clock calendar to show Date's day.
    void DateRequested(TDateTime Date);
    // Asks for the clock update's interval.
    void ClockIntervalRequested(int Milliseconds);
    void CaptionRequested(const QString& Text);
    // The moon of T was drawn for the hemisphere: the clock window's moon, icons and
    // phase menus follow.
    void MoonShown(TDateTime T, bool Southern);
    void MinimizeToTrayChanged(bool On);
    void ShowHolidaysChanged(bool On);
    void ShowTinyMoonsChanged(bool On);

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
    void UpdatePlanetTab(TDateTime T);
    void RefreshForCalendarDate();
    // The clock calendar's date at the time of day of now.
    TDateTime CalendarDateNow() const;
    // Moves the clock calendar to Date.
    void GoToCalendarDate(TDateTime Date);

    void FormCreate();
    void FormShow();
    void FormActivate();
    void FormDeactivate();

    // False while FormCreate sets the minimise-to-tray controls.
    bool MinToTrayReady = false;
};

}  // namespace orbelune
