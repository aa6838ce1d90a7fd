#include "ClockState.h"

namespace orbelune {

TClockState ClockState;
TDisplayState DisplayState;
TSettingsCopies SettingsCopies;

void ResetClockState() {
    ClockState.StartTime = 0;
    ClockState.LastClockMinute = 100;
    ClockState.JumpBackCount = 0;
    ClockState.FirstClockUpdate = true;
    ClockState.FirstTimerTick = true;
    ClockState.TimeCheckPending = false;
    ClockState.LastTimeCheckTime = 0;
    ClockState.PendingStartupWeather = false;
    ClockState.LastPlanetUpdateSecond = 0;
    DisplayState = TDisplayState();
    SettingsCopies = TSettingsCopies();
}

}  // namespace orbelune
