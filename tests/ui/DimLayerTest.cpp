#include "ui/TDimLayer.h"
#include "ui/TPauseWindow.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

std::vector<RECT> Monitors() {
    std::vector<RECT> rects;
    EnumDisplayMonitors(
        nullptr, nullptr,
        [](HMONITOR, HDC, LPRECT rect, LPARAM list) {
            reinterpret_cast<std::vector<RECT>*>(list)->push_back(*rect);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&rects));
    return rects;
}

// The visible window just below the given one among the top-level windows (hidden helper windows,
// such as an input method's, may sit anywhere).
HWND Below(HWND window) {
    HWND next = GetWindow(window, GW_HWNDNEXT);
    while (next != nullptr && !IsWindowVisible(next)) {
        next = GetWindow(next, GW_HWNDNEXT);
    }
    return next;
}

class DimLayerTest : public testing::Test {
protected:
    DimLayerTest() {
        pauseWindow.ShowTimeLeft("00:05:00");
        DrainMessages();
    }

    TWindowList dialogWindows;
    TPauseWindow pauseWindow{dialogWindows, EnglishResourceTexts()};
    int clicks = 0;
    std::unique_ptr<TDimLayer> layer =
        std::make_unique<TDimLayer>(pauseWindow.GetHandle(), [this] { ++clicks; });
};

TEST_F(DimLayerTest, CoversEveryMonitorWholeJustBelowThePauseWithoutTheFocus) {
    // Under Wine the window manager puts a window it maps on top a moment later; the next second's
    // Follow, as the program's tick gives it, puts the pause back over it.
    DrainMessages();
    layer->Follow();
    const std::vector<HWND> windows = layer->GetWindows();
    const std::vector<RECT> monitors = Monitors();
    ASSERT_EQ(windows.size(), monitors.size());
    for (std::size_t index = 0; index < windows.size(); ++index) {
        SCOPED_TRACE(index);
        RECT rect{};
        GetWindowRect(windows[index], &rect);
        EXPECT_TRUE(EqualRect(&rect, &monitors[index]));
        EXPECT_TRUE(IsWindowVisible(windows[index]));
        const LONG_PTR style = GetWindowLongPtrW(windows[index], GWL_EXSTYLE);
        EXPECT_NE(style & WS_EX_TOPMOST, 0);
        EXPECT_NE(style & WS_EX_NOACTIVATE, 0) << "never the foreground";
        EXPECT_NE(style & WS_EX_TOOLWINDOW, 0) << "not in the taskbar or Alt+Tab";
        EXPECT_EQ(WindowText(windows[index]), L"") << "nothing for a screen reader to read";
        BYTE alpha = 0;
        DWORD flags = 0;
        EXPECT_TRUE(GetLayeredWindowAttributes(windows[index], nullptr, &alpha, &flags));
        EXPECT_EQ(flags & LWA_ALPHA, static_cast<DWORD>(LWA_ALPHA));
        EXPECT_GT(alpha, 100);
        EXPECT_LT(alpha, 255) << "translucent";
    }
    EXPECT_EQ(Below(pauseWindow.GetHandle()), windows.front());
    DrainMessages();
    EXPECT_EQ(GetForegroundWindow(), pauseWindow.GetHandle())
        << (std::find(windows.begin(), windows.end(), GetForegroundWindow()) != windows.end() ? "a layer" : "another");
}

TEST_F(DimLayerTest, GoesBackBelowThePauseWhenAnotherTopmostWindowCameBetween) {
    TWindow other(L"other", false, nullptr);
    other.Show(false);
    SetWindowPos(other.GetHandle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    pauseWindow.ShowTimeLeft("00:04:59");
    layer->Follow();
    EXPECT_EQ(Below(pauseWindow.GetHandle()), layer->GetWindows().front());
}

TEST_F(DimLayerTest, ClicksCallBackAndTakeNothingOfTheFocus) {
    const HWND window = layer->GetWindows().front();
    EXPECT_EQ(SendMessageW(window, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(window), MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN)),
              MA_NOACTIVATE);
    for (const UINT button : {WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN}) {
        SendMessageW(window, button, 0, MAKELPARAM(10, 10));
    }
    EXPECT_EQ(clicks, 3);
}

TEST_F(DimLayerTest, LeavesNothingBehindOnceGone) {
    const std::vector<HWND> windows = layer->GetWindows();
    layer.reset();
    for (const HWND window : windows) {
        EXPECT_FALSE(IsWindow(window));
    }
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    EXPECT_FALSE(GetClassInfoExW(GetModuleHandleW(nullptr), L"TavelinDimLayer", &windowClass));
}

}  // namespace
