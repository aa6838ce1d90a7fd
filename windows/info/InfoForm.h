#pragma once
// TInfoForm: the information window. Thirteen tabs in one page control, a menu, an
// action list shared by the menus and the Set tab's check boxes, a status bar, and the
// start-up work the clock window's first tick asks for. The tab pages are classes that
// own their controls (TMoonSheet, TPlanetSheet, TWeatherSheet, TTimeSheet, TYearSheet,
// THolidaySheet, the Set tab's TLocationSheet, and the Radar and Satellite pages, which
// also hold their handlers and their imagery state); the window's handlers for a tab live
// in InfoForm_<Tab>.cpp. The window's animations (the moon, the radar and satellite
// loops) step from the clock window's animation timer, which runs only while one of them
// can be seen.
//
// The window reads the shown date and its marked days from the calendar-events model
// and knows nothing of the clock window: what it asks of it (move or redraw the
// calendar, its Go To commands, the clock's pace, the caption, the moon icons, the tray
// switch, the calendar's marks) goes out as signals, which the clock window connects
// when it takes the window (TForm1::AttachInfoForm).

#include "EditMenu.h"
#include "GraphSheet.h"
#include "HolidaySheet.h"
#include "InfoFormModel.h"
#include "MoonSheet.h"
#include "MoonTabTexts.h"
#include "PlaceList.h"
#include "PlanetSheet.h"
#include "RadarSheet.h"
#include "SatelliteSheet.h"
#include "SetOptionsPage.h"
#include "StDate.h"
#include "TimeSheet.h"
#include "ToolsSheet.h"
#include "WeatherSheet.h"
#include "YearSheet.h"

#include <QMainWindow>
#include <QTabWidget>

#include <array>

class QAction;
class QComboBox;
class QKeyEvent;
class QLabel;
class QMenu;
class QPrinter;
class QPushButton;
class QStatusBar;

namespace orbelune {

class TCalendarEvents;
class TForecastCityBoxes;
class TLocationSheet;
class TPlaceListLoader;
struct TEclipseDay;
struct TReportOutcome;
class TEmbeddedBrowser;
class TForecastPanel;
class TLookupGroups;
class TMapsSheet;
class TAboutSheet;
enum class TLookup;

// A page control whose tabs carry their captions centred, in the style's tab shapes
// (which mark the current tab).
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
    // Takes the window's event filter off its pages before they go.
    ~TInfoForm() override;

    // The clock window's pop-up menu as this window's context menu, and its "go to
    // today" and help commands at the end of the main menu.
    void AddClockCommands(QMenu* PopupMenu, QAction* GoToToday, QAction* Help);

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
    // The time, clock and hemisphere choices: the other item of a group changes its
    // setting, and the clock window redraws its calendar and its clocks for it.
    void LocalTimeRadioGroupClick();
    void AmPmTimeRadioGroupClick();
    void HemisphereRadioGroupClick();

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
    // Meteor shower N's button (1 .. 9): the clock window's Go To command of the shower.
    void MeteorButClick(int N);

    // Year tab.
    void YearSheetShow();
    void LastYearButClick();
    void NextYearButClick();
    void BigCalendarClick();
    void UpdateBigCalendar();
    void WeekNumbersBoxClick();
    void BigCalendarGetMonthInfo(int Year, int Month);
    void BigCalYearComboBoxChange();
    // True for a typed character, which the year box swallows: the year is only chosen
    // from its list.
    static bool BigCalYearComboBoxKeyPress(const QKeyEvent* Key);
    void WeekStartBoxChange();
    // The event the clock window names for Day (holiday, season, phase, eclipse; empty
    // for none), shown under the year calendar while it shows that day.
    void ShowDayEvent(TDateTime Day, const QString& Text);

    // Holiday tab.
    void ShowHolidayTable(int Year);
    void HolidayGridSelectCell(int ARow);

    // Weather tab: the report panel.
    void ApplyWeatherReport(const TReportOutcome& Outcome);
    void DisplayWeather();
    void WeatherSheet2Show();
    void GetWeatherBut2Click();

    // Graph tab.
    // Draws the year chart for the calendar's date at Latitude (the setting's).
    void DrawGraph(long double Latitude);
    void TimePositionBoxClick();
    void DaylightSavingBoxClick();
    void ShowDateLinesBoxClick();
    // A left click at X (chart pixels) on the chart.
    void PaintBoxMouseDown(int X);
    // The season buttons, N = 1 (March equinox) .. 4 (December solstice).
    void SeasonButClick(int N);
    void PrevMonthBut2Click();
    void NextMonthBut2Click();
    // The chart, the year calendar and the satellite panel as pictures; an empty name
    // puts the picture on the clipboard, any other saves it to that file. False when
    // nothing was written.
    QImage GetGraph();
    bool GraphToClipBoardOrFile(const QString& FileName);
    QImage GetCalendar();
    bool CalendarToClipBoardOrFile(const QString& FileName);
    QImage GetPanel();
    bool PanelToClipBoardOrFile(const QString& FileName);

    // Saving, copying and printing pictures (InfoForm_Saving.cpp), by the tab shown.
    // Writes Graphic to Name with the extension of Type (1 JPEG, 2 bitmap, 3 GIF), after
    // a "Yes" when Ask and the file exists; true when written. A failed write is told.
    bool SaveImageFile(const QImage& Graphic, const QString& Name, bool Ask, int Type);
    // The same for the radar animation, every frame, as a ".gif".
    bool SaveGIFFile(const QList<QImage>& Frames, const QString& Name, bool Ask);
    // The save dialog offering DefaultName, then the save; true when a file was written.
    bool RunFileSave(const QImage& Graphic, const QString& DefaultName, const QString& Filter);
    bool RunAnimatedGIFSave(const QList<QImage>& Frames, const QString& DefaultName);
    // "Save", "Copy" and "Print".
    void SaveAsFile2Click();
    void CopyToClipboard2Click();
    void PrintImageAction1Execute();
    // Prints the forecast page on Printer, which it takes and deletes when done.
    void PrintBrowserDocument(QPrinter* Printer);

    // Tools tab: converter key Index of ConverterKeys, pi, copy and paste.
    void ConverterButClick(int Index);
    void PiButtonClick();
    void CopyButClick();
    void PasteButClick();

    // Set tab: the tray icon, its colours, the temperature unit, the weather server and
    // the proxy.
    void SetTrayIconType();
    void TrayIconGroupClick();
    void ColorBoxChange();
    void TrayBackTransparentBoxClick();
    void TemperatureRadioGroupClick();
    void WeatherServerComboBoxChange();
    void UseProxyServerBoxClick();
    void ProxyServerEdChange();
    void ProxyServerPortEdChange();
    void ProxyUserNameEdChange();
    void ProxyPasswordEdChange();
    // Weather tab: the forecast page in the embedded browser (InfoForm_Forecast.cpp).
    // Builds the address of the chosen source and place into the address box.
    void SetURL();
    void SetWeatherBoxVisibility(int SourceType);
    // "Get Weather": rebuilds the address and opens it.
    void GetForecast();
    // "GO": opens the address box's text as it stands.
    void BrowserGoButClick();
    void BackButClick();
    void ForwardButClick();
    void RefreshButClick();
    void SaveAddressButClick();
    void WeatherSourceBoxSelect();
    void WeatherSheetShow();
    // A page has loaded: its address heads the history unless the history holds it.
    void WebBrowser1NavigateComplete2();
    // The embedded browser, made when it is first needed; null when its plugin cannot
    // be loaded.
    TEmbeddedBrowser* WebBrowser();

    // Maps and reference pages in the default browser (InfoForm_Maps.cpp).
    // Opens a web address (http or https) or the help file in the desktop's default
    // handler, after sending the program's windows to the back; anything else opens
    // nothing and says so in the status bar. Without a browser a box over Owner (this
    // window when null), the window whose command it was, gives the address.
    void GoBrowser(const QString& Address, QWidget* Owner = nullptr);
    void GoBrowserButClick();
    void GetMap(int Site);
    void GetMapBut1Click();
    void GetMapMapQuest();
    void GetMapTopoZone();
    void MapSiteBoxClick();
    void AutoOpenMapBoxClick();
    void ViewMoonBut1Click();
    void ViewMoonBut2Click();
    void UsnoButClick();
    void ViewSkyButClick();
    void WorldClockButClick();
    void GoToSkyMaps();

    // Tools tab: the word look-ups in the default browser (InfoForm_Lookups.cpp).
    void DictionaryButClick();
    void ThesaurusButClick();
    void GoogleButClick();
    void GoogleLuckyButClick();
    void WikiButClick();
    // Set tab: the location page and the place list (InfoForm_Location.cpp). The list
    // loads off the user-interface thread; the lists fill when it has arrived.
    void LoadBigList();
    void ShowLoadFileMsg();
    void CountryBoxSelect();
    void StateBox1Select();
    void PlaceListBoxClick();
    // "Find City": the place of the typed zip code.
    void FindZipButClick();
    // Stores the location the page shows, saves every setting and refreshes the clock.
    void SaveOrUpdateLocation();
    // Stores the station of the station edits; Write saves every setting.
    void StoreWeatherStation(bool Write);
    // Writes every setting, whether or not they are saved on exit.
    void SaveAllSettings();
    void SaveLocationOnlyButClick();
    void SaveWeatherStationOnlyButClick();
    void SaveAllButClick();
    void CloseButClick();
    void ResetButClick();
    // Weather tab: the forecast cities of the chosen state.
    void StateBox2Select();

    // Time tab: a query's result, and the "Get Time" button, which asks the clock window
    // for a query of the server in the box (InternetTimeRequested).
    void UpdateInternetTimeDisplay(const TInternetTimeResult& Result);
    void GetInternetTimeButClick();
    void TimeServerSheetShow();

    // The animation timer's tick: the moon, the radar loop and the satellite loop, each
    // while it runs and its tab is showing. False when nothing is left to animate.
    bool AnimationTick();
    // Whether an animation runs where it can be seen.
    bool AnimationShown() const;
    // Asks for the animation timer to run or stop as AnimationShown says.
    void UpdateAnimationTimer();
    // The timer's interval for the speed setting.
    int AnimationIntervalMs() const;

    TCalendarEvents& Events;
    TMoonSheet* MoonPage = nullptr;
    TPlanetSheet* PlanetPage = nullptr;
    TWeatherSheet* WeatherPage = nullptr;
    TTimeSheet* TimeSheet = nullptr;
    TGraphSheet* GraphPage = nullptr;
    TToolsSheet* ToolsPage = nullptr;
    TSetOptionsPage* SetOptions = nullptr;  // the Set tab's second page
    TEditMenu* CutPastePopupMenu = nullptr;
    TForecastPanel* Forecast = nullptr;  // the Weather tab's forecast half
    TMapsSheet* MapsPage = nullptr;
    TLookupGroups* LookupPage = nullptr;  // on the Tools tab
    // The help file that GoBrowser may open besides web pages (the help command sets it).
    QString HelpFile;
    TYearSheet* YearPage = nullptr;
    THolidaySheet* HolidayPage = nullptr;
    TAboutSheet* AboutPage = nullptr;
    TLocationSheet* LocationPage = nullptr;        // on the Set tab
    TForecastCityBoxes* ForecastCities = nullptr;  // on the Weather tab
    TRadarSheet* RadarPage = nullptr;
    TSatelliteSheet* SatellitePage = nullptr;
    TMoonDay DayMoon;
    TPlaceList PlaceList;
    TPlaceListLoader* PlaceListLoader = nullptr;

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
    void ShowNormalSized(QSize Size);
    void RunWhenWindowsStartsActionExecute();
    void Close1Click();

    // The window's place (frame corner, client size, maximised) into the settings.
    void RecordPlace();

signals:
    // Asks for the clock calendar to show Date's day.
    void DateRequested(TDateTime Date);
    // Asks for the clock update's interval.
    void ClockIntervalRequested(int Milliseconds);
    void CaptionRequested(const QString& Text);
    // The moon of T was drawn for the hemisphere: the clock window's moon, icons and
    // phase menus follow.
    void MoonShown(TDateTime T, bool Southern);
    // The way times are shown, or the hemisphere, changed: the clock window redraws its
    // calendar for the day it shows and updates its clocks.
    void ClockRedrawRequested();
    void MinimizeToTrayChanged(bool On);
    void ShowHolidaysChanged(bool On);
    void ShowTinyMoonsChanged(bool On);
    // The tray settings changed: the clock window shows the tray icon they choose.
    void TrayChanged();
    // The temperature unit changed: the clock window shows the temperature in it.
    void TemperatureUnitsChanged();
    // Asks for the clock calendar's previous (-1) or next (1) month, or for season N
    // (1 March equinox .. 4 December solstice) of its year, as the Go To commands move it.
    void MonthStepRequested(int Delta);
    void SeasonRequested(int N);
    // Asks for the clock window's Go To command of meteor shower N (1 .. 9).
    void MeteorShowerRequested(int N);
    // GoBrowser sent this window back: the clock window and the help window go back too.
    void SentToBack();
    // A location was stored: the clock window refreshes its displays.
    void LocationChanged();
    // Every setting is to be written now (the clock window writes them).
    void SettingsSaveRequested();
    // The forecast's state or city changed: its page address is built anew.
    void ForecastCityChanged();
    // Asks for one query of Server that sets the PC clock when SetClock and may ask the
    // user for authorisation; its result comes back through UpdateInternetTimeDisplay.
    void InternetTimeRequested(const QString& Server, bool SetClock);
    // The Year tab's buttons ask for the clock calendar's year steps.
    void PrevYearRequested();
    void NextYearRequested();
    // The week-start box's index (0 Monday .. 6 Sunday) for the clock calendar.
    void WeekStartChanged(int Index);
    // The animation timer is needed (or no longer), and its interval.
    void AnimationTimerRequested(bool Run);
    void AnimationIntervalRequested(int Milliseconds);

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    // Closes the window when the double-click is on its bare background.
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    void createPages();
    void createActions();
    void createMenus();
    void createStatusBar();
    void createMoonSheet();
    // The Moon tab's time, clock and hemisphere choices as the settings have them.
    void ShowMoonTabChoices();
    // Chosen becomes Setting, when it differs, and the clock window follows.
    void TakeMoonTabChoice(bool& Setting, bool Chosen);
    void createPlanetSheet();
    void createWeatherSheet();
    void createGraphSheet();
    void createToolsSheet();
    void createSetOptions();
    void connectSetOptions();
    // The tray's colours, background and type and the temperature unit from the
    // settings.
    void ShowSetOptions();
    void EnableProxyFields();
    // The calculator shows the saved number; a number it shows is kept for the next run.
    void ShowNumberInCalculator();
    void KeepNumberInCalculator();
    void createForecastPanel();
    void createMapsSheet();
    void createLookupGroups();
    void createPageLinks();
    void createAboutSheet();
    // Puts the saved source and place text back into the forecast controls.
    void RestoreSourceAndPlace();
    // The same when the window shows (the state and city come back with the location
    // page's controls), and the address of the shown tab.
    void ShowForecastControls();
    // Address as the address box's text, shown from its start.
    void ShowAddress(const QString& Address);
    // Opens Address in the embedded browser, not from the cache.
    void Navigate(const QString& Address);
    // Adds the box's text at the head of its list unless the list holds it in any case,
    // then opens the look-up of that text. An empty text does nothing.
    void LookUp(QComboBox* Box, TLookup Kind);
    void createLocationSheet();
    // The location page and the forecast lists as the settings have them.
    void ShowLocationControls();
    void PlaceListArrived();
    // Shows what choosing Record fills in, with the distance from the stored place.
    void ChoosePlace(const QString& Record);
    void createTimeSheet();
    void createYearSheet();
    void createHolidaySheet();
    // The clock calendar's date in the year calendar, which shows no year before
    // YearTabMinYear.
    void ShowYearCalendarDate(TDateTime Date);
    int CalendarYear() const;
    bool IsBareBackground(QWidget* Hit) const;
    void createImagerySheets();
    void createSavingCommands();
    // An existing Name is replaced only after a "Yes" (when Ask).
    bool ConfirmReplace(const QString& Name, bool Ask);
    // Tells the user why Name was not written; false.
    bool ReportSaveFailure(const QString& Name, const QString& Reason);
    // The pictures the commands act on; none before there is one.
    QImage RadarPicture() const;
    bool RadarAnimationShown() const;
    QImage SatellitePicture() const;
    QImage PrintablePicture();
    bool BrowserHasFocus() const;
    // Leaving one tab for another: the radar and satellite loops pause and resume.
    void PageChanged(int Index);
    void UpdatePlanetTab(TDateTime T);
    void RefreshForCalendarDate();
    // The clock calendar's date at the time of day of now.
    TDateTime CalendarDateNow() const;
    // Moves the clock calendar to Date.
    void GoToCalendarDate(TDateTime Date);

    void FormCreate();
    // The stored place, kept on a screen.
    void PlaceAtStoredPlace();
    void FormShow();
    void FormActivate();
    void FormDeactivate();

    // The calendar date the chart was last drawn for.
    TDateTime GraphDate = -1;
    // False while FormCreate sets the minimise-to-tray controls.
    bool MinToTrayReady = false;
    // The last day event the clock window named, and its day.
    TDateTime FEventDay = 0;
    QString FEventText;
    int ShownPage = -1;
};

}  // namespace orbelune
