#include "ClockState.h"

namespace orbelune {

TClockState ClockState;
TDisplayState DisplayState;
TSettingsCopies SettingsCopies;

}  // namespace orbelune
