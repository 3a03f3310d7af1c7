#include "core/PauseSchedule.h"

#include "TCaseName.h"
#include "TScheduleHarness.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

class Schedule : public TScheduleHarness {
protected:
    Schedule() : TScheduleHarness("01:00:00", "00:05:00", "2026.12.08 10:00:00", "2026.12.08 10:05:00") {}
};

TEST_F(Schedule, BeginsOnlyOnceTheStartHasStrictlyPassed) {
    Tick("2026.12.08 09:59:59");
    Tick("2026.12.08 10:00:00");
    EXPECT_FALSE(window.IsShown);
    EXPECT_TRUE(window.shown.empty());
    Tick("2026.12.08 10:00:01");
    EXPECT_TRUE(window.IsShown);
    EXPECT_EQ(window.shown, std::vector<std::string>{"00:05:00"});
    EXPECT_EQ(state.pauseEnd, "2026.12.08 10:05:01");
    EXPECT_EQ(state.nextPauseStart, "2026.12.08 10:00:00");
}

TEST_F(Schedule, ReadsTheClockAfreshForEachStep) {
    // The second changes between the readings of one tick.
    std::vector<std::string> readings{"2026.12.08 10:00:01", "2026.12.08 10:00:01", "2026.12.08 10:00:02"};
    std::size_t next = 0;
    OnTimerTick(state, window, [&] { return readings[std::min(next++, readings.size() - 1)]; }, absence,
                presence.Sources(), presence.HeadsUp());
    EXPECT_EQ(window.shown, std::vector<std::string>{"00:04:59"});
}

TEST_F(Schedule, CountsDownAcrossMidnightToEnough) {
    state.nextPauseStart = "2026.12.08 23:57:59";
    Tick("2026.12.08 23:58:00");
    EXPECT_EQ(state.pauseEnd, "2026.12.09 00:03:00");
    Tick("2026.12.08 23:59:59");
    Tick("2026.12.09 00:00:00");
    Tick("2026.12.09 00:03:00");
    Tick("2026.12.09 00:03:01");
    Tick("2026.12.09 00:13:01");
    EXPECT_EQ(window.shown, (std::vector<std::string>{"00:05:00", "00:03:01", "00:03:00", "00:00:00", "", ""}));
}

TEST_F(Schedule, RefusesToEndAPauseEarly) {
    BeginPause("2026.12.08 10:00:01");
    Dismiss("2026.12.08 10:03:00");
    EXPECT_TRUE(window.IsShown);
    EXPECT_EQ(window.shown.back(), "00:02:01");
    EXPECT_EQ(state.nextPauseStart, "2026.12.08 10:00:00");
    EXPECT_EQ(state.pauseEnd, "2026.12.08 10:05:01");
}

TEST_F(Schedule, EndsAPauseAtItsEndAndTimesTheNextFromTheDismissal) {
    const struct {
        const char* dismissal;
        const char* nextPauseStart;
    } cases[] = {{"2026.12.08 10:05:01", "2026.12.08 11:05:01"}, {"2026.12.08 10:15:01", "2026.12.08 11:15:01"}};
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.dismissal);
        BeginPause("2026.12.08 10:00:01");
        const std::size_t shownBefore = window.shown.size();
        Dismiss(entry.dismissal);
        EXPECT_FALSE(window.IsShown);
        EXPECT_EQ(window.shown.size(), shownBefore);
        EXPECT_EQ(state.nextPauseStart, entry.nextPauseStart);
        EXPECT_EQ(state.pauseEnd, "2026.12.08 10:05:01");
    }
}

TEST_F(Schedule, WithAZeroIntervalTheNextPauseBeginsASecondAfterTheDismissal) {
    state.interval = "00:00:00";
    BeginPause("2026.12.08 10:00:01");
    Dismiss("2026.12.08 10:05:01");
    Tick("2026.12.08 10:05:01");
    EXPECT_FALSE(window.IsShown);
    Tick("2026.12.08 10:05:02");
    EXPECT_TRUE(window.IsShown);
}

TEST_F(Schedule, ZeroPauseLengthShowsNoTimeThenEnough) {
    state.pauseLength = "00:00:00";
    BeginPause("2026.12.08 10:00:01");
    Tick("2026.12.08 10:00:02");
    EXPECT_EQ(window.shown, (std::vector<std::string>{"00:00:00", ""}));
}

TEST_F(Schedule, NewSettingsMoveTheTimesByTheChangeAndSaveThem) {
    struct TCase {
        const char* interval;
        const char* pauseLength;
        const char* nextPauseStart;
        const char* pauseEnd;
    };
    // Started at 09:00:00 with the defaults, changed at 09:20:00.
    const TCase cases[] = {{"00:30:00", "00:05:00", "2026.12.08 09:30:00", "2026.12.08 10:05:00"},
                           {"00:10:00", "00:10:00", "2026.12.08 09:10:00", "2026.12.08 10:10:00"},
                           {"01:00:00", "00:05:00", "2026.12.08 10:00:00", "2026.12.08 10:05:00"}};
    for (const auto& entry : cases) {
        SCOPED_TRACE(testing::Message() << entry.interval << " " << entry.pauseLength);
        EXPECT_FALSE(Accept("2026.12.08 09:20:00", entry.interval, entry.pauseLength));
        EXPECT_EQ(state.interval, entry.interval);
        EXPECT_EQ(state.pauseLength, entry.pauseLength);
        EXPECT_EQ(state.nextPauseStart, entry.nextPauseStart);
        EXPECT_EQ(state.pauseEnd, entry.pauseEnd);
        EXPECT_FALSE(window.IsShown);
        EXPECT_EQ(ReadBytes(state.dataFolder + L"\\config"),
                  std::string(entry.interval) + "\r\n" + entry.pauseLength + "\r\n");
    }
    Tick("2026.12.08 09:20:01");
    EXPECT_FALSE(window.IsShown);
}

TEST_F(Schedule, AShorterIntervalWhosePauseHasPassedBeginsAtTheNextTick) {
    Accept("2026.12.08 09:20:00", "00:10:00", "00:05:00");
    Tick("2026.12.08 09:20:01");
    EXPECT_TRUE(window.IsShown);
}

TEST_F(Schedule, NewPauseLengthRefreshesARunningPause) {
    BeginPause("2026.12.08 10:00:01");
    Accept("2026.12.08 10:03:01", "01:00:00", "00:10:00");
    EXPECT_EQ(state.pauseEnd, "2026.12.08 10:10:01");
    EXPECT_EQ(window.shown.back(), "00:07:00");
    // Over, then lengthened so the end lies ahead again: the countdown comes back.
    Accept("2026.12.08 10:12:00", "01:00:00", "00:05:00");
    EXPECT_EQ(window.shown.back(), "");
    Accept("2026.12.08 10:12:00", "01:00:00", "00:15:00");
    EXPECT_EQ(window.shown.back(), "00:03:01");
}

TEST_F(Schedule, KeepsNewValuesAndReportsWhenTheFileCannotBeWritten) {
    state.dataFolder = folder.Wide(L"missing\\Tavelin");
    EXPECT_TRUE(Accept("2026.12.08 09:20:00", "00:30:00", "00:10:00"));
    EXPECT_EQ(state.interval, "00:30:00");
    EXPECT_EQ(state.pauseLength, "00:10:00");
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "missing"));
}

struct TAwayCase {
    const char* name;
    bool pausing;  // a pause began at 10:00:01, ending 10:05:01, before the user left
    TAbsence::TReason reason;
    const char* left;
    const char* returned;
    const char* nextPauseStart;  // after the return
    const char* pauseEnd;
    const char* shownAtReturn;  // what the window was given at the return; null when nothing
    // Then, while waiting, a tick a second after the return; during a pause, a dismissal at the return.
    bool shownAfterwards;
};

class TimeAway : public Schedule, public testing::WithParamInterface<TAwayCase> {};

TEST_P(TimeAway, CountsAsAPauseWhenAtLeastAsLong) {
    const TAwayCase& entry = GetParam();
    if (entry.pausing) {
        BeginPause("2026.12.08 10:00:01");
    }
    const std::size_t shownBefore = window.shown.size();
    Leave(entry.left, entry.reason);
    Return(entry.returned, entry.reason);
    EXPECT_FALSE(absence.IsAway());
    EXPECT_EQ(state.nextPauseStart, entry.nextPauseStart);
    EXPECT_EQ(state.pauseEnd, entry.pauseEnd);
    if (entry.shownAtReturn == nullptr) {
        EXPECT_EQ(window.shown.size(), shownBefore);
    } else {
        ASSERT_EQ(window.shown.size(), shownBefore + 1);
        EXPECT_EQ(window.shown.back(), entry.shownAtReturn);
    }
    if (entry.pausing) {
        Dismiss(entry.returned);
    } else {
        Tick(ShiftTimestamp(entry.returned, "00:00:01", true));
    }
    EXPECT_EQ(window.IsShown, entry.shownAfterwards);
}

using enum TAbsence::TReason;
const TAwayCase awayCases[] = {
    {"ShortLockWhileWaiting", false, locked, "2026.12.08 09:50:00", "2026.12.08 09:54:59", "2026.12.08 10:00:00",
     "2026.12.08 10:05:00", nullptr, false},
    {"LockAsLongAsAPauseWhileWaiting", false, locked, "2026.12.08 09:50:00", "2026.12.08 09:55:00",
     "2026.12.08 10:55:00", "2026.12.08 10:05:00", nullptr, false},
    {"SleepPastTheNextPause", false, asleep, "2026.12.08 09:50:00", "2026.12.08 10:20:00", "2026.12.08 11:20:00",
     "2026.12.08 10:05:00", nullptr, false},
    {"ShortSleepPastTheNextPauseLetsItBegin", false, asleep, "2026.12.08 09:58:00", "2026.12.08 10:02:59",
     "2026.12.08 10:00:00", "2026.12.08 10:05:00", nullptr, true},
    {"ShortLockDuringAPause", true, locked, "2026.12.08 10:01:00", "2026.12.08 10:05:00", "2026.12.08 10:00:00",
     "2026.12.08 10:05:01", nullptr, true},
    {"LockAsLongAsThePauseEndsIt", true, locked, "2026.12.08 10:00:01", "2026.12.08 10:05:01",
     "2026.12.08 10:00:00", "2026.12.08 10:05:00", "", false},
    {"SleepPastThePauseEndsIt", true, asleep, "2026.12.08 10:02:00", "2026.12.08 10:30:00", "2026.12.08 10:00:00",
     "2026.12.08 10:05:01", "", false},
};
INSTANTIATE_TEST_SUITE_P(Cases, TimeAway, testing::ValuesIn(awayCases),
                         TCaseName());

TEST_F(Schedule, NoPauseBeginsWhileAwayAndTheLastReasonEndsTheAbsence) {
    Leave("2026.12.08 09:56:00", TAbsence::TReason::locked);
    Leave("2026.12.08 09:58:00", TAbsence::TReason::asleep);
    Return("2026.12.08 10:01:30", TAbsence::TReason::asleep);
    EXPECT_TRUE(absence.IsAway());
    Tick("2026.12.08 10:01:31");
    EXPECT_FALSE(window.IsShown);
    EXPECT_EQ(state.nextPauseStart, "2026.12.08 10:00:00");
    // Away from the lock on, six minutes: long enough.
    Return("2026.12.08 10:02:00", TAbsence::TReason::locked);
    EXPECT_EQ(state.nextPauseStart, "2026.12.08 11:02:00");
    // The second wake notice, and a wake without a sleep, change nothing.
    Return("2026.12.08 10:40:00", TAbsence::TReason::asleep);
    Return("2026.12.08 10:40:00", TAbsence::TReason::locked);
    EXPECT_EQ(state.nextPauseStart, "2026.12.08 11:02:00");
    EXPECT_FALSE(absence.IsAway());
}

TEST_F(Schedule, ADuePauseWaitsForThePresentationToEnd) {
    const struct {
        const char* time;
        bool presenting;
        std::vector<std::string> shown;
    } ticks[] = {{"2026.12.08 10:00:01", true, {}},
                 {"2026.12.08 10:06:59", true, {}},
                 {"2026.12.08 10:07:00", false, {"00:05:00"}},
                 // A pause already running goes on when a presentation starts.
                 {"2026.12.08 10:08:00", true, {"00:05:00", "00:04:00"}}};
    for (const auto& tick : ticks) {
        SCOPED_TRACE(tick.time);
        presence.presenting = tick.presenting;
        Tick(tick.time);
        EXPECT_EQ(window.shown, tick.shown) << tick.time;
    }
    EXPECT_EQ(state.pauseEnd, "2026.12.08 10:12:00");
}

TEST_F(Schedule, ADuePauseWaitsForACallAndReadsItOnlyOnceDue) {
    presence.inCall = true;
    Tick("2026.12.08 09:30:00");
    Tick("2026.12.08 10:00:00");
    EXPECT_EQ(presence.callReads, 0) << "not read while a pause is neither due nor announced";
    Tick("2026.12.08 10:00:01");
    EXPECT_EQ(waiting, TWaitReason::call);
    EXPECT_FALSE(window.IsShown);
    presence.presenting = true;
    Tick("2026.12.08 10:03:00");
    EXPECT_EQ(waiting, TWaitReason::presentation) << "a presentation is told first";
    presence.presenting = false;
    presence.inCall = false;
    Tick("2026.12.08 10:04:00");
    EXPECT_EQ(waiting, TWaitReason::none);
    EXPECT_EQ(window.shown, std::vector<std::string>{"00:05:00"});
    const int readsDuringThePause = presence.callReads;
    Tick("2026.12.08 10:05:00");
    EXPECT_EQ(presence.callReads, readsDuringThePause) << "not read while a pause shows";
}

struct TIdleCase {
    const char* name;
    const char* pauseLength;
    std::uint64_t idleSeconds;  // at the tick a second after the pause start
    bool displayRequired;
    bool away;
};

class IdleAtTheDueMoment : public Schedule, public testing::WithParamInterface<TIdleCase> {};

// Away, the due pause waits, and input at 10:20:00 (two seconds before that tick) times the next
// pause one interval from it. Present, the pause begins.
TEST_P(IdleAtTheDueMoment, CountsAsTimeAwayFromTheThresholdOn) {
    const TIdleCase& entry = GetParam();
    state.pauseLength = entry.pauseLength;
    presence.displayRequired = entry.displayRequired;
    presence.millisecondsSinceInput = entry.idleSeconds * 1000 + 999;
    Tick("2026.12.08 10:00:01");
    EXPECT_EQ(window.IsShown, !entry.away);
    EXPECT_EQ(waiting, entry.away ? TWaitReason::away : TWaitReason::none);
    if (!entry.away) {
        return;
    }
    presence.millisecondsSinceInput += 1200 * 1000;
    Tick("2026.12.08 10:20:01");
    EXPECT_EQ(waiting, TWaitReason::away);
    EXPECT_EQ(state.nextPauseStart, "2026.12.08 10:00:00");
    presence.millisecondsSinceInput = 2500;
    Tick("2026.12.08 10:20:02");
    EXPECT_FALSE(absence.IsAway());
    EXPECT_EQ(state.nextPauseStart, "2026.12.08 11:20:00");
    EXPECT_FALSE(window.IsShown);
    EXPECT_EQ(waiting, TWaitReason::none);
}

const TIdleCase idleCases[] = {
    {"ShorterThanAPause", "00:05:00", 299, false, false},
    {"AsLongAsAPause", "00:05:00", 300, false, true},
    {"LongerThanAPause", "00:05:00", 5000, false, true},
    {"AShortPauseLengthButUnderTwoMinutes", "00:00:30", 119, false, false},
    {"AShortPauseLengthAndTwoMinutes", "00:00:30", 120, false, true},
    {"AsLongAsAPauseWhileTheDisplayIsKeptOn", "00:05:00", 5000, true, false},
};
INSTANTIATE_TEST_SUITE_P(Cases, IdleAtTheDueMoment, testing::ValuesIn(idleCases),
                         TCaseName());

TEST_F(Schedule, AnIdleStretchBeginsAtTheLastInputNotWhenNoticed) {
    // Noticed at 09:50:00, seven minutes after the last input; back at 09:50:30, before the pause.
    presence.millisecondsSinceInput = 420 * 1000;
    Tick("2026.12.08 09:50:00");
    EXPECT_TRUE(absence.IsAway());
    presence.millisecondsSinceInput = 0;
    Tick("2026.12.08 09:50:30");
    EXPECT_EQ(state.nextPauseStart, "2026.12.08 10:50:30");
    // A later stretch under the threshold changes nothing.
    presence.millisecondsSinceInput = 299 * 1000;
    Tick("2026.12.08 10:00:00");
    presence.millisecondsSinceInput = 0;
    Tick("2026.12.08 10:00:01");
    EXPECT_EQ(state.nextPauseStart, "2026.12.08 10:50:30");
}

TEST_F(Schedule, IdleWhileAPauseShowsDoesNotTouchIt) {
    BeginPause("2026.12.08 10:00:01");
    presence.millisecondsSinceInput = 3600 * 1000;
    Tick("2026.12.08 10:04:00");
    Tick("2026.12.08 10:06:00");
    EXPECT_FALSE(absence.IsAway());
    EXPECT_EQ(state.pauseEnd, "2026.12.08 10:05:01");
    EXPECT_EQ(window.shown, (std::vector<std::string>{"00:05:00", "00:01:01", ""}));
    presence.millisecondsSinceInput = 0;
    Dismiss("2026.12.08 10:06:30");
    Tick("2026.12.08 10:06:31");
    EXPECT_EQ(state.nextPauseStart, "2026.12.08 11:06:30");
}

TEST_F(Schedule, AReturnDuringAPresentationOrACallTimesTheNextPauseFromIt) {
    const struct {
        bool presenting;
        bool inCall;
        TWaitReason reasonLater;
    } cases[] = {{true, false, TWaitReason::presentation}, {false, true, TWaitReason::call}};
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.presenting ? "presenting" : "in a call");
        state.nextPauseStart = "2026.12.08 10:00:00";
        presence.presenting = entry.presenting;
        presence.inCall = entry.inCall;
        presence.millisecondsSinceInput = 600 * 1000;
        Tick("2026.12.08 10:00:01");
        EXPECT_EQ(waiting, TWaitReason::away);
        presence.millisecondsSinceInput = 0;
        Tick("2026.12.08 10:05:00");
        EXPECT_EQ(state.nextPauseStart, "2026.12.08 11:05:00");
        EXPECT_EQ(waiting, TWaitReason::none);
        Tick("2026.12.08 11:05:01");
        EXPECT_EQ(waiting, entry.reasonLater);
        EXPECT_FALSE(window.IsShown);
    }
}

TEST_F(Schedule, AnIdleStretchAndALockEndOnlyOnceBothHaveEnded) {
    presence.millisecondsSinceInput = 300 * 1000;
    Tick("2026.12.08 09:40:00");
    Leave("2026.12.08 09:41:00", TAbsence::TReason::locked);
    Return("2026.12.08 09:45:00", TAbsence::TReason::locked);
    EXPECT_TRUE(absence.IsAway()) << "no input yet";
    EXPECT_EQ(state.nextPauseStart, "2026.12.08 10:00:00");
    presence.millisecondsSinceInput = 0;
    Tick("2026.12.08 09:46:00");
    EXPECT_EQ(state.nextPauseStart, "2026.12.08 10:46:00");
}

struct THeadsUpCase {
    const char* name;
    const char* interval;
    const char* pauseLength;
    const char* expectedAt;  // null for none
    const wchar_t* text;
};

class HeadsUpMoment : public Schedule, public testing::WithParamInterface<THeadsUpCase> {};

// Ticks every second from two minutes before the pause start of 10:00:00 up to it.
TEST_P(HeadsUpMoment, ComesOnceTheLeadBeforeThePause) {
    const THeadsUpCase& entry = GetParam();
    state.interval = entry.interval;
    state.pauseLength = entry.pauseLength;
    std::vector<std::string> at;
    for (std::string time = "2026.12.08 09:58:00"; time <= "2026.12.08 10:00:00";
         time = ShiftTimestamp(time, "00:00:01", true)) {
        const std::size_t before = presence.headsUps.size();
        Tick(time);
        if (presence.headsUps.size() > before) {
            at.push_back(time);
        }
    }
    if (entry.expectedAt == nullptr) {
        EXPECT_TRUE(at.empty());
        return;
    }
    EXPECT_EQ(at, std::vector<std::string>{entry.expectedAt});
    EXPECT_EQ(presence.headsUps, std::vector<std::wstring>{entry.text});
}

const THeadsUpCase headsUpCases[] = {
    {"AnHour", "01:00:00", "00:05:00", "2026.12.08 09:59:00", L"A 5-minute pause begins in 1 minute."},
    {"FourMinutes", "00:04:00", "00:00:30", "2026.12.08 09:59:00", L"A 30-second pause begins in 1 minute."},
    {"JustUnderFourMinutes", "00:03:59", "00:08:00", "2026.12.08 09:59:01", L"An 8-minute pause begins in 1 minute."},
    {"TwoMinutes", "00:02:00", "01:00:00", "2026.12.08 09:59:30", L"A 1-hour pause begins in 30 seconds."},
    {"TwelveSeconds", "00:00:12", "00:00:05", "2026.12.08 09:59:57", L"A 5-second pause begins in 3 seconds."},
    {"FourSeconds", "00:00:04", "00:11:00", "2026.12.08 09:59:59", L"An 11-minute pause begins in 1 second."},
    {"ThreeSecondsLeaveNoRoom", "00:00:03", "00:05:00", nullptr, L""},
};
INSTANTIATE_TEST_SUITE_P(Cases, HeadsUpMoment, testing::ValuesIn(headsUpCases),
                         TCaseName());

struct THeldHeadsUpCase {
    const char* name;
    bool idle;
    bool presenting;
    bool inCall;
};

class HeadsUpHeld : public Schedule, public testing::WithParamInterface<THeldHeadsUpCase> {};

// Held through the lead, none comes, nor while the due pause waits; held only at its start, it comes
// once the hold ends, with the time then left, except after time away, whose end re-times the pause.
TEST_P(HeadsUpHeld, NeverWhileAwayPresentingOrInACall) {
    const THeldHeadsUpCase& entry = GetParam();
    const auto hold = [&](bool held) {
        presence.millisecondsSinceInput = held && entry.idle ? 600 * 1000 : 0;
        presence.presenting = held && entry.presenting;
        presence.inCall = held && entry.inCall;
    };
    hold(true);
    for (const char* time : {"2026.12.08 09:59:00", "2026.12.08 09:59:30", "2026.12.08 10:00:00",
                             "2026.12.08 10:00:01", "2026.12.08 10:00:30"}) {
        Tick(time);
    }
    EXPECT_TRUE(presence.headsUps.empty());
    EXPECT_NE(waiting, TWaitReason::none);

    state.nextPauseStart = "2026.12.08 11:00:00";
    Tick("2026.12.08 10:59:00");
    hold(false);
    Tick("2026.12.08 10:59:35");
    Tick("2026.12.08 10:59:36");
    EXPECT_EQ(presence.headsUps, entry.idle ? std::vector<std::wstring>{}
                                            : std::vector<std::wstring>{L"A 5-minute pause begins in 25 seconds."});
    EXPECT_EQ(state.nextPauseStart, entry.idle ? "2026.12.08 11:59:35" : "2026.12.08 11:00:00");
}

const THeldHeadsUpCase heldCases[] = {
    {"Away", true, false, false}, {"Presenting", false, true, false}, {"InACall", false, false, true}};
INSTANTIATE_TEST_SUITE_P(Cases, HeadsUpHeld, testing::ValuesIn(heldCases),
                         TCaseName());

TEST_F(Schedule, EachIntervalGetsItsOwnHeadsUp) {
    Tick("2026.12.08 09:59:00");
    BeginPause("2026.12.08 10:00:01");
    Dismiss("2026.12.08 10:05:01");
    Tick("2026.12.08 11:04:01");
    Tick("2026.12.08 11:04:02");
    EXPECT_EQ(presence.headsUps.size(), 2u);
}

TEST(HeadsUpText, NamesThePauseLengthInItsLargestWholeUnit) {
    const struct {
        const char* pauseLength;
        std::int64_t secondsLeft;
        const wchar_t* text;
    } cases[] = {{"00:05:00", 60, L"A 5-minute pause begins in 1 minute."},
                 {"00:05:00", 55, L"A 5-minute pause begins in 1 minute."},
                 {"00:05:00", 54, L"A 5-minute pause begins in 54 seconds."},
                 {"00:01:30", 1, L"A 90-second pause begins in 1 second."},
                 {"02:00:00", 60, L"A 2-hour pause begins in 1 minute."},
                 {"01:30:00", 60, L"A 90-minute pause begins in 1 minute."},
                 {"00:18:00", 60, L"An 18-minute pause begins in 1 minute."},
                 {"00:00:08", 60, L"An 8-second pause begins in 1 minute."},
                 {"00:01:20", 60, L"An 80-second pause begins in 1 minute."},
                 {"00:13:20", 60, L"An 800-second pause begins in 1 minute."},
                 {"03:03:20", 60, L"An 11000-second pause begins in 1 minute."},
                 {"00:18:20", 60, L"A 1100-second pause begins in 1 minute."},
                 {"00:00:01", 60, L"A 1-second pause begins in 1 minute."}};
    for (const auto& entry : cases) {
        EXPECT_EQ(HeadsUpText(EnglishTexts(), entry.pauseLength, entry.secondsLeft), entry.text) << entry.pauseLength;
    }
}

}  // namespace
