#include "core/TrayTooltip.h"

#include "TCaseName.h"
#include "TStringTables.h"

#include <gtest/gtest.h>

namespace {

struct TTooltipCase {
    const char* name;
    bool pauseShown;
    std::string now;
    std::string nextPauseStart;
    std::string pauseEnd;
    std::wstring secondLine;
};

class TooltipLines : public testing::TestWithParam<TTooltipCase> {};

TEST_P(TooltipLines, SayWhenThePauseComesOrEnds) {
    const TTooltipCase& c = GetParam();
    AppState state;
    state.interval = "01:00:00";
    state.pauseLength = "00:05:00";
    state.nextPauseStart = c.nextPauseStart;
    state.pauseEnd = c.pauseEnd;
    EXPECT_EQ(TrayTooltip(EnglishTexts(), state, c.pauseShown, c.now), L"Tavelin\n" + c.secondLine);
}

// The waiting cases keep a pause end that would read differently, and the pause cases a next pause
// start, so each case shows which of the two the line is taken from.
INSTANTIATE_TEST_SUITE_P(
    Tooltip, TooltipLines,
    testing::Values(
        TTooltipCase{"ASecondPastWholeMinutes", false, "2026.12.08 09:00:00", "2026.12.08 09:59:01",
                     "2026.12.08 09:00:30", L"Next pause in 60 min"},
        TTooltipCase{"ExactlyAMinute", false, "2026.12.08 09:00:00", "2026.12.08 09:01:00", "2026.12.08 10:00:00",
                     L"Next pause in 1 min"},
        TTooltipCase{"AMinuteAndASecond", false, "2026.12.08 09:00:00", "2026.12.08 09:01:01",
                     "2026.12.08 10:00:00", L"Next pause in 2 min"},
        TTooltipCase{"OneSecond", false, "2026.12.08 09:00:00", "2026.12.08 09:00:01", "2026.12.08 10:00:00",
                     L"Next pause in 1 min"},
        TTooltipCase{"AtTheStart", false, "2026.12.08 09:00:00", "2026.12.08 09:00:00", "2026.12.08 10:00:00",
                     L"Next pause in 0 min"},
        TTooltipCase{"Due", false, "2026.12.08 09:00:00", "2026.12.08 08:40:00", "2026.12.08 10:00:00",
                     L"Next pause in 0 min"},
        TTooltipCase{"AcrossMidnight", false, "2026.12.08 23:59:30", "2026.12.09 00:01:31", "2026.12.08 10:00:00",
                     L"Next pause in 3 min"},
        TTooltipCase{"LongestInterval", false, "2026.12.31 12:00:00", "2027.01.01 11:59:59", "2026.12.08 10:00:00",
                     L"Next pause in 1440 min"},
        TTooltipCase{"PauseBegun", true, "2026.12.08 09:00:00", "2026.12.08 08:59:59", "2026.12.08 09:05:00",
                     L"Pause: 00:05:00 left"},
        TTooltipCase{"PauseLastSecond", true, "2026.12.08 09:05:00", "2026.12.08 10:00:00", "2026.12.08 09:05:00",
                     L"Pause: 00:00:00 left"},
        TTooltipCase{"PauseAcrossMidnight", true, "2026.12.08 23:58:30", "2026.12.08 10:00:00",
                     "2026.12.09 00:03:00", L"Pause: 00:04:30 left"},
        TTooltipCase{"PauseOver", true, "2026.12.08 09:05:01", "2026.12.08 10:00:00", "2026.12.08 09:05:00",
                     L"Pause over"}),
    TCaseName());

TEST(TooltipWaits, SaysWhyADuePauseWaits) {
    AppState state;
    state.interval = "01:00:00";
    state.pauseLength = "00:05:00";
    state.nextPauseStart = "2026.12.08 08:40:00";
    state.pauseEnd = "2026.12.08 09:02:00";
    const struct {
        TWaitReason reason;
        bool pauseShown;
        const wchar_t* secondLine;
    } cases[] = {{TWaitReason::away, false, L"Pause waits: you are away"},
                 {TWaitReason::presentation, false, L"Pause waits: presentation"},
                 {TWaitReason::call, false, L"Pause waits: call"},
                 {TWaitReason::none, false, L"Next pause in 0 min"},
                 {TWaitReason::call, true, L"Pause: 00:02:00 left"}};
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.secondLine);
        EXPECT_EQ(TrayTooltip(EnglishTexts(), state, entry.pauseShown, "2026.12.08 09:00:00", entry.reason),
                  std::wstring(L"Tavelin\n") + entry.secondLine);
    }
}

}  // namespace
