#include "toolkit/TControlButton.h"
#include "toolkit/TControlCancelHandler.h"
#include "toolkit/TRepeatedAction.h"
#include "toolkit/MessageLoop.h"
#include "toolkit/TWindow.h"

#include "TRecordingControl.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using TLog = std::vector<std::string>;

// A shown window with two buttons and a cancel handler, in the dialog list or not (the parameter).
class MessageLoopTest : public testing::TestWithParam<bool> {
protected:
    MessageLoopTest() {
        window.Move(TPoint(50, 50), TSize(300, 200));
        defaultButton.Move(TPoint(10, 10), TSize(80, 30));
        plainButton.Move(TPoint(100, 10), TSize(80, 30));
        defaultButton.SetOnClick([this] { log.push_back("default"); });
        plainButton.SetOnClick([this] { log.push_back("plain"); });
        cancelHandler.SetOnCancel([this] { log.push_back("cancel"); });
        window.Show(true);
        SetFocus(defaultButton.GetHandle());
    }

    // Types the key into the focused control, then runs the loop until Quit; gives up after five seconds.
    void Run(WPARAM key = 0) {
        if (key != 0) {
            PostMessageW(GetFocus(), WM_KEYDOWN, key, 1);
            PostMessageW(GetFocus(), WM_KEYUP, key, 0xC0000001);
        }
        Quit();
        bool timedOut = false;
        const TRepeatedAction safety(
            [&] {
                timedOut = true;
                PostQuitMessage(0);
            },
            5.0);
        RunMessageLoop(dialogWindows);
        EXPECT_FALSE(timedOut);
    }

    TLog Listed(TLog expected) const { return GetParam() ? expected : TLog{}; }

    TLog log;
    TWindowList dialogWindows;
    TWindow window{L"loop", false, GetParam() ? &dialogWindows : nullptr};
    TControlButton defaultButton{window, L"OK", true};
    TControlButton plainButton{window, L"Other", false};
    TControlCancelHandler cancelHandler{window};
};

TEST_P(MessageLoopTest, TabMovesTheFocusInAListedWindow) {
    ASSERT_EQ(GetFocus(), defaultButton.GetHandle());
    Run(VK_TAB);
    EXPECT_EQ(GetFocus(), GetParam() ? plainButton.GetHandle() : defaultButton.GetHandle());
}

TEST_P(MessageLoopTest, EnterReachesTheDefaultButtonAndEscTheCancelHandlerInAListedWindow) {
    SetFocus(plainButton.GetHandle());
    Run(VK_RETURN);
    EXPECT_EQ(log, Listed({"default"}));
    log.clear();
    Run(VK_ESCAPE);
    EXPECT_EQ(log, Listed({"cancel"}));
}

// IsDialogMessageW dispatches what it takes itself; the loop must not dispatch it again.
TEST_P(MessageLoopTest, HandlesEveryMessageOnceTranslatesKeysAndEndsAfterWhatWasPosted) {
    TWindow outside(L"outside", false, nullptr);
    const TRecordingControl posted(window, log, "posted", WM_APP);
    const TRecordingControl typed(window, log, "typed", WM_CHAR);
    const TRecordingControl elsewhere(outside, log, "elsewhere", WM_APP);
    PostMessageW(window.GetHandle(), WM_APP, 0, 0);
    PostMessageW(outside.GetHandle(), WM_APP, 0, 0);
    PostMessageW(window.GetHandle(), WM_KEYDOWN, 'A', 1);
    Run();
    EXPECT_EQ(log, (TLog{"posted", "elsewhere", "typed"}));
}

INSTANTIATE_TEST_SUITE_P(Listed, MessageLoopTest, testing::Bool());

}  // namespace
