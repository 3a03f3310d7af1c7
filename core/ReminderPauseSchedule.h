#pragma once

#include "core/AppState.h"
#include "core/PauseNow.h"
#include "core/PauseSchedule.h"
#include "core/TAbsence.h"
#include "core/TClock.h"
#include "core/TPresenceSources.h"
#include "core/TReminderPause.h"
#include "core/TWaitReason.h"
#include "core/TimeText.h"

#include <string>

// The user's pause of the reminders, beside the pause schedule: the clock is the steady one the
// schedule reads, and wallNow the clock the user sees, read only to place "until tomorrow" and to
// say when the pause of the reminders ends.

// Run when the user chooses to pause the reminders. A pause that began meanwhile (the timer ticks
// on while the menu is open) cannot be cut short, so the choice is then ignored.
template <typename TPauseView>
void OnRemindersPaused(TReminderPause& reminderPause, const TPauseView& pauseWindow, TReminderPause::TChoice choice,
                       const TClock& now, const TClock& wallNow) {
    if (pauseWindow.IsShown) {
        return;
    }
    const std::string wall = wallNow();
    reminderPause.Begin(now(), wall, TReminderPause::LengthOf(choice, wall));
}

// Run on "Resume reminders", and by the tick once the time is up: the next pause comes one interval
// from now, as after a pause.
inline void OnRemindersResumed(AppState& state, TReminderPause& reminderPause, const TClock& now) {
    if (!reminderPause.IsActive()) {
        return;
    }
    reminderPause.End();
    state.nextPauseStart = ShiftTimestamp(now(), state.interval, true);
}

// Run on every tick before the pause schedule's OnTimerTick, which runs only when this is false:
// while the reminders are paused no pause begins and no heads-up comes. The first tick at which the
// time is up resumes them.
inline bool HoldsReminders(AppState& state, TReminderPause& reminderPause, const TClock& now) {
    if (reminderPause.IsOver(now())) {
        OnRemindersResumed(state, reminderPause, now);
    }
    return reminderPause.IsActive();
}

// The program's tick, run once a second: the user's pause of the reminders first, then, while it
// holds no reminders, the pause schedule's OnTimerTick; while it holds them, a pause taken now still
// counts down. The result is what holds a due pause, none while the reminders are paused.
template <typename TPauseView>
TWaitReason OnProgramTick(AppState& state, TReminderPause& reminderPause, TPauseView& pauseWindow, const TClock& now,
                          TAbsence& absence, const TPresenceSources& sources, const THeadsUpCallback& headsUp) {
    if (HoldsReminders(state, reminderPause, now)) {
        OnHeldTick(state, pauseWindow, now);
        return TWaitReason::none;
    }
    return OnTimerTick(state, pauseWindow, now, absence, sources, headsUp);
}
