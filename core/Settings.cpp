#include "core/Settings.h"

#include "core/AppState.h"
#include "core/FileSystem.h"
#include "core/SettingsContent.h"

std::wstring DataFolderPathFor(const std::wstring& programFile) {
    const std::size_t separator = programFile.find_last_of(L"\\/");
    if (separator != std::wstring::npos) {
        const std::wstring portable = programFile.substr(0, separator) + L"\\Settings";
        if (FolderExists(portable)) {
            return portable;
        }
    }
    return AppDataFolderPath() + L"\\Tavelin";
}

std::wstring DataFolderPath() {
    return DataFolderPathFor(ProgramFilePath());
}

void LoadSettings(const std::wstring& dataFolder, std::string& interval, std::string& pauseLength,
                  TSettingsOptions& options) {
    const std::optional<std::string> content = ReadWholeFile(SettingsFilePath(dataFolder));
    if (!content) {
        return;
    }
    ReadSettingsContent(*content, interval, pauseLength);
    ReadSettingsOptions(*content, options);
}

std::error_code SaveSettings(const std::wstring& dataFolder, const std::string& interval,
                             const std::string& pauseLength, const TSettingsOptions& options) {
    CreateFolder(dataFolder);
    const std::string previousContent = ReadWholeFile(SettingsFilePath(dataFolder)).value_or(std::string());
    const std::wstring temporaryFile = dataFolder + L"\\config.tmp";
    std::error_code error = WriteWholeFile(temporaryFile, SettingsContent(interval, pauseLength, options, previousContent));
    if (!error) {
        error = ReplaceFileWith(SettingsFilePath(dataFolder), temporaryFile);
    }
    if (error) {
        RemoveFile(temporaryFile);
    }
    return error;
}

std::wstring SettingsFilePath(const std::wstring& dataFolder) {
    return dataFolder + L"\\config";
}
