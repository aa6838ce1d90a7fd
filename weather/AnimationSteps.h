#pragma once
// The steps of the information window's animations, one per tick of the animation
// timer: the radar loop, which either runs through its frames and starts again (LOOP)
// or runs forward and back (ROCK), pausing at the ends, and the satellite loop; and the
// timer's interval from the speed control.

namespace orbelune {

// The speed control's positions; the middle one gives the starting interval.
inline constexpr int SpeedPositionMin = 1;
inline constexpr int SpeedPositionMax = 99;
inline constexpr int DefaultAnimationIntervalMs = 130;

// Milliseconds between ticks at speed Position (held within 1..99): 130 at 50, down
// to 20 at 99 and up to 983 at 1, linear on each side of the middle, rounded half to
// even.
int RadarTimerInterval(int Position);

// One tick of the radar loop over Count frames: returns the frame to show (Pos when it
// lies in 0..Count - 1, else -1, a pause) and steps Pos, and in ROCK mode (Loop false)
// RockForward, the direction. LOOP runs 0..Count + 5 and
// starts again at 0, so the last frame stays six ticks. ROCK runs forward to Count + 5,
// back from Count - 1 down to -5 and forward again from 0, pausing six ticks at the end
// and five at the start.
int RadarLoopStep(int& Pos, bool& RockForward, int Count, bool Loop);

// One tick of the satellite loop over Count frames, Pos 1-based: returns the frame
// number to show (Pos when it lies in 1..Count, else 0) and steps Pos, which runs to
// Count + 5 and starts again at 0.
int SatelliteLoopStep(int& Pos, int Count);

}  // namespace orbelune
