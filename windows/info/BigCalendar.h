#pragma once
// TBigCalendar: a whole year at a glance, twelve months in four columns and three rows.
// One day of the year is the selected date; days can be set in bold per month, ISO week
// numbers shown beside the weeks, and today framed in red.
//
// The year is painted by the class itself rather than built from twelve
// QCalendarWidgets: those always lay out six weeks with the neighbouring months' days
// (a blank first row when a month starts on the week's first day, week numbers beside
// empty rows) and each keeps a selection of its own, so a year of them reads poorly
// and needs more code to tame than drawing the months does.
//
// The owner supplies the bold days: whenever the shown year changes (or on
// RefreshMonthInfo) the calendar clears them and emits GetMonthInfo for each month,
// and the owner answers with SetBoldDays.

#include "StDate.h"

#include <QDate>
#include <QImage>
#include <QList>
#include <QWidget>

#include <array>

namespace orbelune {

class TBigCalendar : public QWidget {
    Q_OBJECT

public:
    // FirstDayOfWeek's index of the locale's own first day.
    static constexpr int LocaleFirstDay = 7;
    static constexpr int WeekRows = 6;

    explicit TBigCalendar(QWidget* Parent = nullptr);

    // The selected day (whole days); setting it shows its year.
    TDateTime Date() const;
    void SetDate(TDateTime Value);
    int Year() const { return FYear; }

    // 0 Monday .. 6 Sunday, LocaleFirstDay for the locale's first day of the week.
    int FirstDayOfWeek() const { return FFirstDayOfWeek; }
    void SetFirstDayOfWeek(int Index);
    // The weekday of the first column.
    Qt::DayOfWeek FirstColumnDay() const;
    bool WeekNumbers() const { return FWeekNumbers; }
    void SetWeekNumbers(bool On);

    // The days of Month (1..12) of the shown year in bold.
    void SetBoldDays(int Month, const QList<int>& Days);
    QList<int> BoldDays(int Month) const;
    // Clears the bold days and asks for them again.
    void RefreshMonthInfo();

    // The day framed as today; 0 frames none.
    void SetToday(TDateTime Value);

    // The calendar as it looks, without the today frame (for saving and printing).
    QImage Picture();

    // Where a day of the shown year is drawn, and which day a point shows (invalid for
    // none); the week number shown beside a day's row (0 when hidden).
    QRect DayRect(const QDate& Day) const;
    QDate DayAt(const QPoint& Point) const;
    int WeekNumberOfRow(int Month, int Row) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // Asks for the bold days of Month in Year.
    void GetMonthInfo(int Year, int Month);
    // The user picked another day (Date holds it).
    void Click();

protected:
    void paintEvent(QPaintEvent* Event) override;
    void mousePressEvent(QMouseEvent* Event) override;
    void keyPressEvent(QKeyEvent* Event) override;
    void changeEvent(QEvent* Event) override;

private:
    struct TCellSize {
        int Width = 0;   // of a day
        int Height = 0;  // of a row of days or day names
        int Title = 0;   // of the month's name
        int Week = 0;    // width of the week numbers, 0 without them
    };
    TCellSize MinimumCell(bool Tight) const;
    static QSize SizeFor(const TCellSize& Cell);
    TCellSize Cell() const;
    QRect MonthRect(int Month) const;
    // Column (0..6) of the first of Month and the row and column of a day.
    int FirstColumnOf(int Month) const;
    QRect CellRect(int Month, int Row, int Col) const;
    void PaintMonth(QPainter& Painter, int Month);
    void Pick(const QDate& Day);

    std::array<QList<int>, 12> FBold;
    QDate FDate;
    QDate FToday;
    int FYear = 0;
    int FFirstDayOfWeek = LocaleFirstDay;
    bool FWeekNumbers = false;
    bool FShowToday = true;
    // Comfortable and tight, measured from the font and locale; 0 until then.
    mutable std::array<TCellSize, 2> FMinimumCells{};
};

}  // namespace orbelune
