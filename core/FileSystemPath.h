#pragma once

#include <filesystem>
#include <string>

// The program's wide path ("\" as separator) as this system's path, for the native file calls and
// for tests that look at files with the standard library. The program itself never needs it.
std::filesystem::path FileSystemPath(const std::wstring& path);
