#pragma once

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

// The file's exact content: both values, each ended by CR LF.
std::string SettingsContent(const std::string& interval, const std::string& pauseLength);
