// Any settings file content, in memory: the lines must be split as a line-by-line stream read
// splits them, the values taken must be ones a time picker can hold, and the content written for
// them must give back the same values and the same bytes.
#include "core/SettingsContent.h"
#include "core/TimeTextReading.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

namespace {

// The reading the line splitter stands in for: std::getline, with a CR dropped only when an LF
// ended the line.
void StreamReadLine(std::istringstream& stream, std::string& target) {
    std::getline(stream, target);
    if (stream.good() && !target.empty() && target.back() == '\r') {
        target.pop_back();
    }
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

    // Other defaults, so that a value lost on the way back cannot hide behind an equal default.
    const std::string bytes = SettingsContent(interval, pauseLength);
    std::string reloadedInterval = "23:59:59";
    std::string reloadedPauseLength = "00:00:01";
    ReadSettingsContent(bytes, reloadedInterval, reloadedPauseLength);
    Require(reloadedInterval == interval && reloadedPauseLength == pauseLength);
    Require(SettingsContent(reloadedInterval, reloadedPauseLength) == bytes);
    return 0;
}
