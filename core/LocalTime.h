#pragma once

#include <ctime>

// The platform's re-entrant conversion of the clock to local broken-down time.
std::tm LocalTime(std::time_t time);
