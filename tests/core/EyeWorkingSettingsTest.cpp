#include "core/OptionChecks.h"
#include "core/SettingsContent.h"

#include "TCaseName.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string Times = "01:00:00\r\n00:05:00\r\n";

struct TLinesCase {
    const char* name;
    std::string lines;
    // The options read, written back as the lines a file with every option would hold.
    std::string read;
};

class EyeAndHoursLines : public testing::TestWithParam<TLinesCase> {};

std::string AllLines(const TSettingsOptions& options) {
    const std::string content = SettingsContent("01:00:00", "00:05:00", options,
                                                Times + "EyePauses=\r\nEyePauseInterval=\r\nEyePauseLength=\r\n"
                                                        "WorkingHours=\r\nWorkingHoursFrom=\r\nWorkingHoursTo=\r\n"
                                                        "WorkingDays=\r\n");
    return content.substr(Times.size());
}

TEST_P(EyeAndHoursLines, ReadAsTheyStandOrTakeTheirDefaults) {
    TSettingsOptions options;
    ReadSettingsOptions(Times + GetParam().lines, options);
    EXPECT_EQ(AllLines(options), GetParam().read);
}

const std::string Defaults = "EyePauses=0\r\nEyePauseInterval=00:20:00\r\nEyePauseLength=00:00:20\r\nWorkingHours=0\r\n"
                             "WorkingHoursFrom=08:00:00\r\nWorkingHoursTo=18:00:00\r\nWorkingDays=Mon,Tue,Wed,Thu,Fri\r\n";

INSTANTIATE_TEST_SUITE_P(
    Settings, EyeAndHoursLines,
    testing::Values(
        TLinesCase{"NoLinesGiveTheDefaults", "", Defaults},
        TLinesCase{"EveryLineRead",
                   "EyePauses=1\r\nEyePauseInterval=00:30:00\r\nEyePauseLength=00:01:00\r\nWorkingHours=1\r\n"
                   "WorkingHoursFrom=22:00:00\r\nWorkingHoursTo=06:30:00\r\nWorkingDays=Sun,Sat\r\n",
                   "EyePauses=1\r\nEyePauseInterval=00:30:00\r\nEyePauseLength=00:01:00\r\nWorkingHours=1\r\n"
                   "WorkingHoursFrom=22:00:00\r\nWorkingHoursTo=06:30:00\r\nWorkingDays=Sat,Sun\r\n"},
        TLinesCase{"BadFlagsAndTimes",
                   "EyePauses=yes\r\nEyePauseInterval=20 min\r\nEyePauseLength=00:00:60\r\nWorkingHours=2\r\n"
                   "WorkingHoursFrom=8:00:00\r\nWorkingHoursTo=24:00:00\r\n",
                   Defaults},
        TLinesCase{"ZeroEyeTimes", "EyePauseInterval=00:00:00\r\nEyePauseLength=00:00:00\r\n", Defaults},
        TLinesCase{"EyePauseNotShorterThanItsInterval", "EyePauseInterval=00:01:00\r\nEyePauseLength=00:01:00\r\n",
                   Defaults},
        TLinesCase{"SameFromAndTo", "WorkingHoursFrom=09:00:00\r\nWorkingHoursTo=09:00:00\r\n", Defaults},
        TLinesCase{"NoDay", "WorkingDays=\r\n", Defaults},
        TLinesCase{"UnknownDay", "WorkingDays=Mon,Fry\r\n", Defaults},
        TLinesCase{"LocalDayName", "WorkingDays=Mo,Di\r\n", Defaults},
        TLinesCase{"DayTwice", "WorkingDays=Mon,Mon\r\n", Defaults},
        TLinesCase{"BlankAroundADay", "WorkingDays=Mon, Tue\r\n", Defaults},
        TLinesCase{"EveryDay", "WorkingDays=Mon,Tue,Wed,Thu,Fri,Sat,Sun\r\n",
                   Defaults.substr(0, Defaults.find("WorkingDays")) + "WorkingDays=Mon,Tue,Wed,Thu,Fri,Sat,Sun\r\n"}),
    TCaseName());

TEST(EyeAndHoursLines, AFileOfTodayGetsNoNewLine) {
    TSettingsOptions options;
    options.workingDays = 0x1F;
    EXPECT_EQ(SettingsContent("01:00:00", "00:05:00", options, Times), Times);
    options.workingDays = 0x60;
    EXPECT_EQ(SettingsContent("01:00:00", "00:05:00", options, Times), Times + "WorkingDays=Sat,Sun\r\n");
}

struct TCheckCase {
    const char* name;
    TSettingsOptions options;
    TOptionProblem problem;
};

TSettingsOptions With(bool eyePauses, const char* eyeInterval, const char* eyeLength, bool hours, const char* from,
                      const char* to, std::uint8_t days) {
    TSettingsOptions options;
    options.eyePauses = eyePauses;
    options.eyePauseInterval = eyeInterval;
    options.eyePauseLength = eyeLength;
    options.workingHours = hours;
    options.workingHoursFrom = from;
    options.workingHoursTo = to;
    options.workingDays = days;
    return options;
}

class ChecksAtOk : public testing::TestWithParam<TCheckCase> {};

TEST_P(ChecksAtOk, RefuseWhatCannotWork) {
    EXPECT_EQ(CheckOptions(GetParam().options), GetParam().problem);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, ChecksAtOk,
    testing::Values(
        TCheckCase{"Defaults", TSettingsOptions{}, TOptionProblem::none},
        TCheckCase{"EyePauseASecondShorter", With(true, "00:01:00", "00:00:59", false, "", "", 0), TOptionProblem::none},
        TCheckCase{"EyePauseAsLong", With(true, "00:01:00", "00:01:00", false, "", "", 0),
                   TOptionProblem::eyePauseNotShorter},
        TCheckCase{"EyePauseLonger", With(true, "00:01:00", "00:02:00", false, "", "", 0),
                   TOptionProblem::eyePauseNotShorter},
        TCheckCase{"EyePausesOffAreNotChecked", With(false, "00:01:00", "00:02:00", false, "", "", 0),
                   TOptionProblem::none},
        TCheckCase{"SameHours", With(false, "", "", true, "08:00:00", "08:00:00", 1), TOptionProblem::sameWorkingHours},
        TCheckCase{"NightHours", With(false, "", "", true, "22:00:00", "06:00:00", 1), TOptionProblem::none},
        TCheckCase{"NoDay", With(false, "", "", true, "08:00:00", "18:00:00", 0), TOptionProblem::noWorkingDay},
        TCheckCase{"HoursOffAreNotChecked", With(false, "", "", false, "08:00:00", "08:00:00", 0), TOptionProblem::none},
        TCheckCase{"TheFirstProblemIsSaid", With(true, "00:01:00", "00:01:00", true, "08:00:00", "08:00:00", 0),
                   TOptionProblem::eyePauseNotShorter}),
    TCaseName());

}  // namespace
