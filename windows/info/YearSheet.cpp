#include "YearSheet.h"

#include "BigCalendar.h"
#include "DateNavigation.h"
#include "ImageCommandRow.h"
#include "ScrolledPage.h"
#include "YearTabTexts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace orbelune {

TYearSheet::TYearSheet(QWidget* Parent) : QWidget(Parent) {
    setObjectName(QStringLiteral("YearSheet"));
    QWidget* content = ScrolledPage(this, QStringLiteral("YearSheetContent"));
    auto* column = new QVBoxLayout(content);

    auto* years = new QHBoxLayout;
    LastYearBut = new QPushButton(QStringLiteral("Go to Last Year"), content);
    LastYearBut->setObjectName(QStringLiteral("LastYearBut"));
    BigCalYearComboBox = new QComboBox(content);
    BigCalYearComboBox->setObjectName(QStringLiteral("BigCalYearComboBox"));
    for (int year = YearTabMinYear; year <= NavigationLastYear; ++year)
        BigCalYearComboBox->addItem(QString::number(year));
    NextYearBut = new QPushButton(QStringLiteral("Go to Next Year"), content);
    NextYearBut->setObjectName(QStringLiteral("NextYearBut"));
    WeekNumbersBox = new QCheckBox(QStringLiteral("Week Numbers"), content);
    WeekNumbersBox->setObjectName(QStringLiteral("WeekNumbersBox"));
    auto* weekStartLabel = new QLabel(QStringLiteral("First Day of the Week:"), content);
    weekStartLabel->setObjectName(QStringLiteral("WeekStartLabel"));
    WeekStartBox = new QComboBox(content);
    WeekStartBox->setObjectName(QStringLiteral("WeekStartBox"));
    for (const char* day :
         {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"})
        WeekStartBox->addItem(QString::fromLatin1(day));
    weekStartLabel->setBuddy(WeekStartBox);
    years->addWidget(LastYearBut);
    years->addWidget(BigCalYearComboBox);
    years->addWidget(NextYearBut);
    years->addStretch(1);
    YearCommands = new TImageCommandRow(QStringLiteral("Year"), content);
    years->addWidget(YearCommands);
    column->addLayout(years);

    BigCalendar = new TBigCalendar(content);
    column->addWidget(BigCalendar, 1);

    for (size_t i = 0; i < DayInfoLabels.size(); ++i) {
        DayInfoLabels[i] = new QLabel(content);
        DayInfoLabels[i]->setObjectName(QStringLiteral("DayInfoLabel%1").arg(i + 1));
        DayInfoLabels[i]->setTextFormat(Qt::PlainText);
        column->addWidget(DayInfoLabels[i]);
    }

    auto* weeks = new QHBoxLayout;
    weeks->addWidget(WeekNumbersBox);
    weeks->addSpacing(12);
    weeks->addWidget(weekStartLabel);
    weeks->addWidget(WeekStartBox);
    weeks->addStretch(1);
    column->addLayout(weeks);
}

}  // namespace orbelune
