#include "core/TimeText.h"

#include "core/Calendar.h"
#include "core/LocalTime.h"
#include "core/TimeTextReading.h"

#include <limits>

namespace {

void AppendTwoDigits(std::string& text, std::int64_t value) {
    if (value < 10) {
        text += '0';
    }
    text += std::to_string(value);
}

// Adds without leaving the 64-bit range; empty when the sum would.
std::optional<std::int64_t> CheckedAdd(std::int64_t a, std::int64_t b) {
    if ((b > 0 && a > std::numeric_limits<std::int64_t>::max() - b) ||
        (b < 0 && a < std::numeric_limits<std::int64_t>::min() - b)) {
        return std::nullopt;
    }
    return a + b;
}

// The duration in ticks with the direction applied; empty when the product leaves 64 bits.
std::optional<std::int64_t> SignedTicks(std::int64_t seconds, bool forward) {
    constexpr std::int64_t limit = std::numeric_limits<std::int64_t>::max() / TicksPerSecond;
    if (seconds > limit || seconds < -limit) {
        return std::nullopt;
    }
    return seconds * (forward ? TicksPerSecond : -TicksPerSecond);
}

}  // namespace

std::string CurrentTimestamp() {
    const std::tm local = LocalTime(std::time(nullptr));
    char buffer[20] = {};
    std::strftime(buffer, sizeof buffer, "%Y.%m.%d %H:%M:%S", &local);
    return std::string(buffer);
}

std::string ShiftTimestamp(const std::string& timestamp, const std::string& duration, bool forward) {
    const auto fields = ReadTimestampFields(timestamp);
    const auto start = fields ? CalendarTicks(*fields) : std::nullopt;
    const auto durationFields = ReadDurationFields(duration);
    const auto seconds = durationFields ? TotalSeconds(*durationFields) : std::nullopt;
    const auto shift = seconds ? SignedTicks(*seconds, forward) : std::nullopt;
    const auto end = start && shift ? CheckedAdd(*start, *shift) : std::nullopt;
    const auto result = end ? CalendarFields(*end) : std::nullopt;
    if (!result) {
        return std::string();
    }
    std::string text = std::to_string(result->year);
    text += '.';
    AppendTwoDigits(text, result->month);
    text += '.';
    AppendTwoDigits(text, result->day);
    text += ' ';
    AppendTwoDigits(text, result->hour);
    text += ':';
    AppendTwoDigits(text, result->minute);
    text += ':';
    AppendTwoDigits(text, result->second);
    return text;
}

std::string TimestampDifference(const std::string& from, const std::string& to) {
    if (to < from) {
        return std::string();
    }
    const std::string dayLater = ShiftTimestamp(from, "23:59:59", true);
    if (dayLater.empty() || dayLater < to) {
        return std::string();
    }
    // The least power of two not below half a day, so the search covers every second of a day.
    std::int32_t step = 1;
    while (step < 43'200) {
        step *= 2;
    }
    std::int32_t result = 0;
    for (; step > 0; step /= 2) {
        const std::int32_t candidate = result + step;
        if (candidate < 86'400 && !(ShiftTimestamp(from, FormatDuration(candidate), true) > to)) {
            result = candidate;
        }
    }
    return FormatDuration(result);
}

std::string FormatDuration(std::int32_t seconds) {
    std::string text;
    AppendTwoDigits(text, seconds / 3600);
    text += ':';
    AppendTwoDigits(text, seconds % 3600 / 60);
    text += ':';
    AppendTwoDigits(text, seconds % 60);
    return text;
}
