#pragma once

#include <cstdint>
#include <functional>

// Milliseconds on a counter that only moves forward, at the pace of real time, sleep and
// hibernation included; setting the wall clock or a daylight-saving change does not move it.
std::uint64_t SteadyMilliseconds();

// Reads such a counter; replaceable so that clocks built on it can be tested.
using TSteadyCounter = std::function<std::uint64_t()>;
