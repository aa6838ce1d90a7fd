#pragma once
// The Year tab: the whole year of the clock calendar's date in the year calendar, with
// the year box and the buttons for the years before and after, the texts that count the
// days and working days from today to the selected day, and the week layout switches.
// The page builds its controls; the information window fills them and handles them.

#include <QWidget>

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace orbelune {

class TImageCommandRow;

class TBigCalendar;

class TYearSheet final : public QWidget {
    Q_OBJECT

public:
    explicit TYearSheet(QWidget* Parent = nullptr);

    QPushButton* LastYearBut = nullptr;
    QComboBox* BigCalYearComboBox = nullptr;  // the years the tab shows, as text
    QPushButton* NextYearBut = nullptr;
    TImageCommandRow* YearCommands = nullptr;  // Save, Copy, Print
    QCheckBox* WeekNumbersBox = nullptr;
    QComboBox* WeekStartBox = nullptr;  // "Monday" .. "Sunday"
    TBigCalendar* BigCalendar = nullptr;
    std::array<QLabel*, 4> DayInfoLabels{};  // DayInfoLabel1 .. 4
};

}  // namespace orbelune
