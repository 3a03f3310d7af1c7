#pragma once

#include "core/Presentation.h"

#include <cstdint>
#include <functional>

// What the schedule asks about the user's presence; replaceable so that the schedule can be tested.
struct TPresenceSources {
    std::function<std::uint64_t()> millisecondsSinceInput;
    std::function<bool()> displayRequired;
    TPresentationQuery presenting;
    std::function<bool()> inCall;
};
