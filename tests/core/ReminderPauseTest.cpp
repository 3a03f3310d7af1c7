#include "core/PauseSchedule.h"
#include "core/ReminderPauseSchedule.h"
#include "core/TrayTooltip.h"

#include "TCaseName.h"
#include "TScheduleHarness.h"
#include "TStringTables.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using TChoice = TReminderPause::TChoice;

struct TChoiceCase {
    const char* name;
    TChoice choice;
    std::string wallNow;
    std::string end;
};

class ReminderPauseChoices : public testing::TestWithParam<TChoiceCase> {};

TEST_P(ReminderPauseChoices, LastUntilTheirEnd) {
    const TChoiceCase& c = GetParam();
    EXPECT_EQ(ShiftTimestamp(c.wallNow, TReminderPause::LengthOf(c.choice, c.wallNow), true), c.end);
}

INSTANTIATE_TEST_SUITE_P(
    Choices, ReminderPauseChoices,
    testing::Values(
        TChoiceCase{"HalfHourMorning", TChoice::for30Minutes, "2026.12.08 09:10:20", "2026.12.08 09:40:20"},
        TChoiceCase{"HalfHourBeforeMidnight", TChoice::for30Minutes, "2026.12.31 23:59:59", "2027.01.01 00:29:59"},
        TChoiceCase{"HourEarly", TChoice::for1Hour, "2026.12.08 05:30:00", "2026.12.08 06:30:00"},
        TChoiceCase{"HourBeforeMidnight", TChoice::for1Hour, "2026.12.08 23:59:59", "2026.12.09 00:59:59"},
        TChoiceCase{"TwoHoursAfternoon", TChoice::for2Hours, "2026.12.08 14:00:00", "2026.12.08 16:00:00"},
        TChoiceCase{"TwoHoursLateEvening", TChoice::for2Hours, "2026.02.28 23:00:00", "2026.03.01 01:00:00"},
        TChoiceCase{"TomorrowAfterMidnight", TChoice::untilTomorrow, "2026.12.09 00:00:00", "2026.12.09 06:00:00"},
        TChoiceCase{"TomorrowBeforeSix", TChoice::untilTomorrow, "2026.12.09 05:59:59", "2026.12.09 06:00:00"},
        TChoiceCase{"TomorrowAtSix", TChoice::untilTomorrow, "2026.12.09 06:00:00", "2026.12.10 06:00:00"},
        TChoiceCase{"TomorrowAfterSix", TChoice::untilTomorrow, "2026.12.09 06:00:01", "2026.12.10 06:00:00"},
        TChoiceCase{"TomorrowAfternoon", TChoice::untilTomorrow, "2026.12.09 17:45:10", "2026.12.10 06:00:00"},
        TChoiceCase{"TomorrowBeforeMidnight", TChoice::untilTomorrow, "2026.12.31 23:59:59", "2027.01.01 06:00:00"},
        TChoiceCase{"TomorrowUnreadable", TChoice::untilTomorrow, "2026.13.09 17:45:10", ""}),
    TCaseName());

// The schedule with the user's pause of the reminders, as the program's tick runs it.
class RemindersPaused : public TScheduleHarness {
protected:
    RemindersPaused() : TScheduleHarness("00:05:00", "00:01:00", "2026.12.08 09:05:00", "2026.12.08 09:06:00") {}

    // Ticks every ten seconds from `from` up to and including `to`; false once a pause shows.
    bool NoPauseFromTo(const std::string& from, const std::string& to, std::int64_t wallAheadSeconds = 0) {
        for (std::string time = from; !(to < time); time = ShiftTimestamp(time, "00:00:10", true)) {
            Tick(time, wallAheadSeconds);
            if (window.IsShown) {
                return false;
            }
        }
        return true;
    }
};

TEST_F(RemindersPaused, NoPauseForSeveralIntervalsThenOneAnIntervalAfterTheAutomaticResume) {
    Choose("2026.12.08 09:00:30", TChoice::for30Minutes);
    ASSERT_TRUE(reminderPause.IsActive());
    EXPECT_TRUE(NoPauseFromTo("2026.12.08 09:00:30", "2026.12.08 09:30:20"));
    EXPECT_EQ(presence.headsUps.size(), 0u) << "no heads-up while the reminders are paused";
    Tick("2026.12.08 09:30:29");
    EXPECT_TRUE(reminderPause.IsActive());
    Tick("2026.12.08 09:30:30");
    EXPECT_FALSE(reminderPause.IsActive());
    EXPECT_EQ(state.nextPauseStart, "2026.12.08 09:35:30");
    Tick("2026.12.08 09:35:30");
    EXPECT_FALSE(window.IsShown);
    Tick("2026.12.08 09:35:31");
    EXPECT_TRUE(window.IsShown);
}

TEST_F(RemindersPaused, AChosenResumeTimesTheNextPauseAnIntervalLater) {
    Choose("2026.12.08 09:00:00", TChoice::untilTomorrow);
    EXPECT_TRUE(NoPauseFromTo("2026.12.08 09:00:00", "2026.12.08 09:42:00"));
    Resume("2026.12.08 09:42:05");
    EXPECT_FALSE(reminderPause.IsActive());
    EXPECT_EQ(state.nextPauseStart, "2026.12.08 09:47:05");
    EXPECT_TRUE(NoPauseFromTo("2026.12.08 09:42:05", "2026.12.08 09:47:05"));
    Tick("2026.12.08 09:47:06");
    EXPECT_TRUE(window.IsShown);
    // A second resume, from a menu opened before the first, changes nothing.
    Resume("2026.12.08 09:47:10");
    EXPECT_EQ(state.nextPauseStart, "2026.12.08 09:47:05");
}

TEST_F(RemindersPaused, AChoiceDuringAPauseIsIgnored) {
    Tick("2026.12.08 09:05:01");
    ASSERT_TRUE(window.IsShown);
    Choose("2026.12.08 09:05:02", TChoice::for2Hours);
    EXPECT_FALSE(reminderPause.IsActive());
    Tick("2026.12.08 09:05:03");
    EXPECT_EQ(window.shown.back(), "00:00:58");
}

TEST_F(RemindersPaused, AWallClockJumpChangesNeitherTheLengthNorAnything) {
    Choose("2026.12.08 09:00:00", TChoice::for1Hour);
    EXPECT_TRUE(NoPauseFromTo("2026.12.08 09:00:00", "2026.12.08 09:20:00", +7200));
    EXPECT_TRUE(NoPauseFromTo("2026.12.08 09:20:10", "2026.12.08 09:59:50", -7200));
    Tick("2026.12.08 09:59:59", +86400);
    EXPECT_TRUE(reminderPause.IsActive());
    Tick("2026.12.08 10:00:00", -3600);
    EXPECT_FALSE(reminderPause.IsActive());
    EXPECT_EQ(state.nextPauseStart, "2026.12.08 10:05:00");
}

TEST_F(RemindersPaused, NothingHeldWhenTheTimeCannotBeRead) {
    now = "2026.12.08 09:00:00";
    wall = "not a time";
    OnRemindersPaused(reminderPause, window, TChoice::untilTomorrow, clock, wallClock, TSettingsOptions{});
    EXPECT_FALSE(reminderPause.IsActive());
    Tick("2026.12.08 09:05:01");
    EXPECT_TRUE(window.IsShown);
}

struct TWallEndCase {
    const char* name;
    std::int64_t wallAheadSeconds;
    std::string end;
};

class ReminderPauseWallEnd : public testing::TestWithParam<TWallEndCase> {};

// Chosen when both clocks read 09:00:00, for 30 minutes, and looked at 10 minutes later.
TEST_P(ReminderPauseWallEnd, FollowsTheWallClockBySetMinutesOnly) {
    TReminderPause reminderPause;
    reminderPause.Begin("2026.12.08 09:00:00", "2026.12.08 09:00:00", "00:30:00");
    const std::int64_t ahead = GetParam().wallAheadSeconds;
    const std::string wall =
        ShiftTimestamp("2026.12.08 09:10:00", "00:00:" + std::to_string(ahead < 0 ? -ahead : ahead), ahead >= 0);
    EXPECT_EQ(reminderPause.WallClockEnd("2026.12.08 09:10:00", wall), GetParam().end);
}

INSTANTIATE_TEST_SUITE_P(
    WallEnd, ReminderPauseWallEnd,
    testing::Values(TWallEndCase{"Unchanged", 0, "2026.12.08 09:30:00"},
                    TWallEndCase{"ReadASecondLater", 1, "2026.12.08 09:30:00"},
                    TWallEndCase{"ReadASecondEarlier", -1, "2026.12.08 09:30:00"},
                    TWallEndCase{"SetAnHourForward", 3600, "2026.12.08 10:30:00"},
                    TWallEndCase{"SetAnHourForwardReadASecondEarlier", 3599, "2026.12.08 10:30:00"},
                    TWallEndCase{"SetAnHourBackASecondOff", -3601, "2026.12.08 08:30:00"},
                    TWallEndCase{"SetTwoMinutesBack", -120, "2026.12.08 09:28:00"},
                    TWallEndCase{"SetADayForward", 86400, "2026.12.09 09:30:00"}),
    TCaseName());

struct TPausedTooltipCase {
    const char* name;
    std::string wallClockEnd;
    std::wstring secondLine;
};

class RemindersPausedTooltipLines : public testing::TestWithParam<TPausedTooltipCase> {};

TEST_P(RemindersPausedTooltipLines, SayUntilWhen) {
    EXPECT_EQ(RemindersPausedTooltip(EnglishTexts(), GetParam().wallClockEnd), L"Tavelin\n" + GetParam().secondLine);
}

INSTANTIATE_TEST_SUITE_P(
    Tooltip, RemindersPausedTooltipLines,
    testing::Values(TPausedTooltipCase{"Morning", "2026.12.09 06:00:00", L"Reminders paused until 06:00"},
                    TPausedTooltipCase{"SecondsDropped", "2026.12.08 09:40:59", L"Reminders paused until 09:40"},
                    TPausedTooltipCase{"AfterMidnight", "2027.01.01 00:29:59", L"Reminders paused until 00:29"},
                    TPausedTooltipCase{"Evening", "2026.12.08 23:05:00", L"Reminders paused until 23:05"},
                    TPausedTooltipCase{"Unreadable", "", L"Reminders paused"}),
    TCaseName());

}  // namespace
