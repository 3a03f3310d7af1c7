#include "core/TrayTooltip.h"

#include "core/Calendar.h"
#include "core/EyePauseSchedule.h"
#include "core/LocaleWeek.h"
#include "core/TextIds.h"
#include "core/TimeText.h"
#include "core/TimeTextReading.h"
#include "core/WorkingHours.h"

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

std::wstring TrayTooltip(const TTexts& texts, const AppState& state, bool pauseShown, const std::string& now,
                         TWaitReason waiting, bool eyePauseShown) {
    const std::wstring text = texts.Text(IDS_PROGRAM_NAME) + L"\n";
    if (!pauseShown && eyePauseShown) {
        return text + texts.Format(IDS_TIP_EYE_PAUSE_LEFT, {Widened(TimestampDifference(now, state.eyePauseEnd))});
    }
    if (!pauseShown && waiting != TWaitReason::none) {
        return text + texts.Text(waiting == TWaitReason::away   ? IDS_TIP_WAITS_AWAY
                                 : waiting == TWaitReason::call ? IDS_TIP_WAITS_CALL
                                                                : IDS_TIP_WAITS_PRESENTATION);
    }
    if (!pauseShown) {
        if (state.options.eyePauses && state.nextEyePauseStart < state.nextPauseStart &&
            !PauseIsNear(state, state.nextEyePauseStart, state.nextPauseStart)) {
            const std::int64_t minutes = MinutesRoundedUp(TimestampDifference(now, state.nextEyePauseStart));
            return text + texts.Format(IDS_TIP_NEXT_EYE_PAUSE, {std::to_wstring(minutes)});
        }
        // The difference is empty once the next pause start has passed: the pause is due.
        const std::int64_t minutes = MinutesRoundedUp(TimestampDifference(now, state.nextPauseStart));
        return text + texts.Format(IDS_TIP_NEXT_PAUSE, {std::to_wstring(minutes)});
    }
    const std::string left = TimestampDifference(now, state.pauseEnd);
    return text + (left.empty() ? texts.Text(IDS_TIP_PAUSE_OVER) : texts.Format(IDS_TIP_PAUSE_LEFT, {Widened(left)}));
}

std::wstring RemindersPausedTooltip(const TTexts& texts, const std::string& wallClockEnd) {
    const std::wstring text = texts.Text(IDS_PROGRAM_NAME) + L"\n";
    const auto fields = ReadTimestampFields(wallClockEnd);
    if (fields && IsCalendarTime(*fields)) {
        // The duration form gives both fields their two digits.
        return text + texts.Format(IDS_TIP_REMINDERS_PAUSED_UNTIL,
                                   {Widened(FormatDuration(fields->hour * 3'600 + fields->minute * 60).substr(0, 5))});
    }
    return text + texts.Text(IDS_TIP_REMINDERS_PAUSED);
}

std::wstring OutsideWorkingHoursTooltip(const TTexts& texts, const std::string& hoursBegin) {
    const std::wstring text = texts.Text(IDS_PROGRAM_NAME) + L"\n";
    const auto fields = ReadTimestampFields(hoursBegin);
    const auto weekday = Weekday(hoursBegin);
    if (!fields || !weekday) {
        return text + texts.Text(IDS_TIP_OUTSIDE_HOURS_NOW);
    }
    const std::wstring when = LocaleDayNames()[static_cast<std::size_t>(*weekday)] + L" " +
                              LocaleTimeText(fields->hour, fields->minute);
    return text + texts.Format(IDS_TIP_OUTSIDE_HOURS, {when});
}
