// The year calendar: the months of the shown year in their places, one selected day
// picked by mouse or keys, bold days asked per month, week layout and ISO week
// numbers, and a picture without the today frame.
#include "BigCalendar.h"

#include "PixelCounts.h"

#include "DateTimeRtl.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include <gtest/gtest.h>

namespace orbelune {
namespace {

TDateTime Day(int year, int month, int day) {
    return EncodeDate(year, month, day);
}

struct BigCalendarFixture : testing::Test {
    void SetUp() override {
        calendar.resize(calendar.sizeHint());
        calendar.SetDate(Day(2024, 3, 15));
        QObject::connect(&calendar, &TBigCalendar::GetMonthInfo, [this](int year, int month) {
            asked.append(month);
            if (year == 2024 && month == 3) calendar.SetBoldDays(3, {1, 15});
        });
        QObject::connect(&calendar, &TBigCalendar::Click, [this] { ++clicks; });
    }
    void Press(const QDate& day) {
        const QPointF at = calendar.DayRect(day).center();
        QMouseEvent press(QEvent::MouseButtonPress, at, calendar.mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&calendar, &press);
    }
    void Key(int key) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(&calendar, &event);
    }
    TBigCalendar calendar;
    QList<int> asked;
    int clicks = 0;
};

TEST_F(BigCalendarFixture, MonthsInFourColumnsAndEveryDayFoundWhereItIsDrawn) {
    EXPECT_EQ(calendar.Date(), Day(2024, 3, 15));
    EXPECT_EQ(calendar.Year(), 2024);
    // January to April across the top, December at the bottom right.
    EXPECT_LT(calendar.DayRect(QDate(2024, 1, 1)).left(), calendar.DayRect({2024, 2, 1}).left());
    EXPECT_EQ(calendar.DayRect({2024, 1, 31}).top(), calendar.DayRect({2024, 4, 28}).top());
    EXPECT_GT(calendar.DayRect({2024, 5, 1}).top(), calendar.DayRect({2024, 4, 30}).top());
    EXPECT_GT(calendar.DayRect({2024, 12, 31}).right(), calendar.width() * 3 / 4);
    for (QDate day(2024, 1, 1); day.year() == 2024; day = day.addDays(1)) {
        const QRect rect = calendar.DayRect(day);
        ASSERT_TRUE(calendar.rect().contains(rect)) << day.toString().toStdString();
        ASSERT_EQ(calendar.DayAt(rect.center()), day);
    }
    // Blank cells before the first and after the last of a month pick nothing.
    const QRect first = calendar.DayRect({2024, 3, 1});  // a Friday
    EXPECT_FALSE(calendar.DayAt(first.center() - QPoint(first.width(), 0)).isValid());
    EXPECT_FALSE(calendar.DayAt(calendar.DayRect({2024, 3, 31}).center() + QPoint(first.width(), 0))
                     .isValid());
    EXPECT_EQ(calendar.DayRect({2023, 3, 1}), QRect());
}

TEST_F(BigCalendarFixture, AsksForBoldDaysWhenTheYearChanges) {
    calendar.SetDate(Day(2024, 7, 4) + 0.5);
    EXPECT_TRUE(asked.isEmpty());
    calendar.RefreshMonthInfo();
    EXPECT_EQ(asked, QList<int>({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    EXPECT_EQ(calendar.BoldDays(3), QList<int>({1, 15}));
    EXPECT_TRUE(calendar.BoldDays(4).isEmpty());
    asked.clear();
    calendar.SetDate(Day(2025, 3, 1));
    EXPECT_EQ(asked.size(), 12);
    EXPECT_TRUE(calendar.BoldDays(3).isEmpty());
}

TEST_F(BigCalendarFixture, MouseAndKeysPickADayOfTheShownYear) {
    Press({2024, 5, 20});
    EXPECT_EQ(calendar.Date(), Day(2024, 5, 20));
    EXPECT_EQ(clicks, 1);
    Press({2024, 5, 20});  // the same day again is no change
    EXPECT_EQ(clicks, 1);
    Key(Qt::Key_Down);
    EXPECT_EQ(calendar.Date(), Day(2024, 5, 27));
    Key(Qt::Key_PageDown);
    EXPECT_EQ(calendar.Date(), Day(2024, 6, 27));
    Key(Qt::Key_End);
    EXPECT_EQ(calendar.Date(), Day(2024, 6, 30));
    EXPECT_EQ(clicks, 4);
    calendar.SetDate(Day(2024, 12, 31));  // setting the date is no pick
    Key(Qt::Key_Right);                   // nor a key leading out of the year
    EXPECT_EQ(calendar.Date(), Day(2024, 12, 31));
    EXPECT_EQ(clicks, 4);
}

TEST_F(BigCalendarFixture, FirstDayOfWeekAndIsoWeekNumbers) {
    calendar.SetFirstDayOfWeek(0);
    EXPECT_EQ(calendar.FirstColumnDay(), Qt::Monday);
    // 2024-04-01 is a Monday: first column with Monday first, second with Sunday first.
    const int x0 = calendar.DayRect({2024, 4, 1}).left();
    calendar.SetFirstDayOfWeek(6);
    EXPECT_EQ(calendar.FirstColumnDay(), Qt::Sunday);
    EXPECT_EQ(calendar.DayRect({2024, 4, 1}).left(), x0 + calendar.DayRect({2024, 4, 1}).width());
    calendar.setLocale(QLocale(QLocale::German, QLocale::Germany));
    calendar.SetFirstDayOfWeek(TBigCalendar::LocaleFirstDay);
    EXPECT_EQ(calendar.FirstColumnDay(), Qt::Monday);
    calendar.setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(calendar.FirstColumnDay(), Qt::Sunday);
    EXPECT_EQ(calendar.FirstDayOfWeek(), TBigCalendar::LocaleFirstDay);

    EXPECT_EQ(calendar.WeekNumberOfRow(1, 0), 0);
    calendar.SetWeekNumbers(true);
    calendar.resize(calendar.sizeHint());
    // Sunday-first rows of January 2027: Dec 27 - Jan 2 is mostly ISO week 53 of 2026;
    // the last row (Jan 31 alone) belongs to week 5 by its Thursday; row 6 is empty.
    calendar.SetDate(Day(2027, 1, 1));
    EXPECT_EQ(calendar.WeekNumberOfRow(1, 0), 53);
    EXPECT_EQ(calendar.WeekNumberOfRow(1, 1), 1);
    EXPECT_EQ(calendar.WeekNumberOfRow(1, 5), 5);
    EXPECT_EQ(calendar.WeekNumberOfRow(2, 5), 0);
    calendar.SetFirstDayOfWeek(0);
    EXPECT_EQ(calendar.WeekNumberOfRow(1, 0), 53);
    EXPECT_EQ(calendar.WeekNumberOfRow(1, 4), 4);
    EXPECT_EQ(calendar.WeekNumberOfRow(1, 5), 0);
}

TEST_F(BigCalendarFixture, PictureLeavesTheTodayFrameOut) {
    calendar.SetToday(Day(2024, 3, 11));
    calendar.show();
    const QRect today = calendar.DayRect({2024, 3, 11});
    const QImage shown = calendar.grab().toImage();
    EXPECT_GT(test::CountNear(shown, today, Qt::red), 20);
    const QImage picture = calendar.Picture();
    EXPECT_EQ(picture.size(), shown.size());
    EXPECT_EQ(test::CountNear(picture, today, Qt::red), 0);
    EXPECT_EQ(picture.pixelColor(today.center()), shown.pixelColor(today.center()));
    // The frame comes back on screen.
    EXPECT_GT(test::CountNear(calendar.grab().toImage(), today, Qt::red), 20);
}

}  // namespace
}  // namespace orbelune
