#pragma once

#include <optional>
#include <string>
#include <system_error>

// The few file operations the settings need, by wide path with "\" as separator.

// The whole content, byte for byte; empty when the file cannot be opened or read.
std::optional<std::string> ReadWholeFile(const std::wstring& file);

// Whether a folder (not a file) of that path exists.
bool FolderExists(const std::wstring& folder);

// Creates one folder; its parent must exist. Failure (usually: it exists) is ignored.
void CreateFolder(const std::wstring& folder);

// The two below give the system's own error code when they fail (GetLastError on Windows, errno
// elsewhere, both in the system category), and an empty code when they succeed.

// Writes the content to a new or truncated file and makes sure it reached the disk.
std::error_code WriteWholeFile(const std::wstring& file, const std::string& content);

// Replaces target with source in one step, so readers see the old or the new file, never a mix.
std::error_code ReplaceFileWith(const std::wstring& target, const std::wstring& source);

void RemoveFile(const std::wstring& file);
