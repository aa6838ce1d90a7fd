// The engine's memo, and the routines that keep results in one when two threads call
// them at once (the weather thread and the user-interface thread both use the engine).
#include "SmallMemo.h"

#include "StAstro.h"
#include "moon.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <thread>
#include <vector>

namespace orbelune {
namespace {

TEST(SmallMemo, KeepsTheLastEntriesAndComputesEachOnce) {
    TSmallMemo<int, int, 3> memo;
    int calls = 0;
    const auto square = [&calls](int x) {
        ++calls;
        return x * x;
    };
    for (int x : {1, 2, 1, 3, 2}) EXPECT_EQ(memo.Get(x, [&] { return square(x); }), x * x);
    EXPECT_EQ(calls, 3);
    memo.Get(4, [&] { return square(4); });  // makes room: 1 goes
    EXPECT_FALSE(memo.Find(1));
    EXPECT_EQ(memo.Find(3), 9);
}

TEST(SmallMemo, AFailedComputationLeavesNothing) {
    TSmallMemo<int, int, 2> memo;
    EXPECT_THROW(memo.Get(7, []() -> int { throw std::runtime_error("no"); }), std::runtime_error);
    EXPECT_FALSE(memo.Find(7));
}

// Two threads walk through the same days and years at once; each must see what one
// thread alone computes.
TEST(SmallMemo, RoutinesThatKeepResultsAgreeAcrossThreads) {
    const TDayNumber first = DMYToDayNumber(1, 1, 2024, 0);
    std::vector<TRiseSetRec> alone;
    std::vector<TDateTime> terms;
    for (int i = 0; i < 60; ++i) alone.push_back(MoonRiseSet(first + i, 0, 12.5, 41.9));
    for (int year = 2020; year < 2030; ++year) terms.push_back(SolarTermDate(year, 18));
    const TPhaseDates phases = PhaseDatesInMonth(first, 2);

    std::vector<std::thread> threads;
    std::vector<int> failures(4, 0);
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&, t] {
            for (int round = 0; round < 3; ++round) {
                for (int i = 0; i < 60; ++i) {
                    const TRiseSetRec r = MoonRiseSet(first + (i * (t + 1)) % 60, 0, 12.5, 41.9);
                    const TRiseSetRec& expected = alone[static_cast<size_t>((i * (t + 1)) % 60)];
                    failures[t] += r.Rise != expected.Rise || r.Set != expected.Set;
                }
                for (int year = 2020; year < 2030; ++year)
                    failures[t] +=
                        SolarTermDate(year, 18) != terms[static_cast<size_t>(year - 2020)];
                const TPhaseDates p = PhaseDatesInMonth(first + 400 * (t % 2), 2);
                failures[t] += t % 2 == 0 && (p[0].D != phases[0].D || p[0].T != phases[0].T);
            }
        });
    }
    for (std::thread& thread : threads) thread.join();
    for (int t = 0; t < 4; ++t) EXPECT_EQ(failures[t], 0) << "thread " << t;
}

}  // namespace
}  // namespace orbelune
