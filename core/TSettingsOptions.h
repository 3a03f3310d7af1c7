#pragma once

#include <cstdint>
#include <string>

// The settings beyond the two times, each stored as a "Name=Value" line after them (see
// OptionLines.h). A new option is a member here and a row of the option table.
struct TSettingsOptions {
    // A translucent layer over every monitor while a pause shows.
    bool dimScreens = false;
    // A sound once the countdown reaches "enough".
    bool endSound = true;
    // Short pauses for the eyes between the pauses, each a duration text.
    bool eyePauses = false;
    std::string eyePauseInterval = "00:20:00";
    std::string eyePauseLength = "00:00:20";
    // Reminders only from workingHoursFrom to workingHoursTo (times of day; a "To" before "From"
    // runs across midnight) on the working days: bit d stands for the weekday d, 0 Monday to 6 Sunday.
    bool workingHours = false;
    std::string workingHoursFrom = "08:00:00";
    std::string workingHoursTo = "18:00:00";
    std::uint8_t workingDays = 0x1F;

    bool operator==(const TSettingsOptions&) const = default;
};
