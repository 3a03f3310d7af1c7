// Any settings file content: loading must leave values a time picker can hold, and saving them
// must give back exactly the same values (options included) and the bytes written over that file.
#include "core/FileSystem.h"
#include "core/FileSystemPath.h"
#include "core/Settings.h"
#include "core/SettingsContent.h"
#include "core/TimeTextReading.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

const std::wstring& DataFolder() {
    static const std::wstring folder = [] {
        const std::filesystem::path path = std::filesystem::temp_directory_path() / "tavelin-fuzz-settings";
        std::filesystem::create_directories(path);
        return path.wstring();
    }();
    return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::wstring config = DataFolder() + L"\\config";
    {
        std::ofstream output(FileSystemPath(config), std::ios::binary | std::ios::trunc);
        output.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    std::string interval = "01:00:00";
    std::string pauseLength = "00:05:00";
    TSettingsOptions options;
    LoadSettings(DataFolder(), interval, pauseLength, options);
    if (!IsTimeOfDayDuration(interval) || !IsTimeOfDayDuration(pauseLength)) {
        std::abort();
    }
    if (interval.find('\n') != std::string::npos || pauseLength.find('\n') != std::string::npos) {
        std::abort();
    }

    SaveSettings(DataFolder(), interval, pauseLength, options);
    std::ifstream input(FileSystemPath(config), std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(input), std::istreambuf_iterator<char>()};
    const std::string before(reinterpret_cast<const char*>(data), size);
    if (bytes != SettingsContent(interval, pauseLength, options, before)) {
        std::abort();
    }
    std::string reloadedInterval = "01:00:00";
    std::string reloadedPauseLength = "00:05:00";
    TSettingsOptions reloadedOptions;
    LoadSettings(DataFolder(), reloadedInterval, reloadedPauseLength, reloadedOptions);
    if (reloadedInterval != interval || reloadedPauseLength != pauseLength || reloadedOptions != options) {
        std::abort();
    }
    return 0;
}
