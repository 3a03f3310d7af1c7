#pragma once

#include "core/AppState.h"
#include "core/EyePauseTimes.h"
#include "core/HeadsUp.h"
#include "core/Settings.h"
#include "core/TAbsence.h"
#include "core/TClock.h"
#include "core/TPresenceSources.h"
#include "core/TWaitReason.h"
#include "core/TimeText.h"

#include <cstdint>
#include <functional>
#include <string>
#include <system_error>

// The pause window is reached only through its IsShown flag and ShowTimeLeft(duration text), so the
// schedule works with any window that offers the two. The clock is meant to be steady (see
// TSteadyClock): on the wall clock, setting the time would stretch or cut pauses and intervals.

// Shows the heads-up (see HeadsUpText), shortly before a pause of the given length.
using THeadsUpCallback = std::function<void(const std::string& pauseLength, std::int64_t secondsLeft)>;

// Why a due pause waits now. Asked in this order, so that the call, the dearest to read, is read
// only when nothing else holds the pause.
inline TWaitReason PauseWaitReason(const TAbsence& absence, const TPresenceSources& sources) {
    if (absence.IsAway()) {
        return TWaitReason::away;
    }
    if (sources.presenting()) {
        return TWaitReason::presentation;
    }
    return sources.inCall() ? TWaitReason::call : TWaitReason::none;
}

template <typename TPauseView>
void OnUserReturned(AppState& state, TAbsence& absence, TAbsence::TReason reason, TPauseView& pauseWindow,
                    const TClock& now);

// No input for as long as AwayAfterSeconds counts as time away, from the last input on, unless a
// program keeps the display on (a video is watched, not left). The next input is the return. A shown
// pause is left alone: the user is meant to be idle then.
template <typename TPauseView>
void FollowInput(AppState& state, TAbsence& absence, TPauseView& pauseWindow, const TClock& now,
                 const TPresenceSources& sources) {
    const auto idleSeconds = static_cast<std::int64_t>(sources.millisecondsSinceInput() / 1000);
    const bool idle = idleSeconds >= AwayAfterSeconds(state.pauseLength);
    if (absence.Holds(TAbsence::TReason::idle) == idle) {
        return;
    }
    const std::string lastInput = ShiftTimestamp(now(), FormatDuration(static_cast<std::int32_t>(idleSeconds)), false);
    if (!idle) {
        OnUserReturned(state, absence, TAbsence::TReason::idle, pauseWindow, [&lastInput] { return lastInput; });
    } else if (!pauseWindow.IsShown && !sources.displayRequired()) {
        absence.Leave(TAbsence::TReason::idle, lastInput);
    }
}

// Gives the heads-up once per next pause start, HeadsUpLeadSeconds before it, while nothing would
// hold the pause; a heads-up missed for that is given later within the lead, never after the start.
inline void OfferHeadsUp(AppState& state, const TClock& now, const TAbsence& absence,
                         const TPresenceSources& sources, const THeadsUpCallback& headsUp) {
    if (state.headsUpGivenFor == state.nextPauseStart) {
        return;
    }
    const std::int64_t secondsLeft = DurationSeconds(TimestampDifference(now(), state.nextPauseStart));
    if (secondsLeft <= 0 || secondsLeft > HeadsUpLeadSeconds(state.interval) ||
        PauseWaitReason(absence, sources) != TWaitReason::none) {
        return;
    }
    state.headsUpGivenFor = state.nextPauseStart;
    headsUp(state.pauseLength, secondsLeft);
}

// Run once a second: refreshes a shown pause, follows the user's input, gives the heads-up, and
// begins a pause once the next pause start has strictly passed while no pause is shown and nothing
// holds it: time away, so that the return decides about it; a presentation, so that it does not cover
// the audience's view; a call. The result is what holds a due pause, none otherwise.
template <typename TPauseView>
TWaitReason OnTimerTick(AppState& state, TPauseView& pauseWindow, const TClock& now, TAbsence& absence,
                        const TPresenceSources& sources, const THeadsUpCallback& headsUp) {
    if (pauseWindow.IsShown) {
        pauseWindow.ShowTimeLeft(TimestampDifference(now(), state.pauseEnd));
    }
    FollowInput(state, absence, pauseWindow, now, sources);
    if (pauseWindow.IsShown) {
        return TWaitReason::none;
    }
    if (!(state.nextPauseStart < now())) {
        OfferHeadsUp(state, now, absence, sources, headsUp);
        return TWaitReason::none;
    }
    const TWaitReason reason = PauseWaitReason(absence, sources);
    if (reason == TWaitReason::none) {
        state.pauseEnd = ShiftTimestamp(now(), state.pauseLength, true);
        pauseWindow.ShowTimeLeft(TimestampDifference(now(), state.pauseEnd));
        TellScheduleEvent(state, {TScheduleEvent::TType::pauseShown, {}});
    }
    return reason;
}

// Run after the user hid the pause window: a pause that is not over comes straight back; one that
// is over ends, and the next pause and eye pause are timed from now.
template <typename TPauseView>
void OnPauseDismissed(AppState& state, TPauseView& pauseWindow, const TClock& now) {
    if (now() < state.pauseEnd) {
        pauseWindow.ShowTimeLeft(TimestampDifference(now(), state.pauseEnd));
        return;
    }
    state.nextPauseStart = ShiftTimestamp(now(), state.interval, true);
    TellScheduleEvent(state, {TScheduleEvent::TType::pauseDismissed, {}});
    RetimeEyePause(state, now());
}

// Run when the user accepts new settings (the times and the options). Each stored time moves back by its old duration and then
// forward by the new one, so the next pause keeps its base and a running pause its beginning. The
// values in memory are taken over before the file is written and hold even if writing fails; the
// result is the save's error, for the caller to report.
template <typename TPauseView>
std::error_code OnSettingsAccepted(AppState& state, TPauseView& pauseWindow, const std::string& newInterval,
                                   const std::string& newPauseLength, const TSettingsOptions& newOptions,
                                   const TClock& now) {
    state.nextPauseStart = ShiftTimestamp(state.nextPauseStart, state.interval, false);
    state.interval = newInterval;
    state.nextPauseStart = ShiftTimestamp(state.nextPauseStart, state.interval, true);
    state.pauseEnd = ShiftTimestamp(state.pauseEnd, state.pauseLength, false);
    state.pauseLength = newPauseLength;
    state.pauseEnd = ShiftTimestamp(state.pauseEnd, state.pauseLength, true);
    TakeEyePauseOptions(state, newOptions, now());
    state.options = newOptions;
    if (pauseWindow.IsShown) {
        pauseWindow.ShowTimeLeft(TimestampDifference(now(), state.pauseEnd));
    }
    return SaveSettings(state.dataFolder, state.interval, state.pauseLength, state.options);
}

// Run when the session is locked or the computer goes to sleep.
inline void OnUserLeft(TAbsence& absence, TAbsence::TReason reason, const TClock& now) {
    absence.Leave(reason, now());
}

// Run when the session is unlocked, the computer wakes or input ends an idle stretch. Time away at least as long as a pause is
// taken as the pause: a pause in progress is over at once (a dismissal then ends it, and no end
// sound comes), and while waiting the next pause is timed one interval from the return. A shorter absence changes nothing.
// Time away as long as an eye pause restarts the eye interval.
template <typename TPauseView>
void OnUserReturned(AppState& state, TAbsence& absence, TAbsence::TReason reason, TPauseView& pauseWindow,
                    const TClock& now) {
    const std::string since = absence.Return(reason);
    RetimeEyePauseAfterAway(state, since, now());
    if (since.empty() || now() < ShiftTimestamp(since, state.pauseLength, true)) {
        return;
    }
    if (pauseWindow.IsShown) {
        // A second back, so that the end has strictly passed and the window says "enough" now.
        if (!(state.pauseEnd < now())) {
            state.pauseEnd = ShiftTimestamp(now(), "00:00:01", false);
        }
        state.endHeardFor = state.pauseEnd;
        pauseWindow.ShowTimeLeft(TimestampDifference(now(), state.pauseEnd));
        TellScheduleEvent(state, {TScheduleEvent::TType::pauseEndedByAbsence, {}});
        return;
    }
    state.nextPauseStart = ShiftTimestamp(now(), state.interval, true);
    TellScheduleEvent(state, {TScheduleEvent::TType::timeAwayCounted, since, reason});
}
