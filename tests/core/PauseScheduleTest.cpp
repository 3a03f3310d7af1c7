#include "core/PauseSchedule.h"

#include "TTestFolder.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Stands in for the pause window: shows itself on ShowTimeLeft and records what it was given.
struct TFakePauseWindow {
    bool IsShown = false;
    std::vector<std::string> shown;

    void ShowTimeLeft(const std::string& remaining) {
        shown.push_back(remaining);
        IsShown = true;
    }
    // What the real window does before it calls OnPauseDismissed.
    void Hide() { IsShown = false; }
};

class Schedule : public testing::Test {
protected:
    Schedule() {
        state.dataFolder = folder.Wide(L"Tavelin");
        state.interval = "01:00:00";
        state.pauseLength = "00:05:00";
        state.nextPauseStart = "2026.12.08 10:00:00";
        state.pauseEnd = "2026.12.08 10:05:00";
    }

    void Tick(const std::string& time) {
        now = time;
        OnTimerTick(state, window, clock);
    }
    void Dismiss(const std::string& time) {
        now = time;
        window.Hide();
        OnPauseDismissed(state, window, clock);
    }
    std::error_code Accept(const std::string& time, const std::string& interval, const std::string& pauseLength) {
        now = time;
        return OnSettingsAccepted(state, window, interval, pauseLength, clock);
    }
    // Begins a pause with the given time left before its end.
    void BeginPause(const std::string& time) {
        state.nextPauseStart = ShiftTimestamp(time, "00:00:01", false);
        Tick(time);
        ASSERT_TRUE(window.IsShown);
    }

    TTestFolder folder;
    AppState state;
    TFakePauseWindow window;
    std::string now;
    TClock clock = [this] { return now; };
};

TEST_F(Schedule, BeginsOnlyOnceTheStartHasStrictlyPassed) {
    Tick("2026.12.08 09:59:59");
    Tick("2026.12.08 10:00:00");
    EXPECT_FALSE(window.IsShown);
    EXPECT_TRUE(window.shown.empty());
    Tick("2026.12.08 10:00:01");
    EXPECT_TRUE(window.IsShown);
    EXPECT_EQ(window.shown, std::vector<std::string>{"00:05:00"});
    EXPECT_EQ(state.pauseEnd, "2026.12.08 10:05:01");
    EXPECT_EQ(state.nextPauseStart, "2026.12.08 10:00:00");
}

TEST_F(Schedule, ReadsTheClockAfreshForEachStep) {
    // The second changes between the readings of one tick.
    std::vector<std::string> readings{"2026.12.08 10:00:01", "2026.12.08 10:00:01", "2026.12.08 10:00:02"};
    std::size_t next = 0;
    OnTimerTick(state, window, [&] { return readings[std::min(next++, readings.size() - 1)]; });
    EXPECT_EQ(window.shown, std::vector<std::string>{"00:04:59"});
}

TEST_F(Schedule, CountsDownAcrossMidnightToEnough) {
    state.nextPauseStart = "2026.12.08 23:57:59";
    Tick("2026.12.08 23:58:00");
    EXPECT_EQ(state.pauseEnd, "2026.12.09 00:03:00");
    Tick("2026.12.08 23:59:59");
    Tick("2026.12.09 00:00:00");
    Tick("2026.12.09 00:03:00");
    Tick("2026.12.09 00:03:01");
    Tick("2026.12.09 00:13:01");
    EXPECT_EQ(window.shown, (std::vector<std::string>{"00:05:00", "00:03:01", "00:03:00", "00:00:00", "", ""}));
}

TEST_F(Schedule, RefusesToEndAPauseEarly) {
    BeginPause("2026.12.08 10:00:01");
    Dismiss("2026.12.08 10:03:00");
    EXPECT_TRUE(window.IsShown);
    EXPECT_EQ(window.shown.back(), "00:02:01");
    EXPECT_EQ(state.nextPauseStart, "2026.12.08 10:00:00");
    EXPECT_EQ(state.pauseEnd, "2026.12.08 10:05:01");
}

TEST_F(Schedule, EndsAPauseAtItsEndAndTimesTheNextFromTheDismissal) {
    const struct {
        const char* dismissal;
        const char* nextPauseStart;
    } cases[] = {{"2026.12.08 10:05:01", "2026.12.08 11:05:01"}, {"2026.12.08 10:15:01", "2026.12.08 11:15:01"}};
    for (const auto& entry : cases) {
        BeginPause("2026.12.08 10:00:01");
        const std::size_t shownBefore = window.shown.size();
        Dismiss(entry.dismissal);
        EXPECT_FALSE(window.IsShown);
        EXPECT_EQ(window.shown.size(), shownBefore);
        EXPECT_EQ(state.nextPauseStart, entry.nextPauseStart);
        EXPECT_EQ(state.pauseEnd, "2026.12.08 10:05:01");
    }
}

TEST_F(Schedule, WithAZeroIntervalTheNextPauseBeginsASecondAfterTheDismissal) {
    state.interval = "00:00:00";
    BeginPause("2026.12.08 10:00:01");
    Dismiss("2026.12.08 10:05:01");
    Tick("2026.12.08 10:05:01");
    EXPECT_FALSE(window.IsShown);
    Tick("2026.12.08 10:05:02");
    EXPECT_TRUE(window.IsShown);
}

TEST_F(Schedule, ZeroPauseLengthShowsNoTimeThenEnough) {
    state.pauseLength = "00:00:00";
    BeginPause("2026.12.08 10:00:01");
    Tick("2026.12.08 10:00:02");
    EXPECT_EQ(window.shown, (std::vector<std::string>{"00:00:00", ""}));
}

TEST_F(Schedule, NewSettingsMoveTheTimesByTheChangeAndSaveThem) {
    struct TCase {
        const char* interval;
        const char* pauseLength;
        const char* nextPauseStart;
        const char* pauseEnd;
    };
    // Started at 09:00:00 with the defaults, changed at 09:20:00.
    const TCase cases[] = {{"00:30:00", "00:05:00", "2026.12.08 09:30:00", "2026.12.08 10:05:00"},
                           {"00:10:00", "00:10:00", "2026.12.08 09:10:00", "2026.12.08 10:10:00"},
                           {"01:00:00", "00:05:00", "2026.12.08 10:00:00", "2026.12.08 10:05:00"}};
    for (const auto& entry : cases) {
        EXPECT_FALSE(Accept("2026.12.08 09:20:00", entry.interval, entry.pauseLength));
        EXPECT_EQ(state.interval, entry.interval);
        EXPECT_EQ(state.pauseLength, entry.pauseLength);
        EXPECT_EQ(state.nextPauseStart, entry.nextPauseStart);
        EXPECT_EQ(state.pauseEnd, entry.pauseEnd);
        EXPECT_FALSE(window.IsShown);
        EXPECT_EQ(ReadBytes(state.dataFolder + L"\\config"),
                  std::string(entry.interval) + "\r\n" + entry.pauseLength + "\r\n");
    }
    Tick("2026.12.08 09:20:01");
    EXPECT_FALSE(window.IsShown);
}

TEST_F(Schedule, AShorterIntervalWhosePauseHasPassedBeginsAtTheNextTick) {
    Accept("2026.12.08 09:20:00", "00:10:00", "00:05:00");
    Tick("2026.12.08 09:20:01");
    EXPECT_TRUE(window.IsShown);
}

TEST_F(Schedule, NewPauseLengthRefreshesARunningPause) {
    BeginPause("2026.12.08 10:00:01");
    Accept("2026.12.08 10:03:01", "01:00:00", "00:10:00");
    EXPECT_EQ(state.pauseEnd, "2026.12.08 10:10:01");
    EXPECT_EQ(window.shown.back(), "00:07:00");
    // Over, then lengthened so the end lies ahead again: the countdown comes back.
    Accept("2026.12.08 10:12:00", "01:00:00", "00:05:00");
    EXPECT_EQ(window.shown.back(), "");
    Accept("2026.12.08 10:12:00", "01:00:00", "00:15:00");
    EXPECT_EQ(window.shown.back(), "00:03:01");
}

TEST_F(Schedule, KeepsNewValuesAndReportsWhenTheFileCannotBeWritten) {
    state.dataFolder = folder.Wide(L"missing\\Tavelin");
    EXPECT_TRUE(Accept("2026.12.08 09:20:00", "00:30:00", "00:10:00"));
    EXPECT_EQ(state.interval, "00:30:00");
    EXPECT_EQ(state.pauseLength, "00:10:00");
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "missing"));
}

}  // namespace
