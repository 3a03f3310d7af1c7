#include "core/PauseSchedule.h"
#include "core/TSteadyClock.h"

#include "TCaseName.h"
#include "TFakePauseWindow.h"
#include "TFakePresence.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

// The counter starts far from zero, as a computer's does, so that only differences can be right.
constexpr std::uint64_t StartCount = 4'000'000'000'123;

TEST(SteadyClock, AdvancesTheStartTimeByTheCounterOnly) {
    const struct {
        std::uint64_t elapsedMilliseconds;
        const char* wallClock;  // what the wall clock reads by then
        const char* expected;
    } readings[] = {{0, "2026.12.08 23:59:58", "2026.12.08 23:59:58"},
                    {999, "2026.12.08 23:59:58", "2026.12.08 23:59:58"},
                    {1'500, "2026.12.08 23:59:59", "2026.12.08 23:59:59"},
                    {2'000, "2026.12.08 23:00:00", "2026.12.09 00:00:00"},
                    {3'600'000, "2026.12.09 02:00:00", "2026.12.09 00:59:58"},
                    {90'061'000, "2026.12.08 09:00:00", "2026.12.10 01:00:59"},
                    {40ull * 86'400'000, "2027.01.01 00:00:00", "2027.01.17 23:59:58"}};
    std::uint64_t count = StartCount;
    std::string wall = "2026.12.08 23:59:58";
    int wallReadings = 0;
    const TSteadyClock clock(
        [&] {
            ++wallReadings;
            return wall;
        },
        [&] { return count; });
    for (const auto& reading : readings) {
        count = StartCount + reading.elapsedMilliseconds;
        wall = reading.wallClock;
        EXPECT_EQ(clock.Now(), reading.expected) << reading.elapsedMilliseconds;
    }
    count = StartCount - 1;
    EXPECT_EQ(clock.Now(), "2026.12.08 23:59:58");
    EXPECT_EQ(wallReadings, 1);
}

TEST(SteadyClock, StartsAtTheSystemsLocalTime) {
    const TSteadyClock clock;
    const std::string before = CurrentTimestamp();
    const std::string now = clock.Now();
    EXPECT_LE(now, CurrentTimestamp());
    EXPECT_LE(ShiftTimestamp(before, "00:00:02", false), now);
}

// The schedule on a steady clock while the wall clock is set an hour back or forward, as the user
// or a daylight-saving change does: the interval and the pause keep their length in real time.
struct TWallClockMove {
    const char* name;
    bool duringPause;
    const char* shift;
    bool forward;
};

class WallClockMoved : public testing::TestWithParam<TWallClockMove> {
protected:
    // Advances the counter to the given seconds since start-up and runs a tick.
    void TickAt(std::uint64_t seconds) {
        count = StartCount + seconds * 1000;
        OnTimerTick(state, window, now, absence, presence.Sources(), presence.HeadsUp());
    }
    void MoveWallClock() { wall = ShiftTimestamp(wall, GetParam().shift, GetParam().forward); }

    std::uint64_t count = StartCount;
    std::string wall = "2026.12.08 09:00:00";
    const TSteadyClock steadyClock{[this] { return wall; }, [this] { return count; }};
    const TClock now = [this] { return steadyClock.Now(); };
    AppState state{L"", L"", "00:10:00", "00:01:00", ShiftTimestamp(now(), "00:10:00", true), "", "", "", {}};
    TAbsence absence;
    TFakePauseWindow window;
    TFakePresence presence;
};

TEST_P(WallClockMoved, NeitherTheNextPauseNorTheTimeLeftMoves) {
    TickAt(300);
    if (!GetParam().duringPause) {
        MoveWallClock();
    }
    TickAt(600);
    EXPECT_FALSE(window.IsShown);
    TickAt(601);
    ASSERT_TRUE(window.IsShown);
    TickAt(604);
    if (GetParam().duringPause) {
        MoveWallClock();
    }
    TickAt(605);
    TickAt(661);
    TickAt(662);
    EXPECT_EQ(window.shown, (std::vector<std::string>{"00:01:00", "00:00:57", "00:00:56", "00:00:00", ""}));
    window.Hide();
    OnPauseDismissed(state, window, now);
    EXPECT_FALSE(window.IsShown);
    EXPECT_EQ(state.nextPauseStart, "2026.12.08 09:21:02");
}

const TWallClockMove moves[] = {{"BackWhileWaiting", false, "01:00:00", false},
                                {"ForwardWhileWaiting", false, "01:00:00", true},
                                {"BackDuringAPause", true, "01:00:00", false},
                                {"ForwardDuringAPause", true, "01:00:00", true}};
INSTANTIATE_TEST_SUITE_P(Cases, WallClockMoved, testing::ValuesIn(moves),
                         TCaseName());

}  // namespace
