#include "ui/TrayHandlers.h"

#include "ui/OpenHelp.h"
#include "ui/ShowPopupMenu.h"

#include "toolkit/MessageLoop.h"
#include "toolkit/TWindow.h"

#include "core/TextIds.h"

#include <vector>

void OnTrayMenu(TConfigurationWindow& configWindow, const TTexts& texts, const std::wstring& helpFilePath,
                const TReminderPauseMenu& reminders, const TPauseNowMenu& pauseNow, std::optional<TPoint> at) {
    std::vector<TMenuItem> items{texts.Text(IDS_MENU_CONFIGURE), texts.Text(IDS_MENU_HELP),
                                 {texts.Text(IDS_MENU_PAUSE_REMINDERS), reminders.available},
                                 {texts.Text(IDS_MENU_TAKE_PAUSE_NOW), pauseNow.available},
                                 texts.Text(IDS_MENU_CLOSE)};
    if (reminders.paused) {
        items[2].subItems = {texts.Text(IDS_MENU_RESUME_REMINDERS)};
    } else {
        // In the order of TReminderPause::TChoice.
        items[2].subItems = {texts.Text(IDS_MENU_FOR_30_MINUTES), texts.Text(IDS_MENU_FOR_1_HOUR),
                             texts.Text(IDS_MENU_FOR_2_HOURS), texts.Text(IDS_MENU_UNTIL_TOMORROW)};
    }
    const TMenuChoice choice = ShowPopupMenuItems(items, 0, at);
    switch (choice.item) {
    case 0:
        configWindow.Open();
        break;
    case 1:
        OpenHelp(helpFilePath, texts.Tag());
        break;
    case 2:
        if (reminders.paused && reminders.onResume) {
            reminders.onResume();
        } else if (!reminders.paused && choice.subItem >= 0 && reminders.onPause) {
            reminders.onPause(static_cast<TReminderPause::TChoice>(choice.subItem));
        }
        break;
    case 3:
        if (pauseNow.onTake) {
            pauseNow.onTake();
        }
        break;
    case 4:
        Quit();
        break;
    default:
        break;
    }
}

void OnTrayDoubleClick(TConfigurationWindow& configWindow) {
    configWindow.Open();
}
