#include "core/Settings.h"

#include "core/FileSystem.h"
#include "core/SettingsContent.h"
#include "core/TimeTextReading.h"

std::wstring DataFolderPath() {
    return AppDataFolderPath() + L"\\Tavelin";
}

void LoadSettings(const std::wstring& dataFolder, std::string& interval, std::string& pauseLength) {
    const std::optional<std::string> content = ReadWholeFile(dataFolder + L"\\config");
    if (!content) {
        return;
    }
    std::string readInterval = interval;
    std::string readPauseLength = pauseLength;
    ReadSettingsLines(*content, readInterval, readPauseLength);
    if (IsTimeOfDayDuration(readInterval)) {
        interval = readInterval;
    }
    if (IsTimeOfDayDuration(readPauseLength)) {
        pauseLength = readPauseLength;
    }
}

void SaveSettings(const std::wstring& dataFolder, const std::string& interval, const std::string& pauseLength) {
    CreateFolder(dataFolder);
    const std::wstring temporaryFile = dataFolder + L"\\config.tmp";
    if (!WriteWholeFile(temporaryFile, SettingsContent(interval, pauseLength)) ||
        !ReplaceFileWith(dataFolder + L"\\config", temporaryFile)) {
        RemoveFile(temporaryFile);
    }
}
