#pragma once

#include "core/AppState.h"
#include "core/TSettingsOptions.h"
#include "core/TimeText.h"

#include <string>

// The eye pause's due moment (see EyePauseSchedule.h), moved by the events that restart the eye
// interval; kept whether eye pauses are on or not, so that turning them on finds it in place.

// The next eye pause one eye interval after the moment `from`.
inline void RetimeEyePause(AppState& state, const std::string& from) {
    state.nextEyePauseStart = ShiftTimestamp(from, state.options.eyePauseInterval, true);
}

// Run on the return from time away that began at `since`: time away at least as long as an eye
// pause rested the eyes, so the interval starts over.
inline void RetimeEyePauseAfterAway(AppState& state, const std::string& since, const std::string& now) {
    if (!since.empty() && !(now < ShiftTimestamp(since, state.options.eyePauseLength, true))) {
        RetimeEyePause(state, now);
    }
}

// Run before new options replace the old: eye pauses turned on start one interval from now; else
// the due moment keeps its base and a running eye pause its beginning, as the pause's times do.
inline void TakeEyePauseOptions(AppState& state, const TSettingsOptions& newOptions, const std::string& now) {
    if (newOptions.eyePauses && !state.options.eyePauses) {
        state.nextEyePauseStart = ShiftTimestamp(now, newOptions.eyePauseInterval, true);
        return;
    }
    state.nextEyePauseStart = ShiftTimestamp(ShiftTimestamp(state.nextEyePauseStart, state.options.eyePauseInterval, false),
                                             newOptions.eyePauseInterval, true);
    state.eyePauseEnd = ShiftTimestamp(ShiftTimestamp(state.eyePauseEnd, state.options.eyePauseLength, false),
                                       newOptions.eyePauseLength, true);
}
