#include "core/PauseEndSound.h"
#include "core/PauseNow.h"
#include "core/PauseSchedule.h"
#include "core/ReminderPauseSchedule.h"

#include "TScheduleHarness.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The program's tick with the end sound asked for after it, and "Take a pause now".
class PauseNow : public TScheduleHarness {
protected:
    PauseNow() : TScheduleHarness("00:20:00", "00:01:00", "2026.12.08 09:20:00", "2026.12.08 09:21:00") {}

    void TickAndListen(const std::string& time) {
        Tick(time);
        if (TakeEndSoundCue(state, window, absence, clock)) {
            sounds.push_back(time);
        }
    }
    bool TakeNow(const std::string& time) {
        At(time);
        return OnPauseTakenNow(state, window, clock);
    }

    std::vector<std::string> sounds;
};

struct TTakeNowCase {
    const char* name;
    bool remindersPaused;
};

class PauseTakenNow : public PauseNow, public testing::WithParamInterface<TTakeNowCase> {};

TEST_P(PauseTakenNow, BeginsAtOnceCountsDownAndTimesTheNextFromItsDismissal) {
    if (GetParam().remindersPaused) {
        Choose("2026.12.08 09:01:00", TReminderPause::TChoice::for2Hours);
    }
    Tick("2026.12.08 09:05:00");
    ASSERT_TRUE(TakeNow("2026.12.08 09:05:00"));
    EXPECT_EQ(window.shown, std::vector<std::string>{"00:01:00"});
    EXPECT_EQ(state.pauseEnd, "2026.12.08 09:06:00");
    Tick("2026.12.08 09:05:01");
    EXPECT_EQ(window.shown.back(), "00:00:59");
    Tick("2026.12.08 09:06:00");
    EXPECT_EQ(window.shown.back(), "00:00:00");
    Tick("2026.12.08 09:06:01");
    EXPECT_EQ(window.shown.back(), "");

    Dismiss("2026.12.08 09:06:30");
    EXPECT_FALSE(window.IsShown);
    EXPECT_EQ(state.nextPauseStart, "2026.12.08 09:26:30");
    EXPECT_EQ(reminderPause.IsActive(), GetParam().remindersPaused);
    Tick("2026.12.08 09:26:31");
    EXPECT_EQ(window.IsShown, !GetParam().remindersPaused);
}

INSTANTIATE_TEST_SUITE_P(Settings, PauseTakenNow,
                         testing::Values(TTakeNowCase{"WhileWaiting", false}, TTakeNowCase{"WhileRemindersPaused", true}),
                         [](const testing::TestParamInfo<TTakeNowCase>& entry) { return entry.param.name; });

TEST_F(PauseNow, IsRefusedDuringAPause) {
    Tick("2026.12.08 09:20:01");
    ASSERT_TRUE(window.IsShown);
    const std::vector<std::string> shown = window.shown;
    EXPECT_FALSE(TakeNow("2026.12.08 09:20:30"));
    EXPECT_EQ(window.shown, shown);
    EXPECT_EQ(state.pauseEnd, "2026.12.08 09:21:01");
}

struct TEndSoundCase {
    const char* name;
    bool endSound;
    // Locked from this time until the next, or never for the empty texts.
    std::string leaveAt;
    std::string returnAt;
    std::vector<std::string> sounds;
};

class EndSound : public PauseNow, public testing::WithParamInterface<TEndSoundCase> {};

// Two pauses of the schedule, ticked every second, each dismissed three seconds after its end.
TEST_P(EndSound, IsAskedForOnceAtEnoughAndNotAfterTimeAway) {
    const TEndSoundCase& c = GetParam();
    state.options.endSound = c.endSound;
    for (std::string time = "2026.12.08 09:20:00"; time < "2026.12.08 09:43:00";
         time = ShiftTimestamp(time, "00:00:01", true)) {
        if (time == c.leaveAt) {
            Leave(time, TAbsence::TReason::locked);
        }
        if (time == c.returnAt) {
            Return(time, TAbsence::TReason::locked);
        }
        TickAndListen(time);
        if (window.IsShown && time == ShiftTimestamp(state.pauseEnd, "00:00:03", true)) {
            Dismiss(time);
        }
    }
    EXPECT_EQ(sounds, c.sounds);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, EndSound,
    testing::Values(TEndSoundCase{"On", true, "", "", {"2026.12.08 09:21:02", "2026.12.08 09:42:06"}},
                    TEndSoundCase{"Off", false, "", "", {}},
                    TEndSoundCase{"TimeAwayEndsItSoOnlyTheNext", true, "2026.12.08 09:20:10", "2026.12.08 09:21:30",
                                  {"2026.12.08 09:42:32"}},
                    TEndSoundCase{"AwayAtTheEndOnlyTheNext", true, "2026.12.08 09:20:50", "2026.12.08 09:21:05",
                                  {"2026.12.08 09:42:06"}},
                    TEndSoundCase{"BackBeforeTheEnd", true, "2026.12.08 09:20:10", "2026.12.08 09:20:30",
                                  {"2026.12.08 09:21:02", "2026.12.08 09:42:06"}}),
    [](const testing::TestParamInfo<TEndSoundCase>& entry) { return entry.param.name; });

}  // namespace
