#pragma once
// The Holiday tab's table without widgets: the holidays of one year in date order, one
// row each with the name and the day ("25 December"), for the tab's two-column grid.
// Entries without a date (the clock changes of a zone or year without daylight time)
// are left out: they have no day to show or to go to.

#include "StDate.h"

#include <QAbstractTableModel>
#include <QList>
#include <QString>

namespace orbelune {

struct THolidayRow {
    QString Name;
    QString DayText;
    TDateTime Day = 0;  // the whole day
};

// The holiday table of Year as rows (the engine's table is rebuilt for Year).
QList<THolidayRow> HolidayRows(int Year);

// The caption of the tab's group box: " 2024  Holidays ".
QString HolidayGroupCaption(int Year);

class THolidayTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    static constexpr int NameColumn = 0;
    static constexpr int DayColumn = 1;

    explicit THolidayTableModel(QObject* Parent = nullptr);

    // Shows the holidays of Year; the same year again changes nothing, so a selection
    // survives.
    void SetYear(int Year);
    int Year() const { return FYear; }
    // The day of a row; 0 for a row that does not exist.
    TDateTime DayOfRow(int Row) const;

    int rowCount(const QModelIndex& Parent = {}) const override;
    int columnCount(const QModelIndex& Parent = {}) const override;
    QVariant data(const QModelIndex& Index, int Role = Qt::DisplayRole) const override;

private:
    int FYear = 0;
    QList<THolidayRow> FRows;
};

}  // namespace orbelune
