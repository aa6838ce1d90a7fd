#pragma once
// The clock window's date commands as data and plain rules: the captions, hints and
// action names of the "Go To" menus, the targets of the holiday, season, daylight-saving
// and meteor-shower jumps, the bounds of the day, month and year steps, and the day
// step-back of the month and year boxes. The window owns the actions and the calendar;
// everything it needs to decide where a command goes is here.

#include "StDate.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <span>

namespace orbelune {

// The years the calendar moves within (the year box holds the same range).
inline constexpr int NavigationFirstYear = 1600;
inline constexpr int NavigationLastYear = 3429;

// An action of the menus: component name, caption and hint (either may be empty).
struct TNavigationAction {
    const char* Name;
    const char* Caption;
    const char* Hint;
};

// Today, the day, month and year steps, in the order the menus list them.
std::span<const TNavigationAction> StepActions();

// ---- Steps -----------------------------------------------------------------------

// The day before or after Date, when its year stays inside the bounds (the day
// before must lie after 1600, the day after before 3429); none otherwise.
std::optional<TDateTime> PrevDayTarget(TDateTime Date);
std::optional<TDateTime> NextDayTarget(TDateTime Date);
// Whether the calendar's own month and year steps are taken from Year and Month.
bool CanGoToPrevMonth(int Year, int Month);
bool CanGoToNextMonth(int Year, int Month);
bool CanGoToPrevYear(int Year);
bool CanGoToNextYear(int Year);

// How many single days the month and year boxes step the calendar back before they
// change the month or year: the days by which Day exceeds the length of Month in
// Year (31 March to February of a common year: 3).
int DayStepsBack(int Day, int Year, int Month);
// The year the year box's text names; none when it is not a whole number.
std::optional<int> YearBoxYear(const QString& Text);

// ---- Holidays ----------------------------------------------------------------------

// The 25 holiday jumps in menu order; each action's handler is its name + "Execute".
std::span<const TNavigationAction> HolidayJumps();

// The day of a holiday rule of the engine in Year; none when the rule has no date that
// year (its calendar does not reach it).
std::optional<TDateTime> HolidayTarget(TDateTime (*Rule)(int32_t Year), int Year);

// ---- Seasons and daylight saving ---------------------------------------------------

// The March equinox, June solstice, September equinox and December solstice: jump n
// goes to entry n of the year's season table.
std::span<const TNavigationAction> SeasonJumps();

// The day of a season entry's date-time; none for an entry without a date (-1).
std::optional<TDateTime> SeasonJumpTarget(TDateTime EntryDate);

// The group of the two daylight-saving jumps and their actions.
inline constexpr const char* DaylightMenuCaption = "Daylight Savings";
inline constexpr TNavigationAction DaylightStartAction{"GoToDaylightStart1", "Start", ""};
inline constexpr TNavigationAction DaylightEndAction{"GoToDaylightEnd1", "End", ""};

// The day the clocks change in Year in the local zone (Start: forward, else back);
// none in a zone or year without a change.
std::optional<TDateTime> DaylightJumpTarget(bool Start, int Year);

// ---- Moon phases and eclipses ------------------------------------------------------

inline constexpr int MoonPhaseJumpCount = 5;
inline constexpr int EclipseJumpCount = 7;
inline constexpr const char* EclipseJumpHint = "Go To Eclipse";

// ---- Meteor showers ------------------------------------------------------------------

struct TMeteorShower {
    const char* Caption;
    int Month;
    int Day;  // the day the calendar goes to (not always the caption's)
    const char* Page;
};

inline constexpr int MeteorShowerCount = 9;

// The nine showers in menu order; action n is "GoToMeteor" + n.
std::span<const TMeteorShower> MeteorShowers();

// The site that describes the showers; each shower's page lies below it.
inline constexpr const char* MeteorSiteAddress = "https://www.meteorshowersonline.com/";

// The shower's date in Year, and the address of its page.
TDateTime MeteorShowerDate(const TMeteorShower& Shower, int Year);
QString MeteorShowerAddress(const TMeteorShower& Shower);

}  // namespace orbelune
