#include "core/TSteadyClock.h"

TSteadyClock::TSteadyClock(const TClock& wallClock, const TSteadyCounter& steadyCounter)
    : counter(steadyCounter), startCount(counter()), startTime(wallClock()) {}

std::string TSteadyClock::Now() const {
    // A counter that went back (only a faked one can) reads as no time passed, not as ages.
    const std::uint64_t count = counter();
    const std::uint64_t elapsedSeconds = count > startCount ? (count - startCount) / 1000 : 0;
    return ShiftTimestamp(startTime, "00:00:" + std::to_string(elapsedSeconds), true);
}
