#pragma once

#include "core/AppState.h"
#include "core/PauseSchedule.h"
#include "core/ReminderPauseSchedule.h"
#include "core/TAbsence.h"
#include "core/TClock.h"
#include "core/TReminderPause.h"
#include "core/TWaitReason.h"
#include "core/TimeText.h"

#include "TFakePauseWindow.h"
#include "TFakePresence.h"
#include "TTestFolder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <system_error>

// The schedule's handlers as the program calls them, each at a time the test gives, on a fake pause
// window, a fake eye pause window and a fake presence (a user at the keyboard unless a test says otherwise), from the given
// settings and times. The steady and the wall clock start equal; a test may set the wall clock
// apart, as a user may. The settings go to a fresh folder.
class TScheduleHarness : public testing::Test {
protected:
    TScheduleHarness(const std::string& interval, const std::string& pauseLength, const std::string& nextPauseStart,
                     const std::string& pauseEnd) {
        state.dataFolder = folder.Wide(L"Tavelin");
        state.interval = interval;
        state.pauseLength = pauseLength;
        state.nextPauseStart = nextPauseStart;
        state.pauseEnd = pauseEnd;
    }

    void At(const std::string& time, std::int64_t wallAheadSeconds = 0) {
        now = time;
        wall = ShiftTimestamp(time, "00:00:" + std::to_string(wallAheadSeconds < 0 ? -wallAheadSeconds
                                                                                     : wallAheadSeconds),
                              wallAheadSeconds >= 0);
    }
    void Tick(const std::string& time, std::int64_t wallAheadSeconds = 0) {
        At(time, wallAheadSeconds);
        waiting = OnProgramTick(state, reminderPause, window, eyeWindow, clock, wallClock, absence, presence.Sources(),
                                presence.HeadsUp());
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
    std::error_code Accept(const std::string& time, const std::string& interval, const std::string& pauseLength,
                           const TSettingsOptions& options = {}) {
        At(time);
        return OnSettingsAccepted(state, window, interval, pauseLength, options, clock);
    }
    void Choose(const std::string& time, TReminderPause::TChoice choice) {
        At(time);
        OnRemindersPaused(reminderPause, window, choice, clock, wallClock, state.options);
    }
    void Resume(const std::string& time) {
        At(time);
        OnRemindersResumed(state, reminderPause, clock);
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
    TFakePauseWindow eyeWindow;
    TReminderPause reminderPause;
    std::string now;
    std::string wall;
    TClock clock = [this] { return now; };
    TClock wallClock = [this] { return wall; };
    TAbsence absence;
    TFakePresence presence;
    TWaitReason waiting = TWaitReason::none;
};
