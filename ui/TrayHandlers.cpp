#include "ui/TrayHandlers.h"

#include "ui/OpenHelp.h"
#include "ui/ShowPopupMenu.h"

#include "toolkit/TWindow.h"

#include <vector>

void OnTrayMenu(TConfigurationWindow& configWindow, const std::wstring& helpFilePath,
                const TReminderPauseMenu& reminders, std::optional<TPoint> at) {
    std::vector<TMenuItem> items{L"Configure", L"Help", {L"Pause reminders", reminders.available}, L"Close"};
    if (reminders.paused) {
        items[2].subItems = {L"Resume reminders"};
    } else {
        // In the order of TReminderPause::TChoice.
        items[2].subItems = {L"For 30 minutes", L"For 1 hour", L"For 2 hours", L"Until tomorrow"};
    }
    const TMenuChoice choice = ShowPopupMenuItems(items, 0, at);
    switch (choice.item) {
    case 0:
        configWindow.Open();
        break;
    case 1:
        OpenHelp(helpFilePath);
        break;
    case 2:
        if (reminders.paused && reminders.onResume) {
            reminders.onResume();
        } else if (!reminders.paused && choice.subItem >= 0 && reminders.onPause) {
            reminders.onPause(static_cast<TReminderPause::TChoice>(choice.subItem));
        }
        break;
    case 3:
        Quit();
        break;
    default:
        break;
    }
}

void OnTrayDoubleClick(TConfigurationWindow& configWindow) {
    configWindow.Open();
}
