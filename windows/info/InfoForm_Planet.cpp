// The information window's Planet tab: the eclipses of the shown year with their day
// lookup, its meteor showers, and the planet table.
#include "InfoForm.h"

#include "CalendarEvents.h"
#include "DateFormats.h"
#include "DateTimeRtl.h"
#include "EngineText.h"
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

void TInfoForm::createPlanetSheet() {
    for (QRadioButton* item : PlanetPage->PlanetRadioItems)
        connect(item, &QRadioButton::clicked, this, &TInfoForm::PlanetRadioGroupClick);
    for (QRadioButton* item : PlanetPage->EclipseRadioItems)
        connect(item, &QRadioButton::clicked, this, &TInfoForm::EclipseRadioGroupClick);
    for (int n = 0; n < EclipseRowCount; ++n) {
        connect(PlanetPage->EclipseButs[static_cast<size_t>(n)], &QToolButton::clicked, this,
                [this, n] { GoToEclipseDate(n + 1); });
        PlanetPage->EclipseLabs[static_cast<size_t>(n)]->installEventFilter(this);
    }
    for (size_t i = 0; i < PlanetPage->MeteorButs.size(); ++i)
        connect(PlanetPage->MeteorButs[i], &QToolButton::clicked, this,
                [this, i] { MeteorButClick(static_cast<int>(i) + 1); });
}

void TInfoForm::UpdatePlanetTab(TDateTime T) {
    ShowPlanets(T);
    const int year = YearOf(T);
    const QString date = FormatLocaleDateTime(DateFormats.Long, T);
    PlanetPage->PlanetsGroupBox->setTitle(QStringLiteral(" Planets on ") + date + QLatin1Char(' '));
    PlanetPage->EclipsesGroupBox->setTitle(QStringLiteral(" %1  Eclipses ").arg(year));
    PlanetPage->MeteorsGroupBox->setTitle(QStringLiteral(" %1  Meteor Showers ").arg(year));
}

void TInfoForm::ShowEclipses() {
    const TEclipseYear& eclipses = Events.EclipseYear();
    PlanetPage->EclipseMemo->setPlainText(eclipses.Memo.join(QLatin1Char('\n')));
    static const QList<QImage> glyphs = LoadImageList2();
    for (size_t i = 0; i < static_cast<size_t>(EclipseRowCount); ++i) {
        const bool shown = i < eclipses.Rows.size();
        for (QWidget* part : {static_cast<QWidget*>(PlanetPage->EclipseLabs[i]),
                              static_cast<QWidget*>(PlanetPage->EclipseTimeLabs[i]),
                              static_cast<QWidget*>(PlanetPage->EclipseButs[i])})
            part->setVisible(shown);
        if (!shown) continue;
        const TEclipseRow& row = eclipses.Rows[i];
        PlanetPage->EclipseLabs[i]->setText(row.Caption);
        PlanetPage->EclipseTimeLabs[i]->setText(row.TimeText);
        if (row.Image >= 0 && row.Image < glyphs.size())
            PlanetPage->EclipseButs[i]->setIcon(QIcon(QPixmap::fromImage(glyphs[row.Image])));
    }
}

TEclipseDay TInfoForm::GetEclipse(TDateTime Day) const {
    return Events.Eclipse(Day);
}

void TInfoForm::ShowPlanets(TDateTime T) {
    const bool astronomical = PlanetPage->PlanetRadioItems[1]->isChecked();
    const QStringList lines =
        PlanetLines(T, astronomical, {Settings.Latitude, Settings.Longitude, Settings.Altitude});
    PlanetPage->PlanetsMemo->setPlainText(lines.join(QLatin1Char('\n')));
    PlanetPage->PlanetsMemo->moveCursor(QTextCursor::Start);
}

void TInfoForm::PlanetRadioGroupClick() {
    ShowPlanets(CalendarDateNow());
    Settings.EarthSurfaceCoords = PlanetPage->PlanetRadioItems[0]->isChecked();
    if (Settings.EarthSurfaceCoords) {
        PlanetPage->PlanetsLabel1->setText(
            QStringLiteral("Angle is angle in degrees up from the horizon."));
        PlanetPage->PlanetsLabel2->setText(
            QStringLiteral("Negative angle = planet is below the horizon."));
    } else {
        PlanetPage->PlanetsLabel1->setText(
            QStringLiteral("RA = Right Ascension in hours east of equinox."));
        PlanetPage->PlanetsLabel2->setText(
            QStringLiteral("Declination in degrees north of earth equator."));
    }
}

void TInfoForm::EclipseRadioGroupClick() {
    Settings.EclipseSummaryView = PlanetPage->EclipseRadioItems[0]->isChecked();
    SetEclipsesMemo(Settings.EclipseSummaryView);
}

void TInfoForm::SetEclipsesMemo(bool Summary) {
    // The detailed memo takes the place of the seven rows.
    PlanetPage->EclipseMemo->setVisible(!Summary);
    PlanetPage->EclipseRows->setVisible(Summary);
}

void TInfoForm::EclipseLabClick(int N) {
    GoToEclipseDate(N);
}

void TInfoForm::MeteorButClick(int N) {
    emit MeteorShowerRequested(N);
}

void TInfoForm::GoToEclipseDate(int N) {
    if (const auto day = Events.EclipseDate(N)) GoToCalendarDate(*day);
}

}  // namespace orbelune
