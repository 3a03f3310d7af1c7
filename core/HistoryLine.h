#pragma once

#include "core/THistoryEvent.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

// The history file's lines: "start,end,kind,seconds,how", the moments as "YYYY-MM-DD HH:MM:SS"
// (which spreadsheets read as times), the same words in every language.

inline constexpr std::string_view HistoryHeader = "start,end,kind,seconds,how";

// A kind's word in the file and the words its "how" may take.
struct THistoryKindWords {
    THistoryKind kind;
    std::string_view word;
    std::array<std::string_view, 3> hows;
};

inline constexpr std::array<THistoryKindWords, 4> HistoryKinds{{
    {THistoryKind::pause, "pause", {"taken", "away", ""}},
    {THistoryKind::naturalBreak, "natural break", {"idle", "locked", "asleep"}},
    {THistoryKind::remindersPaused, "reminders paused", {"resumed", "ended", ""}},
    {THistoryKind::eyePause, "eye pause", {"taken", "", ""}},
}};

// The line for the event, without its line end; empty when a moment is not a timestamp text, the
// length is negative or the how is not one of its kind's words.
std::string HistoryLine(const THistoryEvent& event);

// The event a line (without its line end) stands for, exactly as HistoryLine writes it: any other
// line, a hand edit or one cut short, is unreadable and gives nothing.
std::optional<THistoryEvent> ReadHistoryLine(std::string_view line);
