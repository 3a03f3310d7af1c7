#pragma once

#include "core/TSettingsOptions.h"

#include <string>
#include <system_error>

// The per-user application-data folder, or the empty text when the system cannot name it.
std::wstring AppDataFolderPath();

// The data folder of the program file given: the folder "Settings" beside it when that exists, so
// that a portable copy keeps its settings with it (on a USB stick, say), else AppDataFolderPath()
// followed by "\Tavelin". Nothing is created here.
std::wstring DataFolderPathFor(const std::wstring& programFile);

// DataFolderPathFor(ProgramFilePath()).
std::wstring DataFolderPath();

// Takes the interval and the pause length from "config" in the data folder. A value is taken only
// when its line reads as a duration a time picker can hold (hours 0-23, minutes and seconds 0-59),
// and then exactly as it stands; otherwise the value passed in (the default) stays. The options
// come from the lines after them, as ReadSettingsOptions reads them.
void LoadSettings(const std::wstring& dataFolder, std::string& interval, std::string& pauseLength,
                  TSettingsOptions& options);

// Writes the values to "config" in the data folder as SettingsContent gives them over the file
// there now (whose lines unknown to this program so stay), creating the folder if needed. The
// content goes to a temporary file that then replaces "config", so a failed save leaves the
// previous file whole and removes the temporary file. Gives the system's error code of
// the step that failed (see FileSystem.h), empty when the file was saved.
std::error_code SaveSettings(const std::wstring& dataFolder, const std::string& interval,
                             const std::string& pauseLength, const TSettingsOptions& options);

// The settings file in the data folder, as the user can look for it.
std::wstring SettingsFilePath(const std::wstring& dataFolder);
