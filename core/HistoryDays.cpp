#include "core/HistoryDays.h"

#include "core/TimeText.h"

#include <algorithm>

namespace {

constexpr std::size_t DateLength = 10;

}  // namespace

std::string DateDaysBefore(const std::string& timestamp, std::int32_t days) {
    // From noon, so the date alone decides.
    const std::string day = ShiftTimestamp(timestamp.substr(0, DateLength) + " 12:00:00",
                                           std::to_string(std::int64_t{24} * days) + ":00:00", false);
    return day.substr(0, std::min(day.size(), DateLength));
}

std::vector<THistoryDay> HistoryDays(const std::string& today, std::int32_t count) {
    std::vector<THistoryDay> days;
    for (std::int32_t before = count - 1; before >= 0; --before) {
        THistoryDay day;
        day.date = DateDaysBefore(today, before);
        if (!day.date.empty()) {
            days.push_back(day);
        }
    }
    return days;
}

void CountHistoryEvent(std::vector<THistoryDay>& days, const THistoryEvent& event) {
    const std::string date = event.start.substr(0, std::min(event.start.size(), DateLength));
    const auto day = std::find_if(days.begin(), days.end(), [&date](const THistoryDay& d) { return d.date == date; });
    if (day == days.end()) {
        return;
    }
    if (event.kind == THistoryKind::pause) {
        ++day->pauses;
        day->pauseSeconds += event.seconds;
    } else if (event.kind == THistoryKind::naturalBreak) {
        ++day->naturalBreaks;
    } else if (event.kind == THistoryKind::eyePause) {
        ++day->eyePauses;
    }
}
