#include "core/FileSystem.h"

#include "core/Win32Handles.h"

std::optional<std::string> ReadWholeFile(const std::wstring& file) {
    const TKernelHandle handle(OpenedFile(CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)));
    if (!handle) {
        return std::nullopt;
    }
    std::string content;
    char buffer[4096];
    DWORD read = 0;
    bool complete = true;
    while ((complete = ReadFile(handle.Get(), buffer, sizeof buffer, &read, nullptr) != FALSE) && read > 0) {
        content.append(buffer, read);
    }
    if (!complete) {
        return std::nullopt;
    }
    return content;
}

bool FolderExists(const std::wstring& folder) {
    const DWORD attributes = GetFileAttributesW(folder.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

void CreateFolder(const std::wstring& folder) {
    CreateDirectoryW(folder.c_str(), nullptr);
}

namespace {

std::error_code LastError() {
    return std::error_code(static_cast<int>(GetLastError()), std::system_category());
}

}  // namespace

std::error_code WriteWholeFile(const std::wstring& file, const std::string& content) {
    TKernelHandle handle(
        OpenedFile(CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr)));
    if (!handle) {
        return LastError();
    }
    DWORD written = 0;
    std::error_code error;
    if (!WriteFile(handle.Get(), content.data(), static_cast<DWORD>(content.size()), &written, nullptr) ||
        !FlushFileBuffers(handle.Get())) {
        error = LastError();
    } else if (written != content.size()) {
        error = std::error_code(ERROR_HANDLE_DISK_FULL, std::system_category());
    }
    // Closed here rather than by the holder: a failed close may be the first word of a failed write.
    if (!CloseHandle(handle.Detach()) && !error) {
        error = LastError();
    }
    return error;
}

std::error_code ReplaceFileWith(const std::wstring& target, const std::wstring& source) {
    if (!MoveFileExW(source.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return LastError();
    }
    return std::error_code();
}

void RemoveFile(const std::wstring& file) {
    DeleteFileW(file.c_str());
}
