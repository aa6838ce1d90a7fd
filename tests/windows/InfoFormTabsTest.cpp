// The Moon and Planet tabs as widgets: what the refresh for a calendar date puts in
// their controls, the eclipse rows and views, the planet views, the answers offered to
// the clock window, and the month grid's marks from them. Now and the zone are fixed
// per test; the texts themselves are checked in the model tests.
#include "Calendar.h"
#include "CalendarEvents.h"
#include "DateFormats.h"
#include "DateTimeRtl.h"
#include "FakePlatform.h"
#include "Holidays.h"
#include "InfoForm.h"
#include "MoonComponent.h"
#include "MoonImageLists.h"
#include "PixelCounts.h"
#include "ProgramState.h"
#include "ScopedZone.h"
#include "Settings.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace orbelune {
namespace {

using test::CountNear;

class InfoTabsTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::ResetProgramState();
        Settings.ShowInfoFormAtStartup = false;
        Settings.PlaceName = "London";
        Settings.Latitude = 51.5L;
        Settings.Longitude = -0.1L;
    }
    void TearDown() override {
        Form.reset();
        Calendar.reset();
        test::ResetProgramState();
    }
    // A month grid marked from the calendar-events model and the information window,
    // wired as the clock window wires them.
    void Start(TDateTime now, TDateTime calendarDate) {
        Fakes.Clock.Value = now;
        Calendar = std::make_unique<TCalendar>();
        Calendar->resize(7 * 30 + 6, 7 * 20 + 6);
        Calendar->SetMarks(&Events);
        QObject::connect(Calendar.get(), &TCalendar::Changed,
                         [this] { Events.SetDate(Calendar->CalendarDate()); });
        Calendar->SetCalendarDate(calendarDate);
        Form = std::make_unique<TInfoForm>(Events);
        QObject::connect(Form.get(), &TInfoForm::DateRequested, Calendar.get(),
                         &TCalendar::SetCalendarDate);
        Form->UpdateInfoForm();
    }
    QRect CellRectOf(int n) const {
        for (int row = 1; row < TCalendar::RowCount; ++row)
            for (int col = 0; col < TCalendar::ColCount; ++col)
                if (Calendar->CellText(col, row) == QString::number(n))
                    return Calendar->CellRect(col, row);
        return {};
    }
    template <typename T>
    T* Find(const char* name) const {
        return Form->findChild<T*>(QString::fromLatin1(name));
    }

    test::TFakePlatform Fakes;
    TCalendarEvents Events;
    std::unique_ptr<TCalendar> Calendar;
    std::unique_ptr<TInfoForm> Form;
};

// A left click as the labels and the moon picture take it: on the button's release.
void Click(QWidget* Target) {
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(2, 2),
                        Target->mapToGlobal(QPointF(2, 2)), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(Target, &release);
}

TEST_F(InfoTabsTest, MoonTabShowsTheCalendarDay) {
    test::TScopedZone zone("Europe/London");
    Start(EncodeDate(2024, 1, 1) + 0.625, EncodeDate(2024, 1, 1));  // 15:00
    EXPECT_EQ(Find<QLabel>("MoonRiseLab1")->text(), Form->DayMoon.Events[0].Text);
    EXPECT_TRUE(Find<QLabel>("MoonRiseLab1")->text().startsWith("Moonset"));
    EXPECT_TRUE(Find<QLabel>("MoonSetLab1")->text().startsWith("Moonrise"));
    EXPECT_EQ(Find<QLabel>("MoonRiseLab2")->text(), "GMT");
    EXPECT_EQ(Find<QLabel>("MoonUpLab")->text(), "Moon is set");
    EXPECT_EQ(Find<QGroupBox>("MoonRiseSetGroupBox")->title(), " Moon on Monday January 1, 2024 ");
    EXPECT_EQ(Find<QGroupBox>("SunGroupBox")->title(), " Sun on Monday January 1, 2024 ");
    EXPECT_EQ(Find<QLabel>("SunUpLab")->text(), "Sun is up");
    EXPECT_EQ(Find<QLabel>("PlaceNamePanel")->text(), "London");
    EXPECT_TRUE(Find<QLabel>("LatitudeLab")->text().startsWith("Latitude:   51"));
    EXPECT_TRUE(Find<QLabel>("AzimuthSunPanel")->text().endsWith(")"));
    EXPECT_FALSE(Find<QLabel>("AltitudeMoonPanel")->text().isEmpty());

    // January 2024 has four phases: the fifth button is hidden.
    EXPECT_TRUE(Find<QLabel>("Label1")->text().startsWith("01/04/24"));
    EXPECT_TRUE(Find<QLabel>("Label1")->text().endsWith("Last Quarter"));
    EXPECT_EQ(Find<QLabel>("Label1")->toolTip(), "Go To Last Quarter");
    EXPECT_EQ(Find<QLabel>("TimeLabel4")->text(), "GMT");
    EXPECT_TRUE(Find<QLabel>("Label5")->text().isEmpty());
    EXPECT_TRUE(Find<QToolButton>("But5")->isHidden());
    EXPECT_FALSE(Find<QToolButton>("But4")->icon().isNull());
    EXPECT_EQ(Find<QGroupBox>("MoonPhaseGroupBox")->title(), " Moon Phases  January 2024 ");
    // Under a German pattern the month reads in German too, as the long dates do.
    DateFormats = LocaleDateFormats(QLocale(QLocale::German, QLocale::Germany));
    Form->UpdateInfoForm();
    EXPECT_EQ(Find<QGroupBox>("MoonPhaseGroupBox")->title(), " Moon Phases  Januar 2024 ");
    EXPECT_EQ(Find<QGroupBox>("SunGroupBox")->title(), " Sun on Montag, 1. Januar 2024 ");
    DateFormats = TDateFormats{};
    Form->UpdateInfoForm();

    EXPECT_TRUE(Find<QLabel>("SunLabel1")->text().endsWith("Mar Equinox"));
    EXPECT_EQ(Find<QLabel>("SunTimeLabel1")->text(), "GMT");
    EXPECT_EQ(Find<QGroupBox>("EquinoxSolsticeGroupBox")->title(),
              " 2024  Equinoxes and Solstices ");
    EXPECT_FALSE(Find<QGroupBox>("DaylightGroupBox")->isHidden());
    EXPECT_EQ(Find<QLabel>("DaylightStartLabel2")->text(), "Start of BST");
    EXPECT_EQ(Find<QToolButton>("FirstBut")->toolTip(), "Go to Daylight Start");

    EXPECT_EQ(Form->StatusPanels[0]->text(), "Monday January 1, 2024");
    EXPECT_EQ(Form->StatusPanels[1]->text(), "Day: 1");
    EXPECT_EQ(Form->StatusPanels[2]->text(), "Week: 1");
    EXPECT_EQ(Form->StatusPanels[3]->text(), "Tevet 20, 5784");
}

// Full moon 2024-01-25 17:54 UT, new moon 2024-01-11 11:57 UT.
TEST_F(InfoTabsTest, MoonPictureOfTheDayWithTheLandingSiteOnClick) {
    test::TScopedZone zone("Europe/London");
    Start(EncodeDate(2024, 1, 20) + 0.75, EncodeDate(2024, 1, 25));  // 18:00
    TMoon* moon = Form->MoonPage->Moon1;
    EXPECT_EQ(moon->objectName(), "Moon1");
    EXPECT_EQ(moon->size(), QSize(64, 64));
    EXPECT_EQ(moon->MoonStyle(), TMoonStyle::msColor);
    EXPECT_DOUBLE_EQ(moon->Date(), EncodeDate(2024, 1, 25) + 0.75);
    EXPECT_EQ(Find<QLabel>("PhaseLab1")->text(), "100 % Full");
    EXPECT_EQ(Find<QLabel>("PhaseLab2")->text(), "FULL MOON");
    // The site is in sunlight: the picture offers to mark it, and a click does.
    EXPECT_FALSE(moon->ShowApollo11());
    EXPECT_EQ(moon->toolTip(), "Click to show Apollo 11");
    EXPECT_NE(moon->Picture().pixel(41, 29), qRgb(255, 0, 0));
    Click(moon);
    EXPECT_TRUE(moon->ShowApollo11());
    EXPECT_EQ(moon->toolTip(), "Click to hide Apollo 11");
    EXPECT_EQ(moon->Picture().pixel(41, 29), qRgb(255, 0, 0));
    EXPECT_EQ(moon->MoonStyle(), TMoonStyle::msColor);
    Form->Moon1Click();
    EXPECT_FALSE(moon->ShowApollo11());
    EXPECT_NE(moon->Picture().pixel(41, 29), qRgb(255, 0, 0));

    // At new moon the site is dark: no hint.
    Calendar->SetCalendarDate(EncodeDate(2024, 1, 11));
    Form->UpdateInfoForm();
    EXPECT_EQ(Find<QLabel>("PhaseLab1")->text(), "00 % Full");
    EXPECT_TRUE(moon->toolTip().isEmpty());

    // While the animation runs the refresh leaves the picture's date alone.
    Form->MoonPage->AnimateMoonBox->click();
    ASSERT_TRUE(Settings.AnimateMoon);
    Calendar->SetCalendarDate(EncodeDate(2024, 1, 20));
    Form->UpdateInfoForm();
    EXPECT_DOUBLE_EQ(moon->Date(), EncodeDate(2024, 1, 11) + 0.75);
    // Switched off, it shows the calendar's day again.
    Form->MoonPage->AnimateMoonBox->click();
    EXPECT_DOUBLE_EQ(moon->Date(), EncodeDate(2024, 1, 20) + 0.75);
    // python3-ephem: 76.6 % of the disc lit at 18:00 UT; no phase on the day.
    EXPECT_TRUE(Find<QLabel>("PhaseLab1")->text().contains(QRegularExpression("^7[67] % Full$")))
        << Find<QLabel>("PhaseLab1")->text().toStdString();
    EXPECT_TRUE(Find<QLabel>("PhaseLab2")->text().isEmpty());
}

TEST_F(InfoTabsTest, SouthernSkyTurnsThePictureAndMirrorsThePhaseButtons) {
    test::TScopedZone zone("Etc/UTC");
    Settings.SouthernHemisphere = true;
    Start(EncodeDate(2024, 1, 1) + 0.5, EncodeDate(2024, 1, 1));
    EXPECT_EQ(Form->MoonPage->Moon1->Rotation(), TRotate::rot_180);
    // January 2024: last quarter, new moon, first quarter, full moon.
    EXPECT_EQ(Form->GetIconNum(1, false), 18);
    EXPECT_EQ(Form->GetIconNum(3, false), 6);
    EXPECT_EQ(Form->GetIconNum(3, true), 18);
    const QImage firstQuarter = Find<QToolButton>("But3")->icon().pixmap(16, 16).toImage();
    EXPECT_EQ(firstQuarter.convertToFormat(QImage::Format_ARGB32),
              LoadSouthImageList()[6].convertToFormat(QImage::Format_ARGB32));
    Settings.SouthernHemisphere = false;
    Form->UpdateInfoForm();
    EXPECT_EQ(Form->MoonPage->Moon1->Rotation(), TRotate::rot_none);
    EXPECT_EQ(Find<QToolButton>("But3")->icon().pixmap(16, 16).toImage().convertToFormat(
                  QImage::Format_ARGB32),
              LoadNorthImageList()[6].convertToFormat(QImage::Format_ARGB32));
}

TEST_F(InfoTabsTest, ZoneWithoutDaylightSavingHidesItsGroup) {
    test::TScopedZone zone("Etc/UTC");
    Start(EncodeDate(2024, 1, 1) + 0.5, EncodeDate(2024, 1, 1));
    EXPECT_TRUE(Find<QGroupBox>("DaylightGroupBox")->isHidden());
}

TEST_F(InfoTabsTest, PhaseLabelsAndSeasonsMoveTheCalendar) {
    test::TScopedZone zone("Etc/UTC");
    Start(EncodeDate(2024, 1, 1) + 0.5, EncodeDate(2024, 1, 1));
    Form->GoToMoonPhaseDate(4);
    EXPECT_EQ(Calendar->CalendarDate(), EncodeDate(2024, 1, 25));
    Find<QToolButton>("But2")->click();
    EXPECT_EQ(Calendar->CalendarDate(), EncodeDate(2024, 1, 11));
    Form->GoToEclipseDate(2);
    EXPECT_EQ(Calendar->CalendarDate(), EncodeDate(2024, 4, 8));
}

TEST_F(InfoTabsTest, ClickedLabelsMoveTheCalendar) {
    // New York 2024: summer time from 10 March to 3 November; June solstice 20 June
    // 16:51 EDT; the full moon of January on the 25th.
    test::TScopedZone zone("America/New_York");
    Start(EncodeDate(2024, 1, 1) + 0.5, EncodeDate(2024, 1, 1));
    Click(Find<QLabel>("Label4"));
    EXPECT_EQ(Calendar->CalendarDate(), EncodeDate(2024, 1, 25));
    Click(Find<QLabel>("SunLabel2"));
    EXPECT_EQ(Calendar->CalendarDate(), EncodeDate(2024, 6, 20));
    Click(Find<QLabel>("DaylightEndLabel1"));
    EXPECT_EQ(Calendar->CalendarDate(), EncodeDate(2024, 11, 3));
    Click(Find<QLabel>("DaylightStartLabel1"));
    EXPECT_EQ(Calendar->CalendarDate(), EncodeDate(2024, 3, 10));
    Click(Find<QLabel>("EclipseLab2"));
    EXPECT_EQ(Calendar->CalendarDate(), EncodeDate(2024, 4, 8));
    // The labels turn red under the mouse and navy after it.
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(Find<QLabel>("SunLabel1"), &enter);
    EXPECT_EQ(Find<QLabel>("SunLabel1")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(Find<QLabel>("SunLabel1"), &leave);
    EXPECT_EQ(Find<QLabel>("SunLabel1")->palette().color(QPalette::WindowText), QColor(0, 0, 128));
}

TEST_F(InfoTabsTest, EclipseLabelClicksMoveTheCalendar) {
    test::TScopedZone zone("Etc/UTC");
    Start(EncodeDate(2024, 1, 1) + 0.5, EncodeDate(2024, 1, 1));
    Click(Find<QLabel>("EclipseLab2"));
    EXPECT_EQ(Calendar->CalendarDate(), EncodeDate(2024, 4, 8));
    Click(Find<QLabel>("EclipseLab3"));
    EXPECT_EQ(Calendar->CalendarDate(), EncodeDate(2024, 9, 18));
}

TEST_F(InfoTabsTest, EclipseRowsViewsAndAnotherYear) {
    test::TScopedZone zone("Etc/UTC");
    Start(EncodeDate(2024, 6, 1) + 0.5, EncodeDate(2024, 6, 1));
    EXPECT_EQ(Events.ShownEclipseYear(), 2024);
    EXPECT_EQ(Find<QGroupBox>("EclipsesGroupBox")->title(), " 2024  Eclipses ");
    for (int n = 1; n <= 7; ++n) {
        const QString name = QStringLiteral("EclipseLab%1").arg(n);
        EXPECT_EQ(Form->findChild<QLabel*>(name)->isHidden(), n > 4) << n;
        EXPECT_EQ(Form->findChild<QToolButton*>(QStringLiteral("EclipseBut%1").arg(n))->isHidden(),
                  n > 4)
            << n;
    }
    EXPECT_TRUE(Find<QLabel>("EclipseLab2")->text().startsWith(" Solar - Total 04/08/"));
    EXPECT_EQ(Find<QToolButton>("EclipseBut1")->toolTip(), "Go to Eclipse");

    // Summary view by default: the memo is hidden; the detailed view covers the rows.
    auto* memo = Find<QPlainTextEdit>("EclipseMemo");
    EXPECT_TRUE(memo->isHidden());
    EXPECT_TRUE(memo->toPlainText().contains("Eclipse Summary:"));
    Form->PlanetPage->EclipseRadioItems[1]->click();
    EXPECT_FALSE(Settings.EclipseSummaryView);
    EXPECT_FALSE(memo->isHidden());
    EXPECT_TRUE(Form->PlanetPage->EclipseRows->isHidden());

    // Another year of the calendar brings its list; a lookup never rebuilds one.
    EXPECT_EQ(Form->GetEclipse(EncodeDate(1982, 7, 6)).Name, "");
    EXPECT_EQ(Events.ShownEclipseYear(), 2024);
    Calendar->SetCalendarDate(EncodeDate(1982, 7, 1));
    EXPECT_EQ(Form->GetEclipse(EncodeDate(1982, 7, 6)).Name, " Lunar - Total");
    EXPECT_EQ(Events.ShownEclipseYear(), 1982);
    EXPECT_FALSE(Find<QLabel>("EclipseLab7")->isHidden());
    EXPECT_EQ(Form->GetEclipse(EncodeDate(1982, 7, 7)).Name, "");
}

TEST_F(InfoTabsTest, AnotherTimeFormatRewritesTheEclipseTexts) {
    // The penumbral lunar eclipse of 2024-03-25 begins near 04:53 UT.
    test::TScopedZone zone("Etc/UTC");
    Start(EncodeDate(2024, 6, 1) + 0.5, EncodeDate(2024, 6, 1));
    EXPECT_TRUE(Find<QLabel>("EclipseTimeLab1")->text().endsWith(" AM"))
        << Find<QLabel>("EclipseTimeLab1")->text().toStdString();
    Settings.UseMilitaryTime = true;
    Form->UpdateInfoForm();
    EXPECT_TRUE(Find<QLabel>("EclipseTimeLab1")->text().startsWith("04:5"))
        << Find<QLabel>("EclipseTimeLab1")->text().toStdString();
    EXPECT_TRUE(Form->PlanetPage->EclipseMemo->toPlainText().contains("\n04:5"));
}

TEST_F(InfoTabsTest, PlanetViewsAndTheirLabels) {
    test::TScopedZone zone("Etc/UTC");
    Start(EncodeDate(2024, 1, 1), EncodeDate(2024, 1, 1));
    auto* memo = Find<QPlainTextEdit>("PlanetsMemo");
    EXPECT_EQ(memo->toPlainText().split('\n').size(), 11);
    EXPECT_EQ(memo->toPlainText().split('\n')[0], "         Compass     Angle");
    EXPECT_TRUE(Find<QGroupBox>("PlanetsGroupBox")->title().startsWith(" Planets on Monday"));
    EXPECT_EQ(Find<QLabel>("PlanetsLabel2")->text(),
              "Negative angle = planet is below the horizon.");
    Form->PlanetPage->PlanetRadioItems[1]->click();
    EXPECT_FALSE(Settings.EarthSurfaceCoords);
    EXPECT_EQ(memo->toPlainText().split('\n')[0], "         RA      Declination");
    EXPECT_EQ(Find<QLabel>("PlanetsLabel1")->text(),
              "RA = Right Ascension in hours east of equinox.");
    EXPECT_EQ(Find<QLabel>("PlanetsLabel2")->text(),
              "Declination in degrees north of earth equator.");
    Form->PlanetPage->PlanetRadioItems[0]->click();
    EXPECT_TRUE(Settings.EarthSurfaceCoords);
    EXPECT_EQ(Find<QLabel>("PlanetsLabel1")->text(),
              "Angle is angle in degrees up from the horizon.");
}

TEST_F(InfoTabsTest, SavedViewsChosenAtCreation) {
    test::TScopedZone zone("Etc/UTC");
    Settings.EclipseSummaryView = false;
    Settings.EarthSurfaceCoords = false;
    Settings.AnimateMoon = true;
    Start(EncodeDate(2024, 1, 1), EncodeDate(2024, 1, 1));
    EXPECT_FALSE(Find<QPlainTextEdit>("EclipseMemo")->isHidden());
    EXPECT_TRUE(Form->PlanetPage->EclipseRadioItems[1]->isChecked());
    EXPECT_TRUE(Form->PlanetPage->PlanetRadioItems[1]->isChecked());
    EXPECT_EQ(Find<QPlainTextEdit>("PlanetsMemo")->toPlainText().split('\n')[0],
              "         RA      Declination");
    EXPECT_TRUE(Form->MoonPage->AnimateMoonBox->isChecked());
}

TEST_F(InfoTabsTest, TheEdgesOfTheCalendarsYearsRefreshWithoutFault) {
    test::TScopedZone zone("America/New_York");
    for (const TDateTime day : {EncodeDate(1600, 1, 1), EncodeDate(1756, 2, 29),
                                EncodeDate(1899, 12, 30), EncodeDate(3429, 12, 31)}) {
        Start(day + 0.5, day);
        EXPECT_FALSE(Form->StatusPanels[0]->text().isEmpty());
        Calendar->show();
        EXPECT_FALSE(Calendar->grab().isNull());  // the grid asks for eclipses and phases
        Form.reset();
    }
}

TEST_F(InfoTabsTest, AnswersTheClockWindowReads) {
    test::TScopedZone zone("Etc/UTC");
    Start(EncodeDate(2024, 1, 1) + 0.5, EncodeDate(2024, 1, 1));
    EXPECT_EQ(Form->GetMoonPhaseName(EncodeDate(2024, 1, 25)), "FULL MOON");
    EXPECT_EQ(Form->GetIconNum(4, false), 12);
    EXPECT_EQ(Events.MonthPhaseTable()[4].DayNumber, -1);
    EXPECT_EQ(CompassPosition(90), "E");
    double altitude = 0, azimuth = 0;
    EXPECT_TRUE(
        Form->CalcSunMoonPosition(altitude, azimuth, true, true, EncodeDate(2024, 1, 1) + 0.5));
    EXPECT_NEAR(azimuth, 180, 5);  // the sun near the meridian at noon, 0.1 degrees west
    EXPECT_GT(Form->DayMoon.Count, 0);
}

TEST_F(InfoTabsTest, MonthGridMarksAnEclipseAFullMoonAndAHoliday) {
    // September 2024: Labor Day on the 2nd; the partial lunar eclipse begins 00:41 UT on
    // the 18th, the day of the full moon (02:34 UT).
    test::TScopedZone zone("Etc/UTC");
    Start(EncodeDate(2024, 9, 10) + 0.5, EncodeDate(2024, 9, 10));
    EXPECT_TRUE(Events.HasEclipse(EncodeDate(2024, 9, 18)));
    EXPECT_FALSE(Events.HasEclipse(EncodeDate(2024, 9, 17)));
    EXPECT_EQ(Events.MoonPhaseName(EncodeDate(2024, 9, 18)), "FULL MOON");
    EXPECT_EQ(Events.EquinoxSolsticeName(EncodeDate(2024, 9, 22)), "Sep Equinox");
    EXPECT_TRUE(Events.IsHoliday(EncodeDate(2024, 9, 2)));
    int index = 1;
    std::string holiday;
    GetHolidayName(index, EncodeDate(2024, 9, 2), holiday);
    EXPECT_EQ(holiday, "Labor Day");

    Calendar->show();
    const QImage image = Calendar->grab().toImage();
    EXPECT_GT(CountNear(image, CellRectOf(18), Qt::blue), 0);     // eclipse
    EXPECT_GT(CountNear(image, CellRectOf(18), Qt::yellow), 40);  // tiny full moon
    EXPECT_GT(CountNear(image, CellRectOf(2), Qt::red), 0);       // holiday
    EXPECT_GT(CountNear(image, CellRectOf(22), Qt::blue), 0);     // equinox
    EXPECT_EQ(
        CountNear(image, CellRectOf(10), Qt::red) + CountNear(image, CellRectOf(10), Qt::blue), 0);

    // In New York the eclipse begins on the evening of the 17th.
    test::TScopedZone newYork("America/New_York");
    Events.Rebuild();
    EXPECT_TRUE(Events.HasEclipse(EncodeDate(2024, 9, 17)));
    EXPECT_FALSE(Events.HasEclipse(EncodeDate(2024, 9, 18)));
}

}  // namespace
}  // namespace orbelune
