#include "core/TAnnouncementPace.h"

#include "core/TimeTextReading.h"

namespace {

constexpr std::int64_t SecondsBetweenAnnouncements = 60;

std::optional<std::int64_t> RemainingSeconds(const std::string& remaining) {
    const auto fields = ReadDurationFields(remaining);
    return fields ? TotalSeconds(*fields) : std::nullopt;
}

}  // namespace

bool TAnnouncementPace::ShouldAnnounce(bool showing, const std::string& remaining) {
    if (remaining.empty()) {
        const bool speak = showing || !overSpoken;
        overSpoken = true;
        lastSpoken.reset();
        return speak;
    }
    overSpoken = false;
    const std::optional<std::int64_t> seconds = RemainingSeconds(remaining);
    if (showing || !lastSpoken || !seconds) {
        lastSpoken = seconds;
        return showing;
    }
    if (*seconds > *lastSpoken) {
        lastSpoken = seconds;
        return false;
    }
    if (*lastSpoken - *seconds < SecondsBetweenAnnouncements) {
        return false;
    }
    lastSpoken = seconds;
    return true;
}
