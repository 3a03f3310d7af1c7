#include "core/AppState.h"
#include "core/Settings.h"

#include <windows.h>

#include <shlobj.h>

std::wstring AppDataFolderPath() {
    wchar_t buffer[MAX_PATH] = {};
    if (SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, buffer) != S_OK) {
        return std::wstring();
    }
    return std::wstring(buffer);
}

std::wstring ProgramFilePath() {
    // One element more than the call may fill, so a path cut at MAX_PATH still ends.
    wchar_t buffer[MAX_PATH + 1] = {};
    GetModuleFileNameW(nullptr, buffer, MAX_PATH);
    return std::wstring(buffer);
}
