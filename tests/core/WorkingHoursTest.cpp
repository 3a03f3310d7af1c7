#include "core/LocaleWeek.h"
#include "core/TrayTooltip.h"
#include "core/WorkingHours.h"

#include "TCaseName.h"
#include "TScheduleHarness.h"
#include "TStringTables.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Monday to Friday unless a row says otherwise; 2026-12-07 is a Monday, the 12th a Saturday.
TSettingsOptions Hours(const char* from, const char* to, std::uint8_t days = 0x1F) {
    TSettingsOptions options;
    options.workingHours = true;
    options.workingHoursFrom = from;
    options.workingHoursTo = to;
    options.workingDays = days;
    return options;
}

struct THoursCase {
    const char* name;
    TSettingsOptions options;
    const char* wallNow;
    bool inHours;
    // When they begin next, after wallNow.
    const char* nextBegin;
};

class WorkingHours : public testing::TestWithParam<THoursCase> {};

TEST_P(WorkingHours, HoldTheirDaysAndEdges) {
    EXPECT_EQ(InWorkingHours(GetParam().options, GetParam().wallNow), GetParam().inHours);
    EXPECT_EQ(NextWorkingHoursBegin(GetParam().options, GetParam().wallNow), GetParam().nextBegin);
}

constexpr std::uint8_t Monday = 1;
constexpr std::uint8_t Sunday = 1 << 6;

INSTANTIATE_TEST_SUITE_P(
    Days, WorkingHours,
    testing::Values(
        THoursCase{"OptionOff", TSettingsOptions{}, "2026.12.12 03:00:00", true, "2026.12.14 08:00:00"},
        THoursCase{"SecondBeforeFrom", Hours("08:00:00", "18:00:00"), "2026.12.07 07:59:59", false,
                   "2026.12.07 08:00:00"},
        THoursCase{"AtFrom", Hours("08:00:00", "18:00:00"), "2026.12.07 08:00:00", true, "2026.12.08 08:00:00"},
        THoursCase{"SecondBeforeTo", Hours("08:00:00", "18:00:00"), "2026.12.07 17:59:59", true,
                   "2026.12.08 08:00:00"},
        THoursCase{"AtTo", Hours("08:00:00", "18:00:00"), "2026.12.07 18:00:00", false, "2026.12.08 08:00:00"},
        THoursCase{"Tuesday", Hours("08:00:00", "18:00:00"), "2026.12.08 12:00:00", true, "2026.12.09 08:00:00"},
        THoursCase{"Wednesday", Hours("08:00:00", "18:00:00"), "2026.12.09 12:00:00", true, "2026.12.10 08:00:00"},
        THoursCase{"Thursday", Hours("08:00:00", "18:00:00"), "2026.12.10 12:00:00", true, "2026.12.11 08:00:00"},
        THoursCase{"FridayEveningToMonday", Hours("08:00:00", "18:00:00"), "2026.12.11 19:00:00", false,
                   "2026.12.14 08:00:00"},
        THoursCase{"Saturday", Hours("08:00:00", "18:00:00"), "2026.12.12 12:00:00", false, "2026.12.14 08:00:00"},
        THoursCase{"Sunday", Hours("08:00:00", "18:00:00"), "2026.12.13 12:00:00", false, "2026.12.14 08:00:00"},
        THoursCase{"SundayOnly", Hours("08:00:00", "18:00:00", Sunday), "2026.12.13 12:00:00", true,
                   "2026.12.20 08:00:00"},
        THoursCase{"NightBeforeMidnight", Hours("22:00:00", "06:00:00", Monday), "2026.12.07 23:59:59", true,
                   "2026.12.14 22:00:00"},
        THoursCase{"NightAfterMidnightBelongsToItsMonday", Hours("22:00:00", "06:00:00", Monday),
                   "2026.12.08 05:59:59", true, "2026.12.14 22:00:00"},
        THoursCase{"NightEndsAtTo", Hours("22:00:00", "06:00:00", Monday), "2026.12.08 06:00:00", false,
                   "2026.12.14 22:00:00"},
        THoursCase{"NightOfTheDayBeforeIsNotAWorkingNight", Hours("22:00:00", "06:00:00", Monday),
                   "2026.12.07 05:00:00", false, "2026.12.07 22:00:00"},
        THoursCase{"NoDayNoBegin", Hours("08:00:00", "18:00:00", 0), "2026.12.07 12:00:00", false, ""},
        THoursCase{"UnreadableTimeHoldsNothing", Hours("08:00:00", "18:00:00"), "later", true, ""}),
    TCaseName());

// The schedule with hours of 08:00 to 18:00 on weekdays; steady and wall clock start equal, on
// Friday 2026-12-11, and a row may set the wall clock apart.
class HoursSchedule : public TScheduleHarness {
protected:
    HoursSchedule() : TScheduleHarness("00:30:00", "00:05:00", "2026.12.11 17:50:00", "2026.12.11 17:55:00") {
        state.options = Hours("08:00:00", "18:00:00");
        state.options.eyePauses = true;
        state.nextEyePauseStart = "2026.12.11 18:10:00";
    }
    bool NothingBeginsFromTo(const std::string& from, const std::string& to, std::int64_t wallAhead = 0) {
        for (std::string time = from; !(to < time); time = ShiftTimestamp(time, "00:01:00", true)) {
            Tick(time, wallAhead);
            if (window.IsShown || eyeWindow.IsShown || !presence.headsUps.empty()) {
                ADD_FAILURE() << "something began at " << time;
                return false;
            }
        }
        return true;
    }
};

TEST_F(HoursSchedule, NothingBeginsOutsideAndThePauseComesAnIntervalAfterTheyBegin) {
    Tick("2026.12.11 17:48:00");
    EXPECT_TRUE(NothingBeginsFromTo("2026.12.11 18:00:00", "2026.12.11 21:00:00"));
    EXPECT_TRUE(state.outsideWorkingHours);
    // Monday 08:00 on the wall clock, the steady one as far on.
    Tick("2026.12.14 08:00:00");
    EXPECT_FALSE(state.outsideWorkingHours);
    EXPECT_EQ(state.nextPauseStart, "2026.12.14 08:30:00");
    EXPECT_EQ(state.nextEyePauseStart, "2026.12.14 08:20:00");
}

TEST_F(HoursSchedule, APauseShownWhenTheyEndRunsToItsEnd) {
    BeginPause("2026.12.11 17:58:00");
    Tick("2026.12.11 18:02:59");
    EXPECT_EQ(window.shown.back(), "00:00:01");
    Tick("2026.12.11 18:03:01");
    EXPECT_EQ(window.shown.back(), "");
    Dismiss("2026.12.11 18:03:05");
    EXPECT_TRUE(NothingBeginsFromTo("2026.12.11 18:03:06", "2026.12.11 20:00:00"));
}

// The hours follow the wall clock: a daylight-saving night or a clock the user sets moves it apart
// from the steady one, which times the pauses.
TEST_F(HoursSchedule, FollowTheWallClockWhenItIsSet) {
    Tick("2026.12.11 17:00:00", +3600);
    EXPECT_TRUE(state.outsideWorkingHours);
    Tick("2026.12.11 17:00:01", -3600);
    EXPECT_FALSE(state.outsideWorkingHours);
    EXPECT_EQ(state.nextPauseStart, "2026.12.11 17:30:01");
}

TEST_F(HoursSchedule, BeginAtTheirHourAcrossADaylightSavingNight) {
    state.options = Hours("02:30:00", "23:00:00", 0x7F);
    Tick("2026.12.12 01:59:59");
    EXPECT_TRUE(state.outsideWorkingHours);
    // The clock goes from 02:00 to 03:00: the hours have begun at once, on the clock's new hour.
    Tick("2026.12.12 02:00:00", +3600);
    EXPECT_FALSE(state.outsideWorkingHours);
    EXPECT_EQ(state.nextPauseStart, "2026.12.12 02:30:00");
    // Back from 03:00 to 02:00 in the autumn: outside again for that hour.
    Tick("2026.12.12 02:00:01");
    EXPECT_TRUE(state.outsideWorkingHours);
}

struct TUntilCase {
    const char* name;
    bool workingHours;
    const char* wallNow;
    const char* resumed;
};

class UntilTomorrow : public TScheduleHarness, public testing::WithParamInterface<TUntilCase> {
protected:
    UntilTomorrow() : TScheduleHarness("01:00:00", "00:05:00", "2026.12.11 20:00:00", "2026.12.11 20:05:00") {
        state.options = Hours("08:00:00", "18:00:00");
        state.options.workingHours = GetParam().workingHours;
    }
};

TEST_P(UntilTomorrow, EndsWhenTheHoursBeginWhereTheyAreOn) {
    Choose(GetParam().wallNow, TReminderPause::TChoice::untilTomorrow);
    EXPECT_EQ(reminderPause.WallClockEnd(now, wall), GetParam().resumed);
}

INSTANTIATE_TEST_SUITE_P(
    Reminders, UntilTomorrow,
    testing::Values(TUntilCase{"WithoutHoursAtSix", false, "2026.12.11 19:00:00", "2026.12.12 06:00:00"},
                    TUntilCase{"FridayEveningToMonday", true, "2026.12.11 19:00:00", "2026.12.14 08:00:00"},
                    TUntilCase{"InTheHoursToTheNextDay", true, "2026.12.10 10:00:00", "2026.12.11 08:00:00"},
                    TUntilCase{"EarlyMorningToThatMorning", true, "2026.12.10 05:00:00", "2026.12.10 08:00:00"}),
    TCaseName());

// In the locale's words: "Mon 08:00" natively, "Mon 8:00 AM" in Wine's English.
TEST(OutsideHoursTooltip, SaysWhenTheyBeginAgain) {
    EXPECT_EQ(OutsideWorkingHoursTooltip(EnglishTexts(), "2026.12.13 08:30:00"),
              L"Tavelin\nOutside working hours until " + LocaleDayNames()[6] + L" " + LocaleTimeText(8, 30));
    EXPECT_EQ(OutsideWorkingHoursTooltip(EnglishTexts(), ""), L"Tavelin\nOutside working hours");
}

}  // namespace
