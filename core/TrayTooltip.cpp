#include "core/TrayTooltip.h"

#include "core/Calendar.h"
#include "core/TimeText.h"
#include "core/TimeTextReading.h"

namespace {

std::wstring Widened(const std::string& text) {
    return std::wstring(text.begin(), text.end());
}

std::int64_t MinutesRoundedUp(const std::string& duration) {
    const auto fields = ReadDurationFields(duration);
    const auto seconds = fields ? TotalSeconds(*fields) : std::nullopt;
    return seconds && *seconds > 0 ? (*seconds + 59) / 60 : 0;
}

}  // namespace

std::wstring TrayTooltip(const AppState& state, bool pauseShown, const std::string& now, TWaitReason waiting) {
    std::wstring text = L"Tavelin\n";
    if (!pauseShown && waiting != TWaitReason::none) {
        return text + L"Pause waits: " +
               (waiting == TWaitReason::away ? L"you are away" : waiting == TWaitReason::call ? L"call" : L"presentation");
    }
    if (!pauseShown) {
        // The difference is empty once the next pause start has passed: the pause is due.
        const std::int64_t minutes = MinutesRoundedUp(TimestampDifference(now, state.nextPauseStart));
        return text + L"Next pause in " + std::to_wstring(minutes) + L" min";
    }
    const std::string left = TimestampDifference(now, state.pauseEnd);
    return text + (left.empty() ? L"Pause over" : L"Pause: " + Widened(left) + L" left");
}

std::wstring RemindersPausedTooltip(const std::string& wallClockEnd) {
    std::wstring text = L"Tavelin\nReminders paused";
    const auto fields = ReadTimestampFields(wallClockEnd);
    if (fields && IsCalendarTime(*fields)) {
        // The duration form gives both fields their two digits.
        text += L" until ";
        text += Widened(FormatDuration(fields->hour * 3'600 + fields->minute * 60).substr(0, 5));
    }
    return text;
}
