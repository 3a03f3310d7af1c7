#include "ui/OpenHelp.h"

#include "core/AppState.h"

#include <windows.h>

#include <htmlhelp.h>

void OpenHelp(const std::wstring& helpFilePath, const std::wstring& languageTag) {
    const std::wstring own = LanguageHelpFilePath(helpFilePath, languageTag);
    const bool present = GetFileAttributesW(own.c_str()) != INVALID_FILE_ATTRIBUTES;
    HtmlHelpW(nullptr, (present ? own : helpFilePath).c_str(), HH_DISPLAY_TOPIC, 0);
}
