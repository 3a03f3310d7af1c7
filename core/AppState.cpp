#include "core/AppState.h"

#include "core/EyePauseTimes.h"
#include "core/Settings.h"

void InitializeAppState(AppState& state, const TClock& now) {
    state.dataFolder = DataFolderPath();
    state.helpFilePath = HelpFilePath();
    state.interval = "01:00:00";
    state.pauseLength = "00:05:00";
    LoadSettings(state.dataFolder, state.interval, state.pauseLength, state.options);
    state.nextPauseStart = ShiftTimestamp(now(), state.interval, true);
    state.pauseEnd = ShiftTimestamp(state.nextPauseStart, state.pauseLength, true);
    RetimeEyePause(state, now());
    state.eyePauseEnd = now();
}

void TellScheduleEvent(const AppState& state, const TScheduleEvent& event) {
    if (state.onEvent) {
        state.onEvent(event);
    }
}

std::wstring HelpFilePath() {
    return HelpFilePathBeside(ProgramFilePath());
}

std::wstring HelpFilePathBeside(const std::wstring& programFile) {
    const std::size_t separator = programFile.find_last_of(L"\\/");
    const std::wstring folder = separator == std::wstring::npos ? programFile : programFile.substr(0, separator);
    return folder + L"/Help.chm";
}

std::wstring LanguageHelpFilePath(const std::wstring& helpFilePath, const std::wstring& tag) {
    const std::wstring extension = L".chm";
    const bool named = helpFilePath.size() >= extension.size() &&
                       helpFilePath.compare(helpFilePath.size() - extension.size(), extension.size(), extension) == 0;
    if (!named || tag.empty() || tag == L"en") {
        return helpFilePath;
    }
    return helpFilePath.substr(0, helpFilePath.size() - extension.size()) + L"." + tag + extension;
}
