#pragma once

#include "ui/TConfigurationWindow.h"
#include "ui/TReminderPauseMenu.h"

#include <string>

// Right click on the tray icon: the menu "Configure", "Help", "Pause reminders" (a submenu with the
// lengths, or "Resume reminders" while paused), "Close", and what each item does.
void OnTrayMenu(TConfigurationWindow& configWindow, const std::wstring& helpFilePath,
                const TReminderPauseMenu& reminders);

// Left double click on the tray icon: the same as "Configure".
void OnTrayDoubleClick(TConfigurationWindow& configWindow);
