#include "core/FileSystem.h"

#include "core/Win32Handles.h"

#include <utility>

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

// Writes the content to the disk itself and closes the file; the first failure is the answer.
std::error_code WriteThrough(TKernelHandle handle, const std::string& content) {
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

}  // namespace

std::error_code WriteWholeFile(const std::wstring& file, const std::string& content) {
    TKernelHandle handle(
        OpenedFile(CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr)));
    if (!handle) {
        return LastError();
    }
    return WriteThrough(std::move(handle), content);
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

namespace {

TKernelHandle OpenFile(const std::wstring& file, DWORD access, DWORD disposition) {
    return TKernelHandle(OpenedFile(
        CreateFileW(file.c_str(), access, FILE_SHARE_READ, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr)));
}

}  // namespace

std::error_code AppendToFile(const std::wstring& file, const std::string& content) {
    TKernelHandle handle = OpenFile(file, FILE_APPEND_DATA, OPEN_ALWAYS);
    if (!handle) {
        return LastError();
    }
    return WriteThrough(std::move(handle), content);
}

bool ReadFileInPieces(const std::wstring& file, const std::function<void(std::string_view piece)>& take) {
    const TKernelHandle handle = OpenFile(file, GENERIC_READ, OPEN_EXISTING);
    if (!handle) {
        return false;
    }
    char buffer[16384];
    DWORD read = 0;
    while (ReadFile(handle.Get(), buffer, sizeof buffer, &read, nullptr)) {
        if (read == 0) {
            return true;
        }
        take(std::string_view(buffer, read));
    }
    return false;
}

std::optional<char> LastByteOfFile(const std::wstring& file) {
    const TKernelHandle handle = OpenFile(file, GENERIC_READ, OPEN_EXISTING);
    LARGE_INTEGER back{};
    back.QuadPart = -1;
    char last = 0;
    DWORD read = 0;
    if (!handle || !SetFilePointerEx(handle.Get(), back, nullptr, FILE_END) ||
        !ReadFile(handle.Get(), &last, 1, &read, nullptr) || read != 1) {
        return std::nullopt;
    }
    return last;
}
