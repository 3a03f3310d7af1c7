#include "core/AppState.h"
#include "core/PauseSchedule.h"
#include "core/TAbsence.h"
#include "core/TSteadyClock.h"

#include "toolkit/TRepeatedAction.h"
#include "toolkit/TWindow.h"
#include "toolkit/TWindowList.h"

#include "ui/TAbsenceWatch.h"
#include "ui/TConfigurationWindow.h"
#include "ui/TPauseWindow.h"
#include "ui/TTrayIcon.h"
#include "ui/TrayHandlers.h"

#include <windows.h>

#include <string>

// The objects live in this frame and go in reverse order, so every callback goes before the state
// it refers to. The program has no command line; the exit code is always 0. Every handler reads
// the steady clock, so setting the wall clock moves neither the next pause nor a running one.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const TSteadyClock steadyClock;
    const TClock now = [&steadyClock] { return steadyClock.Now(); };
    AppState state;
    InitializeAppState(state, now);
    TAbsence absence;

    TWindowList dialogWindows;

    TPauseWindow pauseWindow(dialogWindows);
    pauseWindow.OnDismissed = [&] { OnPauseDismissed(state, pauseWindow, now); };

    TConfigurationWindow configWindow(dialogWindows, state.helpFilePath);
    configWindow.GetIntervalPicker().SetValue(state.interval);
    configWindow.GetPauseLengthPicker().SetValue(state.pauseLength);
    configWindow.OnSettingsChanged = [&](const std::string& interval, const std::string& pauseLength) {
        OnSettingsAccepted(state, pauseWindow, interval, pauseLength, now);
    };

    TTrayIcon trayIcon(ProgramFilePath(), 0, L"Tavelin");
    trayIcon.SetOnContextMenu([&] { OnTrayMenu(configWindow, state.helpFilePath); });
    trayIcon.SetOnDoubleClick([&] { OnTrayDoubleClick(configWindow); });

    TAbsenceWatch absenceWatch([&](TAbsence::TReason reason) { OnUserLeft(absence, reason, now); },
                               [&](TAbsence::TReason reason) {
                                   OnUserReturned(state, absence, reason, pauseWindow, now);
                               });

    TRepeatedAction timer([&] { OnTimerTick(state, pauseWindow, now, absence, IsPresenting); }, 1.0);

    RunMessageLoop(dialogWindows);
    return 0;
}
