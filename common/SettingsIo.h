#pragma once
// Reading and writing the settings: every key of the table, in its order, between
// TSettings and the settings file.

#include "Settings.h"

#include <QStringList>

namespace orbelune {

// True when the first command-line parameter (after the program) is "/C" in any case:
// the program then starts from the built-in defaults.
bool SkipSettingsRequested(const QStringList& arguments);

// What became of a read or a save. Message is what the user should be told, in a
// sentence or two; it is empty when there is nothing (new) to tell.
struct TSettingsResult {
    bool Ok = true;
    QString Message;
    explicit operator bool() const { return Ok; }
};

// Reads every key into its member, applying the reading rules; a missing or unreadable
// value leaves the member as it is (or takes the rule's own default). A settings file
// that is there but cannot be read (see TSettingsFileState) leaves every member as it
// is, is not written over at close, and is reported here, once. A folder in which the
// settings cannot be saved (no permission, a read-only or full disk) is reported here
// too, and the save that fails for it at close is then not reported again.
TSettingsResult ReadIniFile(TSettings& settings, TSettingsCopies& copies);

// Closing saves on its own; a location save is the user's explicit request.
enum class TSaveIntent { AtClose, OnPurpose };

// Writes SaveOnExit, LastTimeStamp and RunWhenWindowsStarts, then, when SaveOnExit is
// set, every other key but SaveURL. A settings file that cannot be read is replaced only
// OnPurpose; at close it is kept (not Ok, with a message unless ReadIniFile already gave
// one). A file that could not be written completely keeps its old contents and is
// reported in the message.
TSettingsResult SaveIniFile(const TSettings& settings, TSaveIntent intent = TSaveIntent::AtClose);

// Writes SaveURL alone; never over a settings file that cannot be read, since the other
// settings in it would be lost.
TSettingsResult WriteURL(const TSettings& settings);

}  // namespace orbelune
