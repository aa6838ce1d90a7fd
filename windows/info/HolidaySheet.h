#pragma once
// The Holiday tab: the holidays of the clock calendar's year in a two-column grid, name
// and day, in date order. The page builds its controls; the information window fills
// the table and moves the clock calendar to a row's day when the row is selected.

#include <QWidget>

class QGroupBox;
class QTableView;

namespace orbelune {

class THolidayTableModel;

class THolidaySheet final : public QWidget {
    Q_OBJECT

public:
    explicit THolidaySheet(QWidget* Parent = nullptr);

    QGroupBox* HolidayGroupBox = nullptr;
    QTableView* HolidayGrid = nullptr;
    THolidayTableModel* Holidays = nullptr;
};

}  // namespace orbelune
