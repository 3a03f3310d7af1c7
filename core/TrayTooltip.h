#pragma once

#include "core/AppState.h"
#include "core/TTexts.h"
#include "core/TWaitReason.h"

#include <string>

// The tray icon's tooltip at the time `now` (timestamp text): "Tavelin", then a line that says when.
// While waiting: "Next pause in N min", N the whole minutes until the next pause start, rounded up
// (0 once it is due). While a due pause waits, why: "Pause waits: you are away", "... presentation",
// "... call". During a pause: "Pause: HH:MM:SS left", the time left as the pause window shows it.
// Once the pause is over, or when no time left can be told: "Pause over". In the language of the texts.
// With eye pauses on, "Next eye pause in N min" instead when the next eye pause comes before the next
// pause and is not given up for it (see PauseIsNear); during an eye pause "Eye pause: HH:MM:SS left".
std::wstring TrayTooltip(const TTexts& texts, const AppState& state, bool pauseShown, const std::string& now,
                         TWaitReason waiting = TWaitReason::none, bool eyePauseShown = false);

// The tooltip outside the working hours: "Tavelin", then "Outside working hours until <day> <time>",
// when they begin again (timestamp text) in the locale's day name and time; without "until" when
// there is no such moment.
std::wstring OutsideWorkingHoursTooltip(const TTexts& texts, const std::string& hoursBegin);

// The tooltip while the user has paused the reminders: "Tavelin", then "Reminders paused until
// HH:MM", the hour and minute of wallClockEnd (timestamp text); without "until" when it is unreadable.
std::wstring RemindersPausedTooltip(const TTexts& texts, const std::string& wallClockEnd);
