#pragma once

#include <cstdint>
#include <optional>
#include <string>

// Decides which updates of a countdown are worth speaking to a screen reader: the first of a showing,
// the end ("enough") once, and in between at most one a minute, so the reader does not talk over the
// user every second.
class TAnnouncementPace {
public:
    // Given each update's remaining duration text (empty once over); showing is true for the update
    // that shows the countdown anew.
    bool ShouldAnnounce(bool showing, const std::string& remaining);

private:
    // The remaining seconds last spoken; a countdown that grows (a longer pause set meanwhile) counts
    // from its new value.
    std::optional<std::int64_t> lastSpoken;
    bool overSpoken = false;
};
