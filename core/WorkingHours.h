#pragma once

#include "core/TSettingsOptions.h"

#include <optional>
#include <string>

// Working hours are read on the wall clock (timestamp text), as the user's local clock shows it, so
// they follow daylight saving and a clock the user sets. The hours of a day run from its "From" up
// to, not including, its "To"; a "To" before "From" runs into the next day, still counted as hours of
// the day they begin on.

// The weekday of a timestamp, 0 Monday to 6 Sunday; empty when it is not a calendar time.
std::optional<int> Weekday(const std::string& timestamp);

// True at every moment while the option is off, and when the timestamp cannot be read: reminders
// are never lost to a reading.
bool InWorkingHours(const TSettingsOptions& options, const std::string& wallNow);

// The time from wallNow to the next moment after it at which working hours begin, as duration text
// (more than 23 hours where it takes longer); empty when no day is a working day or wallNow cannot
// be read.
std::string TimeUntilWorkingHours(const TSettingsOptions& options, const std::string& wallNow);

// That moment, as timestamp text; empty as above.
std::string NextWorkingHoursBegin(const TSettingsOptions& options, const std::string& wallNow);
