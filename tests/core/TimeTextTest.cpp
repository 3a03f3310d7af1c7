#include "core/TimeText.h"
#include "core/TimeTextReading.h"

#include <gtest/gtest.h>

#include <regex>

namespace {

struct TShift {
    const char* timestamp;
    const char* duration;
    bool forward;
    const char* result;
};

class Shifts : public testing::TestWithParam<TShift> {};

TEST_P(Shifts, GiveTheExpectedTimestamp) {
    const TShift& shift = GetParam();
    EXPECT_EQ(ShiftTimestamp(shift.timestamp, shift.duration, shift.forward), shift.result);
}

INSTANTIATE_TEST_SUITE_P(
    CalendarArithmetic, Shifts,
    testing::Values(TShift{"2026.12.08 07:45:48", "01:00:00", true, "2026.12.08 08:45:48"},
                    TShift{"2026.12.08 07:45:48", "01:00:00", false, "2026.12.08 06:45:48"},
                    TShift{"2026.12.31 23:58:00", "00:05:00", true, "2027.01.01 00:03:00"},
                    TShift{"2027.01.01 00:03:00", "00:05:00", false, "2026.12.31 23:58:00"},
                    TShift{"2028.03.01 00:00:30", "00:01:00", false, "2028.02.29 23:59:30"},
                    TShift{"2100.03.01 00:00:30", "00:01:00", false, "2100.02.28 23:59:30"},
                    TShift{"2026.01.31 23:00:00", "02:00:00", true, "2026.02.01 01:00:00"},
                    TShift{"2026.1.8 7:5:9", "00:00:00", true, "2026.01.08 07:05:09"},
                    TShift{"  2026 . 12 . 08   07:45:48 and more", "00:00:00", true, "2026.12.08 07:45:48"},
                    TShift{"2026.12.08 07:45:48", "00:90:00", true, "2026.12.08 09:15:48"},
                    TShift{"2026.12.08 07:45:48", "25:00:00", true, "2026.12.09 08:45:48"},
                    TShift{"2026.12.08 07:45:48", "-1:30:00", true, "2026.12.08 07:15:48"},
                    TShift{"2026.12.08 07:45:48", "00:00:-48", false, "2026.12.08 07:46:36"},
                    TShift{"2026.12.08 07:45:48", "01:00:00 trailing", true, "2026.12.08 08:45:48"},
                    TShift{"2026.12.08 07:45:48", "+1:+0:+0", true, "2026.12.08 08:45:48"},
                    TShift{"2026.12.08 07:45:48", "8760:00:00", true, "2027.12.08 07:45:48"},
                    TShift{"1601.01.01 00:00:01", "00:00:01", false, "1601.01.01 00:00:00"},
                    TShift{"30827.12.31 23:59:58", "00:00:01", true, "30827.12.31 23:59:59"}));

// One defined result for text that names no time or a result out of range: the empty text.
INSTANTIATE_TEST_SUITE_P(
    Unusable, Shifts,
    testing::Values(TShift{"2026.13.01 00:00:00", "00:00:00", true, ""},
                    TShift{"2026.04.31 00:00:00", "00:00:00", true, ""},
                    TShift{"2027.02.29 00:00:00", "00:00:00", true, ""},
                    TShift{"1600.12.31 23:59:59", "00:00:01", true, ""},
                    TShift{"2026.12.08 24:00:00", "00:00:00", true, ""},
                    TShift{"2026.12.08 07:45", "00:00:00", true, ""},
                    TShift{"", "00:00:00", true, ""},
                    TShift{"2026.12.08 07:45:-1", "00:00:00", true, ""},
                    TShift{"65536.12.08 07:45:48", "00:00:00", true, ""},
                    TShift{"2026.12.08 07:45:48", "", true, ""},
                    TShift{"2026.12.08 07:45:48", "01:00", true, ""},
                    TShift{"2026.12.08 07:45:48", "aa:bb:cc", true, ""},
                    TShift{"2026.12.08 07:45:48", "2147483648:00:00", true, ""},
                    TShift{"2026.12.08 07:45:48", "00:00:9223372036854775807", true, ""},
                    TShift{"2026.12.08 07:45:48", "00:00:-9223372036854775808", false, ""},
                    TShift{"2026.12.08 07:45:48", "-2147483648:-2147483648:-9223372036854775808", true, ""},
                    TShift{"2026.12.08 07:45:48", "2147483647:2147483647:0", true, ""},
                    TShift{"1601.01.01 00:00:00", "00:00:01", false, ""},
                    TShift{"30827.12.31 23:59:59", "00:00:01", true, ""}));

struct TDifference {
    const char* from;
    const char* to;
    const char* result;
};

class Differences : public testing::TestWithParam<TDifference> {};

TEST_P(Differences, GiveTheWholeSecondsOrTheEmptyText) {
    EXPECT_EQ(TimestampDifference(GetParam().from, GetParam().to), GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(
    Countdown, Differences,
    testing::Values(TDifference{"2026.12.08 07:45:48", "2026.12.08 07:50:00", "00:04:12"},
                    TDifference{"2026.12.08 23:59:00", "2026.12.09 00:01:30", "00:02:30"},
                    TDifference{"2026.12.08 07:45:48", "2026.12.08 07:45:48", "00:00:00"},
                    TDifference{"2026.12.08 07:45:48", "2026.12.08 07:45:47", ""},
                    TDifference{"2026.12.08 07:45:48", "2026.12.09 07:45:47", "23:59:59"},
                    TDifference{"2026.12.08 07:45:48", "2026.12.09 07:45:48", ""},
                    TDifference{"2028.02.28 23:00:00", "2028.02.29 00:30:01", "01:30:01"},
                    TDifference{"2026.12.31 23:59:59", "2027.01.01 00:00:00", "00:00:01"},
                    TDifference{"not a time", "2026.12.08 07:45:48", ""},
                    TDifference{"", "", ""},
                    TDifference{"30827.12.31 23:59:59", "30827.12.31 23:59:59", ""}));

TEST(FormatDuration, WritesTwoDigitFieldsAndDefinedTextOutsideADay) {
    const struct {
        std::int32_t seconds;
        const char* text;
    } cases[] = {{0, "00:00:00"},         {3725, "01:02:05"},          {86'399, "23:59:59"},
                 {359'999, "99:59:59"},   {360'000, "100:00:00"},      {-3725, "0-1:0-2:0-5"},
                 {INT32_MAX, "596523:14:07"}, {INT32_MIN, "0-596523:0-14:0-8"}};
    for (const auto& entry : cases) {
        EXPECT_EQ(FormatDuration(entry.seconds), entry.text) << entry.seconds;
    }
}

TEST(TimestampDifference, AgreesWithShiftForEverySecondOfADaySampled) {
    const std::string from = "2026.12.31 12:34:56";
    for (std::int32_t seconds = 0; seconds < 86'400; seconds += 997) {
        const std::string duration = FormatDuration(seconds);
        ASSERT_EQ(TimestampDifference(from, ShiftTimestamp(from, duration, true)), duration);
    }
}

TEST(CurrentTimestamp, HasTheFixedFormAndOrdersWithTime) {
    const std::string first = CurrentTimestamp();
    EXPECT_TRUE(std::regex_match(first, std::regex(R"(\d{4}\.\d{2}\.\d{2} \d{2}:\d{2}:\d{2})"))) << first;
    EXPECT_EQ(ShiftTimestamp(first, "00:00:00", true), first);
    EXPECT_LE(first, CurrentTimestamp());
}

TEST(TimeOfDayDuration, AcceptsOnlyWhatAPickerCanHold) {
    const struct {
        const char* text;
        bool accepted;
    } cases[] = {{"01:00:00", true},   {"00:00:00", true},  {"23:59:59", true},   {"01:00:00 ", true},
                 {"1:2:3", true},      {"01:00:00\r", true}, {"24:00:00", false}, {"00:60:00", false},
                 {"00:00:60", false},  {"-1:00:00", false}, {"", false},          {"01:00", false},
                 {"x1:00:00", false},  {"99999999999:00:00", false}};
    for (const auto& entry : cases) {
        EXPECT_EQ(IsTimeOfDayDuration(entry.text), entry.accepted) << '"' << entry.text << '"';
    }
}

}  // namespace
