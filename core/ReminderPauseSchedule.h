#pragma once

#include "core/AppState.h"
#include "core/EyePauseSchedule.h"
#include "core/PauseNow.h"
#include "core/PauseSchedule.h"
#include "core/TAbsence.h"
#include "core/TClock.h"
#include "core/TPresenceSources.h"
#include "core/TReminderPause.h"
#include "core/TWaitReason.h"
#include "core/TimeText.h"
#include "core/WorkingHours.h"

#include <string>

// The user's pause of the reminders, beside the pause schedule: the clock is the steady one the
// schedule reads, and wallNow the clock the user sees, read only to place "until tomorrow" and to
// say when the pause of the reminders ends.

// Run when the user chooses to pause the reminders. A pause that began meanwhile (the timer ticks
// on while the menu is open) cannot be cut short, so the choice is then ignored.
// "Until tomorrow" lasts to the next beginning of working hours where the option is on. The state,
// where given, is told when the reminders were paused.
template <typename TPauseView>
void OnRemindersPaused(TReminderPause& reminderPause, const TPauseView& pauseWindow, TReminderPause::TChoice choice,
                       const TClock& now, const TClock& wallNow, const TSettingsOptions& options,
                       const AppState* state = nullptr) {
    if (pauseWindow.IsShown) {
        return;
    }
    const std::string wall = wallNow();
    const bool untilHours = choice == TReminderPause::TChoice::untilTomorrow && options.workingHours;
    reminderPause.Begin(now(), wall,
                        untilHours ? TimeUntilWorkingHours(options, wall) : TReminderPause::LengthOf(choice, wall));
    if (state != nullptr && reminderPause.IsActive()) {
        TellScheduleEvent(*state, {TScheduleEvent::TType::remindersPaused, {}});
    }
}

// Run on "Resume reminders", and by the tick once the time is up: the next pause and eye pause come
// one interval from now, as after a pause.
inline void OnRemindersResumed(AppState& state, TReminderPause& reminderPause, const TClock& now,
                               TScheduleEvent::TType how = TScheduleEvent::TType::remindersResumed) {
    if (!reminderPause.IsActive()) {
        return;
    }
    reminderPause.End();
    state.nextPauseStart = ShiftTimestamp(now(), state.interval, true);
    TellScheduleEvent(state, {how, {}});
    RetimeEyePause(state, now());
}

// Run on every tick: whether the wall clock is outside the working hours now. When they begin, the
// next pause and eye pause come one interval later, as after a pause.
inline bool FollowWorkingHours(AppState& state, const TClock& now, const TClock& wallNow) {
    const bool outside = !InWorkingHours(state.options, wallNow());
    if (state.outsideWorkingHours && !outside) {
        state.nextPauseStart = ShiftTimestamp(now(), state.interval, true);
        RetimeEyePause(state, now());
    }
    state.outsideWorkingHours = outside;
    return outside;
}

// Run on every tick before the pause schedule's OnTimerTick, which runs only when this is false:
// while the reminders are paused no pause begins and no heads-up comes. The first tick at which the
// time is up resumes them.
inline bool HoldsReminders(AppState& state, TReminderPause& reminderPause, const TClock& now) {
    if (reminderPause.IsOver(now())) {
        OnRemindersResumed(state, reminderPause, now, TScheduleEvent::TType::remindersEnded);
    }
    return reminderPause.IsActive();
}

// The program's tick, run once a second: a shown eye pause first, then the user's pause of the
// reminders and the working hours; while neither holds the reminders and no eye pause shows, the pause
// schedule's OnTimerTick, and then an eye pause that falls due (a pause falling due during an eye
// pause so waits for its end). While they are held, a pause or eye pause already shown still counts
// down, and none begins. The result is what holds a due pause, none while the reminders are held.
template <typename TPauseView, typename TEyeView>
TWaitReason OnProgramTick(AppState& state, TReminderPause& reminderPause, TPauseView& pauseWindow,
                          TEyeView& eyeWindow, const TClock& now, const TClock& wallNow, TAbsence& absence,
                          const TPresenceSources& sources, const THeadsUpCallback& headsUp) {
    FollowEyePause(state, pauseWindow, eyeWindow, now);
    const bool outside = FollowWorkingHours(state, now, wallNow);
    if (HoldsReminders(state, reminderPause, now) || outside) {
        OnHeldTick(state, pauseWindow, now);
        return TWaitReason::none;
    }
    if (eyeWindow.IsShown) {
        return TWaitReason::none;
    }
    const TWaitReason reason = OnTimerTick(state, pauseWindow, now, absence, sources, headsUp);
    OfferEyePause(state, pauseWindow, eyeWindow, now, absence, sources);
    return reason;
}
