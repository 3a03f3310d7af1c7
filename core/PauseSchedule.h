#pragma once

#include "core/AppState.h"
#include "core/Settings.h"
#include "core/TClock.h"
#include "core/TimeText.h"

#include <string>
#include <system_error>

// The pause window is reached only through its IsShown flag and ShowTimeLeft(duration text), so the
// schedule works with any window that offers the two.

// Run once a second: refreshes a shown pause, and begins a pause once the next pause start has
// strictly passed while no pause is shown.
template <typename TPauseView>
void OnTimerTick(AppState& state, TPauseView& pauseWindow, const TClock& now = CurrentTimestamp) {
    if (pauseWindow.IsShown) {
        pauseWindow.ShowTimeLeft(TimestampDifference(now(), state.pauseEnd));
    }
    if (state.nextPauseStart < now() && !pauseWindow.IsShown) {
        state.pauseEnd = ShiftTimestamp(now(), state.pauseLength, true);
        pauseWindow.ShowTimeLeft(TimestampDifference(now(), state.pauseEnd));
    }
}

// Run after the user hid the pause window: a pause that is not over comes straight back; one that
// is over ends, and the next is timed from now.
template <typename TPauseView>
void OnPauseDismissed(AppState& state, TPauseView& pauseWindow, const TClock& now = CurrentTimestamp) {
    if (now() < state.pauseEnd) {
        pauseWindow.ShowTimeLeft(TimestampDifference(now(), state.pauseEnd));
        return;
    }
    state.nextPauseStart = ShiftTimestamp(now(), state.interval, true);
}

// Run when the user accepts new settings. Each stored time moves back by its old duration and then
// forward by the new one, so the next pause keeps its base and a running pause its beginning. The
// values in memory are taken over before the file is written and hold even if writing fails; the
// result is the save's error, for the caller to report.
template <typename TPauseView>
std::error_code OnSettingsAccepted(AppState& state, TPauseView& pauseWindow, const std::string& newInterval,
                                   const std::string& newPauseLength, const TClock& now = CurrentTimestamp) {
    state.nextPauseStart = ShiftTimestamp(state.nextPauseStart, state.interval, false);
    state.interval = newInterval;
    state.nextPauseStart = ShiftTimestamp(state.nextPauseStart, state.interval, true);
    state.pauseEnd = ShiftTimestamp(state.pauseEnd, state.pauseLength, false);
    state.pauseLength = newPauseLength;
    state.pauseEnd = ShiftTimestamp(state.pauseEnd, state.pauseLength, true);
    if (pauseWindow.IsShown) {
        pauseWindow.ShowTimeLeft(TimestampDifference(now(), state.pauseEnd));
    }
    return SaveSettings(state.dataFolder, state.interval, state.pauseLength);
}
