#include "core/OptionLines.h"
#include "core/Settings.h"
#include "core/SettingsContent.h"

#include "TTestFolder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string Times = "00:45:00\r\n00:02:30\r\n";

struct TOptionsReadCase {
    const char* name;
    std::string bytes;
    bool dimScreens;
    bool endSound;
};

class ReadOptions : public testing::TestWithParam<TOptionsReadCase> {};

// Read over the opposite of the defaults, so that a line that is not read shows as the value passed in.
TEST_P(ReadOptions, TakeEachKnownLineInTurn) {
    TSettingsOptions options{true, false};
    ReadSettingsOptions(GetParam().bytes, options);
    EXPECT_EQ(options.dimScreens, GetParam().dimScreens);
    EXPECT_EQ(options.endSound, GetParam().endSound);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, ReadOptions,
    testing::Values(
        TOptionsReadCase{"FileOfToday", Times, true, false},
        TOptionsReadCase{"BothSet", Times + "DimScreens=0\r\nEndSound=1\r\n", false, true},
        TOptionsReadCase{"OtherOrderWithLf", "1:0:0\n0:5:0\nEndSound=1\nDimScreens=0\n", false, true},
        TOptionsReadCase{"LastLineWithoutEnd", Times + "DimScreens=0", false, false},
        TOptionsReadCase{"BadValueGivesTheDefault", Times + "DimScreens=yes\r\nEndSound=2\r\n", false, true},
        TOptionsReadCase{"EmptyValueGivesTheDefault", Times + "DimScreens=\r\n", false, false},
        TOptionsReadCase{"BlankAroundIsNoValue", Times + "DimScreens= 0\r\nEndSound=1 \r\n", false, true},
        TOptionsReadCase{"LoneCrIsPartOfTheValue", Times + "DimScreens=0\r", false, false},
        TOptionsReadCase{"LaterLineWins", Times + "EndSound=1\r\nEndSound=0\r\n", true, false},
        TOptionsReadCase{"LaterBadLineGivesTheDefault", Times + "EndSound=0\r\nEndSound=x\r\n", true, true},
        TOptionsReadCase{"NamesAreExact", Times + "dimscreens=0\r\nEndSounds=1\r\n EndSound=1\r\n", true, false},
        TOptionsReadCase{"UnknownLinesChangeNothing", Times + "; a comment\r\nTheme=dark\r\n\r\n", true, false},
        TOptionsReadCase{"NotInTheTimeLines", "DimScreens=0\r\nEndSound=1\r\n", true, false},
        TOptionsReadCase{"AfterOneTimeLineOnly", "00:45:00\r\nEndSound=1", true, false}),
    [](const testing::TestParamInfo<TOptionsReadCase>& entry) { return entry.param.name; });

struct TContentCase {
    const char* name;
    std::string previous;
    TSettingsOptions options;
    std::string bytes;
};

class WrittenContent : public testing::TestWithParam<TContentCase> {};

TEST_P(WrittenContent, KeepsWhatItDoesNotKnow) {
    const TContentCase& c = GetParam();
    const std::string bytes = SettingsContent("00:45:00", "00:02:30", c.options, c.previous);
    EXPECT_EQ(bytes, c.bytes);
    // Written over itself, the content stays the same bytes; a start reads back the same options.
    EXPECT_EQ(SettingsContent("00:45:00", "00:02:30", c.options, bytes), bytes);
    TSettingsOptions read;
    ReadSettingsOptions(bytes, read);
    EXPECT_EQ(read, c.options);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, WrittenContent,
    testing::Values(
        TContentCase{"NoFileDefaultsAreTwoLines", "", {}, Times},
        TContentCase{"FileOfTodayStaysTwoLines", "12:00:00\r\n00:10:00\r\n", {}, Times},
        TContentCase{"OtherValuesAddLinesInTableOrder", "", {true, false}, Times + "DimScreens=1\r\nEndSound=0\r\n"},
        TContentCase{"OneOtherValue", "", {false, false}, Times + "EndSound=0\r\n"},
        TContentCase{"KnownLinesChangeWhereTheyStand", "1\r\n2\r\nEndSound=0\r\nX=1\r\nDimScreens=1\r\n", {},
                     Times + "EndSound=1\r\nX=1\r\nDimScreens=0\r\n"},
        TContentCase{"UnknownLinesKeptInOrder", "1\r\n2\r\n; mine\r\nTheme=dark\r\n\r\nWorkHours=9-17\r\n", {true, true},
                     Times + "; mine\r\nTheme=dark\r\n\r\nWorkHours=9-17\r\nDimScreens=1\r\n"},
        TContentCase{"LaterLinesOfAnOptionGo", "1\r\n2\r\nEndSound=0\r\nEndSound=1\r\nZ\r\n", {false, false},
                     Times + "EndSound=0\r\nZ\r\n"},
        TContentCase{"BadValueRewritten", "1\r\n2\r\nDimScreens=maybe\r\n", {}, Times + "DimScreens=0\r\n"},
        TContentCase{"EveryLineEndsInCrLf", "1\n2\nZ\nY\rW", {}, Times + "Z\r\nY\rW\r\n"},
        TContentCase{"OneTimeLineOnly", "12:00:00", {false, false}, Times + "EndSound=0\r\n"}),
    [](const testing::TestParamInfo<TContentCase>& entry) { return entry.param.name; });

// Some names begin with another ("WorkingHours", "WorkingHoursFrom"): a line is its own option's.
TEST(OptionLines, NamesAreDistinctAndEachLineFindsItsOwn) {
    for (const TOptionLine& first : OptionLines()) {
        for (const TOptionLine& second : OptionLines()) {
            SCOPED_TRACE(std::string(first.name) + " " + second.name);
            EXPECT_EQ(FindOptionLine(std::string(first.name) + "=1"), &first);
            if (&first != &second) {
                EXPECT_NE(std::string(second.name), std::string(first.name));
            }
        }
    }
}

// Through the file: what another version added survives a save, and a new start reads the options back.
TEST(SaveSettings, KeepsUnknownLinesAndLoadsTheOptionsBack) {
    TTestFolder folder;
    const std::wstring dataFolder = folder.Wide(L"Tavelin");
    CreateFolder(dataFolder);
    WriteBytes(dataFolder + L"\\config", "01:00:00\r\n00:05:00\r\nNewer=7\r\nEndSound=1\r\n");
    EXPECT_FALSE(SaveSettings(dataFolder, "00:45:00", "00:02:30", {true, false}));
    EXPECT_EQ(ReadBytes(dataFolder + L"\\config"), Times + "Newer=7\r\nEndSound=0\r\nDimScreens=1\r\n");
    std::string interval = "01:00:00";
    std::string pauseLength = "00:05:00";
    TSettingsOptions options;
    LoadSettings(dataFolder, interval, pauseLength, options);
    EXPECT_EQ(interval, "00:45:00");
    EXPECT_EQ(pauseLength, "00:02:30");
    EXPECT_EQ(options, (TSettingsOptions{true, false}));
}

}  // namespace
