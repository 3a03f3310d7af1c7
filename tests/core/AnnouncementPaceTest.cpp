#include "core/TAnnouncementPace.h"

#include "TCaseName.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct TUpdate {
    bool showing;
    std::string remaining;
    bool spoken;
};

struct TPaceCase {
    const char* name;
    std::vector<TUpdate> updates;
};

class AnnouncementPaceTest : public testing::TestWithParam<TPaceCase> {};

TEST_P(AnnouncementPaceTest, SpeaksTheStartTheEndAndAtMostOnceAMinute) {
    TAnnouncementPace pace;
    int index = 0;
    for (const TUpdate& update : GetParam().updates) {
        EXPECT_EQ(pace.ShouldAnnounce(update.showing, update.remaining), update.spoken)
            << "update " << index << " (" << update.remaining << ")";
        ++index;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Countdowns, AnnouncementPaceTest,
    testing::Values(
        TPaceCase{"EverySecond",
                  {{true, "00:05:00", true},
                   {false, "00:04:59", false},
                   {false, "00:04:01", false},
                   {false, "00:04:00", true},
                   {false, "00:03:59", false},
                   {false, "00:03:00", true}}},
        TPaceCase{"SkippedSecondsStillWaitAMinuteFromTheLastSpoken",
                  {{true, "00:02:30", true}, {false, "00:01:31", false}, {false, "00:01:29", true},
                   {false, "00:00:30", false}, {false, "00:00:29", true}}},
        TPaceCase{"EndSpokenOnceThenQuiet",
                  {{true, "00:00:02", true}, {false, "00:00:01", false}, {false, "", true}, {false, "", false},
                   {false, "", false}}},
        TPaceCase{"ShownAgainSpeaksAgain",
                  {{true, "00:01:00", true}, {false, "00:00:59", false}, {true, "00:00:58", true},
                   {false, "", true}, {true, "", true}}},
        TPaceCase{"LongerPauseCountsFromItsNewLength",
                  {{true, "00:01:00", true}, {false, "00:10:00", false}, {false, "00:09:30", false},
                   {false, "00:09:00", true}}},
        TPaceCase{"NewCountdownAfterTheEnd",
                  {{true, "", true}, {false, "00:03:00", false}, {false, "00:02:00", true}, {false, "", true}}},
        TPaceCase{"UnreadableTextOnlyWhenShown",
                  {{true, "soon", true}, {false, "later", false}, {false, "00:05:00", false},
                   {false, "00:04:00", true}}},
        TPaceCase{"HoursCount", {{true, "01:00:30", true}, {false, "00:59:31", false}, {false, "00:59:30", true}}}),
    TCaseName());

}  // namespace
