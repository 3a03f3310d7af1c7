#include "core/AppState.h"
#include "core/EyePauseSchedule.h"
#include "core/CommandLine.h"
#include "core/History.h"
#include "core/HistoryDays.h"
#include "core/PauseEndSound.h"
#include "core/PauseNow.h"
#include "core/PauseSchedule.h"
#include "core/Presence.h"
#include "core/Presentation.h"
#include "core/ResourceTexts.h"
#include "core/ReminderPauseSchedule.h"
#include "core/Settings.h"
#include "core/SystemLibrary.h"
#include "core/TAbsence.h"
#include "core/THistoryRecorder.h"
#include "core/TIdeaTurn.h"
#include "core/TReminderPause.h"
#include "core/TSteadyClock.h"
#include "core/TextIds.h"
#include "core/TrayTooltip.h"
#include "core/WorkingHours.h"
#include "core/Win32Handles.h"

#include "toolkit/MessageLoop.h"
#include "toolkit/TRepeatedAction.h"
#include "toolkit/TWindow.h"
#include "toolkit/TWindowList.h"

#include "ui/ReportSaveFailure.h"
#include "ui/TAbsenceWatch.h"
#include "ui/TConfigurationWindow.h"
#include "ui/TDimLayer.h"
#include "ui/TEndSound.h"
#include "ui/TEyePauseWindow.h"
#include "ui/TInstanceLock.h"
#include "ui/TInstanceMailbox.h"
#include "ui/TPauseWindow.h"
#include "ui/TStatisticsWindow.h"
#include "ui/TTrayIcon.h"
#include "ui/TrayHandlers.h"

#include <windows.h>

#include <shellapi.h>

#include <memory>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

namespace {

const wchar_t* const InstanceLockName = L"Local\\Tavelin.Instance";
const wchar_t* const MailboxTitle = L"Tavelin instance";

// The icons of the program file: the cup, and the cup with the look of reminders paused.
constexpr int ReminderIconIndex = 0;
constexpr int PausedIconIndex = 1;

// How long a start waits for the running instance to answer, and /quit for it to end.
constexpr DWORD InstanceWaitMilliseconds = 10000;

std::vector<std::wstring> CommandLineArguments() {
    int count = 0;
    wchar_t** const arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    const TLocalMemory owned(arguments);
    if (arguments == nullptr) {
        return {};
    }
    return std::vector<std::wstring>(arguments + (count > 0 ? 1 : 0), arguments + count);
}

}  // namespace

// The objects live in this frame and go in reverse order, so every callback goes before the state
// it refers to; the lock goes last, once the icon has left. The exit code is always 0. Every
// handler reads the steady clock, so setting the wall clock moves neither the next pause nor a
// running one.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    LimitLibrarySearchToSystemFolder();
    TInstanceLock instanceLock(InstanceLockName);
    const bool quit = IsQuitCommand(CommandLineArguments());
    if (!instanceLock.IsHeld()) {
        const HWND mailbox = FindInstanceMailbox(MailboxTitle, instanceLock, InstanceWaitMilliseconds);
        if (mailbox != nullptr) {
            if (quit) {
                AskToQuit(mailbox, InstanceWaitMilliseconds);
            } else {
                AskToOpenConfiguration(mailbox);
            }
            return 0;
        }
        // Still not held: an instance runs but does not answer, and a second icon would not help.
        if (!instanceLock.IsHeld()) {
            return 0;
        }
    }
    if (quit) {
        return 0;
    }

    const TSteadyClock steadyClock;
    const TClock now = [&steadyClock] { return steadyClock.Now(); };
    AppState state;
    InitializeAppState(state, now);
    // A failure here leaves the old lines for the next start; the next event's write reports it.
    PruneHistory(state.dataFolder, DateDaysBefore(CurrentTimestamp(), HistoryKeptDays));
    THistoryRecorder history(state.dataFolder, now);
    state.onEvent = [&history](const TScheduleEvent& event) { history.Take(event); };
    TAbsence absence;
    // Not stored: every start begins with reminders on.
    TReminderPause reminderPause;
    // The hook for anything else that must keep quiet while the user has paused the reminders.
    const auto remindersPaused = [&reminderPause] { return reminderPause.IsActive(); };

    const TTexts texts = UserResourceTexts();
    TWindowList dialogWindows;

    TEndSound endSound;
    // The milliseconds since the system started are as good a place to start the ideas as any.
    TIdeaTurn ideas(IDS_IDEA_12 - IDS_IDEA_1 + 1, GetTickCount());
    const auto nextIdea = [&] { return texts.Text(IDS_IDEA_1 + static_cast<int>(ideas.Next())); };
    TPauseWindow pauseWindow(dialogWindows, texts);
    pauseWindow.SetIdea(nextIdea());
    // Only while a pause shows, and the user wants the screens dimmed.
    std::optional<TDimLayer> dimLayer;
    const auto followPause = [&] {
        if (!pauseWindow.IsShown || !state.options.dimScreens) {
            dimLayer.reset();
        } else if (dimLayer) {
            dimLayer->Follow();
        } else {
            dimLayer.emplace(pauseWindow.GetHandle(), [&pauseWindow] { pauseWindow.Show(true); });
        }
    };
    pauseWindow.OnDismissed = [&] {
        endSound.Stop();
        OnPauseDismissed(state, pauseWindow, now);
        // A pause that is not over came straight back with its idea; the next pause has the next one.
        if (!pauseWindow.IsShown) {
            pauseWindow.SetIdea(nextIdea());
        }
        followPause();
    };

    TEyePauseWindow eyePauseWindow(dialogWindows, texts);
    eyePauseWindow.OnDismissed = [&] { OnEyePauseDismissed(state, eyePauseWindow, now); };

    TConfigurationWindow configWindow(dialogWindows, texts, state.helpFilePath);
    configWindow.GetIntervalPicker().SetValue(state.interval);
    configWindow.GetPauseLengthPicker().SetValue(state.pauseLength);
    configWindow.SetOptions(state.options);
    configWindow.OnSettingsChanged = [&](const std::string& interval, const std::string& pauseLength,
                                         const TSettingsOptions& options) {
        // Reported while the window is still shown, so the box stands over the values it concerns.
        if (const std::error_code error = OnSettingsAccepted(state, pauseWindow, interval, pauseLength, options, now)) {
            ReportSaveFailure(configWindow, texts, SettingsFilePath(state.dataFolder), error);
        }
    };

    // Made when first opened: most sessions never show it.
    std::unique_ptr<TStatisticsWindow> statisticsWindow;
    const auto openStatistics = [&] {
        if (!statisticsWindow) {
            statisticsWindow = std::make_unique<TStatisticsWindow>(dialogWindows, texts, state.dataFolder,
                                                                   [&history] { return history.GetLastError(); });
        }
        statisticsWindow->Open();
    };
    history.OnWritten = [&statisticsWindow] {
        if (statisticsWindow) {
            statisticsWindow->Refresh();
        }
    };

    TTrayIcon trayIcon(ProgramFilePath(), ReminderIconIndex, TrayTooltip(texts, state, pauseWindow.IsShown, now()));
    // Why a due pause waits, as the last tick found it.
    TWaitReason waiting = TWaitReason::none;
    const auto showReminderState = [&] {
        if (remindersPaused()) {
            trayIcon.SetIcon(PausedIconIndex);
            trayIcon.SetTooltip(RemindersPausedTooltip(texts, reminderPause.WallClockEnd(now(), CurrentTimestamp())));
        } else if (state.outsideWorkingHours && !pauseWindow.IsShown && !eyePauseWindow.IsShown) {
            trayIcon.SetIcon(ReminderIconIndex);
            trayIcon.SetTooltip(OutsideWorkingHoursTooltip(texts, NextWorkingHoursBegin(state.options, CurrentTimestamp())));
        } else {
            trayIcon.SetIcon(ReminderIconIndex);
            trayIcon.SetTooltip(TrayTooltip(texts, state, pauseWindow.IsShown, now(), waiting, eyePauseWindow.IsShown));
        }
    };
    trayIcon.SetOnContextMenu([&] {
        TReminderPauseMenu reminders;
        reminders.available = !pauseWindow.IsShown;
        reminders.paused = remindersPaused();
        reminders.onPause = [&](TReminderPause::TChoice choice) {
            OnRemindersPaused(reminderPause, pauseWindow, choice, now, CurrentTimestamp, state.options, &state);
        };
        reminders.onResume = [&] { OnRemindersResumed(state, reminderPause, now); };
        TPauseNowMenu pauseNow;
        pauseNow.available = !pauseWindow.IsShown;
        pauseNow.onTake = [&] {
            OnPauseTakenNow(state, pauseWindow, now);
            followPause();
        };
        OnTrayMenu(configWindow, texts, state.helpFilePath, reminders, pauseNow, openStatistics,
                   trayIcon.GetMenuAnchor());
        showReminderState();
    });
    trayIcon.SetOnDoubleClick([&] { OnTrayDoubleClick(configWindow); });

    // Made once the icon is there, so a later start that finds it finds a complete instance.
    TInstanceMailbox mailbox(MailboxTitle);
    mailbox.SetOnOpen([&] { OnTrayDoubleClick(configWindow); });
    mailbox.SetOnQuit(Quit);

    TAbsenceWatch absenceWatch([&](TAbsence::TReason reason) { OnUserLeft(absence, reason, now); },
                               [&](TAbsence::TReason reason) {
                                   OnUserReturned(state, absence, reason, pauseWindow, now);
                               });

    const TPresenceSources presence{MillisecondsSinceLastInput, IsDisplayRequired, IsPresenting,
                                    [] { return IsCaptureInUse(); }};
    const THeadsUpCallback headsUp = [&](const std::string& pauseLength, std::int64_t secondsLeft) {
        trayIcon.ShowNotification(texts.Text(IDS_PROGRAM_NAME), HeadsUpText(texts, pauseLength, secondsLeft));
    };
    TRepeatedAction timer(
        [&] {
            waiting = OnProgramTick(state, reminderPause, pauseWindow, eyePauseWindow, now, CurrentTimestamp, absence,
                                    presence, headsUp);
            if (TakeEndSoundCue(state, pauseWindow, absence, now)) {
                endSound.Play();
            }
            followPause();
            showReminderState();
            if (statisticsWindow) {
                statisticsWindow->OnTick();
            }
        },
        1.0);

    RunMessageLoop(dialogWindows);
    return 0;
}
