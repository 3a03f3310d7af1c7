#include "core/FileSystem.h"

#include "core/NativeText.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
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

namespace {

std::error_code LastError() {
    return std::error_code(errno, std::system_category());
}

}  // namespace

// Through the C library rather than a stream, so that a failure leaves its reason in errno.
std::error_code WriteWholeFile(const std::wstring& file, const std::string& content) {
    std::FILE* const stream = std::fopen(FileSystemPath(file).c_str(), "wb");
    if (stream == nullptr) {
        return LastError();
    }
    std::error_code error;
    if (std::fwrite(content.data(), 1, content.size(), stream) != content.size() || std::fflush(stream) != 0) {
        error = LastError();
    }
    if (std::fclose(stream) != 0 && !error) {
        error = LastError();
    }
    return error;
}

std::error_code ReplaceFileWith(const std::wstring& target, const std::wstring& source) {
    std::error_code error;
    std::filesystem::rename(FileSystemPath(source), FileSystemPath(target), error);
    // The library files its errno under the generic category; here every code is the system's.
    return error ? std::error_code(error.value(), std::system_category()) : error;
}

void RemoveFile(const std::wstring& file) {
    std::error_code ignored;
    std::filesystem::remove(FileSystemPath(file), ignored);
}
