#pragma once

#include "ui/TConfigurationWindow.h"
#include "ui/TPauseNowMenu.h"
#include "ui/TReminderPauseMenu.h"

#include "core/TTexts.h"

#include "toolkit/TCallback.h"
#include "toolkit/TPoint.h"

#include <optional>
#include <string>

// Right click on the tray icon (or the menu key on it): the menu "Configure", "Statistics", "Help",
// "Pause reminders" (a submenu with the lengths, or "Resume reminders" while paused), "Take a pause
// now", "Close", and what each item does; at the mouse, or at the given point. In the language of
// the texts.
void OnTrayMenu(TConfigurationWindow& configWindow, const TTexts& texts, const std::wstring& helpFilePath,
                const TReminderPauseMenu& reminders, const TPauseNowMenu& pauseNow, const TCallback& onStatistics,
                std::optional<TPoint> at = std::nullopt);

// Left double click on the tray icon: the same as "Configure".
void OnTrayDoubleClick(TConfigurationWindow& configWindow);
