#pragma once

#include <cstdint>
#include <string>

// Timestamp text: local wall-clock time as "YYYY.MM.DD HH:MM:SS"; byte order is time order.
// Duration text: "HH:MM:SS", each field with a leading zero below 10.

// The current local time as timestamp text.
std::string CurrentTimestamp();

// The timestamp moved forward (or back) by the duration, as timestamp text in the standard form.
// The empty text when the timestamp is not six readable numbers naming a time between 1601-01-01
// 00:00:00 and 30827-12-31 23:59:59 (month 13, 31 April, year 1600 ...), when the duration is not
// three readable numbers, or when the result would fall outside that range, huge durations included.
std::string ShiftTimestamp(const std::string& timestamp, const std::string& duration, bool forward);

// The whole seconds from `from` to `to` as duration text, from 00:00:00 up to 23:59:59; the empty
// text when `to` lies before `from` or a day or more after it, and when `from` cannot be shifted.
std::string TimestampDifference(const std::string& from, const std::string& to);

// Seconds as duration text. Meant for 0 to 86 399; hours past 99 get more digits, and a negative
// count is written field by field as integer division gives it (-3725 is "0-1:0-2:0-5").
std::string FormatDuration(std::int32_t seconds);
