#include "core/SettingsContent.h"

#include "core/TimeTextReading.h"

namespace {

// A line read that reaches the end of the content without an LF ends the reading.
class TLineReader {
public:
    explicit TLineReader(const std::string& text) : content(text) {}

    void ReadLine(std::string& target) {
        if (ended) {
            return;
        }
        const std::size_t end = content.find('\n', position);
        if (end == std::string::npos) {
            target = content.substr(position);
            ended = true;
            return;
        }
        target = content.substr(position, end - position);
        position = end + 1;
        // A CR counts as part of the line end only when the LF followed it.
        if (!target.empty() && target.back() == '\r') {
            target.pop_back();
        }
    }

private:
    const std::string& content;
    std::size_t position = 0;
    bool ended = false;
};

}  // namespace

void ReadSettingsLines(const std::string& content, std::string& interval, std::string& pauseLength) {
    TLineReader reader(content);
    reader.ReadLine(interval);
    reader.ReadLine(pauseLength);
}

void ReadSettingsContent(const std::string& content, std::string& interval, std::string& pauseLength) {
    std::string readInterval = interval;
    std::string readPauseLength = pauseLength;
    ReadSettingsLines(content, readInterval, readPauseLength);
    if (IsTimeOfDayDuration(readInterval)) {
        interval = readInterval;
    }
    if (IsTimeOfDayDuration(readPauseLength)) {
        pauseLength = readPauseLength;
    }
}

std::string SettingsContent(const std::string& interval, const std::string& pauseLength) {
    return interval + "\r\n" + pauseLength + "\r\n";
}
