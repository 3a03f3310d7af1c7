// Any timestamp and duration text: the operations must not crash, and whatever they return must
// keep the round trip and the countdown consistent.
#include "core/TimeText.h"
#include "core/TimeTextReading.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find('\n');
    const std::string timestamp = input.substr(0, split);
    const std::string duration = split == std::string::npos ? std::string() : input.substr(split + 1);

    const std::string normalised = ShiftTimestamp(timestamp, "00:00:00", true);
    for (const bool forward : {true, false}) {
        const std::string shifted = ShiftTimestamp(timestamp, duration, forward);
        if (shifted.empty()) {
            continue;
        }
        if (normalised.empty() || shifted.size() < 19 || ShiftTimestamp(shifted, "00:00:00", true) != shifted) {
            std::abort();
        }
        if (ShiftTimestamp(shifted, duration, !forward) != normalised) {
            std::abort();
        }
        const auto fields = ReadDurationFields(duration);
        const auto seconds = fields ? TotalSeconds(*fields) : std::nullopt;
        // A difference is only given from a time that can still be shifted by a day.
        if (forward && seconds && *seconds >= 0 && *seconds < 86'400 &&
            !ShiftTimestamp(normalised, "23:59:59", true).empty() &&
            TimestampDifference(normalised, shifted) != FormatDuration(static_cast<std::int32_t>(*seconds))) {
            std::abort();
        }
    }
    TimestampDifference(timestamp, duration);
    IsTimeOfDayDuration(duration);
    return 0;
}
