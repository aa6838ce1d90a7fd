// The information window's Holiday tab: the holidays of the clock calendar's year;
// selecting one moves the clock calendar to its day.
#include "InfoForm.h"

#include "CalendarEvents.h"
#include "HolidayTabTexts.h"

#include <QGroupBox>
#include <QItemSelectionModel>
#include <QTableView>

namespace orbelune {

void TInfoForm::createHolidaySheet() {
    QTableView* grid = HolidayPage->HolidayGrid;
    // A row the user selects, by mouse or key; not the current row the table sets when it
    // takes the focus as the tab opens.
    connect(grid->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection& Selected) {
                if (!Selected.isEmpty()) HolidayGridSelectCell(Selected.indexes().first().row());
            });
    // A click on the row already selected goes there again.
    connect(grid, &QTableView::clicked, this,
            [this](const QModelIndex& Index) { HolidayGridSelectCell(Index.row()); });
}

void TInfoForm::ShowHolidayTable(int Year) {
    HolidayPage->HolidayGroupBox->setTitle(HolidayGroupCaption(Year));
    HolidayPage->Holidays->SetYear(Year);
}

void TInfoForm::HolidayGridSelectCell(int ARow) {
    const TDateTime day = HolidayPage->Holidays->DayOfRow(ARow);
    if (ARow < 0 || ARow >= HolidayPage->Holidays->rowCount() || day == Events.Date()) return;
    GoToCalendarDate(day);
}

}  // namespace orbelune
