#include "BigCalendar.h"

#include "DateTimeRtl.h"
#include "PlatformSeams.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace orbelune {

namespace {

constexpr int MonthColumns = 4;
constexpr int MonthRows = 3;
constexpr int GapX = 10;
constexpr int GapY = 8;

QDate ToQDate(TDateTime Value) {
    int year = 0, month = 0, day = 0;
    DecodeDate(std::trunc(Value), year, month, day);
    return year == 0 ? QDate() : QDate(year, month, day);
}

QFont BoldFont(QFont Font) {
    Font.setBold(true);
    return Font;
}

// Two letters of the short day name ("Mo", "Tu"; "Mo", "Di" in German): the narrow
// names of some locales are digits.
QString DayLetters(const QLocale& Locale, int Day) {
    return Locale.dayName(Day, QLocale::ShortFormat).left(2);
}

QFont WeekFont(QFont Font) {
    Font.setPointSizeF(Font.pointSizeF() * 0.85);
    return Font;
}

}  // namespace

TBigCalendar::TBigCalendar(QWidget* Parent) : QWidget(Parent) {
    setObjectName(QStringLiteral("BigCalendar"));
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    SetDate(Platform().Clock->Now());
}

TDateTime TBigCalendar::Date() const {
    return EncodeDate(FDate.year(), FDate.month(), FDate.day());
}

void TBigCalendar::SetDate(TDateTime Value) {
    const QDate day = ToQDate(Value);
    if (!day.isValid()) return;
    FDate = day;
    if (day.year() != FYear) {
        FYear = day.year();
        RefreshMonthInfo();
    }
    update();
}

void TBigCalendar::SetFirstDayOfWeek(int Index) {
    FFirstDayOfWeek = Index >= 0 && Index <= LocaleFirstDay ? Index : LocaleFirstDay;
    update();
}

Qt::DayOfWeek TBigCalendar::FirstColumnDay() const {
    return FFirstDayOfWeek == LocaleFirstDay ? locale().firstDayOfWeek()
                                             : static_cast<Qt::DayOfWeek>(FFirstDayOfWeek + 1);
}

void TBigCalendar::SetWeekNumbers(bool On) {
    FWeekNumbers = On;
    FMinimumCells = {};
    updateGeometry();
    update();
}

void TBigCalendar::SetBoldDays(int Month, const QList<int>& Days) {
    if (Month < 1 || Month > 12) return;
    FBold[static_cast<size_t>(Month - 1)] = Days;
    update(MonthRect(Month));
}

QList<int> TBigCalendar::BoldDays(int Month) const {
    return Month >= 1 && Month <= 12 ? FBold[static_cast<size_t>(Month - 1)] : QList<int>();
}

void TBigCalendar::RefreshMonthInfo() {
    for (QList<int>& days : FBold) days.clear();
    for (int month = 1; month <= 12; ++month) emit GetMonthInfo(FYear, month);
    update();
}

void TBigCalendar::SetToday(TDateTime Value) {
    FToday = Value == 0 ? QDate() : ToQDate(Value);
    update();
}

QImage TBigCalendar::Picture() {
    if (size().isEmpty()) resize(sizeHint());
    const qreal scale = devicePixelRatioF();
    QImage image(size() * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    FShowToday = false;
    render(&image);
    FShowToday = true;
    return image;
}

// ---- Geometry ---------------------------------------------------------------------------

// Tight leaves a pixel beside the widest day text: the calendar then fits a small
// window, with week numbers too; it spreads out when there is room.
TBigCalendar::TCellSize TBigCalendar::MinimumCell(bool Tight) const {
    TCellSize& cell = FMinimumCells[Tight ? 1 : 0];
    if (cell.Width > 0) return cell;
    const QFontMetrics bold(BoldFont(font()));
    const int padding = Tight ? 1 : 6;
    int width = bold.horizontalAdvance(QStringLiteral("00"));
    for (int day = 1; day <= 7; ++day)
        width = std::max(width, fontMetrics().horizontalAdvance(DayLetters(locale(), day)));
    width += padding;
    const int week =
        FWeekNumbers
            ? QFontMetrics(WeekFont(font())).horizontalAdvance(QStringLiteral("00")) + padding
            : 0;
    // A month is at least as wide as its name.
    for (int month = 1; month <= 12; ++month)
        width = std::max(
            width, (bold.horizontalAdvance(locale().standaloneMonthName(month)) + 6 - week) / 7);
    cell = {width, bold.height() + (Tight ? 1 : 4), bold.height() + 6, week};
    return cell;
}

TBigCalendar::TCellSize TBigCalendar::Cell() const {
    TCellSize cell = MinimumCell(true);
    const int rowsPerMonth = 1 + WeekRows;
    const int monthWidth = (width() - (MonthColumns - 1) * GapX) / MonthColumns;
    cell.Width = std::max(cell.Width, (monthWidth - cell.Week) / 7);
    const int monthHeight = (height() - (MonthRows - 1) * GapY) / MonthRows;
    cell.Height = std::max(cell.Height, (monthHeight - cell.Title) / rowsPerMonth);
    return cell;
}

QSize TBigCalendar::SizeFor(const TCellSize& Cell) {
    return {MonthColumns * (Cell.Week + 7 * Cell.Width) + (MonthColumns - 1) * GapX,
            MonthRows * (Cell.Title + (1 + WeekRows) * Cell.Height) + (MonthRows - 1) * GapY};
}

QSize TBigCalendar::sizeHint() const {
    return SizeFor(MinimumCell(false));
}

QSize TBigCalendar::minimumSizeHint() const {
    return SizeFor(MinimumCell(true));
}

QRect TBigCalendar::MonthRect(int Month) const {
    const TCellSize cell = Cell();
    const int w = cell.Week + 7 * cell.Width;
    const int h = cell.Title + (1 + WeekRows) * cell.Height;
    const int col = (Month - 1) % MonthColumns;
    const int row = (Month - 1) / MonthColumns;
    return {col * (w + GapX), row * (h + GapY), w, h};
}

int TBigCalendar::FirstColumnOf(int Month) const {
    return (QDate(FYear, Month, 1).dayOfWeek() - FirstColumnDay() + 7) % 7;
}

QRect TBigCalendar::CellRect(int Month, int Row, int Col) const {
    // Row -1 is the row of day names; Col -1 the week numbers.
    const TCellSize cell = Cell();
    const QRect month = MonthRect(Month);
    const int y = month.top() + cell.Title + (Row + 1) * cell.Height;
    if (Col < 0) return {month.left(), y, cell.Week, cell.Height};
    return {month.left() + cell.Week + Col * cell.Width, y, cell.Width, cell.Height};
}

QRect TBigCalendar::DayRect(const QDate& Day) const {
    if (!Day.isValid() || Day.year() != FYear) return {};
    const int index = FirstColumnOf(Day.month()) + Day.day() - 1;
    return CellRect(Day.month(), index / 7, index % 7);
}

QDate TBigCalendar::DayAt(const QPoint& Point) const {
    for (int month = 1; month <= 12; ++month) {
        if (!MonthRect(month).contains(Point)) continue;
        const QRect first = CellRect(month, 0, 0);
        if (Point.x() < first.left() || Point.y() < first.top()) return {};
        const int col = (Point.x() - first.left()) / first.width();
        const int row = (Point.y() - first.top()) / first.height();
        const int day = row * 7 + col - FirstColumnOf(month) + 1;
        const QDate date(FYear, month, 1);
        return col < 7 && day >= 1 && day <= date.daysInMonth() ? date.addDays(day - 1) : QDate();
    }
    return {};
}

int TBigCalendar::WeekNumberOfRow(int Month, int Row) const {
    if (!FWeekNumbers || Month < 1 || Month > 12) return 0;
    const QDate first(FYear, Month, 1);
    const QDate rowStart = first.addDays(Row * 7 - FirstColumnOf(Month));
    const QDate rowEnd = rowStart.addDays(6);
    if (rowEnd < first || rowStart > first.addDays(first.daysInMonth() - 1)) return 0;
    // Each row holds one Thursday; the ISO week of that Thursday holds most of the row.
    const QDate thursday = rowStart.addDays((Qt::Thursday - rowStart.dayOfWeek() + 7) % 7);
    return thursday.weekNumber();
}

// ---- Painting and input -----------------------------------------------------------------

void TBigCalendar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    for (int month = 1; month <= 12; ++month) PaintMonth(painter, month);
}

void TBigCalendar::PaintMonth(QPainter& Painter, int Month) {
    const QRect month = MonthRect(Month);
    const TCellSize cell = Cell();
    const QPalette& colours = palette();
    const QFont plain = font();
    const QFont bold = BoldFont(plain);

    Painter.setFont(bold);
    Painter.setPen(colours.color(QPalette::WindowText));
    Painter.drawText(QRect(month.left(), month.top(), month.width(), cell.Title), Qt::AlignCenter,
                     locale().standaloneMonthName(Month));

    const QRect names(month.left(), month.top() + cell.Title, month.width(), cell.Height);
    Painter.fillRect(names, colours.brush(QPalette::AlternateBase));
    Painter.fillRect(QRect(month.left(), names.bottom() + 1, month.width(), WeekRows * cell.Height),
                     colours.brush(QPalette::Base));
    Painter.setFont(plain);
    Painter.setPen(colours.color(QPalette::Text));
    for (int col = 0; col < 7; ++col) {
        const int day = (FirstColumnDay() - 1 + col) % 7 + 1;
        Painter.drawText(CellRect(Month, -1, col), Qt::AlignCenter, DayLetters(locale(), day));
    }
    if (FWeekNumbers) {
        const QRect weeks = CellRect(Month, 0, -1);
        Painter.fillRect(QRect(weeks.left(), weeks.top(), weeks.width(), WeekRows * weeks.height()),
                         colours.brush(QPalette::AlternateBase));
        Painter.setFont(WeekFont(plain));
        for (int row = 0; row < WeekRows; ++row)
            if (const int week = WeekNumberOfRow(Month, row); week > 0)
                Painter.drawText(CellRect(Month, row, -1), Qt::AlignCenter, QString::number(week));
    }

    const QList<int>& boldDays = FBold[static_cast<size_t>(Month - 1)];
    const QDate first(FYear, Month, 1);
    for (int day = 1; day <= first.daysInMonth(); ++day) {
        const QDate date = first.addDays(day - 1);
        const QRect rect = DayRect(date);
        const bool selected = date == FDate;
        if (selected)
            Painter.fillRect(rect.adjusted(1, 1, -1, -1), colours.brush(QPalette::Highlight));
        Painter.setFont(boldDays.contains(day) ? bold : plain);
        Painter.setPen(colours.color(selected ? QPalette::HighlightedText : QPalette::Text));
        Painter.drawText(rect, Qt::AlignCenter, QString::number(day));
        if (FShowToday && date == FToday) {
            Painter.setPen(QPen(QColor(Qt::red), 1));
            Painter.setBrush(Qt::NoBrush);
            Painter.drawRect(rect.adjusted(1, 1, -2, -2));
        }
    }
}

void TBigCalendar::mousePressEvent(QMouseEvent* Event) {
    if (Event->button() == Qt::LeftButton) Pick(DayAt(Event->position().toPoint()));
    QWidget::mousePressEvent(Event);
}

void TBigCalendar::keyPressEvent(QKeyEvent* Event) {
    QDate target;
    switch (Event->key()) {
        case Qt::Key_Left:
            target = FDate.addDays(-1);
            break;
        case Qt::Key_Right:
            target = FDate.addDays(1);
            break;
        case Qt::Key_Up:
            target = FDate.addDays(-7);
            break;
        case Qt::Key_Down:
            target = FDate.addDays(7);
            break;
        case Qt::Key_PageUp:
            target = FDate.addMonths(-1);
            break;
        case Qt::Key_PageDown:
            target = FDate.addMonths(1);
            break;
        case Qt::Key_Home:
            target = QDate(FDate.year(), FDate.month(), 1);
            break;
        case Qt::Key_End:
            target = QDate(FDate.year(), FDate.month(), FDate.daysInMonth());
            break;
        default:
            QWidget::keyPressEvent(Event);
            return;
    }
    // The keys move within the shown year; the year buttons change it.
    if (target.year() == FYear) Pick(target);
    Event->accept();
}

void TBigCalendar::changeEvent(QEvent* Event) {
    if (Event->type() == QEvent::FontChange || Event->type() == QEvent::LocaleChange) {
        FMinimumCells = {};
        updateGeometry();
    }
    QWidget::changeEvent(Event);
}

void TBigCalendar::Pick(const QDate& Day) {
    if (!Day.isValid() || Day == FDate) return;
    FDate = Day;
    update();
    emit Click();
}

}  // namespace orbelune
