#pragma once

#include "core/AppState.h"
#include "core/TAbsence.h"
#include "core/TClock.h"
#include "core/TimeText.h"

// Run after each tick's schedule: true once for each pause, at the first tick that finds it shown
// and over by its own time, when the user wants the end heard and is not away: one who is away did
// not wait for it, and a pause that time away ended is marked as heard at the return (see
// OnUserReturned).
template <typename TPauseView>
bool TakeEndSoundCue(AppState& state, const TPauseView& pauseWindow, const TAbsence& absence, const TClock& now) {
    if (!pauseWindow.IsShown || !TimestampDifference(now(), state.pauseEnd).empty() ||
        state.endHeardFor == state.pauseEnd) {
        return false;
    }
    state.endHeardFor = state.pauseEnd;
    return state.options.endSound && !absence.IsAway();
}
