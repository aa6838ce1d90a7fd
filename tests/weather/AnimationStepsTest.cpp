// The animation timer's steps: the radar loop in LOOP and ROCK mode, the satellite loop
// and the interval of each speed.
#include "AnimationSteps.h"

#include <gtest/gtest.h>

#include <vector>

namespace orbelune {
namespace {

// The positions visited by Ticks ticks from position 0, forward, and the frames shown.
struct TRun {
    std::vector<int> Positions;
    std::vector<int> Shown;
};

TRun RunRadar(int Count, bool Loop, int Ticks) {
    TRun run;
    int pos = 0;
    bool forward = true;
    for (int i = 0; i < Ticks; ++i) {
        run.Positions.push_back(pos);
        run.Shown.push_back(RadarLoopStep(pos, forward, Count, Loop));
    }
    return run;
}

std::vector<int> Range(int From, int To) {
    std::vector<int> values;
    for (int v = From; From <= To ? v <= To : v >= To; From <= To ? ++v : --v) values.push_back(v);
    return values;
}

std::vector<int> Join(std::initializer_list<std::vector<int>> Parts) {
    std::vector<int> all;
    for (const auto& part : Parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

TEST(RadarLoop, LoopShowsTenFramesHoldsSixTicksThenStartsAgain) {
    const TRun run = RunRadar(10, true, 17);
    EXPECT_EQ(run.Positions, Join({Range(0, 15), {0}}));
    EXPECT_EQ(run.Shown, Join({Range(0, 9), std::vector<int>(6, -1), {0}}));
}

TEST(RadarLoop, RockRunsForwardThenBackThenForward) {
    // Forward 0..15, back from 9 down to -5, forward again from 0.
    const TRun run = RunRadar(10, false, 16 + 15 + 2);
    EXPECT_EQ(run.Positions, Join({Range(0, 15), Range(9, -5), {0, 1}}));
    EXPECT_EQ(
        run.Shown,
        Join({Range(0, 9), std::vector<int>(6, -1), Range(9, 0), std::vector<int>(5, -1), {0, 1}}));
}

TEST(RadarLoop, SwitchingToLoopWhileRockingBackGoesForward) {
    int pos = 4;
    bool forward = false;
    EXPECT_EQ(RadarLoopStep(pos, forward, 10, true), 4);
    EXPECT_EQ(pos, 5);
}

TEST(SatelliteLoop, TenFramesFromOneThenAPause) {
    int pos = 1;
    std::vector<int> shown;
    for (int i = 0; i < 17; ++i) shown.push_back(SatelliteLoopStep(pos, 10));
    // 1..10, then positions 11..15 and 0 show nothing, then 1 again.
    EXPECT_EQ(shown, Join({Range(1, 10), std::vector<int>(6, 0), {1}}));
}

TEST(AnimationSpeed, IntervalsOfTheSpeedPositions) {
    const struct {
        int Position;
        int Milliseconds;
    } cases[] = {
        {99, 20},
        {98, 24},
        {75, 75},
        {51, 128},
        {50, 130},
        {49, 147},
        {25, 565},
        {1, 983},
        // Positions past the control's range are held to its ends: never a negative or
        // an endless interval.
        {100, 20},
        {150, 20},
        {0, 983},
        {-20, 983},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RadarTimerInterval(c.Position), c.Milliseconds) << c.Position;
}

}  // namespace
}  // namespace orbelune
