// The information window's Year tab: the year calendar follows the clock calendar's
// date (from YearTabMinYear on) and drives it through the clock window's own commands;
// the day texts count from today; the holidays of each month are set in bold.
#include "InfoForm.h"

#include "BigCalendar.h"
#include "CalendarEvents.h"
#include "DateFormats.h"
#include "DateNavigation.h"
#include "DateTimeRtl.h"
#include "PlatformSeams.h"
#include "Settings.h"
#include "YearTabTexts.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include <cmath>

namespace orbelune {

void TInfoForm::createYearSheet() {
    TYearSheet* page = YearPage;
    page->installEventFilter(this);
    page->BigCalYearComboBox->installEventFilter(this);
    connect(page->LastYearBut, &QPushButton::clicked, this, &TInfoForm::LastYearButClick);
    connect(page->NextYearBut, &QPushButton::clicked, this, &TInfoForm::NextYearButClick);
    connect(page->BigCalendar, &TBigCalendar::Click, this, &TInfoForm::BigCalendarClick);
    connect(page->BigCalendar, &TBigCalendar::GetMonthInfo, this,
            &TInfoForm::BigCalendarGetMonthInfo);
    connect(page->WeekNumbersBox, &QCheckBox::clicked, this, &TInfoForm::WeekNumbersBoxClick);
    connect(page->BigCalYearComboBox, &QComboBox::activated, this,
            &TInfoForm::BigCalYearComboBoxChange);
    connect(page->WeekStartBox, &QComboBox::activated, this, &TInfoForm::WeekStartBoxChange);
    // The holidays are bold while the clock calendar shows them.
    connect(ToggleShowHolidays1, &QAction::toggled, page->BigCalendar,
            &TBigCalendar::RefreshMonthInfo);
    page->BigCalendar->RefreshMonthInfo();
}

int TInfoForm::CalendarYear() const {
    return YearOf(Events.Date());
}

void TInfoForm::YearSheetShow() {
    YearPage->WeekNumbersBox->setChecked(Settings.ShowWeekNumbers);
    YearPage->BigCalendar->SetWeekNumbers(Settings.ShowWeekNumbers);
    if (CalendarYear() < YearTabMinYear)
        GoToCalendarDate(SameDayInYear(Events.Date(), YearTabMinYear));
    YearPage->BigCalendar->SetDate(YearTabDate(Events.Date()));
    UpdateBigCalendar();
    YearPage->BigCalendar->setFocus();
}

void TInfoForm::LastYearButClick() {
    if (CalendarYear() < YearTabMinYear) return;
    emit PrevYearRequested();
    // From YearTabMinYear the clock calendar goes a year back; the year calendar stays.
    YearPage->BigCalendar->SetDate(YearTabDate(Events.Date()));
    UpdateBigCalendar();
}

void TInfoForm::NextYearButClick() {
    if (!CanGoToNextYear(CalendarYear())) return;
    // An earlier year comes to the year before the first one shown; 29 February, which
    // that year lacks, steps back to the 28th.
    if (CalendarYear() < YearTabMinYear)
        GoToCalendarDate(SameDayInYear(Events.Date(), YearTabMinYear - 1));
    emit NextYearRequested();
    YearPage->BigCalendar->SetDate(YearTabDate(Events.Date()));
    UpdateBigCalendar();
}

void TInfoForm::BigCalendarClick() {
    if (CalendarYear() < YearTabMinYear) return;
    UpdateBigCalendar();
    GoToCalendarDate(YearPage->BigCalendar->Date());
}

void TInfoForm::UpdateBigCalendar() {
    TBigCalendar* calendar = YearPage->BigCalendar;
    const TDateTime today = std::trunc(Platform().Clock->Now());
    const TDateTime selected = calendar->Date();
    calendar->SetToday(today);
    YearPage->BigCalYearComboBox->setCurrentIndex(
        YearPage->BigCalYearComboBox->findText(QString::number(calendar->Year())));
    const TYearDayTexts texts = YearDayTexts(selected, today, DateFormats.Long);
    YearPage->DayInfoLabels[0]->setText(texts.Label1);
    YearPage->DayInfoLabels[1]->setText(texts.Label2);
    YearPage->DayInfoLabels[2]->setText(texts.Label3);
    ShowDayEvent(FEventDay, FEventText);
}

void TInfoForm::ShowDayEvent(TDateTime Day, const QString& Text) {
    FEventDay = std::trunc(Day);
    FEventText = Text;
    // Only the event of the day the year calendar selects, and only from the first year
    // it shows.
    const bool shown = !Text.isEmpty() && FEventDay == YearPage->BigCalendar->Date() &&
                       CalendarYear() >= YearTabMinYear;
    YearPage->DayInfoLabels[3]->setText(shown ? Text : QString());
}

void TInfoForm::WeekNumbersBoxClick() {
    Settings.ShowWeekNumbers = YearPage->WeekNumbersBox->isChecked();
    YearPage->BigCalendar->SetWeekNumbers(Settings.ShowWeekNumbers);
}

void TInfoForm::BigCalendarGetMonthInfo(int Year, int Month) {
    YearPage->BigCalendar->SetBoldDays(
        Month, BoldDaysOfMonth(Year, Month, ToggleShowHolidays1->isChecked()));
}

void TInfoForm::BigCalYearComboBoxChange() {
    const std::optional<int> year = YearBoxYear(YearPage->BigCalYearComboBox->currentText());
    if (!year) return;
    int y = 0, month = 0, day = 0;
    DecodeDate(Events.Date(), y, month, day);
    for (int n = DayStepsBack(day, *year, month); n > 0; --n) GoToCalendarDate(Events.Date() - 1);
    GoToCalendarDate(SameDayInYear(Events.Date(), *year));
}

bool TInfoForm::BigCalYearComboBoxKeyPress(const QKeyEvent* Key) {
    const QString text = Key->text();
    return !text.isEmpty() && text.at(0).isPrint();
}

void TInfoForm::WeekStartBoxChange() {
    Settings.WeekStart = YearPage->WeekStartBox->currentIndex();
    YearPage->BigCalendar->SetFirstDayOfWeek(Settings.WeekStart);
    emit WeekStartChanged(Settings.WeekStart);
}

void TInfoForm::ShowYearCalendarDate(TDateTime Date) {
    TBigCalendar* calendar = YearPage->BigCalendar;
    if (YearOf(Date) >= YearTabMinYear)
        calendar->SetDate(Date);
    else if (calendar->Year() != YearTabMinYear)
        calendar->SetDate(SameDayInYear(Date, YearTabMinYear));
    if (YearPage->isVisible()) UpdateBigCalendar();
}

}  // namespace orbelune
