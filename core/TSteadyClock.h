#pragma once

#include "core/SteadyCounter.h"
#include "core/TClock.h"
#include "core/TimeText.h"

#include <cstdint>
#include <string>

// Timestamp text that never jumps: the wall clock is read once, on construction, and from then on
// the reading only advances with a steady counter. So lengths of time measured between its readings
// stay true when the user sets the clock or daylight saving begins or ends.
class TSteadyClock {
public:
    explicit TSteadyClock(const TClock& wallClock = CurrentTimestamp,
                          const TSteadyCounter& counter = SteadyMilliseconds);

    // The start-up wall-clock time plus the whole seconds the counter has run since.
    std::string Now() const;

private:
    TSteadyCounter counter;
    std::uint64_t startCount;
    std::string startTime;
};
