#include "core/SystemLibrary.h"

#include <string>

namespace {

using TSetDefaultDllDirectories = BOOL(WINAPI*)(DWORD);

// Windows 7 without its update KB2533623 has neither the call nor the flag.
TSetDefaultDllDirectories SetDefaultDllDirectoriesFunction() {
    return LibraryFunction<TSetDefaultDllDirectories>(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories");
}

std::wstring SystemFolderPath(const wchar_t* name) {
    wchar_t folder[MAX_PATH + 1] = {};
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length > MAX_PATH) {
        return std::wstring();
    }
    return std::wstring(folder, length) + L"\\" + name;
}

}  // namespace

void LimitLibrarySearchToSystemFolder() {
    const TSetDefaultDllDirectories limit = SetDefaultDllDirectoriesFunction();
    if (limit != nullptr) {
        limit(LOAD_LIBRARY_SEARCH_SYSTEM32);
    }
}

HMODULE LoadSystemLibrary(const wchar_t* name) {
    if (SetDefaultDllDirectoriesFunction() != nullptr) {
        return LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    }
    // Without the flag, a full path names the system folder's copy, and the altered search finds
    // its own libraries beside it.
    const std::wstring path = SystemFolderPath(name);
    return path.empty() ? nullptr : LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}
