// Any text, in memory, through the timestamp and duration readers: each must read the numbers a
// default input stream reads from the text with its separators blanked, and the duration checks
// built on them must agree with the fields read.
#include "core/TimeText.h"
#include "core/TimeTextReading.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <istream>
#include <optional>
#include <sstream>
#include <string>

namespace {

// One stream for every input: building a stream per input would cost more than the reading.
std::istringstream& StreamOf(const std::string& text) {
    static std::istringstream stream;
    stream.clear();
    stream.str(text);
    return stream;
}

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

std::string WithBlanks(std::string text, const std::string& separators) {
    for (char& c : text) {
        if (separators.find(c) != std::string::npos) {
            c = ' ';
        }
    }
    return text;
}

// The stream reads an unsigned field after a sign and wraps it; the reader takes no sign there.
bool StreamReadUnsigned(std::istringstream& stream, std::uint16_t& field) {
    stream >> std::ws;
    const int next = stream.peek();
    if (next == '+' || next == '-') {
        return false;
    }
    stream.clear(stream.rdstate() & ~std::ios::eofbit);
    return static_cast<bool>(stream >> field);
}

void CheckTimestamp(const std::string& text) {
    const auto fields = ReadTimestampFields(text);
    std::istringstream& stream = StreamOf(WithBlanks(text, ".:"));
    std::uint16_t expected[6] = {};
    bool read = true;
    for (std::uint16_t& field : expected) {
        read = read && StreamReadUnsigned(stream, field);
    }
    Require(fields.has_value() == read);
    if (fields) {
        Require(*fields == TCalendarFields{expected[0], expected[1], expected[2], expected[3], expected[4], expected[5]});
    }
}

// Whether a + b overflows, told from the signs of the wrapped sum.
bool SumOverflows(std::int64_t a, std::int64_t b, std::int64_t& sum) {
    sum = static_cast<std::int64_t>(static_cast<std::uint64_t>(a) + static_cast<std::uint64_t>(b));
    return (a < 0) == (b < 0) && (sum < 0) != (a < 0);
}

void CheckDuration(const std::string& text) {
    const auto fields = ReadDurationFields(text);
    std::istringstream& stream = StreamOf(WithBlanks(text, ":"));
    std::int32_t hours = 0;
    std::int32_t minutes = 0;
    std::int64_t seconds = 0;
    const bool read = static_cast<bool>(stream >> hours >> minutes >> seconds);
    Require(fields.has_value() == read);

    const auto timeOfDay = ReadTimeOfDay(text);
    Require(IsTimeOfDayDuration(text) == timeOfDay.has_value());
    if (!fields) {
        Require(!timeOfDay);
        return;
    }
    Require(fields->hours == hours && fields->minutes == minutes && fields->seconds == seconds);

    std::int64_t sum = 0;
    const bool overflows = SumOverflows(std::int64_t{hours} * 3600 + std::int64_t{minutes} * 60, seconds, sum);
    const auto total = TotalSeconds(*fields);
    Require(total.has_value() == !overflows && (!total || *total == sum));

    const bool inRange = hours >= 0 && hours <= 23 && minutes >= 0 && minutes <= 59 && seconds >= 0 && seconds <= 59;
    Require(timeOfDay.has_value() == inRange);
    if (timeOfDay) {
        // A value the picker holds is written back in the standard form and reads as the same.
        const std::string written = FormatDuration(static_cast<std::int32_t>(*total));
        const auto reread = ReadTimeOfDay(written);
        Require(written.size() == 8 && reread && reread->hours == hours && reread->minutes == minutes &&
                reread->seconds == seconds);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    CheckTimestamp(text);
    CheckDuration(text);
    return 0;
}
