#include "core/TSteadyClock.h"

TSteadyClock::TSteadyClock(const TClock& wallClock, const TSteadyCounter& steadyCounter)
    : counter(steadyCounter), startCount(counter()), startTime(wallClock()) {}

std::string TSteadyClock::Now() const {
    const std::uint64_t elapsedSeconds = (counter() - startCount) / 1000;
    return ShiftTimestamp(startTime, "00:00:" + std::to_string(elapsedSeconds), true);
}
