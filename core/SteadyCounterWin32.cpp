#include "core/SteadyCounter.h"

#include <windows.h>

// Unlike the interrupt-time counters, the tick count goes on while the computer sleeps.
std::uint64_t SteadyMilliseconds() {
    return GetTickCount64();
}
