#include "core/FileSystem.h"

#include "core/FileSystemPath.h"

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <system_error>

std::optional<std::string> ReadWholeFile(const std::wstring& file) {
    std::ifstream input(FileSystemPath(file), std::ios::binary);
    if (!input.is_open()) {
        return std::nullopt;
    }
    // Stream reads, unlike stream buffer iterators, turn a read error (a folder, say) into the bad state.
    std::string content;
    char buffer[4096];
    while (input.read(buffer, sizeof buffer) || input.gcount() > 0) {
        content.append(buffer, static_cast<std::size_t>(input.gcount()));
    }
    if (input.bad()) {
        return std::nullopt;
    }
    return content;
}

bool FolderExists(const std::wstring& folder) {
    std::error_code ignored;
    return std::filesystem::is_directory(FileSystemPath(folder), ignored);
}

void CreateFolder(const std::wstring& folder) {
    std::error_code ignored;
    std::filesystem::create_directory(FileSystemPath(folder), ignored);
}

namespace {

std::error_code LastError() {
    return std::error_code(errno, std::system_category());
}

// Writes the content in the mode given and closes the file; the first failure is the answer.
// Through the C library rather than a stream, so that a failure leaves its reason in errno.
std::error_code WriteThrough(const std::wstring& file, const char* mode, const std::string& content) {
    std::FILE* const stream = std::fopen(FileSystemPath(file).c_str(), mode);
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

}  // namespace

std::error_code WriteWholeFile(const std::wstring& file, const std::string& content) {
    return WriteThrough(file, "wb", content);
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

std::error_code AppendToFile(const std::wstring& file, const std::string& content) {
    return WriteThrough(file, "ab", content);
}

bool ReadFileInPieces(const std::wstring& file, const std::function<void(std::string_view piece)>& take) {
    std::ifstream input(FileSystemPath(file), std::ios::binary);
    if (!input.is_open()) {
        return false;
    }
    char buffer[16384];
    while (input.read(buffer, sizeof buffer) || input.gcount() > 0) {
        take(std::string_view(buffer, static_cast<std::size_t>(input.gcount())));
    }
    return !input.bad();
}

std::optional<char> LastByteOfFile(const std::wstring& file) {
    std::ifstream input(FileSystemPath(file), std::ios::binary | std::ios::ate);
    if (!input.is_open() || input.tellg() <= 0 || !input.seekg(-1, std::ios::end)) {
        return std::nullopt;
    }
    const int last = input.get();
    if (last == std::ifstream::traits_type::eof()) {
        return std::nullopt;
    }
    return static_cast<char>(last);
}
