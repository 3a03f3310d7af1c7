#include "ui/TAbsenceWatch.h"

#include <gtest/gtest.h>

#include <wtsapi32.h>

#include <string>
#include <vector>

namespace {

class AbsenceWatchTest : public testing::Test {
protected:
    std::string Record(const char* what, TAbsence::TReason reason) {
        return std::string(what) + (reason == TAbsence::TReason::locked ? " locked" : " asleep");
    }

    TWindow owner{L"dummy", false, nullptr};
    std::vector<std::string> calls;
    TAbsenceWatch::TMessageProcessor processor{
        owner, [this](TAbsence::TReason reason) { calls.push_back(Record("left", reason)); },
        [this](TAbsence::TReason reason) { calls.push_back(Record("returned", reason)); }};
};

TEST_F(AbsenceWatchTest, TurnsPowerAndSessionNoticesIntoCallbacks) {
    const struct {
        UINT message;
        WPARAM event;
        const char* call;  // null: the notice is none of the watch's business
    } notices[] = {{WM_POWERBROADCAST, PBT_APMSUSPEND, "left asleep"},
                   {WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, "returned asleep"},
                   {WM_POWERBROADCAST, PBT_APMRESUMESUSPEND, "returned asleep"},
                   {WM_POWERBROADCAST, PBT_APMPOWERSTATUSCHANGE, nullptr},
                   {WM_POWERBROADCAST, PBT_POWERSETTINGCHANGE, nullptr},
                   {WM_WTSSESSION_CHANGE, WTS_SESSION_LOCK, "left locked"},
                   {WM_WTSSESSION_CHANGE, WTS_SESSION_UNLOCK, "returned locked"},
                   {WM_WTSSESSION_CHANGE, WTS_SESSION_LOGON, nullptr},
                   {WM_WTSSESSION_CHANGE, WTS_REMOTE_CONNECT, nullptr},
                   {WM_TIMER, PBT_APMSUSPEND, nullptr}};
    for (const auto& notice : notices) {
        calls.clear();
        SendMessageW(owner.GetHandle(), notice.message, notice.event, 0);
        EXPECT_EQ(calls, notice.call ? std::vector<std::string>{notice.call} : std::vector<std::string>{})
            << notice.message << " " << notice.event;
    }
}

TEST_F(AbsenceWatchTest, GrantsTheSystemItsSleep) {
    // Windows before Vista asked first; a window that answers anything but TRUE refuses the sleep.
    EXPECT_EQ(SendMessageW(owner.GetHandle(), WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, 0), TRUE);
    EXPECT_EQ(SendMessageW(owner.GetHandle(), WM_POWERBROADCAST, PBT_APMSUSPEND, 0), TRUE);
    EXPECT_EQ(SendMessageW(owner.GetHandle(), WM_POWERBROADCAST, PBT_APMQUERYSUSPEND, 0), TRUE);
}

TEST(AbsenceWatch, HearsTheBroadcastsSentToTopLevelWindows) {
    std::vector<TAbsence::TReason> left;
    TAbsenceWatch watch([&](TAbsence::TReason reason) { left.push_back(reason); }, nullptr);
    SendMessageTimeoutW(HWND_BROADCAST, WM_POWERBROADCAST, PBT_APMSUSPEND, 0, SMTO_ABORTIFHUNG, 5000, nullptr);
    EXPECT_EQ(left, std::vector<TAbsence::TReason>{TAbsence::TReason::asleep});
}

}  // namespace
