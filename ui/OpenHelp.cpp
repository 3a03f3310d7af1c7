#include "ui/OpenHelp.h"

#include <windows.h>

#include <htmlhelp.h>

void OpenHelp(const std::wstring& helpFilePath) {
    HtmlHelpW(nullptr, helpFilePath.c_str(), HH_DISPLAY_TOPIC, 0);
}
