#include "HolidayTabTexts.h"

#include "DateTimeRtl.h"
#include "EngineText.h"
#include "Holidays.h"

#include <cmath>

namespace orbelune {

QList<THolidayRow> HolidayRows(int Year) {
    BuildHolidayTable(Year);
    QList<THolidayRow> rows;
    for (int32_t i = 1; i <= HolidayCount; ++i) {
        // 0 is the table's mark of an entry without a date, not 30 December 1899.
        if (HolidayDates[i] == 0) continue;
        const TDateTime day = std::trunc(HolidayDates[i]);
        rows.append({FromEngineText(HolidayNames[i]),
                     FromEngineText(DateTimeToString("d mmmm", day)), day});
    }
    return rows;
}

QString HolidayGroupCaption(int Year) {
    return QStringLiteral(" %1  Holidays ").arg(Year);
}

THolidayTableModel::THolidayTableModel(QObject* Parent) : QAbstractTableModel(Parent) {}

void THolidayTableModel::SetYear(int Year) {
    if (Year == FYear) return;
    FYear = Year;
    beginResetModel();
    FRows = HolidayRows(Year);
    endResetModel();
}

TDateTime THolidayTableModel::DayOfRow(int Row) const {
    return Row >= 0 && Row < FRows.size() ? FRows[Row].Day : 0;
}

int THolidayTableModel::rowCount(const QModelIndex& Parent) const {
    return Parent.isValid() ? 0 : static_cast<int>(FRows.size());
}

int THolidayTableModel::columnCount(const QModelIndex& Parent) const {
    return Parent.isValid() ? 0 : 2;
}

QVariant THolidayTableModel::data(const QModelIndex& Index, int Role) const {
    if (Role != Qt::DisplayRole || !Index.isValid() || Index.row() >= FRows.size()) return {};
    const THolidayRow& row = FRows[Index.row()];
    return Index.column() == NameColumn ? row.Name : row.DayText;
}

}  // namespace orbelune
