#pragma once

#include "core/TSettingsOptions.h"

#include <span>
#include <string>

// One option of the settings file: its line is "<name>=<value>". Reading a value that is not one
// the option can hold gives the option's default.
struct TOptionLine {
    const char* name;
    void (*read)(const std::string& value, TSettingsOptions& options);
    std::string (*write)(const TSettingsOptions& options);
};

// Every option, in the order new lines are added to a file.
std::span<const TOptionLine> OptionLines();

// The option the line sets, null for a line that sets none (a newer version's, a comment).
const TOptionLine* FindOptionLine(const std::string& line);

// Applies a line that FindOptionLine gave the option for.
void ReadOptionLine(const TOptionLine& option, const std::string& line, TSettingsOptions& options);

// The option's line with its value in options, without a line end.
std::string OptionLineText(const TOptionLine& option, const TSettingsOptions& options);
