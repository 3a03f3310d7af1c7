#include "core/OptionLines.h"

#include <cstring>

namespace {

// A flag is "1" or "0"; anything else leaves it at its default.
template <bool TSettingsOptions::*flag>
void ReadFlag(const std::string& value, TSettingsOptions& options) {
    options.*flag = value == "1" ? true : value == "0" ? false : TSettingsOptions{}.*flag;
}

template <bool TSettingsOptions::*flag>
std::string WriteFlag(const TSettingsOptions& options) {
    return options.*flag ? "1" : "0";
}

constexpr TOptionLine Options[] = {
    {"DimScreens", ReadFlag<&TSettingsOptions::dimScreens>, WriteFlag<&TSettingsOptions::dimScreens>},
    {"EndSound", ReadFlag<&TSettingsOptions::endSound>, WriteFlag<&TSettingsOptions::endSound>},
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
