#pragma once

#include <functional>
#include <string>

// Reads the current time as timestamp text; replaceable so the schedule can be tested.
using TClock = std::function<std::string()>;
