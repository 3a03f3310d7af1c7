#include "core/SteadyCounter.h"

#include <time.h>

// The boot-time clock goes on during suspend where the plain monotonic clock stops.
std::uint64_t SteadyMilliseconds() {
#ifdef CLOCK_BOOTTIME
    constexpr clockid_t clock = CLOCK_BOOTTIME;
#else
    constexpr clockid_t clock = CLOCK_MONOTONIC;
#endif
    timespec now{};
    clock_gettime(clock, &now);
    return static_cast<std::uint64_t>(now.tv_sec) * 1000 + static_cast<std::uint64_t>(now.tv_nsec) / 1'000'000;
}
