#pragma once

#include "core/AppState.h"
#include "core/TClock.h"
#include "core/TimeText.h"

// A pause the user asks for, beside the ones the schedule begins (see PauseSchedule.h).

// Run on "Take a pause now": a pause of the set length begins at once, in the same window and by
// the same rules; its dismissal times the next pause, as after any pause. Refused (false) while a
// pause shows. Reminders the user paused stay paused.
template <typename TPauseView>
bool OnPauseTakenNow(AppState& state, TPauseView& pauseWindow, const TClock& now) {
    if (pauseWindow.IsShown) {
        return false;
    }
    state.pauseEnd = ShiftTimestamp(now(), state.pauseLength, true);
    pauseWindow.ShowTimeLeft(TimestampDifference(now(), state.pauseEnd));
    return true;
}

// Run on the ticks that the paused reminders keep from the schedule: a pause taken meanwhile still
// counts down.
template <typename TPauseView>
void OnHeldTick(const AppState& state, TPauseView& pauseWindow, const TClock& now) {
    if (pauseWindow.IsShown) {
        pauseWindow.ShowTimeLeft(TimestampDifference(now(), state.pauseEnd));
    }
}
