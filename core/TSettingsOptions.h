#pragma once

// The settings beyond the two times, each stored as a "Name=Value" line after them (see
// OptionLines.h). A new option is a member here and a row of the option table.
struct TSettingsOptions {
    // A translucent layer over every monitor while a pause shows.
    bool dimScreens = false;
    // A sound once the countdown reaches "enough".
    bool endSound = true;

    bool operator==(const TSettingsOptions&) const = default;
};
