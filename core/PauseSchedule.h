#pragma once

#include "core/AppState.h"
#include "core/Presentation.h"
#include "core/Settings.h"
#include "core/TAbsence.h"
#include "core/TClock.h"
#include "core/TimeText.h"

#include <string>
#include <system_error>

// The pause window is reached only through its IsShown flag and ShowTimeLeft(duration text), so the
// schedule works with any window that offers the two. The clock is meant to be steady (see
// TSteadyClock): on the wall clock, setting the time would stretch or cut pauses and intervals.

// Run once a second: refreshes a shown pause, and begins a pause once the next pause start has
// strictly passed while no pause is shown. A due pause waits while the user is away, so that the
// return decides about it, and while the user presents, so that it does not cover the audience's view.
template <typename TPauseView>
void OnTimerTick(AppState& state, TPauseView& pauseWindow, const TClock& now, const TAbsence& absence,
                 const TPresentationQuery& presenting) {
    if (pauseWindow.IsShown) {
        pauseWindow.ShowTimeLeft(TimestampDifference(now(), state.pauseEnd));
    }
    if (state.nextPauseStart < now() && !pauseWindow.IsShown && !absence.IsAway() && !presenting()) {
        state.pauseEnd = ShiftTimestamp(now(), state.pauseLength, true);
        pauseWindow.ShowTimeLeft(TimestampDifference(now(), state.pauseEnd));
    }
}

// Run after the user hid the pause window: a pause that is not over comes straight back; one that
// is over ends, and the next is timed from now.
template <typename TPauseView>
void OnPauseDismissed(AppState& state, TPauseView& pauseWindow, const TClock& now) {
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
                                   const std::string& newPauseLength, const TClock& now) {
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

// Run when the session is locked or the computer goes to sleep.
inline void OnUserLeft(TAbsence& absence, TAbsence::TReason reason, const TClock& now) {
    absence.Leave(reason, now());
}

// Run when the session is unlocked or the computer wakes. Time away at least as long as a pause is
// taken as the pause: a pause in progress is over at once (a dismissal then ends it), and while
// waiting the next pause is timed one interval from the return. A shorter absence changes nothing.
template <typename TPauseView>
void OnUserReturned(AppState& state, TAbsence& absence, TAbsence::TReason reason, TPauseView& pauseWindow,
                    const TClock& now) {
    const std::string since = absence.Return(reason);
    if (since.empty() || now() < ShiftTimestamp(since, state.pauseLength, true)) {
        return;
    }
    if (pauseWindow.IsShown) {
        // A second back, so that the end has strictly passed and the window says "enough" now.
        if (!(state.pauseEnd < now())) {
            state.pauseEnd = ShiftTimestamp(now(), "00:00:01", false);
        }
        pauseWindow.ShowTimeLeft(TimestampDifference(now(), state.pauseEnd));
        return;
    }
    state.nextPauseStart = ShiftTimestamp(now(), state.interval, true);
}
