// The clock window's date commands through the real windows, with "now" and the zone
// fixed: the two "Go To" menus, every holiday jump of a year against the engine's
// table, the step bounds, the month and year boxes' day step-back, the seasons,
// daylight saving, moon phases and meteor showers.
#include "ClockForm.h"

#include "Calendar.h"
#include "DateNavigation.h"
#include "DateTimeRtl.h"
#include "FakePlatform.h"
#include "Holidays.h"
#include "InfoForm.h"
#include "PlanetSheet.h"
#include "ProgramState.h"
#include "ScopedZone.h"
#include "Settings.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QGroupBox>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

namespace orbelune {
namespace {

class ClockNavigationTest : public testing::Test {
protected:
    void SetUp() override {
        test::ResetProgramState();
        Settings.UpdateClockPerSchedule = false;
        Settings.UpdateWeatherPerSchedule = false;
        Settings.ShowInfoFormAtStartup = false;
        platform.Clock.Value = EncodeDate(2025, 3, 14) + 0.4;
        form = std::make_unique<TForm1>();
        form->FormCreate({QStringLiteral("orbelune"), QStringLiteral("/C")});
        info = std::make_unique<TInfoForm>(*form->Events);
        form->AttachInfoForm(info.get());
        QObject::connect(form->Calendar1, &TCalendar::Changed, form.get(),
                         [this] { changes.append(Shown()); });
    }
    void TearDown() override {
        info.reset();
        form.reset();
        test::ResetProgramState();
    }
    void Show(int year, int month, int day) {
        form->Calendar1->SetCalendarDate(EncodeDate(year, month, day));
        changes.clear();
    }
    QDate Shown() const {
        int y = 0, m = 0, d = 0;
        DecodeDate(form->Calendar1->CalendarDate(), y, m, d);
        return {y, m, d};
    }
    void Trigger(const char* name) {
        QAction* action = form->findChild<QAction*>(QString::fromLatin1(name));
        ASSERT_NE(action, nullptr) << name;
        action->trigger();
    }
    void Pick(QComboBox* box, const QString& text) {
        box->setCurrentIndex(box->findText(text));
        emit box->activated(box->currentIndex());
    }

    test::TFakePlatform platform;
    test::TScopedZone zone{"America/New_York"};
    std::unique_ptr<TForm1> form;
    std::unique_ptr<TInfoForm> info;
    QList<QDate> changes;
};

// The captions of a menu in order, submenus as "Title/Caption"; separators as "-".
QStringList Captions(const QMenu* menu, const QString& path = QString()) {
    QStringList captions;
    for (const QAction* action : menu->actions()) {
        if (action->isSeparator())
            captions << QStringLiteral("-");
        else if (action->menu() != nullptr)
            captions << Captions(action->menu(), path + action->text() + QLatin1Char('/'));
        else
            captions << path + action->text();
    }
    return captions;
}

TEST_F(ClockNavigationTest, BothMenusListEveryDateCommandInTheSameOrder) {
    Show(2023, 8, 15);
    const QStringList dropDown = Captions(form->ButPopupMenu);
    EXPECT_EQ(dropDown, Captions(form->GoToMenu1));
    EXPECT_EQ(form->PopupMenu1->actions().first(), form->GoToMenu1->menuAction());
    EXPECT_EQ(form->GoToMenu1->title(), QStringLiteral("&Go To..."));
    EXPECT_EQ(dropDown.mid(0, 7), QStringList({"Today", "Prev Day", "Next Day", "Last Month",
                                               "Next Month", "Last Year", "Next Year"}));
    QStringList holidays;
    for (const TNavigationAction& jump : HolidayJumps())
        holidays << QStringLiteral("&Holidays/") + QString::fromLatin1(jump.Caption);
    EXPECT_EQ(dropDown.mid(dropDown.indexOf(holidays.first()), 25), holidays);
    for (const char* caption :
         {"Mar Equinox", "Dec Solstice", "Daylight Savings/Start", "Daylight Savings/End",
          "&Meteor Showers/Jan  3 - Quadrantids", "&Meteor Showers/Nov 18 - Leonids"})
        EXPECT_TRUE(dropDown.contains(QString::fromLatin1(caption))) << caption;
    // August 2023 has two full moons, in the order of their days.
    EXPECT_EQ(dropDown.count(QStringLiteral("FULL MOON")), 2);
    EXPECT_EQ(form->GoToToday1->toolTip(), QStringLiteral("Go To Today"));
    EXPECT_EQ(form->ButLastMonth->toolTip(), QStringLiteral("Last Month"));
    // The information window's menu offers the clock window's "go to today".
    EXPECT_TRUE(info->menuBar()->actions().contains(form->GoToToday1));
}

TEST_F(ClockNavigationTest, EveryHolidayJumpLandsOnItsEntryOfTheYearsTable) {
    // The name under which the engine's table stores each jump's holiday.
    const std::map<std::string, std::string> tableNames = {
        {"GoToNewYearsDay1", "New Year's Day"},
        {"GoToMartinLutherKingDay1", "Martin L. King"},
        {"GoToChineseNewYear1", "China New Year"},
        {"GoToGroundHogDay1", "Groundhog Day"},
        {"GoToValentinesDay1", "Valentine's Day"},
        {"GoToWashingtonsBirthday1", "Wash. Birthday"},
        {"GoToAshWednesday1", "Ash Wednesday"},
        {"GoToSaintPatricksDay1", "St Patrick's Day"},
        {"GoToPassover1", "Passover Day 1"},
        {"GoToGoodFriday", "Good Friday"},
        {"GoToEaster1", "Easter"},
        {"GoToEasterOrthodox1", "Orthodox Easter"},
        {"GoToMothersDay1", "Mother's Day"},
        {"GoToMemorialDay1", "Memorial Day"},
        {"GoToFathersDay1", "Father's Day"},
        {"GoToFourthOfJuly1", "Fourth of July"},
        {"GoToLaborDay1", "Labor Day"},
        {"GoToJewishNewYear1", "Jewish New Year"},
        {"GoToColumbusDay1", "Columbus Day"},
        {"GoToHalloween1", "Halloween"},
        {"GoToElectionDay1", "Election Day"},
        {"GoToVeteransDay1", "Veterans Day"},
        {"GoToThanksgiving1", "Thanksgiving"},
        {"GoToHanukah1", "Hanukah Day 1"},
        {"GoToChristmas1", "Christmas"},
    };
    ASSERT_EQ(tableNames.size(), 25u);
    Show(2024, 6, 15);
    for (QAction* action : form->GoToHolidays) {
        const std::string name = action->objectName().toStdString();
        SCOPED_TRACE(name);
        action->trigger();
        BuildHolidayTable(2024);
        int index = 1;  // the dated entry of that name (a second Hanukah is mostly undated)
        while (index <= HolidayCount &&
               (HolidayNames[index] != tableNames.at(name) || HolidayDates[index] == 0))
            ++index;
        ASSERT_LE(index, HolidayCount);
        EXPECT_EQ(form->Calendar1->CalendarDate(), HolidayDates[index]);
    }
}

TEST_F(ClockNavigationTest, StepsStopAtTheBounds) {
    struct Case {
        QDate From;
        const char* Action;
        QDate To;  // invalid: refused
    };
    const Case cases[] = {
        {{1601, 1, 1}, "GoToPrevDay1", {}},
        {{1601, 1, 2}, "GoToPrevDay1", {1601, 1, 1}},
        {{3428, 12, 31}, "GoToNextDay1", {}},
        {{3428, 12, 30}, "GoToNextDay1", {3428, 12, 31}},
        {{1600, 1, 15}, "GoToPrevMonthAction1", {}},
        {{1600, 2, 15}, "GoToPrevMonthAction1", {1600, 1, 15}},
        {{1600, 3, 31}, "GoToPrevMonthAction1", {1600, 2, 29}},
        {{3429, 12, 1}, "GoToNextMonthAction1", {}},
        {{3429, 11, 30}, "GoToNextMonthAction1", {3429, 12, 30}},
        {{1600, 6, 1}, "GoToPrevYearAction1", {}},
        {{3429, 6, 1}, "GoToNextYearAction1", {}},
        {{2024, 2, 29}, "GoToNextYearAction1", {2025, 2, 28}},
        {{2030, 1, 1}, "GoToToday1", {2025, 3, 14}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.From.toString(Qt::ISODate).toStdString() + " " + c.Action);
        Show(c.From.year(), c.From.month(), c.From.day());
        Trigger(c.Action);
        EXPECT_EQ(Shown(), c.To.isValid() ? c.To : c.From);
        if (!c.To.isValid()) {
            EXPECT_TRUE(changes.isEmpty());
        }
    }
    // The speed buttons run the same actions.
    Show(1600, 1, 15);
    form->ButLastMonth->click();
    EXPECT_EQ(Shown(), QDate(1600, 1, 15));
    form->ButNextYear->click();
    EXPECT_EQ(Shown(), QDate(1601, 1, 15));
}

TEST_F(ClockNavigationTest, MonthAndYearBoxesStepTheDayBackFirst) {
    Show(2023, 3, 31);
    Pick(form->MonthComboBox, QLocale().monthName(2));
    // Each step back is a date change of its own, with the displays of that day.
    EXPECT_EQ(changes, QList<QDate>({{2023, 3, 30}, {2023, 3, 29}, {2023, 3, 28}, {2023, 2, 28}}));
    EXPECT_EQ(form->MonthComboBox->currentIndex(), 1);
    Show(2024, 3, 31);
    Pick(form->MonthComboBox, QLocale().monthName(2));
    EXPECT_EQ(Shown(), QDate(2024, 2, 29));
    EXPECT_EQ(changes.size(), 3);

    Pick(form->YearComboBox, QStringLiteral("2023"));
    EXPECT_EQ(changes.mid(3), QList<QDate>({{2024, 2, 28}, {2023, 2, 28}}));
    EXPECT_EQ(form->YearComboBox->currentText(), QStringLiteral("2023"));
    // Typed keys do not choose a year.
    QKeyEvent typed(QEvent::KeyPress, Qt::Key_1, Qt::NoModifier, QStringLiteral("1"));
    QApplication::sendEvent(form->YearComboBox, &typed);
    EXPECT_EQ(Shown(), QDate(2023, 2, 28));
}

TEST_F(ClockNavigationTest, SeasonsDaylightSavingAndMeteorShowers) {
    Settings.UseLocalTime = true;
    Show(2024, 7, 1);
    // The March equinox of 2024 came at 03:06 UT on the 20th: 11:06 PM on the 19th in
    // New York. The December solstice at 09:20 UT on the 21st.
    Trigger("GoToMarEquinox1");
    EXPECT_EQ(Shown(), QDate(2024, 3, 19));
    Trigger("GoToDecSolstice1");
    EXPECT_EQ(Shown(), QDate(2024, 12, 21));

    // The clock changes of the calendar's own year, under the rules of that year.
    Trigger("GoToDaylightStart1");
    EXPECT_EQ(Shown(), QDate(2024, 3, 10));
    Show(2006, 6, 1);
    Trigger("GoToDaylightStart1");
    EXPECT_EQ(Shown(), QDate(2006, 4, 2));
    Trigger("GoToDaylightEnd1");
    EXPECT_EQ(Shown(), QDate(2006, 10, 29));

    // The Leonids' day is the 17th although the caption names the 18th.
    Trigger("GoToMeteor8");
    EXPECT_EQ(Shown(), QDate(2006, 11, 17));
    EXPECT_EQ(form->GoToMeteor[7]->text(), QStringLiteral("Nov 18 - Leonids"));
    Trigger("GoToMeteor3");
    EXPECT_EQ(Shown(), QDate(2006, 5, 5));
    // Each opens the shower's page in the default browser.
    ASSERT_EQ(platform.Urls.Opened.size(), 2);
    EXPECT_EQ(platform.Urls.Opened[0].toString(), MeteorShowerAddress(MeteorShowers()[7]));
    EXPECT_EQ(platform.Urls.Opened[1].toString(), MeteorShowerAddress(MeteorShowers()[2]));
    // The Planet tab's buttons for the calendar's year do the same.
    EXPECT_EQ(info->PlanetPage->MeteorsGroupBox->title(), QStringLiteral(" 2006  Meteor Showers "));
    auto* perseids = info->findChild<QAbstractButton*>(QStringLiteral("MeteorBut5"));
    ASSERT_NE(perseids, nullptr);
    EXPECT_EQ(perseids->text(), QStringLiteral("Aug 11 - Perseids"));
    perseids->click();
    EXPECT_EQ(Shown(), QDate(2006, 8, 12));
    ASSERT_EQ(platform.Urls.Opened.size(), 3);
    EXPECT_EQ(platform.Urls.Opened[2].toString(), MeteorShowerAddress(MeteorShowers()[4]));
}

TEST_F(ClockNavigationTest, WithoutClockChangesTheDaylightJumpsStay) {
    test::TScopedZone utc("Etc/UTC");
    Show(2024, 7, 1);
    Trigger("GoToDaylightStart1");
    Trigger("GoToDaylightEnd1");
    EXPECT_EQ(Shown(), QDate(2024, 7, 1));
    EXPECT_TRUE(changes.isEmpty());
}

TEST_F(ClockNavigationTest, MoonPhaseItemsGoToTheirPhase) {
    Show(2023, 8, 15);
    form->MoonMenu[4]->trigger();
    EXPECT_EQ(Shown(), QDate(2023, 8, 30));
    form->MenuMoon[1]->trigger();
    EXPECT_EQ(Shown(), QDate(2023, 8, 8));
    EXPECT_TRUE(form->MenuMoon[1]->text().endsWith(QLatin1String("Last Quarter")));
}

}  // namespace
}  // namespace orbelune
