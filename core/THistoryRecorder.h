#pragma once

#include "core/TClock.h"
#include "core/TScheduleEvent.h"
#include "core/THistoryEvent.h"
#include "core/TimeText.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <system_error>

// Turns the schedule's events into history lines, each written when its event ends. A failed write
// never holds up the schedule: its lines wait in memory (a bounded amount) and go with the next
// event's, and the failure stays readable until a write succeeds.
class THistoryRecorder {
public:
    // now is the schedule's steady clock, wallNow the clock the user sees; both are read at each event.
    THistoryRecorder(std::wstring dataFolder, TClock now, TClock wallNow = CurrentTimestamp);

    void Take(const TScheduleEvent& event);

    // The last write's failure; empty once a write succeeded.
    std::error_code GetLastError() const;
    // Called after each write, whether it failed or not.
    std::function<void()> OnWritten;

private:
    // Where an event began on both clocks.
    struct TBeginning {
        std::string steady;
        std::string wall;
    };

    TBeginning Now() const;
    void Write(const TBeginning& beginning, THistoryKind kind, const std::string& how);

    std::wstring folder;
    TClock steadyClock;
    TClock wallClock;
    std::optional<TBeginning> pause;
    bool pauseEndedByAbsence = false;
    std::optional<TBeginning> reminders;
    std::optional<TBeginning> eyePause;
    // Lines not yet written, with their line ends.
    std::string waiting;
    std::error_code lastError;
};

// The whole seconds from one timestamp text to another, negative when `to` lies before `from`;
// empty when either is not a calendar time.
std::optional<std::int64_t> SecondsBetween(const std::string& from, const std::string& to);
