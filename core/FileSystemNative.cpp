#include "core/FileSystem.h"

#include "core/FileSystemPath.h"

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
