#include "core/HeadsUp.h"

#include "core/TextIds.h"
#include "core/TimeTextReading.h"

#include <algorithm>

std::int64_t DurationSeconds(const std::string& duration) {
    const auto fields = ReadDurationFields(duration);
    const auto seconds = fields ? TotalSeconds(*fields) : std::nullopt;
    return seconds ? *seconds : 0;
}

std::int64_t HeadsUpLeadSeconds(const std::string& interval) {
    const std::int64_t seconds = DurationSeconds(interval);
    return seconds < 4 * 60 ? seconds / 4 : 60;
}

std::wstring HeadsUpText(const TTexts& texts, const std::string& pauseLength, std::int64_t secondsLeft) {
    const std::int64_t length = DurationSeconds(pauseLength);
    std::int64_t count = length;
    int pause = IDS_HEADS_UP_PAUSE_SECONDS;
    if (length > 0 && length % 3600 == 0) {
        count = length / 3600;
        pause = IDS_HEADS_UP_PAUSE_HOURS;
    } else if (length > 0 && length % 60 == 0) {
        count = length / 60;
        pause = IDS_HEADS_UP_PAUSE_MINUTES;
    }
    const std::wstring when = secondsLeft >= 55
                                  ? texts.Counted(IDS_HEADS_UP_IN_MINUTES, (secondsLeft + 5) / 60)
                                  : texts.Counted(IDS_HEADS_UP_IN_SECONDS, std::max<std::int64_t>(secondsLeft, 1));
    return texts.Format(IDS_HEADS_UP, {texts.WithArticle(pause, count), when});
}

std::int64_t AwayAfterSeconds(const std::string& pauseLength) {
    return std::max<std::int64_t>(DurationSeconds(pauseLength), 2 * 60);
}
