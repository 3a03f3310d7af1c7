#include "core/FileSystem.h"

#include <windows.h>

std::filesystem::path FileSystemPath(const std::wstring& path) {
    return std::filesystem::path(path);
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
