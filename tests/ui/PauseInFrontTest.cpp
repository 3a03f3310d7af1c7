#include "ui/TPauseWindow.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

namespace {

bool IsTopmost(HWND window) {
    return (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

// The top-level windows from the top of the window order down.
std::vector<HWND> WindowOrder() {
    std::vector<HWND> order;
    EnumWindows(
        [](HWND window, LPARAM list) {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&order));
    return order;
}

bool IsAbove(HWND upper, HWND lower) {
    const std::vector<HWND> order = WindowOrder();
    return std::find(order.begin(), order.end(), upper) < std::find(order.begin(), order.end(), lower);
}

class PauseInFrontTest : public testing::Test {
protected:
    TWindowList dialogWindows;
    TPauseWindow window{dialogWindows, EnglishResourceTexts()};
    TWindow other{L"other", false, nullptr};
};

TEST_F(PauseInFrontTest, StaysAboveAnActivatedWindowUntilDismissedWithoutTakingTheFocusBack) {
    EXPECT_FALSE(IsTopmost(window.GetHandle()));
    window.ShowTimeLeft("00:00:02");
    EXPECT_TRUE(IsTopmost(window.GetHandle()));

    other.Show(true);
    DrainMessages();
    ASSERT_EQ(GetForegroundWindow(), other.GetHandle());
    EXPECT_TRUE(IsAbove(window.GetHandle(), other.GetHandle()));

    // Another topmost window over it goes under at the next second's update.
    SetWindowPos(other.GetHandle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ASSERT_TRUE(IsAbove(other.GetHandle(), window.GetHandle()));
    window.ShowTimeLeft("");
    EXPECT_TRUE(IsAbove(window.GetHandle(), other.GetHandle()));
    EXPECT_EQ(GetForegroundWindow(), other.GetHandle());

    SendMessageW(window.GetHandle(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(window.IsShown);
    EXPECT_FALSE(IsTopmost(window.GetHandle()));
}

struct TMinimizeCase {
    const char* name;
    std::function<void(HWND)> minimize;
};

class PauseMinimizedTest : public PauseInFrontTest, public testing::WithParamInterface<TMinimizeCase> {};

TEST_P(PauseMinimizedTest, IsRestoredAtOnce) {
    window.ShowTimeLeft("00:05:00");
    GetParam().minimize(window.GetHandle());
    DrainMessages();
    EXPECT_FALSE(IsIconic(window.GetHandle()));
    EXPECT_TRUE(IsWindowVisible(window.GetHandle()));
    EXPECT_TRUE(IsTopmost(window.GetHandle()));
}

INSTANTIATE_TEST_SUITE_P(
    Routes, PauseMinimizedTest,
    testing::Values(TMinimizeCase{"MinimizeBox", [](HWND w) { SendMessageW(w, WM_SYSCOMMAND, SC_MINIMIZE, 0); }},
                    TMinimizeCase{"ShowMinimized", [](HWND w) { ShowWindow(w, SW_MINIMIZE); }},
                    TMinimizeCase{"MinimizedWithoutActivation", [](HWND w) { ShowWindow(w, SW_SHOWMINNOACTIVE); }}),
    [](const testing::TestParamInfo<TMinimizeCase>& entry) { return entry.param.name; });

TEST_F(PauseInFrontTest, StaysMinimizedOnceDismissed) {
    window.ShowTimeLeft("");
    SendMessageW(window.GetHandle(), WM_CLOSE, 0, 0);
    ShowWindow(window.GetHandle(), SW_SHOWMINNOACTIVE);
    DrainMessages();
    EXPECT_TRUE(IsIconic(window.GetHandle()));
}

}  // namespace
