#include "core/FileSystem.h"

#include <windows.h>

std::optional<std::string> ReadWholeFile(const std::wstring& file) {
    const HANDLE handle = CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    std::string content;
    char buffer[4096];
    DWORD read = 0;
    bool complete = true;
    while ((complete = ReadFile(handle, buffer, sizeof buffer, &read, nullptr) != FALSE) && read > 0) {
        content.append(buffer, read);
    }
    CloseHandle(handle);
    if (!complete) {
        return std::nullopt;
    }
    return content;
}

void CreateFolder(const std::wstring& folder) {
    CreateDirectoryW(folder.c_str(), nullptr);
}

bool WriteWholeFile(const std::wstring& file, const std::string& content) {
    const HANDLE handle = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return false;
    }
    DWORD written = 0;
    const bool complete = WriteFile(handle, content.data(), static_cast<DWORD>(content.size()), &written, nullptr) &&
                          written == content.size() && FlushFileBuffers(handle);
    return CloseHandle(handle) && complete;
}

bool ReplaceFileWith(const std::wstring& target, const std::wstring& source) {
    return MoveFileExW(source.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

void RemoveFile(const std::wstring& file) {
    DeleteFileW(file.c_str());
}
