#include "ui/TrayHandlers.h"

#include "ui/OpenHelp.h"
#include "ui/ShowPopupMenu.h"

#include "toolkit/TWindow.h"

void OnTrayMenu(TConfigurationWindow& configWindow, const std::wstring& helpFilePath, std::optional<TPoint> at) {
    switch (ShowPopupMenu({L"Configure", L"Help", L"Close"}, 0, at)) {
    case 0:
        configWindow.Open();
        break;
    case 1:
        OpenHelp(helpFilePath);
        break;
    case 2:
        Quit();
        break;
    default:
        break;
    }
}

void OnTrayDoubleClick(TConfigurationWindow& configWindow) {
    configWindow.Open();
}
