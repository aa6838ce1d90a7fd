// The clock window's date commands: today, the day, month and year steps, the holiday,
// season, daylight-saving, moon-phase, eclipse and meteor-shower jumps, and the month
// and year boxes. Every command ends in a change of the month grid's date, whose change
// signal refreshes the displays. The actions live in the window's action list and fill
// the "Go To" drop-down and the pop-up menu's "&Go To..." branch in the same order.
#include "ClockForm.h"

#include "Calendar.h"
#include "CalendarEvents.h"
#include "DateNavigation.h"
#include "Holidays.h"
#include "InfoForm.h"
#include "PlatformSeams.h"

#include <QAction>
#include <QComboBox>
#include <QKeyEvent>
#include <QMenu>

#include <cmath>

namespace orbelune {

namespace {

using TCommand = void (TForm1::*)();

// In the order of HolidayJumps().
constexpr TCommand HolidayCommands[] = {
    &TForm1::GoToNewYearsDay1Execute,    &TForm1::GoToMartinLutherKingDay1Execute,
    &TForm1::GoToChineseNewYear1Execute, &TForm1::GoToGroundHogDay1Execute,
    &TForm1::GoToValentinesDay1Execute,  &TForm1::GoToWashingtonsBirthday1Execute,
    &TForm1::GoToAshWednesday1Execute,   &TForm1::GoToSaintPatricksDay1Execute,
    &TForm1::GoToPassover1Execute,       &TForm1::GoToGoodFridayExecute,
    &TForm1::GoToEaster1Execute,         &TForm1::GoToEasterOrthodox1Execute,
    &TForm1::GoToMothersDay1Execute,     &TForm1::GoToMemorialDay1Execute,
    &TForm1::GoToFathersDay1Execute,     &TForm1::GoToFourthOfJuly1Execute,
    &TForm1::GoToLaborDay1Execute,       &TForm1::GoToJewishNewYear1Execute,
    &TForm1::GoToColumbusDay1Execute,    &TForm1::GoToHalloween1Execute,
    &TForm1::GoToElectionDay1Execute,    &TForm1::GoToVeteransDay1Execute,
    &TForm1::GoToThanksgiving1Execute,   &TForm1::GoToHanukah1Execute,
    &TForm1::GoToChristmas1Execute,
};
// In the order of SeasonJumps().
constexpr TCommand SeasonCommands[] = {
    &TForm1::GoToMarEquinox1Execute,
    &TForm1::GoToJunSolstice1Execute,
    &TForm1::GoToSepEquinox1Execute,
    &TForm1::GoToDecSolstice1Execute,
};

QString Text(const char* Latin1) {
    return QString::fromLatin1(Latin1);
}

}  // namespace

void TForm1::CreateNavigationActions() {
    const auto make = [this](const TNavigationAction& Item, TCommand Command) {
        QAction* action = NewAction(Item.Name, Text(*Item.Caption ? Item.Caption : Item.Hint));
        if (*Item.Hint) action->setToolTip(Text(Item.Hint));
        connect(action, &QAction::triggered, this, Command);
        return action;
    };
    const std::span<const TNavigationAction> steps = StepActions();
    QAction** stepActions[] = {&GoToToday1,           &GoToPrevDay1,         &GoToNextDay1,
                               &GoToPrevMonthAction1, &GoToNextMonthAction1, &GoToPrevYearAction1,
                               &GoToNextYearAction1};
    const TCommand stepCommands[] = {
        &TForm1::GoToToday1Execute,           &TForm1::GoToPrevDay1Execute,
        &TForm1::GoToNextDay1Execute,         &TForm1::GoToPrevMonthAction1Execute,
        &TForm1::GoToNextMonthAction1Execute, &TForm1::GoToPrevYearAction1Execute,
        &TForm1::GoToNextYearAction1Execute};
    static_assert(std::size(stepActions) == std::size(stepCommands));
    for (size_t i = 0; i < steps.size(); ++i) *stepActions[i] = make(steps[i], stepCommands[i]);

    static_assert(std::size(HolidayCommands) == std::tuple_size_v<decltype(GoToHolidays)>);
    for (size_t i = 0; i < GoToHolidays.size(); ++i)
        GoToHolidays[i] = make(HolidayJumps()[i], HolidayCommands[i]);
    static_assert(std::size(SeasonCommands) == std::tuple_size_v<decltype(GoToSeasons)>);
    for (size_t i = 0; i < GoToSeasons.size(); ++i)
        GoToSeasons[i] = make(SeasonJumps()[i], SeasonCommands[i]);
    GoToDaylightStart1 = make(DaylightStartAction, &TForm1::GoToDaylightStart1Execute);
    GoToDaylightEnd1 = make(DaylightEndAction, &TForm1::GoToDaylightEnd1Execute);

    for (size_t i = 0; i < GoToMoonPhase.size(); ++i) {
        const int n = static_cast<int>(i) + 1;
        GoToMoonPhase[i] = NewAction(QStringLiteral("GoToMoonPhase%1").arg(n).toLatin1(), {});
        GoToMoonPhase[i]->setVisible(false);
        connect(GoToMoonPhase[i], &QAction::triggered, this,
                [this, n] { GoToMoonPhaseExecute(n); });
    }
    for (size_t i = 0; i < GoToMeteor.size(); ++i) {
        const int n = static_cast<int>(i) + 1;
        GoToMeteor[i] = NewAction(QStringLiteral("GoToMeteor%1").arg(n).toLatin1(),
                                  Text(MeteorShowers()[i].Caption));
        connect(GoToMeteor[i], &QAction::triggered, this, [this, n] { GoToMeteorExecute(n); });
    }
}

void TForm1::FillGoToMenu(QMenu* Menu, const QString& Prefix, std::array<QAction*, 5>& MoonItems,
                          std::array<QAction*, 7>& EclipseItems) {
    // The drop-down names its items "MoonMenu1", the pop-up menu "MenuMoon1".
    const auto name = [&Prefix](const char* Kind, int N) {
        const QString kind = QString::fromLatin1(Kind);
        return (Prefix.isEmpty() ? kind + QStringLiteral("Menu") : Prefix + kind) +
               QString::number(N);
    };
    const auto subMenu = [&](const char* Kind, const QString& Caption) {
        QMenu* sub = Menu->addMenu(Caption);
        sub->setObjectName(name(Kind, 1));
        return sub;
    };
    Menu->addActions({GoToToday1, GoToPrevDay1, GoToNextDay1, GoToPrevMonthAction1,
                      GoToNextMonthAction1, GoToPrevYearAction1, GoToNextYearAction1});
    Menu->addSeparator();
    QMenu* holidays = subMenu("Holiday", QStringLiteral("&Holidays"));
    for (QAction* action : GoToHolidays) holidays->addAction(action);
    for (QAction* action : GoToSeasons) Menu->addAction(action);
    QMenu* daylight = subMenu("Daylight", QString::fromLatin1(DaylightMenuCaption));
    daylight->addActions({GoToDaylightStart1, GoToDaylightEnd1});
    Menu->addSeparator();
    // Moon and eclipse items carry their own captions and pictures; they run the actions.
    for (size_t i = 0; i < MoonItems.size(); ++i) {
        MoonItems[i] = Menu->addAction(QString());
        MoonItems[i]->setObjectName(name("Moon", static_cast<int>(i) + 1));
        MoonItems[i]->setVisible(false);
        connect(MoonItems[i], &QAction::triggered, GoToMoonPhase[i], &QAction::trigger);
    }
    Menu->addSeparator();
    for (size_t i = 0; i < EclipseItems.size(); ++i) {
        EclipseItems[i] = Menu->addAction(QString());
        EclipseItems[i]->setObjectName(name("Eclipse", static_cast<int>(i) + 1));
        EclipseItems[i]->setVisible(false);
        connect(EclipseItems[i], &QAction::triggered, GoToEclipse[i], &QAction::trigger);
    }
    Menu->addSeparator();
    QMenu* meteors = subMenu("Meteor", QStringLiteral("&Meteor Showers"));
    for (QAction* action : GoToMeteor) meteors->addAction(action);
}

// ---- Steps ---------------------------------------------------------------------------------

void TForm1::GoToToday1Execute() {
    GoToDate(Platform().Clock->Now());
}

void TForm1::GoToPrevDay1Execute() {
    if (const auto day = PrevDayTarget(Calendar1->CalendarDate())) GoToDate(*day);
}

void TForm1::GoToNextDay1Execute() {
    if (const auto day = NextDayTarget(Calendar1->CalendarDate())) GoToDate(*day);
}

void TForm1::GoToPrevMonthAction1Execute() {
    if (CanGoToPrevMonth(Calendar1->Year(), Calendar1->Month()))
        Calendar1->ChangeMonth(TCalendar::PrevMonth);
}

void TForm1::GoToNextMonthAction1Execute() {
    if (CanGoToNextMonth(Calendar1->Year(), Calendar1->Month()))
        Calendar1->ChangeMonth(TCalendar::NextMonth);
}

void TForm1::GoToPrevYearAction1Execute() {
    if (CanGoToPrevYear(Calendar1->Year())) Calendar1->PrevYear();
}

void TForm1::GoToNextYearAction1Execute() {
    if (CanGoToNextYear(Calendar1->Year())) Calendar1->NextYear();
}

// Each step back is a whole date change, so the displays follow the calendar down to
// the last day the new month has.
void TForm1::MonthComboBoxChange() {
    const int month = MonthComboBox->currentIndex() + 1;
    if (month < 1) return;
    for (int n = DayStepsBack(Calendar1->Day(), Calendar1->Year(), month); n > 0; --n)
        GoToDate(Calendar1->CalendarDate() - 1);
    Calendar1->SetMonth(month);
    Calendar1->setFocus();
}

void TForm1::YearComboBoxChange() {
    const std::optional<int> year = YearBoxYear(YearComboBox->currentText());
    if (!year) return;
    for (int n = DayStepsBack(Calendar1->Day(), *year, Calendar1->Month()); n > 0; --n)
        GoToDate(Calendar1->CalendarDate() - 1);
    Calendar1->SetYear(*year);
    Calendar1->setFocus();
}

bool TForm1::YearComboBoxKeyPress(const QKeyEvent* Key) {
    const QString text = Key->text();
    return !text.isEmpty() && text.at(0).isPrint();
}

// ---- Holidays, seasons, daylight saving ---------------------------------------------------

void TForm1::GoToHoliday(TDateTime (*Rule)(std::int32_t Year)) {
    if (const auto day = HolidayTarget(Rule, Calendar1->Year())) GoToDate(*day);
}

void TForm1::GoToNewYearsDay1Execute() {
    GoToHoliday(NewYearsDay);
}
void TForm1::GoToMartinLutherKingDay1Execute() {
    GoToHoliday(ThirdMondayOfJanuary);
}
void TForm1::GoToChineseNewYear1Execute() {
    GoToHoliday(ChinaNewYear);
}
void TForm1::GoToGroundHogDay1Execute() {
    GoToHoliday(GroundhogDay);
}
void TForm1::GoToValentinesDay1Execute() {
    GoToHoliday(February14);
}
void TForm1::GoToWashingtonsBirthday1Execute() {
    GoToHoliday(ThirdMondayOfFebruary);
}
void TForm1::GoToAshWednesday1Execute() {
    GoToHoliday(AshWednesday);
}
void TForm1::GoToSaintPatricksDay1Execute() {
    GoToHoliday(March17);
}
void TForm1::GoToPassover1Execute() {
    GoToHoliday(PassoverDay1);
}
void TForm1::GoToGoodFridayExecute() {
    GoToHoliday(GoodFriday);
}
void TForm1::GoToEaster1Execute() {
    GoToHoliday(EasterSunday);
}
void TForm1::GoToEasterOrthodox1Execute() {
    GoToHoliday(OrthodoxEaster);
}
void TForm1::GoToMothersDay1Execute() {
    GoToHoliday(MothersDay);
}
void TForm1::GoToMemorialDay1Execute() {
    GoToHoliday(MemorialDay);
}
void TForm1::GoToFathersDay1Execute() {
    GoToHoliday(FathersDay);
}
void TForm1::GoToFourthOfJuly1Execute() {
    GoToHoliday(FourthOfJuly);
}
void TForm1::GoToLaborDay1Execute() {
    GoToHoliday(LaborDay);
}
void TForm1::GoToJewishNewYear1Execute() {
    GoToHoliday(JewishNewYear);
}
void TForm1::GoToColumbusDay1Execute() {
    GoToHoliday(SecondMondayOfOctober);
}
void TForm1::GoToHalloween1Execute() {
    GoToHoliday(Halloween);
}
void TForm1::GoToElectionDay1Execute() {
    GoToHoliday(ElectionDay);
}
void TForm1::GoToVeteransDay1Execute() {
    GoToHoliday(VeteransDay);
}
void TForm1::GoToThanksgiving1Execute() {
    GoToHoliday(ThanksgivingDay);
}
void TForm1::GoToHanukah1Execute() {
    GoToHoliday(HanukahDay1);
}
void TForm1::GoToChristmas1Execute() {
    GoToHoliday(ChristmasDay);
}

// The season table is the calendar's year's (the calendar-events model keeps it).
void TForm1::GoToSeason(int Entry) {
    const TSeasonTable& seasons = Events->SeasonTable();
    if (Entry < 1 || Entry > static_cast<int>(seasons.size())) return;
    if (const auto day = SeasonJumpTarget(seasons[static_cast<size_t>(Entry - 1)].Date))
        GoToDate(*day);
}

void TForm1::GoToMarEquinox1Execute() {
    GoToSeason(1);
}
void TForm1::GoToJunSolstice1Execute() {
    GoToSeason(2);
}
void TForm1::GoToSepEquinox1Execute() {
    GoToSeason(3);
}
void TForm1::GoToDecSolstice1Execute() {
    GoToSeason(4);
}

void TForm1::GoToDaylight(bool Start) {
    if (const auto day = DaylightJumpTarget(Start, Calendar1->Year())) GoToDate(*day);
}

void TForm1::GoToDaylightStart1Execute() {
    GoToDaylight(true);
}
void TForm1::GoToDaylightEnd1Execute() {
    GoToDaylight(false);
}

// ---- Moon phases and meteor showers -------------------------------------------------------

void TForm1::GoToMoonPhaseExecute(int N) {
    if (InfoForm != nullptr) InfoForm->GoToMoonPhaseDate(N);
}

void TForm1::GoToMeteorExecute(int N) {
    const std::span<const TMeteorShower> showers = MeteorShowers();
    if (N < 1 || N > static_cast<int>(showers.size())) return;
    const TMeteorShower& shower = showers[static_cast<size_t>(N - 1)];
    GoToDate(MeteorShowerDate(shower, Calendar1->Year()));
    if (InfoForm != nullptr) InfoForm->GoBrowser(MeteorShowerAddress(shower), this);
}

}  // namespace orbelune
