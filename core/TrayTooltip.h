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
std::wstring TrayTooltip(const TTexts& texts, const AppState& state, bool pauseShown, const std::string& now,
                         TWaitReason waiting = TWaitReason::none);

// The tooltip while the user has paused the reminders: "Tavelin", then "Reminders paused until
// HH:MM", the hour and minute of wallClockEnd (timestamp text); without "until" when it is unreadable.
std::wstring RemindersPausedTooltip(const TTexts& texts, const std::string& wallClockEnd);
