// The information window's Moon tab: the refresh for the calendar date, the moon and
// sun lines, the month's phases, the seasons, daylight saving and the location, the
// time, clock and hemisphere choices, and the answers the clock window reads from them.
#include "InfoForm.h"

#include "AstroExtras.h"
#include "Astronomy.h"
#include "CalendarEvents.h"
#include "ClockState.h"
#include "DateFormats.h"
#include "DateTimeRtl.h"
#include "EngineText.h"
#include "InfoLocation.h"
#include "LocationSheet.h"
#include "MoonComponent.h"
#include "MoonImageLists.h"
#include "MoonRendering.h"
#include "MyUtil.h"
#include "PlatformSeams.h"
#include "Settings.h"
#include "moon.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QRadioButton>
#include <QStyle>
#include <QToolButton>

#include <cmath>
#include <exception>
#include <utility>

namespace orbelune {

namespace {

constexpr double FeetToMetres = 0.3048;

const QList<QImage>& LunationImages(bool Southern) {
    static const QList<QImage> north = LoadNorthImageList();
    static const QList<QImage> south = LoadSouthImageList();
    return Southern ? south : north;
}

TPlace SettingsPlace() {
    return {Settings.Latitude, Settings.Longitude, Settings.Altitude};
}

// T (local) in Universal Time; a negative date keeps its time of day running forward.
TDateTime ToUniversal(TDateTime T) {
    return AddSignedHours(static_cast<double>(-GetUTCOffset(T)), T);
}

QString LongDate(TDateTime T) {
    return FormatLocaleDateTime(DateFormats.Long, T);
}

}  // namespace

void TInfoForm::createMoonSheet() {
    const auto clickable = [this](QWidget* label) { label->installEventFilter(this); };
    for (QLabel* label : MoonPage->PhaseLabels) clickable(label);
    for (QLabel* label : MoonPage->SeasonLabels) clickable(label);
    clickable(MoonPage->DaylightStartLabel1);
    clickable(MoonPage->DaylightEndLabel1);
    connect(MoonPage->Moon1, &TMoon::Clicked, this, &TInfoForm::Moon1Click);
    for (int n = 0; n < 5; ++n)
        connect(MoonPage->PhaseButtons[static_cast<size_t>(n)], &QToolButton::clicked, this,
                [this, n] { GoToMoonPhaseDate(n + 1); });
    const auto goToDaylight = [this](bool First) {
        const TDaylightLines lines = DaylightLines(CalendarDateNow());
        const TTimeZoneState zone = TimeZoneAt(CalendarDateNow());
        const bool start = First == lines.FirstIsStart;
        if (lines.Visible) GoToCalendarDate(start ? zone.DaylightStart : zone.DaylightEnd);
    };
    connect(MoonPage->FirstBut, &QToolButton::clicked, this,
            [goToDaylight] { goToDaylight(true); });
    connect(MoonPage->SecondBut, &QToolButton::clicked, this,
            [goToDaylight] { goToDaylight(false); });
    connect(MoonPage->AnimateMoonBox, &QCheckBox::clicked, this, &TInfoForm::AnimateMoonBoxClick);
    const std::pair<const std::array<QRadioButton*, 2>&, void (TInfoForm::*)()> choices[] = {
        {MoonPage->LocalTimeRadioItems, &TInfoForm::LocalTimeRadioGroupClick},
        {MoonPage->AmPmTimeRadioItems, &TInfoForm::AmPmTimeRadioGroupClick},
        {MoonPage->HemisphereRadioItems, &TInfoForm::HemisphereRadioGroupClick}};
    for (const auto& [items, handler] : choices)
        for (QRadioButton* item : items) connect(item, &QRadioButton::clicked, this, handler);
}

void TInfoForm::ShowMoonTabChoices() {
    MoonPage->LocalTimeRadioItems[Settings.UseLocalTime ? 0 : 1]->setChecked(true);
    MoonPage->AmPmTimeRadioItems[Settings.UseMilitaryTime ? 1 : 0]->setChecked(true);
    MoonPage->HemisphereRadioItems[Settings.SouthernHemisphere ? 1 : 0]->setChecked(true);
}

void TInfoForm::TakeMoonTabChoice(bool& Setting, bool Chosen) {
    if (Chosen == Setting) return;
    Setting = Chosen;
    emit ClockRedrawRequested();
}

void TInfoForm::LocalTimeRadioGroupClick() {
    TakeMoonTabChoice(Settings.UseLocalTime, MoonPage->LocalTimeRadioItems[0]->isChecked());
}

void TInfoForm::AmPmTimeRadioGroupClick() {
    TakeMoonTabChoice(Settings.UseMilitaryTime, MoonPage->AmPmTimeRadioItems[1]->isChecked());
}

void TInfoForm::HemisphereRadioGroupClick() {
    TakeMoonTabChoice(Settings.SouthernHemisphere, MoonPage->HemisphereRadioItems[1]->isChecked());
}

bool TInfoForm::eventFilter(QObject* Watched, QEvent* Event) {
    if (Watched == WeatherPage->WeatherSheet2 && Event->type() == QEvent::Show) WeatherSheet2Show();
    if (Watched == TimeSheet && Event->type() == QEvent::Show) TimeServerSheetShow();
    if (Watched == WeatherPage && Event->type() == QEvent::Show) WeatherSheetShow();
    if (Watched == YearPage && Event->type() == QEvent::Show) YearSheetShow();
    if (Watched == YearPage->BigCalYearComboBox && Event->type() == QEvent::KeyPress &&
        BigCalYearComboBoxKeyPress(static_cast<const QKeyEvent*>(Event)))
        return true;
    auto* label = qobject_cast<QLabel*>(Watched);
    if (label == nullptr) return QMainWindow::eventFilter(Watched, Event);
    switch (Event->type()) {
        case QEvent::Enter:
            LabelGoRedExecute(label);
            break;
        case QEvent::Leave:
            LabelGoNavyExecute(label);
            break;
        case QEvent::MouseButtonRelease: {
            for (int n = 0; n < 5; ++n)
                if (label == MoonPage->PhaseLabels[static_cast<size_t>(n)])
                    GoToMoonPhaseDate(n + 1);
            const TSeasonTable& seasons = Events.SeasonTable();
            for (size_t n = 0; n < seasons.size(); ++n)
                if (label == MoonPage->SeasonLabels[n] && seasons[n].Date != -1)
                    GoToCalendarDate(seasons[n].Date);
            for (int n = 0; n < EclipseRowCount; ++n)
                if (label == PlanetPage->EclipseLabs[static_cast<size_t>(n)])
                    EclipseLabClick(n + 1);
            if (label == MoonPage->DaylightStartLabel1) MoonPage->FirstBut->click();
            if (label == MoonPage->DaylightEndLabel1) MoonPage->SecondBut->click();
            return true;
        }
        default:
            break;
    }
    return QMainWindow::eventFilter(Watched, Event);
}

void TInfoForm::UpdateInfoForm() {
    try {
        RefreshForCalendarDate();
    } catch (const std::exception&) {
        // A date the engine's calendar routines refuse: the tabs keep their last texts.
    }
}

void TInfoForm::RefreshForCalendarDate() {
    const TDateTime t = CalendarDateNow();
    UpdateLatLonDisplays(1);
    const bool local = Settings.UseLocalTime;
    const bool use24h = Settings.UseMilitaryTime;
    Events.SetDate(t);
    DayMoon = orbelune::CalcMoonRiseSet(local, use24h, t, SettingsPlace(), DateFormats.ShortYY);
    UpdateAllMoonDisplays(Settings.SouthernHemisphere, t);
    UpdatePlanetTab(t);
    const QString date = LongDate(t);
    MoonPage->MoonRiseSetGroupBox->setTitle(QStringLiteral(" Moon on ") + date + QLatin1Char(' '));
    GraphPage->GraphSunGroupBox->setTitle(GraphSunGroupCaption(t));
    // A hidden chart is drawn when its tab comes into view.
    if (GraphPage->isVisible() && std::trunc(t) != GraphDate) DrawGraph(Settings.Latitude);
    ShowYearCalendarDate(Events.Date());
    // Last: building the holiday table moves the zone state to that year's autumn.
    ShowHolidayTable(CalendarYear());
}

void TInfoForm::UpdateLatLonDisplays(int Mode) {
    if (Mode == 2) {
        LocationPage->ShowSavedLocation(LocationLines(InfoLocation.PlaceName, InfoLocation.Latitude,
                                                      InfoLocation.Longitude,
                                                      InfoLocation.Altitude));
        return;
    }
    const TLocationLines lines =
        LocationLines(Settings.PlaceName, Settings.Latitude, Settings.Longitude, Settings.Altitude);
    MoonPage->PlaceNamePanel->setText(lines.PlaceName);
    MoonPage->LatitudeLab->setText(lines.Latitude);
    MoonPage->LongitudeLab->setText(lines.Longitude);
    MoonPage->AltitudeLab->setText(lines.Altitude);
}

void TInfoForm::UpdateAllMoonDisplays(bool Southern, TDateTime T) {
    emit MoonShown(T, Southern);
    MoonPage->Moon1->SetRotation(Southern ? TRotate::rot_180 : TRotate::rot_none);
    if (!Settings.AnimateMoon) MoonPage->Moon1->SetDate(T);
    UpdateMoonPhasesDisplay(Southern);

    const TDateTime t0 = ToUniversal(T);
    const QString phaseName = GetMoonPhaseName(T);
    QString illuminated =
        QString::asprintf("%02.0f", static_cast<double>(std::fabs(MoonIllumination(t0))) * 100.0);
    if (phaseName == QLatin1String("New Moon"))
        illuminated = QStringLiteral("00");
    else if (phaseName == QLatin1String("First Quarter") ||
             phaseName == QLatin1String("Last Quarter"))
        illuminated = QStringLiteral("50");
    else if (phaseName == QLatin1String("FULL MOON"))
        illuminated = QStringLiteral("100");
    MoonPage->PhaseLab1->setText(illuminated + QStringLiteral(" % Full"));
    MoonPage->PhaseLab2->setText(phaseName);
    const long double angle = MoonPhaseAngle(t0);
    const bool hint = angle > -67.0L && angle < 107.0L;
    MoonPage->Moon1->setToolTip(!hint ? QString()
                                : MoonPage->Moon1->ShowApollo11()
                                    ? QStringLiteral("Click to hide Apollo 11")
                                    : QStringLiteral("Click to show Apollo 11"));

    const TPlace place = SettingsPlace();
    const TMoonLabels moon = MoonRiseSetLabels(DayMoon, T, place);
    MoonPage->MoonRiseLab1->setText(moon.RiseLab1);
    MoonPage->MoonRiseLab2->setText(moon.RiseLab2);
    MoonPage->MoonRiseLab3->setText(moon.RiseLab3);
    MoonPage->MoonSetLab1->setText(moon.SetLab1);
    MoonPage->MoonSetLab2->setText(moon.SetLab2);
    MoonPage->MoonSetLab3->setText(moon.SetLab3);
    MoonPage->MoonUpLab->setText(moon.UpLab);

    const QString date = LongDate(T);
    MoonPage->SunGroupBox->setTitle(QStringLiteral(" Sun on ") + date + QLatin1Char(' '));
    int year = 0, month = 0, day = 0;
    DecodeDate(T, year, month, day);
    TSunInput sunInput;
    sunInput.RiseText = DisplayState.SunriseText;
    sunInput.RiseZone = DisplayState.SunriseZone;
    sunInput.SetText = DisplayState.SunsetText;
    sunInput.SetZone = DisplayState.SunsetZone;
    const long double elevation = Settings.Altitude * FeetToMetres;
    sunInput.RiseUT =
        SunRiseSetUT(day, month, year, Settings.Latitude, Settings.Longitude, elevation, true);
    sunInput.SetUT =
        SunRiseSetUT(day, month, year, Settings.Latitude, Settings.Longitude, elevation, false);
    sunInput.UTCOffsetHours = GetUTCOffset(T);
    const TSunLabels sun = SunLabels(sunInput, T, place);
    MoonPage->SunUpLab->setText(sun.UpLab);
    MoonPage->SunRiseLab1->setText(sun.RiseLab1);
    MoonPage->SunRiseLab2->setText(sun.RiseLab2);
    MoonPage->SunRiseLab3->setText(sun.RiseLab3);
    MoonPage->SunSetLab1->setText(sun.SetLab1);
    MoonPage->SunSetLab2->setText(sun.SetLab2);
    MoonPage->SunSetLab3->setText(sun.SetLab3);
    MoonPage->DayHoursLab->setText(sun.DayHoursLab);

    const TSeasonTable& seasons = Events.SeasonTable();
    for (size_t n = 0; n < seasons.size(); ++n) {
        const bool known = seasons[n].Date != -1;
        MoonPage->SeasonLabels[n]->setText(known ? seasons[n].Text : QString());
        MoonPage->SeasonTimeLabels[n]->setText(known ? seasons[n].ZoneName : QString());
    }
    MoonPage->EquinoxSolsticeGroupBox->setTitle(
        QStringLiteral(" %1  Equinoxes and Solstices ").arg(year));

    const TDaylightLines daylight = DaylightLines(T);
    MoonPage->DaylightGroupBox->setVisible(daylight.Visible);
    if (daylight.Visible) {
        MoonPage->DaylightStartLabel1->setText(daylight.StartLabel1);
        MoonPage->DaylightStartLabel2->setText(daylight.StartLabel2);
        MoonPage->DaylightEndLabel1->setText(daylight.EndLabel1);
        MoonPage->DaylightEndLabel2->setText(daylight.EndLabel2);
        const QIcon ahead = style()->standardIcon(QStyle::SP_ArrowRight);
        const QIcon back = style()->standardIcon(QStyle::SP_ArrowLeft);
        const QString toStart = QStringLiteral("Go to Daylight Start");
        const QString toEnd = QStringLiteral("Go to Daylight End");
        MoonPage->FirstBut->setIcon(daylight.FirstIsStart ? ahead : back);
        MoonPage->SecondBut->setIcon(daylight.FirstIsStart ? back : ahead);
        for (QWidget* first : {static_cast<QWidget*>(MoonPage->FirstBut),
                               static_cast<QWidget*>(MoonPage->DaylightStartLabel1)})
            first->setToolTip(daylight.FirstIsStart ? toStart : toEnd);
        for (QWidget* second : {static_cast<QWidget*>(MoonPage->SecondBut),
                                static_cast<QWidget*>(MoonPage->DaylightEndLabel1)})
            second->setToolTip(daylight.FirstIsStart ? toEnd : toStart);
        MoonPage->DaylightGroupBox->setTitle(daylight.Caption);
    }

    const std::array<QString, 4> panels = StatusBarTexts(T, DateFormats.Long);
    for (size_t i = 0; i < panels.size(); ++i) StatusPanels[i]->setText(panels[i]);
    ShowSunMoonPosition(JoinDateAndTime(T, Platform().Clock->Now()));
}

void TInfoForm::UpdateMoonPhasesDisplay(bool Southern) {
    const QList<QImage>& images = LunationImages(Southern);
    const TMonthPhaseTable& phases = Events.MonthPhaseTable();
    for (size_t i = 0; i < phases.size(); ++i) {
        QLabel* label = MoonPage->PhaseLabels[i];
        QLabel* zone = MoonPage->PhaseTimeLabels[i];
        QToolButton* button = MoonPage->PhaseButtons[i];
        button->setIcon(QIcon());
        label->clear();
        zone->clear();
        const PhaseEvent& event = phases[i];
        if (event.DayNumber < 0) continue;
        const QString hint = QStringLiteral("Go To ") + PhaseValueName(event.PhaseValue);
        label->setText(event.Text);
        label->setToolTip(hint);
        zone->setText(event.ZoneName);
        button->setToolTip(hint);
        const int icon = GetIconNum(static_cast<int>(i) + 1, false);
        if (icon >= 0 && icon < images.size())
            button->setIcon(LunationIcon(images[icon], icon, Southern));
    }
    MoonPage->PhaseButtons[4]->setVisible(phases[4].DayNumber >= 0);
    const TDateTime t = CalendarDateNow();
    // The month named as the clock window's month box and the tab's long dates name it.
    MoonPage->MoonPhaseGroupBox->setTitle(QStringLiteral(" Moon Phases  ") +
                                          FormatLocaleDateTime(QStringLiteral("mmmm yyyy"), t) +
                                          QLatin1Char(' '));
}

QString TInfoForm::GetMoonPhaseName(TDateTime T) const {
    return Events.MoonPhaseName(T);
}

QString TInfoForm::GetEquinoxSolsticeName(TDateTime T) const {
    return Events.EquinoxSolsticeName(T);
}

int TInfoForm::GetIconNum(int N, bool Flip) const {
    return Events.IconNum(N, Flip);
}

bool TInfoForm::CalcSunMoonPosition(double& Altitude, double& Azimuth, bool IsSun, bool ToUTC,
                                    TDateTime T) const {
    const TDateTime u = ToUTC ? ToUniversal(T) : T;
    if (DateTimeToDayNumber(u) < 0) return false;
    const TAltAzPos position = SunMoonPosition(IsSun, u, SettingsPlace());
    Altitude = position.Altitude;
    Azimuth = position.Azimuth;
    return true;
}

void TInfoForm::ShowSunMoonPosition(TDateTime T) {
    const auto show = [this, T](bool IsSun, QLabel* AzimuthPanel, QLabel* AltitudePanel) {
        double altitude = 0, azimuth = 0;
        if (!CalcSunMoonPosition(altitude, azimuth, IsSun, true, T)) {
            AzimuthPanel->clear();
            AltitudePanel->clear();
            return;
        }
        const TPositionTexts texts = PositionTexts({altitude, azimuth});
        AzimuthPanel->setText(texts.Azimuth);
        AltitudePanel->setText(texts.Altitude);
    };
    show(false, MoonPage->AzimuthMoonPanel, MoonPage->AltitudeMoonPanel);
    show(true, MoonPage->AzimuthSunPanel, MoonPage->AltitudeSunPanel);
}

void TInfoForm::GoToMoonPhaseDate(int N) {
    const TMonthPhaseTable& phases = Events.MonthPhaseTable();
    if (N < 1 || N > static_cast<int>(phases.size())) return;
    const PhaseEvent& event = phases[static_cast<size_t>(N - 1)];
    if (event.DayNumber >= 0) GoToCalendarDate(DayNumberToDateTime(event.DayNumber));
}

void TInfoForm::AnimateMoonBoxClick() {
    Settings.AnimateMoon = MoonPage->AnimateMoonBox->isChecked();
    UpdateAnimationTimer();
    if (!Settings.AnimateMoon) {
        MoonPage->Moon1->SetDate(CalendarDateNow());
        UpdateInfoForm();
    }
}

void TInfoForm::Moon1Click() {
    TMoon* moon = MoonPage->Moon1;
    moon->SetShowApollo11(!moon->ShowApollo11());
    moon->SetMoonStyle(TMoonStyle::msClassic);
    moon->SetMoonStyle(TMoonStyle::msColor);
    moon->setToolTip(moon->ShowApollo11() ? QStringLiteral("Click to hide Apollo 11")
                                          : QStringLiteral("Click to show Apollo 11"));
}

}  // namespace orbelune
