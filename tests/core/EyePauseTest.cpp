#include "core/EyePauseSchedule.h"
#include "core/PauseNow.h"
#include "core/TrayTooltip.h"

#include "TCaseName.h"
#include "TScheduleHarness.h"
#include "TStringTables.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// What happens to the schedule at a time, in the order a row lists it.
enum class TStep { tick, lock, unlock, dismissPause, dismissEyePause, pauseReminders, resumeReminders, takePause,
                   presentOn, presentOff, callOn, callOff };

struct TEvent {
    TStep step;
    const char* time;
};

struct TEyeCase {
    const char* name;
    // The next pause start; the eye pause falls due at 08:20:00 (every 20 minutes, 20 seconds long).
    const char* nextPauseStart;
    std::vector<TEvent> events;
    bool eyePauseShown;
    bool pauseShown;
    // The next eye pause start afterwards.
    const char* nextEyePauseStart;
};

class EyePauses : public TScheduleHarness, public testing::WithParamInterface<TEyeCase> {
protected:
    EyePauses() : TScheduleHarness("01:00:00", "00:05:00", GetParam().nextPauseStart, "2026.12.08 08:05:00") {
        state.options.eyePauses = true;
        state.nextEyePauseStart = "2026.12.08 08:20:00";
        state.eyePauseEnd = "2026.12.08 08:00:00";
    }

    void Run(const TEvent& event) {
        switch (event.step) {
        case TStep::tick:
            return Tick(event.time);
        case TStep::lock:
            return Leave(event.time, TAbsence::TReason::locked);
        case TStep::unlock:
            return Return(event.time, TAbsence::TReason::locked);
        case TStep::dismissPause:
            return Dismiss(event.time);
        case TStep::dismissEyePause:
            At(event.time);
            eyeWindow.Hide();
            return OnEyePauseDismissed(state, eyeWindow, clock);
        case TStep::pauseReminders:
            return Choose(event.time, TReminderPause::TChoice::for30Minutes);
        case TStep::resumeReminders:
            return Resume(event.time);
        case TStep::takePause:
            At(event.time);
            OnPauseTakenNow(state, window, clock);
            return;
        case TStep::presentOn:
        case TStep::presentOff:
            presence.presenting = event.step == TStep::presentOn;
            return Tick(event.time);
        case TStep::callOn:
        case TStep::callOff:
            presence.inCall = event.step == TStep::callOn;
            return Tick(event.time);
        }
    }
};

TEST_P(EyePauses, ComeAndWaitAsTheEventsSay) {
    for (const TEvent& event : GetParam().events) {
        SCOPED_TRACE(event.time);
        Run(event);
    }
    EXPECT_EQ(eyeWindow.IsShown, GetParam().eyePauseShown);
    EXPECT_EQ(window.IsShown, GetParam().pauseShown);
    EXPECT_EQ(state.nextEyePauseStart, GetParam().nextEyePauseStart);
}

constexpr const char* FarPause = "2026.12.08 09:00:00";

INSTANTIATE_TEST_SUITE_P(
    EyePauseSchedule, EyePauses,
    testing::Values(
        TEyeCase{"NotAtItsDueMoment", FarPause, {{TStep::tick, "2026.12.08 08:20:00"}}, false, false,
                 "2026.12.08 08:20:00"},
        TEyeCase{"ASecondAfter", FarPause, {{TStep::tick, "2026.12.08 08:20:01"}}, true, false, "2026.12.08 08:20:00"},
        TEyeCase{"EndsByItselfAndTheNextComesAnIntervalLater",
                 FarPause,
                 {{TStep::tick, "2026.12.08 08:20:01"}, {TStep::tick, "2026.12.08 08:20:20"},
                  {TStep::tick, "2026.12.08 08:20:21"}},
                 false, false, "2026.12.08 08:40:21"},
        TEyeCase{"EscBringsItBack",
                 FarPause,
                 {{TStep::tick, "2026.12.08 08:20:01"}, {TStep::dismissEyePause, "2026.12.08 08:20:05"}},
                 true, false, "2026.12.08 08:20:00"},
        TEyeCase{"AfterTheEndOfAPause", "2026.12.08 08:10:00",
                 {{TStep::tick, "2026.12.08 08:10:01"}, {TStep::dismissPause, "2026.12.08 08:15:30"}}, false, false,
                 "2026.12.08 08:35:30"},
        TEyeCase{"AfterAwayAsLongAsAnEyePause", FarPause,
                 {{TStep::lock, "2026.12.08 08:10:00"}, {TStep::unlock, "2026.12.08 08:10:20"}}, false, false,
                 "2026.12.08 08:30:20"},
        TEyeCase{"ShorterAwayChangesNothing", FarPause,
                 {{TStep::lock, "2026.12.08 08:10:00"}, {TStep::unlock, "2026.12.08 08:10:19"}}, false, false,
                 "2026.12.08 08:20:00"},
        TEyeCase{"WaitsWhileAway", FarPause,
                 {{TStep::lock, "2026.12.08 08:19:59"}, {TStep::tick, "2026.12.08 08:20:01"}}, false, false,
                 "2026.12.08 08:20:00"},
        TEyeCase{"WaitsForAPresentation",
                 FarPause,
                 {{TStep::presentOn, "2026.12.08 08:20:01"}, {TStep::tick, "2026.12.08 08:25:00"}},
                 false, false, "2026.12.08 08:20:00"},
        TEyeCase{"ComesWhenThePresentationEnds",
                 FarPause,
                 {{TStep::presentOn, "2026.12.08 08:20:01"}, {TStep::presentOff, "2026.12.08 08:25:00"}},
                 true, false, "2026.12.08 08:20:00"},
        TEyeCase{"WaitsForACall", FarPause, {{TStep::callOn, "2026.12.08 08:20:01"}}, false, false,
                 "2026.12.08 08:20:00"},
        TEyeCase{"ComesWhenTheCallEnds",
                 FarPause,
                 {{TStep::callOn, "2026.12.08 08:20:01"}, {TStep::callOff, "2026.12.08 08:30:00"}},
                 true, false, "2026.12.08 08:20:00"},
        TEyeCase{"WaitsWhileRemindersPaused", FarPause,
                 {{TStep::pauseReminders, "2026.12.08 08:10:00"}, {TStep::tick, "2026.12.08 08:20:01"}}, false,
                 false, "2026.12.08 08:20:00"},
        TEyeCase{"ResumedRemindersStartTheIntervalOver", FarPause,
                 {{TStep::pauseReminders, "2026.12.08 08:10:00"}, {TStep::resumeReminders, "2026.12.08 08:25:00"},
                  {TStep::tick, "2026.12.08 08:25:01"}},
                 false, false, "2026.12.08 08:45:00"},
        // A quarter of the eye interval is five minutes.
        TEyeCase{"GivesWayToAPauseWithinAQuarter", "2026.12.08 08:25:00", {{TStep::tick, "2026.12.08 08:20:01"}},
                 false, false, "2026.12.08 08:20:00"},
        TEyeCase{"ComesBeforeAPauseAQuarterAway", "2026.12.08 08:25:01", {{TStep::tick, "2026.12.08 08:20:01"}},
                 true, false, "2026.12.08 08:20:00"},
        TEyeCase{"ThePauseComesInsteadAndItsEndRestartsTheInterval", "2026.12.08 08:24:00",
                 {{TStep::tick, "2026.12.08 08:20:01"}, {TStep::tick, "2026.12.08 08:24:01"},
                  {TStep::tick, "2026.12.08 08:29:01"}, {TStep::dismissPause, "2026.12.08 08:29:10"}},
                 false, false, "2026.12.08 08:49:10"},
        TEyeCase{"NeverWhileAPauseShows", FarPause,
                 {{TStep::takePause, "2026.12.08 08:19:00"}, {TStep::tick, "2026.12.08 08:20:01"}}, false, true,
                 "2026.12.08 08:20:00"},
        TEyeCase{"APauseTakenNowEndsIt", FarPause,
                 {{TStep::tick, "2026.12.08 08:20:01"}, {TStep::takePause, "2026.12.08 08:20:05"},
                  {TStep::tick, "2026.12.08 08:20:06"}},
                 false, true, "2026.12.08 08:40:06"}),
    TCaseName());

// A pause falling due during an eye pause waits for its end: an eye pause of four minutes every ten
// may come 2.5 minutes or more before the pause.
class LongEyePause : public TScheduleHarness {
protected:
    LongEyePause() : TScheduleHarness("01:00:00", "00:05:00", "2026.12.08 08:23:00", "2026.12.08 08:00:00") {
        state.options.eyePauses = true;
        state.options.eyePauseInterval = "00:10:00";
        state.options.eyePauseLength = "00:04:00";
        state.nextEyePauseStart = "2026.12.08 08:20:00";
    }
};

TEST_F(LongEyePause, APauseDueMeanwhileBeginsAtItsEnd) {
    Tick("2026.12.08 08:20:01");
    ASSERT_TRUE(eyeWindow.IsShown);
    Tick("2026.12.08 08:23:01");
    Tick("2026.12.08 08:24:00");
    EXPECT_TRUE(eyeWindow.IsShown);
    EXPECT_FALSE(window.IsShown);
    Tick("2026.12.08 08:24:01");
    EXPECT_FALSE(eyeWindow.IsShown);
    EXPECT_TRUE(window.IsShown);
}

struct TEyeTipCase {
    const char* name;
    bool eyePauses;
    const char* nextEyePauseStart;
    const char* nextPauseStart;
    bool eyePauseShown;
    std::wstring secondLine;
};

class EyeTooltip : public testing::TestWithParam<TEyeTipCase> {};

TEST_P(EyeTooltip, NamesTheNearerOfTheTwo) {
    const TEyeTipCase& c = GetParam();
    AppState state;
    state.interval = "01:00:00";
    state.pauseLength = "00:05:00";
    state.options.eyePauses = c.eyePauses;
    state.nextEyePauseStart = c.nextEyePauseStart;
    state.eyePauseEnd = "2026.12.08 09:00:12";
    state.nextPauseStart = c.nextPauseStart;
    EXPECT_EQ(TrayTooltip(EnglishTexts(), state, false, "2026.12.08 09:00:00", TWaitReason::none, c.eyePauseShown),
              L"Tavelin\n" + c.secondLine);
}

INSTANTIATE_TEST_SUITE_P(
    Tooltip, EyeTooltip,
    testing::Values(
        TEyeTipCase{"EyePauseNearer", true, "2026.12.08 09:04:00", "2026.12.08 09:25:00", false,
                    L"Next eye pause in 4 min"},
        TEyeTipCase{"PauseNearer", true, "2026.12.08 09:30:00", "2026.12.08 09:25:00", false,
                    L"Next pause in 25 min"},
        TEyeTipCase{"EyePausesOff", false, "2026.12.08 09:04:00", "2026.12.08 09:25:00", false,
                    L"Next pause in 25 min"},
        TEyeTipCase{"EyePauseGivenUpForTheNearPause", true, "2026.12.08 09:04:00", "2026.12.08 09:08:59", false,
                    L"Next pause in 9 min"},
        TEyeTipCase{"EyePauseShows", true, "2026.12.08 08:59:00", "2026.12.08 09:25:00", true,
                    L"Eye pause: 00:00:12 left"}),
    TCaseName());

}  // namespace
