#include "core/TReminderPause.h"

#include "core/Calendar.h"
#include "core/TimeText.h"
#include "core/TimeTextReading.h"

#include <optional>

namespace {

constexpr std::int64_t SecondsPerDay = 86'400;
constexpr std::int64_t MorningSecond = 6 * 3'600;

std::optional<std::int64_t> Seconds(const std::string& timestamp) {
    const auto fields = ReadTimestampFields(timestamp);
    const auto ticks = fields ? CalendarTicks(*fields) : std::nullopt;
    return ticks ? std::optional<std::int64_t>(*ticks / TicksPerSecond) : std::nullopt;
}

// Half a minute and more counts as a whole one, in either direction.
std::int64_t NearestWholeMinutes(std::int64_t seconds) {
    return seconds >= 0 ? (seconds + 30) / 60 : -((-seconds + 30) / 60);
}

}  // namespace

std::string TReminderPause::LengthOf(TChoice choice, const std::string& wallNow) {
    switch (choice) {
    case TChoice::for30Minutes:
        return "00:30:00";
    case TChoice::for1Hour:
        return "01:00:00";
    case TChoice::for2Hours:
        return "02:00:00";
    case TChoice::untilTomorrow:
        break;
    }
    const auto fields = ReadTimestampFields(wallNow);
    if (!fields || !IsCalendarTime(*fields)) {
        return std::string();
    }
    const std::int64_t secondOfDay = fields->hour * 3'600 + fields->minute * 60 + fields->second;
    const std::int64_t left = MorningSecond > secondOfDay ? MorningSecond - secondOfDay
                                                          : MorningSecond + SecondsPerDay - secondOfDay;
    return FormatDuration(static_cast<std::int32_t>(left));
}

void TReminderPause::Begin(const std::string& now, const std::string& wallNow, const std::string& length) {
    const auto steadySeconds = Seconds(now);
    const auto wallSeconds = Seconds(wallNow);
    const std::string end = ShiftTimestamp(now, length, true);
    const std::string wallEnd = ShiftTimestamp(wallNow, length, true);
    if (!steadySeconds || !wallSeconds || end.empty() || wallEnd.empty() || !(now < end)) {
        return;
    }
    until = end;
    wallUntil = wallEnd;
    wallAhead = *wallSeconds - *steadySeconds;
}

void TReminderPause::End() {
    until.clear();
    wallUntil.clear();
    wallAhead = 0;
}

bool TReminderPause::IsActive() const {
    return !until.empty();
}

bool TReminderPause::IsOver(const std::string& now) const {
    return IsActive() && !(now < until);
}

std::string TReminderPause::WallClockEnd(const std::string& now, const std::string& wallNow) const {
    const auto steadySeconds = Seconds(now);
    const auto wallSeconds = Seconds(wallNow);
    if (!IsActive() || !steadySeconds || !wallSeconds) {
        return wallUntil;
    }
    const std::int64_t minutes = NearestWholeMinutes(*wallSeconds - *steadySeconds - wallAhead);
    return ShiftTimestamp(wallUntil, "00:00:" + std::to_string(60 * (minutes < 0 ? -minutes : minutes)), minutes >= 0);
}
