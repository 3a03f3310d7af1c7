#pragma once

#include "core/TDurationFields.h"
#include "core/TCalendarFields.h"

#include <cstdint>
#include <optional>
#include <string>

// Both readers replace the separators with blanks and read numbers as a default input stream would:
// white space skipped, then (signed fields only) one "+" or "-", then decimal digits; characters
// after the last number are ignored. A text counts as unreadable, rather than leaving fields unset,
// when a number is missing or does not fit its type.

// Six unsigned 16-bit numbers: year, month, day, hour, minute, second ("." and ":" are separators).
std::optional<TCalendarFields> ReadTimestampFields(const std::string& timestamp);

// Hours and minutes as signed 32-bit, seconds as signed 64-bit numbers (":" is the separator).
std::optional<TDurationFields> ReadDurationFields(const std::string& duration);

// 3600 x hours + 60 x minutes + seconds; empty when the sum does not fit 64 bits.
std::optional<std::int64_t> TotalSeconds(const TDurationFields& fields);

// The fields of a duration that a time-of-day picker can hold (hours 0 to 23, minutes and seconds
// 0 to 59); empty for any other text.
std::optional<TDurationFields> ReadTimeOfDay(const std::string& duration);

bool IsTimeOfDayDuration(const std::string& duration);
