#include "toolkit/TRepeatedAction.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <utility>

namespace {

// Handles the thread's messages, as a message loop would, until the condition holds or time is up.
template <typename TCondition>
bool PumpUntil(DWORD milliseconds, TCondition condition) {
    const ULONGLONG end = GetTickCount64() + milliseconds;
    while (!condition() && GetTickCount64() < end) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&message);
        }
        Sleep(1);
    }
    return condition();
}

// The action's hidden window; tests run one at a time, so it is the only one.
HWND HiddenWindow() {
    return FindWindowW(L"TWindow", L"dummy");
}

class TimerPeriodTest : public testing::TestWithParam<std::pair<double, UINT>> {};

TEST_P(TimerPeriodTest, TruncatesToWholeMillisecondsWithinThePlatformRange) {
    EXPECT_EQ(TimerPeriodMilliseconds(GetParam().first), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Periods, TimerPeriodTest,
                         testing::Values(std::pair{1.0, 1000u}, std::pair{0.0015, 1u}, std::pair{2.9999, 2999u},
                                         std::pair{0.0009, 0u}, std::pair{-1.0, 0u},
                                         std::pair{std::numeric_limits<double>::quiet_NaN(), 0u},
                                         std::pair{1e12, UINT{USER_TIMER_MAXIMUM}}));

TEST(RepeatedActionTest, ATickDuringTheCallbackIsConsumedWithoutACall) {
    int calls = 0;
    int callsInside = 0;
    const TRepeatedAction action(
        [&] {
            if (++calls == 1) {
                // A nested loop, as a modal menu runs; real ticks are dispatched inside it.
                PumpUntil(100, [] { return false; });
                callsInside = calls;
            }
        },
        0.01);
    ASSERT_NE(HiddenWindow(), nullptr);
    EXPECT_FALSE(IsWindowVisible(HiddenWindow()));
    EXPECT_TRUE(PumpUntil(2000, [&] { return calls >= 3; }));
    EXPECT_EQ(callsInside, 1);
}

TEST(RepeatedActionTest, OnlyACallbackSetsATimer) {
    {
        const TRepeatedAction idle(TCallback(), 0.01);
        ASSERT_NE(HiddenWindow(), nullptr);
        EXPECT_FALSE(KillTimer(HiddenWindow(), 0));
    }
    const TRepeatedAction action([] {}, 100.0);
    EXPECT_TRUE(KillTimer(HiddenWindow(), 0));
}

TEST(RepeatedActionTest, NoCallAfterDestructionEvenForAQueuedTick) {
    int calls = 0;
    auto action = std::make_unique<TRepeatedAction>([&] { ++calls; }, 0.01);
    const HWND hidden = HiddenWindow();
    Sleep(50);
    PostMessageW(hidden, WM_TIMER, 0, 0);
    action.reset();
    PumpUntil(50, [] { return false; });
    EXPECT_EQ(calls, 0);
    EXPECT_FALSE(IsWindow(hidden));
}

}  // namespace
