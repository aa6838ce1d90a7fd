#pragma once
// Program-wide state of the clock update and of the clock window's displays, kept on
// the user-interface thread. (The weather's own state is in weather/WeatherState.h.)

#include "Settings.h"
#include "StDate.h"

#include <QString>

namespace orbelune {

struct TClockState {
    TDateTime StartTime = 0;
    int LastClockMinute = 100;  // 100 makes the first update a minute change
    int JumpBackCount = 0;      // minute changes since the calendar last changed
    bool FirstClockUpdate = true;
    bool FirstTimerTick = true;
    bool TimeCheckPending = false;
    TDateTime LastTimeCheckTime = 0;
    // Raised at start-up when the weather is to be fetched; the start tasks consume it.
    bool PendingStartupWeather = false;
    int LastPlanetUpdateSecond = 0;
};

// Texts of the clock window that other windows read.
struct TDisplayState {
    QString SunriseText;
    QString SunriseZone;
    QString SunsetText;
    QString SunsetZone;
    // The program's title beside its windows: the date, or the temperature once the
    // weather report owns it.
    QString ApplicationTitle;
    bool DayEventShown = false;
};

extern TClockState ClockState;
extern TDisplayState DisplayState;
// The location and station strings as the settings store gave them at start-up.
extern TSettingsCopies SettingsCopies;

}  // namespace orbelune
