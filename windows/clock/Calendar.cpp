#include "Calendar.h"

#include "DateTimeRtl.h"
#include "PlatformSeams.h"
#include "Settings.h"
#include "WinColor.h"

#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace orbelune {

namespace {

constexpr std::int32_t HolidayColor = 255;
constexpr std::int32_t EclipseColor = 0xFF0000;
constexpr std::int32_t MoonLitColor = 0xFFFF;
constexpr std::int32_t MoonDarkColor = 0;

TDateTime DateOnly(TDateTime Value) {
    return std::trunc(Value);
}

}  // namespace

int CalendarMonthOffset(int FirstWeekday, int StartOfWeek) {
    const int a = (FirstWeekday - StartOfWeek + 7) % 7;
    return a == 0 ? -5 : 2 - a;
}

int CalendarCellDay(int Col, int Row, int MonthOffset) {
    return Col + MonthOffset + 7 * (Row - 1);
}

TTinyMoonLook TinyMoonLook(const QString& PhaseName, bool Southern) {
    const QColor lit = ColorFromWinColor(MoonLitColor);
    const QColor dark = ColorFromWinColor(MoonDarkColor);
    const QString phase = PhaseName.toUpper();
    TTinyMoonLook look;
    look.Right = dark;
    look.Left = dark;
    if (phase.contains(QLatin1String("FIRST"))) {
        look.Right = lit;
    } else if (phase.contains(QLatin1String("LAST"))) {
        look.Left = lit;
    } else if (phase.contains(QLatin1String("FULL"))) {
        look.FullDisc = true;
        look.Right = lit;
        look.Left = lit;
        return look;
    }
    if (Southern) std::swap(look.Right, look.Left);
    return look;
}

TCalendar::TCalendar(QWidget* AOwner) : QWidget(AOwner) {
    setObjectName(QStringLiteral("Calendar1"));
    setFocusPolicy(Qt::StrongFocus);
    FDate = DateOnly(Platform().Clock->Now());
    UpdateCalendar();
}

QSize TCalendar::sizeHint() const {
    return {ColCount * 24 + (ColCount - 1) * GridLineWidth,
            RowCount * 16 + (RowCount - 1) * GridLineWidth};
}

QString TCalendar::CellText(int ACol, int ARow) const {
    if (ARow == 0) {
        const int weekday = (ACol + FStartOfWeek) % 7;  // 0 = Sunday
        return QLocale().dayName(weekday == 0 ? 7 : weekday, QLocale::ShortFormat);
    }
    const int n = CalendarCellDay(ACol, ARow, FMonthOffset);
    if (n < 1 || n > DaysThisMonth()) return {};
    return QString::number(n);
}

int TCalendar::GetDatePart(int Index) const {
    int year = 0, month = 0, day = 0;
    DecodeDate(FDate, year, month, day);
    switch (Index) {
        case 1:
            return year;
        case 2:
            return month;
        case 3:
            return day;
        default:
            return -1;
    }
}

// A day that the new month or year does not have becomes that month's last day, so
// that stepping from the 31st into a shorter month lands on a date that exists.
void TCalendar::SetDatePart(int Index, int Value) {
    if (Value < 1) return;
    int year = 0, month = 0, day = 0;
    DecodeDate(FDate, year, month, day);
    switch (Index) {
        case 1:
            if (Value == year) return;
            year = Value;
            break;
        case 2:
            if (Value > 12 || Value == month) return;
            month = Value;
            break;
        case 3:
            if (Value > DaysThisMonth() || Value == day) return;
            day = Value;
            break;
        default:
            return;
    }
    const int length = DaysPerMonth(year, month);
    if (day > length) day = length;
    TDateTime date = 0;
    if (!TryEncodeDate(year, month, day, date)) return;
    FDate = date;
    FUseCurrentDate = false;
    UpdateCalendar();
    Change();
}

void TCalendar::SetCalendarDate(TDateTime Value) {
    FDate = Value;
    UpdateCalendar();
    Change();
}

void TCalendar::SetStartOfWeek(int Value) {
    if (Value == FStartOfWeek || Value < 0 || Value > 6) return;
    FStartOfWeek = Value;
    UpdateCalendar();
}

void TCalendar::SetUseCurrentDate(bool Value) {
    if (Value == FUseCurrentDate) return;
    FUseCurrentDate = Value;
    if (Value) {
        FDate = DateOnly(Platform().Clock->Now());
        UpdateCalendar();
    }
}

bool TCalendar::IsLeapYear(int AYear) const {
    return AYear % 4 == 0 && (AYear % 100 != 0 || AYear % 400 == 0);
}

int TCalendar::DaysPerMonth(int AYear, int AMonth) const {
    static constexpr int lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (AMonth < 1 || AMonth > 12) return 0;
    int result = lengths[AMonth - 1];
    if (AMonth == 2 && IsLeapYear(AYear)) ++result;
    return result;
}

int TCalendar::DaysThisMonth() const {
    return DaysPerMonth(Year(), Month());
}

void TCalendar::ChangeMonth(int Delta) {
    int year = 0, month = 0, day = 0;
    DecodeDate(FDate, year, month, day);
    const int oldDay = day;
    day = Delta > 0 ? DaysPerMonth(year, month) : 1;
    TDateTime date = EncodeDate(year, month, day) + Delta;
    DecodeDate(date, year, month, day);
    const int length = DaysPerMonth(year, month);
    day = oldDay < length ? oldDay : length;
    if (!TryEncodeDate(year, month, day, date)) return;
    SetCalendarDate(date);
}

void TCalendar::NextYear() {
    if (IsLeapYear(Year()) && Month() == 2 && Day() == 29) SetDay(28);
    SetYear(Year() + 1);
}

void TCalendar::PrevYear() {
    if (IsLeapYear(Year()) && Month() == 2 && Day() == 29) SetDay(28);
    SetYear(Year() - 1);
}

void TCalendar::UpdateCalendar() {
    FUpdating = true;
    int year = 0, month = 0, day = 0;
    DecodeDate(FDate, year, month, day);
    TDateTime first = 0;
    if (TryEncodeDate(year, month, 1, first)) {
        FMonthOffset = CalendarMonthOffset(DayOfWeek(first), FStartOfWeek);
        FCol = ((day - FMonthOffset) % 7 + 7) % 7;
        FRow = (day - FMonthOffset) / 7 + 1;
    }
    FUpdating = false;
    update();
}

void TCalendar::SetMarks(const TDayMarks* Marks) {
    FMarks = Marks;
    update();
}

void TCalendar::Change() {
    emit Changed();
}

void TCalendar::Click() {
    const QString text = CellText(FCol, FRow);
    if (!text.isEmpty()) SetDay(text.toInt());
}

bool TCalendar::SelectCell(int ACol, int ARow) const {
    if (FReadOnly && !FUpdating) return false;
    if (ACol < 0 || ACol >= ColCount || ARow < 1 || ARow >= RowCount) return false;
    return !CellText(ACol, ARow).isEmpty();
}

void TCalendar::ClickCell(int ACol, int ARow) {
    if (!SelectCell(ACol, ARow)) return;
    FCol = ACol;
    FRow = ARow;
    update();
    Click();
}

QRect TCalendar::CellRect(int ACol, int ARow) const {
    return {ACol * (FColWidth + GridLineWidth), ARow * (FRowHeight + GridLineWidth), FColWidth,
            FRowHeight};
}

void TCalendar::DrawCell(QPainter& Painter, int ACol, int ARow, const QRect& Rect, bool Selected) {
    const QString text = CellText(ACol, ARow);
    const QPalette& pal = palette();
    QColor fontColor = pal.color(QPalette::Text);
    if (ARow == 0) {
        Painter.fillRect(Rect, pal.color(QPalette::Button));
        fontColor = pal.color(QPalette::ButtonText);
    } else if (Selected) {
        Painter.fillRect(Rect, pal.color(QPalette::Highlight));
        fontColor = pal.color(QPalette::HighlightedText);
    } else {
        Painter.fillRect(Rect, pal.color(QPalette::Base));
    }

    QString phaseName;
    bool ok = false;
    const int dayNumber = ARow > 0 ? text.toInt(&ok) : 0;
    if (ok && FMarks != nullptr && (ShowHolidays || ShowTinyMoons)) {
        TDateTime date = 0;
        if (TryEncodeDate(Year(), Month(), dayNumber, date)) {
            if (ShowHolidays) {
                if (FMarks->HasEclipse(date)) {
                    fontColor = ColorFromWinColor(EclipseColor);
                } else if (FMarks->IsHoliday(date)) {
                    fontColor = ColorFromWinColor(HolidayColor);
                } else if (ShowEquinoxSolstice && !FMarks->EquinoxSolsticeName(date).isEmpty()) {
                    fontColor = ColorFromWinColor(EclipseColor);
                }
            }
            if (ShowTinyMoons) phaseName = FMarks->MoonPhaseName(date);
        }
    }
    const bool moon = !phaseName.isEmpty();

    const QFontMetrics metrics(Painter.font());
    int left = Rect.left() + (Rect.width() - metrics.horizontalAdvance(text)) / 2;
    if (moon) left -= 5;
    const int top = Rect.top() + (Rect.height() - metrics.height()) / 2;
    Painter.setPen(fontColor);
    Painter.drawText(QPoint(left, top + metrics.ascent()), text);
    if (moon) DrawTinyMoon(Painter, Rect, phaseName);
}

// The moon's square spans (Right - 12, Bottom - 14) to (Right - 1, Bottom - 3), with
// Right and Bottom just outside the cell as a Windows rectangle counts them.
void TCalendar::DrawTinyMoon(QPainter& Painter, const QRect& Rect, const QString& PhaseName) {
    const int right = Rect.x() + Rect.width();
    const int bottom = Rect.y() + Rect.height();
    const QRect square(right - 12, bottom - 14, 11, 11);
    const TTinyMoonLook look = TinyMoonLook(PhaseName, Settings.SouthernHemisphere);
    Painter.save();
    Painter.setRenderHint(QPainter::Antialiasing, false);
    Painter.setPen(ColorFromWinColor(MoonDarkColor));
    if (look.FullDisc) {
        Painter.setBrush(look.Right);
        Painter.drawEllipse(square);
    } else {
        Painter.setBrush(look.Right);
        Painter.drawChord(square, 270 * 16, 180 * 16);
        Painter.setBrush(look.Left);
        Painter.drawChord(square, 90 * 16, 180 * 16);
    }
    Painter.restore();
}

void TCalendar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Mid));
    for (int row = 0; row < RowCount; ++row)
        for (int col = 0; col < ColCount; ++col)
            DrawCell(painter, col, row, CellRect(col, row), row == FRow && col == FCol);
}

void TCalendar::resizeEvent(QResizeEvent*) {
    FColWidth = (width() - 6 * GridLineWidth) / 7;
    FRowHeight = (height() - 6 * GridLineWidth) / 7;
}

void TCalendar::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    const QPoint p = event->position().toPoint();
    const int col = p.x() / (FColWidth + GridLineWidth);
    const int row = p.y() / (FRowHeight + GridLineWidth);
    ClickCell(col, row);
}

void TCalendar::mouseDoubleClickEvent(QMouseEvent* event) {
    emit DoubleClicked();
    event->accept();
}

void TCalendar::keyPressEvent(QKeyEvent* event) {
    int col = FCol, row = FRow;
    switch (event->key()) {
        case Qt::Key_Left:
            --col;
            break;
        case Qt::Key_Right:
            ++col;
            break;
        case Qt::Key_Up:
            --row;
            break;
        case Qt::Key_Down:
            ++row;
            break;
        default:
            QWidget::keyPressEvent(event);
            return;
    }
    ClickCell(col, row);
}

}  // namespace orbelune
