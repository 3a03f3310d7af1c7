#include "core/TimeTextReading.h"

#include <limits>
#include <utility>

namespace {

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Walks a text whose separators have been replaced with blanks, one number at a time.
class TNumberReader {
public:
    explicit TNumberReader(std::string separated) : text(std::move(separated)), position(0) {}

    // Reads a number within [lowest, highest]; signs are accepted only when lowest is negative.
    template <typename TNumber>
    std::optional<TNumber> Read() {
        constexpr auto lowest = std::numeric_limits<TNumber>::min();
        constexpr auto highest = std::numeric_limits<TNumber>::max();
        while (position < text.size() && IsSpace(text[position])) {
            ++position;
        }
        bool negative = false;
        if (lowest < 0 && position < text.size() && (text[position] == '+' || text[position] == '-')) {
            negative = text[position] == '-';
            ++position;
        }
        if (position >= text.size() || !IsDigit(text[position])) {
            return std::nullopt;
        }
        // Accumulate towards the sign's side so the lowest value needs no negation.
        std::int64_t value = 0;
        for (; position < text.size() && IsDigit(text[position]); ++position) {
            const int digit = text[position] - '0';
            if (negative) {
                if (value < (std::int64_t{lowest} + digit) / 10) {
                    return std::nullopt;
                }
                value = value * 10 - digit;
            } else {
                if (value > (static_cast<std::int64_t>(highest) - digit) / 10) {
                    return std::nullopt;
                }
                value = value * 10 + digit;
            }
        }
        return static_cast<TNumber>(value);
    }

private:
    std::string text;
    std::size_t position;
};

std::string WithBlanksFor(std::string text, const std::string& separators) {
    for (char& c : text) {
        if (separators.find(c) != std::string::npos) {
            c = ' ';
        }
    }
    return text;
}

}  // namespace

std::optional<TCalendarFields> ReadTimestampFields(const std::string& timestamp) {
    TNumberReader reader(WithBlanksFor(timestamp, ".:"));
    std::uint16_t fields[6];
    for (std::uint16_t& field : fields) {
        const auto number = reader.Read<std::uint16_t>();
        if (!number) {
            return std::nullopt;
        }
        field = *number;
    }
    return TCalendarFields{fields[0], fields[1], fields[2], fields[3], fields[4], fields[5]};
}

std::optional<TDurationFields> ReadDurationFields(const std::string& duration) {
    TNumberReader reader(WithBlanksFor(duration, ":"));
    const auto hours = reader.Read<std::int32_t>();
    const auto minutes = hours ? reader.Read<std::int32_t>() : std::nullopt;
    const auto seconds = minutes ? reader.Read<std::int64_t>() : std::nullopt;
    if (!seconds) {
        return std::nullopt;
    }
    return TDurationFields{*hours, *minutes, *seconds};
}

std::optional<std::int64_t> TotalSeconds(const TDurationFields& fields) {
    // Hours and minutes in seconds stay far inside 64 bits; only adding the seconds can overflow.
    const std::int64_t wholeMinutes = std::int64_t{fields.hours} * 3600 + std::int64_t{fields.minutes} * 60;
    constexpr auto lowest = std::numeric_limits<std::int64_t>::min();
    constexpr auto highest = std::numeric_limits<std::int64_t>::max();
    if ((wholeMinutes > 0 && fields.seconds > highest - wholeMinutes) ||
        (wholeMinutes < 0 && fields.seconds < lowest - wholeMinutes)) {
        return std::nullopt;
    }
    return wholeMinutes + fields.seconds;
}

std::optional<TDurationFields> ReadTimeOfDay(const std::string& duration) {
    const auto fields = ReadDurationFields(duration);
    if (!fields || fields->hours < 0 || fields->hours > 23 || fields->minutes < 0 || fields->minutes > 59 ||
        fields->seconds < 0 || fields->seconds > 59) {
        return std::nullopt;
    }
    return fields;
}

bool IsTimeOfDayDuration(const std::string& duration) {
    return ReadTimeOfDay(duration).has_value();
}
