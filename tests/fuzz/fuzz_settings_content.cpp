// Any settings file content, in memory: the lines must be split as a line-by-line stream read
// splits them, the values taken must be ones a time picker can hold, and the content written for
// them over the file must give back the same values (options included) and the same bytes, with
// the lines no option takes kept in their order.
#include "core/OptionLines.h"
#include "core/SettingsContent.h"
#include "core/TimeTextReading.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The reading the line splitter stands in for: std::getline, with a CR dropped only when an LF
// ended the line.
void StreamReadLine(std::istringstream& stream, std::string& target) {
    std::getline(stream, target);
    if (stream.good() && !target.empty() && target.back() == '\r') {
        target.pop_back();
    }
}

// The lines after the two times that set no option, as the stream reads them.
std::vector<std::string> UnknownLines(const std::string& content) {
    std::istringstream lines(content);
    std::string line;
    StreamReadLine(lines, line);
    StreamReadLine(lines, line);
    std::vector<std::string> unknown;
    while (lines.good() && lines.peek() != std::char_traits<char>::eof()) {
        StreamReadLine(lines, line);
        if (FindOptionLine(line) == nullptr) {
            unknown.push_back(line);
        }
    }
    return unknown;
}

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string content(reinterpret_cast<const char*>(data), size);

    std::string firstLine = "keep";
    std::string secondLine = "keep";
    ReadSettingsLines(content, firstLine, secondLine);
    // One stream for every input: building a stream per input would cost more than the reading.
    static std::istringstream stream;
    stream.clear();
    stream.str(content);
    std::string streamFirstLine = "keep";
    std::string streamSecondLine = "keep";
    StreamReadLine(stream, streamFirstLine);
    StreamReadLine(stream, streamSecondLine);
    Require(firstLine == streamFirstLine && secondLine == streamSecondLine);

    const std::string defaultInterval = "01:00:00";
    const std::string defaultPauseLength = "00:05:00";
    std::string interval = defaultInterval;
    std::string pauseLength = defaultPauseLength;
    ReadSettingsContent(content, interval, pauseLength);
    Require(interval == (IsTimeOfDayDuration(firstLine) ? firstLine : defaultInterval));
    Require(pauseLength == (IsTimeOfDayDuration(secondLine) ? secondLine : defaultPauseLength));
    Require(interval.find('\n') == std::string::npos && pauseLength.find('\n') == std::string::npos);

    TSettingsOptions options;
    ReadSettingsOptions(content, options);

    // Other defaults, so that a value lost on the way back cannot hide behind an equal default.
    const std::string bytes = SettingsContent(interval, pauseLength, options, content);
    std::string reloadedInterval = "23:59:59";
    std::string reloadedPauseLength = "00:00:01";
    ReadSettingsContent(bytes, reloadedInterval, reloadedPauseLength);
    Require(reloadedInterval == interval && reloadedPauseLength == pauseLength);
    TSettingsOptions reloadedOptions;
    ReadSettingsOptions(bytes, reloadedOptions);
    Require(reloadedOptions == options);
    Require(SettingsContent(reloadedInterval, reloadedPauseLength, reloadedOptions, bytes) == bytes);
    Require(UnknownLines(bytes) == UnknownLines(content));
    return 0;
}
