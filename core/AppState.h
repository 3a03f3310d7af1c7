#pragma once

#include "core/TClock.h"
#include "core/TScheduleEvent.h"
#include "core/TSettingsOptions.h"
#include "core/TimeText.h"

#include <string>

// The application state: where the settings and the help live, the settings, and when the
// next pause begins and the current or last one ends.
struct AppState {
    std::wstring dataFolder;
    std::wstring helpFilePath;
    std::string interval;
    std::string pauseLength;
    std::string nextPauseStart;
    std::string pauseEnd;
    // The pause start the last heads-up announced, so that each start is announced once.
    std::string headsUpGivenFor;
    // Told of each pause, natural break and pause of the reminders; none is told when empty.
    TScheduleListener onEvent = {};
    // The end of the last pause whose end was heard or needs no sound (see TakeEndSoundCue).
    std::string endHeardFor;
    // The settings beyond the two times.
    TSettingsOptions options;
    // When the next eye pause begins and the current or last one ends (see EyePauseSchedule.h).
    std::string nextEyePauseStart = {};
    std::string eyePauseEnd = {};
    // Whether the last tick found the wall clock outside the working hours.
    bool outsideWorkingHours = false;
};

// Tells the state's listener, if it has one.
void TellScheduleEvent(const AppState& state, const TScheduleEvent& event);

// Fills the state from the defaults, the settings file and the clock; writes nothing to disk.
void InitializeAppState(AppState& state, const TClock& now = CurrentTimestamp);

// Full path of the program's own file, cut at 260 characters; empty if the system cannot say.
std::wstring ProgramFilePath();

// The program's folder followed by "/Help.chm".
std::wstring HelpFilePath();

// The folder part of programFile (up to its last "\" or "/", or all of it when it has neither)
// followed by "/Help.chm".
std::wstring HelpFilePathBeside(const std::wstring& programFile);

// The help file of the language with the given tag beside the English one: "Help.de.chm" for
// "Help.chm" and "de"; the English one itself for "en" (or a name without ".chm").
std::wstring LanguageHelpFilePath(const std::wstring& helpFilePath, const std::wstring& tag);
