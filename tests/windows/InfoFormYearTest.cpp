// The Year and Holiday tabs through the real windows, with "now" and the zone fixed: the
// year calendar follows the clock calendar from 1756 on and drives it, the year buttons
// and box, the day texts from today, bold holidays, the week switches, and the holiday
// rows that move the clock calendar.
#include "BigCalendar.h"
#include "Calendar.h"
#include "ClockForm.h"
#include "DateFormats.h"
#include "DateTimeRtl.h"
#include "FakePlatform.h"
#include "HolidayTabTexts.h"
#include "InfoForm.h"
#include "ProgramState.h"
#include "ScopedZone.h"
#include "Settings.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableView>

#include <gtest/gtest.h>

#include <memory>

namespace orbelune {
namespace {

class YearTabsTest : public testing::Test {
protected:
    void SetUp() override {
        test::ResetProgramState();
        Settings.UpdateClockPerSchedule = false;
        Settings.UpdateWeatherPerSchedule = false;
        Settings.ShowInfoFormAtStartup = false;
        Settings.LastInfoFormTabIndex = MoonTab;
        platform.Clock.Value = EncodeDate(2024, 3, 11) + 0.6;  // a Monday afternoon
        form = std::make_unique<TForm1>();
        form->FormCreate({QStringLiteral("orbelune"), QStringLiteral("/C")});
        info = std::make_unique<TInfoForm>(*form->Events);
        form->AttachInfoForm(info.get());
        year = info->YearPage;
    }
    void TearDown() override {
        info.reset();
        form.reset();
        test::ResetProgramState();
    }
    void Show(int y, int m, int d) { form->Calendar1->SetCalendarDate(EncodeDate(y, m, d)); }
    QDate Shown() const {
        int y = 0, m = 0, d = 0;
        DecodeDate(form->Calendar1->CalendarDate(), y, m, d);
        return {y, m, d};
    }
    QDate BigDate() const {
        int y = 0, m = 0, d = 0;
        DecodeDate(year->BigCalendar->Date(), y, m, d);
        return {y, m, d};
    }
    void OpenTab(int tab) {
        info->show();
        info->InfoFormPageControl->setCurrentIndex(tab);
    }
    void ClickDay(const QDate& day) {
        const QPointF at = year->BigCalendar->DayRect(day).center();
        QMouseEvent press(QEvent::MouseButtonPress, at, year->BigCalendar->mapToGlobal(at),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(year->BigCalendar, &press);
    }
    QString Label(int n) const { return year->DayInfoLabels[static_cast<size_t>(n - 1)]->text(); }

    test::TFakePlatform platform;
    test::TScopedZone zone{"America/New_York"};
    std::unique_ptr<TForm1> form;
    std::unique_ptr<TInfoForm> info;
    TYearSheet* year = nullptr;
};

TEST_F(YearTabsTest, ShowingTheTabMovesAnEarlyCalendarToTheFirstYearShown) {
    Show(1700, 3, 15);
    EXPECT_EQ(BigDate().year(), 1756);  // the year calendar never shows an earlier year
    OpenTab(YearTab);
    EXPECT_EQ(Shown(), QDate(1756, 3, 15));
    EXPECT_EQ(BigDate(), QDate(1756, 3, 15));
    EXPECT_EQ(year->BigCalYearComboBox->currentText(), QStringLiteral("1756"));
}

TEST_F(YearTabsTest, YearButtonsAndBoxDriveTheClockCalendar) {
    OpenTab(YearTab);
    Show(3429, 5, 1);
    year->NextYearBut->click();
    EXPECT_EQ(Shown(), QDate(3429, 5, 1));
    Show(3428, 5, 1);
    year->NextYearBut->click();
    EXPECT_EQ(Shown(), QDate(3429, 5, 1));
    EXPECT_EQ(BigDate(), QDate(3429, 5, 1));
    year->LastYearBut->click();
    EXPECT_EQ(Shown(), QDate(3428, 5, 1));

    // 29 February of a year before the first shown goes to the 28th of 1755, then on.
    Show(1752, 2, 29);
    year->NextYearBut->click();
    EXPECT_EQ(Shown(), QDate(1756, 2, 28));
    // From the first year shown the clock calendar goes back; the year calendar stays.
    year->LastYearBut->click();
    EXPECT_EQ(Shown(), QDate(1755, 2, 28));
    EXPECT_EQ(BigDate().year(), 1756);
    year->LastYearBut->click();
    EXPECT_EQ(Shown(), QDate(1755, 2, 28));

    Show(2024, 2, 29);
    QComboBox* box = year->BigCalYearComboBox;
    box->setCurrentIndex(box->findText(QStringLiteral("2023")));
    emit box->activated(box->currentIndex());
    EXPECT_EQ(Shown(), QDate(2023, 2, 28));
    EXPECT_EQ(BigDate(), QDate(2023, 2, 28));
}

TEST_F(YearTabsTest, DayTextsCountFromTodayAndAClickMovesTheCalendar) {
    Show(2024, 3, 11);
    OpenTab(YearTab);
    EXPECT_TRUE(Label(1).endsWith(QLatin1String(" is 0 days from today.")));
    EXPECT_EQ(Label(3), QStringLiteral("Monday, March 11, 2024"));
    ClickDay({2024, 3, 1});
    EXPECT_EQ(Shown(), QDate(2024, 3, 1));
    EXPECT_EQ(Label(1), QStringLiteral("Friday, March 1, 2024 is -10 days from today."));
    EXPECT_EQ(Label(2), QStringLiteral("Friday, March 1, 2024 is -6 working days from today."));

    // The fourth line names the selected day's event, and only that day's.
    Show(2024, 12, 25);
    EXPECT_EQ(Label(4), QStringLiteral("Christmas"));
    Show(2024, 12, 27);
    EXPECT_EQ(Label(4), QString());
    EXPECT_EQ(Label(3), QStringLiteral("Friday, December 27, 2024"));

    // A German pattern reads with German names.
    DateFormats = LocaleDateFormats(QLocale(QLocale::German, QLocale::Germany));
    Show(2024, 3, 11);
    EXPECT_EQ(Label(1), QStringLiteral("Montag, 11. M\u00E4rz 2024 is 0 days from today."));
}

TEST_F(YearTabsTest, HolidaysInBoldOnlyWhileShown) {
    Show(2024, 12, 1);
    OpenTab(YearTab);
    EXPECT_EQ(year->BigCalendar->BoldDays(12), QList<int>({25, 26}));
    info->ToggleShowHolidays1->trigger();
    EXPECT_FALSE(form->Calendar1->ShowHolidays);
    for (int month = 1; month <= 12; ++month)
        EXPECT_TRUE(year->BigCalendar->BoldDays(month).isEmpty()) << month;
    info->ToggleShowHolidays1->trigger();
    EXPECT_EQ(year->BigCalendar->BoldDays(7), QList<int>({4}));
}

TEST_F(YearTabsTest, WeekSwitchesReachBothCalendarsAndTheSettings) {
    OpenTab(YearTab);
    year->WeekStartBox->setCurrentIndex(0);
    emit year->WeekStartBox->activated(0);
    EXPECT_EQ(Settings.WeekStart, 0);
    EXPECT_EQ(year->BigCalendar->FirstColumnDay(), Qt::Monday);
    EXPECT_EQ(form->Calendar1->StartOfWeek(), 1);
    year->WeekStartBox->setCurrentIndex(6);
    emit year->WeekStartBox->activated(6);
    EXPECT_EQ(year->BigCalendar->FirstColumnDay(), Qt::Sunday);
    EXPECT_EQ(form->Calendar1->StartOfWeek(), 0);

    year->WeekNumbersBox->click();
    EXPECT_TRUE(Settings.ShowWeekNumbers);
    EXPECT_TRUE(year->BigCalendar->WeekNumbers());
}

TEST_F(YearTabsTest, SelectingAHolidayRowMovesTheCalendarToItsDay) {
    Show(2024, 6, 1);
    OpenTab(HolidayTab);
    QTableView* grid = info->HolidayPage->HolidayGrid;
    const THolidayTableModel* model = info->HolidayPage->Holidays;
    EXPECT_EQ(info->HolidayPage->HolidayGroupBox->title(), QStringLiteral(" 2024  Holidays "));
    ASSERT_EQ(model->rowCount(), 27);
    int christmas = -1;
    for (int row = 0; row < model->rowCount(); ++row)
        if (model->data(model->index(row, 0)).toString() == QLatin1String("Christmas"))
            christmas = row;
    ASSERT_GE(christmas, 0);
    // The table taking the focus as the tab opens leaves the day alone.
    QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(grid, &focusIn);
    EXPECT_EQ(Shown(), QDate(2024, 6, 1));
    grid->selectRow(christmas);
    EXPECT_EQ(Shown(), QDate(2024, 12, 25));
    // The table of the same year stays, and with it the selection.
    EXPECT_EQ(grid->currentIndex().row(), christmas);
    Show(2025, 1, 10);
    EXPECT_EQ(info->HolidayPage->HolidayGroupBox->title(), QStringLiteral(" 2025  Holidays "));
}

}  // namespace
}  // namespace orbelune
