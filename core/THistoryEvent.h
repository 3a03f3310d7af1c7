#pragma once

#include <cstdint>
#include <string>

// The kinds of line the history holds, in the order of the kinds' table (see HistoryLine.h).
enum class THistoryKind { pause, naturalBreak, remindersPaused, eyePause };

// One line of the history: an event that has ended. The moments are timestamp texts of the wall
// clock (see TimeText.h); the length is measured on the steady clock, so a clock set meanwhile does
// not falsify it.
struct THistoryEvent {
    std::string start;
    std::string end;
    THistoryKind kind;
    std::int64_t seconds;
    // How the event ended, one of the kind's words.
    std::string how;

    bool operator==(const THistoryEvent&) const = default;
};
