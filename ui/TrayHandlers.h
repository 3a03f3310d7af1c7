#pragma once

#include "ui/TConfigurationWindow.h"

#include <string>

// Right click on the tray icon: the menu "Configure", "Help", "Close" and what each item does.
void OnTrayMenu(TConfigurationWindow& configWindow, const std::wstring& helpFilePath);

// Left double click on the tray icon: the same as "Configure".
void OnTrayDoubleClick(TConfigurationWindow& configWindow);
