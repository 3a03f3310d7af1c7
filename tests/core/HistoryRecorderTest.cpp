#include "core/History.h"
#include "core/PauseSchedule.h"
#include "core/ReminderPauseSchedule.h"
#include "core/THistoryRecorder.h"

#include "TFakePauseWindow.h"
#include "TFakePresence.h"
#include "TTestFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

// The schedule as the program runs it, with its events recorded into a history in a test folder.
// The wall clock runs an hour ahead of the steady one unless a case sets it.
class Recording : public testing::Test {
protected:
    Recording() : recorder(folder.Wide(L"Tavelin"), [this] { return now; }, [this] { return wallNow; }) {
        state.dataFolder = folder.Wide(L"Tavelin");
        state.interval = "01:00:00";
        state.pauseLength = "00:05:00";
        state.nextPauseStart = "2026.12.08 10:00:00";
        state.pauseEnd = "2026.12.08 10:05:00";
        state.onEvent = [this](const TScheduleEvent& event) { recorder.Take(event); };
        state.options.eyePauses = true;
        state.nextEyePauseStart = "2026.12.08 09:20:00";
    }

    void At(const std::string& steady) {
        now = steady;
        wallNow = ShiftTimestamp(steady, "01:00:00", true);
    }
    void Tick(const std::string& time) {
        At(time);
        OnTimerTick(state, window, clock, absence, presence.Sources(), presence.HeadsUp());
    }
    // The program's own tick, which also shows and ends the eye pauses.
    void ProgramTick(const std::string& time) {
        At(time);
        OnProgramTick(state, reminderPause, window, eyeWindow, clock, [this] { return wallNow; }, absence,
                      presence.Sources(), presence.HeadsUp());
    }
    void Leave(const std::string& time, TAbsence::TReason reason) {
        At(time);
        OnUserLeft(absence, reason, clock);
    }
    void Return(const std::string& time, TAbsence::TReason reason) {
        At(time);
        OnUserReturned(state, absence, reason, window, clock);
    }
    void Dismiss(const std::string& time) {
        At(time);
        window.Hide();
        OnPauseDismissed(state, window, clock);
    }
    std::vector<std::string> Lines() const {
        std::vector<std::string> lines;
        ReadHistoryLines(state.dataFolder, [&lines](std::string_view line) { lines.emplace_back(line); });
        return lines;
    }

    TTestFolder folder;
    AppState state;
    TFakePauseWindow window;
    TFakePauseWindow eyeWindow;
    std::string now;
    std::string wallNow;
    TClock clock = [this] { return now; };
    TAbsence absence;
    TFakePresence presence;
    TReminderPause reminderPause;
    THistoryRecorder recorder;
};

using enum TAbsence::TReason;

// A step of a case: what happens at a steady-clock moment.
struct TStep {
    enum class TAction {
        tick, dismiss, leave, back, pauseReminders, resumeReminders, holdReminders, programTick, dismissEye
    } action;
    const char* at;
    TAbsence::TReason reason = idle;
};

struct TEventCase {
    const char* name;
    std::vector<TStep> steps;
    // The lines after the header; an empty list leaves no file at all.
    std::vector<std::string> lines;
};

class ScheduleEvents : public Recording, public testing::WithParamInterface<TEventCase> {};

TEST_P(ScheduleEvents, WriteOneLineEachWhenTheyEnd) {
    using enum TStep::TAction;
    for (const TStep& step : GetParam().steps) {
        switch (step.action) {
        case tick: Tick(step.at); break;
        case dismiss: Dismiss(step.at); break;
        case leave: Leave(step.at, step.reason); break;
        case back: Return(step.at, step.reason); break;
        case pauseReminders:
            At(step.at);
            OnRemindersPaused(reminderPause, window, TReminderPause::TChoice::for30Minutes, clock,
                              [this] { return wallNow; }, TSettingsOptions{}, &state);
            break;
        case resumeReminders: At(step.at); OnRemindersResumed(state, reminderPause, clock); break;
        case holdReminders: At(step.at); HoldsReminders(state, reminderPause, clock); break;
        case programTick: ProgramTick(step.at); break;
        case dismissEye:
            At(step.at);
            eyeWindow.Hide();
            OnEyePauseDismissed(state, eyeWindow, clock);
            break;
        }
    }
    std::vector<std::string> expected;
    if (!GetParam().lines.empty()) {
        expected.push_back("start,end,kind,seconds,how");
        expected.insert(expected.end(), GetParam().lines.begin(), GetParam().lines.end());
    }
    EXPECT_EQ(Lines(), expected);
    EXPECT_FALSE(recorder.GetLastError());
}

using enum TStep::TAction;
const TEventCase eventCases[] = {
    {"PauseTaken", {{tick, "2026.12.08 10:00:01"}, {dismiss, "2026.12.08 10:05:02"}},
     {"2026-12-08 11:00:01,2026-12-08 11:05:02,pause,301,taken"}},
    {"PauseStillShowingWritesNothing", {{tick, "2026.12.08 10:00:01"}, {dismiss, "2026.12.08 10:03:00"}}, {}},
    {"PauseAcrossMidnight",
     {{tick, "2026.12.08 10:00:01"}, {dismiss, "2026.12.08 10:05:02"}, {tick, "2026.12.08 22:56:00"},
      {dismiss, "2026.12.08 23:01:01"}},
     {"2026-12-08 11:00:01,2026-12-08 11:05:02,pause,301,taken",
      "2026-12-08 23:56:00,2026-12-09 00:01:01,pause,301,taken"}},
    {"PauseEndedByALock",
     {{tick, "2026.12.08 10:00:01"}, {leave, "2026.12.08 10:01:00", locked}, {back, "2026.12.08 10:30:00", locked},
      {dismiss, "2026.12.08 10:30:05"}},
     {"2026-12-08 11:00:01,2026-12-08 11:30:05,pause,1804,away"}},
    {"ShortLockDuringAPauseLeavesItTaken",
     {{tick, "2026.12.08 10:00:01"}, {leave, "2026.12.08 10:01:00", locked}, {back, "2026.12.08 10:02:00", locked},
      {dismiss, "2026.12.08 10:05:02"}},
     {"2026-12-08 11:00:01,2026-12-08 11:05:02,pause,301,taken"}},
    {"LockedBreak", {{leave, "2026.12.08 09:10:00", locked}, {back, "2026.12.08 09:40:00", locked}},
     {"2026-12-08 10:10:00,2026-12-08 10:40:00,natural break,1800,locked"}},
    {"SleepBreak", {{leave, "2026.12.08 09:10:00", asleep}, {back, "2026.12.08 09:15:00", asleep}},
     {"2026-12-08 10:10:00,2026-12-08 10:15:00,natural break,300,asleep"}},
    {"ShortLockIsNoBreak", {{leave, "2026.12.08 09:10:00", locked}, {back, "2026.12.08 09:14:59", locked}}, {}},
    {"RemindersResumed",
     {{pauseReminders, "2026.12.08 09:10:00"}, {holdReminders, "2026.12.08 09:20:00"},
      {resumeReminders, "2026.12.08 09:25:00"}},
     {"2026-12-08 10:10:00,2026-12-08 10:25:00,reminders paused,900,resumed"}},
    {"RemindersEnded",
     {{pauseReminders, "2026.12.08 09:10:00"}, {holdReminders, "2026.12.08 09:39:59"},
      {holdReminders, "2026.12.08 09:40:00"}, {resumeReminders, "2026.12.08 09:41:00"}},
     {"2026-12-08 10:10:00,2026-12-08 10:40:00,reminders paused,1800,ended"}},
    {"EyePauseTaken",
     {{programTick, "2026.12.08 09:20:01"}, {programTick, "2026.12.08 09:20:10"}, {programTick, "2026.12.08 09:20:22"}},
     {"2026-12-08 10:20:01,2026-12-08 10:20:22,eye pause,21,taken"}},
    {"EyePauseStillShowingWritesNothing",
     {{programTick, "2026.12.08 09:20:01"}, {programTick, "2026.12.08 09:20:20"}},
     {}},
    {"EyePauseClosedAtItsEnd", {{programTick, "2026.12.08 09:20:01"}, {dismissEye, "2026.12.08 09:20:21"}},
     {"2026-12-08 10:20:01,2026-12-08 10:20:21,eye pause,20,taken"}},
    {"EyePauseClosedEarlyComesBackAndWritesNothing",
     {{programTick, "2026.12.08 09:20:01"}, {dismissEye, "2026.12.08 09:20:05"}}, {}},
    // Time away does not end an eye pause: it runs out by itself, and the time away is a natural break.
    {"EyePauseDuringALock",
     {{programTick, "2026.12.08 09:20:01"}, {leave, "2026.12.08 09:20:05", locked},
      {programTick, "2026.12.08 09:20:22"}, {back, "2026.12.08 09:50:05", locked}},
     {"2026-12-08 10:20:01,2026-12-08 10:20:22,eye pause,21,taken",
      "2026-12-08 10:20:05,2026-12-08 10:50:05,natural break,1800,locked"}},
};
INSTANTIATE_TEST_SUITE_P(Cases, ScheduleEvents, testing::ValuesIn(eventCases),
                         [](const testing::TestParamInfo<TEventCase>& entry) { return entry.param.name; });

TEST_F(Recording, AnIdleBreakBeginsAtTheLastInput) {
    Tick("2026.12.08 09:00:00");
    presence.millisecondsSinceInput = 300'000;
    Tick("2026.12.08 09:10:00");
    presence.millisecondsSinceInput = 0;
    Tick("2026.12.08 09:20:00");
    EXPECT_EQ(Lines(), (std::vector<std::string>{"start,end,kind,seconds,how",
                                                 "2026-12-08 10:05:00,2026-12-08 10:20:00,natural break,900,idle"}));
}

TEST_F(Recording, AClockSetDuringAPauseChangesTheMomentsNotTheLength) {
    Tick("2026.12.08 10:00:01");
    now = "2026.12.08 10:05:02";
    wallNow = "2026.12.08 09:05:02";
    window.Hide();
    OnPauseDismissed(state, window, clock);
    EXPECT_EQ(Lines().back(), "2026-12-08 11:00:01,2026-12-08 09:05:02,pause,301,taken");
}

TEST_F(Recording, AFailedWriteIsReportedAndItsLineGoesWithTheNext) {
    // The data folder's parent is missing, so the folder cannot be made.
    THistoryRecorder failing(folder.Wide(L"missing\\Tavelin"), clock, [this] { return wallNow; });
    int written = 0;
    failing.OnWritten = [&written] { ++written; };
    state.onEvent = [&failing](const TScheduleEvent& event) { failing.Take(event); };
    Tick("2026.12.08 10:00:01");
    Dismiss("2026.12.08 10:05:02");
    EXPECT_TRUE(failing.GetLastError());
    EXPECT_EQ(written, 1);
    EXPECT_TRUE(state.nextPauseStart == "2026.12.08 11:05:02");

    std::filesystem::create_directory(folder.Path() / "missing");
    Leave("2026.12.08 11:10:00", locked);
    Return("2026.12.08 11:20:00", locked);
    EXPECT_FALSE(failing.GetLastError());
    EXPECT_EQ(written, 2);
    std::vector<std::string> lines;
    ReadHistoryLines(folder.Wide(L"missing\\Tavelin"), [&lines](std::string_view line) { lines.emplace_back(line); });
    EXPECT_EQ(lines, (std::vector<std::string>{"start,end,kind,seconds,how",
                                               "2026-12-08 11:00:01,2026-12-08 11:05:02,pause,301,taken",
                                               "2026-12-08 12:10:00,2026-12-08 12:20:00,natural break,600,locked"}));
}

}  // namespace
