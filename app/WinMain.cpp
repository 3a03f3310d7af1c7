#include "core/AppState.h"
#include "core/PauseSchedule.h"

#include "toolkit/TRepeatedAction.h"
#include "toolkit/TWindow.h"
#include "toolkit/TWindowList.h"

#include "ui/TConfigurationWindow.h"
#include "ui/TPauseWindow.h"
#include "ui/TTrayIcon.h"
#include "ui/TrayHandlers.h"

#include <windows.h>

#include <string>

// The objects live in this frame and go in reverse order, so every callback goes before the state
// it refers to. The program has no command line; the exit code is always 0.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    AppState state;
    InitializeAppState(state);

    TWindowList dialogWindows;

    TPauseWindow pauseWindow(dialogWindows);
    pauseWindow.OnDismissed = [&] { OnPauseDismissed(state, pauseWindow); };

    TConfigurationWindow configWindow(dialogWindows, state.helpFilePath);
    configWindow.GetIntervalPicker().SetValue(state.interval);
    configWindow.GetPauseLengthPicker().SetValue(state.pauseLength);
    configWindow.OnSettingsChanged = [&](const std::string& interval, const std::string& pauseLength) {
        OnSettingsAccepted(state, pauseWindow, interval, pauseLength);
    };

    TTrayIcon trayIcon(ProgramFilePath(), 0, L"Tavelin");
    trayIcon.SetOnContextMenu([&] { OnTrayMenu(configWindow, state.helpFilePath); });
    trayIcon.SetOnDoubleClick([&] { OnTrayDoubleClick(configWindow); });

    TRepeatedAction timer([&] { OnTimerTick(state, pauseWindow); }, 1.0);

    RunMessageLoop(dialogWindows);
    return 0;
}
