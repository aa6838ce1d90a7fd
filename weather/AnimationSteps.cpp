#include "AnimationSteps.h"

#include <algorithm>
#include <cmath>

namespace orbelune {

namespace {

// Ticks past the last frame that still show it.
constexpr int EndPause = 5;
// Fastest and slowest intervals, as offsets from the middle one.
constexpr double FasterRangeMs = 110.0;
constexpr double SlowerRangeMs = 870.0;

}  // namespace

int RadarTimerInterval(int Position) {
    // Positions past the control's range (a stored setting, a typed value) would give
    // a negative or huge interval.
    const int p = std::clamp(Position, SpeedPositionMin, SpeedPositionMax);
    const int a = p == SpeedPositionMax ? 100 : 2 * p - 100;
    if (a > 0) return int(std::nearbyint(DefaultAnimationIntervalMs - a / 100.0 * FasterRangeMs));
    if (a < 0) return int(std::nearbyint(DefaultAnimationIntervalMs + -a / 100.0 * SlowerRangeMs));
    return DefaultAnimationIntervalMs;
}

int RadarLoopStep(int& Pos, bool& RockForward, int Count, bool Loop) {
    const int shown = Pos >= 0 && Pos <= Count - 1 ? Pos : -1;
    if (Loop || RockForward) {
        if (Pos < Count + EndPause) {
            ++Pos;
        } else if (Loop) {
            Pos = 0;
        } else {
            Pos = Count - 1;
            RockForward = false;
        }
    } else if (Pos >= -(EndPause - 1)) {
        --Pos;
    } else {
        Pos = 0;
        RockForward = true;
    }
    return shown;
}

int SatelliteLoopStep(int& Pos, int Count) {
    const int shown = Pos >= 1 && Pos <= Count ? Pos : 0;
    Pos = Pos < Count + EndPause ? Pos + 1 : 0;
    return shown;
}

}  // namespace orbelune
