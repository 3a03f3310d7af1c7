#pragma once

#include "core/TCalendarFields.h"

#include <cstdint>
#include <optional>

// Calendar values are 100-nanosecond ticks since 1601-01-01 00:00:00 on the Gregorian calendar.
inline constexpr std::int64_t TicksPerSecond = 10'000'000;

// The range both builds convert alike: 1601-01-01 00:00:00 up to 30827-12-31 23:59:59, the years
// the Windows conversion accepts in both directions.
inline constexpr std::uint16_t FirstCalendarYear = 1601;
inline constexpr std::uint16_t LastCalendarYear = 30827;

// True when the fields name a real time of a real day within the range above.
bool IsCalendarTime(const TCalendarFields& fields);

// Empty when the fields are not a calendar time (see IsCalendarTime).
std::optional<std::int64_t> CalendarTicks(const TCalendarFields& fields);

// Empty when the ticks lie outside the range above; sub-second ticks are dropped.
std::optional<TCalendarFields> CalendarFields(std::int64_t ticks);
