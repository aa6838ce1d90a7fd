#pragma once
// The one table of the settings store: key, kind of value, member of TSettings and
// the rule applied on reading, in the order in which the store is read.

#include "Settings.h"

#include <array>
#include <climits>
#include <variant>

namespace orbelune {

enum class TSettingKind { Integer, Boolean, Extended, Double, DateTime, String, Character };

enum class TReadRule {
    Plain,           // the value read replaces the member; a missing key leaves it
    Clamp,           // as Plain, then kept within Min..Max
    DefaultTrue,     // a missing key reads as True, whatever the member holds
    DefaultFalse,    // a missing key reads as False
    SouthOfEquator,  // a missing key reads as True exactly when Latitude < 0
    WeekStart,       // a value outside 0..7 becomes 7 (take the locale's first day)
    StationCode,     // cut to 4 characters
    StationName,     // cut to 128 characters
    WeatherServer,   // cut to 128; the retired host is replaced by the default
    Location,        // a location string: see ReadIniFile
    Cut128,          // a string of up to 128 characters
};

using TSettingMember = std::variant<int TSettings::*, bool TSettings::*, long double TSettings::*,
                                    double TSettings::*, QString TSettings::*, char TSettings::*>;

struct TSettingEntry {
    const char* Key;
    TSettingKind Kind;
    TSettingMember Member;
    TReadRule Rule = TReadRule::Plain;
    int Min = INT_MIN;  // bounds of TReadRule::Clamp, and of the angles
    int Max = INT_MAX;
};

inline constexpr int SettingsCount = 103;
extern const std::array<TSettingEntry, SettingsCount> SettingsTable;

// Written on every save, ahead of the others, even when SaveOnExit is off.
extern const std::array<const char*, 3> AlwaysSavedKeys;
// The keys written after them when SaveOnExit is on, in the order of writing.
// SaveURL is absent: only WriteURL writes it.
extern const std::array<const char*, SettingsCount - 4> SavedOnExitKeys;

// The table entry of a key (exact spelling), or nullptr.
const TSettingEntry* FindSetting(const char* Key);

}  // namespace orbelune
