#include "core/SettingsContent.h"

namespace {

void ReadLine(std::istream& input, std::string& target) {
    if (!input.good()) {
        return;
    }
    std::getline(input, target);
    // A CR counts as part of the line end only when the LF followed it.
    if (!input.eof() && !target.empty() && target.back() == '\r') {
        target.pop_back();
    }
}

}  // namespace

void ReadSettingsLines(std::istream& input, std::string& interval, std::string& pauseLength) {
    ReadLine(input, interval);
    ReadLine(input, pauseLength);
}

std::string SettingsContent(const std::string& interval, const std::string& pauseLength) {
    return interval + "\r\n" + pauseLength + "\r\n";
}
