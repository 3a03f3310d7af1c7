#include "core/THistoryRecorder.h"

#include "core/Calendar.h"
#include "core/History.h"
#include "core/HistoryLine.h"
#include "core/TimeText.h"
#include "core/TimeTextReading.h"

#include <utility>

namespace {

// About a day of events; a longer failure loses the oldest of them rather than memory.
constexpr std::size_t MaximumWaitingBytes = 16384;

const char* AbsenceWord(TAbsence::TReason reason) {
    return reason == TAbsence::TReason::locked ? "locked" : reason == TAbsence::TReason::asleep ? "asleep" : "idle";
}

}  // namespace

std::optional<std::int64_t> SecondsBetween(const std::string& from, const std::string& to) {
    const auto fromFields = ReadTimestampFields(from);
    const auto toFields = ReadTimestampFields(to);
    const auto fromTicks = fromFields ? CalendarTicks(*fromFields) : std::nullopt;
    const auto toTicks = toFields ? CalendarTicks(*toFields) : std::nullopt;
    if (!fromTicks || !toTicks) {
        return std::nullopt;
    }
    return (*toTicks - *fromTicks) / TicksPerSecond;
}

THistoryRecorder::THistoryRecorder(std::wstring dataFolder, TClock now, TClock wallNow)
    : folder(std::move(dataFolder)), steadyClock(std::move(now)), wallClock(std::move(wallNow)) {}

void THistoryRecorder::Take(const TScheduleEvent& event) {
    using TType = TScheduleEvent::TType;
    switch (event.type) {
    case TType::pauseShown:
        pause = Now();
        pauseEndedByAbsence = false;
        break;
    case TType::pauseEndedByAbsence:
        pauseEndedByAbsence = true;
        break;
    case TType::pauseDismissed:
        if (pause) {
            Write(*pause, THistoryKind::pause, pauseEndedByAbsence ? "away" : "taken");
            pause.reset();
        }
        break;
    case TType::timeAwayCounted: {
        // The wall clock's beginning lies as far back as the steady one's.
        const TBeginning now = Now();
        const auto seconds = SecondsBetween(event.since, now.steady);
        if (seconds && *seconds >= 0) {
            Write({event.since, ShiftTimestamp(now.wall, "0:0:" + std::to_string(*seconds), false)},
                  THistoryKind::naturalBreak, AbsenceWord(event.reason));
        }
        break;
    }
    case TType::remindersPaused:
        reminders = Now();
        break;
    case TType::remindersResumed:
    case TType::remindersEnded:
        if (reminders) {
            Write(*reminders, THistoryKind::remindersPaused, event.type == TType::remindersEnded ? "ended" : "resumed");
            reminders.reset();
        }
        break;
    case TType::eyePauseShown:
        eyePause = Now();
        break;
    case TType::eyePauseEnded:
        if (eyePause) {
            Write(*eyePause, THistoryKind::eyePause, "taken");
            eyePause.reset();
        }
        break;
    }
}

std::error_code THistoryRecorder::GetLastError() const {
    return lastError;
}

THistoryRecorder::TBeginning THistoryRecorder::Now() const {
    return {steadyClock(), wallClock()};
}

void THistoryRecorder::Write(const TBeginning& beginning, THistoryKind kind, const std::string& how) {
    const TBeginning end = Now();
    const auto seconds = SecondsBetween(beginning.steady, end.steady);
    const std::string line =
        HistoryLine({beginning.wall, end.wall, kind, seconds && *seconds > 0 ? *seconds : 0, how});
    if (line.empty()) {
        return;
    }
    waiting += line;
    waiting += "\r\n";
    if (waiting.size() > MaximumWaitingBytes) {
        waiting.erase(0, waiting.find('\n', waiting.size() - MaximumWaitingBytes) + 1);
    }
    lastError = AppendHistoryLines(folder, waiting);
    if (!lastError) {
        waiting.clear();
    }
    if (OnWritten) {
        OnWritten();
    }
}
