#include "core/PauseSchedule.h"

#include "TFakePauseWindow.h"
#include "TTestFolder.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

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
        OnTimerTick(state, window, clock, absence, presentation);
    }
    void Leave(const std::string& time, TAbsence::TReason reason) {
        now = time;
        OnUserLeft(absence, reason, clock);
    }
    void Return(const std::string& time, TAbsence::TReason reason) {
        now = time;
        OnUserReturned(state, absence, reason, window, clock);
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
    TAbsence absence;
    bool presenting = false;
    TPresentationQuery presentation = [this] { return presenting; };
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
    OnTimerTick(state, window, [&] { return readings[std::min(next++, readings.size() - 1)]; }, absence, presentation);
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

struct TAwayCase {
    const char* name;
    bool pausing;  // a pause began at 10:00:01, ending 10:05:01, before the user left
    TAbsence::TReason reason;
    const char* left;
    const char* returned;
    const char* nextPauseStart;  // after the return
    const char* pauseEnd;
    const char* shownAtReturn;  // what the window was given at the return; null when nothing
    // Then, while waiting, a tick a second after the return; during a pause, a dismissal at the return.
    bool shownAfterwards;
};

class TimeAway : public Schedule, public testing::WithParamInterface<TAwayCase> {};

TEST_P(TimeAway, CountsAsAPauseWhenAtLeastAsLong) {
    const TAwayCase& entry = GetParam();
    if (entry.pausing) {
        BeginPause("2026.12.08 10:00:01");
    }
    const std::size_t shownBefore = window.shown.size();
    Leave(entry.left, entry.reason);
    Return(entry.returned, entry.reason);
    EXPECT_FALSE(absence.IsAway());
    EXPECT_EQ(state.nextPauseStart, entry.nextPauseStart);
    EXPECT_EQ(state.pauseEnd, entry.pauseEnd);
    if (entry.shownAtReturn == nullptr) {
        EXPECT_EQ(window.shown.size(), shownBefore);
    } else {
        ASSERT_EQ(window.shown.size(), shownBefore + 1);
        EXPECT_EQ(window.shown.back(), entry.shownAtReturn);
    }
    if (entry.pausing) {
        Dismiss(entry.returned);
    } else {
        Tick(ShiftTimestamp(entry.returned, "00:00:01", true));
    }
    EXPECT_EQ(window.IsShown, entry.shownAfterwards);
}

using enum TAbsence::TReason;
const TAwayCase awayCases[] = {
    {"ShortLockWhileWaiting", false, locked, "2026.12.08 09:50:00", "2026.12.08 09:54:59", "2026.12.08 10:00:00",
     "2026.12.08 10:05:00", nullptr, false},
    {"LockAsLongAsAPauseWhileWaiting", false, locked, "2026.12.08 09:50:00", "2026.12.08 09:55:00",
     "2026.12.08 10:55:00", "2026.12.08 10:05:00", nullptr, false},
    {"SleepPastTheNextPause", false, asleep, "2026.12.08 09:50:00", "2026.12.08 10:20:00", "2026.12.08 11:20:00",
     "2026.12.08 10:05:00", nullptr, false},
    {"ShortSleepPastTheNextPauseLetsItBegin", false, asleep, "2026.12.08 09:58:00", "2026.12.08 10:02:59",
     "2026.12.08 10:00:00", "2026.12.08 10:05:00", nullptr, true},
    {"ShortLockDuringAPause", true, locked, "2026.12.08 10:01:00", "2026.12.08 10:05:00", "2026.12.08 10:00:00",
     "2026.12.08 10:05:01", nullptr, true},
    {"LockAsLongAsThePauseEndsIt", true, locked, "2026.12.08 10:00:01", "2026.12.08 10:05:01",
     "2026.12.08 10:00:00", "2026.12.08 10:05:00", "", false},
    {"SleepPastThePauseEndsIt", true, asleep, "2026.12.08 10:02:00", "2026.12.08 10:30:00", "2026.12.08 10:00:00",
     "2026.12.08 10:05:01", "", false},
};
INSTANTIATE_TEST_SUITE_P(Cases, TimeAway, testing::ValuesIn(awayCases),
                         [](const testing::TestParamInfo<TAwayCase>& entry) { return entry.param.name; });

TEST_F(Schedule, NoPauseBeginsWhileAwayAndTheLastReasonEndsTheAbsence) {
    Leave("2026.12.08 09:56:00", TAbsence::TReason::locked);
    Leave("2026.12.08 09:58:00", TAbsence::TReason::asleep);
    Return("2026.12.08 10:01:30", TAbsence::TReason::asleep);
    EXPECT_TRUE(absence.IsAway());
    Tick("2026.12.08 10:01:31");
    EXPECT_FALSE(window.IsShown);
    EXPECT_EQ(state.nextPauseStart, "2026.12.08 10:00:00");
    // Away from the lock on, six minutes: long enough.
    Return("2026.12.08 10:02:00", TAbsence::TReason::locked);
    EXPECT_EQ(state.nextPauseStart, "2026.12.08 11:02:00");
    // The second wake notice, and a wake without a sleep, change nothing.
    Return("2026.12.08 10:40:00", TAbsence::TReason::asleep);
    Return("2026.12.08 10:40:00", TAbsence::TReason::locked);
    EXPECT_EQ(state.nextPauseStart, "2026.12.08 11:02:00");
    EXPECT_FALSE(absence.IsAway());
}

TEST_F(Schedule, ADuePauseWaitsForThePresentationToEnd) {
    const struct {
        const char* time;
        bool presenting;
        std::vector<std::string> shown;
    } ticks[] = {{"2026.12.08 10:00:01", true, {}},
                 {"2026.12.08 10:06:59", true, {}},
                 {"2026.12.08 10:07:00", false, {"00:05:00"}},
                 // A pause already running goes on when a presentation starts.
                 {"2026.12.08 10:08:00", true, {"00:05:00", "00:04:00"}}};
    for (const auto& tick : ticks) {
        presenting = tick.presenting;
        Tick(tick.time);
        EXPECT_EQ(window.shown, tick.shown) << tick.time;
    }
    EXPECT_EQ(state.pauseEnd, "2026.12.08 10:12:00");
}

}  // namespace
