// The month grid: cell layout for several months and first days of the week, the date
// parts and their guards, month and year steps, clicks, and the marks it paints.
#include "Calendar.h"

#include "FakePlatform.h"
#include "PixelCounts.h"

#include "DateTimeRtl.h"
#include "Settings.h"

#include <QImage>
#include <QMap>
#include <QSet>

#include <gtest/gtest.h>

namespace orbelune {
namespace {

using test::CountNear;

// Marks given by the test, by date.
struct TFakeMarks final : TDayMarks {
    QMap<TDateTime, QString> Seasons;
    QMap<TDateTime, QString> Phases;
    QSet<TDateTime> Eclipses;
    QSet<TDateTime> Holidays;
    bool HasEclipse(TDateTime Day) const override { return Eclipses.contains(Day); }
    bool IsHoliday(TDateTime Day) const override { return Holidays.contains(Day); }
    QString EquinoxSolsticeName(TDateTime Day) const override { return Seasons.value(Day); }
    QString MoonPhaseName(TDateTime Day) const override { return Phases.value(Day); }
};

struct CalendarFixture : testing::Test {
    void SetUp() override {
        platform.Clock.Value = EncodeDate(2025, 3, 14) + 0.5;
        calendar = std::make_unique<TCalendar>();
        calendar->resize(7 * 30 + 6, 7 * 20 + 6);
        calendar->show();  // offscreen; a shown widget gets its resize events at once
        QObject::connect(calendar.get(), &TCalendar::Changed, [this] { ++changes; });
        calendar->SetMarks(&marks);
    }
    void TearDown() override { Settings.SouthernHemisphere = false; }
    void Show(int year, int month, int day) {
        calendar->SetCalendarDate(EncodeDate(year, month, day));
        changes = 0;
    }
    // Column and row of the cell that shows day n, or (-1, -1).
    std::pair<int, int> CellOf(int n) const {
        for (int row = 1; row < TCalendar::RowCount; ++row)
            for (int col = 0; col < TCalendar::ColCount; ++col)
                if (calendar->CellText(col, row) == QString::number(n)) return {col, row};
        return {-1, -1};
    }
    test::TFakePlatform platform;
    TFakeMarks marks;
    std::unique_ptr<TCalendar> calendar;
    int changes = 0;
};

TEST(CalendarLayout, MonthOffsetPutsTheFirstInRowOne) {
    // First day on StartOfWeek: column 0; on the week's last day: column 6 (offset -5).
    EXPECT_EQ(CalendarMonthOffset(1, 0), 1);
    EXPECT_EQ(CalendarMonthOffset(1, 1), -5);
    EXPECT_EQ(CalendarMonthOffset(7, 0), -5);
    EXPECT_EQ(CalendarMonthOffset(4, 0), -2);
    for (int first = 1; first <= 7; ++first)
        for (int start = 0; start <= 6; ++start) {
            const int offset = CalendarMonthOffset(first, start);
            const int col = 1 - offset;
            EXPECT_GE(col, 0);
            EXPECT_LE(col, 6);
            EXPECT_EQ((col + start) % 7, first - 1) << first << " " << start;
        }
}

TEST_F(CalendarFixture, MonthsAndFirstDaysOfTheWeek) {
    // Weekdays of the firsts from the published calendars: 1 Sep 2024 Sunday, 1 Jun
    // 2024 Saturday, 1 Feb 2026 Sunday, 1 Jan 2025 Wednesday, 1 Jul 1776 Monday.
    struct Case {
        int Year, Month, StartOfWeek;
        std::pair<int, int> First, Last;
    };
    const Case cases[] = {
        {2024, 9, 0, {0, 1}, {1, 5}}, {2024, 9, 1, {6, 1}, {0, 6}}, {2024, 6, 0, {6, 1}, {0, 6}},
        {2024, 6, 6, {0, 1}, {1, 5}}, {2026, 2, 0, {0, 1}, {6, 4}}, {2025, 1, 1, {2, 1}, {4, 5}},
        {1776, 7, 0, {1, 1}, {3, 5}}, {1776, 7, 3, {5, 1}, {0, 6}},
    };
    for (const Case& c : cases) {
        calendar->SetStartOfWeek(c.StartOfWeek);
        Show(c.Year, c.Month, 1);
        EXPECT_EQ(CellOf(1), c.First) << c.Year << "-" << c.Month << " start " << c.StartOfWeek;
        EXPECT_EQ(CellOf(calendar->DaysThisMonth()), c.Last) << c.Year << "-" << c.Month;
        EXPECT_EQ(calendar->Col(), c.First.first);
        EXPECT_EQ(calendar->Row(), c.First.second);
    }
}

TEST_F(CalendarFixture, EmptyCellsAroundTheMonth) {
    Show(2024, 6, 15);  // 1 June 2024 in column 6, 30 June in row 6 column 0
    for (int col = 0; col < 6; ++col) EXPECT_TRUE(calendar->CellText(col, 1).isEmpty());
    for (int col = 1; col < 7; ++col) EXPECT_TRUE(calendar->CellText(col, 6).isEmpty());
    EXPECT_EQ(calendar->CellText(2, 3), QStringLiteral("11"));
}

TEST_F(CalendarFixture, HeaderFollowsStartOfWeek) {
    EXPECT_EQ(calendar->CellText(0, 0), QStringLiteral("Sun"));
    EXPECT_EQ(calendar->CellText(6, 0), QStringLiteral("Sat"));
    calendar->SetStartOfWeek(1);
    EXPECT_EQ(calendar->CellText(0, 0), QStringLiteral("Mon"));
    EXPECT_EQ(calendar->CellText(6, 0), QStringLiteral("Sun"));
}

TEST_F(CalendarFixture, CreatedOnTodayFollowingTheClock) {
    EXPECT_EQ(calendar->CalendarDate(), EncodeDate(2025, 3, 14));
    EXPECT_TRUE(calendar->UseCurrentDate());
    EXPECT_TRUE(calendar->ShowHolidays);
    EXPECT_TRUE(calendar->ShowTinyMoons);
    EXPECT_TRUE(calendar->ShowEquinoxSolstice);
    EXPECT_EQ(calendar->Day(), 14);
    EXPECT_EQ(calendar->Month(), 3);
    EXPECT_EQ(calendar->Year(), 2025);
}

TEST_F(CalendarFixture, DatePartWritesAndTheirGuards) {
    Show(2025, 4, 10);
    calendar->SetDay(0);
    calendar->SetDay(31);  // April has 30 days
    calendar->SetMonth(13);
    calendar->SetYear(0);
    calendar->SetDay(10);  // unchanged
    EXPECT_EQ(changes, 0);
    EXPECT_TRUE(calendar->UseCurrentDate());
    calendar->SetDay(30);
    EXPECT_EQ(calendar->CalendarDate(), EncodeDate(2025, 4, 30));
    EXPECT_EQ(changes, 1);
    EXPECT_FALSE(calendar->UseCurrentDate());
}

TEST_F(CalendarFixture, MonthAndYearWritesClampTheDay) {
    Show(2025, 1, 31);
    calendar->SetMonth(4);
    EXPECT_EQ(calendar->CalendarDate(), EncodeDate(2025, 4, 30));
    calendar->SetMonth(2);
    EXPECT_EQ(calendar->CalendarDate(), EncodeDate(2025, 2, 28));
    Show(2024, 2, 29);
    calendar->SetYear(2023);
    EXPECT_EQ(calendar->CalendarDate(), EncodeDate(2023, 2, 28));
    EXPECT_EQ(changes, 1);
}

TEST_F(CalendarFixture, CalendarDateWriteKeepsFollowingToday) {
    calendar->SetCalendarDate(EncodeDate(2025, 7, 4));
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(calendar->UseCurrentDate());
    calendar->SetUseCurrentDate(false);
    calendar->SetUseCurrentDate(true);
    EXPECT_EQ(calendar->CalendarDate(), EncodeDate(2025, 3, 14));
    EXPECT_EQ(changes, 1);  // no change event for following today
}

TEST_F(CalendarFixture, MonthSteps) {
    Show(2025, 1, 31);
    calendar->ChangeMonth(TCalendar::NextMonth);
    EXPECT_EQ(calendar->CalendarDate(), EncodeDate(2025, 2, 28));
    Show(2024, 1, 31);
    calendar->ChangeMonth(TCalendar::NextMonth);
    EXPECT_EQ(calendar->CalendarDate(), EncodeDate(2024, 2, 29));
    Show(2025, 3, 31);
    calendar->ChangeMonth(TCalendar::PrevMonth);
    EXPECT_EQ(calendar->CalendarDate(), EncodeDate(2025, 2, 28));
    Show(2024, 3, 31);
    calendar->ChangeMonth(TCalendar::PrevMonth);
    EXPECT_EQ(calendar->CalendarDate(), EncodeDate(2024, 2, 29));
    Show(2025, 12, 15);
    calendar->ChangeMonth(TCalendar::NextMonth);
    EXPECT_EQ(calendar->CalendarDate(), EncodeDate(2026, 1, 15));
    calendar->ChangeMonth(TCalendar::PrevMonth);
    calendar->ChangeMonth(TCalendar::PrevMonth);
    EXPECT_EQ(calendar->CalendarDate(), EncodeDate(2025, 11, 15));
}

TEST_F(CalendarFixture, YearStepsFromTheLeapDay) {
    Show(2024, 2, 29);
    calendar->NextYear();
    EXPECT_EQ(calendar->CalendarDate(), EncodeDate(2025, 2, 28));
    Show(2024, 2, 29);
    calendar->PrevYear();
    EXPECT_EQ(calendar->CalendarDate(), EncodeDate(2023, 2, 28));
    Show(2023, 6, 30);
    calendar->NextYear();
    EXPECT_EQ(calendar->CalendarDate(), EncodeDate(2024, 6, 30));
    EXPECT_EQ(changes, 1);
}

TEST_F(CalendarFixture, ClicksSelectOnlyDayCells) {
    Show(2024, 6, 15);
    calendar->ClickCell(0, 1);  // before 1 June
    calendar->ClickCell(3, 6);  // after 30 June
    EXPECT_EQ(calendar->CalendarDate(), EncodeDate(2024, 6, 15));
    EXPECT_EQ(changes, 0);
    calendar->ClickCell(2, 3);
    EXPECT_EQ(calendar->CalendarDate(), EncodeDate(2024, 6, 11));
    EXPECT_EQ(changes, 1);
    calendar->SetReadOnly(true);
    calendar->ClickCell(3, 3);
    EXPECT_EQ(calendar->CalendarDate(), EncodeDate(2024, 6, 11));
}

TEST_F(CalendarFixture, ResizeSharesTheClientAmongSevenCells) {
    calendar->resize(7 * 30 + 6, 7 * 20 + 6);
    EXPECT_EQ(calendar->DefaultColWidth(), 30);
    EXPECT_EQ(calendar->DefaultRowHeight(), 20);
    calendar->resize(200, 100);
    EXPECT_EQ(calendar->DefaultColWidth(), (200 - 6) / 7);
    EXPECT_EQ(calendar->DefaultRowHeight(), (100 - 6) / 7);
}

TEST(TinyMoon, HalvesByPhaseAndHemisphere) {
    const QColor yellow(255, 255, 0), black(0, 0, 0);
    TTinyMoonLook look = TinyMoonLook(QStringLiteral("First Quarter"), false);
    EXPECT_EQ(look.Right, yellow);
    EXPECT_EQ(look.Left, black);
    look = TinyMoonLook(QStringLiteral("First Quarter"), true);
    EXPECT_EQ(look.Right, black);
    EXPECT_EQ(look.Left, yellow);
    look = TinyMoonLook(QStringLiteral("Last Quarter"), false);
    EXPECT_EQ(look.Left, yellow);
    EXPECT_EQ(look.Right, black);
    look = TinyMoonLook(QStringLiteral("FULL MOON"), true);
    EXPECT_TRUE(look.FullDisc);
    look = TinyMoonLook(QStringLiteral("New Moon"), false);
    EXPECT_FALSE(look.FullDisc);
    EXPECT_EQ(look.Right, black);
    EXPECT_EQ(look.Left, black);
}

TEST_F(CalendarFixture, MarksColourHolidaysEclipsesAndSeasons) {
    Show(2025, 12, 1);
    const TDateTime christmas = EncodeDate(2025, 12, 25);
    marks.Holidays = {christmas};
    marks.Seasons[EncodeDate(2025, 12, 21)] = QStringLiteral("Dec Solstice");
    const auto cellOf = [&](int n) {
        const auto [col, row] = CellOf(n);
        return calendar->CellRect(col, row);
    };
    QImage image = calendar->grab().toImage();
    EXPECT_GT(CountNear(image, cellOf(25), Qt::red), 0);
    EXPECT_GT(CountNear(image, cellOf(21), Qt::blue), 0);
    EXPECT_EQ(CountNear(image, cellOf(10), Qt::red) + CountNear(image, cellOf(10), Qt::blue), 0);

    // An eclipse on a holiday paints it blue.
    marks.Eclipses = {christmas};
    image = calendar->grab().toImage();
    EXPECT_EQ(CountNear(image, cellOf(25), Qt::red), 0);
    EXPECT_GT(CountNear(image, cellOf(25), Qt::blue), 0);

    // Without ShowHolidays nothing is coloured.
    calendar->ShowHolidays = false;
    image = calendar->grab().toImage();
    EXPECT_EQ(CountNear(image, cellOf(25), Qt::blue), 0);
    EXPECT_EQ(CountNear(image, cellOf(21), Qt::blue), 0);
}

TEST_F(CalendarFixture, TinyMoonsOnPhaseDays) {
    Show(2025, 12, 1);
    marks.Phases[EncodeDate(2025, 12, 4)] = QStringLiteral("FULL MOON");
    marks.Phases[EncodeDate(2025, 12, 20)] = QStringLiteral("New Moon");
    marks.Phases[EncodeDate(2025, 12, 27)] = QStringLiteral("First Quarter");
    const auto moonSquare = [&](int n) {
        const auto [col, row] = CellOf(n);
        const QRect r = calendar->CellRect(col, row);
        return QRect(r.x() + r.width() - 12, r.y() + r.height() - 14, 12, 12);
    };
    const auto half = [&](int n, bool leftHalf) {
        const QRect s = moonSquare(n);
        return leftHalf ? QRect(s.x() + 1, s.y() + 3, 3, 5) : QRect(s.x() + 7, s.y() + 3, 3, 5);
    };
    QImage image = calendar->grab().toImage();
    EXPECT_GT(CountNear(image, moonSquare(4), Qt::yellow), 40);
    EXPECT_EQ(CountNear(image, moonSquare(20), Qt::yellow), 0);
    EXPECT_GT(CountNear(image, moonSquare(20), Qt::black), 40);
    EXPECT_GT(CountNear(image, half(27, false), Qt::yellow), 10);
    EXPECT_EQ(CountNear(image, half(27, true), Qt::yellow), 0);
    EXPECT_EQ(CountNear(image, moonSquare(10), Qt::yellow), 0);

    Settings.SouthernHemisphere = true;
    image = calendar->grab().toImage();
    EXPECT_GT(CountNear(image, half(27, true), Qt::yellow), 10);
    EXPECT_EQ(CountNear(image, half(27, false), Qt::yellow), 0);

    calendar->ShowTinyMoons = false;
    image = calendar->grab().toImage();
    EXPECT_EQ(CountNear(image, moonSquare(4), Qt::yellow), 0);
}

}  // namespace
}  // namespace orbelune
