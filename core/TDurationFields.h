#pragma once

#include <cstdint>

// A duration text's three numbers; each keeps its own sign and none is range-checked.
struct TDurationFields {
    std::int32_t hours;
    std::int32_t minutes;
    std::int64_t seconds;
};
