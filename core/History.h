#pragma once

#include "core/THistoryEvent.h"

#include <functional>
#include <string>
#include <string_view>
#include <system_error>

// The history file, "history.csv" in the data folder beside the settings: UTF-8 without a byte
// order mark, CR LF, the header line and one line per ended event (see HistoryLine.h). It is read
// line by line when needed and never held whole.

std::wstring HistoryFilePath(const std::wstring& dataFolder);

// Adds the lines (each ended by CR LF) and makes sure they reached the disk, creating the folder and
// the file with its header if needed. A file whose last line was cut short gets a line end first, so
// that the cut line stays apart from the new ones. Gives the system's error code of a failed step.
std::error_code AppendHistoryLines(const std::wstring& dataFolder, const std::string& lines);

// Hands on each line of the file without its line end (LF or CR LF), the header and the unreadable
// lines included; false when the file cannot be read (none is a history without lines).
bool ReadHistoryLines(const std::wstring& dataFolder, const std::function<void(std::string_view line)>& take);

// Hands on each readable event of the file, in the file's order.
void ReadHistoryEvents(const std::wstring& dataFolder, const std::function<void(const THistoryEvent&)>& take);

// Drops the events that began before the first day to keep (a date text "YYYY.MM.DD") by writing a
// new file and replacing the old one with it, as the settings are saved; unreadable lines stay. The
// file is left untouched when nothing is to be dropped.
std::error_code PruneHistory(const std::wstring& dataFolder, const std::string& firstDayKept);

// Leaves the file with its header alone, replaced in one step as above.
std::error_code ForgetHistory(const std::wstring& dataFolder);
