#pragma once

#include <string>

// Opens the help file at its default topic in the system's help viewer, without waiting for it.
void OpenHelp(const std::wstring& helpFilePath);
