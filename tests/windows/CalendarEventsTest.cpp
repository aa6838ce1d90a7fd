// The calendar-events model: what it holds for the shown month and year, when it
// rebuilds, and that reading it (as the month grid's painting does) changes nothing.
#include "Calendar.h"
#include "CalendarEvents.h"
#include "DateTimeRtl.h"
#include "FakePlatform.h"
#include "ProgramState.h"
#include "ScopedZone.h"
#include "Settings.h"

#include <gtest/gtest.h>

#include <cmath>

namespace orbelune {
namespace {

class CalendarEventsTest : public ::testing::Test {
protected:
    CalendarEventsTest() {
        test::ResetProgramState();
        QObject::connect(&Events, &TCalendarEvents::Changed, [this] { ++Builds; });
    }
    ~CalendarEventsTest() override { test::ResetProgramState(); }

    test::TFakePlatform Fakes;
    test::TScopedZone Zone{"Etc/UTC"};
    TCalendarEvents Events;
    int Builds = 0;
};

// September 2024 (UT): Labor Day on the 2nd, the partial lunar eclipse and the full moon
// on the 18th, the equinox on the 22nd; four eclipses in the year.
TEST_F(CalendarEventsTest, TheMarkedDaysOfTheShownMonthAndYear) {
    Events.SetDate(EncodeDate(2024, 9, 10) + 0.5);
    EXPECT_DOUBLE_EQ(Events.Date(), EncodeDate(2024, 9, 10));
    EXPECT_TRUE(Events.IsHoliday(EncodeDate(2024, 9, 2)));
    EXPECT_FALSE(Events.IsHoliday(EncodeDate(2024, 9, 3)));
    EXPECT_FALSE(Events.IsHoliday(EncodeDate(2024, 12, 25)));  // another month: not known
    EXPECT_TRUE(Events.HasEclipse(EncodeDate(2024, 9, 18)));
    EXPECT_EQ(Events.MoonPhaseName(EncodeDate(2024, 9, 18)), "FULL MOON");
    EXPECT_EQ(Events.EquinoxSolsticeName(EncodeDate(2024, 9, 22)), "Sep Equinox");
    EXPECT_EQ(Events.ShownEclipseYear(), 2024);
    EXPECT_EQ(Events.EclipseYear().Rows.size(), 4u);
    ASSERT_TRUE(Events.EclipseDate(2).has_value());
    EXPECT_EQ(std::trunc(*Events.EclipseDate(2)), EncodeDate(2024, 4, 8));
    EXPECT_FALSE(Events.EclipseDate(5).has_value());
}

TEST_F(CalendarEventsTest, RebuiltOnlyForAnotherMonthYearOrTimeFormat) {
    Events.SetDate(EncodeDate(2024, 9, 10));
    EXPECT_EQ(Builds, 1);
    Events.SetDate(EncodeDate(2024, 9, 28));
    EXPECT_EQ(Builds, 1);
    Events.SetDate(EncodeDate(2024, 10, 1));
    EXPECT_EQ(Builds, 2);
    EXPECT_EQ(Events.MoonPhaseName(EncodeDate(2024, 9, 18)), "");  // September's are gone
    Settings.UseMilitaryTime = true;
    Events.SetDate(EncodeDate(2024, 10, 1));
    EXPECT_EQ(Builds, 3);
    Events.Rebuild();
    EXPECT_EQ(Builds, 4);
}

TEST_F(CalendarEventsTest, ReadingAndPaintingChangeNothing) {
    Events.SetDate(EncodeDate(2024, 9, 10));
    // A day of another year is not looked up by building that year.
    EXPECT_TRUE(Events.Eclipse(EncodeDate(1982, 7, 6)).Name.isEmpty());
    EXPECT_EQ(Events.ShownEclipseYear(), 2024);
    TCalendar grid;
    grid.resize(7 * 30 + 6, 7 * 20 + 6);
    grid.SetCalendarDate(EncodeDate(1982, 7, 1));  // the grid alone, not wired to the model
    grid.SetMarks(&Events);
    grid.show();
    EXPECT_FALSE(grid.grab().isNull());
    EXPECT_EQ(Builds, 1);
    EXPECT_EQ(Events.ShownEclipseYear(), 2024);
}

}  // namespace
}  // namespace orbelune
