#pragma once

#include "core/TSettingsOptions.h"

#include <string>

// Reads the first two lines of the file's content into interval and pause length as a
// line-by-line stream read does: a read that starts in a good state clears its target and fails
// when no character is left; one that starts after the end of the input keeps its target. LF and
// CR LF end a line; any other CR belongs to the value.
void ReadSettingsLines(const std::string& content, std::string& interval, std::string& pauseLength);

// The values a settings file's content gives: each line read as above is taken only when it reads
// as a duration a time picker can hold, and then exactly as it stands; otherwise the value passed
// in (the default) stays.
void ReadSettingsContent(const std::string& content, std::string& interval, std::string& pauseLength);

// The options the lines from the third on set, each such line in turn, so that a later line wins
// (see OptionLines.h); an option no line sets keeps the value passed in. Values that do not fit
// together then take their defaults (see MendOptions).
void ReadSettingsOptions(const std::string& content, TSettingsOptions& options);

// The file's exact content for the values, written over a file whose content was previousContent:
// both times, then that file's lines from the third on in their order, where an option's first
// line shows the option's value and its later lines go, then a line for each option that had none
// and differs from its default. Every line is ended by CR LF. So a file of today stays two lines,
// and lines this program does not know stay as they were.
std::string SettingsContent(const std::string& interval, const std::string& pauseLength,
                            const TSettingsOptions& options, const std::string& previousContent);
