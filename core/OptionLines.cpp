#include "core/OptionLines.h"

#include "core/TimeText.h"
#include "core/TimeTextReading.h"

#include <cstring>

namespace {

constexpr const char* DayNames[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};

// The options as they are by default, made once: each holds four texts.
const TSettingsOptions& Defaults() {
    static const TSettingsOptions defaults;
    return defaults;
}

// A flag is "1" or "0"; anything else leaves it at its default.
template <bool TSettingsOptions::*flag>
void ReadFlag(const std::string& value, TSettingsOptions& options) {
    options.*flag = value == "1" ? true : value == "0" ? false : Defaults().*flag;
}

template <bool TSettingsOptions::*flag>
std::string WriteFlag(const TSettingsOptions& options) {
    return options.*flag ? "1" : "0";
}

// A time is HH:MM:SS as the pickers write it, a time of day; a duration (the eye pause's interval
// and length) is above zero too, since a zero one would bring eye pauses back to back.
std::string ReadTimeOr(const std::string& value, const std::string& fallback, bool duration) {
    const auto fields = ReadTimeOfDay(value);
    const auto seconds = fields ? TotalSeconds(*fields) : std::nullopt;
    const bool valid = seconds && FormatDuration(static_cast<std::int32_t>(*seconds)) == value && (!duration || *seconds > 0);
    return valid ? value : fallback;
}

template <std::string TSettingsOptions::*time, bool duration>
void ReadTime(const std::string& value, TSettingsOptions& options) {
    options.*time = ReadTimeOr(value, Defaults().*time, duration);
}

template <std::string TSettingsOptions::*time>
std::string WriteTime(const TSettingsOptions& options) {
    return options.*time;
}

// The days in English three-letter form, comma-separated, each once, in any order; at least one.
void ReadDays(const std::string& value, TSettingsOptions& options) {
    std::uint8_t days = 0;
    std::size_t start = 0;
    while (start <= value.size()) {
        const std::size_t comma = std::min(value.find(',', start), value.size());
        const std::string name = value.substr(start, comma - start);
        std::uint8_t day = 0;
        while (day < 7 && name != DayNames[day]) {
            ++day;
        }
        if (day == 7 || (days & (1u << day)) != 0) {
            options.workingDays = Defaults().workingDays;
            return;
        }
        days = static_cast<std::uint8_t>(days | (1u << day));
        start = comma + 1;
    }
    options.workingDays = days;
}

std::string WriteDays(const TSettingsOptions& options) {
    std::string text;
    for (std::uint8_t day = 0; day < 7; ++day) {
        if ((options.workingDays & (1u << day)) != 0) {
            text += (text.empty() ? "" : ",") + std::string(DayNames[day]);
        }
    }
    return text;
}

constexpr TOptionLine Options[] = {
    {"DimScreens", ReadFlag<&TSettingsOptions::dimScreens>, WriteFlag<&TSettingsOptions::dimScreens>},
    {"EndSound", ReadFlag<&TSettingsOptions::endSound>, WriteFlag<&TSettingsOptions::endSound>},
    {"EyePauses", ReadFlag<&TSettingsOptions::eyePauses>, WriteFlag<&TSettingsOptions::eyePauses>},
    {"EyePauseInterval", ReadTime<&TSettingsOptions::eyePauseInterval, true>,
     WriteTime<&TSettingsOptions::eyePauseInterval>},
    {"EyePauseLength", ReadTime<&TSettingsOptions::eyePauseLength, true>,
     WriteTime<&TSettingsOptions::eyePauseLength>},
    {"WorkingHours", ReadFlag<&TSettingsOptions::workingHours>, WriteFlag<&TSettingsOptions::workingHours>},
    {"WorkingHoursFrom", ReadTime<&TSettingsOptions::workingHoursFrom, false>,
     WriteTime<&TSettingsOptions::workingHoursFrom>},
    {"WorkingHoursTo", ReadTime<&TSettingsOptions::workingHoursTo, false>,
     WriteTime<&TSettingsOptions::workingHoursTo>},
    {"WorkingDays", ReadDays, WriteDays},
};

}  // namespace

std::span<const TOptionLine> OptionLines() {
    return Options;
}

const TOptionLine* FindOptionLine(const std::string& line) {
    for (const TOptionLine& option : Options) {
        const std::size_t length = std::strlen(option.name);
        if (line.size() > length && line[length] == '=' && line.compare(0, length, option.name) == 0) {
            return &option;
        }
    }
    return nullptr;
}

void ReadOptionLine(const TOptionLine& option, const std::string& line, TSettingsOptions& options) {
    option.read(line.substr(std::strlen(option.name) + 1), options);
}

std::string OptionLineText(const TOptionLine& option, const TSettingsOptions& options) {
    return std::string(option.name) + "=" + option.write(options);
}
