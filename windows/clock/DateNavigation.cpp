#include "DateNavigation.h"

#include "DateTimeRtl.h"
#include "Holidays.h"
#include "MyUtil.h"

#include <cmath>
#include <iterator>

namespace orbelune {

namespace {

constexpr TNavigationAction StepActionTable[] = {
    {"GoToToday1", "Today", "Go To Today"},     {"GoToPrevDay1", "Prev Day", ""},
    {"GoToNextDay1", "Next Day", ""},           {"GoToPrevMonthAction1", "", "Last Month"},
    {"GoToNextMonthAction1", "", "Next Month"}, {"GoToPrevYearAction1", "", "Last Year"},
    {"GoToNextYearAction1", "", "Next Year"},
};

constexpr TNavigationAction HolidayJumpTable[] = {
    {"GoToNewYearsDay1", "&New Year (Jan 1)", ""},
    {"GoToMartinLutherKingDay1", "Martin Luther King Day", ""},
    {"GoToChineseNewYear1", "C&hinese New Year", ""},
    {"GoToGroundHogDay1", "&Groundhog Day", ""},
    {"GoToValentinesDay1", "Valentine's Day", ""},
    {"GoToWashingtonsBirthday1", "Washington's Birthday", ""},
    {"GoToAshWednesday1", "&Ash Wednesday", ""},
    {"GoToSaintPatricksDay1", "Saint Patrick's Day", ""},
    {"GoToPassover1", "&Passover", ""},
    {"GoToGoodFriday", "Good Friday", ""},
    {"GoToEaster1", "&Easter", ""},
    {"GoToEasterOrthodox1", "Easter (&Orthodox)", ""},
    {"GoToMothersDay1", "M&other's Day", ""},
    {"GoToMemorialDay1", "&Memorial Day", ""},
    {"GoToFathersDay1", "F&ather's Day", ""},
    {"GoToFourthOfJuly1", "&Fourth of July", ""},
    {"GoToLaborDay1", "&Labor Day", ""},
    {"GoToJewishNewYear1", "&Jewish New Year", ""},
    {"GoToColumbusDay1", "Columbus Day", ""},
    {"GoToHalloween1", "&Halloween", ""},
    {"GoToElectionDay1", "Election Day (USA)", ""},
    {"GoToVeteransDay1", "Veterans Day", ""},
    {"GoToThanksgiving1", "Thanks&giving", ""},
    {"GoToHanukah1", "Hanukah", ""},
    {"GoToChristmas1", "&Christmas", ""},
};

constexpr TNavigationAction SeasonJumpTable[] = {
    {"GoToMarEquinox1", "Mar Equinox", ""},
    {"GoToJunSolstice1", "Jun Solstice", ""},
    {"GoToSepEquinox1", "Sep Equinox", ""},
    {"GoToDecSolstice1", "Dec Solstice", ""},
};

// Several captions name a traditional peak and the date set the night the shower is
// best seen; both stay as they are.
constexpr TMeteorShower MeteorShowerTable[] = {
    {"Jan  3 - Quadrantids", 1, 3, "quadrantids.html"},
    {"Apr 21 - Lyrids", 4, 21, "lyrids.html"},
    {"May  4 - Eta Aquarids", 5, 5, "eta_aquarids.html"},
    {"Jul 27 - Delta Aquarids", 7, 28, "showers/delta_aquarids.html"},
    {"Aug 11 - Perseids", 8, 12, "perseids.html"},
    {"Oct 21 - Orionids", 10, 20, "orionids.html"},
    {"Nov  3 - Taurids", 11, 3, "showers/taurids.html"},
    {"Nov 18 - Leonids", 11, 17, "leonids.html"},
    {"Dec 14 - Geminids", 12, 14, "geminids.html"},
};
static_assert(std::size(MeteorShowerTable) == MeteorShowerCount);

// A date of the calendar moved by whole days. Days before 1899-12-30 count down in
// the integer part too, so plain addition holds for the calendar's whole days.
std::optional<TDateTime> DayInBounds(TDateTime Date, int Days, bool Earlier) {
    const TDateTime target = std::trunc(Date) + Days;
    const int year = YearOf(target);
    if (Earlier ? year > NavigationFirstYear : year < NavigationLastYear) return target;
    return std::nullopt;
}

}  // namespace

std::span<const TNavigationAction> StepActions() {
    return StepActionTable;
}

std::optional<TDateTime> PrevDayTarget(TDateTime Date) {
    return DayInBounds(Date, -1, true);
}

std::optional<TDateTime> NextDayTarget(TDateTime Date) {
    return DayInBounds(Date, 1, false);
}

bool CanGoToPrevMonth(int Year, int Month) {
    return Year > NavigationFirstYear || Month > 1;
}

bool CanGoToNextMonth(int Year, int Month) {
    return Year < NavigationLastYear || Month < 12;
}

bool CanGoToPrevYear(int Year) {
    return Year > NavigationFirstYear;
}

bool CanGoToNextYear(int Year) {
    return Year < NavigationLastYear;
}

int DayStepsBack(int Day, int Year, int Month) {
    const int length = DaysInAMonth(Year, Month);
    return length > 0 && Day > length ? Day - length : 0;
}

std::optional<int> YearBoxYear(const QString& Text) {
    bool ok = false;
    const int year = Text.trimmed().toInt(&ok);
    if (!ok) return std::nullopt;
    return year;
}

std::span<const TNavigationAction> HolidayJumps() {
    return HolidayJumpTable;
}

std::optional<TDateTime> HolidayTarget(TDateTime (*Rule)(int32_t Year), int Year) {
    const TDateTime date = Rule(Year);
    // 0 is a rule's mark of no date that year, not 30 December 1899.
    if (date == 0) return std::nullopt;
    return std::trunc(date);
}

std::span<const TNavigationAction> SeasonJumps() {
    return SeasonJumpTable;
}

std::optional<TDateTime> SeasonJumpTarget(TDateTime EntryDate) {
    if (EntryDate == -1) return std::nullopt;
    return std::trunc(EntryDate);
}

std::optional<TDateTime> DaylightJumpTarget(bool Start, int Year) {
    const TDateTime change = Start ? DaylightStartOfYear(Year) : DaylightEndOfYear(Year);
    // 0 marks a zone or year without a change, not 30 December 1899.
    if (change == 0) return std::nullopt;
    return std::trunc(change);
}

std::span<const TMeteorShower> MeteorShowers() {
    return MeteorShowerTable;
}

TDateTime MeteorShowerDate(const TMeteorShower& Shower, int Year) {
    return SafeEncodeDate(Year, Shower.Month, Shower.Day);
}

QString MeteorShowerAddress(const TMeteorShower& Shower) {
    return QLatin1String(MeteorSiteAddress) + QLatin1String(Shower.Page);
}

}  // namespace orbelune
