#include "core/WorkingHours.h"

#include "core/Calendar.h"
#include "core/HeadsUp.h"
#include "core/TimeText.h"
#include "core/TimeTextReading.h"

#include <cstdint>

namespace {

constexpr std::int64_t SecondsPerDay = 86'400;

// Seconds since the calendar's first day, 1601-01-01, a Monday.
std::optional<std::int64_t> Seconds(const std::string& timestamp) {
    const auto fields = ReadTimestampFields(timestamp);
    const auto ticks = fields ? CalendarTicks(*fields) : std::nullopt;
    return ticks ? std::optional<std::int64_t>(*ticks / TicksPerSecond) : std::nullopt;
}

bool IsWorkingDay(const TSettingsOptions& options, std::int64_t dayNumber) {
    return (options.workingDays & (1u << (dayNumber % 7))) != 0;
}

// The working hours of the day with that number, as seconds since the calendar's first day.
struct THours {
    std::int64_t begin;
    std::int64_t end;
};

THours HoursOfDay(const TSettingsOptions& options, std::int64_t dayNumber) {
    const std::int64_t from = DurationSeconds(options.workingHoursFrom);
    const std::int64_t to = DurationSeconds(options.workingHoursTo);
    const std::int64_t dayStart = dayNumber * SecondsPerDay;
    return {dayStart + from, dayStart + to + (to > from ? 0 : SecondsPerDay)};
}

}  // namespace

std::optional<int> Weekday(const std::string& timestamp) {
    const auto seconds = Seconds(timestamp);
    return seconds ? std::optional<int>(static_cast<int>(*seconds / SecondsPerDay % 7)) : std::nullopt;
}

bool InWorkingHours(const TSettingsOptions& options, const std::string& wallNow) {
    const auto now = Seconds(wallNow);
    if (!options.workingHours || !now) {
        return true;
    }
    const std::int64_t today = *now / SecondsPerDay;
    // Hours across midnight that began yesterday may still run.
    for (std::int64_t day = today > 0 ? today - 1 : today; day <= today; ++day) {
        const THours hours = HoursOfDay(options, day);
        if (IsWorkingDay(options, day) && hours.begin <= *now && *now < hours.end) {
            return true;
        }
    }
    return false;
}

std::string TimeUntilWorkingHours(const TSettingsOptions& options, const std::string& wallNow) {
    const auto now = Seconds(wallNow);
    if (!now) {
        return std::string();
    }
    const std::int64_t today = *now / SecondsPerDay;
    for (std::int64_t day = today; day <= today + 7; ++day) {
        const THours hours = HoursOfDay(options, day);
        if (IsWorkingDay(options, day) && hours.begin > *now) {
            return FormatDuration(static_cast<std::int32_t>(hours.begin - *now));
        }
    }
    return std::string();
}

std::string NextWorkingHoursBegin(const TSettingsOptions& options, const std::string& wallNow) {
    const std::string until = TimeUntilWorkingHours(options, wallNow);
    return until.empty() ? until : ShiftTimestamp(wallNow, until, true);
}
