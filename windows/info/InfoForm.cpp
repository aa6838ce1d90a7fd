#include "InfoForm.h"

#include "AboutSheet.h"
#include "BigCalendar.h"
#include "CalendarEvents.h"
#include "ClockState.h"
#include "ClockTexts.h"
#include "DateHelpers.h"
#include "DiagnosticReport.h"
#include "ForecastPanel.h"
#include "InfoLocation.h"
#include "MapsSheet.h"
#include "MyUtil.h"
#include "PlatformSeams.h"
#include "SetOptionsTexts.h"
#include "WeatherService.h"
#include "WindowGeometry.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QStyleOptionTab>
#include <QStylePainter>
#include <QTabBar>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindowStateChangeEvent>

#include <algorithm>
#include <cmath>

namespace orbelune {

namespace {

// Window colours $00BBGGRR as Qt colours.
const QColor ClRed(255, 0, 0);
const QColor ClNavy(0, 0, 128);
const QColor ClBlack(0, 0, 0);
const QColor ClBlue(0, 0, 255);

constexpr int DefaultWidth = 660;
constexpr int DefaultHeight = 752;
constexpr int SmallWidth = 540;
constexpr int SmallHeight = 480;

// Every tab's caption centred in its tab and clipped to it. The style draws the tab's
// own shape, which marks the current tab as the platform's tab control does.
class TOwnerDrawnTabBar : public QTabBar {
public:
    explicit TOwnerDrawnTabBar(QWidget* AOwner) : QTabBar(AOwner) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QStylePainter painter(this);
        const QFontMetrics metrics(font());
        for (int index = 0; index < count(); ++index) {
            QStyleOptionTab option;
            initStyleOption(&option, index);
            painter.drawControl(QStyle::CE_TabBarTabShape, option);
            const QRect rect = option.rect;
            const QString caption = tabText(index);
            const QPoint offset = TabCaptionOffset(
                rect.width(), rect.height(), metrics.horizontalAdvance(caption), metrics.height());
            painter.save();
            painter.setClipRect(rect);
            painter.setPen(palette().color(QPalette::ButtonText));
            painter.drawText(rect.topLeft() + offset + QPoint(0, metrics.ascent()), caption);
            painter.restore();
        }
    }
};

void SetLabelColor(QWidget* Label, const QColor& Color) {
    if (Label == nullptr) return;
    QPalette palette = Label->palette();
    palette.setColor(QPalette::WindowText, Color);
    Label->setPalette(palette);
}

QAction* MakeAction(QObject* Owner, const char* Name, const QString& Caption,
                    const QString& Hint = QString(), bool Checkable = false) {
    auto* action = new QAction(Caption, Owner);
    action->setObjectName(QString::fromLatin1(Name));
    action->setToolTip(Hint.isEmpty() ? QString(Caption).remove(QLatin1Char('&')) : Hint);
    action->setStatusTip(Hint);
    action->setCheckable(Checkable);
    return action;
}

}  // namespace

TDateTime TInfoForm::CalendarDateNow() const {
    return JoinDateAndTime(Events.Date(), Platform().Clock->Now());
}

void TInfoForm::GoToCalendarDate(TDateTime Date) {
    emit DateRequested(std::trunc(Date));
}

TInfoPageControl::TInfoPageControl(QWidget* AOwner) : QTabWidget(AOwner) {
    setTabBar(new TOwnerDrawnTabBar(this));
}

TInfoForm::TInfoForm(TCalendarEvents& Events, QWidget* AOwner)
    : QMainWindow(AOwner), Events(Events) {
    setObjectName(QStringLiteral("InfoForm"));
    setWindowTitle(QStringLiteral("Orbelune"));
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    setMinimumSize(MinimumWidth, MinimumHeight);
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    createPages();
    createActions();
    createMenus();
    createStatusBar();
    createMoonSheet();
    createPlanetSheet();
    createWeatherSheet();
    createImagerySheets();
    createGraphSheet();
    createToolsSheet();
    connectSetOptions();
    createLocationSheet();
    createTimeSheet();
    createYearSheet();
    createHolidaySheet();
    createForecastPanel();
    createMapsSheet();
    createLookupGroups();
    createPageLinks();
    createAboutSheet();
    createSavingCommands();
    connect(&Events, &TCalendarEvents::Changed, this, &TInfoForm::ShowEclipses);
    ShowEclipses();
    FormCreate();
}

// The pages are deleted after this object has stopped being a TInfoForm; an event sent
// to one of them then must not reach this window's filter.
TInfoForm::~TInfoForm() {
    for (QObject* child : findChildren<QObject*>()) child->removeEventFilter(this);
}

void TInfoForm::AddClockCommands(QMenu* PopupMenu, QAction* GoToToday, QAction* Help) {
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, PopupMenu,
            [this, PopupMenu](const QPoint& at) { PopupMenu->popup(mapToGlobal(at)); });
    menuBar()->addAction(GoToToday);
    menuBar()->addAction(Help);
}

void TInfoForm::createPages() {
    InfoFormPageControl = new TInfoPageControl(this);
    InfoFormPageControl->setObjectName(QStringLiteral("InfoFormPageControl"));
    MoonPage = new TMoonSheet(InfoFormPageControl);
    PlanetPage = new TPlanetSheet(InfoFormPageControl);
    WeatherPage = new TWeatherSheet(InfoFormPageControl);
    TimeSheet = new TTimeSheet(WorldCityNames, InfoFormPageControl);
    RadarPage = new TRadarSheet(InfoFormPageControl);
    SatellitePage = new TSatelliteSheet(InfoFormPageControl);
    GraphPage = new TGraphSheet(InfoFormPageControl);
    ToolsPage = new TToolsSheet(InfoFormPageControl);
    MapsPage = new TMapsSheet(InfoFormPageControl);
    YearPage = new TYearSheet(InfoFormPageControl);
    HolidayPage = new THolidaySheet(InfoFormPageControl);
    AboutPage = new TAboutSheet(InfoFormPageControl);
    for (size_t index = 0; index < InfoFormTabs.size(); ++index) {
        QWidget* sheet = nullptr;
        switch (index) {
            case MoonTab:
                sheet = MoonPage;
                break;
            case PlanetTab:
                sheet = PlanetPage;
                break;
            case WeatherTab:
                sheet = WeatherPage;
                break;
            case TimeTab:
                sheet = TimeSheet;
                break;
            case RadarTab:
                sheet = RadarPage;
                break;
            case SatelliteTab:
                sheet = SatellitePage;
                break;
            case GraphTab:
                sheet = GraphPage;
                break;
            case ToolsTab:
                sheet = ToolsPage;
                break;
            case MapsTab:
                sheet = MapsPage;
                break;
            case YearTab:
                sheet = YearPage;
                break;
            case HolidayTab:
                sheet = HolidayPage;
                break;
            case AboutTab:
                sheet = AboutPage;
                break;
            default:
                sheet = new QWidget(InfoFormPageControl);
                sheet->setObjectName(QString::fromLatin1(InfoFormTabs[index].SheetName));
                break;
        }
        InfoFormPageControl->addTab(sheet, QString::fromLatin1(InfoFormTabs[index].Caption));
        Sheets[index] = sheet;
    }
    SetSheetPageControl = new TInfoPageControl(Sheets[SetTab]);
    SetSheetPageControl->setObjectName(QStringLiteral("SetSheetPageControl"));
    for (const char* name : SetSheetPages) {
        auto* page = new QWidget(SetSheetPageControl);
        page->setObjectName(QString::fromLatin1(name));
        SetSheetPageControl->addTab(page, QString::fromLatin1(name));
    }
    auto* setSheetLayout = new QVBoxLayout(Sheets[SetTab]);
    setSheetLayout->setContentsMargins(0, 0, 0, 0);
    setSheetLayout->addWidget(SetSheetPageControl);
    createSetOptions();
    setCentralWidget(InfoFormPageControl);
}

void TInfoForm::createActions() {
    SendEmail1 =
        MakeAction(this, "SendEmail1", QStringLiteral("&Send Email"), QStringLiteral("Send Email"));
    connect(SendEmail1, &QAction::triggered, this, [] { SendDiagnosticEmail(); });
    GoToHomePage1 = MakeAction(this, "GoToHomePage1", QStringLiteral("&Home Page"),
                               QStringLiteral("Go To Home Page"));
    connect(GoToHomePage1, &QAction::triggered, this, [this] { GoBrowser(HomePageAddress()); });

    // The clickable labels call the colour handlers from their enter and leave events.
    LabelGoRed = MakeAction(this, "LabelGoRed", QStringLiteral("LabelGoRed"));
    LabelGoNavy = MakeAction(this, "LabelGoNavy", QStringLiteral("LabelGoNavy"));
    LabelGoBlack = MakeAction(this, "LabelGoBlack", QStringLiteral("LabelGoBlack"));

    ToggleMinimizeToTray1 =
        MakeAction(this, "ToggleMinimizeToTray1", QStringLiteral("Minimize To Tray"),
                   QStringLiteral("Minimize To Tray On/Off"), true);
    connect(ToggleMinimizeToTray1, &QAction::triggered, this,
            &TInfoForm::ToggleMinimizeToTray1Execute);
    ToggleStartMinimized1 =
        MakeAction(this, "ToggleStartMinimized1", QStringLiteral("Start Minimized"),
                   QStringLiteral("Start Minimized On/Off"), true);
    connect(ToggleStartMinimized1, &QAction::triggered, this,
            &TInfoForm::ToggleStartMinimized1Execute);
    ToggleSaveOnExit1 =
        MakeAction(this, "ToggleSaveOnExit1", QStringLiteral("Save Settings On Exit"),
                   QStringLiteral("Save On Exit On/Off"), true);
    connect(ToggleSaveOnExit1, &QAction::triggered, this, &TInfoForm::ToggleSaveOnExit1Execute);
    ToggleShowHolidays1 = MakeAction(this, "ToggleShowHolidays1", QStringLiteral("Show Holidays"),
                                     QStringLiteral("Show Holidays On/Off"), true);
    connect(ToggleShowHolidays1, &QAction::triggered, this, &TInfoForm::ToggleShowHolidays1Execute);
    ToggleShowTinyMoons1 =
        MakeAction(this, "ToggleShowTinyMoons1", QStringLiteral("Show Tiny Moons"),
                   QStringLiteral("Show Tiny Moons On/Off"), true);
    connect(ToggleShowTinyMoons1, &QAction::triggered, this,
            &TInfoForm::ToggleShowTinyMoons1Execute);

    PrintImageAction1 = MakeAction(this, "PrintImageAction1", QStringLiteral("Print"),
                                   QStringLiteral("Print the picture or the page shown"));

    SizeDefaultAction1 = MakeAction(this, "SizeDefaultAction1", QStringLiteral("Default Size"),
                                    QStringLiteral("Default Size"));
    connect(SizeDefaultAction1, &QAction::triggered, this, &TInfoForm::SizeDefaultAction1Execute);
    SizeMaximumAction1 = MakeAction(this, "SizeMaximumAction1", QStringLiteral("Maximum Size"),
                                    QStringLiteral("Maximum Size"));
    connect(SizeMaximumAction1, &QAction::triggered, this, &TInfoForm::SizeMaximumAction1Execute);
    SizeMinimumAction1 = MakeAction(this, "SizeMinimumAction1", QStringLiteral("Minimum Size"),
                                    QStringLiteral("Minimum Size"));
    connect(SizeMinimumAction1, &QAction::triggered, this, &TInfoForm::SizeMinimumAction1Execute);
    RunWhenWindowsStartsAction =
        MakeAction(this, "RunWhenWindowsStartsAction", RunAtStartCaption(), QString(), true);
    connect(RunWhenWindowsStartsAction, &QAction::triggered, this,
            &TInfoForm::RunWhenWindowsStartsActionExecute);
}

void TInfoForm::createMenus() {
    QMenuBar* mainMenu = menuBar();
    mainMenu->setObjectName(QStringLiteral("MainMenu1"));
    Close1 = mainMenu->addAction(QStringLiteral("&Close"));
    Close1->setObjectName(QStringLiteral("Close1"));
    connect(Close1, &QAction::triggered, this, &TInfoForm::Close1Click);
    QMenu* view = mainMenu->addMenu(QStringLiteral("&View"));
    view->setObjectName(QStringLiteral("View1"));
    view->addAction(SizeMinimumAction1);
    view->addAction(SizeDefaultAction1);
    view->addAction(SizeMaximumAction1);
}

void TInfoForm::createStatusBar() {
    StatusBar1 = statusBar();
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    for (int index = 0; index < StatusPanelCount; ++index) {
        auto* panel = new QLabel(StatusBar1);
        panel->setObjectName(QStringLiteral("StatusBar1Panel%1").arg(index));
        StatusBar1->addPermanentWidget(panel, index == 0 ? 2 : 1);
        StatusPanels[static_cast<size_t>(index)] = panel;
    }
}

void TInfoForm::FormCreate() {
    PlaceAtStoredPlace();
    InfoFormPageControl->setCurrentIndex(MoonTab);
    ShowMoonTabChoices();

    MinToTrayReady = false;
    ToggleMinimizeToTray1->setChecked(Settings.MinimizeToTrayOn);
    MinToTrayReady = true;
    ToggleStartMinimized1->setChecked(Settings.StartMinimized);
    ToggleSaveOnExit1->setChecked(Settings.SaveOnExit);
    RunWhenWindowsStartsAction->setChecked(Settings.RunWhenWindowsStarts);

    InfoFormPageControl->setCurrentIndex(Settings.LastInfoFormTabIndex);
    SetSheetPageControl->setCurrentIndex(Settings.LastSetSheetTabIndex);

    ToggleShowHolidays1->setChecked(Settings.ShowHolidays);
    ToggleShowTinyMoons1->setChecked(Settings.ShowTinyMoons);
    PlanetPage->PlanetRadioItems[Settings.EarthSurfaceCoords ? 0 : 1]->setChecked(true);
    PlanetRadioGroupClick();
    MoonPage->AnimateMoonBox->setChecked(Settings.AnimateMoon);
    RadarPage->ShowSettings();
    SatellitePage->ShowSettings();
    PlanetPage->EclipseRadioItems[Settings.EclipseSummaryView ? 0 : 1]->setChecked(true);
    SetEclipsesMemo(Settings.EclipseSummaryView);
    // A stored 7 (the locale's first day) is replaced at start-up; the box then shows
    // the locale's day.
    const int weekStart = Settings.WeekStart >= 0 && Settings.WeekStart <= 6
                              ? Settings.WeekStart
                              : GetLocaleFirstDayOfWeek();
    YearPage->WeekStartBox->setCurrentIndex(weekStart);
    YearPage->BigCalendar->SetFirstDayOfWeek(Settings.WeekStart);
    InfoLocation = InfoLocationFromSettings(Settings);
    UpdateLatLonDisplays(2);
    if (Settings.ShowInfoFormAtStartup) show();
}

void TInfoForm::FormShow() {
    emit ClockIntervalRequested(1000);
    setWindowState(Settings.InfoFormMaximized ? (windowState() | Qt::WindowMaximized)
                                              : (windowState() & ~Qt::WindowMaximized));
    UpdateInfoForm();
    ShowNumberInCalculator();
    ShowMoonTabChoices();
    ShowSetOptions();
    ShowLocationControls();
    ShowForecastControls();
    TakeRadarFrameCount(Settings);
}

void TInfoForm::FormActivate() {
    raise();
}

void TInfoForm::FormDeactivate() {
    RecordPlace();
    Settings.LastInfoFormTabIndex = InfoFormPageControl->currentIndex();
    Settings.LastSetSheetTabIndex = SetSheetPageControl->currentIndex();
    Settings.StartMinimized = ToggleStartMinimized1->isChecked();
    Settings.SaveOnExit = ToggleSaveOnExit1->isChecked();
    KeepNumberInCalculator();
    TimeSheet->TakeTimeServer();
}

void TInfoForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    UpdateAnimationTimer();
    if (event->spontaneous()) return;
    FormShow();
    if (!isMaximized()) KeepOnScreenOnceFramed(this);
}

void TInfoForm::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) UpdateAnimationTimer();
    if (event->type() != QEvent::ActivationChange) return;
    if (isActiveWindow())
        FormActivate();
    else
        FormDeactivate();
}

void TInfoForm::mouseDoubleClickEvent(QMouseEvent* event) {
    if (IsBareBackground(childAt(event->position().toPoint()))) Close1Click();
}

// A label, a read-only field, a list or a picture passes on a double-click it does not
// take, and it lands here as well: only the window's own background, a tab page's, or
// that of a plain container that lays out controls is the bare form.
bool TInfoForm::IsBareBackground(QWidget* Hit) const {
    if (Hit == nullptr) return true;
    if (auto* area = qobject_cast<QAbstractScrollArea*>(Hit->parentWidget());
        area != nullptr && area->viewport() == Hit)
        Hit = area;
    return Hit->metaObject() == &QWidget::staticMetaObject ||
           Hit->metaObject() == &QScrollArea::staticMetaObject ||
           std::find(Sheets.begin(), Sheets.end(), Hit) != Sheets.end();
}

void TInfoForm::Close1Click() {
    close();
}

void TInfoForm::LabelGoRedExecute(QWidget* Label) {
    SetLabelColor(Label, ClRed);
}

void TInfoForm::LabelGoNavyExecute(QWidget* Label) {
    SetLabelColor(Label, ClNavy);
}

void TInfoForm::LabelGoBlackExecute(QWidget* Label) {
    SetLabelColor(Label, ClBlack);
}

void TInfoForm::LabelGoBlueExecute(QWidget* Label) {
    SetLabelColor(Label, ClBlue);
}

void TInfoForm::ToggleMinimizeToTray1Execute() {
    if (!MinToTrayReady) return;
    Settings.MinimizeToTrayOn = !Settings.MinimizeToTrayOn;
    ToggleMinimizeToTray1->setChecked(Settings.MinimizeToTrayOn);
    emit MinimizeToTrayChanged(Settings.MinimizeToTrayOn);
}

// The check mark has already changed with the click; the clock window's calendar follows.
void TInfoForm::ToggleShowHolidays1Execute() {
    emit ShowHolidaysChanged(ToggleShowHolidays1->isChecked());
}

void TInfoForm::ToggleShowTinyMoons1Execute() {
    emit ShowTinyMoonsChanged(ToggleShowTinyMoons1->isChecked());
}

void TInfoForm::ToggleStartMinimized1Execute() {
    Settings.StartMinimized = !Settings.StartMinimized;
    ToggleStartMinimized1->setChecked(Settings.StartMinimized);
}

void TInfoForm::ToggleSaveOnExit1Execute() {
    Settings.SaveOnExit = !Settings.SaveOnExit;
    ToggleSaveOnExit1->setChecked(Settings.SaveOnExit);
}

void TInfoForm::SizeDefaultAction1Execute() {
    ShowNormalSized(QSize(DefaultWidth, DefaultHeight));
}

void TInfoForm::SizeMaximumAction1Execute() {
    setWindowState(windowState() | Qt::WindowMaximized);
}

void TInfoForm::SizeMinimumAction1Execute() {
    ShowNormalSized(QSize(SmallWidth, SmallHeight));
}

// Back from maximised, the window returns to where it stood before, at the new size,
// rather than staying in the corner the maximised window had.
void TInfoForm::ShowNormalSized(QSize Size) {
    const QPoint corner = normalGeometry().topLeft();
    setWindowState(windowState() & ~(Qt::WindowMaximized | Qt::WindowMinimized));
    setGeometry(QRect(corner, Size));
}

void TInfoForm::RunWhenWindowsStartsActionExecute() {
    Settings.RunWhenWindowsStarts = RunWhenWindowsStartsAction->isChecked();
}

void TInfoForm::DoStartTasks() {
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
    InfoFormPageControl->setCurrentIndex(Settings.LastInfoFormTabIndex);
    SetSheetPageControl->setCurrentIndex(Settings.LastSetSheetTabIndex);

    // A reopened Weather tab asks for its station's report below; when that is the saved
    // station the report also brings the clock's temperature, so it is fetched once.
    const bool weatherTabReopened = Settings.LastInfoFormTabIndex == WeatherTab;
    const bool tabFetchesSavedStation =
        weatherTabReopened &&
        WeatherPage->WeatherStationCodeEd2->text() == Settings.WeatherStationCode;
    if (ClockState.PendingStartupWeather) {
        ClockState.PendingStartupWeather = false;
        emit CaptionRequested(QStringLiteral("Loading Temp..."));
        if (!tabFetchesSavedStation)
            WeatherService().RequestReport(Settings.WeatherStationCode, true);
        emit MoonShown(CalendarDateNow(), Settings.SouthernHemisphere);
    }
    // The imagery is fetched once this tick is over, so the clock keeps running while a
    // download waits.
    switch (Settings.LastInfoFormTabIndex) {
        case WeatherTab:
            InfoFormPageControl->setCurrentIndex(WeatherTab);
            WeatherPage->GetWeatherBut2->click();
            // The saved start page, or else the chosen source's forecast.
            if (!Settings.SaveURL.isEmpty()) {
                Forecast->BrowseBox->setEditText(Settings.SaveURL);
                Forecast->BrowserGoBut->click();
            } else {
                Forecast->GetWeatherBut->click();
            }
            break;
        case RadarTab:
            RadarPage->RadarLocationBoxSelect();
            InfoFormPageControl->setCurrentIndex(RadarTab);
            QTimer::singleShot(0, RadarPage->GetRadarBut, &QPushButton::click);
            break;
        case SatelliteTab:
            InfoFormPageControl->setCurrentIndex(SatelliteTab);
            QTimer::singleShot(0, SatellitePage->GetSatelliteBut, &QPushButton::click);
            break;
        default:
            break;
    }
}

}  // namespace orbelune
