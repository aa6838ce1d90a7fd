#pragma once
// TCalendar: the month grid of the clock window. A header row of short day names and
// six rows of day numbers in seven weekday columns; holidays, eclipse days and
// equinox or solstice days are coloured, and the four principal moon phases get a
// tiny moon in their cell.

#include "CalendarEvents.h"
#include "StDate.h"

#include <QColor>
#include <QString>
#include <QWidget>

namespace orbelune {

// The day number that column 0 of row 1 stands for, for a month whose first day falls
// on FirstWeekday (1 = Sunday .. 7 = Saturday) in a grid whose column 0 is StartOfWeek
// (0 = Sunday .. 6 = Saturday). 0 or less when that cell is empty; the first of the
// month always lands in row 1.
int CalendarMonthOffset(int FirstWeekday, int StartOfWeek);

// The day number of a cell of rows 1 .. 6 (may lie outside the month).
int CalendarCellDay(int Col, int Row, int MonthOffset);

// How a tiny moon is painted: a yellow disc, or two half discs of the given colours.
struct TTinyMoonLook {
    bool FullDisc = false;
    QColor Right;
    QColor Left;
};
// PhaseName as the information window names the principal phases ("New Moon",
// "First Quarter", "FULL MOON", "Last Quarter"); the halves swap for the southern sky.
TTinyMoonLook TinyMoonLook(const QString& PhaseName, bool Southern);

class TCalendar : public QWidget {
    Q_OBJECT

public:
    static constexpr int ColCount = 7;
    static constexpr int RowCount = 7;
    static constexpr int GridLineWidth = 1;
    static constexpr int PrevMonth = -1;
    static constexpr int NextMonth = 1;

    explicit TCalendar(QWidget* AOwner = nullptr);

    QString CellText(int Col, int Row) const;

    int Day() const { return GetDatePart(3); }
    int Month() const { return GetDatePart(2); }
    int Year() const { return GetDatePart(1); }
    void SetDay(int Value) { SetDatePart(3, Value); }
    void SetMonth(int Value) { SetDatePart(2, Value); }
    void SetYear(int Value) { SetDatePart(1, Value); }

    TDateTime CalendarDate() const { return FDate; }
    void SetCalendarDate(TDateTime Value);

    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value) { FReadOnly = Value; }
    int StartOfWeek() const { return FStartOfWeek; }
    void SetStartOfWeek(int Value);
    bool UseCurrentDate() const { return FUseCurrentDate; }
    void SetUseCurrentDate(bool Value);

    // Plain switches: the owner repaints after changing them.
    bool ShowHolidays = true;
    bool ShowTinyMoons = true;
    bool ShowEquinoxSolstice = true;

    // What the cells mark (the calendar-events model); none without it. Painting only
    // reads it.
    void SetMarks(const TDayMarks* Marks);

    bool IsLeapYear(int AYear) const;
    int DaysPerMonth(int AYear, int AMonth) const;
    int DaysThisMonth() const;
    void ChangeMonth(int Delta);
    void NextYear();
    void PrevYear();
    void UpdateCalendar();

    int Col() const { return FCol; }
    int Row() const { return FRow; }
    int DefaultColWidth() const { return FColWidth; }
    int DefaultRowHeight() const { return FRowHeight; }
    QRect CellRect(int ACol, int ARow) const;

    // A click on a cell as the mouse or the keyboard makes it: the cell becomes current
    // when SelectCell allows, then Click runs.
    void ClickCell(int ACol, int ARow);

    QSize sizeHint() const override;

signals:
    // The date changed (OnChange).
    void Changed();
    void DoubleClicked();

protected:
    void Change();
    void Click();
    bool SelectCell(int ACol, int ARow) const;
    void DrawCell(QPainter& Painter, int ACol, int ARow, const QRect& Rect, bool Selected);

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int GetDatePart(int Index) const;
    void SetDatePart(int Index, int Value);
    void DrawTinyMoon(QPainter& Painter, const QRect& Rect, const QString& PhaseName);

    const TDayMarks* FMarks = nullptr;
    TDateTime FDate = 0;
    int FMonthOffset = 0;
    bool FReadOnly = false;
    int FStartOfWeek = 0;
    bool FUpdating = false;
    bool FUseCurrentDate = true;
    int FCol = 0;
    int FRow = 1;
    int FColWidth = 24;
    int FRowHeight = 16;
};

}  // namespace orbelune
