#include "ClockForm.h"

#include "Calendar.h"
#include "CalendarEvents.h"
#include "ClockState.h"
#include "ClockTexts.h"
#include "DateHelpers.h"
#include "ForecastPanel.h"
#include "HelpForm.h"
#include "InfoForm.h"
#include "LocationSheet.h"
#include "MapsSheet.h"
#include "MoonComponent.h"
#include "MoonImageLists.h"
#include "ReferencePages.h"
#include "Settings.h"
#include "TrayIcon.h"
#include "WeatherService.h"
#include "WeatherTextForm.h"
#include "WindowOrder.h"
#include "YearTabTexts.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWindowStateChangeEvent>

namespace orbelune {

namespace {

constexpr int WindowWidth = 232;
constexpr int Panel1Height = 44;
constexpr int Panel2Height = 22;
constexpr int Panel3Height = 28 + 7 * 18 + 6;
constexpr int Panel4Height = 74;

QFrame* NewPanel(QWidget* parent, const char* name, int height) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(QLatin1String(name));
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    panel->setFixedHeight(height);
    return panel;
}

QLabel* NewLabel(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

QToolButton* NewSpeedButton(QWidget* parent, const char* name, const QString& text) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setText(text);
    button->setAutoRaise(true);
    button->setFixedWidth(18);
    return button;
}

}  // namespace

TForm1::TForm1(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("Form1"));
    NorthImageList = LoadNorthImageList();
    SouthImageList = LoadSouthImageList();
    ImageList2 = LoadImageList2();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(10);
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(130);

    CreateActions();
    CreateRows();
    CreateMenus();
    CreateTrayIcon();
    setWindowFlag(Qt::WindowStaysOnTopHint, Settings.StayOnTop);
    // One application-wide filter serves the rows' mouse commands, the Enter short-cut
    // and the hints switch.
    qApp->installEventFilter(this);
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState s) {
        if (s == Qt::ApplicationActive) ApplicationEvents1Activate();
    });
#if QT_CONFIG(sessionmanager)
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this] {
        if (!FClosed) SaveSession();
    });
#endif
    connect(&WeatherService(), &TWeatherService::ReportArrived, this, &TForm1::ApplyWeatherReport);
    resize(WindowWidth, Panel1Height + Panel2Height + Panel3Height + Panel4Height);
}

TForm1::~TForm1() {
    qApp->removeEventFilter(this);
}

void TForm1::AttachInfoForm(TInfoForm* Info) {
    InfoForm = Info;
    Info->AddClockCommands(PopupMenu1, GoToToday1, ShowHelp1);
    Info->ToggleShowHolidays1->setChecked(Calendar1->ShowHolidays);
    Info->ToggleShowTinyMoons1->setChecked(Calendar1->ShowTinyMoons);
    connect(Info, &TInfoForm::DateRequested, this, &TForm1::GoToDate);
    connect(Info, &TInfoForm::ClockIntervalRequested, Timer1, qOverload<int>(&QTimer::setInterval));
    connect(Info, &TInfoForm::CaptionRequested, this, &QWidget::setWindowTitle);
    connect(Info, &TInfoForm::MoonShown, this, &TForm1::ShowMoonOf);
    connect(Info, &TInfoForm::ClockRedrawRequested, this, [this] {
        Calendar1->SetCalendarDate(Calendar1->CalendarDate());
        UpdateClocks();
    });
    connect(Info, &TInfoForm::TrayChanged, this, &TForm1::ApplyTrayType);
    connect(Info, &TInfoForm::TemperatureUnitsChanged, this, &TForm1::ShowTemperatureInUnits);
    connect(Info, &TInfoForm::MonthStepRequested, this, [this](int Delta) {
        (Delta < 0 ? GoToPrevMonthAction1 : GoToNextMonthAction1)->trigger();
    });
    connect(Info, &TInfoForm::SeasonRequested, this, [this](int N) {
        if (N >= 1 && N <= static_cast<int>(GoToSeasons.size()))
            GoToSeasons[static_cast<size_t>(N - 1)]->trigger();
    });
    connect(Info, &TInfoForm::MeteorShowerRequested, this, &TForm1::GoToMeteorExecute);
    connect(Info, &TInfoForm::InternetTimeRequested, this,
            [this](const QString& Server, bool SetClock) {
                ShowInternetTime(GetInternetTime(Server, SetClock, true));
            });
    connect(Info, &TInfoForm::MinimizeToTrayChanged, TrayIcon,
            [this](bool On) { TrayIcon->MinimizeToTray = On; });
    const auto showMarks = [this](bool TCalendar::*Switch) {
        return [this, Switch](bool On) {
            Calendar1->*Switch = On;
            Calendar1->UpdateCalendar();
        };
    };
    connect(Info, &TInfoForm::ShowHolidaysChanged, this, showMarks(&TCalendar::ShowHolidays));
    connect(Info, &TInfoForm::PrevYearRequested, GoToPrevYearAction1, &QAction::trigger);
    connect(Info, &TInfoForm::NextYearRequested, GoToNextYearAction1, &QAction::trigger);
    connect(Info, &TInfoForm::WeekStartChanged, this, [this](int Index) {
        Calendar1->SetStartOfWeek(GridStartOfWeek(Index, GetLocaleFirstDayOfWeek()));
    });
    connect(Info, &TInfoForm::ShowTinyMoonsChanged, this, showMarks(&TCalendar::ShowTinyMoons));
    connect(Info, &TInfoForm::LocationChanged, this, &TForm1::UpdateDisplays);
    connect(Info, &TInfoForm::SettingsSaveRequested, this, &TForm1::SaveAllSettings);
    connect(Info, &TInfoForm::SentToBack, this, [this] {
        SendToBack(HelpForm);
        SendToBack(this);
    });
    for (QPushButton* goToMaps :
         {Info->MoonPage->GoToMapPageBut1, Info->LocationPage->GoToMapPageBut2})
        connect(goToMaps, &QPushButton::clicked, ShowMapSheetAction1, &QAction::trigger);
    // The animation timer runs while the window shows an animation, at its speed.
    Timer2->setInterval(Info->AnimationIntervalMs());
    connect(Info, &TInfoForm::AnimationIntervalRequested, Timer2,
            qOverload<int>(&QTimer::setInterval));
    connect(Info, &TInfoForm::AnimationTimerRequested, this, [this](bool Run) {
        if (!Run)
            Timer2->stop();
        else if (!Timer2->isActive() && !FClosed)
            Timer2->start();
    });
    connect(Timer2, &QTimer::timeout, this, &TForm1::Timer2Timer);
    Info->UpdateAnimationTimer();
}

void TForm1::Timer2Timer() {
    if (InfoForm == nullptr || !InfoForm->AnimationTick()) Timer2->stop();
}

void TForm1::GoToDate(TDateTime Date) {
    Calendar1->SetCalendarDate(std::trunc(Date));
}

QAction* TForm1::NewAction(const char* Name, const QString& Caption) {
    auto* action = new QAction(Caption, this);
    action->setObjectName(QLatin1String(Name));
    addAction(action);
    return action;
}

void TForm1::CreateActions() {
    ToggleWindowAction1 = NewAction("ToggleWindowAction1", QStringLiteral("Change S&ize"));
    connect(ToggleWindowAction1, &QAction::triggered, this, &TForm1::ToggleWindowAction1Execute);
    ToggleStayOnTop1 = NewAction("ToggleStayOnTop1", QStringLiteral("Stay On &Top"));
    ToggleStayOnTop1->setCheckable(true);
    connect(ToggleStayOnTop1, &QAction::triggered, this, &TForm1::ToggleStayOnTop1Execute);
    ToggleHintsOn1 = NewAction("ToggleHintsOn1", QStringLiteral("Hi&nts On"));
    ToggleHintsOn1->setCheckable(true);
    connect(ToggleHintsOn1, &QAction::triggered, this, &TForm1::ToggleHintsOn1Execute);
    ExitAction1 = NewAction("ExitAction1", QStringLiteral("E&xit Program"));
    connect(ExitAction1, &QAction::triggered, this, &TForm1::ExitAction1Execute);
    RestoreAction1 = NewAction("RestoreAction1", QStringLiteral("&Restore"));
    connect(RestoreAction1, &QAction::triggered, this, &TForm1::RestoreAction1Execute);
    ToggleInfoFormAction1 = NewAction("ToggleInfoFormAction1", QStringLiteral("Info"));
    connect(ToggleInfoFormAction1, &QAction::triggered, this,
            &TForm1::ToggleInfoFormAction1Execute);
    ShowHelp1 = NewAction("ShowHelp1", QStringLiteral("&Help"));
    ShowHelp1->setShortcut(Qt::Key_F1);
    ShowHelp1->setShortcutContext(Qt::ApplicationShortcut);
    connect(ShowHelp1, &QAction::triggered, this, &TForm1::ShowHelp1Execute);
    GoToGoogle1 = NewAction("GoToGoogle", QStringLiteral("&Google"));
    connect(GoToGoogle1, &QAction::triggered, this, &TForm1::GoToGoogle);
    CreateNavigationActions();

    struct TTabCommand {
        const char* Name;
        const char* Caption;
        int Tab;
        QAction* TForm1::*Member;
    };
    static const TTabCommand tabCommands[] = {
        {"ShowMoonSheetAction1", "&Moon Info", 0, &TForm1::ShowMoonSheetAction1},
        {"ShowPlanetSheetAction1", "&Planet Info", 1, &TForm1::ShowPlanetSheetAction1},
        {"ShowWeatherSheetAction1", "Weather", 2, &TForm1::ShowWeatherSheetAction1},
        {"ShowRadarSheetAction1", "Radar", 3, &TForm1::ShowRadarSheetAction1},
        {"ShowSatelliteSheetAction1", "Satellite", 4, &TForm1::ShowSatelliteSheetAction1},
        {"ShowTimeSheetAction1", "Time", 5, &TForm1::ShowTimeSheetAction1},
        {"ShowSetSheetAction1", "Set", 6, &TForm1::ShowSetSheetAction1},
        {"ShowYearSheetAction1", "Year", 7, &TForm1::ShowYearSheetAction1},
        {"ShowToolSheetAction1", "&Calculator", 8, &TForm1::ShowToolSheetAction1},
        {"ShowMapSheetAction1", "Go To Maps", 11, &TForm1::ShowMapSheetAction1},
        {"ShowAboutSheetAction1", "&About", 12, &TForm1::ShowAboutSheetAction1},
    };
    for (const TTabCommand& c : tabCommands) {
        QAction* action = NewAction(c.Name, QString::fromLatin1(c.Caption));
        this->*c.Member = action;
        const int tab = c.Tab;
        connect(action, &QAction::triggered, this, [this, tab] { OpenInfoTab(tab); });
    }
}

void TForm1::CreateRows() {
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("ClientArea"));
    auto* rows = new QVBoxLayout(central);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(0);

    Panel1 = NewPanel(central, "Panel1", Panel1Height);
    Panel1->setToolTip(QStringLiteral("Right Click or Double Click"));
    TimeLabel = NewLabel(Panel1, "TimeLabel");
    TimeLabel->setAlignment(Qt::AlignCenter);
    QFont timeFont = TimeLabel->font();
    timeFont.setPointSize(22);
    timeFont.setBold(true);
    TimeLabel->setFont(timeFont);
    (new QHBoxLayout(Panel1))->addWidget(TimeLabel);
    Panel1->layout()->setContentsMargins(2, 0, 2, 0);

    Panel2 = NewPanel(central, "Panel2", Panel2Height);
    DateLabel = NewLabel(Panel2, "DateLabel");
    DateLabel->setAlignment(Qt::AlignCenter);
    (new QHBoxLayout(Panel2))->addWidget(DateLabel);
    Panel2->layout()->setContentsMargins(2, 0, 2, 0);

    Panel3 = NewPanel(central, "Panel3", Panel3Height);
    auto* calendarRows = new QVBoxLayout(Panel3);
    calendarRows->setContentsMargins(2, 2, 2, 2);
    calendarRows->setSpacing(2);
    auto* navigation = new QHBoxLayout;
    navigation->setSpacing(0);
    ButLastYear = NewSpeedButton(Panel3, "ButLastYear", QStringLiteral("\u00AB"));
    ButLastMonth = NewSpeedButton(Panel3, "ButLastMonth", QStringLiteral("\u2039"));
    MonthComboBox = new QComboBox(Panel3);
    MonthComboBox->setObjectName(QStringLiteral("MonthComboBox"));
    YearComboBox = new QComboBox(Panel3);
    YearComboBox->setObjectName(QStringLiteral("YearComboBox"));
    // Wide enough for the longest month name of the locale and for every year.
    for (QComboBox* box : {MonthComboBox, YearComboBox})
        box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    ButNextMonth = NewSpeedButton(Panel3, "ButNextMonth", QStringLiteral("\u203A"));
    ButNextYear = NewSpeedButton(Panel3, "ButNextYear", QStringLiteral("\u00BB"));
    ButToday = new QToolButton(Panel3);
    ButToday->setObjectName(QStringLiteral("ButToday"));
    ButToday->setText(QStringLiteral("Go To"));
    ButToday->setPopupMode(QToolButton::MenuButtonPopup);
    for (QWidget* w :
         std::initializer_list<QWidget*>{ButLastYear, ButLastMonth, MonthComboBox, YearComboBox,
                                         ButNextMonth, ButNextYear, ButToday})
        navigation->addWidget(w);
    calendarRows->addLayout(navigation);
    Calendar1 = new TCalendar(Panel3);
    calendarRows->addWidget(Calendar1, 1);

    const std::pair<QToolButton*, QAction*> speedButtons[] = {{ButLastMonth, GoToPrevMonthAction1},
                                                              {ButNextMonth, GoToNextMonthAction1},
                                                              {ButLastYear, GoToPrevYearAction1},
                                                              {ButNextYear, GoToNextYearAction1}};
    for (const auto& [button, action] : speedButtons) {
        button->setToolTip(action->toolTip());
        connect(button, &QToolButton::clicked, action, &QAction::trigger);
    }
    connect(MonthComboBox, &QComboBox::activated, this, &TForm1::MonthComboBoxChange);
    connect(YearComboBox, &QComboBox::activated, this, &TForm1::YearComboBoxChange);
    connect(ButToday, &QToolButton::clicked, this, &TForm1::ButTodayClick);
    connect(Calendar1, &TCalendar::Changed, this, &TForm1::Calendar1Change);
    connect(Calendar1, &TCalendar::DoubleClicked, this, &TForm1::ToggleWindowAction1Execute);
    Events = new TCalendarEvents(this);
    Events->SetDate(Calendar1->CalendarDate());
    Calendar1->SetMarks(Events);
    connect(Events, &TCalendarEvents::Changed, Calendar1, qOverload<>(&QWidget::update));

    Panel4 = NewPanel(central, "Panel4", Panel4Height);
    auto* moonRow = new QHBoxLayout(Panel4);
    moonRow->setContentsMargins(2, 2, 2, 2);
    Moon2 = new TMoon(Panel4);
    Moon2->setObjectName(QStringLiteral("Moon2"));
    Moon2->SetMoonSize(TMoonSize::ms32);
    Moon2->SetMoonStyle(TMoonStyle::msColor);
    Moon2->SetShowApollo11(false);
    Moon2->setToolTip(QStringLiteral("Click for moon data"));
    moonRow->addWidget(Moon2);
    auto* moonTexts = new QVBoxLayout;
    moonTexts->setSpacing(0);
    DayInfoLabel1 = NewLabel(Panel4, "DayInfoLabel1");
    DayInfoLabel2 = NewLabel(Panel4, "DayInfoLabel2");
    moonTexts->addWidget(DayInfoLabel1);
    moonTexts->addWidget(DayInfoLabel2);
    Panel5 = new QFrame(Panel4);
    Panel5->setObjectName(QStringLiteral("Panel5"));
    auto* sunTexts = new QVBoxLayout(Panel5);
    sunTexts->setContentsMargins(0, 0, 0, 0);
    sunTexts->setSpacing(0);
    SunriseLabel = NewLabel(Panel5, "SunriseLabel");
    SunsetLabel = NewLabel(Panel5, "SunsetLabel");
    sunTexts->addWidget(SunriseLabel);
    sunTexts->addWidget(SunsetLabel);
    moonTexts->addWidget(Panel5);
    moonRow->addLayout(moonTexts, 1);

    rows->addWidget(Panel1);
    rows->addWidget(Panel2);
    rows->addWidget(Panel3);
    rows->addWidget(Panel4);
    rows->addStretch(1);
    setCentralWidget(central);

    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { PopupMenu1->popup(mapToGlobal(p)); });
}

void TForm1::CreateMenus() {
    ButPopupMenu = new QMenu(this);
    ButPopupMenu->setObjectName(QStringLiteral("ButPopupMenu"));
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    CreateEclipseItems();
    FillGoToMenu(ButPopupMenu, QString(), MoonMenu, EclipseMenu);
    GoToMenu1 = PopupMenu1->addMenu(QStringLiteral("&Go To..."));
    GoToMenu1->setObjectName(QStringLiteral("GoToMenu1"));
    FillGoToMenu(GoToMenu1, QStringLiteral("Menu"), MenuMoon, MenuEclipse);
    ShowEclipseItems();
    ButToday->setMenu(ButPopupMenu);

    PopupMenu1->addSeparator();
    PopupMenu1->addActions({ShowMoonSheetAction1, ShowPlanetSheetAction1, ShowTimeSheetAction1,
                            ShowYearSheetAction1, ShowToolSheetAction1, ShowSetSheetAction1,
                            ShowAboutSheetAction1});
    PopupMenu1->addSeparator();
    PopupMenu1->addActions({ToggleInfoFormAction1, ToggleWindowAction1, ToggleStayOnTop1,
                            ToggleHintsOn1, RestoreAction1});
    PopupMenu1->addSeparator();
    PopupMenu1->addActions({ShowMapSheetAction1, GoToGoogle1, ShowHelp1});
    PopupMenu1->addSeparator();
    CreateWeatherMenu();
    PopupMenu1->addSeparator();
    PopupMenu1->addAction(ExitAction1);

    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    struct TMainItem {
        const char* Name;
        const char* Caption;
        QAction* TForm1::*Action;
    };
    static const TMainItem items[] = {
        {"Weather1", "Weather", &TForm1::ShowWeatherSheetAction1},
        {"Radar1", "Rad", &TForm1::ShowRadarSheetAction1},
        {"Satellite1", "Sat", &TForm1::ShowSatelliteSheetAction1},
        {"Map1", "Map", &TForm1::ShowMapSheetAction1},
        {"Year1", "Year", &TForm1::ShowYearSheetAction1},
    };
    for (const TMainItem& item : items) {
        QAction* entry = bar->addAction(QString::fromLatin1(item.Caption));
        entry->setObjectName(QLatin1String(item.Name));
        QAction* target = this->*item.Action;
        connect(entry, &QAction::triggered, target, &QAction::trigger);
    }
}

void TForm1::CreateTrayIcon() {
    TrayIcon = new TTrayIcon(this, this);
    TrayIcon->SetImages(NorthImageList);
    TrayIcon->SetPopupMenu(PopupMenu1);
    connect(TrayIcon, &TTrayIcon::Clicked, this, &TForm1::TrayIconClick);
    connect(TrayIcon, &TTrayIcon::WindowMinimized, this, &TForm1::TrayIconMinimize);
    connect(TrayIcon, &TTrayIcon::WindowRestored, this, &TForm1::TrayIconRestore);
}

// ---- Display levels, stay-on-top, hints -------------------------------------------

void TForm1::ToggleWindowAction1Execute() {
    Settings.DisplayLevel = NextDisplayLevel(Settings.DisplayLevel);
    SetHeight();
}

// The desktop shows the program by its window, so the program's title is the text of
// the clock window when it is minimised (its caption shows the time meanwhile).
void TForm1::SetApplicationTitle(const QString& Title) {
    DisplayState.ApplicationTitle = Title;
    setWindowIconText(Title);
}

void TForm1::ToggleStayOnTop1Execute() {
    Settings.StayOnTop = !Settings.StayOnTop;
    ToggleStayOnTop1->setChecked(Settings.StayOnTop);
    ApplyStayOnTop();
}

void TForm1::ToggleHintsOn1Execute() {
    Settings.ShowHints = !Settings.ShowHints;
    ToggleHintsOn1->setChecked(Settings.ShowHints);
    UpdateDisplays();
}

void TForm1::ExitAction1Execute() {
    close();
}

void TForm1::Calendar1Change() {
    Events->SetDate(Calendar1->CalendarDate());
    UpdateDisplays();
    ClockState.JumpBackCount = 0;
}

void TForm1::ButTodayClick() {
    Calendar1->setFocus();
}

// ---- Tab commands --------------------------------------------------------------------

void TForm1::OpenInfoTab(int Tab) {
    if (InfoForm == nullptr) return;
    QTabWidget* pages = InfoForm->InfoFormPageControl;
    switch (TabCommandAction(InfoForm->isVisible(), pages->currentIndex(), Tab)) {
        case TTabAction::Close:
            InfoForm->close();
            return;
        case TTabAction::Switch:
            pages->setCurrentIndex(Tab);
            break;
        case TTabAction::ShowAndSwitch:
            InfoForm->show();
            pages->setCurrentIndex(Tab);
            break;
    }
    if (Tab == WeatherTab && InfoForm->isVisible()) {
        InfoForm->Forecast->GetWeatherBut->setFocus();
        InfoForm->Forecast->GetWeatherBut->click();
    }
    if (InfoForm->isVisible() && Tab == RadarTab) {
        InfoForm->RadarPage->GetRadarBut->setFocus();
        InfoForm->RadarPage->GetRadarBut->click();
    }
    if (InfoForm->isVisible() && Tab == SatelliteTab) {
        InfoForm->SatellitePage->GetSatelliteBut->setFocus();
        InfoForm->SatellitePage->GetSatelliteBut->click();
    }
    if (Tab == SetTab && InfoForm->Sheets[SetTab]->isVisible())
        InfoForm->SetSheetPageControl->setCurrentIndex(0);
    if (Tab == MapsTab && InfoForm->MapsPage->AutoOpenMapBox->isChecked())
        InfoForm->GetMapBut1Click();
}

// ---- Tray and window toggles ---------------------------------------------------------

void TForm1::TrayIconClick(Qt::MouseButton Button) {
    if (Button != Qt::LeftButton) return;
    if (isVisible() && !isMinimized())
        TrayIcon->MinimizeWindow();
    else
        TrayIcon->RestoreWindow();
}

void TForm1::RestoreAction1Execute() {
    TrayIcon->RestoreWindow();
}

void TForm1::TrayIconMinimize() {
    if (InfoForm != nullptr && InfoForm->isVisible()) InfoForm->close();
    // A start out of sight keeps its first quick tick, which runs the start's tasks
    // and sets the pace.
    if (!ClockState.FirstTimerTick) Timer1->setInterval(30000);
}

void TForm1::TrayIconRestore() {
    Timer1->setInterval(1000);
}

void TForm1::ToggleInfoFormAction1Execute() {
    if (InfoForm == nullptr) return;
    if (InfoForm->isVisible())
        InfoForm->close();
    else
        InfoForm->show();
}

void TForm1::GoToGoogle() {
    if (InfoForm != nullptr) InfoForm->GoBrowser(SearchHomePage(), this);
}

QString TForm1::FindHelpFile(const QString& Name, const QStringList& Folders) {
    if (QFileInfo(Name).isFile()) return QFileInfo(Name).absoluteFilePath();
    for (const QString& folder : Folders) {
        const QFileInfo candidate(QDir(folder), Name);
        if (candidate.isFile()) return candidate.absoluteFilePath();
    }
    return {};
}

void TForm1::ShowHelp1Execute() {
    const QString path =
        FindHelpFile(QStringLiteral("orbelune.chm"),
                     {QCoreApplication::applicationDirPath(), QDir::currentPath()});
    if (!path.isEmpty() && InfoForm != nullptr) {
        // GoBrowser sends the information window and this one to the back.
        InfoForm->HelpFile = path;
        InfoForm->GoBrowser(path, this);
        return;
    }
    if (HelpForm == nullptr) {
        HelpForm = new THelpForm(Settings.StayOnTop, InfoForm ? InfoForm->SendEmail1 : nullptr,
                                 InfoForm ? InfoForm->GoToHomePage1 : nullptr, this);
        HelpForm->setWindowFlag(Qt::Window);
    }
    HelpForm->Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    HelpForm->show();
    HelpForm->raise();
}

// ---- Application events ---------------------------------------------------------------

void TForm1::ApplicationEvents1Activate() {
    if (isVisible()) raise();
}

// In the zip edit Enter finds the zip's place. Everywhere else it goes on to the control
// with the focus (the calculator's "=", the forecast address box): neither window has a
// default button that Enter could set off by passing through.
bool TForm1::ApplicationEvents1ShortCut(int Key) {
    if (Key != Qt::Key_Return && Key != Qt::Key_Enter) return false;
    if (InfoForm == nullptr || !InfoForm->LocationPage->ZipEd->hasFocus()) return false;
    InfoForm->LocationPage->FindZipBut->click();
    return true;
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::ToolTip:
            if (!Settings.ShowHints) return true;
            break;
        case QEvent::KeyPress: {
            if (watched == YearComboBox &&
                YearComboBoxKeyPress(static_cast<const QKeyEvent*>(event)))
                return true;
            auto* widget = qobject_cast<QWidget*>(watched);
            QWidget* window = widget != nullptr ? widget->window() : nullptr;
            if (window != nullptr && (window == this || window == InfoForm) &&
                ApplicationEvents1ShortCut(static_cast<QKeyEvent*>(event)->key()))
                return true;
            break;
        }
        case QEvent::MouseButtonDblClick:
            if (watched == Panel1 || watched == TimeLabel || watched == centralWidget()) {
                ToggleWindowAction1Execute();
                return true;
            }
            break;
        case QEvent::MouseButtonPress: {
            if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton) break;
            if (watched == Panel2 || watched == DateLabel) {
                ShowYearSheetAction1->trigger();
                return true;
            }
            QObject* moonRow[] = {Panel4, Moon2,        DayInfoLabel1, DayInfoLabel2,
                                  Panel5, SunriseLabel, SunsetLabel};
            for (QObject* o : moonRow)
                if (watched == o) {
                    ShowMoonSheetAction1->trigger();
                    return true;
                }
            break;
        }
        default:
            break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange) {
        auto* change = static_cast<QWindowStateChangeEvent*>(event);
        const bool wasMinimized = change->oldState() & Qt::WindowMinimized;
        if (isMinimized() && !wasMinimized && !TrayIcon->Minimized()) {
            QTimer::singleShot(0, TrayIcon, [this] { TrayIcon->MinimizeWindow(); });
        } else if (!isMinimized() && wasMinimized && TrayIcon->Minimized()) {
            TrayIcon->RestoreWindow();
        }
    }
    QMainWindow::changeEvent(event);
}

}  // namespace orbelune
