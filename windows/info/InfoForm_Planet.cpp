// The information window's Planet tab: the eclipses of the shown year with their day
// lookup, and the planet table.
#include "InfoForm.h"

#include "Calendar.h"
#include "ClockWindowLink.h"
#include "DateFormats.h"
#include "DateTimeRtl.h"
#include "GlobalObjects.h"
#include "InfoWindowLink.h"
#include "MoonImageLists.h"
#include "MyUtil.h"
#include "Settings.h"

#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTextCursor>
#include <QToolButton>

#include <cmath>

namespace orbelune {

namespace {

TEclipseTextOptions CurrentEclipseOptions() {
    return {Settings.UseLocalTime, Settings.UseMilitaryTime, DateFormats.Short,
            DateFormats.ShortYY};
}

bool SameOptions(const TEclipseTextOptions& A, const TEclipseTextOptions& B) {
    return A.UseLocalTime == B.UseLocalTime && A.UseMilitaryTime == B.UseMilitaryTime &&
           A.DateFormatShort == B.DateFormatShort && A.DateFormatShortYY == B.DateFormatShortYY;
}

int YearOf(TDateTime T) {
    int year = 0, month = 0, day = 0;
    DecodeDate(T, year, month, day);
    return year;
}

}  // namespace

void TInfoForm::createPlanetSheet() {
    PlanetPage = BuildPlanetSheet(Sheets[PlanetTab]);
    for (QRadioButton* item : PlanetPage.PlanetRadioItems)
        connect(item, &QRadioButton::clicked, this, &TInfoForm::PlanetRadioGroupClick);
    for (QRadioButton* item : PlanetPage.EclipseRadioItems)
        connect(item, &QRadioButton::clicked, this, &TInfoForm::EclipseRadioGroupClick);
    for (int n = 0; n < EclipseRowCount; ++n) {
        connect(PlanetPage.EclipseButs[static_cast<size_t>(n)], &QToolButton::clicked, this,
                [this, n] { GoToEclipseDate(n + 1); });
        PlanetPage.EclipseLabs[static_cast<size_t>(n)]->installEventFilter(this);
    }
}

void TInfoForm::LinkPlanetTab(TInfoWindowLink& Info) {
    Info.ShowPlanets = [this](TDateTime T) { ShowPlanets(T); };
    Info.GetEclipse = [this](TDateTime Day) { return GetEclipse(Day); };
    Info.GoToEclipseDate = [this](int N) { GoToEclipseDate(N); };
}

void TInfoForm::UpdatePlanetTab(TDateTime T) {
    ShowPlanets(T);
    const int year = YearOf(T);
    if (year != ShownEclipseYear || !SameOptions(EclipseTextsWrittenWith, CurrentEclipseOptions()))
        ShowEclipses(year);
    const QString date =
        QString::fromLatin1(DateTimeToStringSafe(DateFormats.Long.toStdString(), T));
    PlanetPage.PlanetsGroupBox->setTitle(QStringLiteral(" Planets on ") + date + QLatin1Char(' '));
    PlanetPage.EclipsesGroupBox->setTitle(QStringLiteral(" %1  Eclipses ").arg(year));
}

void TInfoForm::ShowEclipses(int Year) {
    ShownEclipseYear = Year;
    if (!GlobalObjects.EclipseList) GlobalObjects.EclipseList = std::make_unique<TStEclipses>();
    TStEclipses& list = *GlobalObjects.EclipseList;
    list.Clear();
    list.SearchYear(Year);
    EclipseTextsWrittenWith = CurrentEclipseOptions();
    const TEclipseYear eclipses = BuildEclipseYear(Year, list, EclipseTextsWrittenWith);
    EclipseDays = eclipses.Days;
    PlanetPage.EclipseMemo->setPlainText(eclipses.Memo.join(QLatin1Char('\n')));
    static const QList<QImage> glyphs = LoadImageList2();
    const TClockWindowLink& clock = ClockWindow();
    for (size_t i = 0; i < static_cast<size_t>(EclipseRowCount); ++i) {
        const bool shown = i < eclipses.Rows.size();
        for (QWidget* part : {static_cast<QWidget*>(PlanetPage.EclipseLabs[i]),
                              static_cast<QWidget*>(PlanetPage.EclipseTimeLabs[i]),
                              static_cast<QWidget*>(PlanetPage.EclipseButs[i])})
            part->setVisible(shown);
        const TEclipseRow row = shown ? eclipses.Rows[i] : TEclipseRow{};
        if (clock.SetEclipseItem)
            clock.SetEclipseItem(static_cast<int>(i) + 1, shown, row.Image, row.MenuCaption);
        if (!shown) continue;
        PlanetPage.EclipseLabs[i]->setText(row.Caption);
        PlanetPage.EclipseTimeLabs[i]->setText(row.TimeText);
        if (row.Image >= 0 && row.Image < glyphs.size())
            PlanetPage.EclipseButs[i]->setIcon(QIcon(QPixmap::fromImage(glyphs[row.Image])));
    }
}

TEclipseDay TInfoForm::GetEclipse(TDateTime Day) {
    const int year = YearOf(std::trunc(Day));
    if (year != ShownEclipseYear) ShowEclipses(year);
    return FindEclipseOnDay(EclipseDays, Day, Settings.UseLocalTime);
}

void TInfoForm::ShowPlanets(TDateTime T) {
    const bool astronomical = PlanetPage.PlanetRadioItems[1]->isChecked();
    const QStringList lines =
        PlanetLines(T, astronomical, {Settings.Latitude, Settings.Longitude, Settings.Altitude});
    PlanetPage.PlanetsMemo->setPlainText(lines.join(QLatin1Char('\n')));
    PlanetPage.PlanetsMemo->moveCursor(QTextCursor::Start);
}

void TInfoForm::PlanetRadioGroupClick() {
    ShowPlanets(CalendarDateNow());
    Settings.EarthSurfaceCoords = PlanetPage.PlanetRadioItems[0]->isChecked();
    if (Settings.EarthSurfaceCoords) {
        PlanetPage.PlanetsLabel1->setText(
            QStringLiteral("Angle is angle in degrees up from the horizon."));
        PlanetPage.PlanetsLabel2->setText(
            QStringLiteral("Negative angle = planet is below the horizon."));
    } else {
        PlanetPage.PlanetsLabel1->setText(
            QStringLiteral("RA = Right Ascension in hours east of equinox."));
        PlanetPage.PlanetsLabel2->setText(
            QStringLiteral("Declination in degrees north of earth equator."));
    }
}

void TInfoForm::EclipseRadioGroupClick() {
    Settings.EclipseSummaryView = PlanetPage.EclipseRadioItems[0]->isChecked();
    SetEclipsesMemo(Settings.EclipseSummaryView);
}

void TInfoForm::SetEclipsesMemo(bool Summary) {
    // The detailed memo takes the place of the seven rows.
    PlanetPage.EclipseMemo->setVisible(!Summary);
    PlanetPage.EclipseRows->setVisible(Summary);
}

void TInfoForm::EclipseLabClick(int N) {
    // The clock window's jump; on its own this window jumps the same way.
    if (ClockWindow().GoToEclipseExecute)
        ClockWindow().GoToEclipseExecute(N);
    else
        GoToEclipseDate(N);
}

void TInfoForm::GoToEclipseDate(int N) {
    if (N < 1 || N > static_cast<int>(EclipseDays.size())) return;
    const TDateTime ut = static_cast<double>(EclipseDays[static_cast<size_t>(N - 1)].Time);
    GoToCalendarDate(LocalDateTime(ut, Settings.UseLocalTime));
}

}  // namespace orbelune
