#include "core/SettingsContent.h"

#include "core/OptionChecks.h"
#include "core/OptionLines.h"
#include "core/TimeTextReading.h"

#include <algorithm>
#include <vector>

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

    // True once no line is left to read.
    bool AtEnd() const {
        return ended || position >= content.size();
    }

private:
    const std::string& content;
    std::size_t position = 0;
    bool ended = false;
};

// The lines after the two times.
std::vector<std::string> OptionPartLines(const std::string& content) {
    TLineReader reader(content);
    std::string skipped;
    reader.ReadLine(skipped);
    reader.ReadLine(skipped);
    std::vector<std::string> lines;
    while (!reader.AtEnd()) {
        reader.ReadLine(lines.emplace_back());
    }
    return lines;
}

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

void ReadSettingsOptions(const std::string& content, TSettingsOptions& options) {
    for (const std::string& line : OptionPartLines(content)) {
        if (const TOptionLine* option = FindOptionLine(line)) {
            ReadOptionLine(*option, line, options);
        }
    }
    MendOptions(options);
}

std::string SettingsContent(const std::string& interval, const std::string& pauseLength,
                            const TSettingsOptions& options, const std::string& previousContent) {
    std::string content = interval + "\r\n" + pauseLength + "\r\n";
    std::vector<const TOptionLine*> written;
    for (const std::string& line : OptionPartLines(previousContent)) {
        const TOptionLine* option = FindOptionLine(line);
        if (option == nullptr) {
            content += line + "\r\n";
        } else if (std::find(written.begin(), written.end(), option) == written.end()) {
            content += OptionLineText(*option, options) + "\r\n";
            written.push_back(option);
        }
    }
    for (const TOptionLine& option : OptionLines()) {
        const bool asDefault = option.write(options) == option.write(TSettingsOptions{});
        if (!asDefault && std::find(written.begin(), written.end(), &option) == written.end()) {
            content += OptionLineText(option, options) + "\r\n";
        }
    }
    return content;
}
