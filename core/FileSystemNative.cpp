#include "core/FileSystem.h"

#include "core/NativeText.h"

#include <algorithm>
#include <fstream>
#include <system_error>

// Here the paths come in Windows form; "\" becomes this system's separator.
std::filesystem::path FileSystemPath(const std::wstring& path) {
    std::wstring native = path;
    std::replace(native.begin(), native.end(), L'\\', L'/');
    return std::filesystem::path(Utf8FromWide(native));
}

void CreateFolder(const std::wstring& folder) {
    std::error_code ignored;
    std::filesystem::create_directory(FileSystemPath(folder), ignored);
}

bool WriteWholeFile(const std::wstring& file, const std::string& content) {
    std::ofstream output(FileSystemPath(file), std::ios::binary | std::ios::trunc);
    output.write(content.data(), static_cast<std::streamsize>(content.size()));
    output.close();
    return !output.fail();
}

bool ReplaceFileWith(const std::wstring& target, const std::wstring& source) {
    std::error_code error;
    std::filesystem::rename(FileSystemPath(source), FileSystemPath(target), error);
    return !error;
}

void RemoveFile(const std::wstring& file) {
    std::error_code ignored;
    std::filesystem::remove(FileSystemPath(file), ignored);
}
