#include "ui/OpenHelp.h"

#include "core/AppState.h"
#include "core/SystemLibrary.h"

#include <windows.h>

#include <htmlhelp.h>

void OpenHelp(const std::wstring& helpFilePath, const std::wstring& languageTag) {
    const std::wstring own = LanguageHelpFilePath(helpFilePath, languageTag);
    const bool present = GetFileAttributesW(own.c_str()) != INVALID_FILE_ATTRIBUTES;
    // Kept: the viewer's windows run on in the program after the call.
    static const auto htmlHelp = KeptSystemFunction<decltype(&HtmlHelpW)>(L"hhctrl.ocx", "HtmlHelpW");
    if (htmlHelp != nullptr) {
        htmlHelp(nullptr, (present ? own : helpFilePath).c_str(), HH_DISPLAY_TOPIC, 0);
    }
}
