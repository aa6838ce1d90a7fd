#pragma once
// Reading and writing the settings: every key of the table, in its order, between
// TSettings and the settings file.

#include "Settings.h"

#include <QStringList>

namespace orbelune {

// True when the first command-line parameter (after the program) is "/C" in any case:
// the program then starts from the built-in defaults.
bool SkipSettingsRequested(const QStringList& arguments);

// Reads every key into its member, applying the reading rules; a missing or unreadable
// value leaves the member as it is (or takes the rule's own default).
void ReadIniFile(TSettings& settings, TSettingsCopies& copies);

// Writes SaveOnExit, LastTimeStamp and RunWhenWindowsStarts, then, when SaveOnExit is
// set, every other key but SaveURL. False when the file could not be written.
bool SaveIniFile(const TSettings& settings);

// Writes SaveURL alone.
bool WriteURL(const TSettings& settings);

}  // namespace orbelune
