#pragma once

#include "core/TAbsence.h"

#include <functional>
#include <string>

// What the schedule tells whoever keeps a record of it, the moment it happens. Moments are read
// from the schedule's own clock by the listener; only the beginning of time away comes with it.
struct TScheduleEvent {
    enum class TType {
        pauseShown,
        pauseDismissed,
        // Time away as long as a pause came during the pause, which is then over.
        pauseEndedByAbsence,
        // Time away as long as a pause, while no pause showed: a natural break.
        timeAwayCounted,
        remindersPaused,
        remindersResumed,
        // The reminders' pause ran to its end by itself.
        remindersEnded,
        eyePauseShown,
        // The eye pause's window hid: its time was up, or a pause took its place.
        eyePauseEnded,
    };

    TType type;
    // For timeAwayCounted: when the time away began, and the reason that ended it last.
    std::string since;
    TAbsence::TReason reason = TAbsence::TReason::idle;
};

using TScheduleListener = std::function<void(const TScheduleEvent&)>;
