#include "HolidaySheet.h"

#include "HolidayTabTexts.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QTableView>
#include <QVBoxLayout>

namespace orbelune {

THolidaySheet::THolidaySheet(QWidget* Parent) : QWidget(Parent) {
    setObjectName(QStringLiteral("HolidaySheet"));
    auto* page = new QVBoxLayout(this);
    HolidayGroupBox = new QGroupBox(this);
    HolidayGroupBox->setObjectName(QStringLiteral("HolidayGroupBox"));
    page->addWidget(HolidayGroupBox);
    auto* inside = new QVBoxLayout(HolidayGroupBox);

    Holidays = new THolidayTableModel(this);
    HolidayGrid = new QTableView(HolidayGroupBox);
    HolidayGrid->setObjectName(QStringLiteral("HolidayGrid"));
    HolidayGrid->setModel(Holidays);
    HolidayGrid->horizontalHeader()->hide();
    HolidayGrid->verticalHeader()->hide();
    HolidayGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    HolidayGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    HolidayGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    HolidayGrid->setWordWrap(false);
    HolidayGrid->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    HolidayGrid->horizontalHeader()->setStretchLastSection(true);
    HolidayGrid->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    inside->addWidget(HolidayGrid);
}

}  // namespace orbelune
