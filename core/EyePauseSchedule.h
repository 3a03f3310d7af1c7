#pragma once

#include "core/AppState.h"
#include "core/EyePauseTimes.h"
#include "core/HeadsUp.h"
#include "core/PauseSchedule.h"
#include "core/TAbsence.h"
#include "core/TClock.h"
#include "core/TPresenceSources.h"
#include "core/TimeText.h"

#include <cstdint>
#include <string>

// Eye pauses: short pauses of their own window between the pauses, while the option is on. The eye
// pause window is reached through IsShown, ShowTimeLeft(duration text) and Hide(), as the pause
// window is; it ends by itself, so the schedule hides it. Its times are on the steady clock.

// Ends an eye pause whose window has hidden: the eye interval starts over from now.
inline void EndEyePause(AppState& state, const std::string& now) {
    TellScheduleEvent(state, {TScheduleEvent::TType::eyePauseEnded, {}});
    RetimeEyePause(state, now);
}

// Whether the pause due at `pauseStart` falls within a quarter of the eye interval after `from`: an
// eye pause then gives way to it.
inline bool PauseIsNear(const AppState& state, const std::string& from, const std::string& pauseStart) {
    const auto quarter = static_cast<std::int32_t>(DurationSeconds(state.options.eyePauseInterval) / 4);
    return pauseStart < ShiftTimestamp(from, FormatDuration(quarter), true);
}

// Run first on every tick: a shown eye pause counts down, and once its time is up it hides and the
// eye interval starts over. A pause the user takes meanwhile ends it at once, as it never shows
// beside a pause.
template <typename TPauseView, typename TEyeView>
void FollowEyePause(AppState& state, const TPauseView& pauseWindow, TEyeView& eyeWindow, const TClock& now) {
    if (!eyeWindow.IsShown) {
        return;
    }
    if (!pauseWindow.IsShown && now() < state.eyePauseEnd) {
        eyeWindow.ShowTimeLeft(TimestampDifference(now(), state.eyePauseEnd));
        return;
    }
    eyeWindow.Hide();
    EndEyePause(state, now());
}

// Begins an eye pause once its due moment has strictly passed, unless no eye pause may show now: a
// pause shows, or the next pause falls due within a quarter of the eye interval (it comes instead,
// and its end restarts the eye interval), or what holds a pause holds it too (see PauseWaitReason).
template <typename TPauseView, typename TEyeView>
void OfferEyePause(AppState& state, const TPauseView& pauseWindow, TEyeView& eyeWindow, const TClock& now,
                   const TAbsence& absence, const TPresenceSources& sources) {
    if (!state.options.eyePauses || pauseWindow.IsShown || eyeWindow.IsShown || !(state.nextEyePauseStart < now()) ||
        PauseIsNear(state, now(), state.nextPauseStart) || PauseWaitReason(absence, sources) != TWaitReason::none) {
        return;
    }
    state.eyePauseEnd = ShiftTimestamp(now(), state.options.eyePauseLength, true);
    eyeWindow.ShowTimeLeft(TimestampDifference(now(), state.eyePauseEnd));
    TellScheduleEvent(state, {TScheduleEvent::TType::eyePauseShown, {}});
}

// Run after Esc or the close box hid the eye pause window: while time is left it comes straight back.
template <typename TEyeView>
void OnEyePauseDismissed(AppState& state, TEyeView& eyeWindow, const TClock& now) {
    if (now() < state.eyePauseEnd) {
        eyeWindow.ShowTimeLeft(TimestampDifference(now(), state.eyePauseEnd));
        return;
    }
    EndEyePause(state, now());
}
