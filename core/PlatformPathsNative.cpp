#include "core/AppState.h"
#include "core/NativeText.h"
#include "core/Settings.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

// This build only serves the tests; it follows the desktop's convention for per-user settings.
std::wstring AppDataFolderPath() {
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config != nullptr && *config != '\0') {
        return WideFromUtf8(config);
    }
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        return WideFromUtf8(std::string(home) + "/.config");
    }
    return std::wstring();
}

std::wstring ProgramFilePath() {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::wstring() : WideFromUtf8(program.string());
}
