#include "core/Settings.h"

#include "core/FileSystem.h"
#include "core/SettingsContent.h"

std::wstring DataFolderPath() {
    return AppDataFolderPath() + L"\\Tavelin";
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
