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
    connect(grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& Current) { HolidayGridSelectCell(Current.row()); });
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
